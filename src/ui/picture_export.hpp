// The picture as a file: a vector drawing (SVG) made by the same drawing calls
// as the screen, and a PNG at the screen's resolution.
#pragma once

#include <QImage>
#include <QSize>

class QIODevice;

namespace korvath {
class SceneRecording;
}

namespace korvath::ui {

// Draws the recorded scene on an SVG drawing of `area` pixels at `dpi`.
bool writeSvg(const SceneRecording& recording, QSize area, double dpi, QIODevice& out);

}  // namespace korvath::ui
