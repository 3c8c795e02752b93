// The light ray: from the beam start towards the left in steps of 50 scene
// units, bent at each pass towards the body by an amount that follows the
// curvature 2GM/(c^2 d^3) at the ray's distance.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sim_state.hpp"
#include "surface.hpp"

namespace korvath {

namespace rayConstants {
inline constexpr std::int32_t kCentre = 3000;  // scene units, both axes
inline constexpr std::int16_t kStep = 50;      // every step is 50 units long
inline constexpr double kStopDistance = 1000;  // the drawn body's radius
inline constexpr double kUnitsPerRadius = 1000;
inline constexpr double kBendingFactor = 8.41e-8;
// The Earth's radius 6378000 m divided by 2^30, to 15 significant digits.
inline constexpr double kScaleRadius = 0.00593997538089752;
inline constexpr int kPasses = 401;
}  // namespace rayConstants

struct TraceResult {
    enum class Stop {
        EnteredBody,   // the last point lies within 1000 units of the centre
        PassLimit,     // all 401 passes made
        ZeroDistance,  // the ray stood on the centre: nothing to bend towards
        ZeroVector,    // the bending exactly cancelled the step: no direction left
        Fault,         // an arithmetic fault; `fault` says which
        NotTraced,     // the recomputation before the trace failed
    };
    Stop stop = Stop::NotTraced;
    int segments = 0;  // drawn, the first one included
    std::optional<std::string> fault;
};

// Traces the ray from state.beamX, state.beamY for the body in state, drawing
// every segment at once in bright white. Writes the ray fields of state.
TraceResult traceRay(SimState& state, Surface& surface);

}  // namespace korvath
