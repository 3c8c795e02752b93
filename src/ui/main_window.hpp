// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its controls, built from the fixed layout, and a view of
// one session. Each control's signal is one intent of the session; each
// change of the session is shown once, in the fields, the bars and the
// picture. Its zoom is a class of its own (window_zoom.hpp), and so are the
// commands that take values and the picture away (take_away.hpp).
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "fault_notice.hpp"
#include "main_window_layout.hpp"
#include "picture_description.hpp"
#include "scene.hpp"
#include "scene_recording.hpp"
#include "session.hpp"
#include "session_widgets.hpp"
#include "window_zoom.hpp"

class QAction;
class QScrollArea;
class QTimer;

namespace korvath::help {
class HelpCommand;
}

namespace korvath::ui {

class RayCommands;
class TakeAway;
class WorksheetCommands;

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
    ClientArea* clientArea() const { return clientArea_; }
    QScrollArea* clientScrollArea() const { return scrollArea_; }
    // The window's size when the whole client area shows.
    QSize naturalSize() const;
    // Makes the window no larger than its screen's available area, frame
    // included, and keeps it inside that area; done when it is first shown.
    void fitToScreen();
    // The zoom of the layout, and the View menu that chooses it; setZoom
    // chooses one as the menu does (bench/window_bench.cpp times it).
    WindowZoom& windowZoom() { return *zoom_; }
    RayCommands& rayCommands() { return *rays_; }
    WorksheetCommands& worksheetCommands() { return *worksheet_; }
    // What the picture shows, as its description words it.
    const PictureDescription& pictureDescription() const { return describedScene_->description(); }
    void setZoom(double zoom) { zoom_->setZoom(zoom); }

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
    WindowZoom* zoom_ = nullptr;
    RayCommands* rays_ = nullptr;
    WorksheetCommands* worksheet_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QTimer* startTimer_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    ClientArea* clientArea_ = nullptr;
    bool fittedToScreen_ = false;
};

}  // namespace korvath::ui
