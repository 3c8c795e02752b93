// SPDX-License-Identifier: GPL-3.0-or-later
// The window's zoom: the whole layout (places, sizes, fonts and the picture)
// drawn at a factor from 100 % to 400 %. The keys step through a fixed list of
// factors; a maximised or full-screen window takes the largest factor at
// which the whole layout fits its room. The chosen step is remembered
// between runs.
#pragma once

#include <QSize>
#include <QVariant>
#include <span>

namespace korvath::ui {

inline constexpr double kSmallestZoom = 1.0;
inline constexpr double kLargestZoom = 4.0;

// The factors Zoom In and Zoom Out step through, smallest first.
std::span<const double> zoomSteps();

// The next step above `zoom` (or `zoom` itself at the largest), and the next
// below it (or `zoom` itself at the smallest).
double zoomIn(double zoom);
double zoomOut(double zoom);

// The largest factor, in whole percents, at which `natural` (the size at
// 100 %) fits `room`, within 100 % to 400 %: 100 % when not even that fits.
double fittingZoom(QSize natural, QSize room);

// A stored zoom as a factor, or 1 when it is not a number or lies outside
// 100 % to 400 %.
double zoomFromStored(const QVariant& stored);

// The zoom remembered in the user's settings, and remembering a new one.
double loadZoom();
void saveZoom(double zoom);

}  // namespace korvath::ui
