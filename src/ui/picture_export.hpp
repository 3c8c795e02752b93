// SPDX-License-Identifier: GPL-3.0-or-later
// The picture as a file: a PNG and a vector drawing (SVG), both made by the
// same drawing calls as the screen from a recording of them. They need no
// window: the size of the drawing area and a whole-number scale say
// everything. At scale n the picture is n times as many pixels each way and
// every line is n pixels wide, so that a worksheet or a projector gets sharp
// lines of the same weight.
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

inline constexpr int kSmallestPictureScale = 1;
inline constexpr int kLargestPictureScale = 8;
// Pixels per inch of a picture at scale 1: 15 scene units to a pixel.
inline constexpr double kPictureDpi = 96;

// `area` is the drawing area in pixels at scale 1 (15 scene units a pixel);
// `scale` is clamped to 1..8.

// The recorded scene as an image of area * scale pixels, lines `scale`
// pixels wide, aliased as on the screen. Its resolution is 96 * scale dpi, so
// it prints at the same size at every scale.
QImage pictureImage(const SceneRecording& recording, QSize area, int scale);

// The recorded scene as an SVG document of area * scale pixels. Line widths
// are in the drawing's own units and the edges are crisp, so that every
// reader draws the lines as the PNG shows them.
bool writeSvg(const SceneRecording& recording, QSize area, int scale, QIODevice& out);
QByteArray pictureSvg(const SceneRecording& recording, QSize area, int scale);

// Writes the recorded scene to the file `file` (the system's bytes) leads
// to (writeFileSafely): SVG when that file's name ends in .svg, PNG when in
// .png (any case); any other is refused. Returns the reason it failed (the
// folder cannot be written, the disk is full, a pipe or device named), empty
// on success; a failed write leaves no file behind and an existing one as
// it was.
QString writePicture(const SceneRecording& recording, QSize area, int scale, const QByteArray& file);

// The drawing area of the window's picture in pixels at scale 1.
QSize pictureArea(const MainWindow& window);
// writePicture for the picture the window shows.
QString writePicture(const MainWindow& window, const QString& file, int scale = 1);

}  // namespace korvath::ui
