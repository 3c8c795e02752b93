// SPDX-License-Identifier: GPL-3.0-or-later
// The Help command of the main window's menu bar, and the F1 key
// (QKeySequence::HelpContents) that opens the help file once the Help command
// has named it.
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "help_splash.hpp"
#include "help_viewer.hpp"

namespace korvath::help {

// The folder an installed program keeps its data in, as the build configured it.
QString installedDataDir();

// The help file of a language: "vesker.hlp" in English, "vesker_de.hlp" in German.
QString helpFileName(const QString& language);

class HelpCommand final : public QObject {
    Q_OBJECT
  public:
    explicit HelpCommand(QWidget* mainWindow);
    ~HelpCommand() override;

    // Shows "HELP" for two ticks of its timer, then names the help file and
    // opens it. While "HELP" shows, it is the active window and the mouse
    // passes over the main window, so the main window gets no input; a second run meanwhile does
    // nothing. When the main window closes while "HELP" shows, the program is ending: nothing is
    // named or opened.
    void run();
    // F1 in the main window: opens the help once a Help command has named it.
    QAction* helpContentsAction() const { return helpContents_; }

    // The help-file setting: empty until the first Help command, and when no
    // folder to look in exists.
    QString helpFile() const { return helpFile_; }

    // The folders the help file is looked for in, in order: the first that
    // holds it as a regular file gives the help-file setting; when none does,
    // the first folder that exists gives it (and the viewer reports the file
    // missing). By default the program's own folder (where a build puts the
    // file), the data folder beside it (an installation moved elsewhere), then
    // installedDataDir(). An empty name stands for a program folder that could
    // not be named; it is skipped. In each, the help in the window's language
    // comes before the English one.
    void setHelpFolders(const QStringList& folders) { folders_ = folders; }
    QStringList helpFolders() const { return folders_; }
    // Replaces the first of the folders (the program's own by default).
    void setApplicationFolder(const QString& folder);
    // The window's language ("en", "de", ...), which chooses the help file.
    void setLanguage(const QString& language) { language_ = language; }

    HelpSplash* splash() const { return splash_; }
    HelpViewer* viewer() const { return viewer_; }
    // Closes the viewer and the splash window, with the main window.
    void closeWindows();

  private:
    void placeSplash();
    void splashClosed();
    void nameHelpFile();
    void openHelpFile();

    QWidget* mainWindow_;
    QAction* helpContents_;
    QList<QPointer<QWidget>> mouseBlocked_;  // while "HELP" shows
    QString language_;
    QPointer<HelpSplash> splash_;
    QPointer<HelpViewer> viewer_;
    QStringList folders_;
    QString helpFile_;
    bool folderUnnamed_ = false;  // an empty folder name was among the folders
    QStringList missingFolders_;  // folders looked in that do not exist
    bool named_ = false;          // a Help command has run to its end
    bool closedDuringRun_ = false;
};

}  // namespace korvath::help
