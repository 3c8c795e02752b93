// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's drawing surface in the browser: it paints every figure into an
// RGBA pixel buffer at the canvas's device resolution, which the page copies
// to its canvas. Figures are aliased: a pixel is either the figure's colour or
// untouched, so a black box drawn at the corners of a yellow one erases it
// exactly. A new canvas size starts a black buffer; the page's view draws the
// scene's recording on it again (page_view.hpp), sharp instead of resampled.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "surface.hpp"

namespace korvath::web {

class RasterSurface final : public Surface {
  public:
    // The drawing area in device pixels, how many device pixels one scene
    // unit spans, and the width of every outline and line in device pixels;
    // the area starts black.
    void setGeometry(int width, int height, double pixelsPerUnit, int lineWidth);
    int width() const { return width_; }
    int height() const { return height_; }
    // Row after row of 32-bit pixels, red in the lowest byte, then green,
    // blue and an opaque alpha: the byte order of the canvas's ImageData.
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    // The pixels painted since the last call, as a rectangle: left and top,
    // then width and height (0 by 0 when none was). A new geometry counts as
    // painted all over. The page puts only these pixels on its canvas, so
    // that a frame of a travelling ray copies only the ray's new part.
    struct Rect {
        int left = 0, top = 0, width = 0, height = 0;
        bool operator==(const Rect&) const = default;
    };
    Rect takePainted();

    // The journal: every call as a line of text, kept only while switched on
    // (for comparing the browser's build with the native one).
    void keepJournal(bool on);
    std::string takeJournal();

    void clear() override;
    void setFillColor(Color color) override;
    void setFillStyle(FillStyle style) override;
    void circle(float x, float y, float radius, std::optional<Color> outline) override;
    void line(float x1, float y1, float x2, float y2, Color color) override;
    void box(float x1, float y1, float x2, float y2, Color color) override;

  private:
    void journalFigure(const char* kind, float x1, float y1, float x2, float y2, Color color);
    void fillAll(std::uint32_t pixel);
    void painted(int y, int x1, int x2);  // a row's pixels x1..x2, inside the area
    void span(int y, int x1, int x2, std::uint32_t pixel);  // x1..x2 inclusive
    void stamp(int x, int y, std::uint32_t pixel);          // a line-width square
    void paintCircle(double cx, double cy, double r, bool filled, std::uint32_t fill,
                     std::uint32_t outline);
    void paintLine(int x1, int y1, int x2, int y2, std::uint32_t pixel);
    int toPixel(float v) const;

    Color fillColor_ = 0;
    FillStyle fillStyle_ = FillStyle::Transparent;

    std::vector<std::uint32_t> pixels_;
    int width_ = 0;
    int height_ = 0;
    double pixelsPerUnit_ = 1.0 / 15.0;
    int lineWidth_ = 1;
    // The painted pixels' bounds, right and bottom excluded; empty when
    // right <= left.
    int paintedLeft_ = 0, paintedTop_ = 0, paintedRight_ = 0, paintedBottom_ = 0;

    bool journalOn_ = false;
    std::string journal_;
};

}  // namespace korvath::web
