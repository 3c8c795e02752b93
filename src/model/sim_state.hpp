// The state of the simulation: the body, the bases of the scroll bars, the
// start flag, the beam start with its marker, and the working values of the
// curvature evaluation and the ray tracing. One instance, owned by the main
// window's controller, read and written by every handler.
#pragma once

#include <bit>
#include <cstdint>

#include "variant_number.hpp"

namespace korvath {

struct SimState {
    double radius = 0;           // m, the body in effect
    double mass = 0;             // kg
    double presetRadius = 0;     // m, the chosen preset; the coarse radius bar scales it
    double presetMass = 0;       // kg
    double gravTerm = 0;         // s^-2, 2GM/d^3 of the last evaluation
    double curvature = 0;        // m^-2, gravTerm / c^2 of the last evaluation
    std::uint8_t ready = 0;      // 0 until the first timer tick, then 1
    double curvatureRadius = 0;  // m, 1 / sqrt(curvature) of the last evaluation
    double coarseRadius = 0;     // m, what the coarse radius bar selects; the fine bar's base
    double coarseMass = 0;       // kg
    VariantNumber beamX;         // scene units, the top-left corner of the beam-start box
    VariantNumber beamY;
    VariantNumber markerX;  // where the marker box was last drawn
    std::int32_t markerY = 0;
    std::int32_t rayDistance = 0;  // scene units, from the centre, rounded
    double rayDistanceMetres = 0;  // m
    std::int32_t rayX = 0;         // the ray's current point
    std::int32_t rayPrevX = 0;     // and the point before it
    std::int32_t rayY = 0;
    std::int32_t rayPrevY = 0;
};

struct Preset {
    double radius;  // m
    double mass;    // kg
};

// 5.59736e24 kg is the program's Earth mass (not 5.9736e24).
inline constexpr Preset kEarth{6378000.0, 5.59736e24};
// The Sun's mass is the double one unit in the last place above the double
// nearest to 1.989e30; it still reads "1.989E+30".
inline constexpr Preset kSun{696000000.0, std::bit_cast<double>(0x46391ACE3D05AEF5ULL)};

// Start-up position of the beam-start box, in scene units.
inline constexpr std::int16_t kBeamStartX = 8100;
inline constexpr std::int16_t kBeamStartY = 1500;

}  // namespace korvath
