// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "fakes.hpp"
#include "number_text.hpp"

namespace korvath {
namespace {

using testing::Rig;

constexpr std::array kResultLabels{ShownValue::Radius,
                                   ShownValue::Mass,
                                   ShownValue::Density,
                                   ShownValue::SchwarzschildRadius,
                                   ShownValue::CurvatureAt1Radius,
                                   ShownValue::RadiusOfCurvatureAt1Radius,
                                   ShownValue::CurvatureAt1_5Radii,
                                   ShownValue::RadiusOfCurvatureAt1_5Radii,
                                   ShownValue::CurvatureAt2Radii,
                                   ShownValue::RadiusOfCurvatureAt2Radii,
                                   ShownValue::CurvatureAt2_5Radii,
                                   ShownValue::RadiusOfCurvatureAt2_5Radii};

// Counts the notifications a session sends.
struct Counter final : SessionView {
    int changes = 0;
    SessionChange last;
    void sessionChanged(const Session&, const SessionChange& change) override {
        ++changes;
        last = change;
    }
};

// Every bar at 50, and its shown position too.
void expectBarsAtFifty(const Rig& rig) {
    for (Bar b : kAllBars) {
        EXPECT_EQ(rig.session.bar(b), 50);
        EXPECT_EQ(rig.text(positionOf(b)), "50");
    }
}

// ---------------------------------------------------------------------------
// Start-up

TEST(StartUp, TheEarthWithEveryBarAtFiftyAndNothingComputedUntilTheStart) {
    Rig rig;
    expectBarsAtFifty(rig);
    EXPECT_EQ(rig.text(ShownValue::BeamStart), "1500");
    for (ShownValue id : kResultLabels)
        EXPECT_EQ(rig.text(id), "") << static_cast<int>(id);
    EXPECT_EQ(rig.session.schwarzschildMark(), SchwarzschildMark::NotComputed);
    EXPECT_EQ(rig.state.radius, kEarth.radius);
    EXPECT_EQ(rig.state.mass, kEarth.mass);
    EXPECT_EQ(rig.state.beamY, VariantNumber::int16(1500));

    rig.session.start();
    EXPECT_EQ(rig.session.computeCount(), 1);
    EXPECT_EQ(rig.text(ShownValue::Radius), "6378000");
    EXPECT_EQ(rig.text(ShownValue::Mass), "5.59736E+24");
    EXPECT_EQ(rig.text(ShownValue::Density), "5.15040585101977");
    EXPECT_EQ(rig.text(ShownValue::SchwarzschildRadius), "0.00826186203267893");
    EXPECT_EQ(rig.session.schwarzschildMark(), SchwarzschildMark::Outside);
    EXPECT_EQ(rig.text(ShownValue::CurvatureAt1Radius), "3.20341146262659E-23");
    EXPECT_EQ(rig.text(ShownValue::CurvatureAt2Radii), "4.00426432828324E-24");

    const auto ops = rig.surface.ops.size();
    rig.session.start();
    EXPECT_EQ(rig.session.computeCount(), 1);
    EXPECT_EQ(rig.surface.ops.size(), ops);
}

TEST(StartUp, BarsMovedBeforeTheStartOnlyMove) {
    Rig rig;
    rig.moveBar(Bar::RadiusCoarse, 60);
    rig.moveBar(Bar::MassFine, 10);
    EXPECT_EQ(rig.session.bar(Bar::RadiusCoarse), 60);
    EXPECT_EQ(rig.text(ShownValue::RadiusCoarsePosition), "50");
    EXPECT_EQ(rig.text(ShownValue::MassFinePosition), "50");
    EXPECT_EQ(rig.session.computeCount(), 0);
    // The start shows the body as it was, not as the bars stand.
    rig.session.start();
    EXPECT_EQ(rig.text(ShownValue::Radius), "6378000");
    EXPECT_EQ(rig.session.bar(Bar::RadiusCoarse), 60);
}

// ---------------------------------------------------------------------------
// Choosing a body

TEST(Bodies, ABodyChosenBeforeTheStartShowsAtOnce) {
    Rig rig;
    rig.session.choose(kSun);
    EXPECT_EQ(rig.text(ShownValue::Radius), "696000000");
    EXPECT_EQ(rig.text(ShownValue::Mass), "1.989E+30");
    EXPECT_EQ(rig.text(ShownValue::SchwarzschildRadius), "2945.3830090664");
}

TEST(Bodies, ChoosingPutsEveryBarBackToFiftyWithOneComputation) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::RadiusCoarse, 60);
    rig.moveBar(Bar::RadiusFine, 70);
    rig.moveBar(Bar::MassCoarse, 45);
    rig.moveBar(Bar::MassFine, 20);
    const long before = rig.session.computeCount();
    rig.session.choose(kSun);
    EXPECT_EQ(rig.session.computeCount() - before, 1);
    expectBarsAtFifty(rig);
    EXPECT_EQ(rig.text(ShownValue::Radius), "696000000");
    EXPECT_EQ(rig.state.coarseRadius, kSun.radius);
    EXPECT_EQ(rig.state.coarseMass, kSun.mass);
    // The fine bar now works on the Sun: 1 % above its radius.
    rig.moveBar(Bar::RadiusFine, 51);
    EXPECT_EQ(rig.state.radius, 702960000);
}

