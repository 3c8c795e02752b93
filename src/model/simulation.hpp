// SPDX-License-Identifier: GPL-3.0-or-later
// The controller of the main window: it owns the simulation state and runs
// the handlers of the window's events (load, first timer tick, the two
// presets, the four parameter bars, the four beam moves and Beam), with the
// one routine that turns the body into everything shown, computeAndDraw.
//
// Failure policy: computeAndDraw computes every value before it shows any,
// so a body that cannot be computed changes nothing on screen. The event that
// asked for it is undone as a whole (body fields, bar positions and their
// values back to what they were) and the fault is reported to the user.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "body_quantities.hpp"
#include "fault_reporter.hpp"
#include "light_ray.hpp"
#include "parameter_bars.hpp"
#include "scene_view.hpp"
#include "sim_state.hpp"
#include "value_display.hpp"

namespace korvath {

// The four beam-move buttons: 300 or 50 units up or down.
enum class BeamMove { BigUp, Up, Down, BigDown };

class Simulation {
  public:
    Simulation(ValueDisplay& values, ParameterBars& bars, SceneView& scene,
               FaultReporter& reporter);
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    SimState& state() { return state_; }
    const SimState& state() const { return state_; }

    // ---- Event entry points: each runs one event to completion. ----

    // Load of the main window: bars to 50, the Earth, the beam start. Draws nothing.
    void load();
    // Tick of the main window's timer: the first one sets ready and shows the body.
    void tick();
    // Click of "Earth" or "Sun".
    void clickPreset(const Preset& preset);
    // The user moved a bar (arrow, page, keyboard or released thumb);
    // previousValue is where it stood before, for undoing a failed change.
    void userMovedBar(Bar bar, std::int16_t previousValue);
    // Click of a move button; returns false when the move is refused (then
    // nothing changes at all).
    bool moveBeam(BeamMove move);
    // Click of "Beam": recompute and redraw everything, then trace the light
    // ray from the beam start and draw it. A fault in the trace is reported;
    // the segments traced before it are drawn.
    RayPath beam();

    // Runs the handler of one event. If it raises a fault, the body fields,
    // the bars and their values go back to what they were before the event,
    // whatever was shown meanwhile is shown for that body again, and the fault
    // is reported. Returns false on a fault. Nested calls simply run the handler.
    bool runEvent(const std::function<void()>& handler);

    // Recomputes everything from radius and mass and shows it: values, scene,
    // marker. On a fault it shows nothing and returns the fault.
    std::optional<Fault> computeAndDraw();

    // Successful recomputations so far.
    long computeCount() const { return computeCount_; }

  private:
    // What an event may change and a fault must undo.
    struct Snapshot {
        SimState state;
        std::array<std::int16_t, 4> barValues{};
        std::array<std::string, 4> barTexts;
        long computeCount = 0;
    };
    Snapshot snapshot() const;
    bool run(const std::function<void()>& handler, const Snapshot& before);
    void undo(const Snapshot& before);

    // The same as computeAndDraw inside an event handler: a fault ends the
    // handler, and runEvent undoes the event and reports it.
    void computeAndDrawInEvent();
    void show(const BodyQuantities& q);
    void drawBeamMarker();
    // Sets a bar's value as code does: its change handler runs at once,
    // nested, and only if the value differs.
    void assignBar(Bar bar, std::int16_t value);
    void onBarChanged(Bar bar);
    void coarseHandler(Bar bar);
    void fineHandler(Bar bar);

    ValueDisplay& values_;
    ParameterBars& bars_;
    SceneView& scene_;
    FaultReporter& reporter_;
    SimState state_;
    long computeCount_ = 0;
    int eventDepth_ = 0;
};

}  // namespace korvath
