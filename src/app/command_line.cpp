// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.hpp"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "korvath_build_info.hpp"

namespace korvath::app {

namespace {

// The translation context of the command line's texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The argument as typed for an unknown option name the parser reports
// without its dashes and value ("--foo=3" is reported as "foo").
QString typedOption(const QStringList& arguments, const QString& name) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) break;
        if (!argument.startsWith(QLatin1Char('-'))) continue;
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        qsizetype dashes = 0;
        while (dashes < typed.size() && typed[dashes] == QLatin1Char('-'))
            ++dashes;
        if (typed.mid(dashes) == name) return typed;
    }
    return QLatin1String("--") + name;
}

// The options QGuiApplication, QApplication and the X11 platform take out of
// the command line (without dashes; Qt accepts one or two).
bool mayBeQtOption(const QString& name) {
    static const QStringList qtOptions{
        QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
        QStringLiteral("reverse"),       QStringLiteral("session"),
        QStringLiteral("testability"),   QStringLiteral("style"),
        QStringLiteral("stylesheet"),    QStringLiteral("widgetcount"),
        QStringLiteral("display"),       QStringLiteral("geometry"),
        QStringLiteral("title"),         QStringLiteral("icon"),
        QStringLiteral("name"),          QStringLiteral("sync"),
        QStringLiteral("visual"),        QStringLiteral("nograb"),
        QStringLiteral("dograb")};
    return qtOptions.contains(name);
}

CommandLine usageFault(const QStringList& arguments, const QString& fault) {
    CommandLine result;
    result.openWindow = false;
    result.exitStatus = kUsageExitStatus;
    result.error =
        Texts::tr("%1: %2; try --help").arg(programName(arguments), fault) + QLatin1Char('\n');
    return result;
}

CommandLine answer(const QString& output) {
    CommandLine result;
    result.openWindow = false;
    result.output = output;
    return result;
}

}  // namespace

// The program name for messages: the file name it was invoked by.
QString programName(const QStringList& arguments) {
    const QString invoked =
        arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return invoked.isEmpty() ? QString::fromUtf8(buildinfo::kExecutableName) : invoked;
}

CommandLine readCommandLine(const QStringList& arguments, QtOptions qtOptions) {
    if (arguments.isEmpty()) return {};  // not even the program: no options
    QCommandLineParser parser;
    // "-help" is the option "help", not the letters h, e, l and p.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        Texts::tr("Shows a body (the Earth or the Sun) with its radius and mass scaled at will:\n"
                  "its density, its Schwarzschild radius, the curvature of space around it,\n"
                  "and a light ray bending towards it. Without options it opens its window."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Texts::tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     Texts::tr("Show the program's name and version and exit."));
    const QCommandLineOption language(
        QStringLiteral("language"),
        Texts::tr("Show the window in this language (en, de, fr, es or ja) instead of the "
                  "desktop's."),
        Texts::tr("code"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(language);

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (qtOptions == QtOptions::MayBePresent &&
            std::any_of(unknown.begin(), unknown.end(), mayBeQtOption)) {
            return {};
        }
        if (!unknown.isEmpty()) {
            return usageFault(
                arguments,
                Texts::tr("unknown option '%1'").arg(typedOption(arguments, unknown.first())));
        }
        QString fault = parser.errorText();
        if (fault.endsWith(QLatin1Char('.'))) fault.chop(1);
        return usageFault(arguments, fault);
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usageFault(
            arguments,
            Texts::tr("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(help)) {
        // The usage line names the program as a user types it, not the path
        // it was started from.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(QLatin1Char('\n')),
                     Texts::tr("Usage: %1 [options]").arg(programName(arguments)));
        return answer(text);
    }
    if (parser.isSet(version)) {
        return answer(QString::fromUtf8(buildinfo::kDisplayName) + QLatin1Char(' ') +
                      QString::fromUtf8(buildinfo::kDisplayVersion) + QLatin1Char('\n'));
    }
    CommandLine result;
    result.language = parser.value(language);
    return result;
}

QStringList argumentsOf(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int finish(const CommandLine& commandLine) {
    if (!commandLine.output.isEmpty()) {
        std::fputs(commandLine.output.toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
    }
    if (!commandLine.error.isEmpty())
        std::fputs(commandLine.error.toLocal8Bit().constData(), stderr);
    return commandLine.exitStatus;
}

}  // namespace korvath::app
