// SPDX-License-Identifier: GPL-3.0-or-later
#include "animated_scene.hpp"

#include <algorithm>
#include <cmath>

namespace korvath {

void AnimatedScene::setAnimated(bool on) {
    animated_ = on;
    if (!on) finish();
}

void AnimatedScene::drawScene(double radius, double schwarzschildRadius) {
    finish();
    scene_.drawScene(radius, schwarzschildRadius);
}

void AnimatedScene::drawBeamMarker(const MarkerPlace& previous, const MarkerPlace& current) {
    finish();
    scene_.drawBeamMarker(previous, current);
}

// Rays are drawn oldest first: each ray drawn finishes the one before it, and
// only the last one travels.
void AnimatedScene::drawRay(const TracedRay& ray) {
    finish();
    if (!animated_ || ray.path.segments.empty()) {
        scene_.drawRay(ray);
        return;
    }
    travelling_ = ray;
    drawn_ = 0;
    advance(0);
}

size_t AnimatedScene::segmentsAt(double elapsedMs, size_t segments) {
    if (!(elapsedMs > 0)) return std::min<size_t>(1, segments);
    const double due = std::floor(elapsedMs * kSegmentsPerSecond / 1000.0) + 1;
    return due >= static_cast<double>(segments) ? segments : static_cast<size_t>(due);
}

bool AnimatedScene::advance(double elapsedMs) {
    if (!travelling_) return false;
    const size_t total = travelling_->path.segments.size();
    const size_t due = std::max(drawn_, segmentsAt(elapsedMs, total));
    scene_.drawRaySegments(*travelling_, drawn_, due);
    drawn_ = due;
    if (drawn_ < total) return true;
    travelling_.reset();
    if (finished) finished();
    return false;
}

void AnimatedScene::finish() {
    if (travelling_) advance(INFINITY);
}

}  // namespace korvath
