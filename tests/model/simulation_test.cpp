// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation.hpp"

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

// ---------------------------------------------------------------------------
// Start-up

TEST(StartUp, LoadSetsTheBarsTheEarthAndTheBeamStartButShowsNothing) {
    Rig rig;
    rig.sim.load();
    EXPECT_EQ(rig.bars.values, (std::array<std::int16_t, 4>{50, 50, 50, 50}));
    for (ShownValue id : {ShownValue::RadiusCoarsePosition, ShownValue::RadiusFinePosition,
                          ShownValue::MassCoarsePosition, ShownValue::MassFinePosition})
        EXPECT_EQ(rig.text(id), "50");
    EXPECT_EQ(rig.text(ShownValue::BeamStart), "1500");
    for (ShownValue id : kResultLabels)
        EXPECT_EQ(rig.text(id), "") << static_cast<int>(id);
    EXPECT_TRUE(rig.surface.ops.empty());
    EXPECT_EQ(rig.sim.computeCount(), 0);

    const SimState& s = rig.state;
    EXPECT_EQ(s.ready, false);
    EXPECT_EQ(s.radius, 6378000);
    EXPECT_EQ(s.presetRadius, 6378000);
    EXPECT_EQ(s.coarseRadius, 6378000);
    EXPECT_EQ(s.mass, 5.59736e24);
    EXPECT_EQ(s.presetMass, 5.59736e24);
    EXPECT_EQ(s.coarseMass, 5.59736e24);
    EXPECT_EQ(s.beamX, VariantNumber::int16(8100));
    EXPECT_EQ(s.beamY, VariantNumber::int16(1500));
    EXPECT_EQ(s.markerX, VariantNumber::int16(8100));
    EXPECT_EQ(s.markerY, 1500);
}

TEST(StartUp, FirstTickShowsTheEarthAndLaterTicksDoNothing) {
    Rig rig;
    rig.sim.load();
    rig.sim.tick();
    EXPECT_EQ(rig.state.ready, true);
    EXPECT_EQ(rig.sim.computeCount(), 1);
    EXPECT_EQ(rig.text(ShownValue::Radius), "6378000");
    EXPECT_EQ(rig.text(ShownValue::Mass), "5.59736E+24");
    EXPECT_EQ(rig.text(ShownValue::Density), "5.15040585101977");
    EXPECT_EQ(rig.text(ShownValue::SchwarzschildRadius), "0.00826186203267893");
    EXPECT_EQ(rig.values.insideSchwarzschild, false);
    EXPECT_EQ(rig.text(ShownValue::CurvatureAt1Radius), "3.20341146262659E-23");
    EXPECT_EQ(rig.text(ShownValue::CurvatureAt2Radii), "4.00426432828324E-24");

    const auto writes = rig.values.writes;
    const auto ops = rig.surface.ops.size();
    rig.sim.tick();
    rig.sim.tick();
    EXPECT_EQ(rig.sim.computeCount(), 1);
    EXPECT_EQ(rig.values.writes, writes);
    EXPECT_EQ(rig.surface.ops.size(), ops);
}

TEST(StartUp, BarsMovedBeforeTheFirstTickChangeNothing) {
    Rig rig;
    rig.sim.load();
    rig.moveBar(Bar::RadiusCoarse, 60);
    rig.moveBar(Bar::MassFine, 10);
    EXPECT_EQ(rig.text(ShownValue::RadiusCoarsePosition), "50");
    EXPECT_EQ(rig.text(ShownValue::MassFinePosition), "50");
    EXPECT_EQ(rig.state.radius, kEarth.radius);
    EXPECT_EQ(rig.state.mass, kEarth.mass);
    EXPECT_EQ(rig.sim.computeCount(), 0);
    // The first tick shows the body as the fields hold it, not as the bars stand.
    rig.sim.tick();
    EXPECT_EQ(rig.text(ShownValue::Radius), "6378000");
    EXPECT_EQ(rig.bars.value(Bar::RadiusCoarse), 60);
}

// ---------------------------------------------------------------------------
// Presets

TEST(Presets, PresetBeforeTheFirstTickShowsAtOnceAndTheTickShowsItAgain) {
    Rig rig;
    rig.sim.load();
    rig.sim.clickPreset(kSun);
    EXPECT_EQ(rig.sim.computeCount(), 1);
    EXPECT_EQ(rig.text(ShownValue::Radius), "696000000");
    EXPECT_EQ(rig.text(ShownValue::Mass), "1.989E+30");
    rig.sim.tick();
    EXPECT_EQ(rig.sim.computeCount(), 2);
    EXPECT_EQ(rig.text(ShownValue::SchwarzschildRadius), "2945.3830090664");
}

