// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch.hpp"

#include <QScrollBar>
#include <QTimer>

#include "main_window.hpp"
#include "parameter_bar.hpp"
#include "picture_export.hpp"
#include "scene_picture.hpp"

namespace korvath::ui {

namespace {

// A main window, never shown, after its first tick.
std::unique_ptr<MainWindow> startedWindow() {
    auto window = std::make_unique<MainWindow>();
    window->startTimer()->stop();
    window->simulation().tick();
    return window;
}

}  // namespace

bool reachableBeamStart(int height) {
    return height >= 50 && height <= 6150 && (height - kBeamStartY) % 50 == 0;
}

void applyRequest(MainWindow& window, const SceneRequest& request) {
    const MainWindowControls& c = window.controls();
    if (request.sun) c.sunButton->click();
    if (request.radiusBars) {
        c.radiusCoarseBar->setValue(request.radiusBars->first);
        c.radiusFineBar->setValue(request.radiusBars->second);
    }
    if (request.massBars) {
        c.massCoarseBar->setValue(request.massBars->first);
        c.massFineBar->setValue(request.massBars->second);
    }
    if (request.beamStart && reachableBeamStart(*request.beamStart)) {
        const SimState& state = window.simulation().state();
        while (state.beamY.value() < *request.beamStart)
            c.beamDownButton->click();
        while (state.beamY.value() > *request.beamStart)
            c.beamUpButton->click();
    }
    if (request.trace) c.beamButton->click();
}

QString valuesFor(const SceneRequest& request, TableFormat format) {
    const auto window = startedWindow();
    applyRequest(*window, request);
    return formatValueRows(valueRows(window->controls()), format);
}

QString writePictureFor(const SceneRequest& request, const QString& file) {
    const auto window = startedWindow();
    applyRequest(*window, request);
    return writePicture(*window, file);
}

}  // namespace korvath::ui
