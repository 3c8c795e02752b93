// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse wheel and the Return key as on other desktop programs: one notch
// moves a bar one step, Return presses the focused button.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>

#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

// Turns the wheel over the middle of `bar`; returns whether the bar took the event.
bool turnWheel(QScrollBar* bar, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF at(bar->width() / 2.0, bar->height() / 2.0);
    QWheelEvent event(at, bar->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &event);
    return event.isAccepted();
}

constexpr QPoint kNotchDown(0, -120), kNotchUp(0, 120);

TEST(Wheel, OneNotchIsOneStepAndOneRecomputation) {
    WindowRig rig;
    QScrollBar* bar = rig.bar("radiusCoarseBar");
    const long before = rig.recomputations();
    EXPECT_TRUE(turnWheel(bar, kNotchDown));
    EXPECT_EQ(bar->value(), 51);
    EXPECT_EQ(rig.text("radiusCoarseValue"), "51");
    EXPECT_EQ(rig.text("radiusValue"), "12756000");
    EXPECT_EQ(rig.recomputations(), before + 1);
    EXPECT_TRUE(turnWheel(bar, kNotchUp));
    EXPECT_EQ(bar->value(), 50);
    EXPECT_EQ(rig.text("radiusValue"), "6378000");
    // Two notches in one event: two steps, each with its own recomputation.
    QSignalSpy changes(bar, &QScrollBar::valueChanged);
    EXPECT_TRUE(turnWheel(rig.bar("radiusCoarseBar"), QPoint(0, -240)));
    EXPECT_EQ(bar->value(), 52);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(rig.recomputations(), before + 4);
    // A sideways wheel: right steps up as down does, left steps down.
    EXPECT_TRUE(turnWheel(bar, QPoint(-120, 0)));
    EXPECT_EQ(bar->value(), 53);
    EXPECT_TRUE(turnWheel(bar, QPoint(120, 0)));
    EXPECT_EQ(bar->value(), 52);
}

TEST(Wheel, FineDeltasAddUpToANotchAndATurnRoundStartsAfresh) {
    WindowRig rig;
    QScrollBar* bar = rig.bar("massFineBar");
    const long before = rig.recomputations();
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(turnWheel(bar, QPoint(0, -30)));
        EXPECT_EQ(bar->value(), 50) << i;
    }
    EXPECT_EQ(rig.recomputations(), before);
    EXPECT_TRUE(turnWheel(bar, QPoint(0, -30)));
    EXPECT_EQ(bar->value(), 51);
    EXPECT_EQ(rig.text("massFineValue"), "51");
    EXPECT_EQ(rig.recomputations(), before + 1);
    // 90 down, then 90 up: the wheel turned round, so nothing moves.
    EXPECT_TRUE(turnWheel(bar, QPoint(0, -90)));
    EXPECT_TRUE(turnWheel(bar, QPoint(0, 90)));
    EXPECT_EQ(bar->value(), 51);
    EXPECT_TRUE(turnWheel(bar, QPoint(0, 30)));
    EXPECT_EQ(bar->value(), 50);
    EXPECT_EQ(rig.recomputations(), before + 2);
}

TEST(Wheel, CtrlOrShiftMovesAPageAndAtTheEndTheWheelIsLeftToTheWindow) {
    WindowRig rig;
    QScrollBar* bar = rig.bar("massCoarseBar");
    EXPECT_TRUE(turnWheel(bar, kNotchDown, Qt::ControlModifier));
    EXPECT_EQ(bar->value(), 60);
    EXPECT_TRUE(turnWheel(bar, kNotchUp, Qt::ShiftModifier));
    EXPECT_EQ(bar->value(), 50);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    const long before = rig.recomputations();
    EXPECT_FALSE(turnWheel(bar, kNotchDown));
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(rig.recomputations(), before);
    EXPECT_TRUE(turnWheel(bar, kNotchUp));
    EXPECT_EQ(bar->value(), 99);
}

TEST(ReturnKey, ReturnAndEnterPressTheFocusedButtonAsSpaceDoes) {
    WindowRig rig;
    const char* const buttons[] = {"earthButton",  "sunButton",      "beamBigUpButton",
                                   "beamUpButton", "beamDownButton", "beamBigDownButton",
                                   "beamButton"};
    for (const char* name : buttons) {
        auto* button = rig.find<QPushButton>(name);
        button->setFocus();
        QSignalSpy clicks(button, &QPushButton::clicked);
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(clicks.count(), 1) << name;
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(clicks.count(), 2) << name;
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_EQ(clicks.count(), 3) << name;
        // Return with Ctrl, Alt or Shift is not a press.
        QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(button, Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_EQ(clicks.count(), 3) << name;
    }
    // And the press does what a click does.
    rig.find<QPushButton>("beamUpButton")->setFocus();
    QTest::keyClick(rig.find("beamUpButton"), Qt::Key_Return);
    EXPECT_EQ(rig.text("beamStartValue"), "1450");
    rig.find<QPushButton>("sunButton")->setFocus();
    QTest::keyClick(rig.find("sunButton"), Qt::Key_Return);
    EXPECT_EQ(rig.text("radiusValue"), "696000000");
}

}  // namespace
}  // namespace korvath
