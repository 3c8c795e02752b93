// SPDX-License-Identifier: GPL-3.0-or-later
#include "light_ray.hpp"

#include <cstdlib>

#include "body_quantities.hpp"
#include "checked.hpp"
#include "scene_geometry.hpp"

namespace korvath {

namespace c = checked;
using geometry::kCentre;
using geometry::kRayStep;

namespace {

// |v| of a 32-bit difference, without the overflow of abs(INT32_MIN).
double magnitude(std::int32_t v) {
    return static_cast<double>(std::abs(std::int64_t{v}));
}

}  // namespace

RayPath traceRay(double radius, double mass, VariantNumber beamX, VariantNumber beamY) {
    RayPath path;
    path.segments.reserve(ray::kPasses + 1);
    int pass = 0;
    try {
        // The first segment leaves the middle of the marker's left edge.
        const VariantNumber startX = beamX.minus(kRayStep);
        const VariantNumber startY = beamY.plus(kRayStep);
        path.segments.push_back({startX.value(), startY.value(), beamX.value(), startY.value()});
        std::int32_t x = startX.value();
        std::int32_t prevX = beamX.value();
        std::int32_t y = startY.value();
        std::int32_t prevY = startY.value();

        for (pass = 0; pass < ray::kPasses; ++pass) {
            // Distance from the centre, in whole scene units and in metres.
            const std::int32_t distance = c::toInt32(
                c::sqrt(c::add(c::square(c::sub32(y, kCentre)), c::square(c::sub32(x, kCentre)))));
            const double metres = c::div(c::mul(distance, radius), geometry::kUnitsPerBodyRadius);
            if (metres == 0) {
                path.stop = RayPath::Stop::ZeroDistance;
                return path;
            }
            const double curvature = curvatureAt(mass, metres);
            // Bending vector towards the centre, scaled by k^2.
            double ax = c::mul(c::mul(c::sub32(kCentre, x), curvature), ray::kBendingFactor);
            double ay = c::mul(c::mul(c::sub32(kCentre, y), curvature), ray::kBendingFactor);
            const double k = c::div(radius, ray::kScaleRadius);
            ax = c::mul(ax, c::square(k));
            ay = c::mul(ay, c::square(k));
            // The previous step plus the bending, brought back to 50 units.
            const std::int32_t sx = c::sub32(x, prevX);
            const std::int32_t sy = c::sub32(y, prevY);
            prevX = x;
            prevY = y;
            const double vx = c::add(ax, sx);
            const double vy = c::add(ay, sy);
            const double length = c::sqrt(c::add(c::square(vx), c::square(vy)));
            if (length == 0) {
                path.stop = RayPath::Stop::ZeroVector;
                return path;
            }
            const double f = c::div(length, kRayStep);
            x = c::toInt32(c::add(c::div(vx, f), prevX));
            y = c::toInt32(c::add(c::div(vy, f), prevY));
            path.segments.push_back({x, y, prevX, prevY});
            // Stop at the first point inside the drawn body (exactly 1000 out does not stop).
            const double r = c::sqrt(c::add(c::square(magnitude(c::sub32(y, kCentre))),
                                            c::square(magnitude(c::sub32(x, kCentre)))));
            if (r < geometry::kUnitsPerBodyRadius) {
                path.stop = RayPath::Stop::EnteredBody;
                return path;
            }
        }
        path.stop = RayPath::Stop::PassLimit;
    } catch (const ArithmeticError& e) {
        path.stop = RayPath::Stop::Fault;
        path.fault = Fault{Fault::Kind::RayArithmetic, e.fault(), 0,
                           static_cast<int>(path.segments.size()), pass};
    }
    return path;
}

}  // namespace korvath
