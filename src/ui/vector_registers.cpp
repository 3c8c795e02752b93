// SPDX-License-Identifier: GPL-3.0-or-later
#include "vector_registers.hpp"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace korvath::ui {

#if defined(__x86_64__) || defined(__i386__)

namespace {

__attribute__((target("avx"))) void zeroUpperHalves() {
    _mm256_zeroupper();
}

bool processorHasAvx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx");
}

}  // namespace

void leaveVectorRegistersClean() {
    static const bool hasAvx = processorHasAvx();
    if (hasAvx) zeroUpperHalves();
}

#else

void leaveVectorRegistersClean() {}

#endif

}  // namespace korvath::ui
