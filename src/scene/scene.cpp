#include "scene.hpp"

#include "checked.hpp"
#include "number_text.hpp"

namespace korvath {

using namespace sceneGeometry;

std::int32_t schwarzschildDrawingRadius(double schwarzschildRadius, double radius) {
    const double quotient = schwarzschildRadius * 1000.0 / radius;
    // Beyond the limit (an infinite quotient included) the circle lies wholly
    // outside the surface either way.
    if (!(quotient < kMaxDrawingRadius)) return kMaxDrawingRadius;
    const std::int32_t r = checked::toInt32(quotient);
    return r < kMinDrawingRadius ? kMinDrawingRadius : r;
}

Scene::Scene(Simulation& sim, Surface& surface, Labels& labels, FaultReporter& reporter)
    : sim_(sim), state_(sim.state()), surface_(surface), labels_(labels), reporter_(reporter) {
    sim_.setSceneView(this);
}

Scene::~Scene() {
    sim_.setSceneView(nullptr);
}

void Scene::drawScene(double schwarzschildRadius) {
    surface_.clear();
    surface_.setFillColor(kBodyFill);
    surface_.setFillStyle(FillStyle::Solid);
    surface_.circle(kCentreX, kCentreY, kBodyRadius,
                    std::nullopt);  // outlined in the foreground colour
    surface_.setFillStyle(FillStyle::Transparent);
    for (float ring : kRingRadii)
        surface_.circle(kCentreX, kCentreY, ring, kRingColour);
    const auto r = schwarzschildDrawingRadius(schwarzschildRadius, state_.radius);
    surface_.circle(kCentreX, kCentreY, static_cast<float>(r), kSchwarzschildColour);
}

void Scene::drawBeamMarker() {
    // The black box falls on the yellow one drawn last time, corner for corner.
    surface_.box(state_.markerX.toSingle(), static_cast<float>(state_.markerY),
                 state_.markerX.plus(kMarkerSize).toSingle(),
                 static_cast<float>(checked::add32(state_.markerY, kMarkerSize)), colors::kBlack);
    surface_.box(state_.beamX.toSingle(), state_.beamY.toSingle(),
                 state_.beamX.plus(kMarkerSize).toSingle(),
                 state_.beamY.plus(kMarkerSize).toSingle(), colors::kPaletteYellow);
    state_.markerX = state_.beamX;
    state_.markerY = state_.beamY.value();
}

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

bool Scene::clickMove(BeamMove move) {
    bool moved = false;
    sim_.runEvent([&] {
        const MoveRule rule = ruleOf(move);
        const VariantNumber next = state_.beamY.plus(rule.step);
        if (!(next.value() > rule.lowerBound && next.value() < rule.upperBound)) return;
        state_.beamY = next;
        drawBeamMarker();
        labels_.setText(LabelId::labkiti, numberText(state_.beamY.value()));
        moved = true;
    });
    return moved;
}

TraceResult Scene::clickBeam() {
    TraceResult result;
    sim_.runEvent([&] {
        sim_.computeAndDrawInEvent();
        result = traceRay(state_, surface_);
        if (result.fault) reporter_.report(*result.fault);
    });
    return result;
}

}  // namespace korvath
