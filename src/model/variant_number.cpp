// SPDX-License-Identifier: GPL-3.0-or-later
#include "variant_number.hpp"

#include <limits>

#include "checked.hpp"

namespace korvath {

VariantNumber VariantNumber::fromWide(std::int64_t v) {
    if (v >= std::numeric_limits<std::int16_t>::min() &&
        v <= std::numeric_limits<std::int16_t>::max())
        return int16(static_cast<std::int16_t>(v));
    if (v >= std::numeric_limits<std::int32_t>::min() &&
        v <= std::numeric_limits<std::int32_t>::max())
        return int32(static_cast<std::int32_t>(v));
    checked::fail(ArithmeticFault::Overflow);
}

// A 32-bit operand stays 32-bit even if the result would fit 16 bits again.
VariantNumber VariantNumber::offset(std::int32_t delta) const {
    VariantNumber r = fromWide(std::int64_t{value_} + delta);
    if (kind_ == Kind::Int32) r.kind_ = Kind::Int32;
    return r;
}

}  // namespace korvath