TEST(Presets, SunWithAllBarsAtFiftyRecomputesOnce) {
    Rig rig;
    rig.started();
    rig.sim.clickPreset(kSun);
    EXPECT_EQ(rig.sim.computeCount(), 2);
    EXPECT_EQ(rig.state.radius, 696000000);
    EXPECT_EQ(rig.state.presetRadius, 696000000);
    EXPECT_EQ(rig.state.coarseRadius, 696000000);
    EXPECT_EQ(rig.state.mass, kSun.mass);
    EXPECT_EQ(rig.state.presetMass, kSun.mass);
    EXPECT_EQ(rig.state.coarseMass, kSun.mass);
    EXPECT_EQ(rig.text(ShownValue::Mass), "1.989E+30");
}

TEST(Presets, EarthTwiceStoresTheSameValuesWithOneRecomputationEach) {
    Rig rig;
    rig.started();
    rig.sim.clickPreset(kEarth);
    rig.sim.clickPreset(kEarth);
    EXPECT_EQ(rig.sim.computeCount(), 3);
    EXPECT_EQ(rig.state.radius, kEarth.radius);
}

TEST(Presets, BarsAwayFromFiftyRunTheirHandlersNestedWithThePreviousPreset) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::RadiusCoarse, 60);  // coarse radius
    rig.moveBar(Bar::RadiusFine, 70);    // fine radius
    rig.moveBar(Bar::MassCoarse, 45);    // coarse mass
    rig.moveBar(Bar::MassFine, 20);      // fine mass
    const long before = rig.sim.computeCount();

    rig.sim.clickPreset(kSun);
    // radiusCoarseBar back to 50: coarse handler (1), its fine bar reset runs the
    // fine handler (2); massCoarseBar likewise (3, 4); then the Sun itself (5).
    EXPECT_EQ(rig.sim.computeCount() - before, 5);
    EXPECT_EQ(rig.bars.values, (std::array<std::int16_t, 4>{50, 50, 50, 50}));
    for (ShownValue id : {ShownValue::RadiusCoarsePosition, ShownValue::RadiusFinePosition,
                          ShownValue::MassCoarsePosition, ShownValue::MassFinePosition})
        EXPECT_EQ(rig.text(id), "50");
    EXPECT_EQ(rig.text(ShownValue::Radius), "696000000");
    EXPECT_EQ(rig.state.coarseRadius, kSun.radius);
    EXPECT_EQ(rig.state.coarseMass, kSun.mass);
}

TEST(Presets, OnlyAFineBarAwayFromFiftyRecomputesOnceMore) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::MassFine, 80);
    const long before = rig.sim.computeCount();
    rig.sim.clickPreset(kEarth);
    EXPECT_EQ(rig.sim.computeCount() - before, 2);
    EXPECT_EQ(rig.text(ShownValue::MassFinePosition), "50");
}

TEST(Presets, SunAfterTheCoarseRadiusBarMovedDrawsTheEarthRadiusFirst) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::RadiusCoarse, 60);
    std::vector<std::string> radii;
    // The radius shown when each scene is drawn.
    rig.surface.onClear = [&] { radii.push_back(rig.text(ShownValue::Radius)); };
    rig.sim.clickPreset(kSun);
    EXPECT_EQ(radii, (std::vector<std::string>{"6378000", "696000000"}));
    rig.surface.onClear = nullptr;
    // 1 % above the Sun's radius.
    rig.moveBar(Bar::RadiusFine, 51);
    EXPECT_EQ(rig.state.radius, 702960000);
}

// ---------------------------------------------------------------------------
// Parameter bars

// The relation the bars and the body fields keep after every handler.
void expectInvariants(const Rig& rig) {
    const SimState& s = rig.state;
    auto scale = [](double base, int h) {
        const int n = h - 50;
        return n > 0 ? std::pow(2.0, n) * base : n < 0 ? base / std::pow(2.0, -n) : base;
    };
    const auto& h = rig.bars.values;
    EXPECT_EQ(s.coarseRadius, scale(s.presetRadius, h[0]));
    EXPECT_EQ(s.coarseMass, scale(s.presetMass, h[1]));
    EXPECT_EQ(s.radius, (h[2] - 50) * (s.coarseRadius / 100) + s.coarseRadius);
    EXPECT_EQ(s.mass, (h[3] - 50) * (s.coarseMass / 100) + s.coarseMass);
}

