// SPDX-License-Identifier: GPL-3.0-or-later
// A surface that records every drawing operation, and a session drawing on it.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scene.hpp"
#include "session.hpp"
#include "surface.hpp"

namespace korvath::testing {

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

// Draws every change of a session on a scene view.
struct DrawingView final : SessionView {
    SceneView& target;
    explicit DrawingView(SceneView& view) : target(view) {}
    void sessionChanged(const Session& s, const SessionChange& change) override {
        s.draw(target, change);
    }
};

// A session drawing its scene on the recording surface, with the faults it
// reported.
struct Rig final : SessionView {
    Session session;
    RecordingSurface surface;
    Scene scene{surface};
    std::vector<Fault> faults;
    const SimState& state = session.state();

    Rig() { session.addView(*this); }
    void sessionChanged(const Session& s, const SessionChange& change) override {
        s.draw(scene, change);
        if (change.fault) faults.push_back(*change.fault);
    }
    // The first tick: the Earth shown, all bars at 50.
    Rig& started() {
        session.start();
        return *this;
    }
    void moveBar(Bar bar, int value) { session.setBar(bar, value); }
    const std::string& text(ShownValue id) const { return session.text(id); }
};

}  // namespace korvath::testing
