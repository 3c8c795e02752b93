#include "derived.hpp"

#include <cmath>
#include <limits>
#include <optional>

#include "number_text.hpp"

namespace korvath {

namespace {

std::string cannotCompute(const std::string& reason) {
    return "The body cannot be computed: " + reason + ".";
}

// Radius and mass must be positive finite numbers.
std::optional<Fault> checkInput(Fault::Kind kind, const char* what, const char* unit, double v) {
    if (std::isfinite(v) && v > 0) return std::nullopt;
    std::string reason = std::string("its ") + what + " is ";
    if (std::isnan(v))
        reason += "not a number";
    else if (std::isinf(v))
        reason += "infinite";
    else
        reason += numberText(v) + " " + unit;
    return Fault{kind, cannotCompute(reason)};
}

}  // namespace

SchwarzschildSearch searchSchwarzschild(double radius, double mass) {
    SchwarzschildSearch s;
    double probe = radius;
    // Shrinking phase: while the radius of curvature is not below the probe
    // distance, the probe still lies at or outside rs.
    for (;;) {
        s.last = evaluateCurvature(mass, probe);
        if (probe > s.last.curvatureRadius) break;
        probe = checked::sub(probe, checked::div(probe, physics::kSearchDivisor));
        if (s.shrinkingSteps == std::numeric_limits<std::int16_t>::max()) throw SearchTooLong();
        ++s.shrinkingSteps;
    }
    // Growing phase, only when the surface already lies inside rs. It always
    // ends for a positive finite body, since the probe grows by 1 % a step.
    if (s.shrinkingSteps == 0) {
        for (;;) {
            s.last = evaluateCurvature(mass, probe);
            if (probe < s.last.curvatureRadius) break;
            probe = checked::add(probe, checked::div(probe, physics::kSearchDivisor));
            ++s.growingSteps;
        }
    }
    s.schwarzschildRadius = s.last.curvatureRadius;
    return s;
}

std::variant<BodyQuantities, Fault> deriveBody(double radius, double mass) {
    if (auto f = checkInput(Fault::Kind::Radius, "radius", "m", radius)) return *f;
    if (auto f = checkInput(Fault::Kind::Mass, "mass", "kg", mass)) return *f;

    BodyQuantities q;
    q.radius = radius;
    q.mass = mass;
    const std::string radiusText = numberText(radius) + " m";

    double volume;  // cm^3; the radius goes to centimetres before it is cubed
    try {
        const double factor = checked::mul(checked::div(4.0, 3.0), physics::kPi);
        volume = checked::mul(
            factor, checked::pow(checked::mul(radius, physics::kMetresToCentimetres), 3.0));
    } catch (const ArithmeticError& e) {
        return Fault{Fault::Kind::Volume,
                     cannotCompute("its radius of " + radiusText +
                                   " is too large to give a volume (" + e.what() + ")")};
    }
    try {
        q.density = checked::div(checked::mul(mass, physics::kKilogramsToGrams), volume);
    } catch (const ArithmeticError& e) {
        return Fault{
            Fault::Kind::Density,
            cannotCompute(std::string("its density cannot be computed (") + e.what() + ")")};
    }

    try {
        q.search = searchSchwarzschild(radius, mass);
    } catch (const SearchTooLong&) {
        return Fault{Fault::Kind::SearchTooLong,
                     cannotCompute("its radius of " + radiusText +
                                   " lies more than 32767 search steps above its Schwarzschild "
                                   "radius")};
    } catch (const ArithmeticError& e) {
        return Fault{Fault::Kind::Curvature,
                     cannotCompute(std::string("the search for its Schwarzschild radius failed (") +
                                   e.what() + ")")};
    }

    for (size_t i = 0; i < physics::kSampleRadii.size(); ++i) {
        const double k = physics::kSampleRadii[i];
        double d;
        try {
            d = k == 1.0 ? radius
                         : (k == 2.0 ? checked::add(radius, radius) : checked::mul(k, radius));
            q.samples[i] = evaluateCurvature(mass, d);
        } catch (const ArithmeticError& e) {
            return Fault{Fault::Kind::Curvature,
                         cannotCompute("the curvature at " + numberText(k) +
                                       " body radii cannot be computed (" + e.what() + ")")};
        }
    }
    return q;
}

}  // namespace korvath
