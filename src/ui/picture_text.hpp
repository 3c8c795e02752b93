// SPDX-License-Identifier: GPL-3.0-or-later
// The picture's description as a sentence in the window's language, for the
// screen reader.
#pragma once

#include <QString>

#include "picture_description.hpp"

namespace korvath::ui {

QString pictureText(const PictureDescription& description);

}  // namespace korvath::ui
