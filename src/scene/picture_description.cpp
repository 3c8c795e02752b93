// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_description.hpp"

#include <cmath>
#include <numbers>

#include "scene.hpp"
#include "scene_geometry.hpp"

namespace korvath {

namespace {

struct Vector {
    double x, y;
};

Vector direction(const RaySegment& s) {
    // Segments run from the newer point (x1, y1) back to the older one.
    return {static_cast<double>(s.x1) - s.x2, static_cast<double>(s.y1) - s.y2};
}

// Signed angle in degrees from a to b; positive turns clockwise on the screen
// (y grows downward).
double angleBetween(Vector a, Vector b) {
    const double cross = a.x * b.y - a.y * b.x;
    const double dot = a.x * b.x + a.y * b.y;
    return std::atan2(cross, dot) * 180.0 / std::numbers::pi;
}

bool onPicture(double x, double y) {
    return x >= 0 && y >= 0 && x <= geometry::kSurfaceWidth && y <= geometry::kSurfaceHeight;
}

// The edge a segment crosses first when it leaves the picture.
Edge exitEdge(const RaySegment& s) {
    const double fromX = s.x2, fromY = s.y2, dx = s.x1 - fromX, dy = s.y1 - fromY;
    double first = 2;
    Edge edge = Edge::Left;
    const auto consider = [&](double t, Edge e) {
        if (t >= 0 && t < first) {
            first = t;
            edge = e;
        }
    };
    if (dx < 0) consider((0 - fromX) / dx, Edge::Left);
    if (dx > 0) consider((geometry::kSurfaceWidth - fromX) / dx, Edge::Right);
    if (dy < 0) consider((0 - fromY) / dy, Edge::Top);
    if (dy > 0) consider((geometry::kSurfaceHeight - fromY) / dy, Edge::Bottom);
    return edge;
}

// Where the yellow circle lies, by the radius it is drawn with (a whole
// number of units), against the disc, each ring and the picture.
PictureDescription::Circle circleOf(double schwarzschildRadius, double radius) {
    using Circle = PictureDescription::Circle;
    const double units = schwarzschildRadius * geometry::kUnitsPerBodyRadius / radius;
    if (units < sceneStyle::kMinDrawingRadius) return Circle::Smallest;
    const double drawn = schwarzschildDrawingRadius(schwarzschildRadius, radius);
    const double farthestCorner = std::hypot(geometry::kSurfaceWidth - geometry::kCentre,
                                             geometry::kSurfaceHeight - geometry::kCentre);
    const auto& rings = geometry::kRingRadii;
    if (drawn < geometry::kUnitsPerBodyRadius) return Circle::InsideBody;
    if (drawn == geometry::kUnitsPerBodyRadius) return Circle::OnDiscEdge;
    if (drawn < rings[0]) return Circle::InsideInnerRing;
    if (drawn == rings[0]) return Circle::OnInnerRing;
    if (drawn < rings[1]) return Circle::BetweenInnerAndMiddleRing;
    if (drawn == rings[1]) return Circle::OnMiddleRing;
    if (drawn < rings[2]) return Circle::BetweenMiddleAndOuterRing;
    if (drawn == rings[2]) return Circle::OnOuterRing;
    if (drawn < farthestCorner) return Circle::BeyondRings;
    return Circle::OutsidePicture;
}

}  // namespace

bool RayDescription::swingsRound() const {
    return std::abs(turningDegrees) >= 90.0;
}

RayDescription describeRay(const RayPath& path) {
    RayDescription d;
    if (path.segments.empty()) return d;
    // The first segment leaves the marker's edge; each one after it is a
    // step, as the help counts them (a ray stopped by the pass limit has made
    // 401 steps).
    Vector previous = direction(path.segments.front());
    for (size_t i = 1; i < path.segments.size(); ++i) {
        const RaySegment& s = path.segments[i];
        const Vector v = direction(s);
        d.turningDegrees += angleBetween(previous, v);
        previous = v;
        ++d.steps;
        if (!onPicture(s.x1, s.y1)) {
            d.outcome = RayDescription::Outcome::LeavesPicture;
            d.edge = exitEdge(s);
            return d;
        }
    }
    if (path.stop == RayPath::Stop::EnteredBody) d.outcome = RayDescription::Outcome::FallsIntoBody;
    return d;
}

std::string rayFateKey(const RayDescription& ray) {
    switch (ray.outcome) {
        case RayDescription::Outcome::FallsIntoBody:
            return "falls_into_body";
        case RayDescription::Outcome::StopsInPicture:
            return "stops_in_picture";
        case RayDescription::Outcome::LeavesPicture:
            break;
    }
    constexpr const char* kEdges[] = {"left", "right", "top", "bottom"};
    return std::string(ray.swingsRound() ? "swings_round_leaves_" : "leaves_") +
           kEdges[static_cast<size_t>(ray.edge)];
}

void DescribedScene::drawScene(double radius, double schwarzschildRadius) {
    scene_.drawScene(radius, schwarzschildRadius);
    description_.computed = true;
    description_.schwarzschildRatio = schwarzschildRadius / radius;
    description_.circle = circleOf(schwarzschildRadius, radius);
    description_.ray.reset();  // a recomputation clears the traced rays
    description_.earlierRays.clear();
    notify();
}

void DescribedScene::drawBeamMarker(const MarkerPlace& previous, const MarkerPlace& current) {
    scene_.drawBeamMarker(previous, current);
    description_.beamStart = current.y;
    notify();
}

void DescribedScene::drawRay(const TracedRay& ray) {
    scene_.drawRay(ray);
    if (description_.ray) description_.earlierRays.push_back(*description_.ray);
    description_.ray = describeRay(ray.path);
    description_.ray->start = ray.start;
    description_.ray->number = ray.number;
    notify();
}

void DescribedScene::notify() {
    if (changed_) changed_(description_);
}

}  // namespace korvath
