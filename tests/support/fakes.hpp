// In-memory stand-ins for the window: labels, bars, a fault reporter and a
// surface that records every drawing operation.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "interfaces.hpp"
#include "scene.hpp"
#include "simulation.hpp"
#include "surface.hpp"

namespace korvath::testing {

class MemoryLabels final : public Labels {
  public:
    MemoryLabels();
    void setText(LabelId id, const std::string& text) override;
    std::string text(LabelId id) const override { return texts[static_cast<size_t>(id)]; }
    void setColor(LabelId id, Color color) override { colors[static_cast<size_t>(id)] = color; }
    Color color(LabelId id) const { return colors[static_cast<size_t>(id)]; }

    std::array<std::string, kLabelCount> texts{};
    std::array<Color, kLabelCount> colors{};
    int writes = 0;
};

class MemoryBars final : public ScrollBars {
  public:
    // Design values: HScroll1 at 100, the others at 0.
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
    void report(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

// Records each operation as a line of text, for example "circle 3000 3000 1500 200"
// (centre, radius, outline colour as a 32-bit value; no colour: the foreground).
class RecordingSurface final : public Surface {
  public:
    void clear() override { ops.push_back("clear"); }
    void setFillColor(Color color) override;
    void setFillStyle(FillStyle style) override;
    void circle(float x, float y, float radius, std::optional<Color> outline) override;
    void line(float x1, float y1, float x2, float y2, Color color) override;
    void box(float x1, float y1, float x2, float y2, Color color) override;

    // Operations of one kind ("line", "box", ...), in order.
    std::vector<std::string> only(const std::string& kind) const;
    std::vector<std::string> ops;
};

// A simulation with its scene on the in-memory window.
struct Rig {
    MemoryLabels labels;
    MemoryBars bars;
    RecordingReporter reporter;
    RecordingSurface surface;
    Simulation sim{labels, bars, reporter};
    Scene scene{sim, surface, labels, reporter};
    SimState& state = sim.state();

    // Load and first tick: the Earth shown, all bars at 50.
    Rig& started();
    // Sets a bar as the user would and runs its change handler.
    void moveBar(Bar bar, int value);
    std::string text(LabelId id) const { return labels.text(id); }
};

}  // namespace korvath::testing
