// SPDX-License-Identifier: GPL-3.0-or-later
// Where the "HELP" window goes: the screen's size rounded to whole numbers,
// then half less a quarter of the width across and a quarter of the height
// down, in whole-number division.
#include <gtest/gtest.h>

#include "splash_place.hpp"

namespace korvath::help {
namespace {

TEST(SplashPlace, HalfLessAQuarterAcrossAndAQuarterDownInWholeNumbers) {
    EXPECT_EQ(splashPlace(19200, 10800), (SplashPlace{4800, 2700}));
    // 7 / 2 - 7 / 4 = 3 - 1, not 7 / 4; 7 / 4 = 1.
    EXPECT_EQ(splashPlace(7, 7), (SplashPlace{2, 1}));
    // The size is rounded before it is divided: 15.5 to 16, not cut to 15.
    EXPECT_EQ(splashPlace(15.5f, 15.5f), (SplashPlace{4, 4}));
}

TEST(SplashPlace, ASizeBeyondThirtyTwoBitsIsAnOverflow) {
    EXPECT_THROW(splashPlace(3e9f, 100), ArithmeticError);
    EXPECT_THROW(splashPlace(100, -3e9f), ArithmeticError);
}

}  // namespace
}  // namespace korvath::help