TEST(ParameterBars, CoarseRadiusDoublesAndShowsItsValue) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::RadiusCoarse, 51);
    EXPECT_EQ(rig.state.radius, 12756000);
    EXPECT_EQ(rig.state.coarseRadius, 12756000);
    EXPECT_EQ(rig.text(ShownValue::RadiusCoarsePosition), "51");
    EXPECT_EQ(rig.text(ShownValue::Radius), "12756000");
    EXPECT_EQ(rig.sim.computeCount(), 2);  // the fine bar was already at 50
    expectInvariants(rig);
}

TEST(ParameterBars, CoarseThenFineThenCoarseResetsTheFineBarWithASecondRecomputation) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::RadiusCoarse, 40);
    EXPECT_EQ(rig.state.radius, 6228.515625);
    rig.moveBar(Bar::RadiusFine, 60);
    EXPECT_EQ(rig.state.radius, 6851.3671875);
    EXPECT_EQ(rig.state.coarseRadius, 6228.515625);
    EXPECT_EQ(rig.text(ShownValue::RadiusFinePosition), "60");
    expectInvariants(rig);

    // radiusFineValue is written (by the nested fine handler) before radiusCoarseValue.
    const long before = rig.sim.computeCount();
    rig.moveBar(Bar::RadiusCoarse, 41);
    EXPECT_EQ(rig.sim.computeCount() - before, 2);
    EXPECT_EQ(rig.state.radius, 12457.03125);
    EXPECT_EQ(rig.bars.value(Bar::RadiusFine), 50);
    EXPECT_EQ(rig.text(ShownValue::RadiusFinePosition), "50");
    EXPECT_EQ(rig.text(ShownValue::RadiusCoarsePosition), "41");
    expectInvariants(rig);
}

TEST(ParameterBars, FineRadiusAtItsEndsHalvesAndOneAndAHalfTimesTheRadius) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::RadiusFine, 0);
    EXPECT_EQ(rig.state.radius, 3189000);
    rig.moveBar(Bar::RadiusFine, 100);
    EXPECT_EQ(rig.state.radius, 9567000);
    EXPECT_EQ(rig.state.coarseRadius, kEarth.radius);
    expectInvariants(rig);
}

TEST(ParameterBars, CoarseMassQuadruplesAtFiftyTwo) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::MassCoarse, 52);
    EXPECT_EQ(rig.state.mass, 2.238944e25);
    EXPECT_EQ(rig.text(ShownValue::MassCoarsePosition), "52");
    EXPECT_EQ(rig.text(ShownValue::Mass), "2.238944E+25");
    expectInvariants(rig);
}

TEST(ParameterBars, SunWithBothRadiusBarsAtTheTopComputesWithoutError) {
    Rig rig;
    rig.started();
    rig.sim.clickPreset(kSun);
    rig.moveBar(Bar::RadiusCoarse, 100);
    rig.moveBar(Bar::RadiusFine, 100);
    EXPECT_NEAR(rig.state.radius, 1.1754395e24, 1e17);
    EXPECT_TRUE(rig.reporter.faults.empty());
    EXPECT_EQ(rig.text(ShownValue::Radius), numberText(rig.state.radius));
    expectInvariants(rig);
}

TEST(ParameterBars, EarthWithBothRadiusBarsAtTheBottomComputesAndDraws) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::RadiusCoarse, 0);
    EXPECT_NEAR(rig.state.radius, 5.6648e-9, 0.0001e-9);
    for (int v = 49; v >= 0; --v)
        rig.moveBar(Bar::RadiusFine, v);
    EXPECT_NEAR(rig.state.radius, 2.8324010e-9, 0.0000001e-9);
    EXPECT_TRUE(rig.reporter.faults.empty());
    EXPECT_EQ(rig.text(ShownValue::Radius), numberText(rig.state.radius));
    EXPECT_EQ(rig.text(ShownValue::RadiusFinePosition), "0");
    expectInvariants(rig);
}

