#include "scene_picture.hpp"

#include <QPaintEvent>
#include <algorithm>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#include "twips.hpp"

namespace korvath::ui {

namespace {

constexpr QRgb kBackground = qRgb(0, 0, 0);
constexpr Color kForeground = 0;  // outlines drawn without a colour of their own

QColor toQColor(Color c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

// Qt's raster engine draws some figures (ellipse outlines above all) with AVX
// code that returns with the upper halves of the vector registers still in
// use. The model's arithmetic that runs next is plain SSE and then pays a
// transition penalty on every instruction: the Schwarzschild search after a
// drawn scene ran up to three times slower. Clearing that state after each
// figure costs about a cycle, and nothing on a processor without AVX.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void zeroUpperHalves() {
    _mm256_zeroupper();
}

bool processorHasAvx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx");
}

void leaveVectorRegistersClean() {
    static const bool hasAvx = processorHasAvx();
    if (hasAvx) zeroUpperHalves();
}
#else
void leaveVectorRegistersClean() {}
#endif

}  // namespace

ScenePicture::ScenePicture(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ScenePicture::~ScenePicture() = default;

double ScenePicture::sceneToPixels() const {
    return logicalDpiX() / kTwipsPerInch;
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
QPainter& ScenePicture::painter() {
    if (!painter_) {
        fitImage();
        painter_ = std::make_unique<QPainter>(&image_);
        // Crisp one-pixel figures: a black box must cover exactly the pixels
        // of the yellow box drawn at the same corners.
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->scale(sceneToPixels(), sceneToPixels());
        applyFill();
        update();
    }
    return *painter_;
}

void ScenePicture::finishPainting() {
    painter_.reset();
}

void ScenePicture::setOutline(Color color) {
    // One device-independent pixel wide, rounded to whole device pixels:
    // an aliased line 1.25 pixels wide would come out 1 or 2 pixels wide
    // depending on where it falls, and every line must look alike.
    QPen pen(toQColor(color), std::max(1, qRound(devicePixelRatioF())));
    pen.setCosmetic(true);
    painter().setPen(pen);
}

void ScenePicture::applyFill() {
    if (!painter_) return;
    if (fillStyle_ == FillStyle::Solid)
        painter_->setBrush(toQColor(fillColor_));
    else
        painter_->setBrush(Qt::NoBrush);
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
    applyFill();
}

void ScenePicture::setFillStyle(FillStyle style) {
    fillStyle_ = style;
    applyFill();
}

void ScenePicture::circle(float x, float y, float radius, std::optional<Color> outline) {
    setOutline(outline.value_or(kForeground));
    painter().drawEllipse(QPointF(x, y), radius, radius);
    leaveVectorRegistersClean();
}

void ScenePicture::line(float x1, float y1, float x2, float y2, Color color) {
    setOutline(color);
    painter().drawLine(QPointF(x1, y1), QPointF(x2, y2));
    leaveVectorRegistersClean();
}

void ScenePicture::box(float x1, float y1, float x2, float y2, Color color) {
    setOutline(color);
    painter().drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
    leaveVectorRegistersClean();
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

void ScenePicture::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fitImage();
}

}  // namespace korvath::ui
