// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.hpp"

#include <fcntl.h>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "korvath_build_info.hpp"
#include "language.hpp"
#include "session.hpp"
#include "setup.hpp"

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
// the command line (without dashes; Qt accepts one or two), those that take a
// value first.
const QStringList& qtOptionsWithValue() {
    static const QStringList names{
        QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
        QStringLiteral("session"),       QStringLiteral("style"),
        QStringLiteral("stylesheet"),    QStringLiteral("display"),
        QStringLiteral("geometry"),      QStringLiteral("title"),
        QStringLiteral("icon"),          QStringLiteral("name"),
        QStringLiteral("visual")};
    return names;
}
const QStringList& qtFlags() {
    static const QStringList names{QStringLiteral("reverse"),     QStringLiteral("testability"),
                                   QStringLiteral("widgetcount"), QStringLiteral("sync"),
                                   QStringLiteral("nograb"),      QStringLiteral("dograb")};
    return names;
}

CommandLine usageFault(const QStringList& arguments, const QString& fault) {
    CommandLine result;
    result.openWindow = false;
    result.exitStatus = kUsageExitStatus;
    result.error =
        Texts::tr("%1: %2; try --help").arg(programName(arguments), fault) + QLatin1Char('\n');
    return result;
}

// What is wrong with a setup option's value.
QString setupFault(SetupOption option, const QString& value) {
    switch (option) {
        case SetupOption::Body:
            return Texts::tr("unknown body '%1' (earth or sun)").arg(value);
        case SetupOption::RadiusBars:
        case SetupOption::MassBars: {
            const std::string_view name = setupOptionName(option);
            return Texts::tr("--%1 '%2' is not two positions 0 to 100 such as 50,50")
                .arg(QUtf8StringView(name).toString(), value);
        }
        case SetupOption::Rays:
            return Texts::tr(
                       "--rays '%1' is not one to six beam starts of 50 to 6150 in steps of "
                       "50 such as 1500,800,300")
                .arg(value);
        case SetupOption::BeamStart:
        case SetupOption::Trace:
            break;
    }
    return Texts::tr(
               "beam start '%1' cannot be reached with the move buttons (50 to 6150 in "
               "steps of 50)")
        .arg(value);
}

// Columns a character takes on a terminal: two for the wide characters of
// Chinese, Japanese and Korean (ideographs, kana, full-width forms).
int columnsOf(QChar c) {
    const char16_t u = c.unicode();
    const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0x303E) ||
                      (u >= 0x3041 && u <= 0xA4CF) || (u >= 0xAC00 && u <= 0xD7A3) ||
                      (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) ||
                      (u >= 0xFF00 && u <= 0xFF60) || (u >= 0xFFE0 && u <= 0xFFE6);
    return wide ? 2 : 1;
}

int columnsOf(QStringView text) {
    int columns = 0;
    for (QChar c : text)
        columns += columnsOf(c);
    return columns;
}

// Whether a line may end before `c` (after `previous`): between two wide
// characters, except before closing punctuation or after opening.
bool breakableBefore(QChar previous, QChar c) {
    static const QString noLineStart = QStringLiteral("、。，．）」』】〕：；！？ー・…～");
    static const QString noLineEnd = QStringLiteral("（「『【〔");
    return columnsOf(c) == 2 && columnsOf(previous) == 2 && !noLineStart.contains(c) &&
           !noLineEnd.contains(previous);
}

