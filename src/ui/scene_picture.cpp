// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene_picture.hpp"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <algorithm>

#include "painter_surface.hpp"
#include "twips.hpp"
#include "vector_registers.hpp"

namespace korvath::ui {

namespace {

constexpr QRgb kBackground = qRgb(0, 0, 0);

// Screen readers meet the picture as an image (a frame would be read as a
// container of nothing), with its name and its description.
QAccessibleInterface* pictureAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ScenePicture::staticMetaObject.className()) &&
        object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

}  // namespace

ScenePicture::ScenePicture(QWidget* parent) : QFrame(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(pictureAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ScenePicture::~ScenePicture() = default;

double ScenePicture::sceneToPixels() const {
    return logicalDpiX() * zoom_ / kTwipsPerInch;
}

void ScenePicture::setZoom(double zoom) {
    if (zoom == zoom_) return;
    finishPainting();
    zoom_ = zoom;
    image_ = QImage();
    fitImage();
    update();
}

// The image covers the drawing area at the device pixel ratio. When either
// changes, what was drawn is carried over, scaled.
void ScenePicture::fitImage() {
    const double dpr = devicePixelRatioF();
    const QSize size = contentsRect().size() * dpr;
    if (image_.size() == size && image_.devicePixelRatio() == dpr) return;
    finishPainting();
    QImage fresh(size, QImage::Format_RGB32);
    fresh.fill(kBackground);
    if (!image_.isNull()) {
        QPainter p(&fresh);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(
            QRectF(QPointF(0, 0), QSizeF(image_.size()) * (dpr / image_.devicePixelRatio())),
            image_);
    }
    fresh.setDevicePixelRatio(dpr);
    image_ = std::move(fresh);
}

// One painter stays open across drawing calls (a traced ray is hundreds of
// lines); it is closed before the image is shown or read.
PainterSurface& ScenePicture::surface() {
    if (!surface_) {
        fitImage();
        painter_ = std::make_unique<QPainter>(&image_);
        // One device-independent pixel wide at 100 %, scaled with the zoom
        // and rounded to whole device pixels: an aliased line 1.25 pixels
        // wide would come out 1 or 2 pixels wide depending on where it
        // falls, and every line must look alike.
        const double lineWidth = std::max(1, qRound(devicePixelRatioF() * zoom_));
        surface_ = std::make_unique<PainterSurface>(*painter_, QSizeF(contentsRect().size()),
                                                    logicalDpiX() * zoom_, lineWidth);
        surface_->setFillColor(fillColor_);
        surface_->setFillStyle(fillStyle_);
    }
    return *surface_;
}

void ScenePicture::finishPainting() {
    surface_.reset();
    painter_.reset();
}

void ScenePicture::clear() {
    finishPainting();
    fitImage();
    image_.fill(kBackground);
    leaveVectorRegistersClean();
    update();
}

void ScenePicture::setFillColor(Color color) {
    fillColor_ = color;
    if (surface_) surface_->setFillColor(color);
}

void ScenePicture::setFillStyle(FillStyle style) {
    fillStyle_ = style;
    if (surface_) surface_->setFillStyle(style);
}

void ScenePicture::circle(float x, float y, float radius, std::optional<Color> outline) {
    surface().circle(x, y, radius, outline);
    leaveVectorRegistersClean();
    update();
}

// Only the line's own pixels are painted again on the screen: a travelling
// ray adds a few short lines a frame.
void ScenePicture::line(float x1, float y1, float x2, float y2, Color color) {
    surface().line(x1, y1, x2, y2, color);
    leaveVectorRegistersClean();
    const double scale = sceneToPixels();
    const QRectF drawn = QRectF(QPointF(x1, y1) * scale, QPointF(x2, y2) * scale).normalized();
    const int margin = 2 + qRound(zoom_);  // the line's width, rounded out
    update(drawn.toAlignedRect()
               .adjusted(-margin, -margin, margin, margin)
               .translated(contentsRect().topLeft()));
}

void ScenePicture::box(float x1, float y1, float x2, float y2, Color color) {
    surface().box(x1, y1, x2, y2, color);
    leaveVectorRegistersClean();
    update();
}

const QImage& ScenePicture::image() {
    finishPainting();
    fitImage();
    return image_;
}

QColor ScenePicture::pixelAt(double x, double y) {
    const QImage& img = image();
    const double scale = sceneToPixels() * img.devicePixelRatio();
    return img.pixelColor(static_cast<int>(x * scale), static_cast<int>(y * scale));
}

void ScenePicture::paintEvent(QPaintEvent* event) {
    finishPainting();
    fitImage();
    QPainter p(this);
    p.drawImage(contentsRect().topLeft(), image_);
    p.end();
    QFrame::paintEvent(event);  // the frame
}

// Shift+F10 opens the context menu, as the Menu key does.
void ScenePicture::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint at = contentsRect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
        QCoreApplication::sendEvent(this, &menu);
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

void ScenePicture::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fitImage();
}

}  // namespace korvath::ui
