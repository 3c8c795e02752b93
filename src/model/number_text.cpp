#include "number_text.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace korvath {

namespace {

constexpr int kSignificantDigits = 15;
// Decimal exponents shown in plain notation: 0.0001 is plain, 0.00001 is
// "1E-05"; 123456789012345 is plain, 1E+15 is not.
constexpr int kLowestPlainExponent = -4;
constexpr int kHighestPlainExponent = 14;

}  // namespace

std::string numberText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0.0) return "0";

    // "%.14e" rounds correctly to 15 significant digits: "-d.dddddddddddddde+XX".
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.*e", kSignificantDigits - 1, value);
    const char* p = buf;
    std::string out;
    if (*p == '-') {
        out += '-';
        ++p;
    }
    std::string digits;
    for (; *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    if (exponent < kLowestPlainExponent || exponent > kHighestPlainExponent) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + exp;
    }
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<size_t>(-exponent - 1), '0');
        return out + digits;
    }
    const size_t intDigits = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
        out += digits;
        out.append(intDigits - digits.size(), '0');
        return out;
    }
    out.append(digits, 0, intDigits);
    out += '.';
    out.append(digits, intDigits);
    return out;
}

std::string numberText(std::int64_t value) {
    return std::to_string(value);
}

}  // namespace korvath
