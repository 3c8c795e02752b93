// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.hpp"

#include <sstream>

namespace korvath::testing {

namespace {

std::string join(std::initializer_list<double> values) {
    std::ostringstream out;
    for (double v : values)
        out << ' ' << v;
    return out.str();
}

}  // namespace

void RecordingSurface::setFillColor(Color color) {
    ops.push_back("fillColor " + std::to_string(color));
}

void RecordingSurface::setFillStyle(FillStyle style) {
    ops.push_back("fillStyle " + std::to_string(static_cast<int>(style)));
}

void RecordingSurface::circle(float x, float y, float radius, std::optional<Color> outline) {
    ops.push_back("circle" + join({x, y, radius}) +
                  (outline ? " " + std::to_string(*outline) : std::string()));
}

void RecordingSurface::line(float x1, float y1, float x2, float y2, Color color) {
    ops.push_back("line" + join({x1, y1, x2, y2}) + " " + std::to_string(color));
}

void RecordingSurface::box(float x1, float y1, float x2, float y2, Color color) {
    ops.push_back("box" + join({x1, y1, x2, y2}) + " " + std::to_string(color));
}

std::vector<std::string> RecordingSurface::only(const std::string& kind) const {
    std::vector<std::string> out;
    for (const auto& op : ops)
        if (op.rfind(kind + " ", 0) == 0 || op == kind) out.push_back(op);
    return out;
}

}  // namespace korvath::testing
