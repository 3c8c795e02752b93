// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_view.hpp"

#include <utility>

namespace korvath::web {

PageView::PageView() {
    animated_.finished = [this] { change_.rayEnded = true; };
}

void PageView::sessionChanged(const Session& session, const SessionChange& change) {
    session.draw(recording_, change);
    change_.values = change_.values || change.values;
    change_.bars = change_.bars || change.bars;
    change_.picture = change_.picture || change.scene || change.markerMovedFrom || change.ray;
    change_.rayStarted = change_.rayStarted || (change.ray && animated_.travelling());
    if (change.fault) change_.faults.push_back(*change.fault);
}

bool PageView::advance(double elapsedMs) {
    if (!animated_.travelling()) return false;
    change_.picture = true;
    return animated_.advance(elapsedMs);
}

PageChange PageView::takeChange() {
    return std::exchange(change_, PageChange{});
}

// The scene is drawn again, not its pixels resampled: sharp at any size.
// A travelling ray ends first: the recording holds it whole.
void PageView::setCanvas(int width, int height, double pixelsPerUnit, int lineWidth) {
    animated_.finish();
    surface_.setGeometry(width, height, pixelsPerUnit, lineWidth);
    recording_.replay(scene_);
}

}  // namespace korvath::web
