// SPDX-License-Identifier: GPL-3.0-or-later
#include "painter_surface.hpp"

#include "twips.hpp"

namespace korvath::ui {

namespace {

constexpr Color kForeground = 0;  // outlines drawn without a colour of their own

QColor toQColor(Color c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

}  // namespace

PainterSurface::PainterSurface(QPainter& painter, QSizeF area, double dpi, double lineWidth,
                               Lines lines)
    : painter_(painter),
      area_(area),
      lineWidth_(lineWidth),
      cosmetic_(lines == Lines::DevicePixels),
      areaTransform_(painter.transform()) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    const double scale = dpi / kTwipsPerInch;
    painter_.scale(scale, scale);
    // In scene units a line of `lineWidth` pixels is that many pixels' worth
    // of twips; a vector reader then scales it with the figures.
    if (!cosmetic_) lineWidth_ = lineWidth / scale;
    applyFill();
}

void PainterSurface::clear() {
    painter_.save();
    painter_.setTransform(areaTransform_);
    painter_.fillRect(QRectF(QPointF(0, 0), area_), Qt::black);
    painter_.restore();
}

void PainterSurface::setFillColor(Color color) {
    fillColor_ = color;
    applyFill();
}

void PainterSurface::setFillStyle(FillStyle style) {
    fillStyle_ = style;
    applyFill();
}

void PainterSurface::applyFill() {
    if (fillStyle_ == FillStyle::Solid)
        painter_.setBrush(toQColor(fillColor_));
    else
        painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::setOutline(Color color) {
    QPen pen(toQColor(color), lineWidth_);
    pen.setCosmetic(cosmetic_);
    painter_.setPen(pen);
}

void PainterSurface::circle(float x, float y, float radius, std::optional<Color> outline) {
    setOutline(outline.value_or(kForeground));
    painter_.drawEllipse(QPointF(x, y), radius, radius);
}

void PainterSurface::line(float x1, float y1, float x2, float y2, Color color) {
    setOutline(color);
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterSurface::box(float x1, float y1, float x2, float y2, Color color) {
    setOutline(color);
    painter_.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
}

}  // namespace korvath::ui
