// SPDX-License-Identifier: GPL-3.0-or-later
// The window's language: English, the source text, or one of the languages
// the program is translated into, from the desktop's settings or chosen on the
// command line.
#pragma once

#include <QString>
#include <QStringList>

namespace korvath::ui {

// Every language the window speaks, English first.
QStringList availableLanguages();

// The available language a code names ("de", "de_AT", "fr-CA" name German
// and French), or an empty string when none does.
QString languageOf(const QString& code);

// The language the desktop asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as
// Qt reads them), or English when it asks for none of ours.
QString desktopLanguage();

struct LanguageChoice {
    QString language;  // what the window now speaks
    QString warning;   // one line for the user when the request was unknown
};

// Installs the translations of `requested` (empty: the desktop's language)
// into the application, replacing any installed before. An unknown request
// gives a warning and English. A language asked for by name also brings its
// number format (German, French and Spanish write a decimal comma); without
// a request numbers follow the desktop's locale.
LanguageChoice installLanguage(const QString& requested = QString());

// The language installed last ("en" before any).
QString currentLanguage();

}  // namespace korvath::ui
