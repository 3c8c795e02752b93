// Korvath simulation: reads its command line, then opens the main window and
// runs until it is closed.
#include <QApplication>

#include "command_line.hpp"
#include "korvath_build_info.hpp"
#include "language.hpp"
#include "main_window.hpp"
#include "screen_scale.hpp"

int main(int argc, char* argv[]) {
    using korvath::app::readCommandLine;
    // --help, --version and a faulty command line are answered before the
    // window system is opened, so they work without a display. A command line
    // that also holds Qt's own options (-platform, -style, ...) is read again
    // once QApplication has taken those out.
    if (const auto early = readCommandLine(korvath::app::argumentsOf(argc, argv),
                                           korvath::app::QtOptions::MayBePresent);
        !early.openWindow) {
        return korvath::app::finish(early);
    } else if (early.batch != korvath::app::CommandLine::Batch::None) {
        // Values and pictures are made by a window that is never shown: no
        // display is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    korvath::ui::refuseScaleBelowOne();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(korvath::buildinfo::kDisplayName));
    QApplication::setApplicationVersion(QString::fromUtf8(korvath::buildinfo::kDisplayVersion));
    QApplication::setOrganizationName(QString::fromUtf8(korvath::buildinfo::kOrganization));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(korvath::buildinfo::kDesktopId));

    const auto commandLine = readCommandLine(QApplication::arguments());
    if (!commandLine.openWindow) return korvath::app::finish(commandLine);
    const auto language = korvath::ui::installLanguage(commandLine.language);
    if (!language.warning.isEmpty()) {
        korvath::app::CommandLine warning;
        warning.error = korvath::app::programName(QApplication::arguments()) +
                        QStringLiteral(": ") + language.warning + QLatin1Char('\n');
        korvath::app::finish(warning);
    }

    if (commandLine.batch != korvath::app::CommandLine::Batch::None)
        return korvath::app::runBatch(commandLine);

    korvath::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
