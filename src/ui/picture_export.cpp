// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_export.hpp"

#include <QCoreApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include "main_window.hpp"
#include "painter_surface.hpp"
#include "scene.hpp"
#include "scene_picture.hpp"
#include "scene_recording.hpp"

namespace korvath::ui {

bool writeSvg(const SceneRecording& recording, QSize area, double dpi, QIODevice& out) {
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(area);
    svg.setViewBox(QRect(QPoint(0, 0), area));
    svg.setResolution(static_cast<int>(dpi));
    svg.setTitle(QCoreApplication::translate("MainWindow", "Korvath simulation"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    PainterSurface surface(painter, QSizeF(area), dpi, 1.0);
    Scene scene(surface);
    recording.replay(scene);
    return painter.end();
}

namespace {

struct PictureExport {
    Q_DECLARE_TR_FUNCTIONS(PictureExport)
};

bool writeSvgOf(const MainWindow& window, QIODevice& out) {
    const ScenePicture* picture = window.picture();
    return writeSvg(window.sceneRecording(), picture->contentsRect().size(), picture->logicalDpiX(),
                    out);
}

}  // namespace

QByteArray pictureSvg(const MainWindow& window) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeSvgOf(window, buffer);
    return buffer.data();
}

QString writePicture(const SceneRecording& recording, QSize area, double dpi, const QImage& image,
                     const QString& file) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return PictureExport::tr("The picture cannot be saved as %1: %2.")
            .arg(file, out.errorString());
    bool written = false;
    if (QFileInfo(file).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        written = writeSvg(recording, area, dpi, out);
    } else {
        QImageWriter writer(&out, "png");
        written = writer.write(image);
    }
    if (!written || !out.commit())
        return PictureExport::tr("The picture cannot be saved as %1: %2.")
            .arg(file, out.errorString());
    return {};
}

QString writePicture(const MainWindow& window, const QString& file) {
    ScenePicture* picture = window.picture();
    return writePicture(window.sceneRecording(), picture->contentsRect().size(),
                        picture->logicalDpiX(), picture->image(), file);
}

}  // namespace korvath::ui