// ---------------------------------------------------------------------------
// Parameter bars

// The relation the bars and the body keep after every intent.
void expectInvariants(const Rig& rig) {
    const SimState& s = rig.state;
    auto scale = [](double base, int h) {
        const int n = h - 50;
        return n > 0 ? std::ldexp(1.0, n) * base : n < 0 ? base / std::ldexp(1.0, -n) : base;
    };
    const auto h = [&](Bar b) { return rig.session.bar(b); };
    EXPECT_EQ(s.coarseRadius, scale(s.presetRadius, h(Bar::RadiusCoarse)));
    EXPECT_EQ(s.coarseMass, scale(s.presetMass, h(Bar::MassCoarse)));
    EXPECT_EQ(s.radius, (h(Bar::RadiusFine) - 50) * (s.coarseRadius / 100) + s.coarseRadius);
    EXPECT_EQ(s.mass, (h(Bar::MassFine) - 50) * (s.coarseMass / 100) + s.coarseMass);
    for (Bar b : kAllBars)
        EXPECT_EQ(rig.text(positionOf(b)), std::to_string(h(b)));
    EXPECT_EQ(rig.text(ShownValue::Radius), numberText(s.radius));
    EXPECT_EQ(rig.text(ShownValue::Mass), numberText(s.mass));
}

TEST(ParameterBars, ACoarseStepScalesByTwoAndPutsTheFineBarBackInOnePass) {
    Rig rig;
    rig.started();
    Counter counter;
    rig.session.addView(counter);
    rig.moveBar(Bar::RadiusCoarse, 40);
    EXPECT_EQ(rig.state.radius, 6228.515625);
    rig.moveBar(Bar::RadiusFine, 60);
    EXPECT_EQ(rig.state.radius, 6851.3671875);
    EXPECT_EQ(rig.state.coarseRadius, 6228.515625);
    expectInvariants(rig);

    const long before = rig.session.computeCount();
    rig.moveBar(Bar::RadiusCoarse, 41);
    EXPECT_EQ(rig.session.computeCount() - before, 1);
    EXPECT_EQ(counter.changes, 3);  // one notification for each of the three moves
    EXPECT_TRUE(counter.last.bars && counter.last.values && counter.last.scene);
    EXPECT_EQ(rig.state.radius, 12457.03125);
    EXPECT_EQ(rig.session.bar(Bar::RadiusFine), 50);
    expectInvariants(rig);

    rig.moveBar(Bar::MassCoarse, 52);
    EXPECT_EQ(rig.text(ShownValue::Mass), "2.238944E+25");
    rig.moveBar(Bar::RadiusFine, 0);
    EXPECT_EQ(rig.state.radius, 6228.515625);
    rig.moveBar(Bar::RadiusFine, 100);
    EXPECT_EQ(rig.state.radius, 18685.546875);
    expectInvariants(rig);
}

TEST(ParameterBars, APositionOutOfRangeOrUnchangedIsRefusedAndTellsNoView) {
    Rig rig;
    rig.started();
    Counter counter;
    rig.session.addView(counter);
    EXPECT_FALSE(rig.session.setBar(Bar::MassFine, 101));
    EXPECT_FALSE(rig.session.setBar(Bar::MassFine, -1));
    EXPECT_FALSE(rig.session.setBar(Bar::MassFine, 50));
    EXPECT_EQ(counter.changes, 0);
    EXPECT_EQ(rig.session.bar(Bar::MassFine), 50);
}

