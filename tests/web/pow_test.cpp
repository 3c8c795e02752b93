// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly build's pow (src/web/compat/pow.cpp, here under another
// name) returns what the C library's pow returns, bit for bit, on seeded
// random arguments: cubes and squares over the whole range, integer and real
// exponents, negative bases. Exits 77 (skipped) on a processor without FMA,
// where the C library computes pow the other way.
#include <cmath>
#include <cstdint>
#include <cstdio>

extern "C" double korvathPow(double x, double y);

namespace {

// A cube that the C library's two ways of computing pow round differently.
bool libraryUsesFma() {
    volatile double x = 0x1.0da24e08451a8p-2;
    return std::pow(x, 3.0) == 0x1.2b1e78f2d6339p-6;
}

}  // namespace

int main() {
    if (!libraryUsesFma()) {
        std::puts(
            "SKIPPED: this processor has no FMA, and the C library's pow then rounds about one "
            "cube in a thousand differently from the FMA way the web page computes");
        return 77;
    }
    std::uint64_t s = 88172645463325252ULL;
    const auto next = [&s] {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return s;
    };
    constexpr long kCount = 4000000;
    long differ = 0;
    for (long i = 0; i < kCount; ++i) {
        const double mantissa = 1.0 + static_cast<double>(next() >> 11) / 9007199254740992.0;
        double x = std::ldexp(mantissa, static_cast<int>(next() % 2000) - 1000);
        double y = 3.0;
        switch (i % 4) {
            case 1:
                y = static_cast<double>(static_cast<int>(next() % 41) - 20);
                break;
            case 2:
                y = static_cast<double>(static_cast<std::int64_t>(next())) / 9.2e18 * 50;
                break;
            case 3:
                y = 2.0;
                break;
        }
        if (i % 8 == 7) x = -x;
        volatile double vx = x, vy = y;  // no folding at compile time
        const double expected = std::pow(vx, vy);
        const double got = korvathPow(vx, vy);
        if (expected == got || (std::isnan(expected) && std::isnan(got))) continue;
        if (++differ <= 5)
            std::printf("pow(%a, %a): C library %a, web build %a\n", x, y, expected, got);
    }
    std::printf("%ld of %ld results differ\n", differ, kCount);
    return differ == 0 ? 0 : 1;
}
