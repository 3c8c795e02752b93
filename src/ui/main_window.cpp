#include "main_window.hpp"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "form1_layout.hpp"
#include "menu_commands.hpp"
#include "parameter_bar.hpp"
#include "picture_box.hpp"
#include "twips.hpp"

// Resources of a static library must be registered by name, outside any namespace.
static void registerResources() {
    Q_INIT_RESOURCE(korvath);
}

namespace korvath::ui {

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The client area keeps every control at its place: enlarging the window
// adds empty space, shrinking it hides what falls outside, without scroll bars.
class ClientArea final : public QWidget {
  public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) { setObjectName("clientArea"); }
    QSize sizeHint() const override {
        const double dpi = logicalDpiX();
        return {twipsToPixels(kClientWidthTwips, dpi), twipsToPixels(kClientHeightTwips, dpi)};
    }
    QSize minimumSizeHint() const override { return {0, 0}; }
};

QFont windowFont() {
    QFont font(qs(kWindowFontFamily));
    font.setPointSizeF(kWindowFontPoints);
    font.setWeight(QFont::Normal);
    return font;
}

// Scroll-bar range and steps; design values before the load handler runs.
constexpr int kBarMinimum = 0;
constexpr int kBarMaximum = 100;
constexpr int kBarArrowStep = 1;
constexpr int kBarPageStep = 10;
int designValue(std::string_view name) {
    return name == "HScroll1" ? 100 : 0;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), notice_(this), sim_(labels_, bars_, notice_) {
    registerResources();
    setObjectName("Form1");
    setWindowTitle(qs(kForm1Caption));
    setWindowIcon(QIcon(":/korvath/korvath.xpm"));
    setFont(windowFont());
    setCentralWidget(new ClientArea(this));

    buildControls();
    buildMenu();
    scene_ = std::make_unique<Scene>(sim_, *picture_, labels_, notice_);
    wireControls();  // every control event to its handler, in one place

    const QSize client = centralWidget()->sizeHint();
    resize(client.width(), client.height() + menuBar()->sizeHint().height());

    sim_.load();

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setInterval(kTimerIntervalMs);
    connect(timer_, &QTimer::timeout, this, [this] { sim_.tick(); });
    timer_->start();

    picture_->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

template <typename T>
T* MainWindow::control(const char* name) const {
    return centralWidget()->findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void MainWindow::buildControls() {
    QWidget* client = centralWidget();
    const double dpi = client->logicalDpiX();
    for (const ControlSpec& item : form1Controls()) {
        QWidget* w = nullptr;
        switch (item.kind) {
            case ControlKind::Button:
                w = new QPushButton(qs(item.caption), client);
                break;
            case ControlKind::CaptionLabel: {
                auto* label = new QLabel(qs(item.caption), client);
                label->setTextFormat(Qt::PlainText);
                w = label;
                break;
            }
            case ControlKind::ValueField: {
                // Value fields start empty and carry a single-line frame.
                auto* label = new QLabel(client);
                label->setTextFormat(Qt::PlainText);
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setLineWidth(1);
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                label->setTextInteractionFlags(Qt::NoTextInteraction);
                w = label;
                break;
            }
            case ControlKind::ScrollBar: {
                auto* bar = new ParameterBar(client);
                bar->setRange(kBarMinimum, kBarMaximum);
                bar->setSingleStep(kBarArrowStep);
                bar->setPageStep(kBarPageStep);
                bar->setTracking(false);  // only the released thumb counts
                bar->setFocusPolicy(Qt::StrongFocus);
                bar->setValue(designValue(item.name));
                w = bar;
                break;
            }
            case ControlKind::Picture:
                picture_ = new PictureBox(client);
                w = picture_;
                break;
        }
        w->setObjectName(qs(item.name));
        w->setGeometry(twipsToPixels(item.left, item.top, item.width, item.height, dpi));
        if (item.fontPoints > 0) {
            QFont font = windowFont();
            font.setPointSizeF(item.fontPoints);
            w->setFont(font);
        }
        if (item.kind == ControlKind::CaptionLabel || item.kind == ControlKind::ValueField)
            w->setFocusPolicy(Qt::NoFocus);
    }

    for (const AccessibleText& a : form1AccessibleTexts()) {
        QWidget* w = control<QWidget>(a.control.data());
        if (!a.name.empty()) w->setAccessibleName(qs(a.name));
        w->setAccessibleDescription(qs(a.description));
    }

    for (int i = 0; i < kLabelCount; ++i) {
        const auto id = static_cast<LabelId>(i);
        labels_.bind(id, control<QLabel>(labelName(id).data()));
    }
    // Both start in a grey (128, 128, 128) slightly darker than the grey the
    // first recomputation gives them.
    labels_.setColor(LabelId::Label11, colors::kLabelGreyAtStart);
    labels_.setColor(LabelId::Label12, colors::kLabelGreyAtStart);

    for (Bar bar : kAllBars)
        bars_.bind(bar, control<QScrollBar>(barName(bar).data()));

    const auto order = form1TabOrder();
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(control<QWidget>(order[i - 1].data()), control<QWidget>(order[i].data()));
}

void MainWindow::buildMenu() {
    menu_ = std::make_unique<help::MenuCommands>(this);
    menuBar()->addAction(tr("E&xit"))->setObjectName("mnuExit");
    menuBar()->addAction(tr("&Help"))->setObjectName("mnuHelp");
}

void MainWindow::wireControls() {
    bars_.onUserMoved([this](Bar bar, std::int16_t previous) { sim_.userMovedBar(bar, previous); });

    const auto onClick = [this](const char* name, auto handler) {
        connect(control<QPushButton>(name), &QPushButton::clicked, this, handler);
    };
    onClick("comchikyuu", [this] { sim_.clickPreset(kEarth); });
    onClick("comtaiyou", [this] { sim_.clickPreset(kSun); });
    onClick("combeam_upd", [this] { scene_->clickMove(BeamMove::BigUp); });
    onClick("combeam_up", [this] { scene_->clickMove(BeamMove::Up); });
    onClick("combeam_down", [this] { scene_->clickMove(BeamMove::Down); });
    onClick("combeam_downd", [this] { scene_->clickMove(BeamMove::BigDown); });
    onClick("cmdkousenidou", [this] { scene_->clickBeam(); });

    const auto onMenu = [this](const char* name, auto handler) {
        connect(menuBar()->findChild<QAction*>(name), &QAction::triggered, this, handler);
    };
    onMenu("mnuExit", [this] { menu_->exit(); });
    onMenu("mnuHelp", [this] { menu_->help(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Nothing to ask and nothing to save; windows of ours close with this one.
    menu_->closeWindows();
    if (QWidget* box = notice_.box()) box->close();
    event->accept();
}

}  // namespace korvath::ui
