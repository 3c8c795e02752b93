// SPDX-License-Identifier: GPL-3.0-or-later
#include "light_ray.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "fakes.hpp"

namespace korvath {
namespace {

using testing::Rig;

// The last point the ray reached.
std::pair<int, int> end(const RayPath& path) {
    return {path.segments.back().x1, path.segments.back().y1};
}

// Traces the ray with the body and beam start given, and returns it.
RayPath beam(Rig& rig, double radius, double mass, int beamY = 1500) {
    rig.started();
    EXPECT_TRUE(rig.session.choose({radius, mass}));
    if (beamY != 1500) {
        EXPECT_TRUE(rig.session.setBeamStart(beamY));
    }
    rig.surface.ops.clear();
    return rig.session.trace();
}

std::string segment(int x1, int y1, int x2, int y2) {
    return "line " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) +
           " " + std::to_string(y2) + " 16777215";
}

// The end points of a recorded "line x1 y1 x2 y2 colour", or nothing.
struct Segment {
    float x1, y1, x2, y2;
};
std::optional<Segment> parse(const std::string& line) {
    Segment s;
    if (std::sscanf(line.c_str(), "line %f %f %f %f", &s.x1, &s.y1, &s.x2, &s.y2) != 4)
        return std::nullopt;
    return s;
}

bool allOnRow(const std::vector<std::string>& lines, int y) {
    for (const auto& l : lines) {
        const auto s = parse(l);
        if (!s || s->y1 != y || s->y2 != y) return false;
    }
    return true;
}

TEST(RayTracing, EarthFromTheStartRunsStraightForAllPasses) {
    Rig rig;
    const RayPath r = beam(rig, kEarth.radius, kEarth.mass);
    EXPECT_EQ(r.stop, RayPath::Stop::PassLimit);
    EXPECT_EQ(r.segments.size(), 402u);
    const auto lines = rig.surface.only("line");
    ASSERT_EQ(lines.size(), 402u);
    EXPECT_EQ(lines.front(), segment(8050, 1550, 8100, 1550));
    EXPECT_EQ(lines[1], segment(8000, 1550, 8050, 1550));
    EXPECT_EQ(lines.back(), segment(-12000, 1550, -11950, 1550));
    EXPECT_TRUE(allOnRow(lines, 1550));
    EXPECT_EQ(end(r), std::make_pair(-12000, 1550));
    // The recomputation came first: the scene is drawn anew below the ray.
    EXPECT_EQ(rig.surface.ops.front(), "clear");
    EXPECT_TRUE(rig.faults.empty());
}

TEST(RayTracing, SunGivesTheSameStraightLine) {
    Rig rig;
    const RayPath r = beam(rig, kSun.radius, kSun.mass);
    EXPECT_EQ(r.segments.size(), 402u);
    EXPECT_TRUE(allOnRow(rig.surface.only("line"), 1550));
}

TEST(RayTracing, StopsAtTheFirstPointInsideTheBody) {
    struct Case {
        int beamY;
        int segments;
        int endX, endY;
    };
    for (const Case& c :
         {Case{2500, 85, 3850, 2550}, Case{2950, 83, 3950, 3000}, Case{2000, 96, 3300, 2050}}) {
        Rig rig;
        const RayPath r = beam(rig, kEarth.radius, kEarth.mass, c.beamY);
        EXPECT_EQ(r.stop, RayPath::Stop::EnteredBody) << c.beamY;
        EXPECT_EQ(r.segments.size(), static_cast<size_t>(c.segments)) << c.beamY;
        EXPECT_EQ(rig.surface.only("line").back(), segment(c.endX, c.endY, c.endX + 50, c.endY));
        EXPECT_EQ(end(r), std::make_pair(c.endX, c.endY));
    }
}

TEST(RayTracing, TouchingTheStopCircleDoesNotStopTheRay) {
    for (int beamY : {1950, 3950}) {
        Rig rig;
        const RayPath r = beam(rig, kEarth.radius, kEarth.mass, beamY);
        EXPECT_EQ(r.segments.size(), 402u) << beamY;
        EXPECT_TRUE(allOnRow(rig.surface.only("line"), beamY + 50));
    }
}

TEST(RayTracing, AMassManyOrdersLargerBendsTheRay) {
    {
        Rig rig;
        beam(rig, kEarth.radius, kEarth.mass * std::pow(2.0, 28));
        EXPECT_EQ(rig.surface.only("line").size(), 402u);
        EXPECT_TRUE(allOnRow(rig.surface.only("line"), 1550));
    }
    {
        Rig rig;
        const RayPath r = beam(rig, kEarth.radius, kEarth.mass * std::pow(2.0, 29));
        EXPECT_FALSE(allOnRow(rig.surface.only("line"), 1550));
        // It bends towards the body, downwards on the screen.
        EXPECT_GT(end(r).second, 1550);
    }
    {
        Rig rig;
        const RayPath r = beam(rig, kEarth.radius, kEarth.mass * std::pow(2.0, 32));
        EXPECT_EQ(r.stop, RayPath::Stop::EnteredBody);
        EXPECT_LT(r.segments.size(), 300u);
        EXPECT_LT(std::hypot(end(r).first - 3000, end(r).second - 3000), 1000);
    }
}

TEST(RayTracing, EverySegmentIsFiftyUnitsLongUpToRounding) {
    Rig rig;
    beam(rig, kEarth.radius, kEarth.mass * std::pow(2.0, 31), 500);
    for (const auto& l : rig.surface.only("line")) {
        const auto s = parse(l);
        ASSERT_TRUE(s) << l;
        EXPECT_NEAR(std::hypot(s->x2 - s->x1, s->y2 - s->y1), 50, 1.0) << l;
    }
}

TEST(RayTracing, MovesLeaveTheTraceAndTheNextBeamClearsIt) {
    Rig rig;
    beam(rig, kEarth.radius, kEarth.mass);
    rig.session.moveBeam(BeamMove::BigDown);
    // The move drew two boxes after the trace and cleared nothing.
    const auto& ops = rig.surface.ops;
    EXPECT_EQ(std::count(ops.begin(), ops.end(), "clear"), 1);
    EXPECT_EQ(ops.back(), "box 8100 1800 8200 1900 65535");
    rig.surface.ops.clear();
    rig.session.trace();
    EXPECT_EQ(rig.surface.ops.front(), "clear");
    EXPECT_EQ(rig.surface.only("line").front(), segment(8050, 1850, 8100, 1850));
}

TEST(RayTracing, ARayOnTheCentreStopsBeforeDividingByZero) {
    // The ray starts at (3000, 3000).
    const RayPath r = traceRay(kEarth.radius, kEarth.mass, VariantNumber::int16(3050),
                               VariantNumber::int16(2950));
    EXPECT_EQ(r.stop, RayPath::Stop::ZeroDistance);
    EXPECT_EQ(r.segments.size(), 1u);
    EXPECT_FALSE(r.fault);
}

TEST(RayTracing, ABendingThatCancelsTheStepStopsTheTrace) {
    // A ray leaving the body's row to the left, away from the centre, with a
    // mass chosen so that the bending pulls back exactly its 50 units.
    SimState s;
    s.beamX = VariantNumber::int16(0);
    s.beamY = VariantNumber::int16(2950);  // the first pass starts at (-50, 3000)
    // Not every radius has a mass whose bending comes out at exactly 50.0;
    // try radii a metre apart and, for each, the masses a few units in the
    // last place around the exact value.
    bool found = false;
    for (int i = 0; i < 200 && !found; ++i) {
        const double radius = kEarth.radius + i;
        const double metres = 3050 * radius / 1000;
        const double k = radius / ray::kScaleRadius;
        auto bending = [&](double mass) {
            const double curvature = mass * physics::kTwoG / std::pow(metres, 3.0) /
                                     std::pow(physics::kSpeedOfLight, 2.0);
            return 3050 * curvature * ray::kBendingFactor * std::pow(k, 2.0);
        };
        double mass = kEarth.mass * 50 / bending(kEarth.mass);
        for (int j = 0; j < 8; ++j)
            mass = std::nextafter(mass, 0.0);
        for (int j = 0; j < 16 && !found; ++j, mass = std::nextafter(mass, INFINITY)) {
            if (bending(mass) != 50) continue;
            found = true;
            s.radius = radius;
            s.mass = mass;
        }
    }
    ASSERT_TRUE(found);
    const RayPath r = traceRay(s.radius, s.mass, s.beamX, s.beamY);
    EXPECT_EQ(r.stop, RayPath::Stop::ZeroVector);
    EXPECT_EQ(r.segments.size(), 1u);
    EXPECT_FALSE(r.fault);
}

TEST(RayTracing, AnArithmeticFaultStopsTheTraceAndKeepsItsSegments) {
    // Far out to the left the 32-bit coordinate arithmetic overflows after a few passes.
    const RayPath r = traceRay(kEarth.radius, kEarth.mass, VariantNumber::int32(-2147480000),
                               VariantNumber::int16(1500));
    EXPECT_EQ(r.stop, RayPath::Stop::Fault);
    EXPECT_GT(r.segments.size(), 1u);
    ASSERT_TRUE(r.fault);
    EXPECT_EQ(r.fault->kind, Fault::Kind::RayArithmetic);
    EXPECT_EQ(r.fault->segments, static_cast<int>(r.segments.size()));
    EXPECT_EQ(r.fault->arithmetic, ArithmeticFault::Overflow);
    testing::RecordingSurface surface;
    Scene(surface).drawRay(TracedRay{r});
    EXPECT_EQ(surface.only("line").size(), r.segments.size());
}

}  // namespace
}  // namespace korvath
