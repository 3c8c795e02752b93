// SPDX-License-Identifier: GPL-3.0-or-later
// Screen and layout positions, and the scene's coordinates, are twips: 1440
// to the inch, so 15 to a pixel at 96 dpi. Conversions follow the screen's
// logical dpi.
#pragma once

#include <cmath>

namespace korvath {

inline constexpr double kTwipsPerInch = 1440.0;

inline int twipsToPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

inline double twipsPerPixel(double dpi) {
    return kTwipsPerInch / dpi;
}

}  // namespace korvath
