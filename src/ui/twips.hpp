// SPDX-License-Identifier: GPL-3.0-or-later
// A control's place and size in twips, as pixels at the screen's logical dpi.
#pragma once

#include <QRect>

#include "units.hpp"

namespace korvath::ui {

using korvath::twipsToPixels;

inline QRect twipsToPixels(int left, int top, int width, int height, double dpi) {
    return {korvath::twipsToPixels(left, dpi), korvath::twipsToPixels(top, dpi),
            korvath::twipsToPixels(width, dpi), korvath::twipsToPixels(height, dpi)};
}

}  // namespace korvath::ui
