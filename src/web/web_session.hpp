// SPDX-License-Identifier: GPL-3.0-or-later
// One run of the simulation behind the web page: the model and the scene with
// in-memory versions of the window's value fields, parameter bars, picture and
// fault notice. The page reads what they hold after each event; the native
// trace driver runs the same class, so both builds can be compared.
//
// Plain C++: it is compiled to WebAssembly for the page and natively for the
// comparison.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fault_reporter.hpp"
#include "parameter_bars.hpp"
#include "raster_surface.hpp"
#include "scene.hpp"
#include "simulation.hpp"
#include "value_display.hpp"

namespace korvath::web {

// Which control of the window's layout shows each value and is each bar.
std::string_view valueFieldName(ShownValue value);
std::string_view barName(Bar bar);

// How the Schwarzschild radius and its caption are marked.
enum class SchwarzschildMark { NotComputed = 0, Outside = 1, Inside = 2 };

class WebSession {
  public:
    // Range of the parameter bars; before the load the coarse radius bar
    // stands at the maximum and the others at the minimum.
    static constexpr std::int16_t kBarMinimum = 0;
    static constexpr std::int16_t kBarMaximum = 100;

    WebSession();
    WebSession(const WebSession&) = delete;
    WebSession& operator=(const WebSession&) = delete;

    // ---- The window's events ----
    void load();
    void tick();
    void clickEarth();
    void clickSun();
    // The user moved a bar to `value` (clamped to the bar's range). Like a
    // desktop scroll bar, nothing happens when it already stands there.
    // Returns whether the bar moved.
    bool moveBar(Bar bar, int value);
    bool moveBeam(BeamMove move);
    // Returns the number of ray segments drawn.
    int beam();

    // ---- What the window shows ----
    const std::string& text(ShownValue value) const;
    std::int16_t barValue(Bar bar) const;
    SchwarzschildMark schwarzschildMark() const { return values_.mark; }
    // Faults reported since the last call, oldest first.
    std::vector<Fault> takeFaults();
    RasterSurface& surface() { return surface_; }
    Simulation& simulation() { return sim_; }

  private:
    struct Values final : ValueDisplay {
        void setText(ShownValue value, const std::string& text) override;
        std::string text(ShownValue value) const override;
        void showInsideSchwarzschild(bool inside) override;
        std::array<std::string, kShownValueCount> texts;
        SchwarzschildMark mark = SchwarzschildMark::NotComputed;
    };
    struct Bars final : ParameterBars {
        std::int16_t value(Bar bar) const override;
        void setValue(Bar bar, std::int16_t value) override;
        std::array<std::int16_t, 4> values{kBarMaximum, kBarMinimum, kBarMinimum, kBarMinimum};
    };
    struct Faults final : FaultReporter {
        void report(const Fault& fault) override { reported.push_back(fault); }
        std::vector<Fault> reported;
    };

    Values values_;
    Bars bars_;
    Faults faults_;
    RasterSurface surface_;
    Scene scene_{surface_};
    Simulation sim_{values_, bars_, scene_, faults_};
};

}  // namespace korvath::web
