// SPDX-License-Identifier: GPL-3.0-or-later
// A scene view that passes every drawing on and keeps the calls since the
// last cleared scene, so that the same picture can be drawn again on another
// surface (a file, say) by the same drawing code.
#pragma once

#include <vector>

#include "scene_view.hpp"

namespace korvath {

class SceneRecording final : public SceneView {
  public:
    explicit SceneRecording(SceneView& scene) : scene_(scene) {}

    void drawScene(double radius, double schwarzschildRadius) override;
    void drawBeamMarker(const MarkerPlace& previous, const MarkerPlace& current) override;
    void drawRay(const TracedRay& ray) override;

    // Draws the recorded calls again, in their order, on `view`.
    void replay(SceneView& view) const;

  private:
    // One drawing call with its arguments (only those of its kind are set).
    struct Call {
        enum class Kind { Scene, Marker, Ray };
        Kind kind = Kind::Scene;
        double radius = 0;
        double schwarzschildRadius = 0;
        MarkerPlace previous, current;
        TracedRay ray;
    };

    SceneView& scene_;
    std::vector<Call> calls_;
};

}  // namespace korvath
