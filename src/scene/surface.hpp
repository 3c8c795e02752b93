// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surface the scene draws on, in scene units: x to the right,
// y downward, origin at the top-left of the drawing area.
#pragma once

#include <optional>

#include "color.hpp"

namespace korvath {

enum class FillStyle { Solid = 0, Transparent = 1 };

class Surface {
  public:
    virtual ~Surface() = default;
    // Fills the drawing area with the background colour; everything drawn before is gone.
    virtual void clear() = 0;
    virtual void setFillColor(Color color) = 0;
    virtual void setFillStyle(FillStyle style) = 0;
    // A circle outlined in `outline` (the foreground colour when omitted),
    // its interior filled with the fill colour when the fill style is solid.
    virtual void circle(float x, float y, float radius, std::optional<Color> outline) = 0;
    virtual void line(float x1, float y1, float x2, float y2, Color color) = 0;
    // A box with opposite corners (x1, y1) and (x2, y2), outlined in `color`,
    // its interior following the fill style like a circle's.
    virtual void box(float x1, float y1, float x2, float y2, Color color) = 0;
};

}  // namespace korvath
