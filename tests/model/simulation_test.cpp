#include "simulation.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "fakes.hpp"
#include "number_text.hpp"

namespace korvath {
namespace {

using testing::Rig;

constexpr std::array kResultLabels{
    LabelId::Label2,     LabelId::Label4,      LabelId::Label10,     LabelId::Label12,
    LabelId::labhankei1, LabelId::labhankei1b, LabelId::labhankei15, LabelId::labhankei15b,
    LabelId::labhankei2, LabelId::labhankei2b, LabelId::labhankei25, LabelId::labhankei25b};

// ---------------------------------------------------------------------------
// Start-up

TEST(StartUp, LoadSetsTheBarsTheEarthAndTheBeamStartButShowsNothing) {
    Rig rig;
    rig.sim.load();
    EXPECT_EQ(rig.bars.values, (std::array<std::int16_t, 4>{50, 50, 50, 50}));
    for (LabelId id : {LabelId::labh1, LabelId::labh2, LabelId::labg1, LabelId::labg2})
        EXPECT_EQ(rig.text(id), "50");
    EXPECT_EQ(rig.text(LabelId::labkiti), "1500");
    for (LabelId id : kResultLabels)
        EXPECT_EQ(rig.text(id), "") << labelName(id);
    EXPECT_TRUE(rig.surface.ops.empty());
    EXPECT_EQ(rig.sim.computeCount(), 0);

    const SimState& s = rig.state;
    EXPECT_EQ(s.ready, 0);
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
    EXPECT_EQ(rig.state.ready, 1);
    EXPECT_EQ(rig.sim.computeCount(), 1);
    EXPECT_EQ(rig.text(LabelId::Label2), "6378000");
    EXPECT_EQ(rig.text(LabelId::Label4), "5.59736E+24");
    EXPECT_EQ(rig.text(LabelId::Label10), "5.15040585101977");
    EXPECT_EQ(rig.text(LabelId::Label12), "0.00826186203267893");
    EXPECT_EQ(rig.labels.color(LabelId::Label11), colors::kLabelGrey);
    EXPECT_EQ(rig.labels.color(LabelId::Label12), colors::kLabelGrey);
    EXPECT_EQ(rig.text(LabelId::labhankei1), "3.20341146262659E-23");
    EXPECT_EQ(rig.text(LabelId::labhankei2), "4.00426432828324E-24");

    const auto writes = rig.labels.writes;
    const auto ops = rig.surface.ops.size();
    rig.sim.tick();
    rig.sim.tick();
    EXPECT_EQ(rig.sim.computeCount(), 1);
    EXPECT_EQ(rig.labels.writes, writes);
    EXPECT_EQ(rig.surface.ops.size(), ops);
}

TEST(StartUp, AfterARecomputationTheWorkingValuesHoldTwoAndAHalfRadii) {
    Rig rig;
    rig.started();
    const Curvature at25 = evaluateCurvature(kEarth.mass, 2.5 * kEarth.radius);
    EXPECT_EQ(rig.state.gravTerm, at25.gravTerm);
    EXPECT_EQ(rig.state.curvature, at25.curvature);
    EXPECT_EQ(rig.state.curvatureRadius, at25.curvatureRadius);
}

TEST(StartUp, BarsMovedBeforeTheFirstTickChangeNothing) {
    Rig rig;
    rig.sim.load();
    rig.moveBar(Bar::HScroll1, 60);
    rig.moveBar(Bar::HScroll4, 10);
    EXPECT_EQ(rig.text(LabelId::labh1), "50");
    EXPECT_EQ(rig.text(LabelId::labg2), "50");
    EXPECT_EQ(rig.state.radius, kEarth.radius);
    EXPECT_EQ(rig.state.mass, kEarth.mass);
    EXPECT_EQ(rig.sim.computeCount(), 0);
    // The first tick shows the body as the fields hold it, not as the bars stand.
    rig.sim.tick();
    EXPECT_EQ(rig.text(LabelId::Label2), "6378000");
    EXPECT_EQ(rig.bars.value(Bar::HScroll1), 60);
}

// ---------------------------------------------------------------------------
// Presets

TEST(Presets, PresetBeforeTheFirstTickShowsAtOnceAndTheTickShowsItAgain) {
    Rig rig;
    rig.sim.load();
    rig.sim.clickPreset(kSun);
    EXPECT_EQ(rig.sim.computeCount(), 1);
    EXPECT_EQ(rig.text(LabelId::Label2), "696000000");
    EXPECT_EQ(rig.text(LabelId::Label4), "1.989E+30");
    rig.sim.tick();
    EXPECT_EQ(rig.sim.computeCount(), 2);
    EXPECT_EQ(rig.text(LabelId::Label12), "2945.3830090664");
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
    EXPECT_EQ(rig.text(LabelId::Label4), "1.989E+30");
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
    rig.moveBar(Bar::HScroll1, 60);  // coarse radius
    rig.moveBar(Bar::HScroll3, 70);  // fine radius
    rig.moveBar(Bar::HScroll2, 45);  // coarse mass
    rig.moveBar(Bar::HScroll4, 20);  // fine mass
    const long before = rig.sim.computeCount();

    rig.sim.clickPreset(kSun);
    // HScroll1 back to 50: coarse handler (1), its fine bar reset runs the
    // fine handler (2); HScroll2 likewise (3, 4); then the Sun itself (5).
    EXPECT_EQ(rig.sim.computeCount() - before, 5);
    EXPECT_EQ(rig.bars.values, (std::array<std::int16_t, 4>{50, 50, 50, 50}));
    for (LabelId id : {LabelId::labh1, LabelId::labh2, LabelId::labg1, LabelId::labg2})
        EXPECT_EQ(rig.text(id), "50");
    EXPECT_EQ(rig.text(LabelId::Label2), "696000000");
    EXPECT_EQ(rig.state.coarseRadius, kSun.radius);
    EXPECT_EQ(rig.state.coarseMass, kSun.mass);
}

TEST(Presets, OnlyAFineBarAwayFromFiftyRecomputesOnceMore) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::HScroll4, 80);
    const long before = rig.sim.computeCount();
    rig.sim.clickPreset(kEarth);
    EXPECT_EQ(rig.sim.computeCount() - before, 2);
    EXPECT_EQ(rig.text(LabelId::labg2), "50");
}

