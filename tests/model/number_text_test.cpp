#include "number_text.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

#include "sim_state.hpp"

namespace korvath {
namespace {

TEST(NumberText, ShowsThePresetValuesAsTheWindowDoes) {
    EXPECT_EQ(numberText(6378000.0), "6378000");
    EXPECT_EQ(numberText(696000000.0), "696000000");
    EXPECT_EQ(numberText(5.59736e24), "5.59736E+24");
    // One unit in the last place above the nearest double still reads 1.989E+30.
    EXPECT_EQ(numberText(std::bit_cast<double>(0x46391ACE3D05AEF5ULL)), "1.989E+30");
    EXPECT_EQ(numberText(kSun.mass), "1.989E+30");
}

TEST(NumberText, SwitchesToExponentNotationBelowTenThousandthsAndFromFifteenDigits) {
    EXPECT_EQ(numberText(1e-5), "1E-05");
    EXPECT_EQ(numberText(0.0001), "0.0001");
    EXPECT_EQ(numberText(0.00012345), "0.00012345");
    EXPECT_EQ(numberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(numberText(1e15), "1E+15");
    EXPECT_EQ(numberText(1e14), "100000000000000");
    EXPECT_EQ(numberText(1.5e-100), "1.5E-100");
    EXPECT_EQ(numberText(2.5e200), "2.5E+200");
    EXPECT_EQ(numberText(-3.20341146262659e-23), "-3.20341146262659E-23");
}

TEST(NumberText, RoundsToFifteenSignificantDigitsAndDropsTrailingZeros) {
    EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(numberText(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(numberText(6228.515625), "6228.515625");
    EXPECT_EQ(numberText(2945.38300906640), "2945.3830090664");
    // Rounding can carry into the next decade, and then into exponent notation.
    EXPECT_EQ(numberText(999999999999999.9), "1E+15");
    EXPECT_EQ(numberText(9.9999999999999999e-5), "0.0001");
    EXPECT_EQ(numberText(0.5), "0.5");
    EXPECT_EQ(numberText(-2.5), "-2.5");
    EXPECT_EQ(numberText(1.0), "1");
}

TEST(NumberText, ZeroAndValuesThatAreNotNumbers) {
    EXPECT_EQ(numberText(0.0), "0");
    EXPECT_EQ(numberText(-0.0), "0");
    EXPECT_EQ(numberText(std::nan("")), "NaN");
    EXPECT_EQ(numberText(INFINITY), "Infinity");
    EXPECT_EQ(numberText(-INFINITY), "-Infinity");
    EXPECT_EQ(numberText(5e-324), "4.94065645841247E-324");
}

TEST(NumberText, IntegersArePlainDigits) {
    EXPECT_EQ(numberText(std::int16_t{1500}), "1500");
    EXPECT_EQ(numberText(std::int16_t{-32768}), "-32768");
    EXPECT_EQ(numberText(std::int32_t{2147483647}), "2147483647");
    EXPECT_EQ(numberText(std::int64_t{0}), "0");
}

}  // namespace
}  // namespace korvath
