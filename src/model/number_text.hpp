// SPDX-License-Identifier: GPL-3.0-or-later
// The one conversion of numbers to the text the window shows.
//
// Nothing here reads the C library's locale (setlocale, which Qt calls from
// the environment at start-up) or a C++ locale: the digits come from
// std::to_chars. A decimal separator other than "." is only ever the one the
// caller passes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvath {

// A double as the program shows it everywhere: rounded to 15 significant
// digits, trailing zeros dropped, plain notation for decimal exponents from
// -4 to 14 and exponent notation otherwise ("5.59736E+24", "1E-05"). Zero of
// either sign is "0"; the values that are not finite are "NaN", "Infinity"
// and "-Infinity".
//
// decimalSeparator (UTF-8, e.g. "," from the user's locale) replaces the
// decimal point and nothing else: the digits, the exponent notation and the
// switch between plain and exponent notation are the same for every
// separator. No digit grouping is ever added.
std::string numberText(double value, std::string_view decimalSeparator = ".");

// A value rounded to two significant figures, as the picture's description
// words a ratio ("0.12", "98"): correctly rounded from the decimal digits.
double twoSignificantFigures(double value);

// An integer as plain decimal digits, with a minus sign when negative, never
// grouped and the same in every locale.
std::string numberText(std::int64_t value);
inline std::string numberText(std::int32_t value) {
    return numberText(std::int64_t{value});
}
inline std::string numberText(std::int16_t value) {
    return numberText(std::int64_t{value});
}

}  // namespace korvath
