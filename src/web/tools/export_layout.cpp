// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the main window's layout and texts for the web page, from the same
// table and the same translations the desktop window is built from:
//
//   korvath_layout_export OUTPUT_FOLDER
//
// OUTPUT_FOLDER/layout.json holds every control (object name, kind, twips
// geometry, font size, English caption, accessible name and description), the
// window (title, client size, font, start timer), the menu captions, the
// "HELP" window, the parameter bars' range and steps, the keyboard focus
// order, the languages with their decimal separators, which languages have
// texts, and in each language what the page says when it cannot start.
// OUTPUT_FOLDER/strings/LANGUAGE.json holds every text of the window (the
// ray commands of its Picture and View menus too), the help, the fault
// messages, the picture's description (as templates) and the page itself in
// one language: every language the window speaks, from the translations
// built into it.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <algorithm>
#include <functional>
#include <iostream>
#include <limits>
#include <type_traits>
#include <variant>
#include <vector>

#include "fault_text.hpp"
#include "help_splash.hpp"
#include "help_viewer.hpp"
#include "language.hpp"
#include "main_window.hpp"
#include "main_window_layout.hpp"
#include "number_display.hpp"
#include "picture_text.hpp"
#include "ray_commands.hpp"
#include "take_away.hpp"
#include "values_table.hpp"
#include "worksheet.hpp"
#include "worksheet_commands.hpp"

