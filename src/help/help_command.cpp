#include "help_command.hpp"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include "checked.hpp"
#include "help_splash.hpp"
#include "help_viewer.hpp"
#include "units.hpp"

namespace korvath::help {

HelpCommand::HelpCommand(QWidget* mainWindow) : mainWindow_(mainWindow) {
    qApp->installEventFilter(this);
}

HelpCommand::~HelpCommand() {
    if (qApp) qApp->removeEventFilter(this);
}

void HelpCommand::run() {
    if (!splash_) splash_ = new HelpSplash(mainWindow_);

    // The screen size in twips, as single-precision values, rounded half to
    // even to 32-bit integers; the window goes to (W / 2 - W / 4, H / 4).
    const QScreen* screen = mainWindow_->screen();
    const double perPixel = twipsPerPixel(screen->logicalDotsPerInchX());
    const QRect area = screen->geometry();
    const auto screenWidth = static_cast<float>(area.width() * perPixel);
    const auto screenHeight = static_cast<float>(area.height() * perPixel);
    const std::int32_t w1 = checked::toInt32(screenWidth);
    const std::int32_t w2 = checked::toInt32(screenWidth);
    const std::int32_t left = checked::sub32(w1 / 2, w2 / 4);
    splash_->setLeftTwips(static_cast<float>(left + area.left() * perPixel));
    const std::int32_t h = checked::toInt32(screenHeight);
    splash_->setTopTwips(static_cast<float>(h / 4 + area.top() * perPixel));
    splash_->exec();  // returns when the window has unloaded itself, or was closed

    // Joined as they are: a folder at the root gives two separators in a row.
    const QString folder =
        applicationFolder_.isNull() ? QCoreApplication::applicationDirPath() : applicationFolder_;
    helpFile_ = folder + QDir::separator() + kHelpFileName;

    // One press of F1 to the active window, now the main window again,
    // without waiting for it to be handled.
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != mainWindow_) target = mainWindow_;
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
}

// F1 pressed in the main window opens the help file, once it is named.
bool HelpCommand::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->isAutoRepeat()) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != mainWindow_) return false;
    if (helpFile_.isEmpty()) return false;
    openHelpFile();
    return true;
}

void HelpCommand::openHelpFile() {
    if (!viewer_) viewer_ = new HelpViewer(mainWindow_);
    viewer_->showFile(helpFile_);
}

void HelpCommand::closeWindows() {
    if (viewer_) viewer_->close();
    if (splash_ && splash_->isVisible()) splash_->done(QDialog::Rejected);
}

}  // namespace korvath::help