TEST(ParameterBars, EveryBarPositionOfBothPresetsComputes) {
    for (const Preset& preset : {kEarth, kSun}) {
        for (int coarse : {0, 1, 25, 49, 50, 51, 75, 99, 100}) {
            for (int fine : {0, 1, 19, 20, 50, 99, 100}) {
                Rig rig;
                rig.started();
                rig.sim.clickPreset(preset);
                rig.moveBar(Bar::RadiusCoarse, coarse);
                rig.moveBar(Bar::RadiusFine, fine);
                rig.moveBar(Bar::MassCoarse, 100 - coarse);
                rig.moveBar(Bar::MassFine, 100 - fine);
                EXPECT_TRUE(rig.reporter.faults.empty())
                    << coarse << "/" << fine << ": "
                    << static_cast<int>(rig.reporter.faults.front().kind);
                expectInvariants(rig);
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Faults: nothing shown, the event undone, a message

TEST(Faults, ComputeAndDrawShowsNothingForABodyThatCannotBeComputed) {
    Rig rig;
    rig.started();
    const auto texts = rig.values.texts;
    const auto inside = rig.values.insideSchwarzschild;
    const auto ops = rig.surface.ops.size();
    for (auto [radius, mass] : {std::pair{0.0, kEarth.mass},
                                {kEarth.radius, 0.0},
                                {-1.0, kEarth.mass},
                                {std::nan(""), 1.0},
                                {1e101, 1.0},
                                {1e50, 1e-130},
                                {INFINITY, 1.0}}) {
        rig.state.radius = radius;
        rig.state.mass = mass;
        const auto fault = rig.sim.computeAndDraw();
        ASSERT_TRUE(fault.has_value());
        EXPECT_EQ(rig.values.texts, texts);
        EXPECT_EQ(rig.values.insideSchwarzschild, inside);
        EXPECT_EQ(rig.surface.ops.size(), ops);
    }
}

TEST(Faults, AFailedBarChangePutsTheBodyAndTheBarBackAndReportsIt) {
    Rig rig;
    rig.started();
    rig.state.presetRadius = 0;  // only reachable through the model
    const auto texts = rig.values.texts;
    const auto ops = rig.surface.ops.size();
    rig.moveBar(Bar::RadiusCoarse, 51);
    ASSERT_EQ(rig.reporter.faults.size(), 1u);
    EXPECT_EQ(rig.reporter.faults[0].kind, Fault::Kind::Radius);
    EXPECT_EQ(rig.reporter.faults[0].value, 0);
    EXPECT_EQ(rig.state.radius, kEarth.radius);
    EXPECT_EQ(rig.state.coarseRadius, kEarth.radius);
    EXPECT_EQ(rig.bars.value(Bar::RadiusCoarse), 50);
    EXPECT_EQ(rig.values.texts, texts);
    EXPECT_EQ(rig.surface.ops.size(), ops);
    // The program goes on.
    rig.moveBar(Bar::MassCoarse, 51);
    EXPECT_EQ(rig.state.mass, 2 * kEarth.mass);
    EXPECT_EQ(rig.reporter.faults.size(), 1u);
}

TEST(Faults, AFailedPresetIsUndoneAsAWholeAndTheBodyBeforeItIsShownAgain) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::RadiusCoarse, 55);
    rig.moveBar(Bar::MassCoarse, 60);
    rig.state.presetMass = -1;  // the coarse mass handler, nested in the click, fails
    const SimState before = rig.state;
    rig.sim.clickPreset(kSun);
    ASSERT_EQ(rig.reporter.faults.size(), 1u);
    EXPECT_EQ(rig.reporter.faults[0].kind, Fault::Kind::Mass);
    EXPECT_EQ(rig.reporter.faults[0].value, -1);
    EXPECT_EQ(rig.state.radius, before.radius);
    EXPECT_EQ(rig.state.mass, before.mass);
    EXPECT_EQ(rig.state.presetRadius, before.presetRadius);
    EXPECT_EQ(rig.state.coarseRadius, before.coarseRadius);
    EXPECT_EQ(rig.bars.value(Bar::RadiusCoarse), 55);
    EXPECT_EQ(rig.bars.value(Bar::MassCoarse), 60);
    EXPECT_EQ(rig.text(ShownValue::RadiusCoarsePosition), "55");
    EXPECT_EQ(rig.text(ShownValue::MassCoarsePosition), "60");
    // The coarse radius handler had shown the Earth's preset radius; the
    // restored body is shown again.
    EXPECT_EQ(rig.text(ShownValue::Radius), numberText(before.radius));
}

TEST(Faults, AFailedFirstTickStillStartsTheDisplayAndReportsOnce) {
    Rig rig;
    rig.sim.load();
    rig.state.mass = 0;
    rig.sim.tick();
    rig.sim.tick();
    EXPECT_EQ(rig.state.ready, true);
    ASSERT_EQ(rig.reporter.faults.size(), 1u);
    EXPECT_EQ(rig.reporter.faults[0].kind, Fault::Kind::Mass);
    EXPECT_EQ(rig.reporter.faults[0].value, 0);
    EXPECT_EQ(rig.text(ShownValue::Radius), "");
}

}  // namespace
}  // namespace korvath
