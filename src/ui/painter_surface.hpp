// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's surface on any Qt paint device through a QPainter: scene units
// are twips scaled to the device's pixels, figures are aliased lines of one
// width, so that a black box covers a yellow one drawn at the same corners.
#pragma once

#include <QPainter>

#include "surface.hpp"

namespace korvath::ui {

class PainterSurface final : public Surface {
  public:
    // How a line's width is given to the device. A raster device takes it
    // in its own pixels; a vector drawing takes it in the drawing's units,
    // which every reader scales alike.
    enum class Lines { DevicePixels, DrawingUnits };

    // `painter` paints on a device of `dpi` dots per inch; the drawing area
    // starts at the painter's origin as it is now (the device's, or a place
    // on a page); lines are `lineWidth` device pixels wide.
    PainterSurface(QPainter& painter, QSizeF area, double dpi, double lineWidth,
                   Lines lines = Lines::DevicePixels);

    void clear() override;
    void setFillColor(Color color) override;
    void setFillStyle(FillStyle style) override;
    void circle(float x, float y, float radius, std::optional<Color> outline) override;
    void line(float x1, float y1, float x2, float y2, Color color) override;
    void box(float x1, float y1, float x2, float y2, Color color) override;

  private:
    void setOutline(Color color);
    void applyFill();

    QPainter& painter_;
    QSizeF area_;       // in pixels
    double lineWidth_;  // as the pen takes it
    bool cosmetic_;
    QTransform areaTransform_;  // device pixels from the drawing area's corner
    Color fillColor_ = 0;
    FillStyle fillStyle_ = FillStyle::Transparent;
};

}  // namespace korvath::ui
