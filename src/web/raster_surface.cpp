// SPDX-License-Identifier: GPL-3.0-or-later
#include "raster_surface.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace korvath::web {

namespace {

constexpr Color kBackground = 0;  // black
constexpr Color kForeground = 0;  // outlines drawn without a colour of their own
// Every figure lies within these many scene units of the origin (the
// Schwarzschild circle's drawing radius is at most 100000); anything further
// out is clipped long before, and the bound keeps pixel arithmetic in range.
constexpr double kFarthest = 1e7;

std::uint32_t opaque(Color c) {
    return c | 0xFF000000u;
}

// Nine significant digits tell every float apart.
void append(std::string& out, float v) {
    char buf[32];
    const int n = std::snprintf(buf, sizeof buf, " %.9g", static_cast<double>(v));
    out.append(buf, static_cast<size_t>(n));
}

void append(std::string& out, Color c) {
    char buf[16];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, c);
    if (ec != std::errc{}) std::abort();
    out.push_back(' ');
    out.append(buf, end);
}

}  // namespace

void RasterSurface::setGeometry(int width, int height, double pixelsPerUnit, int lineWidth) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixelsPerUnit_ = pixelsPerUnit > 0 ? pixelsPerUnit : 1.0 / 15.0;
    lineWidth_ = std::max(lineWidth, 1);
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), opaque(kBackground));
    paintedLeft_ = paintedTop_ = 0;
    paintedRight_ = width_;
    paintedBottom_ = height_;
}

RasterSurface::Rect RasterSurface::takePainted() {
    Rect rect;
    if (paintedRight_ > paintedLeft_ && paintedBottom_ > paintedTop_)
        rect = {paintedLeft_, paintedTop_, paintedRight_ - paintedLeft_,
                paintedBottom_ - paintedTop_};
    paintedLeft_ = paintedTop_ = paintedRight_ = paintedBottom_ = 0;
    return rect;
}

void RasterSurface::keepJournal(bool on) {
    journalOn_ = on;
    if (!on) journal_.clear();
}

std::string RasterSurface::takeJournal() {
    std::string out;
    out.swap(journal_);
    return out;
}

void RasterSurface::clear() {
    if (journalOn_) journal_ += "clear\n";
    fillAll(opaque(kBackground));
}

void RasterSurface::setFillColor(Color color) {
    if (journalOn_) {
        journal_ += "fillColor";
        append(journal_, color);
        journal_ += '\n';
    }
    fillColor_ = color;
}

void RasterSurface::setFillStyle(FillStyle style) {
    if (journalOn_)
        journal_ += style == FillStyle::Solid ? "fillStyle solid\n" : "fillStyle transparent\n";
    fillStyle_ = style;
}

void RasterSurface::circle(float x, float y, float radius, std::optional<Color> outline) {
    if (journalOn_) {
        journal_ += "circle";
        for (float v : {x, y, radius})
            append(journal_, v);
        if (outline)
            append(journal_, *outline);
        else
            journal_ += " foreground";
        journal_ += '\n';
    }
    const double k = pixelsPerUnit_;
    const auto units = [](float v) {
        return std::clamp(static_cast<double>(v), -kFarthest, kFarthest);
    };
    paintCircle(units(x) * k, units(y) * k, std::fabs(units(radius)) * k,
                fillStyle_ == FillStyle::Solid, opaque(fillColor_),
                opaque(outline.value_or(kForeground)));
}

// A line or a box in the journal: its kind, its corners and its colour.
void RasterSurface::journalFigure(const char* kind, float x1, float y1, float x2, float y2,
                                  Color color) {
    if (!journalOn_) return;
    journal_ += kind;
    for (float v : {x1, y1, x2, y2})
        append(journal_, v);
    append(journal_, color);
    journal_ += '\n';
}

void RasterSurface::line(float x1, float y1, float x2, float y2, Color color) {
    journalFigure("line", x1, y1, x2, y2, color);
    paintLine(toPixel(x1), toPixel(y1), toPixel(x2), toPixel(y2), opaque(color));
}

// The four sides through the corners' pixels; the inside filled when the fill
// style is solid.
void RasterSurface::box(float x1, float y1, float x2, float y2, Color color) {
    journalFigure("box", x1, y1, x2, y2, color);
    int left = toPixel(x1), top = toPixel(y1);
    int right = toPixel(x2), bottom = toPixel(y2);
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (fillStyle_ == FillStyle::Solid)
        for (int y = top + 1; y < bottom; ++y)
            span(y, left + 1, right - 1, opaque(fillColor_));
    const std::uint32_t pixel = opaque(color);
    paintLine(left, top, right, top, pixel);
    paintLine(left, bottom, right, bottom, pixel);
    paintLine(left, top, left, bottom, pixel);
    paintLine(right, top, right, bottom, pixel);
}

