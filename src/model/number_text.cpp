// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace korvath {

namespace {

constexpr int kSignificantDigits = 15;
// Decimal exponents shown in plain notation: 0.0001 is plain, 0.00001 is
// "1E-05"; 123456789012345 is plain, 1E+15 is not.
constexpr int kLowestPlainExponent = -4;
constexpr int kHighestPlainExponent = 14;

// The decimal digits of |value| rounded correctly to 15 significant digits,
// trailing zeros dropped, and the decimal exponent of the first digit.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal roundedDecimal(double magnitude) {
    // std::to_chars in scientific form with precision 14 gives
    // "d.dddddddddddddde+XX" (two or three exponent digits), rounded exactly
    // like printf's "%.14e" in the C locale, whatever locale is in force.
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude,
                                         std::chars_format::scientific, kSignificantDigits - 1);
    // 1 + 1 + 14 + "e-" + 3 digits = 21 characters at most.
    if (ec != std::errc{}) std::abort();

    Decimal d;
    const char* p = buf;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.') d.digits += *p;
    // p points at 'e', then a sign, then the exponent digits.
    const bool negativeExponent = p + 1 != end && p[1] == '-';
    for (p += 2; p < end; ++p)
        d.exponent = d.exponent * 10 + (*p - '0');
    if (negativeExponent) d.exponent = -d.exponent;

    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

void appendTwoDigitsAtLeast(std::string& out, int n) {
    char buf[8];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, n);
    if (ec != std::errc{}) std::abort();
    if (end - buf < 2) out += '0';
    out.append(buf, end);
}

}  // namespace

std::string numberText(double value, std::string_view decimalSeparator) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    // Negative zero is "0" too.
    if (value == 0.0) return "0";

    std::string out;
    if (value < 0) out += '-';
    const Decimal d = roundedDecimal(std::fabs(value));
    const std::string& digits = d.digits;
    const int exponent = d.exponent;

    if (exponent < kLowestPlainExponent || exponent > kHighestPlainExponent) {
        out += digits[0];
        if (digits.size() > 1) {
            out += decimalSeparator;
            out.append(digits, 1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        appendTwoDigitsAtLeast(out, std::abs(exponent));
        return out;
    }
    if (exponent < 0) {
        out += '0';
        out += decimalSeparator;
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
    out += decimalSeparator;
    out.append(digits, intDigits);
    return out;
}

std::string numberText(std::int64_t value) {
    // "-9223372036854775808" is 20 characters.
    char buf[24];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    if (ec != std::errc{}) std::abort();
    return std::string(buf, end);
}

double twoSignificantFigures(double value) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 1).ptr;
    double rounded = value;
    std::from_chars(buffer, end, rounded);
    return rounded;
}

}  // namespace korvath
