// SPDX-License-Identifier: GPL-3.0-or-later
// Port: what a session asks a picture to draw.
#pragma once

#include <cstdint>

#include "light_ray.hpp"
#include "variant_number.hpp"

namespace korvath {

// Where a beam-start box stands: its top-left corner in scene units.
struct MarkerPlace {
    VariantNumber x;
    std::int32_t y = 0;
};

class SceneView {
  public:
    virtual ~SceneView() = default;
    // Clears the surface and draws the body, its rings and the Schwarzschild
    // circle for a body of this radius (m) and Schwarzschild radius (m).
    virtual void drawScene(double radius, double schwarzschildRadius) = 0;
    // Paints the box at `previous` over in black and draws the one at `current`.
    virtual void drawBeamMarker(const MarkerPlace& previous, const MarkerPlace& current) = 0;
    // Draws a traced light ray over the scene, in its colour.
    virtual void drawRay(const TracedRay& ray) = 0;
};

}  // namespace korvath
