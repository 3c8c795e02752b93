// SPDX-License-Identifier: GPL-3.0-or-later
// The window is laid out for a scale of at least 1: below it the 9 pt text
// and the scene's one-pixel lines become unreadable, so a smaller
// QT_SCALE_FACTOR is refused.
#pragma once

#include <cstdio>

namespace korvath::ui {

// Call before the QApplication is created. When QT_SCALE_FACTOR is set to a
// number below 1, or to something that is not a finite number, writes one
// line to `messages` ("korvath: QT_SCALE_FACTOR=0.5 is below 1; using 1"),
// sets QT_SCALE_FACTOR=1 and returns true. Otherwise changes nothing.
bool refuseScaleBelowOne(std::FILE* messages = stderr);

}  // namespace korvath::ui
