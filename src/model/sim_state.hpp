// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the simulation: the body, the bases of the parameter bars, the
// start flag, and the beam start with the place its marker was last drawn.
// One instance, owned by the controller.
#pragma once

#include <bit>
#include <cstdint>

#include "variant_number.hpp"

namespace korvath {

struct SimState {
    double radius = 0;        // m, the body in effect
    double mass = 0;          // kg
    double presetRadius = 0;  // m, the chosen preset; the coarse radius bar scales it
    double presetMass = 0;    // kg
    double coarseRadius = 0;  // m, what the coarse radius bar selects; the fine bar's base
    double coarseMass = 0;    // kg
    bool ready = false;       // false until the first timer tick
    VariantNumber beamX;      // scene units, the top-left corner of the beam-start box
    VariantNumber beamY;
    VariantNumber markerX;  // where the marker box was last drawn
    std::int32_t markerY = 0;
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
