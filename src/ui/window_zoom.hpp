// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's zoom (zoom.hpp has its steps and how it is remembered):
// the View menu with Zoom In, Zoom Out, Actual Size and Full Screen, the
// zoom chosen there, and the zoom the layout is shown at. Showing a zoom
// scales the whole client area as one (places, sizes and fonts alike), the
// menu bar's font, the bars' arrows and the picture.
#pragma once

#include <QObject>
#include <QSize>
#include <QWidget>
#include <functional>

class QAction;
class QMenu;

namespace korvath::ui {

class MainWindow;
class ZoomedBarStyle;

// The client area keeps every control at its place and its size: enlarging
// the window adds empty space; a window smaller than the client area, on a
// small screen or at a large scale, shows scroll bars that reach every part.
// Scaling the whole layout down instead would make the 9 pt text unreadable
// and blur the scene's one-pixel lines; scrolling keeps every value exact
// and readable.
class ClientArea final : public QWidget {
  public:
    explicit ClientArea(QWidget* parent);
    QSize sizeHint() const override { return sizeAt(zoom_); }
    // The client area's size at `zoom`.
    QSize sizeAt(double zoom) const;
    void setZoom(double zoom);

  private:
    double zoom_ = 1;
};

class WindowZoom final : public QObject {
    Q_OBJECT
  public:
    // Puts the View menu into the window's menu bar, before Help, and shows
    // the layout at the remembered zoom, the window sized to match.
    // `drawPictureAgain` draws the picture again from what it last showed.
    WindowZoom(MainWindow& window, std::function<void()> drawPictureAgain);

    // The zoom chosen with the View menu (1 to 4), remembered between runs,
    // and the zoom the layout is shown at: the chosen one in a normal
    // window, the largest that fits in a maximised or full-screen one.
    double zoom() const { return zoom_; }
    double shownZoom() const { return shownZoom_; }
    // Chooses a zoom (clamped to 1 to 4), remembers it and, in a normal
    // window, shows the layout at it and sizes the window to match.
    void setZoom(double zoom);

    QMenu* viewMenu() const { return viewMenu_; }
    QAction* zoomInAction() const { return zoomInAction_; }
    QAction* zoomOutAction() const { return zoomOutAction_; }
    QAction* actualSizeAction() const { return actualSizeAction_; }
    QAction* fullScreenAction() const { return fullScreenAction_; }

    // The window's size or state changed: a maximised or full-screen window
    // shows the layout at the largest zoom that fits it, centred; a normal
    // one at the chosen zoom.
    void windowResized();
    void windowStateChanged();

  private:
    void buildViewMenu();
    // Lays out every control, the fonts and the picture at `zoom`, and draws
    // the picture again at it.
    void showAt(double zoom);
    // Whether the window fills its screen (maximised or full screen) and so
    // scales its layout to fit rather than to the chosen zoom.
    bool fillsScreen() const;
    void fitToWindow();
    void updateActions();

    MainWindow& window_;
    ClientArea& clientArea_;
    std::function<void()> drawPictureAgain_;
    double zoom_ = 1;
    double shownZoom_ = 1;
    int menuBarHeightAtOne_ = 0;
    ZoomedBarStyle* barStyle_ = nullptr;  // the bars' style away from 100 %
    QMenu* viewMenu_ = nullptr;
    QAction* zoomInAction_ = nullptr;
    QAction* zoomOutAction_ = nullptr;
    QAction* actualSizeAction_ = nullptr;
    QAction* fullScreenAction_ = nullptr;
    bool maximisedBeforeFullScreen_ = false;
};

}  // namespace korvath::ui
