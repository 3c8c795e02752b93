// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include "korvath_build_info.hpp"

namespace korvath::ui {

namespace {

struct LanguageTexts {
    Q_DECLARE_TR_FUNCTIONS(Language)
};

QString& installed() {
    static QString language = QStringLiteral("en");
    return language;
}

// The translators installed last: the program's own and Qt's (for the
// buttons of standard dialogs).
QPointer<QTranslator>& programTranslator() {
    static QPointer<QTranslator> translator;
    return translator;
}
QPointer<QTranslator>& qtTranslator() {
    static QPointer<QTranslator> translator;
    return translator;
}

void replaceTranslator(QPointer<QTranslator>& slot, QTranslator* next) {
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
    }
    slot = next;
    if (next) QCoreApplication::installTranslator(next);
}

}  // namespace

QStringList availableLanguages() {
    QStringList languages;
    for (const char* language : buildinfo::kLanguages)
        languages << QString::fromLatin1(language);
    return languages;
}

QString languageOf(const QString& code) {
    const QString base =
        code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    return availableLanguages().contains(base) ? base : QString();
}

QString desktopLanguage() {
    for (const QString& code : QLocale::system().uiLanguages()) {
        const QString language = languageOf(code);
        if (!language.isEmpty()) return language;
    }
    return QStringLiteral("en");
}

LanguageChoice installLanguage(const QString& requested) {
    LanguageChoice choice;
    if (requested.isEmpty()) {
        choice.language = desktopLanguage();
    } else {
        choice.language = languageOf(requested);
        if (choice.language.isEmpty()) {
            choice.warning = LanguageTexts::tr(
                                 "unknown language '%1'; the window speaks English (available: %2)")
                                 .arg(requested, availableLanguages().join(QStringLiteral(", ")));
            choice.language = QStringLiteral("en");
        }
    }

    QTranslator* program = nullptr;
    QTranslator* qt = nullptr;
    // English has a file too: the singular and plural forms of counted texts.
    program = new QTranslator(QCoreApplication::instance());
    if (!program->load(QStringLiteral(":/i18n/korvath_%1.qm").arg(choice.language))) {
        delete program;
        program = nullptr;
    }
    if (choice.language != QLatin1String("en")) {
        qt = new QTranslator(QCoreApplication::instance());
        if (!qt->load(QStringLiteral("qtbase_%1").arg(choice.language),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete qt;
            qt = nullptr;
        }
    }
    QLocale::setDefault(requested.isEmpty() || choice.language.isEmpty() ||
                                !choice.warning.isEmpty()
                            ? QLocale::system()
                            : QLocale(choice.language));
    replaceTranslator(programTranslator(), program);
    replaceTranslator(qtTranslator(), qt);
    installed() = choice.language;
    return choice;
}

QString currentLanguage() {
    return installed();
}

}  // namespace korvath::ui