// One option's lines: its names in a column `nameWidth` columns wide, its
// description beside them, wrapped within 80 columns at spaces and between
// wide characters.
QString optionHelp(const QString& names, int nameWidth, const QString& description) {
    const QString indentation = QStringLiteral("  ");
    const int room = 79 - (int(indentation.size()) + nameWidth + 1);
    QString text;
    bool first = true;
    const auto addLine = [&](QStringView line) {
        const QString name = first ? names : QString();
        text += indentation + name + QString(std::max(0, nameWidth - columnsOf(name)), u' ') +
                u' ' + line.toString() + u'\n';
        first = false;
    };
    qsizetype lineStart = 0;
    const qsizetype length = description.size();
    while (lineStart < length) {
        // A line after the first may take one column more.
        int columns = first ? 0 : -1;
        qsizetype breakAt = -1, nextStart = -1, i = lineStart;
        for (; i < length && description[i] != u'\n'; ++i) {
            if (i > lineStart && breakableBefore(description[i - 1], description[i])) {
                breakAt = i;
                nextStart = i;
            }
            if (description[i].isSpace()) {
                breakAt = i;
                nextStart = i + 1;
            }
            columns += columnsOf(description[i]);
            if (columns > room && breakAt > lineStart) break;
            if (columns >= room && breakAt <= lineStart) {  // no place to break: here
                breakAt = nextStart = ++i;
                break;
            }
        }
        if (i >= length || description[i] == u'\n') {
            breakAt = i;
            nextStart = i < length && description[i] == u'\n' ? i + 1 : i;
        }
        addLine(QStringView(description).mid(lineStart, breakAt - lineStart));
        lineStart = nextStart;
        while (lineStart < length && description[lineStart] == u' ')
            ++lineStart;
    }
    if (first) addLine(QStringView());
    return text;
}

// A text of Qt's own, in Qt's translation (not the program's).
QString qtText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

