// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its fixed layout, and a view of one session. Each
// control's signal is one intent of the session; each change of the session
// is shown once, in the fields, the bars and the picture.
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

#include "fault_notice.hpp"
#include "main_window_layout.hpp"
#include "picture_description.hpp"
#include "scene.hpp"
#include "scene_recording.hpp"
#include "session.hpp"
#include "session_widgets.hpp"

class QAction;
class QMenu;
class QScrollArea;
class QStyle;
class QTimer;

namespace korvath::help {
class HelpCommand;
}

namespace korvath::ui {

class TakeAway;

class MainWindow final : public QMainWindow, private SessionView {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() { return session_; }
    const Session& session() const { return session_; }
    const MainWindowControls& controls() const { return controls_; }
    ScenePicture* picture() const { return controls_.scenePicture; }
    FaultNotice& faultNotice() { return notice_; }
    ValueFields& values() { return values_; }
    // The drawing calls of the picture on screen, since its last clear.
    const SceneRecording& sceneRecording() const { return *sceneRecording_; }
    QTimer* startTimer() const { return startTimer_; }
    QAction* exitAction() const { return exitAction_; }
    QAction* helpAction() const { return helpAction_; }
    help::HelpCommand& helpCommand() { return *helpCommand_; }
    TakeAway& takeAway() { return *takeAway_; }

    // The client area (below the menu bar) that holds every control, at its
    // fixed size, and the scroll area it lies in.
    QWidget* clientArea() const { return clientArea_; }
    QScrollArea* clientScrollArea() const { return scrollArea_; }
    // The window's size when the whole client area shows.
    QSize naturalSize() const;
    // Makes the window no larger than its screen's available area, frame
    // included, and keeps it inside that area; done when it is first shown.
    void fitToScreen();

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

  signals:
    // The picture's description changed; a screen reader has been told.
    void pictureDescribed(const QString& description);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void bindValues();
    void buildMenu();
    void buildViewMenu();
    // Lays out every control, the fonts and the picture at `zoom`, and draws
    // the picture again at it.
    void showAtZoom(double zoom);
    // Whether the window fills its screen (maximised or full screen) and so
    // scales its layout to fit rather than to the chosen zoom.
    bool fillsScreen() const;
    void fitZoomToWindow();
    void updateViewActions();
    void wireControls();
    void describePicture(const PictureDescription& description);
    void sessionChanged(const Session& session, const SessionChange& change) override;

    MainWindowControls controls_;
    ValueFields values_;
    BarControls bars_;
    FaultNotice notice_;
    std::unique_ptr<Scene> scene_;
    std::unique_ptr<SceneRecording> sceneRecording_;
    std::unique_ptr<DescribedScene> describedScene_;
    Session session_;
    std::unique_ptr<help::HelpCommand> helpCommand_;
    TakeAway* takeAway_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QTimer* startTimer_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    QWidget* clientArea_ = nullptr;
    bool fittedToScreen_ = false;
    // Each control with its place in the layout, for laying it out again.
    std::vector<std::pair<const ControlSpec*, QWidget*>> placed_;
    double zoom_ = 1;
    double shownZoom_ = 1;
    int menuBarHeightAtOne_ = 0;
    QStyle* barStyle_ = nullptr;  // the bars' style away from 100 %
    QMenu* viewMenu_ = nullptr;
    QAction* zoomInAction_ = nullptr;
    QAction* zoomOutAction_ = nullptr;
    QAction* actualSizeAction_ = nullptr;
    QAction* fullScreenAction_ = nullptr;
    bool maximisedBeforeFullScreen_ = false;
};

}  // namespace korvath::ui
