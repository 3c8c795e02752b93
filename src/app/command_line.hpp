// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: what it asks for, read without a window.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "batch.hpp"
#include "setup.hpp"
#include "values_table.hpp"

namespace korvath::app {

// What a command line asks for. An option that changes how the window starts
// adds its value here: the scene options (body, bars, beam start, trace) open
// the window in that state.
struct CommandLine {
    // False: print the texts below and exit with exitStatus, no window.
    bool openWindow = true;
    int exitStatus = 0;
    // For standard output: the help or the version.
    QString output;
    // For standard error: one line naming the fault and pointing to --help.
    QString error;
    // The window's language as asked for with --language; empty: the desktop's.
    QString language;
    // --values, --picture or --worksheet: what to write instead of opening
    // the window.
    enum class Batch { None, Values, Picture, Worksheet };
    Batch batch = Batch::None;
    Setup setup;
    // A scene option was given: the window starts at once in that state.
    bool sceneRequested = false;
    ui::TableFormat format = ui::TableFormat::Tsv;
    // --localized: the values in the user's language and number format
    // instead of stable keys and C numbers.
    bool localized = false;
    // The picture's or the worksheet's file.
    QString pictureFile;
    // That file's name as the system's bytes (a name that is not
    // valid text is written under that very name); empty: pictureFile's.
    QByteArray pictureFileName;
    int pictureScale = 1;  // --scale: 1 to 8 times the size the window shows
};

// The exit status of a run that could not write what it was asked for.
inline constexpr int kWriteFailureExitStatus = 1;
// The exit status of a command line that cannot be understood.
inline constexpr int kUsageExitStatus = 2;

// Whether the arguments may still hold Qt's own options (-platform, -style,
// ...), which QApplication takes out of its arguments().
enum class QtOptions { TakenOut, MayBePresent };

// Reads the arguments; the first one is the program as it was invoked.
// With QtOptions::MayBePresent (before the QApplication exists, so that
// --help, --version, faults, values and pictures need no display), Qt's own
// options are known: they are refused with --values and --picture, which
// never open a window, and otherwise the command line reads as opening the
// window: it is read again from QApplication::arguments().
CommandLine readCommandLine(const QStringList& arguments,
                            QtOptions qtOptions = QtOptions::TakenOut);

// The language asked for with --language CODE or --language=CODE, read
// before the whole command line so that its texts are in that language;
// empty when none is asked for.
QString requestedLanguage(const QStringList& arguments);

// The help's parts in the current language: the program's description and
// each option as the help lists it (for the manual pages).
struct OptionHelp {
    QStringList names;  // without dashes: "h", "help"
    QString valueName;  // empty for a switch
    QString description;
};
struct HelpParts {
    QString description;
    QList<OptionHelp> options;
};
HelpParts helpParts();

// The program name for messages: the file name it was invoked by.
QString programName(const QStringList& arguments);

// The arguments of main() as strings.
QStringList argumentsOf(int argc, const char* const* argv);
// The value of the option --NAME (or -NAME) in main()'s arguments as the
// system's bytes; empty when it is not given.
QByteArray rawOptionValue(int argc, const char* const* argv, const QByteArray& name);
// Standard input, output or error closed when the program starts: each is
// opened on /dev/null, so that no file the program opens takes its place
// (and its output with it); output asked for then fails as on a closed
// stream.
void guardStandardStreams();

// Writes the values or the picture a command line asks for (a QApplication
// exists); returns the exit status, 1 when they cannot be written.
int runBatch(const CommandLine& commandLine);

// Prints the output and the error of a command line; returns its exit status,
// or 1 with the reason on standard error when the output cannot be written.
int finish(const CommandLine& commandLine);

}  // namespace korvath::app
