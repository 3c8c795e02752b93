// The two commands of the main window's menu bar, "E&xit" and "&Help", and
// the F1 key that opens the help file once the Help command has named it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "help_launcher.hpp"
#include "help_viewer.hpp"

namespace korvath::help {

inline constexpr const char* kHelpFileName = "vesker.hlp";

class MenuCommands final : public QObject {
    Q_OBJECT
  public:
    explicit MenuCommands(QWidget* mainWindow);
    ~MenuCommands() override;

    // Ends the program at once: closes the main window, asking nothing.
    void exit();
    // Shows "HELP" for two ticks of its timer, names the help file and posts
    // one F1 key press to the main window.
    void help();

    // The help-file setting: empty until the first Help command.
    QString helpFile() const { return helpFile_; }
    // The folder the Help command names the help file in: the program's own
    // folder unless set otherwise.
    void setApplicationFolder(const QString& folder) { applicationFolder_ = folder; }
    HelpLauncher* launcher() const { return launcher_; }
    HelpViewer* viewer() const { return viewer_; }
    // Closes the viewer and the launcher, with the main window.
    void closeWindows();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void openHelpFile();

    QWidget* mainWindow_;
    QPointer<HelpLauncher> launcher_;
    QPointer<HelpViewer> viewer_;
    QString helpFile_;
    QString applicationFolder_;
};

}  // namespace korvath::help
