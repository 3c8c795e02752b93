// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window_layout.hpp"

#include <QtGlobal>
#include <array>

#include "parameter_bar.hpp"
#include "scene_picture.hpp"
#include "value_field.hpp"

namespace korvath::ui {

namespace {

using C = MainWindowControls;
using V = ShownValue;

// clang-format off
const std::array kLayout = std::to_array<ControlSpec>({
    {"earthButton", &C::earthButton, {}, 3, QT_TRANSLATE_NOOP("MainWindow", "Earth"), 240, 120, 1695, 375, 0},
    {"sunButton", &C::sunButton, {}, 12, QT_TRANSLATE_NOOP("MainWindow", "Sun"), 240, 600, 1695, 375, 0},
    {"radiusCaption", &C::radiusCaption, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "Radius(m)"), 2640, 120, 945, 225, 0},
    {"radiusCoarseMark", &C::radiusCoarseMark, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "<<"), 2280, 360, 240, 240, 9.75},
    {"radiusCoarseBar", &C::radiusCoarseBar, Bar::RadiusCoarse, 2, "", 2640, 360, 2295, 255, 0, QT_TRANSLATE_NOOP("MainWindow", "Radius, coarse: powers of two"), QT_TRANSLATE_NOOP("MainWindow", "Multiplies the preset radius by 2 to the power (value - 50)")},
    {"radiusCoarseValue", &C::radiusCoarseValue, V::RadiusCoarsePosition, 0, "", 5040, 360, 375, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Value of the coarse radius bar")},
    {"radiusFineMark", &C::radiusFineMark, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "<"), 2400, 720, 135, 255, 11.25},
    {"radiusFineBar", &C::radiusFineBar, Bar::RadiusFine, 5, "", 2640, 720, 2295, 255, 0, QT_TRANSLATE_NOOP("MainWindow", "Radius, fine: whole percents"), QT_TRANSLATE_NOOP("MainWindow", "Adds (value - 50) percent of the coarse radius")},
    {"radiusFineValue", &C::radiusFineValue, V::RadiusFinePosition, 0, "", 5040, 720, 375, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Value of the fine radius bar")},
    {"radiusValue", &C::radiusValue, V::Radius, 0, "", 2640, 1080, 2295, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Radius in metres")},
    {"massCaption", &C::massCaption, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "Mass(kg)"), 6000, 120, 765, 225, 0},
    {"massCoarseMark", &C::massCoarseMark, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "<<"), 5520, 360, 270, 255, 11.25},
    {"massCoarseBar", &C::massCoarseBar, Bar::MassCoarse, 4, "", 5880, 360, 2295, 255, 0, QT_TRANSLATE_NOOP("MainWindow", "Mass, coarse: powers of two"), QT_TRANSLATE_NOOP("MainWindow", "Multiplies the preset mass by 2 to the power (value - 50)")},
    {"massCoarseValue", &C::massCoarseValue, V::MassCoarsePosition, 0, "", 8280, 360, 375, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Value of the coarse mass bar")},
    {"massFineMark", &C::massFineMark, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "<"), 5640, 720, 135, 255, 11.25},
    {"massFineBar", &C::massFineBar, Bar::MassFine, 6, "", 5880, 720, 2295, 255, 0, QT_TRANSLATE_NOOP("MainWindow", "Mass, fine: whole percents"), QT_TRANSLATE_NOOP("MainWindow", "Adds (value - 50) percent of the coarse mass")},
    {"massFineValue", &C::massFineValue, V::MassFinePosition, 0, "", 8280, 720, 375, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Value of the fine mass bar")},
    {"massValue", &C::massValue, V::Mass, 0, "", 5880, 1080, 2295, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Mass in kilograms")},
    {"beamBigUpButton", &C::beamBigUpButton, {}, 9, QT_TRANSLATE_NOOP("MainWindow", "UP"), 8880, 0, 855, 375, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Moves the beam start up by 300 units")},
    {"beamUpButton", &C::beamUpButton, {}, 7, QT_TRANSLATE_NOOP("MainWindow", "up"), 8880, 360, 855, 375, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Moves the beam start up by 50 units")},
    {"beamDownButton", &C::beamDownButton, {}, 8, QT_TRANSLATE_NOOP("MainWindow", "down"), 8880, 720, 855, 375, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Moves the beam start down by 50 units")},
    {"beamBigDownButton", &C::beamBigDownButton, {}, 10, QT_TRANSLATE_NOOP("MainWindow", "DOWN"), 8880, 1080, 855, 375, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Moves the beam start down by 300 units")},
    {"beamButton", &C::beamButton, {}, 11, QT_TRANSLATE_NOOP("MainWindow", "Beam"), 9720, 0, 975, 375, 0},
    {"beamStartValue", &C::beamStartValue, V::BeamStart, 0, "", 9840, 480, 495, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Height of the beam start in scene units")},
    {"densityCaption", &C::densityCaption, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "density(gram/cubic centimeters)"), 9000, 1560, 2640, 225, 0},
    {"densityValue", &C::densityValue, V::Density, 0, "", 9000, 1800, 2295, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Density in grams per cubic centimetre")},
    {"schwarzschildRadiusCaption", &C::schwarzschildRadiusCaption, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "Schwarzschild radius(m)"), 9000, 2160, 2040, 225, 0},
    {"schwarzschildRadiusValue", &C::schwarzschildRadiusValue, V::SchwarzschildRadius, 0, "", 9000, 2400, 2295, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Schwarzschild radius in metres")},
    {"curvatureAt1RadiusCaption", &C::curvatureAt1RadiusCaption, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "The curvature of stellar radius"), 9000, 2760, 2430, 225, 0},
    {"curvatureAt1RadiusValue", &C::curvatureAt1RadiusValue, V::CurvatureAt1Radius, 0, "", 9000, 3000, 2295, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Curvature at 1 body radius, per square metre")},
    {"radiusOfCurvatureAt1RadiusCaption", &C::radiusOfCurvatureAt1RadiusCaption, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "The radius of curvature of stellar radius(m)"), 9000, 3360, 3480, 225, 0},
    {"radiusOfCurvatureAt1RadiusValue", &C::radiusOfCurvatureAt1RadiusValue, V::RadiusOfCurvatureAt1Radius, 0, "", 9000, 3600, 2295, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Radius of curvature at 1 body radius in metres")},
    {"curvatureAt1_5RadiiCaption", &C::curvatureAt1_5RadiiCaption, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "The curvature of 1.5 times location of stellar radius"), 9000, 3960, 4125, 225, 0},
    {"curvatureAt1_5RadiiValue", &C::curvatureAt1_5RadiiValue, V::CurvatureAt1_5Radii, 0, "", 9000, 4200, 2295, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Curvature at 1.5 body radii, per square metre")},
    {"radiusOfCurvatureAt1_5RadiiCaption", &C::radiusOfCurvatureAt1_5RadiiCaption, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "The radius of curvature of 1.5 times location of stellar radius(m)"), 9000, 4560, 5175, 225, 0},
    {"radiusOfCurvatureAt1_5RadiiValue", &C::radiusOfCurvatureAt1_5RadiiValue, V::RadiusOfCurvatureAt1_5Radii, 0, "", 9000, 4800, 2295, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Radius of curvature at 1.5 body radii in metres")},
    {"curvatureAt2RadiiCaption", &C::curvatureAt2RadiiCaption, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "The curvature of 2 times location of stellar radius"), 9000, 5160, 3975, 225, 0},
    {"curvatureAt2RadiiValue", &C::curvatureAt2RadiiValue, V::CurvatureAt2Radii, 0, "", 9000, 5400, 2295, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Curvature at 2 body radii, per square metre")},
    {"radiusOfCurvatureAt2RadiiCaption", &C::radiusOfCurvatureAt2RadiiCaption, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "The radius of curvature of 2 times location of stellar radius(m)"), 9000, 5760, 5025, 225, 0},
    {"radiusOfCurvatureAt2RadiiValue", &C::radiusOfCurvatureAt2RadiiValue, V::RadiusOfCurvatureAt2Radii, 0, "", 9000, 6000, 2295, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Radius of curvature at 2 body radii in metres")},
    {"curvatureAt2_5RadiiCaption", &C::curvatureAt2_5RadiiCaption, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "The curvature of 2.5 times location of stellar radius"), 9000, 6360, 4125, 225, 0},
    {"curvatureAt2_5RadiiValue", &C::curvatureAt2_5RadiiValue, V::CurvatureAt2_5Radii, 0, "", 9000, 6600, 2295, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Curvature at 2.5 body radii, per square metre")},
    {"radiusOfCurvatureAt2_5RadiiCaption", &C::radiusOfCurvatureAt2_5RadiiCaption, {}, 0, QT_TRANSLATE_NOOP("MainWindow", "The radius of curvature of 2.5 times location of stellar radius(m)"), 9000, 6960, 5175, 225, 0},
    {"radiusOfCurvatureAt2_5RadiiValue", &C::radiusOfCurvatureAt2_5RadiiValue, V::RadiusOfCurvatureAt2_5Radii, 0, "", 9000, 7200, 2295, 255, 0, "", QT_TRANSLATE_NOOP("MainWindow", "Radius of curvature at 2.5 body radii in metres")},
    {"scenePicture", &C::scenePicture, {}, 1, "", 240, 1440, 8415, 6255, 0, QT_TRANSLATE_NOOP("MainWindow", "Scene"), QT_TRANSLATE_NOOP("MainWindow", "The body as a blue disc, red rings at 1.5, 2 and 2.5 body radii, the Schwarzschild radius as a yellow circle, the beam start as a yellow box and the traced light ray in white")},
});
// clang-format on

}  // namespace

std::span<const ControlSpec> mainWindowLayout() {
    return kLayout;
}

QWidget* controlOf(const MainWindowControls& controls, const ControlSpec& item) {
    return std::visit([&](auto member) -> QWidget* { return controls.*member; }, item.slot);
}

QFont windowFont(double points) {
    QFont font(QString::fromUtf8(kWindowFontFamily.data(), kWindowFontFamily.size()));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

QFont controlFont(const ControlSpec& item, double zoom) {
    return windowFont((item.fontPoints > 0 ? item.fontPoints : kWindowFontPoints) * zoom);
}

}  // namespace korvath::ui
