// SPDX-License-Identifier: GPL-3.0-or-later
// The rays a session keeps: which actions keep or clear them, their numbers
// and colours, and the most it keeps.
#include <gtest/gtest.h>

#include "session.hpp"

namespace korvath {
namespace {

// The rays' starts, numbers and colours, in their order.
std::vector<std::array<int, 3>> raysOf(const Session& s) {
    std::vector<std::array<int, 3>> out;
    for (const TracedRay& r : s.rays())
        out.push_back({r.start, r.number, r.colour});
    return out;
}

TEST(KeptRays, EachBeamReplacesTheRayUnlessRaysAreKept) {
    Session s;
    s.start();
    s.trace();
    s.moveBeam(BeamMove::Up);
    s.trace();
    EXPECT_EQ(raysOf(s), (std::vector<std::array<int, 3>>{{1450, 1, 0}}));
    s.keepRays(true);
    s.moveBeam(BeamMove::BigUp);
    s.trace();
    EXPECT_EQ(raysOf(s), (std::vector<std::array<int, 3>>{{1450, 1, 0}, {1150, 2, 1}}));
}

TEST(KeptRays, AMovedBeamStartKeepsThemAndANewBodyOrBarOrClearTakesThemOff) {
    Session s;
    s.start();
    s.keepRays(true);
    const auto twoRays = [&] {
        s.trace();
        s.moveBeam(BeamMove::Down);
        s.trace();
        return s.rays().size();
    };
    ASSERT_EQ(twoRays(), 2u);
    s.moveBeam(BeamMove::Down);
    EXPECT_EQ(s.rays().size(), 2u);
    s.setBar(Bar::RadiusFine, 40);
    EXPECT_TRUE(s.rays().empty());
    ASSERT_EQ(twoRays(), 2u);
    s.choose(kSun);
    EXPECT_TRUE(s.rays().empty());
    ASSERT_EQ(twoRays(), 2u);
    EXPECT_TRUE(s.clearRays());
    EXPECT_TRUE(s.rays().empty());
    EXPECT_FALSE(s.clearRays());
}

TEST(KeptRays, ASeventhRayTakesThePlaceAndColourOfTheOldest) {
    Session s;
    s.start();
    s.keepRays(true);
    for (int i = 0; i < kMostRaysKept + 2; ++i) {
        s.moveBeam(BeamMove::BigUp);  // 1200, 900, ... 300, then stays
        s.trace();
    }
    std::vector<int> colours, numbers;
    for (const TracedRay& r : s.rays()) {
        colours.push_back(r.colour);
        numbers.push_back(r.number);
    }
    EXPECT_EQ(colours, (std::vector<int>{2, 3, 4, 5, 0, 1}));
    EXPECT_EQ(numbers, (std::vector<int>{3, 4, 5, 6, 7, 8}));
}

// The picture a clear leaves: the scene and the marker, drawn anew.
TEST(KeptRays, DrawingAfterAClearOrATraceRedrawsTheSceneAndEveryRay) {
    struct Calls final : SceneView, SessionView {
        std::string log;
        void drawScene(double, double) override { log += 'S'; }
        void drawBeamMarker(const MarkerPlace&, const MarkerPlace&) override { log += 'M'; }
        void drawRay(const TracedRay& r) override { log += std::to_string(r.number); }
        void sessionChanged(const Session& s, const SessionChange& c) override { s.draw(*this, c); }
    } calls;
    Session s;
    s.start();
    s.keepRays(true);
    s.trace();
    s.addView(calls);
    s.moveBeam(BeamMove::Up);
    s.trace();
    s.clearRays();
    EXPECT_EQ(calls.log, "MSM12SM");
}

}  // namespace
}  // namespace korvath
