// The scene on the drawing surface: the body as a blue disc, three red rings
// at 1.5, 2 and 2.5 body radii, the yellow Schwarzschild circle on the same
// scale, and the yellow box that marks the beam start; plus the handlers of
// the four move buttons and the Beam button.
#pragma once

#include <cstdint>

#include "interfaces.hpp"
#include "ray.hpp"
#include "simulation.hpp"
#include "surface.hpp"

namespace korvath {

namespace sceneGeometry {
// The body's centre; one body radius is always 1000 units, so one unit is
// radius / 1000 metres.
inline constexpr float kCentreX = 3000;
inline constexpr float kCentreY = 3000;
inline constexpr float kBodyRadius = 1000;
inline constexpr float kRingRadii[] = {1500, 2000, 2500};
inline constexpr Color kBodyFill = rgb(0, 0, 255);
inline constexpr Color kRingColour = rgb(200, 0, 0);
inline constexpr Color kSchwarzschildColour = rgb(255, 255, 0);
// The smallest drawing radius of the Schwarzschild circle, so it stays visible.
inline constexpr std::int32_t kMinDrawingRadius = 8;
// Outer size of the drawing surface in scene units.
inline constexpr double kSurfaceWidth = 8415;
inline constexpr double kSurfaceHeight = 6255;
// A Schwarzschild circle at least this large lies wholly outside the surface
// (its farthest corner is about 6318 units from the centre), so drawing it
// with this radius gives the same picture as drawing it exactly.
inline constexpr std::int32_t kMaxDrawingRadius = 100000;
// The beam-start box is 100 units square; its colour is palette index 14.
inline constexpr std::int16_t kMarkerSize = 100;
}  // namespace sceneGeometry

// Drawing radius of the Schwarzschild circle: rs * 1000 / radius rounded half
// to even, at least kMinDrawingRadius and at most kMaxDrawingRadius.
std::int32_t schwarzschildDrawingRadius(double schwarzschildRadius, double radius);

// The four move buttons: "UP", "up", "down", "DOWN".
enum class BeamMove { BigUp, Up, Down, BigDown };

class Scene final : public SceneView {
  public:
    // Attaches itself to the simulation as its scene view.
    Scene(Simulation& sim, Surface& surface, Labels& labels, FaultReporter& reporter);
    ~Scene() override;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    void drawScene(double schwarzschildRadius) override;
    void drawBeamMarker() override;

    // Click of a move button; returns false when the move is refused (then
    // nothing changes at all).
    bool clickMove(BeamMove move);
    // Click of "Beam": recompute and redraw everything, then trace the light
    // ray from the beam start. A fault in the trace is reported; the segments
    // drawn so far stay.
    TraceResult clickBeam();

  private:
    Simulation& sim_;
    SimState& state_;
    Surface& surface_;
    Labels& labels_;
    FaultReporter& reporter_;
};

}  // namespace korvath
