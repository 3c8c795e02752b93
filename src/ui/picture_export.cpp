#include "picture_export.hpp"

#include <QCoreApplication>
#include <QPainter>
#include <QSvgGenerator>

#include "painter_surface.hpp"
#include "scene.hpp"
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

}  // namespace korvath::ui
