// SPDX-License-Identifier: GPL-3.0-or-later
// The quantities derived from a body's radius and mass: density, the
// Schwarzschild radius found by a stepwise search, and the curvature of space
// with its radius of curvature at 1, 1.5, 2 and 2.5 body radii.
//
// Everything here is pure: it computes, it never shows. Each arithmetic step
// is checked, and a fault comes back as a Fault that names it.
#pragma once

#include <array>
#include <cstdint>
#include <variant>

#include "checked.hpp"
#include "fault.hpp"

namespace korvath {

namespace physics {
inline constexpr double kTwoG = 1.334518e-10;         // 2G, m^3 kg^-1 s^-2
inline constexpr double kSpeedOfLight = 299792458.0;  // m/s
// π to six figures, the value the shown results are defined with: the
// density's last digits depend on it.
inline constexpr double kPi = 3.14159;
inline constexpr double kMetresToCentimetres = 100.0;
inline constexpr double kKilogramsToGrams = 1000.0;
inline constexpr double kSearchDivisor = 100.0;  // the probe moves by 1 % of itself
// The four sample distances, in body radii, in the order they are shown.
inline constexpr std::array<double, 4> kSampleRadii{1.0, 1.5, 2.0, 2.5};
}  // namespace physics

// The curvature of space 2GM / (c^2 d^3) at a distance d (m) from the centre
// of a body of mass M (kg), in m^-2; throws ArithmeticError on a fault.
// Operation order matters for the last digits: the product M * 2G first, then
// the division by d^3, then by c^2; d^3 and c^2 each correctly rounded.
inline double curvatureAt(double mass, double d) {
    const double gravTerm = checked::div(checked::mul(mass, physics::kTwoG), checked::cube(d));
    return checked::div(gravTerm, checked::square(physics::kSpeedOfLight));
}

// The curvature at one distance and its radius of curvature 1 / sqrt(curvature).
struct CurvatureSample {
    double curvature = 0;          // m^-2
    double radiusOfCurvature = 0;  // m
};

inline CurvatureSample sampleCurvature(double mass, double d) {
    const double curvature = curvatureAt(mass, d);
    return {curvature, checked::sqrt(checked::div(1.0, curvature))};
}

struct SchwarzschildSearch {
    double schwarzschildRadius = 0;  // radius of curvature at the first probe past rs
    std::int16_t shrinkingSteps = 0;
    std::int32_t growingSteps = 0;
};

// The search's 16-bit step counter would pass 32767 shrinking steps.
class SearchTooLong : public ArithmeticError {
  public:
    SearchTooLong() : ArithmeticError(ArithmeticFault::Overflow) {}
};

// Finds rs by moving a probe from the surface in steps of 1 % of itself until
// the radius of curvature crosses the probe distance; throws ArithmeticError
// on a fault, including more than 32767 shrinking steps.
SchwarzschildSearch searchSchwarzschild(double radius, double mass);

struct BodyQuantities {
    double radius = 0;   // m
    double mass = 0;     // kg
    double density = 0;  // g/cm^3
    SchwarzschildSearch search;
    std::array<CurvatureSample, 4> samples;  // at the distances of physics::kSampleRadii

    // The body lies inside its own Schwarzschild radius.
    bool insideSchwarzschild() const { return search.schwarzschildRadius > radius; }
};

// Everything shown about a body, or the fault that prevents it.
std::variant<BodyQuantities, Fault> deriveBody(double radius, double mass);

}  // namespace korvath
