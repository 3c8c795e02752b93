// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene.hpp"

#include "checked.hpp"
#include "scene_geometry.hpp"

namespace korvath {

using namespace sceneStyle;

std::int32_t schwarzschildDrawingRadius(double schwarzschildRadius, double radius) {
    const double quotient = schwarzschildRadius * geometry::kUnitsPerBodyRadius / radius;
    // Beyond the limit (an infinite quotient included) the circle lies wholly
    // outside the surface either way.
    if (!(quotient < kMaxDrawingRadius)) return kMaxDrawingRadius;
    const std::int32_t r = checked::toInt32(quotient);
    return r < kMinDrawingRadius ? kMinDrawingRadius : r;
}

void Scene::drawScene(double radius, double schwarzschildRadius) {
    constexpr auto kCentre = static_cast<float>(geometry::kCentre);
    surface_.clear();
    surface_.setFillColor(kBodyFill);
    surface_.setFillStyle(FillStyle::Solid);
    surface_.circle(kCentre, kCentre, static_cast<float>(geometry::kUnitsPerBodyRadius),
                    std::nullopt);  // outlined in the foreground colour
    surface_.setFillStyle(FillStyle::Transparent);
    for (float ring : geometry::kRingRadii)
        surface_.circle(kCentre, kCentre, ring, kRingColour);
    const auto r = schwarzschildDrawingRadius(schwarzschildRadius, radius);
    surface_.circle(kCentre, kCentre, static_cast<float>(r), kSchwarzschildColour);
}

void Scene::drawBeamMarker(const MarkerPlace& previous, const MarkerPlace& current) {
    // The black box falls on the yellow one drawn last time, corner for corner.
    for (const auto& [place, colour] :
         {std::pair{previous, colors::kBlack}, std::pair{current, kMarkerColour}}) {
        surface_.box(place.x.toSingle(), static_cast<float>(place.y),
                     place.x.plus(geometry::kMarkerSize).toSingle(),
                     static_cast<float>(checked::add32(place.y, geometry::kMarkerSize)), colour);
    }
}

void Scene::drawRay(const TracedRay& ray) {
    drawRaySegments(ray, 0, ray.path.segments.size());
}

void Scene::drawRaySegments(const TracedRay& ray, size_t first, size_t end) {
    const Color colour = kRayColours.at(static_cast<size_t>(ray.colour));
    end = std::min(end, ray.path.segments.size());
    for (size_t i = first; i < end; ++i) {
        const RaySegment& s = ray.path.segments[i];
        surface_.line(static_cast<float>(s.x1), static_cast<float>(s.y1), static_cast<float>(s.x2),
                      static_cast<float>(s.y2), colour);
    }
}

}  // namespace korvath
