// Form1, the main window: its fixed layout, the binding of every control
// event to its handler, and the Qt side of the labels, bars and surface.
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "fault_notice.hpp"
#include "qt_adapters.hpp"
#include "scene.hpp"
#include "simulation.hpp"

class QTimer;

namespace korvath::help {
class MenuCommands;
}

namespace korvath::ui {

class PictureBox;

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Simulation& simulation() { return sim_; }
    Scene& scene() { return *scene_; }
    PictureBox* picture() const { return picture_; }
    FaultNotice& faultNotice() { return notice_; }
    QtLabels& labels() { return labels_; }
    QTimer* timer() const { return timer_; }
    help::MenuCommands& menuCommands() { return *menu_; }

    // The client area (below the menu bar) that holds every control.
    QWidget* clientArea() const { return centralWidget(); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildMenu();
    void wireControls();
    template <typename T>
    T* control(const char* name) const;

    QtLabels labels_;
    QtScrollBars bars_;
    FaultNotice notice_;
    Simulation sim_;
    std::unique_ptr<Scene> scene_;
    std::unique_ptr<help::MenuCommands> menu_;
    PictureBox* picture_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace korvath::ui