// The help: the usage line, the description and each option, every line
// within 80 columns in every language (a wide character takes two).
QString helpText(const QString& usage, const QString& description,
                 const QList<const QCommandLineOption*>& options) {
    QStringList names;
    int nameWidth = 0;
    for (const QCommandLineOption* option : options) {
        QStringList dashed;
        for (const QString& name : option->names())
            dashed << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString shown = dashed.join(QStringLiteral(", "));
        if (!option->valueName().isEmpty())
            shown += QStringLiteral(" <%1>").arg(option->valueName());
        names << shown;
        nameWidth = std::max(nameWidth, columnsOf(shown) + 1);
    }
    QString text = usage + u'\n' + description + QStringLiteral("\n\n") +
                   qtText("QCommandLineParser", "Options:") + u'\n';
    for (qsizetype i = 0; i < options.size(); ++i)
        text += optionHelp(names[i], nameWidth, options[i]->description());
    return text;
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

namespace {

// The program's options with their help, in the current language; `listed`
// in the order the help shows them, `setup` in the model's order.
struct ProgramOptions {
    QString description;
    QCommandLineOption help, version, language, values, worksheet, picture, body, radiusBars,
        massBars, format, beam, trace, rays, localized, scale;
    QList<const QCommandLineOption*> listed() const {
        return {&help,     &version, &language, &values, &picture, &worksheet, &body, &radiusBars,
                &massBars, &rays,    &format,   &beam,   &trace,   &localized, &scale};
    }
    std::array<const QCommandLineOption*, kSetupOptions.size()> setup() const {
        return {&body, &radiusBars, &massBars, &rays, &beam, &trace};
    }
};

ProgramOptions programOptions() {
    const QString description = Texts::tr(
        "Shows a body (the Earth or the Sun) with its radius and mass scaled at will:\n"
        "its density, its Schwarzschild radius, the curvature of space around it,\n"
        "and a light ray bending towards it. Without options it opens its window;\n"
        "--body, --radius-bars, --mass-bars, --rays, --beam and --trace open it in\n"
        "that state.");
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Texts::tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     Texts::tr("Show the program's name and version and exit."));
    const QCommandLineOption language(
        QStringLiteral("language"),
        Texts::tr("Speak this language (en, de, fr, es or ja) instead of the desktop's: the "
                  "window, the messages and, with --localized, the values."),
        Texts::tr("code"));
    const QCommandLineOption values(
        QStringLiteral("values"),
        Texts::tr("Print the values the window would show, with stable keys and C numbers, and "
                  "exit without opening it."));
    const QCommandLineOption worksheet(
        QStringLiteral("worksheet"),
        Texts::tr("Write a one-page worksheet (the setup, the picture, every value and lines for "
                  "notes) to a PDF file, and exit without opening the window."),
        Texts::tr("file"));
    const QCommandLineOption picture(
        QStringLiteral("picture"),
        Texts::tr("Write the picture the window would show to a PNG or SVG file, and exit "
                  "without opening the window."),
        Texts::tr("file"));
    // The setup options, named as the model's setup names them.
    const auto setupOption = [](SetupOption option, const QString& description,
                                const QString& valueName = QString()) {
        const std::string_view name = setupOptionName(option);
        return QCommandLineOption(QUtf8StringView(name).toString(), description, valueName);
    };
    const QCommandLineOption body = setupOption(
        SetupOption::Body, Texts::tr("The body: earth (the default) or sun."), Texts::tr("name"));
    const QCommandLineOption radiusBars = setupOption(
        SetupOption::RadiusBars,
        Texts::tr("Positions 0 to 100 of the coarse and the fine radius bar (default 50,50)."),
        Texts::tr("coarse,fine"));
    const QCommandLineOption massBars = setupOption(
        SetupOption::MassBars,
        Texts::tr("Positions 0 to 100 of the coarse and the fine mass bar (default 50,50)."),
        Texts::tr("coarse,fine"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    Texts::tr("With --values: tsv (the default), csv or json."),
                                    Texts::tr("format"));
    const QCommandLineOption beam = setupOption(
        SetupOption::BeamStart,
        Texts::tr("The height of the beam start, 50 to 6150 in steps of 50 (default 1500)."),
        Texts::tr("height"));
    const QCommandLineOption trace =
        setupOption(SetupOption::Trace, Texts::tr("Trace the light ray (Beam)."));
    const QCommandLineOption rays = setupOption(
        SetupOption::Rays,
        Texts::tr("Trace a ray from each of these beam starts (up to six) and keep them all, each "
                  "in its own colour."),
        Texts::tr("starts"));
    const QCommandLineOption localized(
        QStringLiteral("localized"),
        Texts::tr("With --values: the quantities in the chosen language and the numbers with its "
                  "decimal separator, as the window shows them, instead of stable keys and C "
                  "numbers."));
    const QCommandLineOption scale(
        QStringLiteral("scale"),
        Texts::tr("With --picture: 1 to 8 times the size the window shows (default 1)."),
        Texts::tr("factor"));
    return {description, help,     version, language, values, worksheet, picture,   body,
            radiusBars,  massBars, format,  beam,     trace,  rays,      localized, scale};
}

}  // namespace

HelpParts helpParts() {
    const ProgramOptions o = programOptions();
    HelpParts parts{o.description, {}};
    for (const QCommandLineOption* option : o.listed())
        parts.options.append({option->names(), option->valueName(), option->description()});
    return parts;
}

CommandLine readCommandLine(const QStringList& arguments, QtOptions qtOptionMode) {
    if (arguments.isEmpty()) return {};  // not even the program: no options
    QCommandLineParser parser;
    // "-help" is the option "help", not the letters h, e, l and p.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const ProgramOptions o = programOptions();
    parser.setApplicationDescription(o.description);
    const auto& [description, help, version, language, values, worksheet, picture, body, radiusBars,
                 massBars, format, beam, trace, rays, localized, scale] = o;
    const auto setupOptions = o.setup();
    const QList<const QCommandLineOption*> options = o.listed();
    for (const QCommandLineOption* option : options)
        parser.addOption(*option);
    // Qt's own options, known but not shown, while QApplication may still
    // take them.
    QList<QCommandLineOption> qtOptions;
    if (qtOptionMode == QtOptions::MayBePresent) {
        for (const QString& name : qtOptionsWithValue())
            qtOptions.append(QCommandLineOption(name, QString(), QStringLiteral("value")));
        for (const QString& name : qtFlags())
            qtOptions.append(QCommandLineOption(name));
        for (QCommandLineOption& option : qtOptions) {
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
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
    // An option given twice is a mistake a script should hear of, not a
    // silent choice of the last one.
    const QStringList given = parser.optionNames();
    for (const QCommandLineOption* option : options) {
        const auto times = std::count_if(given.begin(), given.end(), [&](const QString& name) {
            return option->names().contains(name);
        });
        if (times > 1)
            return usageFault(
                arguments,
                Texts::tr("--%1 is given more than once").arg(option->names().constLast()));
    }
    if (parser.isSet(language) && ui::languageOf(parser.value(language)).isEmpty()) {
        return usageFault(
            arguments,
            Texts::tr("unknown language '%1' (en, de, fr, es or ja)").arg(parser.value(language)));
    }
    if (parser.isSet(help)) {
        // The usage line names the program as a user types it, not the path
        // it was started from.
        return answer(helpText(Texts::tr("Usage: %1 [options]").arg(programName(arguments)),
                               parser.applicationDescription(), options));
    }
    if (parser.isSet(version)) {
        return answer(QString::fromUtf8(buildinfo::kDisplayName) + QLatin1Char(' ') +
                      QString::fromUtf8(buildinfo::kDisplayVersion) + QLatin1Char('\n'));
    }
    CommandLine result;
    result.language = parser.value(language);
    if (parser.isSet(values) && parser.isSet(picture))
        return usageFault(arguments, Texts::tr("--values and --picture cannot go together"));
    if (parser.isSet(values)) result.batch = CommandLine::Batch::Values;
    if (parser.isSet(picture)) result.batch = CommandLine::Batch::Picture;
    if (parser.isSet(worksheet)) {
        if (result.batch != CommandLine::Batch::None)
            return usageFault(arguments,
                              Texts::tr("--worksheet cannot go with --values or --picture"));
        result.batch = CommandLine::Batch::Worksheet;
    }
    const bool batch = result.batch != CommandLine::Batch::None;
    bool withQtOptions = false;
    for (const QCommandLineOption& option : qtOptions) {
        if (!parser.isSet(option)) continue;
        if (result.batch == CommandLine::Batch::Worksheet)
            return usageFault(arguments, Texts::tr("'%1' is an option for the window; it cannot go "
                                                   "with --worksheet")
                                             .arg(typedOption(arguments, option.names().first())));
        if (batch)
            return usageFault(arguments, Texts::tr("'%1' is an option for the window; it cannot go "
                                                   "with --values or --picture")
                                             .arg(typedOption(arguments, option.names().first())));
        withQtOptions = true;
    }
    for (const QCommandLineOption* option : {&format, &localized}) {
        if (parser.isSet(*option) && result.batch != CommandLine::Batch::Values)
            return usageFault(arguments,
                              Texts::tr("--%1 goes with --values").arg(option->names().first()));
    }
    if (parser.isSet(scale) && result.batch != CommandLine::Batch::Picture)
        return usageFault(arguments, Texts::tr("--scale goes with --picture"));
    for (const QCommandLineOption* option : {&beam, &trace}) {
        if (parser.isSet(*option) && result.batch == CommandLine::Batch::Values)
            return usageFault(arguments,
                              Texts::tr("--%1 goes with --picture").arg(option->names().first()));
    }

    for (SetupOption option : kSetupOptions) {
        const QCommandLineOption& given = *setupOptions[static_cast<size_t>(option)];
        if (!parser.isSet(given)) continue;
        result.sceneRequested = true;
        const QString value = takesValue(option) ? parser.value(given) : QString();
        if (!readSetupValue(result.setup, option, value.toStdString()))
            return usageFault(arguments, setupFault(option, value));
    }
    if (parser.isSet(format)) {
        const QString name = parser.value(format).toLower();
        if (name == QLatin1String("tsv"))
            result.format = ui::TableFormat::Tsv;
        else if (name == QLatin1String("csv"))
            result.format = ui::TableFormat::Csv;
        else if (name == QLatin1String("json"))
            result.format = ui::TableFormat::Json;
        else
            return usageFault(
                arguments,
                Texts::tr("unknown format '%1' (tsv, csv or json)").arg(parser.value(format)));
    }
    result.localized = parser.isSet(localized);
    if (parser.isSet(scale)) {
        bool ok = false;
        result.pictureScale = parser.value(scale).trimmed().toInt(&ok);
        if (!ok || result.pictureScale < 1 || result.pictureScale > 8)
            return usageFault(
                arguments,
                Texts::tr("--scale '%1' is not a whole number 1 to 8").arg(parser.value(scale)));
    }
    if (result.batch == CommandLine::Batch::Worksheet) {
        result.pictureFile = parser.value(worksheet);
        const QString name = result.pictureFile.section(QLatin1Char('/'), -1);
        if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ||
            name.size() == QLatin1String(".pdf").size())
            return usageFault(
                arguments,
                Texts::tr("worksheet file '%1' must end in .pdf").arg(result.pictureFile));
    }
    if (result.batch == CommandLine::Batch::Picture) {
        result.pictureFile = parser.value(picture);
        // (From the name itself: QFileInfo finds no suffix in a name longer
        // than the system allows, which the write then refuses by its error.)
        const QString name = result.pictureFile.section(QLatin1Char('/'), -1);
        const QString suffix = name.contains(QLatin1Char('.'))
                                   ? name.section(QLatin1Char('.'), -1).toLower()
                                   : QString();
        if (suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
            return usageFault(
                arguments,
                Texts::tr("picture file '%1' must end in .png or .svg").arg(result.pictureFile));
    }
    // A sound command line for the window is read again once QApplication
    // has taken Qt's options out.
    if (withQtOptions) return {};
    return result;
}

QString requestedLanguage(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) break;
        for (const QLatin1String option :
             {QLatin1String("--language"), QLatin1String("-language")}) {
            if (argument == option) return arguments.value(i + 1);
            if (argument.startsWith(option + QLatin1Char('=')))
                return argument.mid(option.size() + 1);
        }
    }
    return {};
}

QByteArray rawOptionValue(int argc, const char* const* argv, const QByteArray& name) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--") break;
        for (const QByteArray& option : {"--" + name, "-" + name}) {
            if (argument == option && i + 1 < argc) return QByteArray(argv[i + 1]);
            if (argument.startsWith(option + '=')) return argument.mid(option.size() + 1);
        }
    }
    return {};
}

