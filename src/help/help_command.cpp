// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_command.hpp"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QWidget>

#include "help_splash.hpp"
#include "help_viewer.hpp"
#include "korvath_build_info.hpp"
#include "splash_place.hpp"
#include "twips.hpp"

namespace korvath::help {

QString installedDataDir() {
    return QFile::decodeName(buildinfo::kInstalledDataDir);
}

QString helpFileName(const QString& language) {
    if (language.isEmpty() || language == QLatin1String("en"))
        return QString::fromLatin1(kHelpFileName);
    return QStringLiteral("vesker_%1.hlp").arg(language);
}

HelpCommand::HelpCommand(QWidget* mainWindow)
    : mainWindow_(mainWindow),
      helpContents_(new QAction(this)),
      folders_{QCoreApplication::applicationDirPath()} {
    // F1 anywhere in the main window; nothing before the first Help command.
    helpContents_->setObjectName("helpContentsAction");
    helpContents_->setShortcut(QKeySequence::HelpContents);
    helpContents_->setShortcutContext(Qt::WindowShortcut);
    connect(helpContents_, &QAction::triggered, this, [this] {
        if (named_ && mainWindow_->isVisible()) openHelpFile();
    });
    if (mainWindow_) mainWindow_->addAction(helpContents_);

    // Next to the program (the build tree), in the data folder beside the
    // program's own folder (an installation moved elsewhere), and where the
    // installation put it.
    if (const QString programFolder = folders_.first(); !programFolder.isEmpty())
        folders_ << QDir::cleanPath(programFolder + QLatin1Char('/') +
                                    QString::fromUtf8(buildinfo::kDataDirFromProgramDir));
    if (const QString installed = installedDataDir();
        !installed.isEmpty() && !folders_.contains(installed))
        folders_ << installed;
}

HelpCommand::~HelpCommand() = default;

void HelpCommand::setApplicationFolder(const QString& folder) {
    if (folders_.isEmpty())
        folders_.append(folder);
    else
        folders_.first() = folder;
}

void HelpCommand::run() {
    if (splash_ && splash_->isVisible()) return;
    if (!splash_) {
        splash_ = new HelpSplash(mainWindow_);
        connect(splash_, &QDialog::finished, this, &HelpCommand::splashClosed);
    }
    closedDuringRun_ = false;
    // Placing the window starts its two ticks; it closes itself after them.
    // It is not modal: a modal window would keep the window system's close
    // request from the main window, and closing the program must end it.
    placeSplash();
    splash_->show();
    splash_->activateWindow();
    // The keys go to the active "HELP" window; the mouse passes over the
    // main window's controls and menu until it closes.
    for (QWidget* part : mainWindow_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (part->isWindow() || part->testAttribute(Qt::WA_TransparentForMouseEvents)) continue;
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
        mouseBlocked_.append(part);
    }
}

void HelpCommand::splashClosed() {
    for (const QPointer<QWidget>& part : std::as_const(mouseBlocked_))
        if (part) part->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    mouseBlocked_.clear();
    // The main window may have closed meanwhile: the program is ending, and
    // no help opens after it.
    if (closedDuringRun_ || !mainWindow_->isVisible()) return;
    nameHelpFile();
    openHelpFile();
}

// The placement rule (splash_place.hpp) on the screen's size in twips.
void HelpCommand::placeSplash() {
    const QScreen* screen = mainWindow_->screen();
    const double perPixel = twipsPerPixel(screen->logicalDotsPerInchX());
    const QRect area = screen->geometry();
    const SplashPlace place = splashPlace(static_cast<float>(area.width() * perPixel),
                                          static_cast<float>(area.height() * perPixel));
    splash_->setLeftTwips(static_cast<float>(place.left + area.left() * perPixel));
    splash_->setTopTwips(static_cast<float>(place.top + area.top() * perPixel));
}

// Only folders that exist are looked in: a program folder whose name could
// not be read as text comes back empty, and a folder that is gone holds
// nothing; neither may turn into a name at the root of the file system.
void HelpCommand::nameHelpFile() {
    QStringList existing;
    folderUnnamed_ = false;
    missingFolders_.clear();
    for (const QString& folder : std::as_const(folders_)) {
        if (folder.isEmpty())
            folderUnnamed_ = true;
        else if (QFileInfo(folder).isDir())
            existing << folder;
        else
            missingFolders_ << folder;
    }
    helpFile_.clear();
    // The help in the window's language, else the English one.
    QStringList names{helpFileName(language_)};
    if (names.first() != QLatin1String(kHelpFileName)) names << QString::fromLatin1(kHelpFileName);
    for (const QString& name : std::as_const(names)) {
        for (const QString& folder : std::as_const(existing)) {
            const QString candidate = QDir(folder).filePath(name);
            if (QFileInfo(candidate).isFile()) {
                helpFile_ = candidate;
                break;
            }
        }
        if (!helpFile_.isEmpty()) break;
    }
    if (helpFile_.isEmpty() && !existing.isEmpty())
        helpFile_ = QDir(existing.first()).filePath(QString::fromLatin1(kHelpFileName));
    named_ = true;
}

void HelpCommand::openHelpFile() {
    if (!viewer_) viewer_ = new HelpViewer(mainWindow_);
    if (helpFile_.isEmpty())
        viewer_->showFolderUnknown(folderUnnamed_, missingFolders_);
    else
        viewer_->showFile(helpFile_);
}

void HelpCommand::closeWindows() {
    closedDuringRun_ = true;
    if (viewer_) viewer_->close();
    if (splash_ && splash_->isVisible()) splash_->done(QDialog::Rejected);
}

}  // namespace korvath::help
