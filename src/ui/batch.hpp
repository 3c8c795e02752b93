// SPDX-License-Identifier: GPL-3.0-or-later
// Values and pictures without a window on screen: a main window that is never
// shown is brought into the state a user would reach with its controls, and
// its fields or its picture are written out.
#pragma once

#include <QString>
#include <optional>
#include <utility>

#include "values_table.hpp"

namespace korvath::ui {

class MainWindow;

struct SceneRequest {
    bool sun = false;                               // the Sun instead of the Earth
    std::optional<std::pair<int, int>> radiusBars;  // coarse, fine: 0 to 100
    std::optional<std::pair<int, int>> massBars;
    std::optional<int> beamStart;  // a height the move buttons reach
    bool trace = false;            // press Beam last
};

// Whether a beam start height can be reached with the move buttons from the
// start-up height: 50 to 6150 in steps of 50.
bool reachableBeamStart(int height);

// Brings a window (after its first tick) into the requested state through its
// controls, in the order the options name: body, radius bars (coarse, then
// fine), mass bars, beam start, Beam.
void applyRequest(MainWindow& window, const SceneRequest& request);

// The values table of a fresh window in the requested state.
QString valuesFor(const SceneRequest& request, TableFormat format);

// Writes the picture of a fresh window in the requested state to `file`
// (PNG, or SVG by its extension). Returns an error text, empty on success;
// on an error nothing is written.
QString writePictureFor(const SceneRequest& request, const QString& file);

}  // namespace korvath::ui
