// SPDX-License-Identifier: GPL-3.0-or-later
// The program's help viewer: a window that shows the help file, opened at its
// beginning. The viewer reads the file itself, and only a regular file of a
// sensible size: a file that is missing, unreadable, empty, too large or not a
// regular file at all (a pipe, a device, a folder) is reported in the window,
// and nothing waits on it. What the help tells only of the web page (its
// elements of class "page") is left out.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtGlobal>

class QTextBrowser;

namespace korvath::help {

inline constexpr const char* kHelpFileName = "vesker.hlp";

// Texts of the viewer that the browser edition shows as well (in the
// context of HelpViewer, for tr()).
inline constexpr const char* kHelpWindowTitle =
    QT_TRANSLATE_NOOP("korvath::help::HelpViewer", "Korvath simulation Help");
inline constexpr const char* kHelpNotOpened =
    QT_TRANSLATE_NOOP("korvath::help::HelpViewer", "The help could not be opened");
inline constexpr const char* kHelpNotRead = QT_TRANSLATE_NOOP(
    "korvath::help::HelpViewer", "The help file <b>%1</b> could not be read: %2.");
inline constexpr const char* kHelpGoesOn = QT_TRANSLATE_NOOP(
    "korvath::help::HelpViewer", "The simulation goes on normally; you can close this window.");

// The largest help file the viewer shows. The help is about 17 KB; laying out
// a page of the largest size takes about 0.2 s, so the window never stalls long.
inline constexpr qint64 kMaxHelpFileBytes = 1024 * 1024;

class HelpViewer final : public QWidget {
    Q_OBJECT
  public:
    // What kept the last file from being shown.
    enum class Problem {
        None,
        FolderUnknown,  // there was no folder to look in
        Unreadable,     // missing, or the system refused to open or read it
        NotAFile,       // a pipe, a device, a socket or a folder
        Empty,
        TooLarge,
        TooComplex,  // tables too many or nested too deep to lay out in good time
    };

    explicit HelpViewer(QWidget* parent);

    // Shows the file (HTML) and brings the window to the front. Links relative
    // to the file (other pages, pictures) are looked up next to it.
    void showFile(const QString& path);
    // Reports that the help file could not be looked for: there was no folder
    // to look in, because the program could not name its own folder, or the
    // folders named do not exist.
    void showFolderUnknown(bool programFolderUnnamed, const QStringList& missingFolders);

    QTextBrowser* browser() const { return browser_; }
    Problem problem() const { return problem_; }
    // True when the last file shown could not be shown.
    bool failed() const { return problem_ != Problem::None; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void setPage(const QString& html);
    void recolourLinks();
    void showReport(const QString& title, const QString& reason);
    void present();
    void fitToScreen();

    QTextBrowser* browser_;
    Problem problem_ = Problem::None;
    QColor linkColour_;  // the colour the page's links have now
    bool placed_ = false;
};

}  // namespace korvath::help
