// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation.hpp"

#include <string>

#include "checked.hpp"
#include "number_text.hpp"

namespace korvath {

namespace {

constexpr std::int16_t kNeutral = 50;  // bar position that leaves the preset as it is

// Where each bar's position is shown, in the order of Bar.
constexpr std::array<ShownValue, 4> kBarPositions{
    ShownValue::RadiusCoarsePosition, ShownValue::MassCoarsePosition,
    ShownValue::RadiusFinePosition, ShownValue::MassFinePosition};

ShownValue barPosition(Bar bar) {
    return kBarPositions[static_cast<size_t>(barIndex(bar))];
}

// Thrown by computeAndDrawInEvent; carries the fault to runEvent.
struct FaultRaised {
    Fault fault;
};

}  // namespace

Simulation::Simulation(ValueDisplay& values, ParameterBars& bars, SceneView& scene,
                       FaultReporter& reporter)
    : values_(values), bars_(bars), scene_(scene), reporter_(reporter) {}

// ---------------------------------------------------------------------------
// Events and their undo

Simulation::Snapshot Simulation::snapshot() const {
    Snapshot s;
    s.state = state_;
    for (Bar b : kAllBars) {
        s.barValues[static_cast<size_t>(barIndex(b))] = bars_.value(b);
        s.barTexts[static_cast<size_t>(barIndex(b))] = values_.text(barPosition(b));
    }
    s.computeCount = computeCount_;
    return s;
}

void Simulation::undo(const Snapshot& before) {
    const bool ready = state_.ready;  // a started display stays started
    state_ = before.state;
    state_.ready = ready;
    for (Bar b : kAllBars) {
        const auto i = static_cast<size_t>(barIndex(b));
        bars_.setValue(b, before.barValues[i]);
        values_.setText(barPosition(b), before.barTexts[i]);
    }
    // Intermediate bodies may have been shown before the fault (a preset
    // resets the bars first): show the restored one again.
    if (computeCount_ != before.computeCount && before.computeCount > 0) computeAndDraw();
}

bool Simulation::runEvent(const std::function<void()>& handler) {
    if (eventDepth_ > 0) {
        handler();
        return true;
    }
    return run(handler, snapshot());
}

bool Simulation::run(const std::function<void()>& handler, const Snapshot& before) {
    std::optional<Fault> fault;
    {
        struct Depth {
            int& depth;
            explicit Depth(int& d) : depth(d) { ++depth; }
            ~Depth() { --depth; }
        } inEvent(eventDepth_);
        try {
            handler();
        } catch (const FaultRaised& raised) {
            fault = raised.fault;
        } catch (const ArithmeticError& e) {
            fault = Fault{Fault::Kind::EventArithmetic, e.fault()};
        }
    }
    if (!fault) return true;
    undo(before);
    reporter_.report(*fault);
    return false;
}

void Simulation::load() {
    runEvent([this] {
        state_.ready = false;
        // The bars' change handlers run and return at once, since ready is 0.
        for (Bar b : kAllBars)
            assignBar(b, kNeutral);
        values_.setText(ShownValue::RadiusCoarsePosition,
                        numberText(bars_.value(Bar::RadiusCoarse)));
        values_.setText(ShownValue::RadiusFinePosition, numberText(bars_.value(Bar::RadiusFine)));
        values_.setText(ShownValue::MassCoarsePosition, numberText(bars_.value(Bar::MassCoarse)));
        values_.setText(ShownValue::MassFinePosition, numberText(bars_.value(Bar::MassFine)));
        state_.radius = state_.presetRadius = state_.coarseRadius = kEarth.radius;
        state_.mass = state_.presetMass = state_.coarseMass = kEarth.mass;
        state_.beamX = VariantNumber::int16(kBeamStartX);
        state_.beamY = VariantNumber::int16(kBeamStartY);
        state_.markerX = state_.beamX;
        state_.markerY = state_.beamY.value();
        values_.setText(ShownValue::BeamStart, numberText(state_.beamY.value()));
    });
}

void Simulation::tick() {
    if (state_.ready) return;
    runEvent([this] {
        state_.ready = true;
        computeAndDrawInEvent();
    });
}

void Simulation::clickPreset(const Preset& preset) {
    runEvent([this, preset] {
        // The bars go back first, so their handlers (when ready) still work
        // with the body held before the click; the last recomputation below
        // replaces whatever they showed.
        for (Bar b : kAllBars)
            assignBar(b, kNeutral);
        state_.radius = state_.presetRadius = state_.coarseRadius = preset.radius;
        state_.mass = state_.presetMass = state_.coarseMass = preset.mass;
        computeAndDrawInEvent();
    });
}

void Simulation::userMovedBar(Bar bar, std::int16_t previousValue) {
    if (eventDepth_ > 0) {
        onBarChanged(bar);
        return;
    }
    // The bar already stands at its new value; undoing puts it back.
    Snapshot before = snapshot();
    before.barValues[static_cast<size_t>(barIndex(bar))] = previousValue;
    run([this, bar] { onBarChanged(bar); }, before);
}

// ---------------------------------------------------------------------------
// The parameter bars

void Simulation::assignBar(Bar bar, std::int16_t value) {
    if (bars_.value(bar) == value) return;
    bars_.setValue(bar, value);
    onBarChanged(bar);
}

void Simulation::onBarChanged(Bar bar) {
    if (bar == Bar::RadiusCoarse || bar == Bar::MassCoarse)
        coarseHandler(bar);
    else
        fineHandler(bar);
}

// A coarse bar scales the preset by 2^n, n = value - 50, and puts its fine
// bar back to 50 (whose handler then runs nested and recomputes once more).
void Simulation::coarseHandler(Bar bar) {
    if (!state_.ready) return;
    const bool isRadius = bar == Bar::RadiusCoarse;
    const double preset = isRadius ? state_.presetRadius : state_.presetMass;
    double& value = isRadius ? state_.radius : state_.mass;

    const std::int16_t n = checked::sub16(bars_.value(bar), kNeutral);
    if (n > 0)
        value = checked::mul(checked::pow(2.0, n), preset);
    else if (n < 0)
        value = checked::div(preset, checked::pow(2.0, checked::sub16(0, n)));
    else
        value = preset;
    computeAndDrawInEvent();

    (isRadius ? state_.coarseRadius : state_.coarseMass) = value;
    assignBar(isRadius ? Bar::RadiusFine : Bar::MassFine, kNeutral);
    values_.setText(barPosition(bar), numberText(bars_.value(bar)));
}

// A fine bar adds n whole percents of the coarse value, n = value - 50.
void Simulation::fineHandler(Bar bar) {
    if (!state_.ready) return;
    const bool isRadius = bar == Bar::RadiusFine;
    const double coarse = isRadius ? state_.coarseRadius : state_.coarseMass;

    const double step = checked::div(coarse, 100.0);
    const std::int16_t n = checked::sub16(bars_.value(bar), kNeutral);
    (isRadius ? state_.radius : state_.mass) = checked::add(checked::mul(n, step), coarse);
    computeAndDrawInEvent();

    values_.setText(barPosition(bar), numberText(bars_.value(bar)));
}

// ---------------------------------------------------------------------------
// Recompute and show

std::optional<Fault> Simulation::computeAndDraw() {
    auto derived = deriveBody(state_.radius, state_.mass);
    if (auto* fault = std::get_if<Fault>(&derived)) return *fault;
    show(std::get<BodyQuantities>(derived));
    return std::nullopt;
}

void Simulation::computeAndDrawInEvent() {
    if (auto fault = computeAndDraw()) throw FaultRaised{*fault};
}

void Simulation::show(const BodyQuantities& q) {
    values_.setText(ShownValue::Radius, numberText(q.radius));
    values_.setText(ShownValue::Mass, numberText(q.mass));
    values_.setText(ShownValue::Density, numberText(q.density));
    values_.showInsideSchwarzschild(q.insideSchwarzschild());
    values_.setText(ShownValue::SchwarzschildRadius, numberText(q.search.schwarzschildRadius));
    scene_.drawScene(q.radius, q.search.schwarzschildRadius);
    for (size_t i = 0; i < q.samples.size(); ++i) {
        values_.setText(kCurvatureValues[i], numberText(q.samples[i].curvature));
        values_.setText(kRadiusOfCurvatureValues[i], numberText(q.samples[i].radiusOfCurvature));
    }
    drawBeamMarker();
    ++computeCount_;
}

void Simulation::drawBeamMarker() {
    const MarkerPlace current{state_.beamX, state_.beamY.value()};
    scene_.drawBeamMarker({state_.markerX, state_.markerY}, current);
    state_.markerX = current.x;
    state_.markerY = current.y;
}

// ---------------------------------------------------------------------------
// The beam start and the light ray

namespace {

struct MoveRule {
    std::int16_t step;        // added to beamY
    std::int32_t lowerBound;  // the new value must be above it...
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

bool Simulation::moveBeam(BeamMove move) {
    bool moved = false;
    runEvent([&] {
        const MoveRule rule = ruleOf(move);
        const VariantNumber next = state_.beamY.plus(rule.step);
        if (!(next.value() > rule.lowerBound && next.value() < rule.upperBound)) return;
        state_.beamY = next;
        drawBeamMarker();
        values_.setText(ShownValue::BeamStart, numberText(state_.beamY.value()));
        moved = true;
    });
    return moved;
}

RayPath Simulation::beam() {
    RayPath path;
    runEvent([&] {
        computeAndDrawInEvent();
        path = traceRay(state_.radius, state_.mass, state_.beamX, state_.beamY);
        scene_.drawRay(path);
        if (path.fault) reporter_.report(*path.fault);
    });
    return path;
}

}  // namespace korvath
