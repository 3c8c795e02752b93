// SPDX-License-Identifier: GPL-3.0-or-later
// Every value the program shows, by what it is.
#pragma once

#include <array>

namespace korvath {

// In the order a recomputation works them out.
enum class ShownValue {
    Radius,                       // m
    Mass,                         // kg
    Density,                      // g/cm^3
    SchwarzschildRadius,          // m
    CurvatureAt1Radius,           // m^-2, at the surface
    RadiusOfCurvatureAt1Radius,   // m
    CurvatureAt1_5Radii,          // at 1.5 body radii
    RadiusOfCurvatureAt1_5Radii,  //
    CurvatureAt2Radii,            // at 2 body radii
    RadiusOfCurvatureAt2Radii,    //
    CurvatureAt2_5Radii,          // at 2.5 body radii
    RadiusOfCurvatureAt2_5Radii,  //
    RadiusCoarsePosition,         // positions of the four parameter bars
    RadiusFinePosition,           //
    MassCoarsePosition,           //
    MassFinePosition,             //
    BeamStart,                    // height of the beam start, scene units
};
inline constexpr int kShownValueCount = static_cast<int>(ShownValue::BeamStart) + 1;

// The curvature and radius-of-curvature values, in the order of the sample
// distances 1, 1.5, 2 and 2.5 body radii.
inline constexpr std::array<ShownValue, 4> kCurvatureValues{
    ShownValue::CurvatureAt1Radius, ShownValue::CurvatureAt1_5Radii, ShownValue::CurvatureAt2Radii,
    ShownValue::CurvatureAt2_5Radii};
inline constexpr std::array<ShownValue, 4> kRadiusOfCurvatureValues{
    ShownValue::RadiusOfCurvatureAt1Radius, ShownValue::RadiusOfCurvatureAt1_5Radii,
    ShownValue::RadiusOfCurvatureAt2Radii, ShownValue::RadiusOfCurvatureAt2_5Radii};

// Whether the body lies inside its own Schwarzschild radius, as the
// Schwarzschild radius and its caption are marked.
enum class SchwarzschildMark { NotComputed = 0, Outside = 1, Inside = 2 };

}  // namespace korvath
