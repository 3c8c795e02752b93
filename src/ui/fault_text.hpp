// SPDX-License-Identifier: GPL-3.0-or-later
// The sentence that tells the user what a fault means, in the window's language.
#pragma once

#include <QString>

#include "fault.hpp"

namespace korvath::ui {

QString faultText(const Fault& fault);

}  // namespace korvath::ui