// ---------------------------------------------------------------------------
// Painting

int RasterSurface::toPixel(float v) const {
    const double d = std::clamp(static_cast<double>(v), -kFarthest, kFarthest);
    return static_cast<int>(std::floor(d * pixelsPerUnit_));
}

void RasterSurface::fillAll(std::uint32_t pixel) {
    std::fill(pixels_.begin(), pixels_.end(), pixel);
    if (width_ > 0 && height_ > 0) {
        painted(0, 0, width_ - 1);
        painted(height_ - 1, 0, width_ - 1);
    }
}

void RasterSurface::painted(int y, int x1, int x2) {
    if (paintedRight_ <= paintedLeft_) {
        paintedLeft_ = x1;
        paintedRight_ = x2 + 1;
        paintedTop_ = y;
        paintedBottom_ = y + 1;
        return;
    }
    paintedLeft_ = std::min(paintedLeft_, x1);
    paintedRight_ = std::max(paintedRight_, x2 + 1);
    paintedTop_ = std::min(paintedTop_, y);
    paintedBottom_ = std::max(paintedBottom_, y + 1);
}

void RasterSurface::span(int y, int x1, int x2, std::uint32_t pixel) {
    if (y < 0 || y >= height_) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width_ - 1);
    if (x1 > x2) return;
    auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
    std::fill(row + x1, row + x2 + 1, pixel);
    painted(y, x1, x2);
}

// A square of the line width with (x, y) at its middle (at its upper-left
// middle for an even width).
void RasterSurface::stamp(int x, int y, std::uint32_t pixel) {
    const int from = -(lineWidth_ - 1) / 2;
    for (int dy = 0; dy < lineWidth_; ++dy)
        span(y + from + dy, x + from, x + from + lineWidth_ - 1, pixel);
}

// The pixels whose centres lie inside a circle of radius r around (cx, cy),
// row by row: the columns x with |x + 0.5 - cx| < half, half the chord.
namespace {
struct Chord {
    bool any = false;
    int first = 0, last = 0;
};

Chord chord(double cx, double halfSquared) {
    if (halfSquared <= 0) return {};
    const double half = std::sqrt(halfSquared);
    Chord c;
    c.first = static_cast<int>(std::floor(cx - half - 0.5)) + 1;
    c.last = static_cast<int>(std::ceil(cx + half - 0.5)) - 1;
    c.any = c.first <= c.last;
    return c;
}
}  // namespace

// The outline is the ring of pixels whose centres lie from r - w/2 (included)
// to r + w/2 (excluded) from the centre, w the line width: for w = 1 an
// unbroken one-pixel circle. A filled circle fills what lies within r first.
void RasterSurface::paintCircle(double cx, double cy, double r, bool filled, std::uint32_t fill,
                                std::uint32_t outline) {
    const double outer = r + lineWidth_ / 2.0;
    const double inner = r - lineWidth_ / 2.0;
    const int top = std::max(static_cast<int>(std::floor(cy - outer)) - 1, 0);
    const int bottom = std::min(static_cast<int>(std::ceil(cy + outer)) + 1, height_ - 1);
    for (int y = top; y <= bottom; ++y) {
        const double dy = y + 0.5 - cy;
        const double dy2 = dy * dy;
        if (filled) {
            const Chord body = chord(cx, r * r - dy2);
            if (body.any) span(y, body.first, body.last, fill);
        }
        const Chord out = chord(cx, outer * outer - dy2);
        if (!out.any) continue;
        const Chord in = inner > 0 ? chord(cx, inner * inner - dy2) : Chord{};
        if (!in.any) {
            span(y, out.first, out.last, outline);
        } else {
            span(y, out.first, in.first - 1, outline);
            span(y, in.last + 1, out.last, outline);
        }
    }
}

// Bresenham's line, both ends included.
void RasterSurface::paintLine(int x1, int y1, int x2, int y2, std::uint32_t pixel) {
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    // A line wholly outside the area, on one side, paints nothing.
    const int margin = lineWidth_;
    if ((x1 < -margin && x2 < -margin) || (y1 < -margin && y2 < -margin) ||
        (x1 >= width_ + margin && x2 >= width_ + margin) ||
        (y1 >= height_ + margin && y2 >= height_ + margin))
        return;
    int err = dx + dy;
    for (;;) {
        stamp(x1, y1, pixel);
        if (x1 == x2 && y1 == y2) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

}  // namespace korvath::web