TEST(Presets, SunAfterTheCoarseRadiusBarMovedDrawsTheEarthRadiusFirst) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::HScroll1, 60);
    std::vector<std::string> radii;
    struct Spy final : SceneView {
        Rig& rig;
        std::vector<std::string>& radii;
        Spy(Rig& r, std::vector<std::string>& out) : rig(r), radii(out) {}
        void drawScene(double) override { radii.push_back(rig.text(LabelId::Label2)); }
        void drawBeamMarker() override {}
    } spy(rig, radii);
    rig.sim.setSceneView(&spy);
    rig.sim.clickPreset(kSun);
    EXPECT_EQ(radii, (std::vector<std::string>{"6378000", "696000000"}));
    rig.sim.setSceneView(&rig.scene);
    // 1 % above the Sun's radius.
    rig.moveBar(Bar::HScroll3, 51);
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
    rig.moveBar(Bar::HScroll1, 51);
    EXPECT_EQ(rig.state.radius, 12756000);
    EXPECT_EQ(rig.state.coarseRadius, 12756000);
    EXPECT_EQ(rig.text(LabelId::labh1), "51");
    EXPECT_EQ(rig.text(LabelId::Label2), "12756000");
    EXPECT_EQ(rig.sim.computeCount(), 2);  // the fine bar was already at 50
    expectInvariants(rig);
}

TEST(ParameterBars, CoarseThenFineThenCoarseResetsTheFineBarWithASecondRecomputation) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::HScroll1, 40);
    EXPECT_EQ(rig.state.radius, 6228.515625);
    rig.moveBar(Bar::HScroll3, 60);
    EXPECT_EQ(rig.state.radius, 6851.3671875);
    EXPECT_EQ(rig.state.coarseRadius, 6228.515625);
    EXPECT_EQ(rig.text(LabelId::labh2), "60");
    expectInvariants(rig);

    // labh2 is written (by the nested fine handler) before labh1.
    const long before = rig.sim.computeCount();
    rig.moveBar(Bar::HScroll1, 41);
    EXPECT_EQ(rig.sim.computeCount() - before, 2);
    EXPECT_EQ(rig.state.radius, 12457.03125);
    EXPECT_EQ(rig.bars.value(Bar::HScroll3), 50);
    EXPECT_EQ(rig.text(LabelId::labh2), "50");
    EXPECT_EQ(rig.text(LabelId::labh1), "41");
    expectInvariants(rig);
}

TEST(ParameterBars, FineRadiusAtItsEndsHalvesAndOneAndAHalfTimesTheRadius) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::HScroll3, 0);
    EXPECT_EQ(rig.state.radius, 3189000);
    rig.moveBar(Bar::HScroll3, 100);
    EXPECT_EQ(rig.state.radius, 9567000);
    EXPECT_EQ(rig.state.coarseRadius, kEarth.radius);
    expectInvariants(rig);
}

TEST(ParameterBars, CoarseMassQuadruplesAtFiftyTwo) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::HScroll2, 52);
    EXPECT_EQ(rig.state.mass, 2.238944e25);
    EXPECT_EQ(rig.text(LabelId::labg1), "52");
    EXPECT_EQ(rig.text(LabelId::Label4), "2.238944E+25");
    expectInvariants(rig);
}

TEST(ParameterBars, SunWithBothRadiusBarsAtTheTopComputesWithoutError) {
    Rig rig;
    rig.started();
    rig.sim.clickPreset(kSun);
    rig.moveBar(Bar::HScroll1, 100);
    rig.moveBar(Bar::HScroll3, 100);
    EXPECT_NEAR(rig.state.radius, 1.1754395e24, 1e17);
    EXPECT_TRUE(rig.reporter.messages.empty());
    EXPECT_EQ(rig.text(LabelId::Label2), numberText(rig.state.radius));
    expectInvariants(rig);
}

