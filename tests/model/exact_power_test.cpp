// SPDX-License-Identifier: GPL-3.0-or-later
// Cubes and squares against MPFR's correctly rounded ones, bit for bit, over
// the whole double range: random bit patterns, random values near the edges
// where a cube becomes subnormal, zero or infinite, and exact halfway cases.
#include "exact_power.hpp"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <vector>

namespace korvath {
namespace {

// The exact square (106 bits) and cube (159 bits) of a double, each then
// rounded once to a double: mpfr_get_d rounds subnormals and overflow
// correctly.
class Reference {
  public:
    Reference() {
        mpfr_init2(x_, 53);
        mpfr_init2(square_, 106);
        mpfr_init2(cube_, 159);
    }
    ~Reference() { mpfr_clears(x_, square_, cube_, static_cast<mpfr_ptr>(nullptr)); }
    Reference(const Reference&) = delete;
    Reference& operator=(const Reference&) = delete;

    void set(double v) {
        mpfr_set_d(x_, v, MPFR_RNDN);
        mpfr_sqr(square_, x_, MPFR_RNDN);
        mpfr_mul(cube_, square_, x_, MPFR_RNDN);
    }
    double square() const { return mpfr_get_d(square_, MPFR_RNDN); }
    double cube() const { return mpfr_get_d(cube_, MPFR_RNDN); }

  private:
    mpfr_t x_, square_, cube_;
};

bool same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Counts the arguments whose cube or square differs from MPFR's, printing
// the first few.
struct Comparison {
    Reference reference;
    long checked = 0;
    long wrong = 0;

    void operator()(double x) {
        ++checked;
        reference.set(x);
        if (!same(exact::cube(x), reference.cube()) && ++wrong <= 10)
            std::printf("cube(%a): %a, correctly rounded %a\n", x, exact::cube(x),
                        reference.cube());
        if (!same(exact::square(x), reference.square()) && ++wrong <= 10)
            std::printf("square(%a): %a, correctly rounded %a\n", x, exact::square(x),
                        reference.square());
    }
};

TEST(ExactPower, CubesAndSquaresAreCorrectlyRoundedOverTheWholeRange) {
    Comparison compare;
    std::mt19937_64 rng(20240611);
    constexpr double kMax = std::numeric_limits<double>::max();
    constexpr double kTiny = std::numeric_limits<double>::denorm_min();

    // Edges: zeros, the smallest and largest doubles, the last doubles whose
    // cubes stay finite or non-zero, and their neighbours.
    std::vector<double> edges{0.0,
                              kTiny,
                              std::numeric_limits<double>::min(),
                              kMax,
                              1.0,
                              std::cbrt(kMax),
                              std::cbrt(std::numeric_limits<double>::min()),
                              std::cbrt(kTiny),
                              std::ldexp(std::cbrt(0.5), -358)};
    for (double v : std::vector<double>(edges)) {
        double up = v, down = v;
        for (int i = 0; i < 64; ++i) {
            up = std::nextafter(up, INFINITY);
            down = std::nextafter(down, 0.0);
            edges.push_back(up);
            edges.push_back(down);
        }
    }
    for (double v : edges) {
        compare(v);
        compare(-v);
    }

    // Halfway cases: the cube of an odd k with 54 bits lies exactly between
    // two doubles, and so does that of k * 2^n. (A subnormal cube is never
    // halfway: its last place is 2^-1074 and 1075 is no multiple of 3.)
    for (std::uint64_t k = 208065; k < (1 << 18); k += 2) {
        const double v = static_cast<double>(k);
        for (int n : {-345, -2, 0, 7, 300, 323})
            compare(std::ldexp(v, n));
        compare(std::ldexp(v, -361));  // subnormal cubes, 45 bits long
    }

    // Random bit patterns over the whole range (a third of them have cubes
    // that are neither zero nor infinite), and random significands near the
    // edges of the subnormal and the overflowing cubes.
    std::uniform_int_distribution<int> nearEdge(-366, -335);
    std::uniform_int_distribution<int> nearTop(337, 344);
    for (int i = 0; i < 10'000'000; ++i) {
        const std::uint64_t bits = rng();
        double v = std::bit_cast<double>(bits);
        if (!std::isfinite(v)) continue;
        if (i % 4 == 1)
            v = std::ldexp(std::bit_cast<double>(bits >> 12 | 0x3ff0000000000000), nearEdge(rng));
        if (i % 16 == 2)
            v = std::ldexp(std::bit_cast<double>(bits >> 12 | 0x3ff0000000000000), nearTop(rng));
        compare(v);
    }
    std::printf("%ld arguments compared\n", compare.checked);
    EXPECT_GE(compare.checked, 10'000'000);
    EXPECT_EQ(compare.wrong, 0);
}

}  // namespace
}  // namespace korvath
