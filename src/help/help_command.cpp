// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_command.hpp"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include "checked.hpp"
#include "help_splash.hpp"
#include "help_viewer.hpp"
#include "korvath_build_info.hpp"
#include "twips.hpp"

namespace korvath::help {

namespace {

// The events by which the user works the main window.
bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
    }
}

}  // namespace

QString installedDataDir() {
    return QFile::decodeName(buildinfo::kInstalledDataDir);
}

QString helpFileName(const QString& language) {
    if (language.isEmpty() || language == QLatin1String("en"))
        return QString::fromLatin1(kHelpFileName);
    return QStringLiteral("vesker_%1.hlp").arg(language);
}

HelpCommand::HelpCommand(QWidget* mainWindow)
    : mainWindow_(mainWindow), folders_{QCoreApplication::applicationDirPath()} {
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

HelpCommand::~HelpCommand() {
    if (qApp) qApp->removeEventFilter(this);
}

void HelpCommand::setApplicationFolder(const QString& folder) {
    if (folders_.isEmpty())
        folders_.append(folder);
    else
        folders_.first() = folder;
}

void HelpCommand::run() {
    if (!splash_) splash_ = new HelpSplash(mainWindow_);
    placeSplash();

    closedDuringRun_ = false;
    const QPointer<HelpCommand> alive(this);
    // "HELP" shows in a nested event loop until it closes itself (or is
    // closed). The main window takes no input meanwhile, as under a modal
    // window, but unlike a modal window it still hears the window system's
    // close request: closing the program then ends it, splash and all.
    splash_->setWindowModality(Qt::NonModal);
    QEventLoop untilClosed;
    connect(splash_, &QDialog::finished, &untilClosed, &QEventLoop::quit);
    connect(splash_, &QObject::destroyed, &untilClosed, &QEventLoop::quit);
    splash_->show();
    blockingInput_ = true;
    if (splash_->isVisible()) untilClosed.exec();
    if (!alive) return;
    blockingInput_ = false;
    // The main window may have closed meanwhile (or been deleted, and this
    // command with it): the program is ending, and no help opens after it.
    if (closedDuringRun_ || !mainWindow_->isVisible()) return;

    nameHelpFile();
    // One press of F1 to the active window, now the main window again,
    // without waiting for it to be handled.
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != mainWindow_) target = mainWindow_;
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
}

// The screen size in twips, as single-precision values, rounded half to even
// to 32-bit integers; the window goes to (W / 2 - W / 4, H / 4).
void HelpCommand::placeSplash() {
    const QScreen* screen = mainWindow_->screen();
    const double perPixel = ui::twipsPerPixel(screen->logicalDotsPerInchX());
    const QRect area = screen->geometry();
    const auto screenWidth = static_cast<float>(area.width() * perPixel);
    const auto screenHeight = static_cast<float>(area.height() * perPixel);
    const std::int32_t w1 = checked::toInt32(screenWidth);
    const std::int32_t w2 = checked::toInt32(screenWidth);
    const std::int32_t left = checked::sub32(w1 / 2, w2 / 4);
    splash_->setLeftTwips(static_cast<float>(left + area.left() * perPixel));
    const std::int32_t h = checked::toInt32(screenHeight);
    splash_->setTopTwips(static_cast<float>(h / 4 + area.top() * perPixel));
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

// F1 pressed in the main window opens the help file, once a Help command has
// named it, and only while the main window is open.
bool HelpCommand::eventFilter(QObject* watched, QEvent* event) {
    if (blockingInput_ && isUserInput(event->type())) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == mainWindow_) {
            // An accepted override keeps a key from triggering any shortcut.
            if (event->type() == QEvent::ShortcutOverride) event->accept();
            return true;
        }
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->isAutoRepeat()) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != mainWindow_) return false;
    if (!named_ || !mainWindow_->isVisible()) return false;
    openHelpFile();
    return true;
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
