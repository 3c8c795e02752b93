// SPDX-License-Identifier: GPL-3.0-or-later
// One run of the simulation: the whole state a user can change or see, and
// the rules that change it. Each user intent is one call (start, choose a
// body, set a bar, move the beam start, trace the ray): it checks the
// request, works the new state out once, and tells every view once what
// changed. The window, the command line and the web page are views of it.
//
// Failure policy: a new body is computed in full before anything of it is
// kept, so an intent whose body cannot be computed changes nothing (bars
// included) and is reported to the views as a fault.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bar.hpp"
#include "body_quantities.hpp"
#include "fault.hpp"
#include "light_ray.hpp"
#include "scene_view.hpp"
#include "shown_value.hpp"
#include "sim_state.hpp"

namespace korvath {

// The four beam-move buttons: 300 or 50 units up or down.
enum class BeamMove { BigUp, Up, Down, BigDown };

// Where a bar's position is shown.
ShownValue positionOf(Bar bar);

// The heights the beam start can take: 50 to 6150, in steps of 50 from the
// start-up height.
bool reachableBeamStart(int height);

// What one intent changed, in the order it is to be drawn.
struct SessionChange {
    bool values = false;  // shown texts or the Schwarzschild mark
    bool bars = false;    // bar positions (also when a refused move puts a bar back)
    bool scene = false;   // the body drawn anew: the scene, then the marker where it stands
    std::optional<MarkerPlace> markerMovedFrom;  // the marker moved from there to the beam start
    bool ray = false;  // a ray traced: every ray shown drawn over the rest, the new one last
    std::optional<Fault> fault;  // what failed, to be shown to the user

    bool any() const { return values || bars || scene || markerMovedFrom || ray || fault; }
};

class Session;

class SessionView {
  public:
    virtual ~SessionView() = default;
    virtual void sessionChanged(const Session& session, const SessionChange& change) = 0;
};

class Session {
  public:
    // The state at start-up: the Earth, every bar at 50, the beam start at
    // 1500; nothing computed until start().
    Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Views are told of every change, in the order they were added; a view
    // must be removed before it is destroyed if the session lives on.
    void addView(SessionView& view);
    void removeView(SessionView& view);

    // ---- Intents ----

    // The display starts: the body is computed and shown. Bars moved before
    // it do not change the body. Later calls do nothing.
    void start();
    // Chooses a body (the Earth, the Sun or any other): every bar back to 50.
    // Returns false on a fault (then nothing changed).
    bool choose(const Preset& body);
    // Sets a bar to a position 0 to 100; false when it already stood there,
    // the position is out of range or the body cannot be computed. A coarse
    // bar scales the chosen body by 2^(position - 50) and puts its fine bar
    // back to 50; a fine bar adds (position - 50) percent of the coarse value.
    bool setBar(Bar bar, int position);
    // One step of a move button; false when the step would leave 50 to 6150.
    bool moveBeam(BeamMove move);
    // The beam start straight to a reachable height; false for any other.
    bool setBeamStart(int height);
    // Recomputes the body and traces the light ray from the beam start. A
    // fault in the trace is reported; the segments traced before it stay.
    // The new ray replaces the rays shown, or joins them while rays are kept.
    const RayPath& trace();
    // Whether each trace adds its ray to those already shown (off at first).
    // The rays go when the body changes (a new body, a bar moved); moving the
    // beam start keeps them.
    void keepRays(bool keep) { keepRays_ = keep; }
    bool keepsRays() const { return keepRays_; }
    // Takes every ray off the picture; false when none is shown.
    bool clearRays();

    // ---- What is shown ----

    const SimState& state() const { return state_; }
    std::int16_t bar(Bar b) const { return bars_[index(b)]; }
    // The text of a value, with "." as the decimal point; empty until computed.
    const std::string& text(ShownValue value) const { return texts_[static_cast<size_t>(value)]; }
    SchwarzschildMark schwarzschildMark() const { return mark_; }
    // The rays on the picture, oldest first.
    const std::vector<TracedRay>& rays() const { return rays_; }
    // Bodies computed and shown so far.
    long computeCount() const { return computeCount_; }

    // Draws on `view` what `change` changed on the picture.
    void draw(SceneView& view, const SessionChange& change) const;

  private:
    static size_t index(Bar b) { return static_cast<size_t>(barIndex(b)); }

    // Computes radius and mass into the quantities to show, or the fault.
    std::optional<Fault> compute(double radius, double mass);
    // Keeps a computed body: its texts and mark; the change redraws the scene.
    void show(SessionChange& change);
    void moveMarker(SessionChange& change);
    void notify(const SessionChange& change);

    SimState state_;
    std::array<std::int16_t, 4> bars_{};
    std::array<std::string, kShownValueCount> texts_;
    SchwarzschildMark mark_ = SchwarzschildMark::NotComputed;
    std::optional<BodyQuantities> computed_;  // the last body computed, kept by show()
    std::vector<TracedRay> rays_;
    bool keepRays_ = false;
    long computeCount_ = 0;
    std::vector<SessionView*> views_;
};

}  // namespace korvath
