// SPDX-License-Identifier: GPL-3.0-or-later
// Colours as 32-bit values red + 256 * green + 65536 * blue.
#pragma once

#include <cstdint>

namespace korvath {

using Color = std::uint32_t;

constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Color{r} | (Color{g} << 8) | (Color{b} << 16);
}
constexpr std::uint8_t redOf(Color c) {
    return c & 0xFF;
}
constexpr std::uint8_t greenOf(Color c) {
    return (c >> 8) & 0xFF;
}
constexpr std::uint8_t blueOf(Color c) {
    return (c >> 16) & 0xFF;
}

namespace colors {
inline constexpr Color kBlack = 0;
// Entries of the standard 16-colour palette used by the scene.
inline constexpr Color kPaletteYellow = rgb(255, 255, 0);         // index 14
inline constexpr Color kPaletteBrightWhite = rgb(255, 255, 255);  // index 15
}  // namespace colors

}  // namespace korvath
