// SPDX-License-Identifier: GPL-3.0-or-later
// scenePicture: the drawing surface of the scene. It draws into a retained image
// at the screen's device pixel ratio and paints itself from that image, so
// what was drawn survives the window being covered, minimized or resized.
// Scene units are twips (15 to a pixel at 96 dpi), origin at the top-left of
// the drawing area inside the frame. Screen readers see it as an image, and
// Shift+F10 opens its context menu as the Menu key does.
#pragma once

#include <QFrame>
#include <QImage>
#include <QPainter>
#include <memory>

#include "surface.hpp"

namespace korvath::ui {

class PainterSurface;

class ScenePicture final : public QFrame, public Surface {
    Q_OBJECT
  public:
    explicit ScenePicture(QWidget* parent = nullptr);
    ~ScenePicture() override;

    void clear() override;
    void setFillColor(Color color) override;
    void setFillStyle(FillStyle style) override;
    void circle(float x, float y, float radius, std::optional<Color> outline) override;
    void line(float x1, float y1, float x2, float y2, Color color) override;
    void box(float x1, float y1, float x2, float y2, Color color) override;

    // What the drawing area shows, at full device resolution.
    const QImage& image();
    // The pixel under scene point (x, y), for checking what was drawn.
    QColor pixelAt(double x, double y);

    // The window's zoom: scene units and line widths scale with it. Changing
    // it clears the picture, which the caller then draws again at the new
    // scale (scaling the old image would blur it).
    void setZoom(double zoom);
    double zoom() const { return zoom_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    PainterSurface& surface();
    void finishPainting();
    void fitImage();
    double sceneToPixels() const;

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PainterSurface> surface_;  // draws with painter_
    Color fillColor_ = 0;
    FillStyle fillStyle_ = FillStyle::Transparent;
    double zoom_ = 1;
};

}  // namespace korvath::ui
