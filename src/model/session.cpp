// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.hpp"

#include <algorithm>
#include <cmath>

#include "checked.hpp"
#include "number_text.hpp"

namespace korvath {

namespace {

// Where each bar's position is shown, in the order of Bar.
constexpr std::array<ShownValue, 4> kBarPositions{
    ShownValue::RadiusCoarsePosition, ShownValue::MassCoarsePosition,
    ShownValue::RadiusFinePosition, ShownValue::MassFinePosition};

size_t at(ShownValue value) {
    return static_cast<size_t>(value);
}

bool isCoarse(Bar bar) {
    return bar == Bar::RadiusCoarse || bar == Bar::MassCoarse;
}

bool isRadius(Bar bar) {
    return bar == Bar::RadiusCoarse || bar == Bar::RadiusFine;
}

Bar fineOf(Bar coarse) {
    return coarse == Bar::RadiusCoarse ? Bar::RadiusFine : Bar::MassFine;
}

// The chosen body scaled by 2^(position - 50); powers of two are exact.
double coarseValue(double base, std::int16_t position) {
    const std::int16_t n = checked::sub16(position, kBarNeutral);
    if (n > 0) return checked::mul(std::ldexp(1.0, n), base);
    if (n < 0) return checked::div(base, std::ldexp(1.0, -n));
    return base;
}

// The coarse value plus (position - 50) whole percents of it.
double fineValue(double coarse, std::int16_t position) {
    const double step = checked::div(coarse, 100.0);
    const std::int16_t n = checked::sub16(position, kBarNeutral);
    return checked::add(checked::mul(n, step), coarse);
}

struct MoveRule {
    std::int16_t step;        // added to the beam start's height
    std::int32_t lowerBound;  // the new height must be above it...
    std::int32_t upperBound;  // ...and below this
};

MoveRule ruleOf(BeamMove move) {
    constexpr std::int32_t kNone = 1 << 30;
    switch (move) {
        case BeamMove::BigUp:
            return {-300, 0, kNone};
        case BeamMove::Up:
            return {-50, 0, kNone};
        case BeamMove::Down:
            return {50, -kNone, 6100};
        case BeamMove::BigDown:
            return {300, -kNone, 6200};
    }
    return {0, 0, 0};
}

}  // namespace

ShownValue positionOf(Bar bar) {
    return kBarPositions[static_cast<size_t>(barIndex(bar))];
}

bool reachableBeamStart(int height) {
    return height >= 50 && height <= 6150 && (height - kBeamStartY) % 50 == 0;
}

Session::Session() {
    bars_.fill(kBarNeutral);
    for (Bar b : kAllBars)
        texts_[at(positionOf(b))] = numberText(kBarNeutral);
    state_.radius = state_.presetRadius = state_.coarseRadius = kEarth.radius;
    state_.mass = state_.presetMass = state_.coarseMass = kEarth.mass;
    state_.beamX = VariantNumber::int16(kBeamStartX);
    state_.beamY = VariantNumber::int16(kBeamStartY);
    state_.markerX = state_.beamX;
    state_.markerY = state_.beamY.value();
    texts_[at(ShownValue::BeamStart)] = numberText(state_.beamY.value());
}

void Session::addView(SessionView& view) {
    views_.push_back(&view);
}

void Session::removeView(SessionView& view) {
    std::erase(views_, &view);
}

void Session::notify(const SessionChange& change) {
    if (!change.any()) return;
    // A view may add or remove views while it is told: tell the ones there now.
    const std::vector<SessionView*> views = views_;
    for (SessionView* v : views)
        if (std::find(views_.begin(), views_.end(), v) != views_.end())
            v->sessionChanged(*this, change);
}

// ---------------------------------------------------------------------------
// Computing and showing a body

std::optional<Fault> Session::compute(double radius, double mass) {
    auto derived = deriveBody(radius, mass);
    if (auto* fault = std::get_if<Fault>(&derived)) return *fault;
    computed_ = std::get<BodyQuantities>(derived);
    return std::nullopt;
}

void Session::show(SessionChange& change) {
    const BodyQuantities& q = *computed_;
    texts_[at(ShownValue::Radius)] = numberText(q.radius);
    texts_[at(ShownValue::Mass)] = numberText(q.mass);
    texts_[at(ShownValue::Density)] = numberText(q.density);
    texts_[at(ShownValue::SchwarzschildRadius)] = numberText(q.search.schwarzschildRadius);
    for (size_t i = 0; i < q.samples.size(); ++i) {
        texts_[at(kCurvatureValues[i])] = numberText(q.samples[i].curvature);
        texts_[at(kRadiusOfCurvatureValues[i])] = numberText(q.samples[i].radiusOfCurvature);
    }
    mark_ = q.insideSchwarzschild() ? SchwarzschildMark::Inside : SchwarzschildMark::Outside;
    ++computeCount_;
    change.values = true;
    change.scene = true;
    moveMarker(change);
}

void Session::moveMarker(SessionChange& change) {
    change.markerMovedFrom = MarkerPlace{state_.markerX, state_.markerY};
    state_.markerX = state_.beamX;
    state_.markerY = state_.beamY.value();
}

void Session::draw(SceneView& view, const SessionChange& change) const {
    if (change.scene && computed_)
        view.drawScene(computed_->radius, computed_->search.schwarzschildRadius);
    if (change.markerMovedFrom)
        view.drawBeamMarker(*change.markerMovedFrom, {state_.markerX, state_.markerY});
    if (change.ray)
        for (const TracedRay& ray : rays_)
            view.drawRay(ray);
}

// ---------------------------------------------------------------------------
// Intents

void Session::start() {
    if (state_.ready) return;
    // The display counts as started even when its first body fails.
    state_.ready = true;
    SessionChange change;
    if (auto fault = compute(state_.radius, state_.mass))
        change.fault = fault;
    else
        show(change);
    notify(change);
}

bool Session::choose(const Preset& body) {
    SessionChange change;
    if (auto fault = compute(body.radius, body.mass)) {
        change.fault = fault;
        notify(change);
        return false;
    }
    change.bars = std::any_of(bars_.begin(), bars_.end(), [](auto p) { return p != kBarNeutral; });
    bars_.fill(kBarNeutral);
    for (Bar b : kAllBars)
        texts_[at(positionOf(b))] = numberText(kBarNeutral);
    state_.radius = state_.presetRadius = state_.coarseRadius = body.radius;
    state_.mass = state_.presetMass = state_.coarseMass = body.mass;
    rays_.clear();  // traced for another body
    show(change);
    notify(change);
    return true;
}

bool Session::setBar(Bar bar, int position) {
    if (position < kBarMinimum || position > kBarMaximum || position == bars_[index(bar)])
        return false;
    const auto p = static_cast<std::int16_t>(position);
    SessionChange change;
    change.bars = true;
    // Before the display starts a bar only moves.
    if (!state_.ready) {
        bars_[index(bar)] = p;
        notify(change);
        return true;
    }
    const bool radius = isRadius(bar);
    double coarse = radius ? state_.coarseRadius : state_.coarseMass;
    double value = 0;
    std::optional<Fault> fault;
    try {
        if (isCoarse(bar))
            coarse = coarseValue(radius ? state_.presetRadius : state_.presetMass, p);
        value = isCoarse(bar) ? coarse : fineValue(coarse, p);
        fault = compute(radius ? value : state_.radius, radius ? state_.mass : value);
    } catch (const ArithmeticError& e) {
        fault = Fault{Fault::Kind::EventArithmetic, e.fault()};
    }
    if (fault) {
        // The bar stays where it stood; the views put their widget back.
        change.fault = fault;
        notify(change);
        return false;
    }
    bars_[index(bar)] = p;
    texts_[at(positionOf(bar))] = numberText(p);
    if (isCoarse(bar)) {
        bars_[index(fineOf(bar))] = kBarNeutral;
        texts_[at(positionOf(fineOf(bar)))] = numberText(kBarNeutral);
    }
    (radius ? state_.coarseRadius : state_.coarseMass) = coarse;
    (radius ? state_.radius : state_.mass) = value;
    rays_.clear();  // traced for another body
    show(change);
    notify(change);
    return true;
}

bool Session::moveBeam(BeamMove move) {
    const MoveRule rule = ruleOf(move);
    const VariantNumber next = state_.beamY.plus(rule.step);
    if (!(next.value() > rule.lowerBound && next.value() < rule.upperBound)) return false;
    state_.beamY = next;
    texts_[at(ShownValue::BeamStart)] = numberText(next.value());
    SessionChange change;
    change.values = true;
    moveMarker(change);
    notify(change);
    return true;
}

bool Session::setBeamStart(int height) {
    if (!reachableBeamStart(height) || height == state_.beamY.value()) return false;
    state_.beamY = VariantNumber::int16(static_cast<std::int16_t>(height));
    texts_[at(ShownValue::BeamStart)] = numberText(height);
    SessionChange change;
    change.values = true;
    moveMarker(change);
    notify(change);
    return true;
}

const RayPath& Session::trace() {
    static const RayPath notTraced;
    SessionChange change;
    if (auto fault = compute(state_.radius, state_.mass)) {
        change.fault = fault;
        notify(change);
        return notTraced;
    }
    show(change);
    TracedRay ray;
    ray.path = traceRay(state_.radius, state_.mass, state_.beamX, state_.beamY);
    ray.start = state_.beamY.value();
    if (!keepRays_) {
        rays_.clear();
    } else if (!rays_.empty()) {
        ray.number = rays_.back().number + 1;
        if (rays_.size() == size_t{kMostRaysKept}) {
            ray.colour = rays_.front().colour;
            rays_.erase(rays_.begin());
        } else {
            ray.colour = static_cast<int>(rays_.size());
        }
    }
    rays_.push_back(std::move(ray));
    change.ray = true;
    change.fault = rays_.back().path.fault;
    notify(change);
    return rays_.back().path;
}

bool Session::clearRays() {
    if (rays_.empty()) return false;
    rays_.clear();
    SessionChange change;
    change.scene = true;
    moveMarker(change);
    notify(change);
    return true;
}

}  // namespace korvath