namespace {

using namespace korvath;
using namespace korvath::ui;

// Texts the page shows that the desktop window does not have.
// clang-format off
const char* const kPageTexts[][2] = {
    {"ended", QT_TRANSLATE_NOOP("WebPage", "The simulation has ended.")},
    {"startAgain", QT_TRANSLATE_NOOP("WebPage", "Start again")},
    {"close", QT_TRANSLATE_NOOP("WebPage", "Close")},
    {"ok", QT_TRANSLATE_NOOP("WebPage", "OK")},
    {"copyLink", QT_TRANSLATE_NOOP("WebPage", "Copy link to this setup")},
    {"linkCopied", QT_TRANSLATE_NOOP("WebPage", "The link to this setup is on the clipboard.")},
    {"linkNotCopied", QT_TRANSLATE_NOOP("WebPage", "The clipboard refused the link; copy it from here: %1")},
    {"download", QT_TRANSLATE_NOOP("WebPage", "Download for offline use")},
    {"keys", QT_TRANSLATE_NOOP("WebPage", "Keys")},
    {"keyTab", QT_TRANSLATE_NOOP("WebPage", "Tab, Shift+Tab: the next or the previous control")},
    {"keyButton", QT_TRANSLATE_NOOP("WebPage", "Space, Enter: press the focused button")},
    {"keyBarStep", QT_TRANSLATE_NOOP("WebPage", "Left, Right (or Up, Down): move the focused bar by one")},
    {"keyBarPage", QT_TRANSLATE_NOOP("WebPage", "Page Up, Page Down: move the focused bar by ten")},
    {"keyBarEnds", QT_TRANSLATE_NOOP("WebPage", "Home, End: the focused bar to its left or right end")},
    {"keyMenu", QT_TRANSLATE_NOOP("WebPage", "Alt with an underlined letter: that menu command")},
    {"keyHelp", QT_TRANSLATE_NOOP("WebPage", "F1: the help, once the Help command has run")},
    {"keyClose", QT_TRANSLATE_NOOP("WebPage", "Escape: close a dialog")},
    {"keyDelete", QT_TRANSLATE_NOOP("WebPage", "Delete: clear the rays")},
    {"coarseBarValue", QT_TRANSLATE_NOOP("WebPage", "%1: times 2 to the power %2, %3")},
    {"fineBarValue", QT_TRANSLATE_NOOP("WebPage", "%1: plus %2 percent of the coarse value, %3")},
    {"fineBarValueMinus", QT_TRANSLATE_NOOP("WebPage", "%1: minus %2 percent of the coarse value, %3")},
    {"insideSchwarzschild", QT_TRANSLATE_NOOP("WebPage", "The body is now inside its Schwarzschild radius.")},
    {"outsideSchwarzschild", QT_TRANSLATE_NOOP("WebPage", "The body is now outside its Schwarzschild radius.")},
};
// What the page says when it cannot start; index.html carries these in
// every language, so that they can be shown before anything else loads.
const char* const kFailureTexts[][2] = {
    {"noWasm", QT_TRANSLATE_NOOP("WebPage", "This browser cannot run the simulation: it has no WebAssembly, or it is switched off. Open the page in a current Firefox, Chromium, Chrome, Edge or Safari.")},
    {"moduleFailed", QT_TRANSLATE_NOOP("WebPage", "The simulation could not be loaded (%1). Reload the page; if that does not help, use the single-file version or another browser.")},
    {"needsServer", QT_TRANSLATE_NOOP("WebPage", "This page needs its web server and cannot run from a file on disk. Open the single-file version (korvath-offline.html) instead: it works by double-click, without a network.")},
    {"badParameter", QT_TRANSLATE_NOOP("WebPage", "The link's setting \"%1\" is not valid; the simulation starts in its default state.")},
    {"reload", QT_TRANSLATE_NOOP("WebPage", "Reload")},
    {"noScript", QT_TRANSLATE_NOOP("WebPage", "%1: JavaScript and WebAssembly are needed.")},
    {"description", QT_TRANSLATE_NOOP("WebPage", "A body's density, Schwarzschild radius and curvature, and a light ray traced past it")},
};
// clang-format on

QString trMain(const char* text) {
    return *text ? QCoreApplication::translate("MainWindow", text) : QString();
}

// The type a pointer to member points to.
template <class Member>
struct MemberOf;
template <class Class, class T>
struct MemberOf<T Class::*> {
    using type = T;
};

// The kind of control a layout entry makes, from the member it fills.
QString kindOf(const ControlSlot& slot) {
    return std::visit(
        [](auto member) -> QString {
            using Widget = std::remove_pointer_t<typename MemberOf<decltype(member)>::type>;
            if constexpr (std::is_same_v<Widget, QPushButton>) return "button";
            if constexpr (std::is_same_v<Widget, ParameterBar>) return "bar";
            if constexpr (std::is_same_v<Widget, QLabel>) return "caption";
            if constexpr (std::is_same_v<Widget, ValueField>) return "value";
            if constexpr (std::is_same_v<Widget, ScenePicture>) return "picture";
            return "unknown";
        },
        slot);
}

QString name(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The page's placeholders for a template's counted %n, in the forms for 0, 1
// and many (the page takes "many" for any other count).
QJsonObject countedForms(const std::function<QString(int)>& form, const QString& placeholder) {
    QJsonObject forms;
    for (const auto& [key, n] : {std::pair{"0", 0}, std::pair{"1", 1}, std::pair{"many", 2}})
        forms.insert(key, QString(form(n)).replace("%n", placeholder));
    return forms;
}

// Fault messages as templates: {value}, {segments} and {pass} stand for the
// fault's numbers. Keys are "kind/arithmetic" with the enums' indices, and
// "kind/arithmetic/nan" and ".../inf" for a value that is not finite.
QJsonObject faultTemplates() {
    // A value that is not finite is written into the sentence as the window writes it.
    const struct {
        const char* suffix;
        FaultValue value;
        QString text;
    } values[] = {
        {"", FaultValue::Number, "{value}"},
        {"/nan", FaultValue::NotANumber, localizedNumber(std::numeric_limits<double>::quiet_NaN())},
        {"/inf", FaultValue::Infinite, localizedNumber(std::numeric_limits<double>::infinity())}};
    QJsonObject out;
    for (int kind = 0; kind <= static_cast<int>(Fault::Kind::RayArithmetic); ++kind)
        for (int arithmetic = 0; arithmetic <= static_cast<int>(ArithmeticFault::InvalidOperation);
             ++arithmetic)
            for (const auto& v : values) {
                // The ray's segments in the form for many.
                const QString text = faultTemplate(static_cast<Fault::Kind>(kind),
                                                   static_cast<ArithmeticFault>(arithmetic),
                                                   v.value, v.text, "{pass}", 2)
                                         .replace("%n", "{segments}");
                out.insert(QString("%1/%2%3").arg(kind).arg(arithmetic).arg(v.suffix), text);
            }
    return out;
}

// The picture's description as templates, from the window's own wording:
// "below" and "above" (a ratio below 1 or not) by circle, with {ratio} and
// {beam}; the ray's sentence that follows by outcome (falls, stops) or edge
// (straight, bent, swings), the counted ones in the forms for 0, 1 and more
// steps or degrees ({n}); and what names each ray before it when more than
// one is shown, with {number} and {start}.
QJsonObject pictureTemplates() {
    QJsonArray below, above;
    for (int c = 0; c <= static_cast<int>(PictureDescription::Circle::OutsidePicture); ++c) {
        const auto circle = static_cast<PictureDescription::Circle>(c);
        below.append(bodyText(true, circle, "{ratio}", "{beam}"));
        above.append(bodyText(false, circle, "{ratio}", "{beam}"));
    }
    using Outcome = RayDescription::Outcome;
    const auto afterSteps = [](Outcome outcome) {
        return countedForms(
            [outcome](int n) {
                return rayTemplate({outcome, Edge::Left, 0, n});
            },
            "{n}");
    };
    QJsonArray straight, bent, swings;
    for (int e = 0; e <= static_cast<int>(Edge::Bottom); ++e) {
        const auto edge = static_cast<Edge>(e);
        straight.append(rayTemplate({Outcome::LeavesPicture, edge, 0, 10}));
        // Degrees stay below a right angle, which would make the ray swing round instead.
        bent.append(countedForms(
            [edge](int n) {
                return rayTemplate({Outcome::LeavesPicture, edge, double(n), 10});
            },
            "{n}"));
        swings.append(rayTemplate({Outcome::LeavesPicture, edge, 180, 10}));
    }
    return QJsonObject{
        {"empty", emptyPictureText()},
        {"below", below},
        {"above", above},
        {"falls", afterSteps(Outcome::FallsIntoBody)},
        {"stops", afterSteps(Outcome::StopsInPicture)},
        {"straight", straight},
        {"bent", bent},
        {"swings", swings},
        {"numbered", rayHeading("{number}", "{start}")},
    };
}

// The worksheet's words and each value's quantity and unit, as the window's
// sheet has them, for the sheet the page prints.
QJsonObject worksheetStrings() {
    const WorksheetWords words = worksheetWords();
    QJsonArray values;
    for (const auto& [quantity, unit] : valueQuantities())
        values.append(QJsonArray{quantity, unit});
    return QJsonObject{{"title", words.title},
                       {"name", words.name},
                       {"body", words.body},
                       {"radiusBars", words.radiusBars},
                       {"massBars", words.massBars},
                       {"beamStart", words.beamStart},
                       {"setUp", words.setUp},
                       {"notes", words.notes},
                       {"earth", trMain("Earth")},
                       {"sun", trMain("Sun")},
                       {"values", values}};
}

// Every text in the language whose translator is installed (none: English).
QJsonObject strings(const QString& language) {
    QLocale::setDefault(QLocale(language));
    QJsonObject controls;
    for (const ControlSpec& item : mainWindowLayout()) {
        QJsonObject c;
        if (*item.caption) c.insert("caption", trMain(item.caption));
        if (*item.accessibleName) c.insert("accessibleName", trMain(item.accessibleName));
        if (*item.accessibleDescription)
            c.insert("accessibleDescription", trMain(item.accessibleDescription));
        controls.insert(name(item.objectName), c);
    }
    // The menu bar's commands, and the window's ray commands in its Picture
    // and View menus, which the page has too.
    QJsonObject menu{{"exitAction", trMain(kExitCaption)},
                     {"helpAction", trMain(kHelpCaption)},
                     {"pictureMenu", TakeAway::tr(kPictureMenuCaption)},
                     {"printAction", WorksheetCommands::tr(kPrintCaption)},
                     {"viewMenu", trMain(kViewCaption)},
                     {"animateRayAction", RayCommands::tr(kAnimateRayCaption)},
                     {"keepRaysAction", RayCommands::tr(kKeepRaysCaption)},
                     {"clearRaysAction", RayCommands::tr(kClearRaysCaption)}};
    QJsonObject page;
    for (const auto& [key, text] : kPageTexts)
        page.insert(key, QCoreApplication::translate("WebPage", text));
    return QJsonObject{
        {"language", language},
        {"title", trMain(kMainWindowTitle)},
        {"controls", controls},
        {"menu", menu},
        {"helpTitle", help::HelpViewer::tr(help::kHelpWindowTitle)},
        {"helpSplashTitle", help::HelpSplash::tr(help::kSplashTitle)},
        {"helpFailed", QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p>")
                           .arg(help::HelpViewer::tr(help::kHelpNotOpened),
                                help::HelpViewer::tr(help::kHelpNotRead),
                                help::HelpViewer::tr(help::kHelpGoesOn))},
        {"worksheet", worksheetStrings()},
        {"faults", faultTemplates()},
        {"picture", pictureTemplates()},
        {"page", page},
    };
}

bool writeJson(const QString& path, const QJsonObject& object) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::cerr << "cannot write " << path.toStdString() << ": "
                  << file.errorString().toStdString() << '\n';
        return false;
    }
    file.write(QJsonDocument(object).toJson(QJsonDocument::Indented));
    return file.flush();
}

