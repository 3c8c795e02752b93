// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "scoped_c_locale.hpp"
#include "sim_state.hpp"

namespace korvath {
namespace {

using test::ScopedCLocale;

// The same conversion written on the C library's printf ("%.14e") and atoi.
// It gives the intended text only while the C locale is in force, which every
// test that calls it sets; numberText must agree with it for every double.
std::string printfNumberText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0.0) return "0";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", value);
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
    if (exponent < -4 || exponent > 14) {
        out += digits[0];
        if (digits.size() > 1) out += "." + digits.substr(1);
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + exp;
    }
    if (exponent < 0) return out + "0." + std::string(size_t(-exponent - 1), '0') + digits;
    const size_t intDigits = size_t(exponent) + 1;
    if (digits.size() <= intDigits)
        return out + digits + std::string(intDigits - digits.size(), '0');
    return out + digits.substr(0, intDigits) + "." + digits.substr(intDigits);
}

// text with its decimal point (there is at most one) replaced by separator.
std::string withSeparator(std::string text, std::string_view separator) {
    if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, separator);
    return text;
}

// Parses a decimal literal in the C locale (only the tests parse text).
double parse(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

struct Example {
    double value;
    const char* text;  // with "." as the decimal separator
};

// Worked examples: the preset values, both sides of the switch between plain
// and exponent notation, rounding to 15 digits, zero and non-finite values.
std::vector<Example> examples() {
    return {
        {6378000.0, "6378000"},
        {696000000.0, "696000000"},
        {5.59736e24, "5.59736E+24"},
        // One unit in the last place above the nearest double still reads 1.989E+30.
        {std::bit_cast<double>(0x46391ACE3D05AEF5ULL), "1.989E+30"},
        {kSun.mass, "1.989E+30"},
        {1e-5, "1E-05"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {-0.00012345, "-0.00012345"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {1e14, "100000000000000"},
        {1.5e-100, "1.5E-100"},
        {2.5e200, "2.5E+200"},
        {-3.20341146262659e-23, "-3.20341146262659E-23"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {6228.515625, "6228.515625"},
        {2945.38300906640, "2945.3830090664"},
        // Rounding can carry into the next decade, and then into exponent notation.
        {999999999999999.9, "1E+15"},
        {9.9999999999999999e-5, "0.0001"},
        {0.5, "0.5"},
        {-2.5, "-2.5"},
        {1.0, "1"},
        {0.0, "0"},
        {-0.0, "0"},
        {std::nan(""), "NaN"},
        {-std::nan(""), "NaN"},
        {INFINITY, "Infinity"},
        {-INFINITY, "-Infinity"},
        {5e-324, "4.94065645841247E-324"},
        {DBL_MAX, "1.79769313486232E+308"},
        {-DBL_MIN, "-2.2250738585072E-308"},
    };
}

TEST(NumberText, WorkedExamplesWithEitherDecimalSeparator) {
    for (const Example& e : examples()) {
        SCOPED_TRACE(e.text);
        EXPECT_EQ(numberText(e.value), e.text);
        EXPECT_EQ(numberText(e.value, "."), e.text);
        EXPECT_EQ(numberText(e.value, ","), withSeparator(e.text, ","));
        // A separator of more than one byte (U+066B ARABIC DECIMAL SEPARATOR).
        EXPECT_EQ(numberText(e.value, "\u066B"), withSeparator(e.text, "\u066B"));
    }
    // The separator changes nothing else: no digit grouping, the same exponent form.
    EXPECT_EQ(numberText(123456789012345.0, ","), "123456789012345");
    EXPECT_EQ(numberText(-1234.5, ","), "-1234,5");
    EXPECT_EQ(numberText(5.59736e24, ","), "5,59736E+24");
    EXPECT_EQ(numberText(1e-5, ","), "1E-05");
    EXPECT_EQ(numberText(0.0001, ","), "0,0001");
}

// Doubles that exercise every path of the conversion, from a fixed seed.
std::vector<double> testDoubles() {
    std::mt19937_64 rng(20240611);
    std::vector<double> v;
    v.reserve(210000);
    auto withNeighbours = [&v](double x) {
        v.push_back(std::nextafter(x, -INFINITY));
        v.push_back(x);
        v.push_back(std::nextafter(x, INFINITY));
    };
    auto randomDigits = [&rng](int count) {
        std::string s;
        std::uniform_int_distribution<int> digit(0, 9);
        s += char('1' + rng() % 9);
        for (int i = 1; i < count; ++i)
            s += char('0' + digit(rng));
        return s;
    };

    // Bit patterns across the whole range: every binary exponent, both signs,
    // NaNs with payloads and infinities included.
    for (int i = 0; i < 100000; ++i)
        v.push_back(std::bit_cast<double>(rng()));
    // Subnormals.
    for (int i = 0; i < 10000; ++i)
        v.push_back(std::bit_cast<double>(rng() & 0x800FFFFFFFFFFFFFULL));
    // Magnitudes the window shows in plain notation and just around it.
    std::uniform_real_distribution<double> decade(-7.0, 18.0);
    for (int i = 0; i < 30000; ++i)
        v.push_back((rng() & 1 ? -1 : 1) * std::pow(10.0, decade(rng)));
    // Exact halfway cases: k * 2^-j with k * 5^j of 16 digits has exactly 16
    // significant decimal digits, the last one a 5, so rounding to 15 is a tie.
    for (int i = 0; i < 8000; ++i) {
        const int j = 1 + int(rng() % 22);
        const double lowK = std::ceil(1e15 / std::pow(5.0, j));
        const double highK = std::floor(9.99999999999999e15 / std::pow(5.0, j));
        std::uniform_real_distribution<double> k(lowK, highK);
        double odd = std::floor(k(rng));
        if (std::fmod(odd, 2.0) == 0) odd += 1;
        withNeighbours(std::ldexp(odd, -j));
    }
    // Nearest doubles to 16-digit halfway decimals over the whole exponent range.
    std::uniform_int_distribution<int> exponent(-323, 308);
    for (int i = 0; i < 8000; ++i)
        withNeighbours(parse(randomDigits(15) + "5e" + std::to_string(exponent(rng) - 15)));
    // Powers of ten and the values that round up to them, around every decade.
    for (int e = -324; e <= 308; ++e) {
        const std::string exp = "e" + std::to_string(e);
        withNeighbours(parse("1" + exp));
        withNeighbours(parse("9.999999999999995" + exp));
        withNeighbours(parse("9.99999999999999" + exp));
        withNeighbours(-parse("1.00000000000000" + exp));
    }
    // Integers and 15- to 17-digit values with a fraction.
    for (int i = 0; i < 5000; ++i) {
        v.push_back(double(std::int64_t(rng() >> 10) - (std::int64_t{1} << 53)));
        v.push_back(parse(randomDigits(15 + int(rng() % 3)) + "e-" + std::to_string(rng() % 17)));
    }
    // Extremes.
    for (double x :
         {DBL_MAX, DBL_MIN, DBL_TRUE_MIN, std::nextafter(DBL_MIN, 0.0), DBL_EPSILON, 0.0, 1.0})
        for (double sign : {1.0, -1.0})
            withNeighbours(sign * x);
    return v;
}

TEST(NumberText, AgreesWithPrintfInTheCLocaleForEveryKindOfDouble) {
    const ScopedCLocale c(LC_ALL, "C");
    ASSERT_TRUE(c.active());
    const std::vector<double> values = testDoubles();
    ASSERT_GE(values.size(), 200000u);
    int mismatches = 0;
    for (const double x : values) {
        const std::string expected = printfNumberText(x);
        const std::string got = numberText(x);
        const std::string gotComma = numberText(x, ",");
        if (got != expected || gotComma != withSeparator(expected, ",")) {
            if (++mismatches <= 10)
                ADD_FAILURE() << "bits 0x" << std::hex << std::bit_cast<std::uint64_t>(x)
                              << std::dec << ": printf gives " << expected << ", numberText " << got
                              << " and with ',' " << gotComma;
        }
    }
    EXPECT_EQ(mismatches, 0) << "of " << values.size() << " doubles";
}

// Under a locale whose decimal separator is a comma, as Qt sets it from
// LANG or LC_NUMERIC, the text stays the same.
void expectSameTextUnder(int category, const char* locale) {
    std::vector<double> values;
    std::vector<std::string> texts;
    {
        const ScopedCLocale c(LC_ALL, "C");
        for (const Example& e : examples())
            values.push_back(e.value);
        std::mt19937_64 rng(7);
        for (int i = 0; i < 2000; ++i)
            values.push_back(std::bit_cast<double>(rng()));
        for (const double x : values)
            texts.push_back(numberText(x));
    }

    const ScopedCLocale changed(category, locale);
    if (!changed.active())
        GTEST_SKIP() << locale << " is not generated on this machine; scripts/test generates it "
                     << "(or run: source scripts/lib/common.sh && ensure_locales)";
    // The locale really is in force: printf now writes a decimal comma.
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    ASSERT_STREQ(probe, "0,5");

    for (size_t i = 0; i < values.size(); ++i)
        ASSERT_EQ(numberText(values[i]), texts[i])
            << "bits 0x" << std::hex << std::bit_cast<std::uint64_t>(values[i]);
    EXPECT_EQ(numberText(6378000.0), "6378000");
    EXPECT_EQ(numberText(5.59736e24), "5.59736E+24");
    EXPECT_EQ(numberText(5.59736e24, ","), "5,59736E+24");
    EXPECT_EQ(numberText(std::int32_t{2147483647}), "2147483647");
    EXPECT_EQ(numberText(std::int64_t{-1234567}), "-1234567");
}

TEST(NumberText, UnchangedUnderAGermanCLocale) {
    expectSameTextUnder(LC_ALL, "de_DE.UTF-8");
}

TEST(NumberText, UnchangedUnderAFrenchNumericLocaleAlone) {
    expectSameTextUnder(LC_NUMERIC, "fr_FR.UTF-8");
}

TEST(NumberText, IntegersArePlainDigits) {
    EXPECT_EQ(numberText(std::int16_t{1500}), "1500");
    EXPECT_EQ(numberText(std::int16_t{-32768}), "-32768");
    EXPECT_EQ(numberText(std::int32_t{2147483647}), "2147483647");
    EXPECT_EQ(numberText(std::int64_t{0}), "0");
    EXPECT_EQ(numberText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(numberText(std::numeric_limits<std::int64_t>::max()), "9223372036854775807");
}

}  // namespace
}  // namespace korvath
