// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed layout of the main window: every control with its kind, caption,
// place and size in twips (1440 to the inch), its font where it has one of its
// own, and what a screen reader says of it. Building the window fills a
// MainWindowControls with typed pointers from this table.
#pragma once

#include "bar.hpp"
#include "shown_value.hpp"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QtGlobal>
#include <span>
#include <string_view>
#include <variant>

namespace korvath::ui {

class ParameterBar;
class ScenePicture;
class ValueField;

// Every control of the main window, as the code addresses it.
struct MainWindowControls {
    QPushButton* earthButton = nullptr;
    QPushButton* sunButton = nullptr;
    QPushButton* beamBigUpButton = nullptr;
    QPushButton* beamUpButton = nullptr;
    QPushButton* beamDownButton = nullptr;
    QPushButton* beamBigDownButton = nullptr;
    QPushButton* beamButton = nullptr;

    ParameterBar* radiusCoarseBar = nullptr;
    ParameterBar* radiusFineBar = nullptr;
    ParameterBar* massCoarseBar = nullptr;
    ParameterBar* massFineBar = nullptr;

    QLabel* radiusCaption = nullptr;
    QLabel* radiusCoarseMark = nullptr;
    QLabel* radiusFineMark = nullptr;
    QLabel* massCaption = nullptr;
    QLabel* massCoarseMark = nullptr;
    QLabel* massFineMark = nullptr;
    QLabel* densityCaption = nullptr;
    QLabel* schwarzschildRadiusCaption = nullptr;
    QLabel* curvatureAt1RadiusCaption = nullptr;
    QLabel* radiusOfCurvatureAt1RadiusCaption = nullptr;
    QLabel* curvatureAt1_5RadiiCaption = nullptr;
    QLabel* radiusOfCurvatureAt1_5RadiiCaption = nullptr;
    QLabel* curvatureAt2RadiiCaption = nullptr;
    QLabel* radiusOfCurvatureAt2RadiiCaption = nullptr;
    QLabel* curvatureAt2_5RadiiCaption = nullptr;
    QLabel* radiusOfCurvatureAt2_5RadiiCaption = nullptr;

    ValueField* radiusCoarseValue = nullptr;
    ValueField* radiusFineValue = nullptr;
    ValueField* radiusValue = nullptr;
    ValueField* massCoarseValue = nullptr;
    ValueField* massFineValue = nullptr;
    ValueField* massValue = nullptr;
    ValueField* beamStartValue = nullptr;
    ValueField* densityValue = nullptr;
    ValueField* schwarzschildRadiusValue = nullptr;
    ValueField* curvatureAt1RadiusValue = nullptr;
    ValueField* radiusOfCurvatureAt1RadiusValue = nullptr;
    ValueField* curvatureAt1_5RadiiValue = nullptr;
    ValueField* radiusOfCurvatureAt1_5RadiiValue = nullptr;
    ValueField* curvatureAt2RadiiValue = nullptr;
    ValueField* radiusOfCurvatureAt2RadiiValue = nullptr;
    ValueField* curvatureAt2_5RadiiValue = nullptr;
    ValueField* radiusOfCurvatureAt2_5RadiiValue = nullptr;

    ScenePicture* scenePicture = nullptr;
};

// Which member a layout entry fills, and so which kind of control it makes.
using ControlSlot =
    std::variant<QPushButton * MainWindowControls::*, ParameterBar * MainWindowControls::*,
                 QLabel * MainWindowControls::*, ValueField * MainWindowControls::*,
                 ScenePicture * MainWindowControls::*>;

// What a control shows of the session: a value, a bar's position, or
// neither (buttons, captions, marks and the picture).
using ShownBySpec = std::variant<std::monostate, ShownValue, Bar>;

struct ControlSpec {
    std::string_view objectName;
    ControlSlot slot;
    ShownBySpec shows;
    int focusPosition;             // 1, 2, ... in the keyboard focus order (the first
                                   // has the focus at start); 0: never focused by Tab
    const char* caption;           // source text for tr() in the "MainWindow" context, or ""
    int left, top, width, height;  // twips, from the top-left of the client area
    double fontPoints = 0;         // 0: the window font
    // What a screen reader says beyond the caption: a name for the bars and
    // the picture (empty: the caption or current text) and a description
    // (quantity and unit for value fields). Source texts for tr().
    const char* accessibleName = "";
    const char* accessibleDescription = "";
};

// The 45 controls, in the order of the layout.
std::span<const ControlSpec> mainWindowLayout();

// The control the layout entry `item` made in `controls`.
QWidget* controlOf(const MainWindowControls& controls, const ControlSpec& item);

inline constexpr const char* kMainWindowTitle =
    QT_TRANSLATE_NOOP("MainWindow", "Korvath simulation");
inline constexpr int kClientWidthTwips = 14250;
inline constexpr int kClientHeightTwips = 8025;
inline constexpr std::string_view kWindowFontFamily = "Arial";
inline constexpr double kWindowFontPoints = 9;
inline constexpr int kStartTimerIntervalMs = 100;

// The window's font at `points`, and the font of the control `item` at the
// window's zoom.
QFont windowFont(double points = kWindowFontPoints);
QFont controlFont(const ControlSpec& item, double zoom);

// The menu bar's two commands, with their access keys (Alt+X, Alt+H).
inline constexpr const char* kExitCaption = QT_TRANSLATE_NOOP("MainWindow", "E&xit");
inline constexpr const char* kHelpCaption = QT_TRANSLATE_NOOP("MainWindow", "&Help");

// The View menu: the window's zoom and full screen.
inline constexpr const char* kViewCaption = QT_TRANSLATE_NOOP("MainWindow", "&View");
inline constexpr const char* kZoomInCaption = QT_TRANSLATE_NOOP("MainWindow", "Zoom &In");
inline constexpr const char* kZoomOutCaption = QT_TRANSLATE_NOOP("MainWindow", "Zoom &Out");
inline constexpr const char* kActualSizeCaption = QT_TRANSLATE_NOOP("MainWindow", "&Actual Size");
inline constexpr const char* kFullScreenCaption = QT_TRANSLATE_NOOP("MainWindow", "&Full Screen");

// The parameter bars' steps (their range is the session's, 0 to 100): an
// arrow moves 1, the track or Page Up/Down 10.
inline constexpr int kBarArrowStep = 1;
inline constexpr int kBarPageStep = 10;

}  // namespace korvath::ui
