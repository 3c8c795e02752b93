// SPDX-License-Identifier: GPL-3.0-or-later
// The translations as a reader meets them: every placeholder of a text kept
// (none lost, none added), French high punctuation after a no-break space,
// and Japanese running text with its full-width colon.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include "korvath_build_info.hpp"

namespace korvath {
namespace {

struct Message {
    QString source;
    QString translation;  // plural forms one after the other
};

QList<Message> messagesOf(const QString& language) {
    QFile file(QStringLiteral(KORVATH_TRANSLATIONS_DIR "/korvath_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("source")) {
            messages.append({xml.readElementText(), {}});
        } else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return messages;
}

// The numbered placeholders; a count (%n) may be left out of a plural form
// where the language's word says it.
QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
        found.insert(m.captured());
    return found;
}

TEST(TranslationText, EveryTranslationKeepsItsPlaceholdersAndItsLanguagesPunctuation) {
    static const QRegularExpression frenchSpace(QStringLiteral(" [:;!?»]|« "));
    for (const char* language : buildinfo::kLanguages) {
        const QString code = QString::fromLatin1(language);
        for (const Message& m : messagesOf(code)) {
            const QString& text = m.translation;
            EXPECT_EQ(placeholders(text), placeholders(m.source))
                << language << ": " << text.toStdString();
            if (code == QLatin1String("fr")) {
                EXPECT_FALSE(text.contains(frenchSpace)) << text.toStdString();
            }
            if (code == QLatin1String("ja")) {
                EXPECT_FALSE(text.contains(QLatin1String(": "))) << text.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace korvath
