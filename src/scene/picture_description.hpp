// SPDX-License-Identifier: GPL-3.0-or-later
// What the picture shows, in terms a sentence can be made of: how large the
// Schwarzschild circle is against the body, where the beam starts, and where
// the traced light ray went. The window words it for screen readers.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scene_view.hpp"

namespace korvath {

enum class Edge { Left, Right, Top, Bottom };

struct RayDescription {
    enum class Outcome {
        LeavesPicture,  // across `edge`, after turning by `turningDegrees` in all
        FallsIntoBody,  // after `steps` steps
        StopsInPicture  // the trace ended without leaving or entering the body
    };
    Outcome outcome = Outcome::StopsInPicture;
    Edge edge = Edge::Left;
    double turningDegrees = 0;  // summed turning up to the exit, positive = clockwise on screen
    // Steps of 50 units made up to the exit or the stop; the first segment,
    // which leaves the marker, is not one.
    int steps = 0;
    std::int32_t start = 0;  // the beam start's height it was traced from
    int number = 1;          // its number since the rays were last cleared
    // The ray turned by a right angle or more: it swings round the body.
    bool swingsRound() const;
};

struct PictureDescription {
    enum class Circle {
        Smallest,                   // below the smallest drawn size: drawn at that size
        InsideBody,                 // within the blue disc
        OnDiscEdge,                 // on the disc's outline
        InsideInnerRing,            // between the disc and the ring at 1.5 radii
        OnInnerRing,                // on the ring at 1.5 radii
        BetweenInnerAndMiddleRing,  // between the rings at 1.5 and 2 radii
        OnMiddleRing,               // on the ring at 2 radii
        BetweenMiddleAndOuterRing,  // between the rings at 2 and 2.5 radii
        OnOuterRing,                // on the ring at 2.5 radii
        BeyondRings,                // outside the rings but on the picture
        OutsidePicture,             // wholly outside the picture
    };
    bool computed = false;          // false until the first recomputation
    double schwarzschildRatio = 0;  // Schwarzschild radius / body radius
    Circle circle = Circle::Smallest;
    std::int32_t beamStart = 0;               // height of the beam start, scene units
    std::optional<RayDescription> ray;        // the newest ray
    std::vector<RayDescription> earlierRays;  // rays kept from before it, oldest first
};

// Where a traced path went, from its segments.
RayDescription describeRay(const RayPath& path);

// A ray's fate as a stable key for scripts: "leaves_left" (or right, top,
// bottom), "swings_round_leaves_left" (...), "falls_into_body" or
// "stops_in_picture".
std::string rayFateKey(const RayDescription& ray);

// A scene view that passes every drawing on and keeps a description of the
// picture up to date; `changed` runs after each change.
class DescribedScene final : public SceneView {
  public:
    using Listener = std::function<void(const PictureDescription&)>;
    DescribedScene(SceneView& scene, Listener changed)
        : scene_(scene), changed_(std::move(changed)) {}

    void drawScene(double radius, double schwarzschildRadius) override;
    void drawBeamMarker(const MarkerPlace& previous, const MarkerPlace& current) override;
    void drawRay(const TracedRay& ray) override;

    const PictureDescription& description() const { return description_; }

  private:
    void notify();

    SceneView& scene_;
    Listener changed_;
    PictureDescription description_;
};

}  // namespace korvath
