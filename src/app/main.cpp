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
bool warned = false;  // Qt said something on standard error

// Without XDG_RUNTIME_DIR (cron, CI, a root shell) Qt falls back to a folder
// of its own and says so on every run: that note is no fault of the run, and
// standard error stays for faults.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    warned = warned || (type != QtDebugMsg && type != QtInfoMsg);
    if (qtHandler) qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace korvath;
    app::guardStandardStreams();
    qtHandler = qInstallMessageHandler(quietHandler);
    const QStringList arguments = app::argumentsOf(argc, argv);
    const QByteArray pictureFileName = app::rawOptionValue(argc, argv, "picture");
    const QByteArray worksheetFileName = app::rawOptionValue(argc, argv, "worksheet");
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
    // The screen's scale does not reach them: it would change the work (a
    // scale of 100 drew at 100 times the size), never the picture.
    if (early.batch != app::CommandLine::Batch::None) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        for (const char* scaling : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                                    "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING",
                                    "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_USE_PHYSICAL_DPI"})
            qunsetenv(scaling);
    }

    ui::refuseScaleBelowOne();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(buildinfo::kDisplayName));
    QApplication::setApplicationVersion(QString::fromUtf8(buildinfo::kDisplayVersion));
    QApplication::setOrganizationName(QString::fromUtf8(buildinfo::kOrganization));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(buildinfo::kDesktopId));

    ui::installLanguage(app::requestedLanguage(arguments));
    auto commandLine = app::readCommandLine(QApplication::arguments());
    if (!commandLine.openWindow) return app::finish(commandLine);
    if (commandLine.batch != app::CommandLine::Batch::None) {
        commandLine.pictureFileName = commandLine.batch == app::CommandLine::Batch::Worksheet
                                          ? worksheetFileName
                                          : pictureFileName;
        const int status = app::runBatch(commandLine);
        // A quiet success: anything Qt said on the way is a failure.
        return status == 0 && warned ? app::kWriteFailureExitStatus : status;
    }

    ui::MainWindow window;
    if (commandLine.sceneRequested) ui::startInRequestedState(window, commandLine.setup);
    window.show();
    return QApplication::exec();
}