namespace {
bool standardOutputClosed = false;
}  // namespace

void guardStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        if (fd == 1) standardOutputClosed = true;
        // The lowest free descriptor: this one.
        ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    }
}

QStringList argumentsOf(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int runBatch(const CommandLine& commandLine) {
    CommandLine done;
    done.openWindow = false;
    if (commandLine.batch == CommandLine::Batch::Values) {
        done.output =
            ui::valuesFor(commandLine.setup, commandLine.format,
                          commandLine.localized ? ui::ValuesFor::People : ui::ValuesFor::Scripts);
        return finish(done);
    }
    const QByteArray file = commandLine.pictureFileName.isEmpty()
                                ? QFile::encodeName(commandLine.pictureFile)
                                : commandLine.pictureFileName;
    const QString fault =
        commandLine.batch == CommandLine::Batch::Worksheet
            ? ui::writeWorksheetFor(commandLine.setup, file)
            : ui::writePictureFor(commandLine.setup, file, commandLine.pictureScale);
    if (!fault.isEmpty()) {
        done.exitStatus = kWriteFailureExitStatus;
        done.error = programName(QCoreApplication::arguments()) + QStringLiteral(": ") + fault +
                     QLatin1Char('\n');
    }
    return finish(done);
}

int finish(const CommandLine& commandLine) {
    int status = commandLine.exitStatus;
    QString error = commandLine.error;
    if (!commandLine.output.isEmpty()) {
        // A full disk is a failure, not a success with
        // part of the output.
        const QByteArray bytes = commandLine.output.toLocal8Bit();
        errno = standardOutputClosed ? EBADF : 0;
        const bool written = !standardOutputClosed &&
                             std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) ==
                                 size_t(bytes.size()) &&
                             std::fflush(stdout) == 0;
        if (!written) {
            const int reason = errno;
            const QStringList arguments =
                QCoreApplication::instance() ? QCoreApplication::arguments() : QStringList();
            error += Texts::tr("%1: cannot write to standard output: %2")
                         .arg(programName(arguments),
                              QString::fromLocal8Bit(std::strerror(reason ? reason : EIO))) +
                     QLatin1Char('\n');
            if (status == 0) status = kWriteFailureExitStatus;
        }
    }
    if (!error.isEmpty()) std::fputs(error.toLocal8Bit().constData(), stderr);
    return status;
}

}  // namespace korvath::app
