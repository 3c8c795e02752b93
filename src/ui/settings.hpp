// SPDX-License-Identifier: GPL-3.0-or-later
// What the window remembers between runs (its zoom, whether rays travel), in
// the user's settings file. The file is used only where it is a regular file
// of at most 64 KiB, or not there yet; anything else is left as it is and
// said once on standard error. A read-only file is not written; a written
// one keeps its mode and owner.
#pragma once

#include <QVariant>

namespace korvath::ui {

// The value stored under `key`, or an invalid one.
QVariant readSetting(const char* key);
void writeSetting(const char* key, const QVariant& value);

}  // namespace korvath::ui
