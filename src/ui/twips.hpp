// Layout positions and scene coordinates are twips: 1440 to the inch, so 15
// to a pixel at 96 dpi. Conversions follow the screen's logical dpi.
#pragma once

#include <QRect>
#include <cmath>

namespace korvath::ui {

inline constexpr double kTwipsPerInch = 1440.0;

inline int twipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

inline QRect twipsToPixels(int left, int top, int width, int height, double dpi) {
    return {twipsToPixels(left, dpi), twipsToPixels(top, dpi), twipsToPixels(width, dpi),
            twipsToPixels(height, dpi)};
}

}  // namespace korvath::ui
