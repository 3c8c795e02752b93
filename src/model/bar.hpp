// SPDX-License-Identifier: GPL-3.0-or-later
// The four parameter bars: a coarse and a fine one for the radius and for the
// mass, each at a position 0 to 100.
#pragma once

#include <array>
#include <cstdint>

namespace korvath {

enum class Bar { RadiusCoarse, MassCoarse, RadiusFine, MassFine };
inline constexpr std::array<Bar, 4> kAllBars{Bar::RadiusCoarse, Bar::MassCoarse, Bar::RadiusFine,
                                             Bar::MassFine};
inline constexpr int barIndex(Bar b) {
    return static_cast<int>(b);
}

inline constexpr std::int16_t kBarMinimum = 0;
inline constexpr std::int16_t kBarMaximum = 100;
// The position that leaves its base as it is.
inline constexpr std::int16_t kBarNeutral = 50;

}  // namespace korvath
