// The one conversion of numbers to the text the window shows.
#pragma once

#include <cstdint>
#include <string>

namespace korvath {

// A double as the program shows it everywhere: rounded to 15 significant
// digits, trailing zeros dropped, plain notation for decimal exponents from
// -4 to 14 and exponent notation otherwise ("5.59736E+24", "1E-05").
std::string numberText(double value);

// An integer as plain decimal digits, with a minus sign when negative.
std::string numberText(std::int64_t value);
inline std::string numberText(std::int32_t value) {
    return numberText(std::int64_t{value});
}
inline std::string numberText(std::int16_t value) {
    return numberText(std::int64_t{value});
}

}  // namespace korvath
