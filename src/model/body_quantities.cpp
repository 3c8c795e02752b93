// SPDX-License-Identifier: GPL-3.0-or-later
#include "body_quantities.hpp"

#include <cmath>
#include <limits>
#include <optional>

namespace korvath {

namespace {

// Radius and mass must be positive finite numbers.
std::optional<Fault> checkInput(Fault::Kind kind, double v) {
    if (std::isfinite(v) && v > 0) return std::nullopt;
    return Fault{kind, ArithmeticFault::InvalidOperation, v};
}

}  // namespace

SchwarzschildSearch searchSchwarzschild(double radius, double mass) {
    SchwarzschildSearch s;
    double probe = radius;
    double radiusOfCurvature = 0;
    // Shrinking phase: while the radius of curvature is not below the probe
    // distance, the probe still lies at or outside rs.
    for (;;) {
        radiusOfCurvature = sampleCurvature(mass, probe).radiusOfCurvature;
        if (probe > radiusOfCurvature) break;
        probe = checked::sub(probe, checked::div(probe, physics::kSearchDivisor));
        if (s.shrinkingSteps == std::numeric_limits<std::int16_t>::max()) throw SearchTooLong();
        ++s.shrinkingSteps;
    }
    // Growing phase, only when the surface already lies inside rs. It always
    // ends for a positive finite body, since the probe grows by 1 % a step.
    if (s.shrinkingSteps == 0) {
        for (;;) {
            radiusOfCurvature = sampleCurvature(mass, probe).radiusOfCurvature;
            if (probe < radiusOfCurvature) break;
            probe = checked::add(probe, checked::div(probe, physics::kSearchDivisor));
            ++s.growingSteps;
        }
    }
    s.schwarzschildRadius = radiusOfCurvature;
    return s;
}

std::variant<BodyQuantities, Fault> deriveBody(double radius, double mass) {
    if (auto f = checkInput(Fault::Kind::Radius, radius)) return *f;
    if (auto f = checkInput(Fault::Kind::Mass, mass)) return *f;

    BodyQuantities q;
    q.radius = radius;
    q.mass = mass;

    double volume;  // cm^3; the radius goes to centimetres before it is cubed
    try {
        const double factor = checked::mul(checked::div(4.0, 3.0), physics::kPi);
        volume = checked::mul(factor,
                              checked::cube(checked::mul(radius, physics::kMetresToCentimetres)));
    } catch (const ArithmeticError& e) {
        return Fault{Fault::Kind::Volume, e.fault(), radius};
    }
    try {
        q.density = checked::div(checked::mul(mass, physics::kKilogramsToGrams), volume);
    } catch (const ArithmeticError& e) {
        return Fault{Fault::Kind::Density, e.fault()};
    }

    try {
        q.search = searchSchwarzschild(radius, mass);
    } catch (const SearchTooLong& e) {
        return Fault{Fault::Kind::SearchTooLong, e.fault(), radius};
    } catch (const ArithmeticError& e) {
        return Fault{Fault::Kind::Search, e.fault()};
    }

    for (size_t i = 0; i < physics::kSampleRadii.size(); ++i) {
        const double k = physics::kSampleRadii[i];
        try {
            const double d =
                k == 1.0 ? radius
                         : (k == 2.0 ? checked::add(radius, radius) : checked::mul(k, radius));
            q.samples[i] = sampleCurvature(mass, d);
        } catch (const ArithmeticError& e) {
            return Fault{Fault::Kind::Curvature, e.fault(), k};
        }
    }
    return q;
}

}  // namespace korvath
