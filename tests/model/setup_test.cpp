// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup.hpp"

#include <gtest/gtest.h>

#include "session.hpp"

namespace korvath {
namespace {

TEST(Setup, ValuesAreReadByTheOptionsRulesAndAnyOtherIsRefused) {
    struct Case {
        SetupOption option;
        std::string_view value;
        bool read;
    };
    using O = SetupOption;
    const Case cases[] = {
        {O::Body, "earth", true},       {O::Body, "Sun", true},
        {O::Body, "moon", false},       {O::Body, "sun ", false},
        {O::RadiusBars, "79,50", true}, {O::MassBars, " 0 , +100", true},
        {O::MassBars, "101,50", false}, {O::MassBars, "50,-1", false},
        {O::MassBars, "50", false},     {O::MassBars, "50,50,50", false},
        {O::MassBars, "5e1,50", false}, {O::BeamStart, "6150", true},
        {O::BeamStart, "6200", false},  {O::BeamStart, "1525", false},
        {O::BeamStart, "", false},      {O::Trace, "", true},
        {O::Trace, "1", false},         {O::Rays, "1500, 800,300", true},
        {O::Rays, "1500,", false},      {O::Rays, "50,50,50,50,50,50", true},
        {O::Rays, "1525", false},       {O::Rays, "50,50,50,50,50,50,50", false},
    };
    for (const Case& c : cases) {
        korvath::Setup setup;
        EXPECT_EQ(readSetupValue(setup, c.option, c.value), c.read)
            << setupOptionName(c.option) << "=" << c.value;
        if (!c.read) {
            EXPECT_EQ(setup, korvath::Setup{}) << "a refused value leaves the setup as it was";
        }
    }
}

// Applied in order (a coarse bar puts its fine bar back to 50, so the fine
// one comes second), the setup a session shows brings a new one to the same
// state, and every value it writes reads back.
TEST(Setup, ASessionsSetupBringsANewSessionIntoTheSameState) {
    korvath::Setup asked;
    for (auto [option, value] : {std::pair{SetupOption::Body, "sun"},
                                 {SetupOption::RadiusBars, "40,61"},
                                 {SetupOption::MassBars, "79,50"},
                                 {SetupOption::BeamStart, "2500"},
                                 {SetupOption::Trace, ""}})
        ASSERT_TRUE(readSetupValue(asked, option, value));
    Session first;
    first.start();
    ASSERT_EQ(applySetup(first, asked), std::nullopt);
    const korvath::Setup shown = setupOf(first);
    EXPECT_EQ(shown, asked);
    EXPECT_EQ(first.bar(Bar::RadiusFine), 61);

    korvath::Setup reread;
    for (SetupOption option : kSetupOptions) {
        EXPECT_EQ(setupOptionNamed(setupOptionName(option)), option);
        if (!setupValueText(shown, option).empty() ||
            (option == SetupOption::Trace && shown.trace)) {
            ASSERT_TRUE(readSetupValue(reread, option, setupValueText(shown, option)));
        }
    }
    EXPECT_EQ(reread, shown);

    first.setBar(Bar::MassFine, 51);  // the body drawn anew: no ray on it
    EXPECT_FALSE(setupOf(first).trace);

    // Kept rays are set up again ray by ray, and the beam start after them.
    korvath::Setup fan;
    fan.rays = {1500, 800, 300};
    fan.radiusBars = fan.massBars = std::pair{50, 50};
    fan.beamStart = 2000;
    Session second;
    second.start();
    ASSERT_EQ(applySetup(second, fan), std::nullopt);
    EXPECT_EQ(second.rays().size(), 3u);
    EXPECT_EQ(setupOf(second), fan);
}

TEST(Setup, ABodyTheSessionCannotComputeIsTheOptionThatFailed) {
    Session session;
    session.start();
    ASSERT_TRUE(session.choose({3e100, kEarth.mass}));  // computes; twice as large does not
    korvath::Setup setup;
    setup.radiusBars = std::pair{51, 50};
    setup.trace = true;
    EXPECT_EQ(applySetup(session, setup), SetupOption::RadiusBars);
}

}  // namespace
}  // namespace korvath
