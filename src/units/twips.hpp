// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' layout unit: twips, 1440 to the inch, so 15 to a pixel at
// 96 dpi. Places and sizes convert to pixels at the screen's logical dpi.
// Shared by the main window's layout and the help command's small window.
#pragma once

#include <QRect>
#include <cmath>

namespace korvath {

inline constexpr double kTwipsPerInch = 1440.0;

inline int twipsToPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

inline double twipsPerPixel(double dpi) {
    return kTwipsPerInch / dpi;
}

// A control's place and size in twips, as pixels.
inline QRect twipsToPixels(int left, int top, int width, int height, double dpi) {
    return {twipsToPixels(left, dpi), twipsToPixels(top, dpi), twipsToPixels(width, dpi),
            twipsToPixels(height, dpi)};
}

}  // namespace korvath
