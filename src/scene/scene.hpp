// SPDX-License-Identifier: GPL-3.0-or-later
// The scene on the drawing surface: the body as a blue disc, three red rings
// at 1.5, 2 and 2.5 body radii, the yellow Schwarzschild circle on the same
// scale, the yellow box that marks the beam start, and the light ray. It only
// draws, from what it is given.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "color.hpp"
#include "scene_view.hpp"
#include "surface.hpp"

namespace korvath {

namespace sceneStyle {
inline constexpr Color kBodyFill = rgb(0, 0, 255);
inline constexpr Color kRingColour = rgb(200, 0, 0);
inline constexpr Color kSchwarzschildColour = rgb(255, 255, 0);
inline constexpr Color kMarkerColour = colors::kPaletteYellow;
// The rays' colours, in the order rays take them: white first, then five
// that colour-blind readers tell apart from each other, from white and from
// the blue disc, the red rings and the yellow circle and box, all bright
// enough on black (orange, sky blue, bluish green, reddish purple, grey).
inline constexpr std::array<Color, kMostRaysKept> kRayColours{
    colors::kPaletteBrightWhite, rgb(230, 159, 0),  rgb(86, 180, 233), rgb(0, 158, 115),
    rgb(204, 121, 167),          rgb(160, 160, 160)};
// The smallest drawing radius of the Schwarzschild circle, so it stays visible.
inline constexpr std::int32_t kMinDrawingRadius = 8;
// A Schwarzschild circle at least this large lies wholly outside the surface
// (its farthest corner is about 6318 units from the centre), so drawing it
// with this radius gives the same picture as drawing it exactly.
inline constexpr std::int32_t kMaxDrawingRadius = 100000;
}  // namespace sceneStyle

// Drawing radius of the Schwarzschild circle: rs * 1000 / radius rounded half
// to even, at least kMinDrawingRadius and at most kMaxDrawingRadius.
std::int32_t schwarzschildDrawingRadius(double schwarzschildRadius, double radius);

class Scene final : public SceneView {
  public:
    explicit Scene(Surface& surface) : surface_(surface) {}

    void drawScene(double radius, double schwarzschildRadius) override;
    void drawBeamMarker(const MarkerPlace& previous, const MarkerPlace& current) override;
    void drawRay(const TracedRay& ray) override;
    // Draws the ray's segments from `first` up to (not including) `end`:
    // a ray drawn piece by piece ends as drawRay draws it at once.
    void drawRaySegments(const TracedRay& ray, size_t first, size_t end);

  private:
    Surface& surface_;
};

}  // namespace korvath
