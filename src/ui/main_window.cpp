// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.hpp"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollArea>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <type_traits>

#include "button_keys.hpp"
#include "help_command.hpp"
#include "language.hpp"
#include "parameter_bar.hpp"
#include "picture_text.hpp"
#include "scene_picture.hpp"
#include "take_away.hpp"
#include "text_fit.hpp"
#include "twips.hpp"
#include "value_field.hpp"
#include "zoom.hpp"

// Resources of a static library must be registered by name, outside any namespace.
static void registerResources() {
    Q_INIT_RESOURCE(korvath);
}

namespace korvath::ui {

namespace {

// The client area keeps every control at its place and its size: enlarging
// the window adds empty space; a window smaller than the client area, on a
// small screen or at a large scale, shows scroll bars that reach every part.
// Scaling the whole layout down instead would make the 9 pt text unreadable
// and blur the scene's one-pixel lines; scrolling keeps every value exact
// and readable.
// The window's zoom scales the whole client area as one: places, sizes and
// fonts alike.
class ClientArea final : public QWidget {
  public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {
        setObjectName("clientArea");
        setFixedSize(sizeHint());
    }
    QSize sizeHint() const override { return sizeAt(zoom_); }
    QSize sizeAt(double zoom) const {
        const double dpi = logicalDpiX() * zoom;
        return {twipsToPixels(kClientWidthTwips, dpi), twipsToPixels(kClientHeightTwips, dpi)};
    }
    void setZoom(double zoom) {
        zoom_ = zoom;
        setFixedSize(sizeHint());
    }

  private:
    double zoom_ = 1;
};

// The bars' arrows and smallest thumb grow with the zoom as the bars do; the
// style gives them a fixed number of pixels. Used only away from 100 %, where
// the bars keep the application's own style.
class ZoomedBarStyle final : public QProxyStyle {
  public:
    explicit ZoomedBarStyle(QObject* owner) {
        setParent(owner);
        // The base style is a new one of the application's kind, owned here.
        setBaseStyle(QStyleFactory::create(QApplication::style()->name()));
    }
    void setZoom(double zoom) { zoom_ = zoom; }
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric == PM_ScrollBarExtent || metric == PM_ScrollBarSliderMin)
            return static_cast<int>(std::lround(base * zoom_));
        return base;
    }

  private:
    double zoom_ = 1;
};

