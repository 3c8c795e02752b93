// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_session.hpp"

#include <algorithm>

#include "sim_state.hpp"

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

size_t indexOf(ShownValue value) {
    return static_cast<size_t>(value);
}
size_t indexOf(Bar bar) {
    return static_cast<size_t>(barIndex(bar));
}

}  // namespace

std::string_view valueFieldName(ShownValue value) {
    return kValueFields[indexOf(value)];
}

std::string_view barName(Bar bar) {
    return kBars[indexOf(bar)];
}

void WebSession::Values::setText(ShownValue value, const std::string& text) {
    texts[indexOf(value)] = text;
}

std::string WebSession::Values::text(ShownValue value) const {
    return texts[indexOf(value)];
}

void WebSession::Values::showInsideSchwarzschild(bool inside) {
    mark = inside ? SchwarzschildMark::Inside : SchwarzschildMark::Outside;
}

std::int16_t WebSession::Bars::value(Bar bar) const {
    return values[indexOf(bar)];
}

void WebSession::Bars::setValue(Bar bar, std::int16_t value) {
    values[indexOf(bar)] = value;
}

WebSession::WebSession() = default;

void WebSession::load() {
    sim_.load();
}

void WebSession::tick() {
    sim_.tick();
}

void WebSession::clickEarth() {
    sim_.clickPreset(kEarth);
}

void WebSession::clickSun() {
    sim_.clickPreset(kSun);
}

bool WebSession::moveBar(Bar bar, int value) {
    const auto next = static_cast<std::int16_t>(std::clamp<int>(value, kBarMinimum, kBarMaximum));
    const std::int16_t previous = bars_.value(bar);
    if (next == previous) return false;
    bars_.setValue(bar, next);
    sim_.userMovedBar(bar, previous);
    return true;
}

bool WebSession::moveBeam(BeamMove move) {
    return sim_.moveBeam(move);
}

int WebSession::beam() {
    return static_cast<int>(sim_.beam().segments.size());
}

const std::string& WebSession::text(ShownValue value) const {
    return values_.texts[indexOf(value)];
}

std::int16_t WebSession::barValue(Bar bar) const {
    return bars_.value(bar);
}

std::vector<Fault> WebSession::takeFaults() {
    std::vector<Fault> out;
    out.swap(faults_.reported);
    return out;
}

}  // namespace korvath::web
