// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene.hpp"
#include "scene_recording.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "fakes.hpp"
#include "number_text.hpp"
#include "scene_geometry.hpp"

namespace korvath {
namespace {

using testing::Rig;
using Ops = std::vector<std::string>;

// A number text of the model, read back without any locale.
double numberOf(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

TEST(SceneDrawing, FirstRecomputationDrawsTheSceneThenTheMarker) {
    Rig rig;
    rig.started();
    EXPECT_EQ(rig.surface.ops,
              (Ops{
                  "clear",
                  "fillColor 16711680",  // blue (0, 0, 255)
                  "fillStyle 0",
                  "circle 3000 3000 1000",  // the body, outlined in the foreground colour
                  "fillStyle 1",
                  "circle 3000 3000 1500 200",  // red (200, 0, 0)
                  "circle 3000 3000 2000 200",
                  "circle 3000 3000 2500 200",
                  "circle 3000 3000 8 65535",   // yellow, at its floor of 8
                  "box 8100 1500 8200 1600 0",  // black over the last marker
                  "box 8100 1500 8200 1600 65535",
              }));
}

TEST(SceneDrawing, DrawingRadiusRoundsHalfToEvenWithAFloorOfEight) {
    EXPECT_EQ(schwarzschildDrawingRadius(8.5, 1000), 8);
    EXPECT_EQ(schwarzschildDrawingRadius(9.5, 1000), 10);
    EXPECT_EQ(schwarzschildDrawingRadius(10.5, 1000), 10);
    EXPECT_EQ(schwarzschildDrawingRadius(7.4, 1000), 8);
    EXPECT_EQ(schwarzschildDrawingRadius(0.0082, 6378000), 8);
    EXPECT_EQ(schwarzschildDrawingRadius(999.6, 1000), 1000);
    EXPECT_EQ(schwarzschildDrawingRadius(2600, 1000), 2600);
}

TEST(SceneDrawing, DrawingRadiusBeyondTheSurfaceIsLimitedInsteadOfFailing) {
    using sceneStyle::kMaxDrawingRadius;
    // The limit itself lies outside every corner of the surface.
    EXPECT_GT(kMaxDrawingRadius, std::hypot(geometry::kSurfaceWidth - geometry::kCentre,
                                            geometry::kSurfaceHeight - geometry::kCentre));
    EXPECT_EQ(schwarzschildDrawingRadius(99999.4, 1000), 99999);
    EXPECT_EQ(schwarzschildDrawingRadius(3e6, 1000), kMaxDrawingRadius);
    EXPECT_EQ(schwarzschildDrawingRadius(3e9, 1), kMaxDrawingRadius);         // beyond 32 bits
    EXPECT_EQ(schwarzschildDrawingRadius(1e300, 1e-300), kMaxDrawingRadius);  // beyond doubles
}

TEST(SceneDrawing, EarthWithBothRadiusBarsAtTheBottomIsDrawnWhole) {
    Rig rig;
    rig.started();
    rig.moveBar(Bar::RadiusCoarse, 0);
    rig.moveBar(Bar::RadiusFine, 19);
    rig.moveBar(Bar::RadiusFine, 0);
    ASSERT_TRUE(rig.faults.empty());
    const Ops& ops = rig.surface.ops;
    ASSERT_GE(ops.size(), 3u);
    EXPECT_EQ(ops[ops.size() - 3], "circle 3000 3000 100000 65535");
    EXPECT_EQ(ops[ops.size() - 1], "box 8100 1500 8200 1600 65535");
    EXPECT_EQ(
        rig.text(ShownValue::RadiusOfCurvatureAt2_5Radii),
        numberText(sampleCurvature(rig.state.mass, 2.5 * rig.state.radius).radiusOfCurvature));
    EXPECT_EQ(rig.session.schwarzschildMark(), SchwarzschildMark::Inside);
}

TEST(SceneDrawing, BodyInsideItsSchwarzschildRadiusGetsACircleBeyondTheRings) {
    Rig rig;
    rig.started();
    ASSERT_TRUE(rig.session.choose({1, 1e30}));  // rs about 1486 m: 1.5 million units, limited
    EXPECT_EQ(rig.surface.only("circle").back(), "circle 3000 3000 100000 65535");
    ASSERT_TRUE(rig.session.choose({1, 1.5e27}));  // rs about 2.2 m: a circle of about 2200 units
    const int drawn =
        schwarzschildDrawingRadius(numberOf(rig.text(ShownValue::SchwarzschildRadius)), 1);
    EXPECT_GT(drawn, 2000);
    EXPECT_EQ(rig.surface.only("circle").back(),
              "circle 3000 3000 " + std::to_string(drawn) + " 65535");
}

// ---------------------------------------------------------------------------
// Beam-start marker (the moves' steps and bounds are the session's)

TEST(MoveButtons, UpMovesFiftyAndRepaintsTheMarker) {
    Rig rig;
    rig.started();
    rig.surface.ops.clear();
    EXPECT_TRUE(rig.session.moveBeam(BeamMove::Up));
    EXPECT_EQ(rig.surface.ops, (Ops{"box 8100 1500 8200 1600 0", "box 8100 1450 8200 1550 65535"}));
}

TEST(MoveButtons, MovesBeforeTheFirstTickDrawTheMarkerOnly) {
    Rig rig;
    rig.session.moveBeam(BeamMove::Down);
    EXPECT_EQ(rig.surface.ops, (Ops{"box 8100 1500 8200 1600 0", "box 8100 1550 8200 1650 65535"}));
    EXPECT_EQ(rig.text(ShownValue::BeamStart), "1550");
    EXPECT_EQ(rig.text(ShownValue::Radius), "");
}

TEST(MoveButtons, MarkerBoxesWidenWithoutErrorBeyondSixteenBits) {
    testing::RecordingSurface surface;
    Scene scene(surface);
    const auto x = VariantNumber::int16(32700);
    scene.drawBeamMarker({x, 1500}, {x, 1450});
    EXPECT_EQ(surface.ops, (Ops{"box 32700 1500 32800 1600 0", "box 32700 1450 32800 1550 65535"}));
}

}  // namespace
}  // namespace korvath

namespace korvath {
namespace {

TEST(SceneRecording, ReplayDrawsTheSamePictureSinceTheLastScene) {
    testing::Rig rig;
    SceneRecording recording(rig.scene);
    testing::DrawingView recorder(recording);
    Session& session = rig.session;
    session.removeView(rig);
    session.addView(recorder);
    session.start();
    session.moveBeam(BeamMove::Down);
    session.choose(kSun);  // a new scene: what came before it no longer shows
    session.moveBeam(BeamMove::BigDown);
    session.trace();
    session.moveBeam(BeamMove::Up);
    // The picture on screen is everything drawn since the last clear.
    const auto& ops = rig.surface.ops;
    const auto lastClear = std::find(ops.rbegin(), ops.rend(), "clear").base() - 1;
    const std::vector<std::string> onScreen(lastClear, ops.end());

    testing::RecordingSurface copy;
    Scene copyScene(copy);
    recording.replay(copyScene);
    EXPECT_EQ(copy.ops, onScreen);
    EXPECT_EQ(copy.only("line").size(), 402u);
}

}  // namespace
}  // namespace korvath
