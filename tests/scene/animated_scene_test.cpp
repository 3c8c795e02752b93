// SPDX-License-Identifier: GPL-3.0-or-later
#include "animated_scene.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "fakes.hpp"

namespace korvath {
namespace {

using testing::DrawingView;
using testing::RecordingSurface;

// A session drawing through an animated scene, and the frames (60 a second)
// it takes each ray to travel.
struct AnimatedRig {
    Session session;
    RecordingSurface surface;
    Scene scene{surface};
    AnimatedScene animated{scene};
    DrawingView view{animated};
    int rays = 0;

    AnimatedRig() {
        animated.setAnimated(true);
        animated.finished = [this] { ++rays; };
        session.addView(view);
        session.start();
    }
    int framesToTravel() {
        int frames = 0;
        while (animated.advance(++frames * 1000.0 / 60)) {
        }
        return frames;
    }
};

// What the instant scene draws for the same session.
std::vector<std::string> drawnAtOnce(const std::function<void(Session&)>& steps) {
    testing::Rig rig;
    rig.started();
    steps(rig.session);
    return rig.surface.ops;
}

TEST(AnimatedRays, ARayTravelsAtAPaceAClassFollowsAndEndsOnTheInstantPicture) {
    AnimatedRig rig;
    rig.session.trace();  // the Earth: the ray passes all 401 steps
    ASSERT_TRUE(rig.animated.travelling());
    EXPECT_EQ(rig.framesToTravel(), 120);  // two seconds
    EXPECT_EQ(rig.surface.ops, drawnAtOnce([](Session& s) { s.trace(); }));
    EXPECT_EQ(rig.rays, 1);

    // Heavier by 2^32, a ray from near the body falls in sooner.
    rig.session.setBar(Bar::MassCoarse, 82);
    rig.session.trace();
    const int fallsIn = rig.framesToTravel();
    EXPECT_GT(fallsIn, 1);
    EXPECT_LT(fallsIn, 60);
}

TEST(AnimatedRays, AnythingDrawnFirstFinishesTheTravellingRay) {
    AnimatedRig rig;
    rig.session.keepRays(true);
    rig.session.trace();
    rig.animated.advance(100);
    rig.session.moveBeam(BeamMove::BigUp);  // the marker moves: the ray ends first
    EXPECT_FALSE(rig.animated.travelling());
    EXPECT_EQ(rig.rays, 1);
    rig.session.trace();  // the kept ray drawn at once, the new one travels
    rig.animated.setAnimated(false);
    EXPECT_FALSE(rig.animated.travelling());
    EXPECT_EQ(rig.surface.ops, drawnAtOnce([](Session& s) {
                  s.keepRays(true);
                  s.trace();
                  s.moveBeam(BeamMove::BigUp);
                  s.trace();
              }));
}

}  // namespace
}  // namespace korvath
