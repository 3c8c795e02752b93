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

void describe(std::string& out, const DrawCall& c) {
    using Op = DrawCall::Op;
    switch (c.op) {
        case Op::Clear:
            out += "clear";
            break;
        case Op::FillColor:
            out += "fillColor";
            append(out, c.color);
            break;
        case Op::FillStyle:
            out += c.fillStyle == FillStyle::Solid ? "fillStyle solid" : "fillStyle transparent";
            break;
        case Op::Circle:
            out += "circle";
            append(out, c.a);
            append(out, c.b);
            append(out, c.c);
            if (c.ownColour)
                append(out, c.color);
            else
                out += " foreground";
            break;
        case Op::Line:
        case Op::Box:
            out += c.op == Op::Line ? "line" : "box";
            append(out, c.a);
            append(out, c.b);
            append(out, c.c);
            append(out, c.d);
            append(out, c.color);
            break;
    }
    out.push_back('\n');
}

}  // namespace

void RasterSurface::setGeometry(int width, int height, double pixelsPerUnit, int lineWidth) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixelsPerUnit_ = pixelsPerUnit > 0 ? pixelsPerUnit : 1.0 / 15.0;
    lineWidth_ = std::max(lineWidth, 1);
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), opaque(kBackground));
    paintFillColor_ = 0;
    paintFillStyle_ = FillStyle::Transparent;
    for (const DrawCall& call : sinceClear_)
        paint(call);
    changed_ = true;
}

bool RasterSurface::takeChanged() {
    const bool was = changed_;
    changed_ = false;
    return was;
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

void RasterSurface::record(const DrawCall& call) {
    if (journalOn_) describe(journal_, call);
    if (call.op == DrawCall::Op::Clear) {
        // Everything before is gone; the fill set before it stays in force.
        sinceClear_.clear();
        sinceClear_.push_back(call);
        sinceClear_.push_back({DrawCall::Op::FillColor, fillColor_});
        DrawCall style{DrawCall::Op::FillStyle};
        style.fillStyle = fillStyle_;
        sinceClear_.push_back(style);
    } else {
        sinceClear_.push_back(call);
    }
    paint(call);
    changed_ = true;
}

void RasterSurface::clear() {
    record({DrawCall::Op::Clear});
}

void RasterSurface::setFillColor(Color color) {
    fillColor_ = color;
    record({DrawCall::Op::FillColor, color});
}

void RasterSurface::setFillStyle(FillStyle style) {
    fillStyle_ = style;
    DrawCall call{DrawCall::Op::FillStyle};
    call.fillStyle = style;
    record(call);
}

void RasterSurface::circle(float x, float y, float radius, std::optional<Color> outline) {
    DrawCall call{DrawCall::Op::Circle, outline.value_or(kForeground), outline.has_value()};
    call.a = x;
    call.b = y;
    call.c = radius;
    record(call);
}

void RasterSurface::line(float x1, float y1, float x2, float y2, Color color) {
    record({DrawCall::Op::Line, color, true, FillStyle::Transparent, x1, y1, x2, y2});
}

void RasterSurface::box(float x1, float y1, float x2, float y2, Color color) {
    record({DrawCall::Op::Box, color, true, FillStyle::Transparent, x1, y1, x2, y2});
}

// ---------------------------------------------------------------------------
// Painting

int RasterSurface::toPixel(float v) const {
    const double d = std::clamp(static_cast<double>(v), -kFarthest, kFarthest);
    return static_cast<int>(std::floor(d * pixelsPerUnit_));
}

void RasterSurface::paint(const DrawCall& call) {
    using Op = DrawCall::Op;
    switch (call.op) {
        case Op::Clear:
            fillAll(opaque(kBackground));
            break;
        case Op::FillColor:
            paintFillColor_ = call.color;
            break;
        case Op::FillStyle:
            paintFillStyle_ = call.fillStyle;
            break;
        case Op::Circle: {
            const double k = pixelsPerUnit_;
            const auto clampUnits = [](float v) {
                return std::clamp(static_cast<double>(v), -kFarthest, kFarthest);
            };
            paintCircle(clampUnits(call.a) * k, clampUnits(call.b) * k,
                        std::fabs(clampUnits(call.c)) * k, paintFillStyle_ == FillStyle::Solid,
                        opaque(paintFillColor_), opaque(call.color));
            break;
        }
        case Op::Line:
            paintLine(toPixel(call.a), toPixel(call.b), toPixel(call.c), toPixel(call.d),
                      opaque(call.color));
            break;
        case Op::Box:
            paintBox(call);
            break;
    }
}

void RasterSurface::fillAll(std::uint32_t pixel) {
    std::fill(pixels_.begin(), pixels_.end(), pixel);
}

void RasterSurface::span(int y, int x1, int x2, std::uint32_t pixel) {
    if (y < 0 || y >= height_) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width_ - 1);
    if (x1 > x2) return;
    auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
    std::fill(row + x1, row + x2 + 1, pixel);
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

// The four sides through the corners' pixels; the inside filled when the fill
// style is solid.
void RasterSurface::paintBox(const DrawCall& call) {
    int left = toPixel(call.a), top = toPixel(call.b);
    int right = toPixel(call.c), bottom = toPixel(call.d);
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (paintFillStyle_ == FillStyle::Solid)
        for (int y = top + 1; y < bottom; ++y)
            span(y, left + 1, right - 1, opaque(paintFillColor_));
    const std::uint32_t pixel = opaque(call.color);
    paintLine(left, top, right, top, pixel);
    paintLine(left, bottom, right, bottom, pixel);
    paintLine(left, top, left, bottom, pixel);
    paintLine(right, top, right, bottom, pixel);
}

}  // namespace korvath::web
