// The main window: its fixed layout, the binding of every control event to
// its handler, and the Qt side of the value fields, bars and picture.
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "fault_notice.hpp"
#include "main_window_layout.hpp"
#include "picture_description.hpp"
#include "qt_adapters.hpp"
#include "scene.hpp"
#include "scene_recording.hpp"
#include "simulation.hpp"

class QAction;
class QTimer;

namespace korvath::help {
class HelpCommand;
}

namespace korvath::ui {

class TakeAway;

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Simulation& simulation() { return *sim_; }
    const MainWindowControls& controls() const { return controls_; }
    ScenePicture* picture() const { return controls_.scenePicture; }
    FaultNotice& faultNotice() { return notice_; }
    QtValueDisplay& values() { return values_; }
    // The drawing calls of the picture on screen, since its last clear.
    const SceneRecording& sceneRecording() const { return *sceneRecording_; }
    QTimer* startTimer() const { return startTimer_; }
    QAction* exitAction() const { return exitAction_; }
    QAction* helpAction() const { return helpAction_; }
    help::HelpCommand& helpCommand() { return *helpCommand_; }
    TakeAway& takeAway() { return *takeAway_; }

    // The client area (below the menu bar) that holds every control.
    QWidget* clientArea() const { return centralWidget(); }

  signals:
    // The picture's description changed; a screen reader has been told.
    void pictureDescribed(const QString& description);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void bindValues();
    void buildMenu();
    void wireControls();
    void describePicture(const PictureDescription& description);

    MainWindowControls controls_;
    QtValueDisplay values_;
    QtParameterBars bars_;
    FaultNotice notice_;
    std::unique_ptr<Scene> scene_;
    std::unique_ptr<SceneRecording> sceneRecording_;
    std::unique_ptr<DescribedScene> describedScene_;
    std::unique_ptr<Simulation> sim_;
    std::unique_ptr<help::HelpCommand> helpCommand_;
    TakeAway* takeAway_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QTimer* startTimer_ = nullptr;
};

}  // namespace korvath::ui
