// SPDX-License-Identifier: GPL-3.0-or-later
#include "checked.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "variant_number.hpp"

namespace korvath {
namespace {

ArithmeticFault faultOf(auto&& step) {
    try {
        step();
    } catch (const ArithmeticError& e) {
        return e.fault();
    }
    ADD_FAILURE() << "no fault raised";
    return ArithmeticFault::InvalidOperation;
}

TEST(CheckedArithmetic, ConversionToInt32RoundsHalfToEven) {
    EXPECT_EQ(checked::toInt32(0.5), 0);
    EXPECT_EQ(checked::toInt32(1.5), 2);
    EXPECT_EQ(checked::toInt32(2.5), 2);
    EXPECT_EQ(checked::toInt32(8.5), 8);
    EXPECT_EQ(checked::toInt32(9.5), 10);
    EXPECT_EQ(checked::toInt32(-0.5), 0);
    EXPECT_EQ(checked::toInt32(-1.5), -2);
    EXPECT_EQ(checked::toInt32(-2.5), -2);
    EXPECT_EQ(checked::toInt32(7.4), 7);
    EXPECT_EQ(checked::toInt32(7.6), 8);
    EXPECT_EQ(checked::toInt32(2147483647.4), 2147483647);
    EXPECT_EQ(checked::toInt32(-2147483648.5), -2147483648);  // halfway to the even -2^31
}

TEST(CheckedArithmetic, ConversionOutsideTheInt32RangeIsAnOverflow) {
    EXPECT_EQ(faultOf([] { checked::toInt32(2147483647.5); }), ArithmeticFault::Overflow);
    EXPECT_EQ(faultOf([] { checked::toInt32(-2147483648.6); }), ArithmeticFault::Overflow);
    EXPECT_EQ(faultOf([] { checked::toInt32(3e9); }), ArithmeticFault::Overflow);
    EXPECT_EQ(faultOf([] { checked::toInt32(std::nan("")); }), ArithmeticFault::Overflow);
    EXPECT_EQ(faultOf([] { checked::toInt32(INFINITY); }), ArithmeticFault::Overflow);
}

TEST(CheckedArithmetic, IntegerFieldsDetectOverflow) {
    EXPECT_EQ(checked::add16(32766, 1), 32767);
    EXPECT_EQ(faultOf([] { checked::add16(32767, 1); }), ArithmeticFault::Overflow);
    EXPECT_EQ(checked::sub16(0, 50), -50);
    EXPECT_EQ(faultOf([] { checked::sub16(-32718, 51); }), ArithmeticFault::Overflow);
    EXPECT_EQ(faultOf([] { checked::add32(2147483647, 1); }), ArithmeticFault::Overflow);
    EXPECT_EQ(faultOf([] { checked::sub32(-2147483647, 2); }), ArithmeticFault::Overflow);
    EXPECT_EQ(checked::sub32(3000, -12000), 15000);
}

TEST(CheckedArithmetic, FloatingFaultsAreInvalidDivisionByZeroOrOverflow) {
    EXPECT_EQ(faultOf([] { checked::div(1.0, 0.0); }), ArithmeticFault::DivisionByZero);
    EXPECT_EQ(faultOf([] { checked::div(0.0, 0.0); }), ArithmeticFault::InvalidOperation);
    EXPECT_EQ(faultOf([] { checked::mul(1e200, 1e200); }), ArithmeticFault::Overflow);
    EXPECT_EQ(faultOf([] { checked::add(1.7e308, 1.7e308); }), ArithmeticFault::Overflow);
    EXPECT_EQ(faultOf([] { checked::cube(-1e103); }), ArithmeticFault::Overflow);
    EXPECT_EQ(faultOf([] { checked::square(1e155); }), ArithmeticFault::Overflow);
    EXPECT_EQ(faultOf([] { checked::cube(std::nan("")); }), ArithmeticFault::InvalidOperation);
    EXPECT_EQ(faultOf([] { checked::sqrt(-1.0); }), ArithmeticFault::InvalidOperation);
    EXPECT_EQ(faultOf([] { checked::div(1.0, 1e-310); }), ArithmeticFault::Overflow);
}

TEST(CheckedArithmetic, UnderflowAndInexactResultsPass) {
    EXPECT_EQ(checked::mul(1e-200, 1e-200), 0.0);
    EXPECT_GT(checked::div(1e-300, 1e10), 0.0);  // subnormal
    EXPECT_EQ(checked::div(1.0, 3.0), 1.0 / 3.0);
    EXPECT_EQ(checked::cube(1e-110), 0.0);
}

TEST(VariantNumber, KeepsTheSixteenBitKindWhileItFitsAndWidensBeyond) {
    const auto start = VariantNumber::int16(8100);
    EXPECT_EQ(start.plus(100), VariantNumber::int16(8200));
    EXPECT_EQ(start.minus(50).kind(), VariantNumber::Kind::Int16);

    const auto top = VariantNumber::int16(32700);
    const auto wide = top.plus(300);
    EXPECT_EQ(wide.kind(), VariantNumber::Kind::Int32);
    EXPECT_EQ(wide.value(), 33000);
    EXPECT_EQ(VariantNumber::int16(-32700).minus(300), VariantNumber::int32(-33000));
    // Once wide, it stays wide, as a 32-bit value plus a 16-bit step does.
    EXPECT_EQ(wide.minus(300).kind(), VariantNumber::Kind::Int32);
    EXPECT_EQ(faultOf([] { VariantNumber::int32(2147483600).plus(100); }),
              ArithmeticFault::Overflow);
}

TEST(VariantNumber, EmptyCountsAsZero) {
    VariantNumber empty;
    EXPECT_EQ(empty.kind(), VariantNumber::Kind::Empty);
    EXPECT_EQ(empty.plus(50), VariantNumber::int16(50));
    EXPECT_EQ(VariantNumber::int16(1500).toSingle(), 1500.0f);
}

}  // namespace
}  // namespace korvath
