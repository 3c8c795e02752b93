// SPDX-License-Identifier: GPL-3.0-or-later
// What went wrong when a body or a light ray cannot be computed: a kind with
// the values that explain it. The window words it for the user.
#pragma once

#include "checked.hpp"

namespace korvath {

struct Fault {
    enum class Kind {
        Radius,           // the radius (value) is not a positive finite number
        Mass,             // the mass (value) is not a positive finite number
        Volume,           // the radius (value) is too large to give a volume
        Density,          // the density step failed
        SearchTooLong,    // the radius (value) lies more than 32767 search steps above rs
        Search,           // the search for the Schwarzschild radius failed
        Curvature,        // the curvature at `value` body radii failed
        EventArithmetic,  // a step of an event outside the derived quantities failed
        RayArithmetic,    // the light ray stopped after `segments` segments, at `pass`
    };
    Kind kind = Kind::EventArithmetic;
    ArithmeticFault arithmetic = ArithmeticFault::Overflow;
    double value = 0;
    int segments = 0;
    int pass = 0;
};

}  // namespace korvath
