// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_display.hpp"

#include "number_text.hpp"

namespace korvath::ui {

QString localizedNumber(const std::string& text, const QLocale& locale) {
    QString shown = QString::fromStdString(text);
    const QString point = locale.decimalPoint();
    if (point != QLatin1String(".")) shown.replace(QLatin1Char('.'), point);
    return shown;
}

QString localizedNumber(double value, const QLocale& locale) {
    return QString::fromStdString(numberText(value, locale.decimalPoint().toStdString()));
}

}  // namespace korvath::ui
