// SPDX-License-Identifier: GPL-3.0-or-later
// A scene view that lets the newest ray travel: a traced ray is drawn piece
// by piece as time passes, at a pace a class can follow (the longest ray, 401
// steps, in about two seconds; a ray that falls in ends sooner), and ends on
// the very pixels the scene draws at once. Anything else drawn first finishes
// the travelling ray, so nothing is ever left half-drawn. The clock is the
// caller's: it calls advance() from its timer or animation frames.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "scene.hpp"

namespace korvath {

class AnimatedScene final : public SceneView {
  public:
    // Segments drawn per second: the first segment and 401 steps in two seconds.
    static constexpr double kSegmentsPerSecond = (ray::kPasses + 1) / 2.0;

    explicit AnimatedScene(Scene& scene) : scene_(scene) {}

    // Whether rays travel (on) or appear at once (off). Turning it off
    // finishes a travelling ray.
    void setAnimated(bool on);
    bool animated() const { return animated_; }

    void drawScene(double radius, double schwarzschildRadius) override;
    void drawBeamMarker(const MarkerPlace& previous, const MarkerPlace& current) override;
    void drawRay(const TracedRay& ray) override;

    bool travelling() const { return travelling_.has_value(); }
    // Draws the travelling ray up to where it is `elapsedMs` after it
    // started; returns whether it is still travelling. The ray's end calls
    // `finished`.
    bool advance(double elapsedMs);
    // Draws the rest of the travelling ray at once.
    void finish();
    // The segments drawn by `elapsedMs` of a ray of `segments` segments.
    static size_t segmentsAt(double elapsedMs, size_t segments);

    // Runs when a travelling ray has been drawn to its end (by advance or finish).
    std::function<void()> finished;

  private:
    Scene& scene_;
    bool animated_ = false;
    std::optional<TracedRay> travelling_;
    size_t drawn_ = 0;  // segments of the travelling ray on the surface
};

}  // namespace korvath