QFont windowFont(double points = kWindowFontPoints) {
    QFont font(QString::fromUtf8(kWindowFontFamily.data(), kWindowFontFamily.size()));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

QFont controlFont(const ControlSpec& item, double zoom) {
    return windowFont((item.fontPoints > 0 ? item.fontPoints : kWindowFontPoints) * zoom);
}

QString trMain(const char* text) {
    return QCoreApplication::translate("MainWindow", text);
}

QWidget* makeControl(const ControlSpec& item, MainWindowControls& controls, QWidget* parent) {
    return std::visit(
        [&](auto member) -> QWidget* {
            using Widget =
                std::remove_pointer_t<std::remove_reference_t<decltype(controls.*member)>>;
            Widget* w = nullptr;
            if constexpr (std::is_same_v<Widget, QPushButton>) {
                w = new QPushButton(trMain(item.caption), parent);
            } else if constexpr (std::is_same_v<Widget, QLabel>) {
                w = new QLabel(trMain(item.caption), parent);
                w->setTextFormat(Qt::PlainText);
                w->setFocusPolicy(Qt::NoFocus);
            } else if constexpr (std::is_same_v<Widget, ParameterBar>) {
                w = new ParameterBar(parent);
                w->setRange(kBarMinimum, kBarMaximum);
                w->setSingleStep(kBarArrowStep);
                w->setPageStep(kBarPageStep);
            } else {
                w = new Widget(parent);
            }
            controls.*member = w;
            return w;
        },
        item.slot);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), notice_(this) {
    registerResources();
    setObjectName("mainWindow");
    setWindowTitle(trMain(kMainWindowTitle));
    setWindowIcon(QIcon(":/korvath/korvath.xpm"));
    setFont(windowFont());

    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName("clientScrollArea");
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control
    scrollArea_->setWidgetResizable(false);
    clientArea_ = new ClientArea(scrollArea_);
    scrollArea_->setWidget(clientArea_);
    setCentralWidget(scrollArea_);

    buildControls();
    bindValues();
    buildMenu();
    scene_ = std::make_unique<Scene>(*controls_.scenePicture);
    sceneRecording_ = std::make_unique<SceneRecording>(*scene_);
    describedScene_ = std::make_unique<DescribedScene>(
        *sceneRecording_, [this](const PictureDescription& d) { describePicture(d); });
    wireControls();  // every control signal to its intent, in one place
    takeAway_ = new TakeAway(*this);
    buildViewMenu();

    zoom_ = loadZoom();
    showAtZoom(zoom_);
    resize(naturalSize());

    // The session's state at start-up, then every change as it comes.
    values_.show(session_);
    bars_.show(session_);
    session_.addView(*this);

    // The display starts once the window has had a moment to appear.
    startTimer_ = new QTimer(this);
    startTimer_->setObjectName("startTimer");
    startTimer_->setSingleShot(true);
    startTimer_->setInterval(kStartTimerIntervalMs);
    connect(startTimer_, &QTimer::timeout, this, [this] { session_.start(); });
    startTimer_->start();

    controls_.scenePicture->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() {
    session_.removeView(*this);
}

void MainWindow::buildControls() {
    QWidget* client = clientArea_;
    const double dpi = client->logicalDpiX();
    auto* returnKey = new ReturnPressesButton(this);
    for (const ControlSpec& item : mainWindowLayout()) {
        QWidget* w = makeControl(item, controls_, client);
        w->setObjectName(QString::fromUtf8(item.objectName.data(), item.objectName.size()));
        w->setGeometry(twipsToPixels(item.left, item.top, item.width, item.height, dpi));
        // Each control gets its font itself: under a style sheet Qt no longer
        // passes the window's font down to the controls.
        w->setFont(controlFont(item, 1));
        placed_.emplace_back(&item, w);
        if (auto* button = qobject_cast<QPushButton*>(w)) returnKey->watch(button);
        // Captions and marks keep their whole text visible (value fields do it themselves).
        if (auto* label = qobject_cast<QLabel*>(w); label && !qobject_cast<ValueField*>(w))
            CaptionFitter::attach(label);
        if (*item.accessibleName) w->setAccessibleName(trMain(item.accessibleName));
        if (*item.accessibleDescription)
            w->setAccessibleDescription(trMain(item.accessibleDescription));
    }

    // Keyboard focus order, from the layout's focus positions.
    std::vector<std::pair<int, QWidget*>> focused;
    for (const auto& [item, w] : placed_)
        if (item->focusPosition > 0) focused.emplace_back(item->focusPosition, w);
    std::ranges::sort(focused, {}, &std::pair<int, QWidget*>::first);
    for (size_t i = 1; i < focused.size(); ++i)
        setTabOrder(focused[i - 1].second, focused[i].second);
}

void MainWindow::bindValues() {
    // Each value field and bar to what the layout says it shows (a value
    // in a field, a position in a bar).
    using C = MainWindowControls;
    for (const ControlSpec& item : mainWindowLayout()) {
        if (const auto* value = std::get_if<ShownValue>(&item.shows))
            values_.bind(*value, controls_.*std::get<ValueField * C::*>(item.slot));
        if (const auto* bar = std::get_if<Bar>(&item.shows))
            bars_.bind(*bar, controls_.*std::get<ParameterBar * C::*>(item.slot));
    }
    values_.bindSchwarzschildPair(controls_.schwarzschildRadiusCaption,
                                  controls_.schwarzschildRadiusValue);
}

void MainWindow::buildMenu() {
    menuBar()->setFont(windowFont());
    helpCommand_ = std::make_unique<help::HelpCommand>(this);
    helpCommand_->setLanguage(currentLanguage());
    exitAction_ = menuBar()->addAction(trMain(kExitCaption));
    exitAction_->setObjectName("exitAction");
    helpAction_ = menuBar()->addAction(trMain(kHelpCaption));
    helpAction_->setObjectName("helpAction");
    menuBarHeightAtOne_ = menuBar()->sizeHint().height();
}

// View, after Picture and before Help: Zoom In, Zoom Out, Actual Size and
// Full Screen. Their keys work wherever the focus is in the window.
void MainWindow::buildViewMenu() {
    viewMenu_ = new QMenu(trMain(kViewCaption), this);
    viewMenu_->setObjectName("viewMenu");
    viewMenu_->menuAction()->setObjectName("viewMenuAction");
    const auto add = [this](const char* caption, const char* name, QList<QKeySequence> keys) {
        QAction* action = viewMenu_->addAction(trMain(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);  // the keys work with the menu closed
        return action;
    };
    zoomInAction_ =
        add(kZoomInCaption, "zoomInAction",
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOutAction_ =
        add(kZoomOutCaption, "zoomOutAction", {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    actualSizeAction_ =
        add(kActualSizeCaption, "actualSizeAction", {QKeySequence(Qt::CTRL | Qt::Key_0)});
    viewMenu_->addSeparator();
    fullScreenAction_ = add(kFullScreenCaption, "fullScreenAction", {QKeySequence(Qt::Key_F11)});
    fullScreenAction_->setCheckable(true);
    menuBar()->insertMenu(helpAction_, viewMenu_);

    connect(zoomInAction_, &QAction::triggered, this, [this] { setZoom(zoomIn(zoom_)); });
    connect(zoomOutAction_, &QAction::triggered, this, [this] { setZoom(zoomOut(zoom_)); });
    connect(actualSizeAction_, &QAction::triggered, this, [this] { setZoom(1); });
    connect(fullScreenAction_, &QAction::triggered, this, [this](bool on) {
        if (on) {
            maximisedBeforeFullScreen_ = isMaximized();
            showFullScreen();
        } else if (maximisedBeforeFullScreen_) {
            showMaximized();
        } else {
            showNormal();
        }
    });
    updateViewActions();
}

void MainWindow::wireControls() {
    bars_.onMoved([this](Bar bar, int position) { session_.setBar(bar, position); });

    const MainWindowControls& c = controls_;
    const auto onClick = [this](QPushButton* button, auto handler) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    onClick(c.earthButton, [this] { session_.choose(kEarth); });
    onClick(c.sunButton, [this] { session_.choose(kSun); });
    onClick(c.beamBigUpButton, [this] { session_.moveBeam(BeamMove::BigUp); });
    onClick(c.beamUpButton, [this] { session_.moveBeam(BeamMove::Up); });
    onClick(c.beamDownButton, [this] { session_.moveBeam(BeamMove::Down); });
    onClick(c.beamBigDownButton, [this] { session_.moveBeam(BeamMove::BigDown); });
    onClick(c.beamButton, [this] { session_.trace(); });

    connect(exitAction_, &QAction::triggered, this, &QWidget::close);
    connect(helpAction_, &QAction::triggered, this, [this] { helpCommand_->run(); });
}

// One change of the session, shown once: the fields, the bars, the picture
// (through the recording and the description), then the fault, if any.
void MainWindow::sessionChanged(const Session& session, const SessionChange& change) {
    if (change.values) values_.show(session);
    if (change.bars) bars_.show(session);
    session.draw(*describedScene_, change);
    if (change.fault) notice_.report(*change.fault);
}

// The picture's description follows every recomputation, move and Beam, and
// a screen reader is told of each change (setting the text alone tells it
// nothing).
void MainWindow::describePicture(const PictureDescription& description) {
    const QString text = pictureText(description);
    if (controls_.scenePicture->accessibleDescription() == text) return;
    controls_.scenePicture->setAccessibleDescription(text);
    QAccessibleEvent changed(controls_.scenePicture, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    emit pictureDescribed(text);
}

QSize MainWindow::naturalSize() const {
    const QSize client = clientArea_->size();
    return {client.width(), client.height() + menuBar()->sizeHint().height()};
}

void MainWindow::fitToScreen() {
    const QScreen* s = screen();
    if (!s) return;
    // The frame the window system adds, where it is known before the window is shown.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QRect available = s->availableGeometry();
    const QSize room = available.size().shrunkBy(frame);
    const QSize natural = naturalSize();
    const QSize fitted = natural.boundedTo(room);
    if (fitted == natural) return;  // a screen large enough: nothing changes
    resize(fitted);
    // A window's pos() is where its frame starts.
    if (!available.contains(QRect(pos(), fitted.grownBy(frame)))) move(available.topLeft());
}

void MainWindow::setZoom(double zoom) {
    zoom = std::clamp(zoom, kSmallestZoom, kLargestZoom);
    if (zoom != zoom_) {
        zoom_ = zoom;
        saveZoom(zoom_);
    }
    updateViewActions();
    if (fillsScreen()) return;  // the layout fits the screen; the zoom waits for a normal window
    showAtZoom(zoom_);
    resize(naturalSize());
    if (isVisible()) fitToScreen();
}

void MainWindow::showAtZoom(double zoom) {
    if (zoom == shownZoom_ && !placed_.empty() &&
        clientArea_->size() == static_cast<ClientArea*>(clientArea_)->sizeAt(zoom))
        return;
    shownZoom_ = zoom;
    const double dpi = clientArea_->logicalDpiX() * zoom;
    controls_.scenePicture->setZoom(zoom);
    static_cast<ClientArea*>(clientArea_)->setZoom(zoom);
    for (const auto& [item, w] : placed_) {
        w->setGeometry(twipsToPixels(item->left, item->top, item->width, item->height, dpi));
        w->setFont(controlFont(*item, zoom));
    }
    menuBar()->setFont(windowFont(kWindowFontPoints * zoom));
    if (zoom != 1 && !barStyle_) barStyle_ = new ZoomedBarStyle(this);
    if (barStyle_) static_cast<ZoomedBarStyle*>(barStyle_)->setZoom(zoom);
    for (QWidget* bar : {controls_.radiusCoarseBar, controls_.radiusFineBar,
                         controls_.massCoarseBar, controls_.massFineBar}) {
        bar->setStyle(zoom == 1 ? nullptr : barStyle_);
        bar->update();
    }
    // The picture drawn again at the new scale, from what it last showed.
    controls_.scenePicture->clear();
    if (sceneRecording_) sceneRecording_->replay(*scene_);
}

bool MainWindow::fillsScreen() const {
    return windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

// A maximised or full-screen window shows the largest zoom at which the
// whole layout fits it, centred, menu bar included.
void MainWindow::fitZoomToWindow() {
    if (!fillsScreen()) return;
    const QSize client = static_cast<ClientArea*>(clientArea_)->sizeAt(1);
    const QSize room = size();
    const QFontMetrics atOne(windowFont());
    const int menuBarExtra = menuBarHeightAtOne_ - atOne.height();
    // The menu bar grows with its font, not quite in proportion: from the
    // estimate down in whole percents until the menu bar fits as well.
    int percents = static_cast<int>(std::lround(
        100 * fittingZoom(QSize(client.width(), client.height() + menuBarHeightAtOne_), room)));
    for (; percents > 100; --percents) {
        const double zoom = percents / 100.0;
        const int menuBar =
            menuBarExtra + QFontMetrics(windowFont(kWindowFontPoints * zoom)).height();
        const QSize scaled = static_cast<ClientArea*>(clientArea_)->sizeAt(zoom);
        if (scaled.width() <= room.width() && scaled.height() + menuBar <= room.height()) break;
    }
    const double zoom = percents / 100.0;
    showAtZoom(zoom);
}

void MainWindow::updateViewActions() {
    const bool free = !fillsScreen();
    zoomInAction_->setEnabled(free && zoom_ < kLargestZoom);
    zoomOutAction_->setEnabled(free && zoom_ > kSmallestZoom);
    actualSizeAction_->setEnabled(free && zoom_ != 1);
    fullScreenAction_->setChecked(isFullScreen());
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    fitZoomToWindow();
}

void MainWindow::showEvent(QShowEvent* event) {
    if (!fittedToScreen_) {
        fittedToScreen_ = true;
        fitToScreen();
    }
    QMainWindow::showEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Dark or light: the Schwarzschild mark follows the new palette.
    if (event->type() == QEvent::PaletteChange) values_.refreshSchwarzschildMark();
    if (event->type() == QEvent::WindowStateChange) {
        // Centred while it fits a screen; back at the chosen zoom when normal.
        scrollArea_->setAlignment(fillsScreen() ? Qt::AlignCenter : Qt::Alignment());
        if (fillsScreen()) {
            fitZoomToWindow();
        } else if (shownZoom_ != zoom_) {
            showAtZoom(zoom_);
            resize(naturalSize());
        }
        updateViewActions();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Nothing to ask and nothing to save; windows of ours close with this one.
    helpCommand_->closeWindows();
    if (QWidget* box = notice_.box()) box->close();
    event->accept();
}

}  // namespace korvath::ui
