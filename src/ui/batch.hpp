// SPDX-License-Identifier: GPL-3.0-or-later
// Values and pictures without a window: a session is brought into the
// requested state by its own intents, and its values or its picture are
// written out.
#pragma once

#include <QString>

#include "setup.hpp"
#include "values_table.hpp"

namespace korvath {
class Session;
}

namespace korvath::ui {

class MainWindow;

// What a values table is for: scripts (stable keys, C numbers) or people (the
// window's language and the user's decimal separator).
enum class ValuesFor { Scripts, People };

// The values table of a fresh session in the requested state.
QString valuesFor(const Setup& request, TableFormat format, ValuesFor reader = ValuesFor::Scripts);

// Writes the picture of a fresh session in the requested state to `file`
// (PNG, or SVG by its extension), at `scale` times the size the window shows
// it (1 to 8). Returns an error text, empty on success; on an error nothing is
// written.
QString writePictureFor(const Setup& request, const QByteArray& file, int scale = 1);

// Writes the worksheet of a fresh session in the requested state to `file`
// as a PDF. Returns an error text, empty on success.
QString writeWorksheetFor(const Setup& request, const QByteArray& file);

// Starts the window's session at once in the requested state (the start-up
// timer then finds it started and changes nothing).
void startInRequestedState(MainWindow& window, const Setup& request);

}  // namespace korvath::ui
