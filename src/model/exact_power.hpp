// SPDX-License-Identifier: GPL-3.0-or-later
// Squares and cubes of doubles, correctly rounded with nothing but IEEE basic
// operations and integer arithmetic, so that every build on every processor
// (with or without fused multiply-add, natively or in WebAssembly) gives the
// same bits.
#pragma once

#include <bit>
#include <cstdint>

namespace korvath::exact {

// x^2, correctly rounded: one IEEE multiplication.
inline double square(double x) {
    return x * x;
}

// x^3, correctly rounded to nearest, ties to even: the exact cube of the
// 53-bit significand (at most 159 bits, as 128-bit integer products) is
// rounded once, to 53 bits or, for a subnormal result, to the bits that
// remain. A cube beyond the largest double is an infinity, one below half the
// smallest subnormal a zero; both keep the sign of x. An infinity or NaN
// gives x itself.
inline double cube(double x) {
    using u64 = std::uint64_t;
    __extension__ typedef unsigned __int128 u128;
    constexpr u64 kFraction = (u64{1} << 52) - 1;
    const u64 bits = std::bit_cast<u64>(x);
    const u64 sign = bits & (u64{1} << 63);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    if (biased == 0x7ff) return x;  // ±infinity or NaN
    // Below 2^-359 (zeros and subnormals among them) the cube is below
    // 2^-1077, less than half the smallest subnormal: a zero.
    if (biased < 1023 - 359) return std::bit_cast<double>(sign);
    const u64 m = (bits & kFraction) | (u64{1} << 52);  // x = ±m * 2^(e - 52)
    const int e = biased - 1023;

    // m^3 = top * 2^64 + low, top < 2^95 (m^2 < 2^106, so its upper 64 bits
    // are below 2^42, and their product with m below 2^95).
    const u128 m2 = u128{m} * m;
    const u128 lowProduct = u128{static_cast<u64>(m2)} * m;
    const u128 top = u128{static_cast<u64>(m2 >> 64)} * m + (lowProduct >> 64);
    const u64 low = static_cast<u64>(lowProduct);

    // The leading bit of m^3 is bit 64 + lead, lead in 92..94 (m^3 >= 2^156):
    // x^3 lies in [2^exponent, 2^(exponent + 1)).
    const int lead = 127 - std::countl_zero(static_cast<u64>(top >> 64));
    const int exponent = 3 * e + lead - 92;
    if (exponent > 1023) return std::bit_cast<double>(sign | 0x7ff0000000000000);

    // Bits of m^3 below the result's last place: 53 remain for a normal
    // result; a subnormal one has its last place at 2^-1074.
    // From 104 (all of low and the foot of top) to 159 (e = -359: all of
    // m^3, which then rounds to zero or to the smallest subnormal).
    const int dropped = exponent < -1022 ? -918 - 3 * e : lead + 12;
    const int topDropped = dropped - 64;
    const u64 kept = static_cast<u64>(top >> topDropped);
    const bool half = static_cast<u64>(top >> (topDropped - 1)) & 1;
    const u128 belowHalf = top & ((u128{1} << (topDropped - 1)) - 1);
    const bool roundUp = half && (belowHalf != 0 || low != 0 || (kept & 1) != 0);

    // A normal result's leading bit adds one to its exponent field; a carry
    // out of the significand moves to the next binade or, past the largest
    // double, to infinity.
    const u64 exponentField = exponent < -1022 ? 0 : static_cast<u64>(exponent + 1022) << 52;
    return std::bit_cast<double>(sign | (exponentField + kept + (roundUp ? 1 : 0)));
}

}  // namespace korvath::exact
