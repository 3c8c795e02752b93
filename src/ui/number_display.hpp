// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the window shows them: the model's digits with the user's
// decimal separator.
#pragma once

#include <QLocale>
#include <QString>
#include <string>

namespace korvath::ui {

// A number text of the model ("5.59736E+24") with the decimal point of
// `locale` ("5,59736E+24" under German or French).
QString localizedNumber(const std::string& text, const QLocale& locale = QLocale());
// A double as the window shows it.
QString localizedNumber(double value, const QLocale& locale = QLocale());

}  // namespace korvath::ui
