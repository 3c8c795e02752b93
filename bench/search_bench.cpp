// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of a recomputation alone: density, the Schwarzschild search
// and the four curvature samples, with no label written and nothing drawn.
// It is the floor that BM_ComputeAndDraw compares with.
#include <benchmark/benchmark.h>

#include <variant>

#include "bodies.hpp"
#include "body_quantities.hpp"

namespace korvath::bench {
namespace {

void BM_Search(benchmark::State& state, BodyId id) {
    const Body b = body(id);
    const StepCheck check = checkSteps(b);
    if (!check.error.empty()) {
        state.SkipWithError(check.error.c_str());
        return;
    }
    double radius = b.radius;
    double mass = b.mass;
    for (auto _ : state) {
        // The inputs pass through DoNotOptimize so that nothing is computed
        // once for all iterations.
        benchmark::DoNotOptimize(radius);
        benchmark::DoNotOptimize(mass);
        auto derived = deriveBody(radius, mass);
        benchmark::DoNotOptimize(derived);
        if (!std::holds_alternative<BodyQuantities>(derived)) {
            state.SkipWithError("the body cannot be computed");
            break;
        }
    }
    state.counters["steps"] = check.steps;
}

BENCHMARK_CAPTURE(BM_Search, Earth, BodyId::Earth)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, Sun, BodyId::Sun)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, LongestShrinking, BodyId::LongestShrinking)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, LongestGrowing, BodyId::LongestGrowing)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korvath::bench
