// SPDX-License-Identifier: GPL-3.0-or-later
#include "body_quantities.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <string>

#include "number_text.hpp"
#include "sim_state.hpp"

namespace korvath {
namespace {

BodyQuantities derive(double radius, double mass) {
    auto result = deriveBody(radius, mass);
    if (auto* fault = std::get_if<Fault>(&result)) {
        ADD_FAILURE() << "fault of kind " << static_cast<int>(fault->kind);
        return {};
    }
    return std::get<BodyQuantities>(result);
}

Fault faultOf(double radius, double mass) {
    auto result = deriveBody(radius, mass);
    if (auto* fault = std::get_if<Fault>(&result)) return *fault;
    ADD_FAILURE() << "no fault for radius " << radius << " and mass " << mass;
    return {};
}

double closedFormRs(double mass) {
    return 2 * 6.67259e-11 * mass / (299792458.0 * 299792458.0);
}

TEST(DerivedQuantities, Earth) {
    const BodyQuantities q = derive(kEarth.radius, kEarth.mass);
    EXPECT_EQ(q.search.shrinkingSteps, 2036);
    EXPECT_EQ(q.search.growingSteps, 0);
    EXPECT_EQ(numberText(q.search.schwarzschildRadius), "0.00826186203267893");
    EXPECT_EQ(numberText(q.density), "5.15040585101977");
    EXPECT_FALSE(q.insideSchwarzschild());
    // Within 1.5 % below the closed form 0.0083112 m.
    EXPECT_LT(q.search.schwarzschildRadius, closedFormRs(kEarth.mass));
    EXPECT_GT(q.search.schwarzschildRadius, closedFormRs(kEarth.mass) * std::pow(0.99, 1.5));
    EXPECT_NEAR(q.samples[0].curvature, 3.2034e-23, 0.0001e-23);
    EXPECT_NEAR(q.samples[0].radiusOfCurvature, 1.7668e11, 0.0001e11);
    EXPECT_NEAR(q.samples[2].curvature, 4.0043e-24, 0.0001e-24);
}

TEST(DerivedQuantities, Sun) {
    const BodyQuantities q = derive(kSun.radius, kSun.mass);
    EXPECT_EQ(q.search.shrinkingSteps, 1231);
    EXPECT_EQ(numberText(q.search.schwarzschildRadius), "2945.3830090664");
    EXPECT_NEAR(q.density, 1.4084, 0.0001);
    EXPECT_FALSE(q.insideSchwarzschild());
}

TEST(DerivedQuantities, BodyInsideItsSchwarzschildRadiusGrowsTheProbe) {
    const BodyQuantities q = derive(1.0, 1e30);
    EXPECT_EQ(q.search.shrinkingSteps, 0);
    EXPECT_EQ(q.search.growingSteps, 734);
    EXPECT_NEAR(q.search.schwarzschildRadius, 1485.90, 0.005);
    EXPECT_TRUE(q.insideSchwarzschild());
    // Within 1.5 % above the closed form 1484.85 m.
    EXPECT_GT(q.search.schwarzschildRadius, closedFormRs(1e30));
    EXPECT_LT(q.search.schwarzschildRadius, closedFormRs(1e30) * std::pow(1.01, 1.5));
}

TEST(DerivedQuantities, RadiusExactlyAtItsSchwarzschildRadiusTakesOneShrinkingStep) {
    // Find a body whose surface evaluation gives a radius of curvature equal
    // to the radius itself, to the last bit.
    bool found = false;
    for (double mass : {1e30, 2e30, 7e28, 1e25}) {
        double d = std::nextafter(closedFormRs(mass), 0.0);
        for (int i = 0; i < 4 && !found; ++i, d = std::nextafter(d, INFINITY)) {
            if (sampleCurvature(mass, d).radiusOfCurvature != d) continue;
            found = true;
            const BodyQuantities q = derive(d, mass);
            EXPECT_EQ(q.search.shrinkingSteps, 1) << "mass " << mass;
            EXPECT_EQ(q.search.growingSteps, 0);
            EXPECT_FALSE(q.insideSchwarzschild());
        }
        if (found) break;
    }
    EXPECT_TRUE(found);
}

TEST(DerivedQuantities, CurvatureFallsWithTheCubeOfTheDistance) {
    const BodyQuantities q = derive(kEarth.radius, kEarth.mass);
    EXPECT_DOUBLE_EQ(q.samples[2].curvature * 8, q.samples[0].curvature);
    EXPECT_NEAR(q.samples[3].radiusOfCurvature / q.samples[0].radiusOfCurvature, std::pow(2.5, 1.5),
                1e-12);
    for (const CurvatureSample& c : q.samples)
        EXPECT_DOUBLE_EQ(c.radiusOfCurvature, 1 / std::sqrt(c.curvature));
}

TEST(DerivedQuantities, TheLongestSearchesTheBarsCanReach) {
    // Earth with both radius bars at 100 and both mass bars at 0.
    const BodyQuantities shrink =
        derive(kEarth.radius * std::pow(2.0, 50) * 1.5, kEarth.mass / std::pow(2.0, 50) * 0.5);
    EXPECT_EQ(shrink.search.shrinkingSteps, 9042);
    // Sun with both radius bars at 0 and both mass bars at 100.
    const BodyQuantities grow =
        derive(kSun.radius / std::pow(2.0, 50) * 0.5, kSun.mass * std::pow(2.0, 50) * 1.5);
    EXPECT_EQ(grow.search.growingSteps, 5834);
}

std::uint64_t bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

// The search computing the radius of curvature at every probe: the outcome
// searchSchwarzschild must reach while it settles most comparisons without.
std::string searchedEveryStep(double radius, double mass) {
    try {
        double probe = radius, rc = 0;
        int shrinking = 0, growing = 0;
        while (probe <= (rc = sampleCurvature(mass, probe).radiusOfCurvature)) {
            probe = checked::sub(probe, checked::div(probe, physics::kSearchDivisor));
            if (++shrinking > 32767) return "too long";
        }
        if (shrinking == 0)
            for (; probe >= (rc = sampleCurvature(mass, probe).radiusOfCurvature); ++growing)
                probe = checked::add(probe, checked::div(probe, physics::kSearchDivisor));
        return std::to_string(shrinking) + " " + std::to_string(growing) + " " +
               std::to_string(bits(rc));
    } catch (const ArithmeticError& e) {
        return e.what();
    }
}

TEST(DerivedQuantities, TheSearchEndsAsComputingEveryStepWould) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> decades(-320, 308), apart(-150, 150);
    for (int i = 0; i < 1500; ++i) {
        const double mass = std::pow(10.0, decades(rng));
        // A radius up to 150 decades either side of rs, or anywhere.
        const double radius =
            i % 4 ? closedFormRs(mass) * std::pow(10.0, apart(rng)) : std::pow(10.0, decades(rng));
        if (!(radius > 0 && std::isfinite(radius))) continue;
        std::string got;
        try {
            const SchwarzschildSearch s = searchSchwarzschild(radius, mass);
            got = std::to_string(s.shrinkingSteps) + " " + std::to_string(s.growingSteps) + " " +
                  std::to_string(bits(s.schwarzschildRadius));
        } catch (const SearchTooLong&) {
            got = "too long";
        } catch (const ArithmeticError& e) {
            got = e.what();
        }
        ASSERT_EQ(got, searchedEveryStep(radius, mass)) << "radius " << radius << ", mass " << mass;
    }
}

TEST(DerivedQuantities, BadInputsAreFaultsThatNameTheValue) {
    for (double bad : {0.0, -5.0, double(INFINITY), -double(INFINITY)}) {
        const Fault f = faultOf(bad, kEarth.mass);
        EXPECT_EQ(f.kind, Fault::Kind::Radius) << bad;
        EXPECT_EQ(f.value, bad);
    }
    EXPECT_TRUE(std::isnan(faultOf(std::nan(""), 1).value));
    EXPECT_EQ(faultOf(kEarth.radius, 0).kind, Fault::Kind::Mass);
    EXPECT_EQ(faultOf(kEarth.radius, -1e24).kind, Fault::Kind::Mass);
    EXPECT_EQ(faultOf(0, 0).kind, Fault::Kind::Radius);
}

TEST(DerivedQuantities, ArithmeticLimitsAreFaults) {
    // The cube of the radius in centimetres overflows.
    const Fault volume = faultOf(1e101, 1);
    EXPECT_EQ(volume.kind, Fault::Kind::Volume);
    EXPECT_EQ(volume.value, 1e101);
    EXPECT_EQ(volume.arithmetic, ArithmeticFault::Overflow);
    // The volume underflows to 0: the density divides by zero.
    EXPECT_EQ(faultOf(1e-120, 1).kind, Fault::Kind::Density);
    // More than 32767 shrinking steps overflow the search's 16-bit counter.
    const Fault search = faultOf(1e50, 1e-130);
    EXPECT_EQ(search.kind, Fault::Kind::SearchTooLong);
    EXPECT_EQ(search.value, 1e50);
    // A mass so large that its Schwarzschild radius cubed overflows.
    EXPECT_EQ(faultOf(1, 1e300).kind, Fault::Kind::Search);
}

}  // namespace
}  // namespace korvath
