// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_view.hpp"

#include <array>

namespace korvath::web {

namespace {

// The value fields and bars by the object names of the window's layout, in
// the order of ShownValue and Bar.
constexpr std::array<std::string_view, kShownValueCount> kValueFields{
    "radiusValue",
    "massValue",
    "densityValue",
    "schwarzschildRadiusValue",
    "curvatureAt1RadiusValue",
    "radiusOfCurvatureAt1RadiusValue",
    "curvatureAt1_5RadiiValue",
    "radiusOfCurvatureAt1_5RadiiValue",
    "curvatureAt2RadiiValue",
    "radiusOfCurvatureAt2RadiiValue",
    "curvatureAt2_5RadiiValue",
    "radiusOfCurvatureAt2_5RadiiValue",
    "radiusCoarseValue",
    "radiusFineValue",
    "massCoarseValue",
    "massFineValue",
    "beamStartValue",
};
constexpr std::array<std::string_view, 4> kBars{"radiusCoarseBar", "massCoarseBar", "radiusFineBar",
                                                "massFineBar"};

}  // namespace

std::string_view valueFieldName(ShownValue value) {
    return kValueFields[static_cast<size_t>(value)];
}

std::string_view barName(Bar bar) {
    return kBars[static_cast<size_t>(barIndex(bar))];
}

void PageView::sessionChanged(const Session& session, const SessionChange& change) {
    session.draw(described_, change);
    if (change.fault) faults_.push_back(*change.fault);
}

std::vector<Fault> PageView::takeFaults() {
    std::vector<Fault> out;
    out.swap(faults_);
    return out;
}

}  // namespace korvath::web
