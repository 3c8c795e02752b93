// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_export.hpp"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "file_writer.hpp"
#include "main_window.hpp"
#include "painter_surface.hpp"
#include "scene.hpp"
#include "scene_picture.hpp"
#include "scene_recording.hpp"

namespace korvath::ui {

namespace {

struct PictureExport {
    Q_DECLARE_TR_FUNCTIONS(PictureExport)
};

int clampedScale(int scale) {
    return std::clamp(scale, kSmallestPictureScale, kLargestPictureScale);
}

void replay(const SceneRecording& recording, QPainter& painter, QSize pixels, int scale,
            PainterSurface::Lines lines) {
    PainterSurface surface(painter, QSizeF(pixels), kPictureDpi * scale, scale, lines);
    Scene scene(surface);
    recording.replay(scene);
}

}  // namespace

QImage pictureImage(const SceneRecording& recording, QSize area, int scale) {
    scale = clampedScale(scale);
    QImage image(area * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    const int dotsPerMetre = static_cast<int>(std::lround(kPictureDpi * scale / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    replay(recording, painter, image.size(), scale, PainterSurface::Lines::DevicePixels);
    return image;
}

bool writeSvg(const SceneRecording& recording, QSize area, int scale, QIODevice& out) {
    scale = clampedScale(scale);
    const QSize pixels = area * scale;
    QBuffer generated;
    generated.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&generated);
    svg.setSize(pixels);
    svg.setViewBox(QRect(QPoint(0, 0), pixels));
    svg.setResolution(static_cast<int>(kPictureDpi));  // its width and height in pixels
    svg.setTitle(QCoreApplication::translate("MainWindow", "Korvath simulation"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    replay(recording, painter, pixels, scale, PainterSurface::Lines::DrawingUnits);
    if (!painter.end()) return false;
    // The picture is drawn aliased: a black box paints over a yellow one at
    // the same corners, and a smoothing reader would leave a faint outline of
    // every box the marker left. Crisp edges draw it as the PNG shows it.
    // Its size in pixels: a size in millimetres is read at 96 dpi by some
    // readers and at 90 by others, and rounded up by some.
    QString document = QString::fromUtf8(generated.data());
    static const QRegularExpression root(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
    const QRegularExpressionMatch found = root.match(document);
    if (!found.hasMatch()) return false;
    document.replace(
        found.capturedStart(), found.capturedLength(),
        QStringLiteral("<svg width=\"%1\" height=\"%2\" shape-rendering=\"crispEdges\"")
            .arg(pixels.width())
            .arg(pixels.height()));
    const QByteArray bytes = document.toUtf8();
    return out.write(bytes) == bytes.size();
}

QByteArray pictureSvg(const SceneRecording& recording, QSize area, int scale) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeSvg(recording, area, scale, buffer)) return {};
    return buffer.data();
}

QString writePicture(const SceneRecording& recording, QSize area, int scale,
                     const QByteArray& file) {
    const QString shown = QFile::decodeName(file);
    const auto fault = [&](const QString& reason) {
        return PictureExport::tr("The picture cannot be saved as %1: %2.").arg(shown, reason);
    };
    // The format is the one the name of the file written says: a link
    // named a.png that leads to notes.txt would turn notes into a picture.
    QString reason;
    const QByteArray target = fileNameLeadsTo(file, &reason);
    if (target.isEmpty()) return fault(reason);
    const QByteArray base = target.mid(target.lastIndexOf('/') + 1);
    const QByteArray suffix = base.mid(base.lastIndexOf('.') + 1).toLower();
    if (!base.contains('.') || (suffix != "png" && suffix != "svg"))
        return fault(PictureExport::tr("it leads to %1, whose name does not end in .png or .svg")
                         .arg(QFile::decodeName(target)));
    // Made in memory, so that a failed write is the file's alone.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    const bool made = suffix == "svg"
                          ? writeSvg(recording, area, scale, bytes)
                          : QImageWriter(&bytes, "png").write(pictureImage(recording, area, scale));
    if (!made) return fault(PictureExport::tr("the picture could not be made"));
    reason = writeFileSafely(file, bytes.data());
    return reason.isEmpty() ? QString() : fault(reason);
}

QSize pictureArea(const MainWindow& window) {
    const ScenePicture* picture = window.picture();
    const double toScaleOne = kPictureDpi / (picture->logicalDpiX() * picture->zoom());
    const QSize area = picture->contentsRect().size();
    return {static_cast<int>(std::lround(area.width() * toScaleOne)),
            static_cast<int>(std::lround(area.height() * toScaleOne))};
}

QString writePicture(const MainWindow& window, const QString& file, int scale) {
    return writePicture(window.sceneRecording(), pictureArea(window), scale,
                        QFile::encodeName(file));
}

}  // namespace korvath::ui
