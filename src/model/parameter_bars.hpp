// SPDX-License-Identifier: GPL-3.0-or-later
// Port: the four parameter bars, a coarse and a fine one for the radius and
// for the mass.
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

// The bar positions themselves, 0 to 100. setValue moves a bar without
// raising its change event: the controller runs the handler itself, at once
// and only when the value differs.
class ParameterBars {
  public:
    virtual ~ParameterBars() = default;
    virtual std::int16_t value(Bar bar) const = 0;
    virtual void setValue(Bar bar, std::int16_t value) = 0;
};

}  // namespace korvath
