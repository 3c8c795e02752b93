// SPDX-License-Identifier: GPL-3.0-or-later
// Values and pictures without a window: a session is brought into the
// requested state by its own intents, and its values or its picture are
// written out.
#pragma once

#include <QString>
#include <optional>
#include <utility>

#include "values_table.hpp"

namespace korvath {
class Session;
}

namespace korvath::ui {

class MainWindow;

struct SceneRequest {
    bool sun = false;                               // the Sun instead of the Earth
    std::optional<std::pair<int, int>> radiusBars;  // coarse, fine: 0 to 100
    std::optional<std::pair<int, int>> massBars;
    std::optional<int> beamStart;  // a height the move buttons reach
    bool trace = false;            // trace the light ray last
};

// Brings a started session into the requested state, in the order the
// options name: body, radius bars (coarse, then fine), mass bars, beam
// start, trace.
void applyRequest(Session& session, const SceneRequest& request);

// What a values table is for: scripts (stable keys, C numbers) or people (the
// window's language and the user's decimal separator).
enum class ValuesFor { Scripts, People };

// The values table of a fresh session in the requested state.
QString valuesFor(const SceneRequest& request, TableFormat format,
                  ValuesFor reader = ValuesFor::Scripts);

// Writes the picture of a fresh session in the requested state to `file`
// (PNG, or SVG by its extension), at `scale` times the size the window shows
// it (1 to 8). Returns an error text, empty on success; on an error nothing is
// written.
QString writePictureFor(const SceneRequest& request, const QByteArray& file, int scale = 1);

// Starts the window's session at once in the requested state (the start-up
// timer then finds it started and changes nothing).
void startInRequestedState(MainWindow& window, const SceneRequest& request);

}  // namespace korvath::ui