TEST(ParameterBars, EarthWithBothRadiusBarsAtTheBottomComputesAndDraws) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::HScroll1, 0);
    EXPECT_NEAR(rig.state.radius, 5.6648e-9, 0.0001e-9);
    for (int v = 49; v >= 0; --v)
        rig.moveBar(Bar::HScroll3, v);
    EXPECT_NEAR(rig.state.radius, 2.8324010e-9, 0.0000001e-9);
    EXPECT_TRUE(rig.reporter.messages.empty());
    EXPECT_EQ(rig.text(LabelId::Label2), numberText(rig.state.radius));
    EXPECT_EQ(rig.text(LabelId::labh2), "0");
    expectInvariants(rig);
}

TEST(ParameterBars, EveryBarPositionOfBothPresetsComputes) {
    for (const Preset& preset : {kEarth, kSun}) {
        for (int coarse : {0, 1, 25, 49, 50, 51, 75, 99, 100}) {
            for (int fine : {0, 1, 19, 20, 50, 99, 100}) {
                Rig rig;
                rig.started();
                rig.sim.clickPreset(preset);
                rig.moveBar(Bar::HScroll1, coarse);
                rig.moveBar(Bar::HScroll3, fine);
                rig.moveBar(Bar::HScroll2, 100 - coarse);
                rig.moveBar(Bar::HScroll4, 100 - fine);
                EXPECT_TRUE(rig.reporter.messages.empty())
                    << coarse << "/" << fine << ": " << rig.reporter.messages.front();
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
    const auto texts = rig.labels.texts;
    const auto colours = rig.labels.colors;
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
        EXPECT_EQ(rig.labels.texts, texts);
        EXPECT_EQ(rig.labels.colors, colours);
        EXPECT_EQ(rig.surface.ops.size(), ops);
    }
}

TEST(Faults, AFailedBarChangePutsTheBodyAndTheBarBackAndReportsIt) {
    Rig rig;
    rig.started();
    rig.state.presetRadius = 0;  // only reachable through the model
    const auto texts = rig.labels.texts;
    const auto ops = rig.surface.ops.size();
    rig.moveBar(Bar::HScroll1, 51);
    ASSERT_EQ(rig.reporter.messages.size(), 1u);
    EXPECT_EQ(rig.reporter.messages[0], "The body cannot be computed: its radius is 0 m.");
    EXPECT_EQ(rig.state.radius, kEarth.radius);
    EXPECT_EQ(rig.state.coarseRadius, kEarth.radius);
    EXPECT_EQ(rig.bars.value(Bar::HScroll1), 50);
    EXPECT_EQ(rig.labels.texts, texts);
    EXPECT_EQ(rig.surface.ops.size(), ops);
    // The program goes on.
    rig.moveBar(Bar::HScroll2, 51);
    EXPECT_EQ(rig.state.mass, 2 * kEarth.mass);
    EXPECT_EQ(rig.reporter.messages.size(), 1u);
}

TEST(Faults, AFailedPresetIsUndoneAsAWholeAndTheBodyBeforeItIsShownAgain) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::HScroll1, 55);
    rig.moveBar(Bar::HScroll2, 60);
    rig.state.presetMass = -1;  // the coarse mass handler, nested in the click, fails
    const SimState before = rig.state;
    rig.sim.clickPreset(kSun);
    ASSERT_EQ(rig.reporter.messages.size(), 1u);
    EXPECT_EQ(rig.reporter.messages[0], "The body cannot be computed: its mass is -1 kg.");
    EXPECT_EQ(rig.state.radius, before.radius);
    EXPECT_EQ(rig.state.mass, before.mass);
    EXPECT_EQ(rig.state.presetRadius, before.presetRadius);
    EXPECT_EQ(rig.state.coarseRadius, before.coarseRadius);
    EXPECT_EQ(rig.bars.value(Bar::HScroll1), 55);
    EXPECT_EQ(rig.bars.value(Bar::HScroll2), 60);
    EXPECT_EQ(rig.text(LabelId::labh1), "55");
    EXPECT_EQ(rig.text(LabelId::labg1), "60");
    // The coarse radius handler had shown the Earth's preset radius; the
    // restored body is shown again.
    EXPECT_EQ(rig.text(LabelId::Label2), numberText(before.radius));
}

TEST(Faults, AFailedFirstTickStillStartsTheDisplayAndReportsOnce) {
    Rig rig;
    rig.sim.load();
    rig.state.mass = 0;
    rig.sim.tick();
    rig.sim.tick();
    EXPECT_EQ(rig.state.ready, 1);
    ASSERT_EQ(rig.reporter.messages.size(), 1u);
    EXPECT_EQ(rig.reporter.messages[0], "The body cannot be computed: its mass is 0 kg.");
    EXPECT_EQ(rig.text(LabelId::Label2), "");
}

}  // namespace
}  // namespace korvath
