#include "ray.hpp"

#include <cstdlib>

#include "checked.hpp"
#include "color.hpp"
#include "derived.hpp"
#include "number_text.hpp"

namespace korvath {

using namespace rayConstants;
namespace c = checked;

namespace {

double square(double v) {
    return c::pow(v, 2.0);
}

// |v| of a 32-bit difference, without the overflow of abs(INT32_MIN).
double magnitude(std::int32_t v) {
    return static_cast<double>(std::abs(std::int64_t{v}));
}

}  // namespace

TraceResult traceRay(SimState& s, Surface& surface) {
    TraceResult result;
    const Color white = colors::kPaletteBrightWhite;
    int pass = 0;
    try {
        // The first segment leaves the middle of the marker's left edge.
        const VariantNumber startX = s.beamX.minus(kStep);
        const VariantNumber startY = s.beamY.plus(kStep);
        surface.line(startX.toSingle(), startY.toSingle(), s.beamX.toSingle(), startY.toSingle(),
                     white);
        result.segments = 1;
        s.rayX = startX.value();
        s.rayPrevX = s.beamX.value();
        s.rayY = startY.value();
        s.rayPrevY = startY.value();

        for (pass = 0; pass < kPasses; ++pass) {
            // Distance from the centre, in whole scene units and in metres.
            s.rayDistance = c::toInt32(c::sqrt(
                c::add(square(c::sub32(s.rayY, kCentre)), square(c::sub32(s.rayX, kCentre)))));
            s.rayDistanceMetres = c::div(c::mul(s.rayDistance, s.radius), kUnitsPerRadius);
            if (s.rayDistanceMetres == 0) {
                result.stop = TraceResult::Stop::ZeroDistance;
                return result;
            }
            // Curvature at the ray's point.
            s.gravTerm = c::div(c::mul(s.mass, physics::kTwoG), c::pow(s.rayDistanceMetres, 3.0));
            s.curvature = c::div(s.gravTerm, c::pow(physics::kSpeedOfLight, 2.0));
            // Bending vector towards the centre, scaled by k^2.
            double ax = c::mul(c::mul(c::sub32(kCentre, s.rayX), s.curvature), kBendingFactor);
            double ay = c::mul(c::mul(c::sub32(kCentre, s.rayY), s.curvature), kBendingFactor);
            const double k = c::div(s.radius, kScaleRadius);
            ax = c::mul(ax, square(k));
            ay = c::mul(ay, square(k));
            // The previous step plus the bending, brought back to 50 units.
            const std::int32_t sx = c::sub32(s.rayX, s.rayPrevX);
            const std::int32_t sy = c::sub32(s.rayY, s.rayPrevY);
            s.rayPrevX = s.rayX;
            s.rayPrevY = s.rayY;
            const double vx = c::add(ax, sx);
            const double vy = c::add(ay, sy);
            const double len = c::sqrt(c::add(square(vx), square(vy)));
            if (len == 0) {
                result.stop = TraceResult::Stop::ZeroVector;
                return result;
            }
            const double f = c::div(len, kStep);
            s.rayX = c::toInt32(c::add(c::div(vx, f), s.rayPrevX));
            s.rayY = c::toInt32(c::add(c::div(vy, f), s.rayPrevY));
            surface.line(static_cast<float>(s.rayX), static_cast<float>(s.rayY),
                         static_cast<float>(s.rayPrevX), static_cast<float>(s.rayPrevY), white);
            ++result.segments;
            // Stop at the first point inside the drawn body (exactly 1000 out does not stop).
            const double r = c::sqrt(c::add(square(magnitude(c::sub32(s.rayY, kCentre))),
                                            square(magnitude(c::sub32(s.rayX, kCentre)))));
            if (r < kStopDistance) {
                result.stop = TraceResult::Stop::EnteredBody;
                return result;
            }
        }
        result.stop = TraceResult::Stop::PassLimit;
    } catch (const ArithmeticError& e) {
        result.stop = TraceResult::Stop::Fault;
        result.fault = "The light ray stops after " + numberText(std::int64_t{result.segments}) +
                       " segments: its arithmetic fails at pass " + numberText(std::int64_t{pass}) +
                       " (" + e.what() + ").";
    }
    return result;
}

}  // namespace korvath
