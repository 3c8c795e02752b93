// What the model needs of the window, as small interfaces: value labels,
// the four parameter scroll bars, the scene view, and a place to report
// faults. The window implements them with Qt; tests implement them in memory.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "color.hpp"

namespace korvath {

// Every label the program writes, by the name it has in the window.
enum class LabelId {
    Label2,       // radius, m
    Label4,       // mass, kg
    Label10,      // density, g/cm^3
    Label11,      // caption "Schwarzschild radius(m)"; only its colour changes
    Label12,      // Schwarzschild radius, m
    labhankei1,   // curvature at 1 body radius
    labhankei1b,  // radius of curvature at 1 body radius
    labhankei15,  // ... at 1.5 body radii
    labhankei15b,
    labhankei2,  // ... at 2 body radii
    labhankei2b,
    labhankei25,  // ... at 2.5 body radii
    labhankei25b,
    labh1,    // value of HScroll1
    labh2,    // value of HScroll3
    labg1,    // value of HScroll2
    labg2,    // value of HScroll4
    labkiti,  // beamY
};
inline constexpr int kLabelCount = static_cast<int>(LabelId::labkiti) + 1;

// The control name of a label ("Label2", "labhankei15b", ...).
std::string_view labelName(LabelId id);

// The curvature and radius-of-curvature labels, in the order of the sample
// distances 1, 1.5, 2 and 2.5 body radii.
inline constexpr std::array<LabelId, 4> kCurvatureLabels{LabelId::labhankei1, LabelId::labhankei15,
                                                         LabelId::labhankei2, LabelId::labhankei25};
inline constexpr std::array<LabelId, 4> kCurvatureRadiusLabels{
    LabelId::labhankei1b, LabelId::labhankei15b, LabelId::labhankei2b, LabelId::labhankei25b};

class Labels {
  public:
    virtual ~Labels() = default;
    virtual void setText(LabelId id, const std::string& text) = 0;
    virtual std::string text(LabelId id) const = 0;
    virtual void setColor(LabelId id, Color color) = 0;
};

// HScroll1 coarse radius, HScroll2 coarse mass, HScroll3 fine radius,
// HScroll4 fine mass.
enum class Bar { HScroll1, HScroll2, HScroll3, HScroll4 };
inline constexpr std::array<Bar, 4> kAllBars{Bar::HScroll1, Bar::HScroll2, Bar::HScroll3,
                                             Bar::HScroll4};
inline constexpr int barIndex(Bar b) {
    return static_cast<int>(b);
}
std::string_view barName(Bar bar);

// The bar values themselves. setValue changes the value without raising the
// bar's change event: the controller runs the handler itself, at once and
// only when the value differs, as an assignment to the control would.
class ScrollBars {
  public:
    virtual ~ScrollBars() = default;
    virtual std::int16_t value(Bar bar) const = 0;
    virtual void setValue(Bar bar, std::int16_t value) = 0;
};

// The drawing half of a recomputation, implemented by the scene.
class SceneView {
  public:
    virtual ~SceneView() = default;
    // Clears the surface and draws the body, its rings and the Schwarzschild circle.
    virtual void drawScene(double schwarzschildRadius) = 0;
    // Paints the previous beam-start box over in black and draws the current one.
    virtual void drawBeamMarker() = 0;
};

// Shows a fault to the user without blocking the program.
class FaultReporter {
  public:
    virtual ~FaultReporter() = default;
    virtual void report(const std::string& message) = 0;
};

}  // namespace korvath
