// The fixed layout of the main window: every control with its name, kind,
// caption, place and size in twips, and its font where it has one of its own.
#pragma once

#include <span>
#include <string_view>

namespace korvath::ui {

enum class ControlKind { Button, CaptionLabel, ValueField, ScrollBar, Picture };

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    int left, top, width, height;  // twips, from the top-left of the client area
    double fontPoints = 0;         // 0: the window font
};

// The 45 visible controls (the timer is the 46th), in the order of the layout.
std::span<const ControlSpec> form1Controls();

// What a screen reader says of a control beyond its caption: a name for the
// bars and the picture, a description (quantity and unit) for value fields,
// whose accessible name stays their current text.
struct AccessibleText {
    std::string_view control;
    std::string_view name;  // empty: the caption or current text
    std::string_view description;
};
std::span<const AccessibleText> form1AccessibleTexts();

// Keyboard focus order; Picture1 has the focus when the window opens.
std::span<const std::string_view> form1TabOrder();

inline constexpr std::string_view kForm1Caption = "Korvath simulation";
inline constexpr int kClientWidthTwips = 14250;
inline constexpr int kClientHeightTwips = 8025;
inline constexpr std::string_view kWindowFontFamily = "Arial";
inline constexpr double kWindowFontPoints = 9;
inline constexpr int kTimerIntervalMs = 100;

}  // namespace korvath::ui
