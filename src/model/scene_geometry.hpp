// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's coordinates, shared by the drawing and the light ray: scene
// units with x to the right and y downward, origin at the top-left of the
// drawing area. The body is always drawn 1000 units in radius around a fixed
// centre, so one unit is radius / 1000 metres.
#pragma once

#include <array>
#include <cstdint>

namespace korvath::geometry {

inline constexpr std::int32_t kCentre = 3000;        // both axes
inline constexpr double kUnitsPerBodyRadius = 1000;  // the drawn body's radius
inline constexpr std::array<float, 3> kRingRadii{1500, 2000, 2500};
// Outer size of the drawing surface.
inline constexpr double kSurfaceWidth = 8415;
inline constexpr double kSurfaceHeight = 6255;
// The beam-start box is 100 units square; the ray leaves it in steps of 50.
inline constexpr std::int16_t kMarkerSize = 100;
inline constexpr std::int16_t kRayStep = 50;

}  // namespace korvath::geometry
