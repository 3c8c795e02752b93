// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the manual page in one language from the program's own translated
// texts: its description and every option as its help gives them.
//   korvath_manual_page LANGUAGE DATE OUTPUT
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <iostream>

#include "command_line.hpp"
#include "korvath_build_info.hpp"
#include "language.hpp"

namespace {

struct ManualPage {
    Q_DECLARE_TR_FUNCTIONS(ManualPage)
};

bool wide(QChar c) {
    return c.unicode() >= 0x2E80 && c.unicode() <= 0xFFEF;
}

// Text as roff reads it: backslashes escaped, dashes of options as minus
// signs, a line never starting with a control character, and the help's
// line breaks joined (without a space between Japanese characters).
QString roff(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\e"));
    static const QRegularExpression option(QStringLiteral("--([a-z]+(-[a-z]+)*)"));
    for (QRegularExpressionMatch m = option.match(text); m.hasMatch();
         m = option.match(text, m.capturedStart() + 1)) {
        QString name = m.captured(1);
        text.replace(m.capturedStart(), m.capturedLength(),
                     QStringLiteral("\\-\\-") + name.replace(u'-', QLatin1String("\\-")));
    }
    for (qsizetype i = text.indexOf(u'\n'); i >= 0; i = text.indexOf(u'\n', i)) {
        const bool joinTight =
            (i > 0 && wide(text[i - 1])) || (i + 1 < text.size() && wide(text[i + 1]));
        text.replace(i, 1, joinTight ? QString() : QStringLiteral(" "));
    }
    if (text.startsWith(u'.') || text.startsWith(u'\'')) text.prepend(QLatin1String("\\&"));
    return text;
}

QString page(const QString& date) {
    const QString program = QString::fromUtf8(korvath::buildinfo::kExecutableName);
    const QString title = QCoreApplication::translate("Desktop", "Korvath simulation");
    const korvath::app::HelpParts help = korvath::app::helpParts();
    QString out;
    out += QStringLiteral(".\\\" Made from the program's translated help.\n");
    out += QStringLiteral(".TH %1 1 \"%2\" \"%3 %4\"\n")
               .arg(program.toUpper(), date, title,
                    QString::fromUtf8(korvath::buildinfo::kDisplayVersion));
    out += QStringLiteral(".SH ") + ManualPage::tr("NAME") + u'\n';
    out += program + QStringLiteral(" \\- ") +
           roff(QCoreApplication::translate("Desktop", "See how mass bends space and light")) +
           u'\n';
    out += QStringLiteral(".SH ") + ManualPage::tr("SYNOPSIS") + u'\n';
    out += QStringLiteral(".B %1\n.RI [ %2 ]\n").arg(program, ManualPage::tr("options"));
    out += QStringLiteral(".SH ") + ManualPage::tr("DESCRIPTION") + u'\n' + roff(help.description) +
           u'\n';
    out += QStringLiteral(".SH ") + ManualPage::tr("OPTIONS") + u'\n';
    for (const korvath::app::OptionHelp& option : help.options) {
        QStringList names;
        for (const QString& name : option.names)
            names << roff((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        out += QStringLiteral(".TP\n");
        if (option.valueName.isEmpty())
            out += QStringLiteral(".B ") + names.join(QStringLiteral(", ")) + u'\n';
        else
            out += QStringLiteral(".BI \"%1 \" \"%2\"\n")
                       .arg(names.join(QStringLiteral(", ")), roff(option.valueName));
        out += roff(option.description) + u'\n';
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::cerr << "usage: korvath_manual_page LANGUAGE DATE OUTPUT\n";
        return 2;
    }
    if (korvath::ui::installLanguage(arguments[1]).language != arguments[1]) {
        std::cerr << "no translation for " << arguments[1].toStdString() << '\n';
        return 1;
    }
    QFile out(arguments[3]);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(page(arguments[2]).toUtf8()) < 0 || !out.flush()) {
        std::cerr << "cannot write " << arguments[3].toStdString() << '\n';
        return 1;
    }
    return 0;
}
