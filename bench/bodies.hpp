// SPDX-License-Identifier: GPL-3.0-or-later
// The bodies the benchmarks recompute: the two presets and the two bodies
// whose Schwarzschild search is the longest the parameter bars can reach
// (coarse bars at 0 or 100, fine bars at 100).
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "body_quantities.hpp"
#include "sim_state.hpp"

namespace korvath::bench {

enum class BodyId { Earth, Sun, LongestShrinking, LongestGrowing };

struct Body {
    const char* name;
    double radius;  // m
    double mass;    // kg
    // Search steps the body must take (shrinking plus growing); 0 when not checked.
    std::int32_t expectedSteps;
};

inline Body body(BodyId id) {
    const double twoTo50 = std::pow(2.0, 50);
    switch (id) {
        case BodyId::Earth:
            return {"Earth", kEarth.radius, kEarth.mass, 0};
        case BodyId::Sun:
            return {"Sun", kSun.radius, kSun.mass, 0};
        case BodyId::LongestShrinking:
            // The radius 2^50 times larger and half as much again, the mass
            // 2^50 times smaller and halved: the surface lies farthest above rs.
            return {"LongestShrinking", kEarth.radius * twoTo50 * 1.5, kEarth.mass / twoTo50 * 0.5,
                    9042};
        case BodyId::LongestGrowing:
            // The reverse with the Sun: the surface lies deepest inside rs.
            return {"LongestGrowing", kSun.radius / twoTo50 * 0.5, kSun.mass * twoTo50 * 1.5, 5834};
    }
    return {"", 0, 0, 0};
}

// Runs the search once and returns its step count, or an error text when it
// fails or takes another number of steps than the body expects.
struct StepCheck {
    std::int32_t steps = 0;
    std::string error;  // empty when the count is as expected
};

inline StepCheck checkSteps(const Body& b) {
    StepCheck check;
    try {
        const SchwarzschildSearch s = searchSchwarzschild(b.radius, b.mass);
        check.steps = std::int32_t{s.shrinkingSteps} + s.growingSteps;
    } catch (const ArithmeticError& e) {
        check.error = std::string("the search fails: ") + e.what();
        return check;
    }
    if (b.expectedSteps != 0 && check.steps != b.expectedSteps)
        check.error = "the search takes " + std::to_string(check.steps) + " steps, not " +
                      std::to_string(b.expectedSteps);
    return check;
}

}  // namespace korvath::bench
