// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_scale.hpp"

#include <QByteArray>
#include <cmath>
#include <cstdlib>

namespace korvath::ui {

bool refuseScaleBelowOne(std::FILE* messages) {
    const char* raw = std::getenv("QT_SCALE_FACTOR");
    if (!raw || !*raw) return false;  // unset or empty: Qt's own scale
    const QByteArray text(raw);
    bool ok = false;
    const double scale = text.trimmed().toDouble(&ok);  // "." as decimal point, as Qt reads it
    const char* why = nullptr;
    if (!ok || !std::isfinite(scale))
        why = "is not a finite number";
    else if (scale < 1)
        why = "is below 1";
    else
        return false;
    std::fprintf(messages, "korvath: QT_SCALE_FACTOR=%s %s; using 1\n", raw, why);
    std::fflush(messages);
    setenv("QT_SCALE_FACTOR", "1", 1);
    return true;
}

}  // namespace korvath::ui
