// SPDX-License-Identifier: GPL-3.0-or-later
// The window under the desktop's locale: the digits and notation of every
// value are those of the C locale, only the decimal separator is the user's,
// and whole numbers are never grouped. The ctest entries locale_* run this
// with LANG, LC_ALL or LC_NUMERIC set and the separator they must give.
#include <gtest/gtest.h>

#include <QLocale>
#include <cstdlib>

#include "body_quantities.hpp"
#include "number_text.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

class UsersLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* separator = std::getenv("KORVATH_EXPECT_SEPARATOR");
        if (!separator) GTEST_SKIP() << "run by the locale_* ctest entries";
        separator_ = QString::fromUtf8(separator);
        // The locale must really be in force (scripts/test generates it).
        ASSERT_EQ(QLocale().decimalPoint(), separator_)
            << "the desktop's locale was not applied; is it generated?";
    }
    // A number as the window must show it: the C text with the separator.
    QString shown(double value) const {
        return QString::fromStdString(numberText(value)).replace('.', separator_);
    }
    QString separator_;
};

TEST_F(UsersLocale, EveryValueIsTheCTextWithTheUsersSeparator) {
    WindowRig rig;
    // The Earth, then bodies with plain and exponent texts, large and small.
    for (int step = 0; step < 4; ++step) {
        if (step == 1) rig.bar("massCoarseBar")->setValue(79);
        if (step == 2) rig.bar("radiusFineBar")->setValue(13);
        if (step == 3) rig.click("sunButton");
        const SimState& s = rig.window->session().state();
        const auto derived = deriveBody(s.radius, s.mass);
        ASSERT_TRUE(std::holds_alternative<BodyQuantities>(derived));
        const BodyQuantities& q = std::get<BodyQuantities>(derived);
        EXPECT_EQ(rig.text("radiusValue"), shown(q.radius));
        EXPECT_EQ(rig.text("massValue"), shown(q.mass));
        EXPECT_EQ(rig.text("densityValue"), shown(q.density));
        EXPECT_EQ(rig.text("schwarzschildRadiusValue"), shown(q.search.schwarzschildRadius));
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(rig.text(testing::nameShowing(kCurvatureValues[i])),
                      shown(q.samples[i].curvature));
            EXPECT_EQ(rig.text(testing::nameShowing(kRadiusOfCurvatureValues[i])),
                      shown(q.samples[i].radiusOfCurvature));
        }
    }
    EXPECT_EQ(rig.text("massValue"), "1" + separator_ + "989E+30");
    // Whole numbers: plain digits, never grouped.
    for (int i = 0; i < 20; ++i)
        rig.click("beamDownButton");
    EXPECT_EQ(rig.text("beamStartValue"), "2500");
    EXPECT_EQ(rig.text("radiusFineValue"), "50");
}

TEST_F(UsersLocale, AFaultNamesItsNumberWithTheUsersSeparator) {
    WindowRig rig;
    rig.window->session().choose({-0.25, kEarth.mass});  // no control reaches this
    EXPECT_EQ(
        rig.window->faultNotice().lastMessage().toStdString(),
        ("The body cannot be computed: its radius is -0" + separator_ + "25 m.").toStdString());
}

}  // namespace
}  // namespace korvath
