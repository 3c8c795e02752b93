// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_zoom.hpp"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScrollArea>
#include <QStyleFactory>
#include <algorithm>
#include <cmath>
#include <utility>

#include "main_window.hpp"
#include "parameter_bar.hpp"
#include "scene_picture.hpp"
#include "twips.hpp"
#include "zoom.hpp"

namespace korvath::ui {

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

namespace {

QString trMain(const char* text) {
    return QCoreApplication::translate("MainWindow", text);
}

// The platform's standard keys for `standard`, then those of `also` (keys
// the window has always had) that the platform's list lacks.
QList<QKeySequence> standardKeys(QKeySequence::StandardKey standard,
                                 const QList<QKeySequence>& also) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : also)
        if (!keys.contains(key)) keys.append(key);
    return keys;
}

}  // namespace

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
    setObjectName("clientArea");
    setFixedSize(sizeHint());
}

QSize ClientArea::sizeAt(double zoom) const {
    const double dpi = logicalDpiX() * zoom;
    return {twipsToPixels(kClientWidthTwips, dpi), twipsToPixels(kClientHeightTwips, dpi)};
}

void ClientArea::setZoom(double zoom) {
    zoom_ = zoom;
    setFixedSize(sizeHint());
}

WindowZoom::WindowZoom(MainWindow& window, std::function<void()> drawPictureAgain)
    : QObject(&window),
      window_(window),
      clientArea_(*window.clientArea()),
      drawPictureAgain_(std::move(drawPictureAgain)),
      zoom_(loadZoom()),
      menuBarHeightAtOne_(window.menuBar()->sizeHint().height()) {
    buildViewMenu();
    showAt(zoom_);
    window_.resize(window_.naturalSize());
}

// View, before Help: Zoom In, Zoom Out, Actual Size and Full Screen. Their
// keys work wherever the focus is in the window.
void WindowZoom::buildViewMenu() {
    viewMenu_ = new QMenu(trMain(kViewCaption), &window_);
    viewMenu_->setObjectName("viewMenu");
    viewMenu_->menuAction()->setObjectName("viewMenuAction");
    const auto add = [this](const char* caption, const char* name, QList<QKeySequence> keys) {
        QAction* action = viewMenu_->addAction(trMain(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window_.addAction(action);  // the keys work with the menu closed
        return action;
    };
    // Ctrl+= is Ctrl with the + key unshifted.
    zoomInAction_ =
        add(kZoomInCaption, "zoomInAction",
            standardKeys(QKeySequence::ZoomIn, {QKeySequence(Qt::CTRL | Qt::Key_Plus),
                                                QKeySequence(Qt::CTRL | Qt::Key_Equal)}));
    zoomOutAction_ =
        add(kZoomOutCaption, "zoomOutAction",
            standardKeys(QKeySequence::ZoomOut, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}));
    // Qt has no standard key for the actual size.
    actualSizeAction_ =
        add(kActualSizeCaption, "actualSizeAction", {QKeySequence(Qt::CTRL | Qt::Key_0)});
    viewMenu_->addSeparator();
    fullScreenAction_ = add(kFullScreenCaption, "fullScreenAction",
                            standardKeys(QKeySequence::FullScreen, {QKeySequence(Qt::Key_F11)}));
    fullScreenAction_->setCheckable(true);
    window_.menuBar()->insertMenu(window_.helpAction(), viewMenu_);

    connect(zoomInAction_, &QAction::triggered, this, [this] { setZoom(zoomIn(zoom_)); });
    connect(zoomOutAction_, &QAction::triggered, this, [this] { setZoom(zoomOut(zoom_)); });
    connect(actualSizeAction_, &QAction::triggered, this, [this] { setZoom(1); });
    connect(fullScreenAction_, &QAction::triggered, this, [this](bool on) {
        if (on) {
            maximisedBeforeFullScreen_ = window_.isMaximized();
            window_.showFullScreen();
        } else if (maximisedBeforeFullScreen_) {
            window_.showMaximized();
        } else {
            window_.showNormal();
        }
    });
    updateActions();
}

void WindowZoom::setZoom(double zoom) {
    zoom = std::clamp(zoom, kSmallestZoom, kLargestZoom);
    if (zoom != zoom_) {
        zoom_ = zoom;
        saveZoom(zoom_);
    }
    updateActions();
    if (fillsScreen()) return;  // the layout fits the screen; the zoom waits for a normal window
    showAt(zoom_);
    window_.resize(window_.naturalSize());
    if (window_.isVisible()) window_.fitToScreen();
}

void WindowZoom::showAt(double zoom) {
    if (zoom == shownZoom_ && clientArea_.size() == clientArea_.sizeAt(zoom)) return;
    shownZoom_ = zoom;
    const MainWindowControls& controls = window_.controls();
    const double dpi = clientArea_.logicalDpiX() * zoom;
    controls.scenePicture->setZoom(zoom);
    clientArea_.setZoom(zoom);
    for (const ControlSpec& item : mainWindowLayout()) {
        QWidget* w = controlOf(controls, item);
        w->setGeometry(twipsToPixels(item.left, item.top, item.width, item.height, dpi));
        w->setFont(controlFont(item, zoom));
    }
    window_.menuBar()->setFont(windowFont(kWindowFontPoints * zoom));
    if (zoom != 1 && !barStyle_) barStyle_ = new ZoomedBarStyle(this);
    if (barStyle_) barStyle_->setZoom(zoom);
    for (const ControlSpec& item : mainWindowLayout()) {
        if (const auto* bar = std::get_if<ParameterBar * MainWindowControls::*>(&item.slot)) {
            ParameterBar* scrollBar = controls.*(*bar);
            scrollBar->setStyle(zoom == 1 ? nullptr : barStyle_);
            scrollBar->update();
        }
    }
    // The picture drawn again at the new scale, from what it last showed.
    drawPictureAgain_();
}

bool WindowZoom::fillsScreen() const {
    return window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

// A maximised or full-screen window shows the largest zoom at which the
// whole layout fits it, centred, menu bar included.
void WindowZoom::fitToWindow() {
    if (!fillsScreen()) return;
    const QSize client = clientArea_.sizeAt(1);
    const QSize room = window_.size();
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
        const QSize scaled = clientArea_.sizeAt(zoom);
        if (scaled.width() <= room.width() && scaled.height() + menuBar <= room.height()) break;
    }
    showAt(percents / 100.0);
}

void WindowZoom::updateActions() {
    const bool free = !fillsScreen();
    zoomInAction_->setEnabled(free && zoom_ < kLargestZoom);
    zoomOutAction_->setEnabled(free && zoom_ > kSmallestZoom);
    actualSizeAction_->setEnabled(free && zoom_ != 1);
    fullScreenAction_->setChecked(window_.isFullScreen());
}

void WindowZoom::windowResized() {
    fitToWindow();
}

void WindowZoom::windowStateChanged() {
    // Centred while it fits a screen; back at the chosen zoom when normal.
    window_.clientScrollArea()->setAlignment(fillsScreen() ? Qt::AlignCenter : Qt::Alignment());
    if (fillsScreen()) {
        fitToWindow();
    } else if (shownZoom_ != zoom_) {
        showAt(zoom_);
        window_.resize(window_.naturalSize());
    }
    updateActions();
}

}  // namespace korvath::ui
