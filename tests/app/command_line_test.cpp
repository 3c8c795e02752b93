// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>

#include "korvath_build_info.hpp"
#include "language.hpp"

namespace korvath::app {
namespace {

CommandLine read(const QStringList& options, QtOptions qtOptions = QtOptions::TakenOut,
                 const QString& program = QStringLiteral("/usr/bin/korvath")) {
    return readCommandLine(QStringList{program} + options, qtOptions);
}

void expectUsageFault(const QStringList& options, const std::string& line) {
    SCOPED_TRACE(options.join(QLatin1Char(' ')).toStdString());
    const CommandLine result = read(options);
    EXPECT_FALSE(result.openWindow);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.output.toStdString(), "");
    EXPECT_EQ(result.error.toStdString(), line);
}

TEST(CommandLine, WithoutOptionsOpensTheWindow) {
    for (const QStringList& arguments : {QStringList{}, QStringList{QStringLiteral("korvath")}}) {
        const CommandLine result = readCommandLine(arguments);
        EXPECT_TRUE(result.openWindow);
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_TRUE(result.output.isEmpty());
        EXPECT_TRUE(result.error.isEmpty());
    }
}

TEST(CommandLine, VersionPrintsTheNameAndTheVersionAndExits) {
    for (const QString& option : {QStringLiteral("--version"), QStringLiteral("-v")}) {
        const CommandLine result = read({option});
        EXPECT_FALSE(result.openWindow);
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(result.output.toStdString(), "Korvath simulation 1.00\n");
        EXPECT_TRUE(result.error.isEmpty());
    }
}

TEST(CommandLine, HelpNamesTheProgramAsTypedAndListsTheOptions) {
    for (const QString& option :
         {QStringLiteral("--help"), QStringLiteral("-h"), QStringLiteral("-help")}) {
        SCOPED_TRACE(option.toStdString());
        const CommandLine result =
            read({option}, QtOptions::TakenOut, QStringLiteral("/opt/teaching/bin/korvath"));
        EXPECT_FALSE(result.openWindow);
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_TRUE(result.output.startsWith(QStringLiteral("Usage: korvath [options]\n")))
            << result.output.toStdString();
        EXPECT_TRUE(result.output.contains(QStringLiteral("-h, --help")))
            << result.output.toStdString();
        EXPECT_TRUE(result.output.contains(QStringLiteral("-v, --version")))
            << result.output.toStdString();
        EXPECT_TRUE(result.error.isEmpty());
    }
}

// In every language each line of the help fits a terminal of 80 columns,
// where a Chinese or Japanese character takes two.
TEST(CommandLine, HelpLinesFitEightyColumnsInEveryLanguage) {
    int argc = 1;
    char program[] = "korvath";
    char* argv[] = {program, nullptr};
    QCoreApplication application(argc, argv);
    for (const char* language : buildinfo::kLanguages) {
        ASSERT_EQ(ui::installLanguage(QString::fromLatin1(language)).language, language);
        const QString help = read({QStringLiteral("--help")}).output;
        for (const QString& line : help.split(QLatin1Char('\n'))) {
            int columns = 0;
            for (QChar c : line) {
                const bool wide = (c.unicode() >= 0x2E80 && c.unicode() <= 0x9FFF) ||
                                  (c.unicode() >= 0xFF00 && c.unicode() <= 0xFF60);
                columns += wide ? 2 : 1;
            }
            EXPECT_LE(columns, 80) << language << ": " << line.toStdString();
        }
    }
    ui::installLanguage(QStringLiteral("en"));
}

TEST(CommandLine, AnUnknownOptionOrAnArgumentIsOneErrorLineAndStatusTwo) {
    expectUsageFault({QStringLiteral("--foo")}, "korvath: unknown option '--foo'; try --help\n");
    // Named as typed: one dash, without its value, among known options.
    expectUsageFault({QStringLiteral("-x")}, "korvath: unknown option '-x'; try --help\n");
    expectUsageFault({QStringLiteral("--foo=3")}, "korvath: unknown option '--foo'; try --help\n");
    expectUsageFault({QStringLiteral("-hv")}, "korvath: unknown option '-hv'; try --help\n");
    expectUsageFault({QStringLiteral("--help"), QStringLiteral("--foo")},
                     "korvath: unknown option '--foo'; try --help\n");
    expectUsageFault({QStringLiteral("earth.txt")},
                     "korvath: unexpected argument 'earth.txt'; try --help\n");
    expectUsageFault({QStringLiteral("--"), QStringLiteral("--version")},
                     "korvath: unexpected argument '--version'; try --help\n");
    expectUsageFault({QStringLiteral("--version=2")},
                     "korvath: Unexpected value after '--version'; try --help\n");
}

TEST(CommandLine, BeforeQtTakesItsOptionsOutOnlyTheWindowWaitsForTheSecondReading) {
    const QStringList qtOptions{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                QStringLiteral("--style=fusion"), QStringLiteral("-reverse")};
    EXPECT_TRUE(read(qtOptions + QStringList{QStringLiteral("--trace")}, QtOptions::MayBePresent)
                    .openWindow);
    EXPECT_EQ(read(qtOptions).error.toStdString(),
              "korvath: unknown option '-platform'; try --help\n");
    // The help, the version and faults need no second reading.
    const CommandLine version =
        read(qtOptions + QStringList{QStringLiteral("--version")}, QtOptions::MayBePresent);
    EXPECT_FALSE(version.openWindow);
    EXPECT_EQ(version.output.toStdString(), "Korvath simulation 1.00\n");
    const CommandLine fault = read({QStringLiteral("--foo")}, QtOptions::MayBePresent);
    EXPECT_FALSE(fault.openWindow);
    EXPECT_EQ(fault.error.toStdString(), "korvath: unknown option '--foo'; try --help\n");
    EXPECT_TRUE(read({}, QtOptions::MayBePresent).openWindow);
    EXPECT_EQ(read(qtOptions + QStringList{QStringLiteral("--beam=7")}, QtOptions::MayBePresent)
                  .exitStatus,
              2);
}

// Repeats, unknown languages, Qt's options with --values and --scale's range
// are checked on the program itself (tests/CMakeLists.txt).
TEST(CommandLine, RepeatedAndMisplacedOptionsAreUsageFaults) {
    expectUsageFault({QStringLiteral("-h"), QStringLiteral("--help")},
                     "korvath: --help is given more than once; try --help\n");
    expectUsageFault({QStringLiteral("--values"), QStringLiteral("--scale"), QStringLiteral("2")},
                     "korvath: --scale goes with --picture; try --help\n");
    expectUsageFault({QStringLiteral("--localized")},
                     "korvath: --localized goes with --values; try --help\n");
}

TEST(CommandLine, SceneOptionsAloneOpenTheWindowInThatState) {
    const CommandLine window = read({QStringLiteral("--mass-bars"), QStringLiteral("79,50"),
                                     QStringLiteral("--trace"), QStringLiteral("--beam=2500")});
    EXPECT_TRUE(window.openWindow);
    EXPECT_TRUE(window.sceneRequested);
    EXPECT_EQ(window.batch, CommandLine::Batch::None);
    EXPECT_EQ(window.setup.massBars, (std::pair{79, 50}));
    EXPECT_EQ(window.setup.beamStart, 2500);
    EXPECT_TRUE(window.setup.trace);
    EXPECT_FALSE(read({}).sceneRequested);
}

}  // namespace
}  // namespace korvath::app
