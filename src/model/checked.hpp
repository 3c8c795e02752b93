// SPDX-License-Identifier: GPL-3.0-or-later
// Arithmetic that stops on a fault instead of producing infinities or NaNs.
//
// Every floating-point step is tested for invalid operation, division by zero
// and overflow; underflow and inexact results pass. Integer steps on 16-bit and
// 32-bit fields detect overflow. A fault throws ArithmeticError, which the
// computation that ran the step turns into a report for the user.
#pragma once

#include <cmath>
#include <cstdint>
#include <exception>

#include "exact_power.hpp"

namespace korvath {

enum class ArithmeticFault { Overflow, DivisionByZero, InvalidOperation };

// Short English name of a fault, for messages ("overflow", ...).
const char* faultName(ArithmeticFault fault);

class ArithmeticError : public std::exception {
  public:
    explicit ArithmeticError(ArithmeticFault fault) : fault_(fault) {}
    ArithmeticFault fault() const { return fault_; }
    const char* what() const noexcept override { return faultName(fault_); }

  private:
    ArithmeticFault fault_;
};

namespace checked {

[[noreturn]] void fail(ArithmeticFault fault);

// A finite result passes; NaN is an invalid operation, an infinity an overflow.
inline double result(double r) {
    if (std::isfinite(r)) [[likely]]
        return r;
    fail(std::isnan(r) ? ArithmeticFault::InvalidOperation : ArithmeticFault::Overflow);
}

inline double add(double a, double b) {
    return result(a + b);
}
inline double sub(double a, double b) {
    return result(a - b);
}
inline double mul(double a, double b) {
    return result(a * b);
}

inline double div(double a, double b) {
    if (b == 0.0) [[unlikely]]
        fail(a == 0.0 || std::isnan(a) ? ArithmeticFault::InvalidOperation
                                       : ArithmeticFault::DivisionByZero);
    return result(a / b);
}

// x^2 and x^3, correctly rounded (exact_power.hpp): the same bits in every
// build, whatever the processor.
inline double square(double x) {
    return result(exact::square(x));
}
inline double cube(double x) {
    return result(exact::cube(x));
}

inline double sqrt(double a) {
    if (a < 0.0) [[unlikely]]
        fail(ArithmeticFault::InvalidOperation);
    return result(std::sqrt(a));
}

// Nearest 32-bit integer, a value exactly halfway going to the even
// neighbour; anything outside the 32-bit range (or NaN) is an overflow.
inline std::int32_t toInt32(double v) {
    const double r = std::nearbyint(v);  // the default rounding mode is to nearest, ties to even
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) [[unlikely]]
        fail(ArithmeticFault::Overflow);
    return static_cast<std::int32_t>(r);
}

// Integer steps on 16-bit and 32-bit fields: an overflow is an error.
template <typename Int>
Int addInteger(Int a, Int b) {
    Int r;
    if (__builtin_add_overflow(a, b, &r)) [[unlikely]]
        fail(ArithmeticFault::Overflow);
    return r;
}

template <typename Int>
Int subInteger(Int a, Int b) {
    Int r;
    if (__builtin_sub_overflow(a, b, &r)) [[unlikely]]
        fail(ArithmeticFault::Overflow);
    return r;
}

inline std::int16_t add16(std::int16_t a, std::int16_t b) {
    return addInteger(a, b);
}
inline std::int16_t sub16(std::int16_t a, std::int16_t b) {
    return subInteger(a, b);
}
inline std::int32_t add32(std::int32_t a, std::int32_t b) {
    return addInteger(a, b);
}
inline std::int32_t sub32(std::int32_t a, std::int32_t b) {
    return subInteger(a, b);
}

}  // namespace checked
}  // namespace korvath
