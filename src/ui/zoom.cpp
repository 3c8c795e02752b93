// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "settings.hpp"

namespace korvath::ui {

namespace {

constexpr std::array kSteps{1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 4.0};
constexpr const char* kZoomKey = "window/zoom";

}  // namespace

std::span<const double> zoomSteps() {
    return kSteps;
}

double zoomIn(double zoom) {
    for (double step : kSteps)
        if (step > zoom + 1e-9) return step;
    return std::min(zoom, kLargestZoom);
}

double zoomOut(double zoom) {
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
        if (*it < zoom - 1e-9) return *it;
    return std::max(zoom, kSmallestZoom);
}

double fittingZoom(QSize natural, QSize room) {
    if (natural.isEmpty() || room.isEmpty()) return kSmallestZoom;
    const double fit =
        std::min(double(room.width()) / natural.width(), double(room.height()) / natural.height());
    // Whole percents, rounded down, so that the scaled layout surely fits.
    const double percents = std::floor(fit * 100 + 1e-9);
    return std::clamp(percents / 100, kSmallestZoom, kLargestZoom);
}

double zoomFromStored(const QVariant& stored) {
    bool ok = false;
    const double zoom = stored.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(zoom) || zoom < kSmallestZoom || zoom > kLargestZoom) return 1.0;
    return zoom;
}

double loadZoom() {
    return zoomFromStored(readSetting(kZoomKey));
}

void saveZoom(double zoom) {
    writeSetting(kZoomKey, zoom);
}

}  // namespace korvath::ui
