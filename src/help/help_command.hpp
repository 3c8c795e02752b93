// The Help command of the main window's menu bar, and the F1 key that opens
// the help file once the Help command has named it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "help_splash.hpp"
#include "help_viewer.hpp"

namespace korvath::help {

inline constexpr const char* kHelpFileName = "vesker.hlp";

class HelpCommand final : public QObject {
    Q_OBJECT
  public:
    explicit HelpCommand(QWidget* mainWindow);
    ~HelpCommand() override;

    // Shows "HELP" for two ticks of its timer, names the help file and posts
    // one F1 key press to the main window.
    void run();

    // The help-file setting: empty until the first Help command.
    QString helpFile() const { return helpFile_; }
    // The folder the Help command names the help file in: the program's own
    // folder unless set otherwise.
    void setApplicationFolder(const QString& folder) { applicationFolder_ = folder; }
    HelpSplash* splash() const { return splash_; }
    HelpViewer* viewer() const { return viewer_; }
    // Closes the viewer and the splash window, with the main window.
    void closeWindows();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void openHelpFile();

    QWidget* mainWindow_;
    QPointer<HelpSplash> splash_;
    QPointer<HelpViewer> viewer_;
    QString helpFile_;
    QString applicationFolder_;
};

}  // namespace korvath::help