TEST(ParameterBars, EveryBarPositionOfBothBodiesComputes) {
    for (const Preset& preset : {kEarth, kSun}) {
        for (int coarse : {0, 1, 25, 49, 50, 51, 75, 99, 100}) {
            for (int fine : {0, 1, 19, 20, 50, 99, 100}) {
                Rig rig;
                rig.started();
                rig.session.choose(preset);
                rig.moveBar(Bar::RadiusCoarse, coarse);
                rig.moveBar(Bar::RadiusFine, fine);
                rig.moveBar(Bar::MassCoarse, 100 - coarse);
                rig.moveBar(Bar::MassFine, 100 - fine);
                EXPECT_TRUE(rig.faults.empty()) << coarse << "/" << fine;
                expectInvariants(rig);
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Faults: nothing changes, the fault is reported

TEST(Faults, ABodyThatCannotBeComputedChangesNothing) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::RadiusCoarse, 55);
    const auto texts = [&] {
        std::vector<std::string> t;
        for (int i = 0; i < kShownValueCount; ++i)
            t.push_back(rig.text(static_cast<ShownValue>(i)));
        return t;
    };
    const auto before = texts();
    const SimState state = rig.state;
    const auto ops = rig.surface.ops.size();
    for (Preset body : {Preset{0.0, kEarth.mass}, Preset{kEarth.radius, 0.0}, Preset{-1.0, 1.0},
                        Preset{std::nan(""), 1.0}, Preset{1e101, 1.0}, Preset{1e50, 1e-130},
                        Preset{INFINITY, 1.0}}) {
        EXPECT_FALSE(rig.session.choose(body));
        EXPECT_EQ(texts(), before);
        EXPECT_EQ(rig.state.radius, state.radius);
        EXPECT_EQ(rig.state.presetRadius, state.presetRadius);
        EXPECT_EQ(rig.session.bar(Bar::RadiusCoarse), 55);
        EXPECT_EQ(rig.surface.ops.size(), ops);
    }
    ASSERT_EQ(rig.faults.size(), 7u);
    EXPECT_EQ(rig.faults[0].kind, Fault::Kind::Radius);
    EXPECT_EQ(rig.faults[1].kind, Fault::Kind::Mass);
    EXPECT_EQ(rig.faults[4].kind, Fault::Kind::Volume);
}

TEST(Faults, ABarStepWhoseBodyFailsLeavesTheBarWhereItStood) {
    Rig rig;
    rig.started();
    ASSERT_TRUE(rig.session.choose({3e100, kEarth.mass}));  // computes; twice as large does not
    Counter counter;
    rig.session.addView(counter);
    EXPECT_FALSE(rig.session.setBar(Bar::RadiusCoarse, 51));
    ASSERT_EQ(rig.faults.size(), 1u);
    EXPECT_EQ(rig.faults[0].kind, Fault::Kind::Volume);
    EXPECT_EQ(rig.session.bar(Bar::RadiusCoarse), 50);
    EXPECT_EQ(rig.text(ShownValue::RadiusCoarsePosition), "50");
    EXPECT_EQ(rig.state.radius, 3e100);
    // The views hear of it once, with the bars to put back.
    EXPECT_EQ(counter.changes, 1);
    EXPECT_TRUE(counter.last.bars);
    EXPECT_FALSE(counter.last.scene);
    // The program goes on.
    EXPECT_TRUE(rig.session.setBar(Bar::MassCoarse, 51));
    EXPECT_EQ(rig.state.mass, 2 * kEarth.mass);
}

// ---------------------------------------------------------------------------
// The beam start

TEST(BeamStart, EachMoveHasItsStepAndItsBoundAndARefusedOneTellsNoView) {
    struct Case {
        int from;
        BeamMove move;
        int to;  // == from: refused
    };
    for (const Case& c : {
             Case{50, BeamMove::Up, 50},
             Case{50, BeamMove::BigUp, 50},
             Case{300, BeamMove::BigUp, 300},  // 300 - 300 is not above 0
             Case{300, BeamMove::Up, 250},
             Case{350, BeamMove::BigUp, 50},
             Case{100, BeamMove::Up, 50},
             Case{1500, BeamMove::Up, 1450},
             Case{6050, BeamMove::Down, 6050},  // 6100 is not below 6100
             Case{6000, BeamMove::Down, 6050},
             Case{5850, BeamMove::BigDown, 6150},
             Case{5900, BeamMove::BigDown, 5900},  // 6200 is not below 6200
             Case{6150, BeamMove::Down, 6150},
             Case{6150, BeamMove::BigDown, 6150},
             Case{1500, BeamMove::BigDown, 1800},
         }) {
        Rig rig;
        rig.started();
        if (c.from != 1500) {
            ASSERT_TRUE(rig.session.setBeamStart(c.from));
        }
        Counter counter;
        rig.session.addView(counter);
        EXPECT_EQ(rig.session.moveBeam(c.move), c.to != c.from) << c.from;
        EXPECT_EQ(counter.changes, c.to != c.from ? 1 : 0) << c.from;
        EXPECT_EQ(rig.state.beamY.value(), c.to) << c.from;
        EXPECT_EQ(rig.state.beamY.kind(), VariantNumber::Kind::Int16);
        EXPECT_EQ(rig.state.beamX, VariantNumber::int16(8100));
        EXPECT_EQ(rig.state.markerY, c.to) << c.from;
        EXPECT_EQ(rig.text(ShownValue::BeamStart), std::to_string(c.to)) << c.from;
    }
}

TEST(BeamStart, EveryHeightTheMoveButtonsReachCanBeSetDirectly) {
    Rig rig;
    rig.started();
    for (int y = 50; y <= 6150; y += 50) {
        if (y == rig.state.beamY.value()) continue;
        ASSERT_TRUE(rig.session.setBeamStart(y)) << y;
        EXPECT_EQ(rig.text(ShownValue::BeamStart), std::to_string(y));
        EXPECT_EQ(rig.state.markerY, y);
    }
    for (int y : {0, 25, 1525, 6200, -50})
        EXPECT_FALSE(rig.session.setBeamStart(y)) << y;
    EXPECT_EQ(rig.state.beamY.value(), 6150);
}

}  // namespace
}  // namespace korvath
