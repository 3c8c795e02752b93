// SPDX-License-Identifier: GPL-3.0-or-later
// The light ray: from the beam start towards the left in steps of 50 scene
// units, bent at each pass towards the body by an amount that follows the
// curvature 2GM/(c^2 d^3) at the ray's distance. Pure: it returns the path,
// the scene draws it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "fault.hpp"
#include "variant_number.hpp"

namespace korvath {

namespace ray {
inline constexpr double kBendingFactor = 8.41e-8;
// The Earth's radius 6378000 m divided by 2^30, to 15 significant digits.
inline constexpr double kScaleRadius = 0.00593997538089752;
inline constexpr int kPasses = 401;
}  // namespace ray

// One drawn piece of the ray, from (x1, y1) to (x2, y2) in scene units.
struct RaySegment {
    std::int32_t x1, y1, x2, y2;
    friend bool operator==(const RaySegment&, const RaySegment&) = default;
};

struct RayPath {
    enum class Stop {
        EnteredBody,   // the last point lies within 1000 units of the centre
        PassLimit,     // all 401 passes made
        ZeroDistance,  // the ray stood on the centre: nothing to bend towards
        ZeroVector,    // the bending exactly cancelled the step: no direction left
        Fault,         // an arithmetic fault; `fault` says which
        NotTraced,     // the recomputation before the trace failed
    };
    std::vector<RaySegment> segments;  // in the order drawn, the first one included
    Stop stop = Stop::NotTraced;
    std::optional<Fault> fault;
};

// A ray as a session keeps it: the path, the beam start's height it was
// traced from, its number since the rays were last cleared (1, 2, ...) and
// which of the rays' colours it is drawn in (0, the first, to 5).
// The most rays a session keeps at once; a ray traced beyond them takes the
// place (and the colour) of the oldest.
inline constexpr int kMostRaysKept = 6;

struct TracedRay {
    RayPath path;
    std::int32_t start = 0;
    int number = 1;
    int colour = 0;
};

// Traces the ray from the beam start (the top-left corner of its box) for the
// body of the given radius (m) and mass (kg).
RayPath traceRay(double radius, double mass, VariantNumber beamX, VariantNumber beamY);

}  // namespace korvath
