// SPDX-License-Identifier: GPL-3.0-or-later
#include "body_quantities.hpp"

#include <algorithm>
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

namespace {

// Settles most of the search's comparisons of a probe with its radius of
// curvature without computing the latter, with the same outcome.
//
// The radius of curvature at a distance d is d * sqrt(d / t), t = 2GM / c^2,
// up to the rounding of its steps: a relative error below 1e-15 as long as
// every step stays well inside the normal range, where none can fault either.
// So a probe in that range and below t (1 - 1e-12) lies outside its radius
// of curvature, one above t (1 + 1e-12) inside it. Only probes between those
// bounds, or outside that range, need the radius of curvature computed.
class ProbeSide {
  public:
    explicit ProbeSide(double mass) {
        const double a = mass * physics::kTwoG;  // the first step, as curvatureAt takes it
        if (!(a >= 0x1p-900 && a <= 0x1p900)) return;
        const double t = a / exact::square(physics::kSpeedOfLight);
        below_ = t * (1 - 1e-12);
        above_ = t * (1 + 1e-12);
        // d^3 within [2^-1000, 2^1000] and within 2^800 of a either way keeps
        // d^3, a / d^3, the division by c^2, its reciprocal and root normal.
        const int ea = std::ilogb(a);
        low_ = std::ldexp(1.0, std::max(-1000, ea + 1 - 800) / 3 + 1);
        high_ = std::ldexp(1.0, std::min(1000, ea + 800) / 3 - 1);
    }

    // +1: the probe lies outside its radius of curvature (probe > it);
    // -1: inside (probe < it); 0: it must be computed.
    int of(double probe) const {
        if (!(probe >= low_ && probe <= high_)) return 0;
        return probe < below_ ? 1 : probe > above_ ? -1 : 0;
    }

  private:
    double below_ = 0, above_ = 0, low_ = 1, high_ = 0;  // no range: always computed
};

}  // namespace

SchwarzschildSearch searchSchwarzschild(double radius, double mass) {
    SchwarzschildSearch s;
    const ProbeSide side(mass);
    double probe = radius;
    // Shrinking phase: while the radius of curvature is not below the probe
    // distance, the probe still lies at or outside rs.
    for (;;) {
        const int known = side.of(probe);
        if (known > 0) break;
        if (known == 0 && probe > sampleCurvature(mass, probe).radiusOfCurvature) break;
        probe = checked::sub(probe, checked::div(probe, physics::kSearchDivisor));
        if (s.shrinkingSteps == std::numeric_limits<std::int16_t>::max()) throw SearchTooLong();
        ++s.shrinkingSteps;
    }
    // Growing phase, only when the surface already lies inside rs. It always
    // ends for a positive finite body, since the probe grows by 1 % a step.
    if (s.shrinkingSteps == 0) {
        for (;;) {
            const int known = side.of(probe);
            if (known < 0) break;
            if (known == 0 && probe < sampleCurvature(mass, probe).radiusOfCurvature) break;
            probe = checked::add(probe, checked::div(probe, physics::kSearchDivisor));
            ++s.growingSteps;
        }
    }
    s.schwarzschildRadius = sampleCurvature(mass, probe).radiusOfCurvature;
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