QJsonObject layout(const QStringList& languagesWithTexts, const QJsonObject& failures) {
    QJsonArray controls;
    for (const ControlSpec& item : mainWindowLayout()) {
        QJsonObject c{{"objectName", name(item.objectName)},
                      {"kind", kindOf(item.slot)},
                      {"left", item.left},
                      {"top", item.top},
                      {"width", item.width},
                      {"height", item.height},
                      {"fontPoints", item.fontPoints > 0 ? item.fontPoints : kWindowFontPoints},
                      {"caption", trMain(item.caption)},
                      {"accessibleName", trMain(item.accessibleName)},
                      {"accessibleDescription", trMain(item.accessibleDescription)}};
        // What the control shows, by the model's index of the value or bar.
        if (const auto* value = std::get_if<ShownValue>(&item.shows))
            c.insert("value", static_cast<int>(*value));
        if (const auto* bar = std::get_if<Bar>(&item.shows)) c.insert("bar", barIndex(*bar));
        controls.append(c);
    }
    QJsonObject separators;
    for (const QString& language : availableLanguages())
        separators.insert(language, QLocale(language).decimalPoint());
    std::vector<const ControlSpec*> focused;
    for (const ControlSpec& item : mainWindowLayout())
        if (item.focusPosition > 0) focused.push_back(&item);
    std::ranges::sort(focused, {}, &ControlSpec::focusPosition);
    QJsonArray focus;
    for (const ControlSpec* item : focused)
        focus.append(name(item->objectName));
    return QJsonObject{
        {"window", QJsonObject{{"objectName", "mainWindow"},
                               {"title", trMain(kMainWindowTitle)},
                               {"clientWidthTwips", kClientWidthTwips},
                               {"clientHeightTwips", kClientHeightTwips},
                               {"fontFamily", name(kWindowFontFamily)},
                               {"fontPoints", kWindowFontPoints},
                               {"startTimerMs", kStartTimerIntervalMs}}},
        {"menu",
         QJsonArray{QJsonObject{{"objectName", "exitAction"}, {"caption", trMain(kExitCaption)}},
                    QJsonObject{{"objectName", "helpAction"}, {"caption", trMain(kHelpCaption)}}}},
        {"helpSplash", QJsonObject{{"objectName", "helpSplash"},
                                   {"title", QString::fromLatin1(help::kSplashTitle)},
                                   {"clientWidthTwips", help::kSplashWidthTwips},
                                   {"clientHeightTwips", help::kSplashHeightTwips},
                                   {"tickMs", help::kSplashTickMs},
                                   {"ticksShown", help::kSplashTicksShown}}},
        {"bar", QJsonObject{{"minimum", int{kBarMinimum}},
                            {"maximum", int{kBarMaximum}},
                            {"arrowStep", kBarArrowStep},
                            {"pageStep", kBarPageStep}}},
        {"focusOrder", focus},
        {"controls", controls},
        {"decimalSeparators", separators},
        {"languagesWithTexts", QJsonArray::fromStringList(languagesWithTexts)},
        {"failures", failures},
    };
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first().startsWith('-')) {
        std::cerr << "usage: korvath_layout_export OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir out(args.first());
    if (!out.mkpath("strings")) {
        std::cerr << "cannot create " << out.filePath("strings").toStdString() << '\n';
        return 1;
    }

    // Every language the window speaks, from the translations built into it.
    QStringList languages;
    for (const QString& language : availableLanguages()) {
        installLanguage(language);
        if (!writeJson(out.filePath("strings/" + language + ".json"), strings(language))) return 1;
        languages.append(language);
    }
    QJsonObject failures;
    for (const QString& language : languages) {
        installLanguage(language);
        QJsonObject texts;
        for (const auto& [key, text] : kFailureTexts)
            texts.insert(key, QCoreApplication::translate("WebPage", text));
        texts.insert("title", trMain(kMainWindowTitle));  // the page's title before it starts
        failures.insert(language, texts);
    }
    installLanguage(QStringLiteral("en"));
    QLocale::setDefault(QLocale::c());
    return writeJson(out.filePath("layout.json"), layout(languages, failures)) ? 0 : 1;
}
