// SPDX-License-Identifier: GPL-3.0-or-later
// In-memory stand-ins for the window: labels, bars, a fault reporter and a
// surface that records every drawing operation.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fault_reporter.hpp"
#include "parameter_bars.hpp"
#include "scene.hpp"
#include "simulation.hpp"
#include "surface.hpp"
#include "value_display.hpp"

namespace korvath::testing {

class MemoryValues final : public ValueDisplay {
  public:
    void setText(ShownValue id, const std::string& text) override;
    std::string text(ShownValue id) const override { return texts[static_cast<size_t>(id)]; }
    void showInsideSchwarzschild(bool inside) override { insideSchwarzschild = inside; }

    std::array<std::string, kShownValueCount> texts{};
    std::optional<bool> insideSchwarzschild;  // empty until first shown
    int writes = 0;
};

class MemoryBars final : public ParameterBars {
  public:
    // Before the load: the coarse radius bar at 100, the others at 0.
    std::array<std::int16_t, 4> values{100, 0, 0, 0};
    std::int16_t value(Bar bar) const override {
        return values[static_cast<size_t>(barIndex(bar))];
    }
    void setValue(Bar bar, std::int16_t v) override {
        values[static_cast<size_t>(barIndex(bar))] = v;
    }
};

class RecordingReporter final : public FaultReporter {
  public:
    void report(const Fault& fault) override { faults.push_back(fault); }
    std::vector<Fault> faults;
};

// Records each operation as a line of text, for example "circle 3000 3000 1500 200"
// (centre, radius, outline colour as a 32-bit value; no colour: the foreground).
class RecordingSurface final : public Surface {
  public:
    void clear() override {
        ops.push_back("clear");
        if (onClear) onClear();
    }
    void setFillColor(Color color) override;
    void setFillStyle(FillStyle style) override;
    void circle(float x, float y, float radius, std::optional<Color> outline) override;
    void line(float x1, float y1, float x2, float y2, Color color) override;
    void box(float x1, float y1, float x2, float y2, Color color) override;

    // Operations of one kind ("line", "box", ...), in order.
    std::vector<std::string> only(const std::string& kind) const;
    std::vector<std::string> ops;
    std::function<void()> onClear;  // runs at each clear, after it is recorded
};

// A simulation with its scene on the in-memory window.
struct Rig {
    MemoryValues values;
    MemoryBars bars;
    RecordingReporter reporter;
    RecordingSurface surface;
    Scene scene{surface};
    Simulation sim{values, bars, scene, reporter};
    SimState& state = sim.state();

    // Load and first tick: the Earth shown, all bars at 50.
    Rig& started();
    // Sets a bar as the user would and runs its change handler.
    void moveBar(Bar bar, int value);
    std::string text(ShownValue id) const { return values.text(id); }
};

}  // namespace korvath::testing
