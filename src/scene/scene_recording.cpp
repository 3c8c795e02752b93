// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene_recording.hpp"

namespace korvath {

void SceneRecording::drawScene(double radius, double schwarzschildRadius) {
    scene_.drawScene(radius, schwarzschildRadius);
    calls_.clear();  // a new scene covers everything drawn before
    calls_.push_back(Scene{radius, schwarzschildRadius});
}

void SceneRecording::drawBeamMarker(const MarkerPlace& previous, const MarkerPlace& current) {
    scene_.drawBeamMarker(previous, current);
    calls_.push_back(Marker{previous, current});
}

void SceneRecording::drawRay(const RayPath& path) {
    scene_.drawRay(path);
    calls_.push_back(path);
}

void SceneRecording::replay(SceneView& view) const {
    for (const Call& call : calls_) {
        if (const auto* s = std::get_if<Scene>(&call))
            view.drawScene(s->radius, s->schwarzschildRadius);
        else if (const auto* m = std::get_if<Marker>(&call))
            view.drawBeamMarker(m->previous, m->current);
        else
            view.drawRay(std::get<RayPath>(call));
    }
}

}  // namespace korvath
