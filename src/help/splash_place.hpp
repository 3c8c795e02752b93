// SPDX-License-Identifier: GPL-3.0-or-later
// Where the "HELP" window goes on a screen: the screen's size as
// single-precision values, rounded half to even to 32-bit integers W and H;
// the window's top-left corner at (W / 2 - W / 4, H / 4) in whole-number
// division, with checked 32-bit arithmetic (a size beyond 32 bits is an
// ArithmeticError). The desktop gives the size in twips, the page in CSS
// pixels. Plain C++: the page's WebAssembly uses it too.
#pragma once

#include <cstdint>

#include "checked.hpp"

namespace korvath::help {

struct SplashPlace {
    std::int32_t left = 0;
    std::int32_t top = 0;

    bool operator==(const SplashPlace&) const = default;
};

inline SplashPlace splashPlace(float screenWidth, float screenHeight) {
    const std::int32_t w = checked::toInt32(screenWidth);
    const std::int32_t h = checked::toInt32(screenHeight);
    return {checked::sub32(w / 2, w / 4), h / 4};
}

}  // namespace korvath::help
