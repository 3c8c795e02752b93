// SPDX-License-Identifier: GPL-3.0-or-later
// Korvath simulation: reads its command line, then opens the main window (or
// writes the values or the picture asked for) and runs until it is closed.
#include <QApplication>

#include "batch.hpp"
#include "command_line.hpp"
#include "korvath_build_info.hpp"
#include "language.hpp"
#include "main_window.hpp"
#include "screen_scale.hpp"

namespace {

QtMessageHandler qtHandler = nullptr;

// Without XDG_RUNTIME_DIR (cron, CI, a root shell) Qt falls back to a folder
// of its own and says so on every run: that note is no fault of the run, and
// standard error stays for faults.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (qtHandler) qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace korvath;
    qtHandler = qInstallMessageHandler(quietHandler);
    const QStringList arguments = app::argumentsOf(argc, argv);
    app::CommandLine early;
    {
        // --help, --version, a faulty command line, values and pictures are
        // answered, in the user's language, before the window system is
        // opened, so they work without a display. A command line that opens
        // the window and holds Qt's own options (-platform, -style, ...) is
        // read again once QApplication has taken those out.
        QCoreApplication reader(argc, argv);
        // An unknown language is a fault of the command line, read below.
        ui::installLanguage(app::requestedLanguage(arguments));
        early = app::readCommandLine(arguments, app::QtOptions::MayBePresent);
        if (!early.openWindow) return app::finish(early);
    }
    // Values and pictures come from a session of their own, drawn on a
    // picture that is never shown: no display is needed.
    if (early.batch != app::CommandLine::Batch::None) qputenv("QT_QPA_PLATFORM", "offscreen");

    ui::refuseScaleBelowOne();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(buildinfo::kDisplayName));
    QApplication::setApplicationVersion(QString::fromUtf8(buildinfo::kDisplayVersion));
    QApplication::setOrganizationName(QString::fromUtf8(buildinfo::kOrganization));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(buildinfo::kDesktopId));

    ui::installLanguage(app::requestedLanguage(arguments));
    const auto commandLine = app::readCommandLine(QApplication::arguments());
    if (!commandLine.openWindow) return app::finish(commandLine);
    if (commandLine.batch != app::CommandLine::Batch::None) return app::runBatch(commandLine);

    ui::MainWindow window;
    if (commandLine.sceneRequested) ui::startInRequestedState(window, commandLine.scene);
    window.show();
    return QApplication::exec();
}
