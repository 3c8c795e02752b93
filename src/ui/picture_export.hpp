// SPDX-License-Identifier: GPL-3.0-or-later
// The picture as a file: a vector drawing (SVG) made by the same drawing calls
// as the screen, and a PNG at the screen's resolution.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

namespace korvath {
class SceneRecording;
}

namespace korvath::ui {

class MainWindow;

// Draws the recorded scene on an SVG drawing of `area` pixels at `dpi`.
bool writeSvg(const SceneRecording& recording, QSize area, double dpi, QIODevice& out);

// The window's picture as an SVG document.
QByteArray pictureSvg(const MainWindow& window);

// Writes a picture to `file`: the recording replayed as SVG on `area` pixels
// at `dpi` when the name ends in .svg, `image` as PNG otherwise. Returns the
// reason it failed, empty on success; a failed write leaves no file behind.
QString writePicture(const SceneRecording& recording, QSize area, double dpi, const QImage& image,
                     const QString& file);

// Writes the window's picture to `file`: SVG when its name ends in .svg, PNG
// at the screen's resolution otherwise. Returns the reason it failed (the
// folder cannot be written, the disk is full), empty on success; a failed
// write leaves no file behind and an existing one as it was.
QString writePicture(const MainWindow& window, const QString& file);

}  // namespace korvath::ui
