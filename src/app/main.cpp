// SPDX-License-Identifier: GPL-3.0-or-later
// Korvath simulation: reads its command line, then opens the main window (or
// writes the values or the picture asked for) and runs until it is closed.
#include <QApplication>

#include "command_line.hpp"
#include "korvath_build_info.hpp"
#include "language.hpp"
#include "main_window.hpp"
#include "screen_scale.hpp"

int main(int argc, char* argv[]) {
    using namespace korvath;
    const QStringList arguments = app::argumentsOf(argc, argv);
    app::CommandLine early;
    {
        // --help, --version and a faulty command line are answered, in the
        // user's language, before the window system is opened, so they work
        // without a display. A command line that also holds Qt's own options
        // (-platform, -style, ...) is read again once QApplication has taken
        // those out.
        QCoreApplication reader(argc, argv);
        const auto language = ui::installLanguage(app::requestedLanguage(arguments));
        if (!language.warning.isEmpty()) {
            app::CommandLine warning;
            warning.error = app::programName(arguments) + QStringLiteral(": ") + language.warning +
                            QLatin1Char('\n');
            app::finish(warning);
        }
        early = app::readCommandLine(arguments, app::QtOptions::MayBePresent);
        if (!early.openWindow) return app::finish(early);
    }
    // Values and pictures are made by a window that is never shown: no
    // display is needed.
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
    window.show();
    return QApplication::exec();
}
