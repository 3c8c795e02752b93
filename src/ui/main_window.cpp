// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.hpp"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <type_traits>
#include <utility>
#include <vector>

#include "button_keys.hpp"
#include "help_command.hpp"
#include "language.hpp"
#include "parameter_bar.hpp"
#include "picture_text.hpp"
#include "ray_commands.hpp"
#include "scene_picture.hpp"
#include "take_away.hpp"
#include "text_fit.hpp"
#include "twips.hpp"
#include "value_field.hpp"
#include "worksheet_commands.hpp"

// Resources of a static library must be registered by name, outside any namespace.
static void registerResources() {
    Q_INIT_RESOURCE(korvath);
}

namespace korvath::ui {

namespace {

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
                // Captions and marks keep their whole text visible.
                w = new FittedLabel(trMain(item.caption), parent);
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
    rays_ = new RayCommands(*this, session_, *scene_);
    sceneRecording_ = std::make_unique<SceneRecording>(rays_->animatedScene());
    describedScene_ = std::make_unique<DescribedScene>(
        *sceneRecording_, [this](const PictureDescription& d) { describePicture(d); });
    wireControls();  // every control signal to its intent, in one place
    takeAway_ = new TakeAway(*this);
    zoom_ = new WindowZoom(*this, [this] {
        rays_->animatedScene().finish();
        controls_.scenePicture->clear();
        sceneRecording_->replay(*scene_);
    });
    worksheet_ = new WorksheetCommands(*this);
    rays_->addTo(*zoom_->viewMenu(), *takeAway_->pictureMenu(), *controls_.scenePicture);
    // The screen reader hears a travelling ray's fate once, when it ends.
    rays_->onRayEnded([this] { describePicture(describedScene_->description()); });

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
    const double dpi = clientArea_->logicalDpiX();
    auto* returnKey = new ReturnPressesButton(this);
    std::vector<std::pair<int, QWidget*>> focused;  // with their places in the focus order
    for (const ControlSpec& item : mainWindowLayout()) {
        QWidget* w = makeControl(item, controls_, clientArea_);
        w->setObjectName(QString::fromUtf8(item.objectName.data(), item.objectName.size()));
        w->setGeometry(twipsToPixels(item.left, item.top, item.width, item.height, dpi));
        // Each control gets its font itself: under a style sheet Qt no longer
        // passes the window's font down to the controls.
        w->setFont(controlFont(item, 1));
        if (item.focusPosition > 0) focused.emplace_back(item.focusPosition, w);
        if (auto* button = qobject_cast<QPushButton*>(w)) returnKey->watch(button);
        if (*item.accessibleName) w->setAccessibleName(trMain(item.accessibleName));
        if (*item.accessibleDescription)
            w->setAccessibleDescription(trMain(item.accessibleDescription));
    }

    // Keyboard focus order, from the layout's focus positions.
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
    rays_->sessionChanged();
    if (change.fault) notice_.report(*change.fault);
}

// The picture's description follows every recomputation, move and Beam, and
// a screen reader is told of each change (setting the text alone tells it
// nothing).
void MainWindow::describePicture(const PictureDescription& description) {
    if (rays_->animatedScene().travelling()) return;  // told when the ray ends
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

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (zoom_) zoom_->windowResized();
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
    if (event->type() == QEvent::WindowStateChange && zoom_) zoom_->windowStateChanged();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Nothing to ask and nothing to save; windows of ours close with this one.
    helpCommand_->closeWindows();
    if (QWidget* box = notice_.box()) box->close();
    event->accept();
}

}  // namespace korvath::ui
