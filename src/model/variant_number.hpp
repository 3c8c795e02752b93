// SPDX-License-Identifier: GPL-3.0-or-later
// A whole number that carries its integer kind: 16-bit or 32-bit signed, or
// empty before it is first set. The beam start and the marker's x position
// are such numbers: adding or subtracting a step keeps the 16-bit kind while
// the result fits and widens to the 32-bit kind beyond, without error.
#pragma once

#include <cstdint>

namespace korvath {

class VariantNumber {
  public:
    enum class Kind { Empty, Int16, Int32 };

    constexpr VariantNumber() = default;
    static constexpr VariantNumber int16(std::int16_t v) { return VariantNumber(Kind::Int16, v); }
    static constexpr VariantNumber int32(std::int32_t v) { return VariantNumber(Kind::Int32, v); }

    constexpr Kind kind() const { return kind_; }
    // An empty number counts as 0, as in any arithmetic on it.
    constexpr std::int32_t value() const { return value_; }
    constexpr float toSingle() const { return static_cast<float>(value_); }

    // The number plus or minus a 16-bit step; a 32-bit overflow is an
    // ArithmeticError (with the program's bounds it stays far from it).
    VariantNumber plus(std::int16_t step) const { return offset(step); }
    VariantNumber minus(std::int16_t step) const { return offset(-std::int32_t{step}); }

    friend constexpr bool operator==(const VariantNumber&, const VariantNumber&) = default;

  private:
    constexpr VariantNumber(Kind kind, std::int32_t v) : kind_(kind), value_(v) {}
    static VariantNumber fromWide(std::int64_t v);
    VariantNumber offset(std::int32_t delta) const;

    Kind kind_ = Kind::Empty;
    std::int32_t value_ = 0;
};

}  // namespace korvath
