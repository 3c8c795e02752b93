#include "simulation.hpp"

#include <string>

#include "checked.hpp"
#include "number_text.hpp"

namespace korvath {

namespace {

constexpr std::int16_t kNeutral = 50;  // bar position that leaves the preset as it is

// The label that shows each bar's value.
constexpr std::array<LabelId, 4> kBarLabels{LabelId::labh1, LabelId::labg1, LabelId::labh2,
                                            LabelId::labg2};

LabelId barLabel(Bar bar) {
    return kBarLabels[static_cast<size_t>(barIndex(bar))];
}

// Thrown by computeAndDrawInEvent; carries the fault to runEvent.
struct FaultRaised {
    Fault fault;
};

}  // namespace

Simulation::Simulation(Labels& labels, ScrollBars& bars, FaultReporter& reporter)
    : labels_(labels), bars_(bars), reporter_(reporter) {}

// ---------------------------------------------------------------------------
// Events and their undo

Simulation::Snapshot Simulation::snapshot() const {
    Snapshot s;
    s.state = state_;
    for (Bar b : kAllBars) {
        s.barValues[static_cast<size_t>(barIndex(b))] = bars_.value(b);
        s.barLabels[static_cast<size_t>(barIndex(b))] = labels_.text(barLabel(b));
    }
    s.computeCount = computeCount_;
    return s;
}

void Simulation::undo(const Snapshot& before) {
    const std::uint8_t ready = state_.ready;  // a started display stays started
    state_ = before.state;
    state_.ready = ready;
    for (Bar b : kAllBars) {
        const auto i = static_cast<size_t>(barIndex(b));
        bars_.setValue(b, before.barValues[i]);
        labels_.setText(barLabel(b), before.barLabels[i]);
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
            fault = Fault{
                Fault::Kind::Arithmetic,
                std::string("The change cannot be made: its arithmetic fails (") + e.what() + ")."};
        }
    }
    if (!fault) return true;
    undo(before);
    reporter_.report(fault->message);
    return false;
}

void Simulation::load() {
    runEvent([this] {
        state_.ready = 0;
        // The bars' change handlers run and return at once, since ready is 0.
        for (Bar b : kAllBars)
            assignBar(b, kNeutral);
        labels_.setText(LabelId::labh1, numberText(bars_.value(Bar::HScroll1)));
        labels_.setText(LabelId::labh2, numberText(bars_.value(Bar::HScroll3)));
        labels_.setText(LabelId::labg1, numberText(bars_.value(Bar::HScroll2)));
        labels_.setText(LabelId::labg2, numberText(bars_.value(Bar::HScroll4)));
        state_.radius = state_.presetRadius = state_.coarseRadius = kEarth.radius;
        state_.mass = state_.presetMass = state_.coarseMass = kEarth.mass;
        state_.beamX = VariantNumber::int16(kBeamStartX);
        state_.beamY = VariantNumber::int16(kBeamStartY);
        state_.markerX = state_.beamX;
        state_.markerY = state_.beamY.value();
        labels_.setText(LabelId::labkiti, numberText(state_.beamY.value()));
    });
}

void Simulation::tick() {
    if (state_.ready != 0) return;
    runEvent([this] {
        state_.ready = 1;
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
    if (bar == Bar::HScroll1 || bar == Bar::HScroll2)
        coarseHandler(bar);
    else
        fineHandler(bar);
}

// A coarse bar scales the preset by 2^n, n = value - 50, and puts its fine
// bar back to 50 (whose handler then runs nested and recomputes once more).
void Simulation::coarseHandler(Bar bar) {
    if (state_.ready != 1) return;
    const bool isRadius = bar == Bar::HScroll1;
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
    assignBar(isRadius ? Bar::HScroll3 : Bar::HScroll4, kNeutral);
    labels_.setText(barLabel(bar), numberText(bars_.value(bar)));
}

// A fine bar adds n whole percents of the coarse value, n = value - 50.
void Simulation::fineHandler(Bar bar) {
    if (state_.ready != 1) return;
    const bool isRadius = bar == Bar::HScroll3;
    const double coarse = isRadius ? state_.coarseRadius : state_.coarseMass;

    const double step = checked::div(coarse, 100.0);
    const std::int16_t n = checked::sub16(bars_.value(bar), kNeutral);
    (isRadius ? state_.radius : state_.mass) = checked::add(checked::mul(n, step), coarse);
    computeAndDrawInEvent();

    labels_.setText(barLabel(bar), numberText(bars_.value(bar)));
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
    labels_.setText(LabelId::Label2, numberText(q.radius));
    labels_.setText(LabelId::Label4, numberText(q.mass));
    labels_.setText(LabelId::Label10, numberText(q.density));
    // Black when the body lies inside its Schwarzschild radius, grey otherwise.
    const Color pair = q.insideSchwarzschild() ? colors::kBlack : colors::kLabelGrey;
    labels_.setColor(LabelId::Label11, pair);
    labels_.setColor(LabelId::Label12, pair);
    labels_.setText(LabelId::Label12, numberText(q.search.schwarzschildRadius));
    if (scene_) scene_->drawScene(q.search.schwarzschildRadius);
    for (size_t i = 0; i < q.samples.size(); ++i) {
        const Curvature& c = q.samples[i];
        state_.gravTerm = c.gravTerm;
        state_.curvature = c.curvature;
        state_.curvatureRadius = c.curvatureRadius;
        labels_.setText(kCurvatureLabels[i], numberText(c.curvature));
        labels_.setText(kCurvatureRadiusLabels[i], numberText(c.curvatureRadius));
    }
    if (scene_) scene_->drawBeamMarker();
    ++computeCount_;
}

}  // namespace korvath
