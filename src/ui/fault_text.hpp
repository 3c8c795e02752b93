// SPDX-License-Identifier: GPL-3.0-or-later
// The sentence that tells the user what a fault means, in the window's
// language. It is a template the window fills: the fault's value and pass
// come in as text (the window gives the numbers; the page's export gives
// placeholders that the page fills), and the ray's segments stay %n, in the
// form their count takes (picture_text.hpp).
#pragma once

#include <QString>

#include "fault.hpp"

namespace korvath::ui {

QString faultText(const Fault& fault);

// How a fault's value reads: as its number, or in words.
enum class FaultValue { Number, NotANumber, Infinite };
FaultValue faultValueOf(double value);

QString faultTemplate(Fault::Kind kind, ArithmeticFault arithmetic, FaultValue value,
                      const QString& valueText, const QString& pass, int segments);

}  // namespace korvath::ui
