// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: what it asks for, read without a window.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "batch.hpp"
#include "values_table.hpp"

namespace korvath::app {

// What a command line asks for. An option that changes how the window starts
// adds its value here.
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
    // --values or --picture: what to write instead of opening the window.
    enum class Batch { None, Values, Picture };
    Batch batch = Batch::None;
    ui::SceneRequest scene;
    ui::TableFormat format = ui::TableFormat::Tsv;
    QString pictureFile;
};

// The exit status of a command line that cannot be understood.
inline constexpr int kUsageExitStatus = 2;

// Whether the arguments may still hold Qt's own options (-platform, -style,
// ...), which QApplication takes out of its arguments().
enum class QtOptions { TakenOut, MayBePresent };

// Reads the arguments; the first one is the program as it was invoked.
// With QtOptions::MayBePresent (before the QApplication exists, so that
// --help, --version and faults are answered without a display), a command
// line with an unknown option that Qt may take reads as opening the window:
// it is read again from QApplication::arguments().
CommandLine readCommandLine(const QStringList& arguments,
                            QtOptions qtOptions = QtOptions::TakenOut);

// The language asked for with --language CODE or --language=CODE, read
// before the whole command line so that its texts are in that language;
// empty when none is asked for.
QString requestedLanguage(const QStringList& arguments);

// The program name for messages: the file name it was invoked by.
QString programName(const QStringList& arguments);

// The arguments of main() as strings.
QStringList argumentsOf(int argc, const char* const* argv);

// Writes the values or the picture a command line asks for (a QApplication
// exists); returns the exit status, 2 when the picture cannot be written.
int runBatch(const CommandLine& commandLine);

// Prints the output and the error of a command line; returns its exit status.
int finish(const CommandLine& commandLine);

}  // namespace korvath::app
