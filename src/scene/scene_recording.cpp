// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene_recording.hpp"

#include <utility>

namespace korvath {

void SceneRecording::drawScene(double radius, double schwarzschildRadius) {
    scene_.drawScene(radius, schwarzschildRadius);
    calls_.clear();  // a new scene covers everything drawn before
    Call call;
    call.radius = radius;
    call.schwarzschildRadius = schwarzschildRadius;
    calls_.push_back(std::move(call));
}

void SceneRecording::drawBeamMarker(const MarkerPlace& previous, const MarkerPlace& current) {
    scene_.drawBeamMarker(previous, current);
    Call call;
    call.kind = Call::Kind::Marker;
    call.previous = previous;
    call.current = current;
    calls_.push_back(std::move(call));
}

void SceneRecording::drawRay(const TracedRay& ray) {
    scene_.drawRay(ray);
    Call call;
    call.kind = Call::Kind::Ray;
    call.ray = ray;
    calls_.push_back(std::move(call));
}

void SceneRecording::replay(SceneView& view) const {
    for (const Call& call : calls_) {
        switch (call.kind) {
            case Call::Kind::Scene:
                view.drawScene(call.radius, call.schwarzschildRadius);
                break;
            case Call::Kind::Marker:
                view.drawBeamMarker(call.previous, call.current);
                break;
            case Call::Kind::Ray:
                view.drawRay(call.ray);
                break;
        }
    }
}

}  // namespace korvath
