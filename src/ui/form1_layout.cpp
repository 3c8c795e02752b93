#include "form1_layout.hpp"

#include <array>

namespace korvath::ui {

namespace {

using K = ControlKind;

constexpr std::array kControls = std::to_array<ControlSpec>({
    // Presets
    {"comchikyuu", K::Button, "Earth", 240, 120, 1695, 375},
    {"comtaiyou", K::Button, "Sun", 240, 600, 1695, 375},
    // Radius group
    {"Label1", K::CaptionLabel, "Radiusr(m)", 2640, 120, 945, 225},
    {"Label17", K::CaptionLabel, "<<", 2280, 360, 240, 240, 9.75},
    {"HScroll1", K::ScrollBar, "", 2640, 360, 2295, 255},
    {"labh1", K::ValueField, "", 5040, 360, 375, 255},
    {"Label18", K::CaptionLabel, "<", 2400, 720, 135, 255, 11.25},
    {"HScroll3", K::ScrollBar, "", 2640, 720, 2295, 255},
    {"labh2", K::ValueField, "", 5040, 720, 375, 255},
    {"Label2", K::ValueField, "", 2640, 1080, 2295, 255},
    // Mass group
    {"Label3", K::CaptionLabel, "Mass(kg)", 6000, 120, 765, 225},
    {"Label19", K::CaptionLabel, "<<", 5520, 360, 270, 255, 11.25},
    {"HScroll2", K::ScrollBar, "", 5880, 360, 2295, 255},
    {"labg1", K::ValueField, "", 8280, 360, 375, 255},
    {"Label20", K::CaptionLabel, "<", 5640, 720, 135, 255, 11.25},
    {"HScroll4", K::ScrollBar, "", 5880, 720, 2295, 255},
    {"labg2", K::ValueField, "", 8280, 720, 375, 255},
    {"Label4", K::ValueField, "", 5880, 1080, 2295, 255},
    // Beam controls
    {"combeam_upd", K::Button, "UP", 8880, 0, 855, 375},
    {"combeam_up", K::Button, "up", 8880, 360, 855, 375},
    {"combeam_down", K::Button, "down", 8880, 720, 855, 375},
    {"combeam_downd", K::Button, "DOWN", 8880, 1080, 855, 375},
    {"cmdkousenidou", K::Button, "Beam", 9720, 0, 975, 375},
    {"labkiti", K::ValueField, "", 9840, 480, 495, 255},
    // Results column
    {"Label5", K::CaptionLabel, "density(gram/cubic centimeters)", 9000, 1560, 2640, 225},
    {"Label10", K::ValueField, "", 9000, 1800, 2295, 255},
    {"Label11", K::CaptionLabel, "Schwarzschild radius(m)", 9000, 2160, 2040, 225},
    {"Label12", K::ValueField, "", 9000, 2400, 2295, 255},
    {"Label6", K::CaptionLabel, "The curvature of stellar radius", 9000, 2760, 2430, 225},
    {"labhankei1", K::ValueField, "", 9000, 3000, 2295, 255},
    {"Label13", K::CaptionLabel, "The radius of curvature of stellar radius(m)", 9000, 3360, 3480,
     225},
    {"labhankei1b", K::ValueField, "", 9000, 3600, 2295, 255},
    {"Label7", K::CaptionLabel, "The curvature of 1.5 times location of stellar radius", 9000, 3960,
     4125, 225},
    {"labhankei15", K::ValueField, "", 9000, 4200, 2295, 255},
    {"Label14", K::CaptionLabel,
     "The radius of curvature of 1.5 times location of stellar radius(m)", 9000, 4560, 5175, 225},
    {"labhankei15b", K::ValueField, "", 9000, 4800, 2295, 255},
    {"Label8", K::CaptionLabel, "The curvature of 2 times location of stellar radius", 9000, 5160,
     3975, 225},
    {"labhankei2", K::ValueField, "", 9000, 5400, 2295, 255},
    {"Label15", K::CaptionLabel, "The radius of curvature of 2 times location of stellar radius(m)",
     9000, 5760, 5025, 225},
    {"labhankei2b", K::ValueField, "", 9000, 6000, 2295, 255},
    {"Label9", K::CaptionLabel, "The curvature of 2.5 times location of stellar radius", 9000, 6360,
     4125, 225},
    {"labhankei25", K::ValueField, "", 9000, 6600, 2295, 255},
    {"Label16", K::CaptionLabel,
     "The radius of curvature of 2.5 times location of stellar radius(m)", 9000, 6960, 5175, 225},
    {"labhankei25b", K::ValueField, "", 9000, 7200, 2295, 255},
    // Scene
    {"Picture1", K::Picture, "", 240, 1440, 8415, 6255},
});

constexpr std::array<std::string_view, 12> kTabOrder{
    "Picture1",   "HScroll1",     "comchikyuu",  "HScroll2",      "HScroll3",      "HScroll4",
    "combeam_up", "combeam_down", "combeam_upd", "combeam_downd", "cmdkousenidou", "comtaiyou"};

constexpr std::array kAccessible = std::to_array<AccessibleText>({
    {"HScroll1", "Radius, coarse: powers of two",
     "Multiplies the preset radius by 2 to the power (value - 50)"},
    {"HScroll3", "Radius, fine: whole percents", "Adds (value - 50) percent of the coarse radius"},
    {"HScroll2", "Mass, coarse: powers of two",
     "Multiplies the preset mass by 2 to the power (value - 50)"},
    {"HScroll4", "Mass, fine: whole percents", "Adds (value - 50) percent of the coarse mass"},
    {"Picture1", "Scene",
     "The body as a blue disc, red rings at 1.5, 2 and 2.5 body radii, the "
     "Schwarzschild radius as a yellow circle, the beam start as a yellow box "
     "and the traced light ray in white"},
    {"labh1", "", "Value of the coarse radius bar"},
    {"labh2", "", "Value of the fine radius bar"},
    {"labg1", "", "Value of the coarse mass bar"},
    {"labg2", "", "Value of the fine mass bar"},
    {"Label2", "", "Radius in metres"},
    {"Label4", "", "Mass in kilograms"},
    {"labkiti", "", "Height of the beam start in scene units"},
    {"Label10", "", "Density in grams per cubic centimetre"},
    {"Label12", "", "Schwarzschild radius in metres"},
    {"labhankei1", "", "Curvature at 1 body radius, per square metre"},
    {"labhankei1b", "", "Radius of curvature at 1 body radius in metres"},
    {"labhankei15", "", "Curvature at 1.5 body radii, per square metre"},
    {"labhankei15b", "", "Radius of curvature at 1.5 body radii in metres"},
    {"labhankei2", "", "Curvature at 2 body radii, per square metre"},
    {"labhankei2b", "", "Radius of curvature at 2 body radii in metres"},
    {"labhankei25", "", "Curvature at 2.5 body radii, per square metre"},
    {"labhankei25b", "", "Radius of curvature at 2.5 body radii in metres"},
});

}  // namespace

std::span<const AccessibleText> form1AccessibleTexts() {
    return kAccessible;
}

std::span<const ControlSpec> form1Controls() {
    return kControls;
}
std::span<const std::string_view> form1TabOrder() {
    return kTabOrder;
}

}  // namespace korvath::ui
