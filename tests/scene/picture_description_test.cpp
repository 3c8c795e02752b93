// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_description.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "fakes.hpp"

namespace korvath {
namespace {

using testing::Rig;
using Outcome = RayDescription::Outcome;

// The description after "Beam" with the body's mass scaled by 2^massPower
// and the beam started at beamY.
RayDescription rayAfterBeam(double massPower, int beamY = 1500) {
    Rig rig;
    rig.started();
    rig.session.choose({kEarth.radius, kEarth.mass * std::pow(2.0, massPower)});
    if (beamY != 1500) rig.session.setBeamStart(beamY);
    return describeRay(rig.session.trace());
}

TEST(PictureDescription, TheWorkedRaysLeaveFallInOrSwingRound) {
    // The real Earth: straight out of the left edge; the 163rd step is the first off the picture.
    const RayDescription straight = rayAfterBeam(0);
    EXPECT_EQ(straight.outcome, Outcome::LeavesPicture);
    EXPECT_EQ(straight.edge, Edge::Left);
    EXPECT_EQ(straight.turningDegrees, 0);
    EXPECT_EQ(straight.steps, 163);
    EXPECT_FALSE(straight.swingsRound());
    // 2^28 times heavier: still straight.
    EXPECT_EQ(rayAfterBeam(28).turningDegrees, 0);
    // A start level with the body: the ray falls in after 85 steps.
    const RayDescription fallsIn = rayAfterBeam(0, 2500);
    EXPECT_EQ(fallsIn.outcome, Outcome::FallsIntoBody);
    EXPECT_EQ(fallsIn.steps, 85);
    // 2^29 times heavier: it swings round the body and leaves at the bottom.
    const RayDescription swings = rayAfterBeam(29);
    EXPECT_EQ(swings.outcome, Outcome::LeavesPicture);
    EXPECT_EQ(swings.edge, Edge::Bottom);
    EXPECT_TRUE(swings.swingsRound());
    EXPECT_LT(swings.turningDegrees, -90);  // counter-clockwise on the screen, towards the body
    // 2^32 times heavier: it falls in.
    EXPECT_EQ(rayAfterBeam(32).outcome, Outcome::FallsIntoBody);
}

TEST(PictureDescription, ABentRayThatPassesGivesItsAngle) {
    // Between straight (2^28) and swinging round (2^29) the ray leaves bent by
    // a few degrees, towards the body.
    const RayDescription d = rayAfterBeam(28.375);
    EXPECT_EQ(d.outcome, Outcome::LeavesPicture);
    EXPECT_EQ(d.edge, Edge::Left);
    EXPECT_FALSE(d.swingsRound());
    EXPECT_LT(d.turningDegrees, -5);
    EXPECT_GT(d.turningDegrees, -6);
}

TEST(PictureDescription, TheSceneDescriptionFollowsRecomputationsMovesAndBeam) {
    Rig rig;
    std::vector<PictureDescription> seen;
    DescribedScene described(rig.scene, [&](const PictureDescription& d) { seen.push_back(d); });
    struct Describer final : SessionView {
        DescribedScene& described;
        explicit Describer(DescribedScene& d) : described(d) {}
        void sessionChanged(const Session& s, const SessionChange& c) override {
            s.draw(described, c);
        }
    } describer(described);
    Session sim;
    sim.addView(describer);
    sim.start();
    ASSERT_FALSE(seen.empty());
    const PictureDescription& first = described.description();
    EXPECT_TRUE(first.computed);
    EXPECT_EQ(first.circle, PictureDescription::Circle::Smallest);
    EXPECT_NEAR(first.schwarzschildRatio, 0.00826186203267893 / 6378000, 1e-20);
    EXPECT_EQ(first.beamStart, 1500);
    EXPECT_FALSE(first.ray);
    sim.moveBeam(BeamMove::Down);
    EXPECT_EQ(described.description().beamStart, 1550);
    sim.trace();
    ASSERT_TRUE(described.description().ray);
    EXPECT_EQ(described.description().ray->edge, Edge::Left);
    // The next recomputation clears the ray from the picture and the description.
    sim.choose(kSun);
    EXPECT_FALSE(described.description().ray);
    // The drawing itself went through to the scene.
    EXPECT_EQ(rig.surface.only("clear").size(), 3u);
}

TEST(PictureDescription, TheCircleIsPlacedAgainstTheDiscRingsAndPicture) {
    Rig rig;
    DescribedScene described(rig.scene, nullptr);
    using Circle = PictureDescription::Circle;
    const std::pair<double, Circle> cases[] = {
        {0.0079, Circle::Smallest},   {0.5, Circle::InsideBody},  {1.0, Circle::InsideBody},
        {2.0, Circle::AmongRings},    {3.0, Circle::BeyondRings}, {7.0, Circle::OutsidePicture},
        {1e9, Circle::OutsidePicture}};
    for (auto [ratio, circle] : cases) {
        described.drawScene(1000.0, ratio * 1000.0);
        EXPECT_EQ(described.description().circle, circle) << ratio;
        EXPECT_DOUBLE_EQ(described.description().schwarzschildRatio, ratio);
    }
}

}  // namespace
}  // namespace korvath
