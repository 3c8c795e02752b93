// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QMenuBar>
#include <QSignalSpy>

#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

class AccessibilityShown : public testing::ShownWindow {};
class AccessibilityStarted : public testing::StartedWindow {};

QString accessible(QObject* object, QAccessible::Text what) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(what) : QString("<no interface>");
}

TEST_F(AccessibilityShown, ButtonsAndMenuCommandsAreReadByTheirCaptions) {
    const std::pair<const char*, const char*> buttons[] = {
        {"earthButton", "Earth"}, {"sunButton", "Sun"},       {"beamBigUpButton", "UP"},
        {"beamUpButton", "up"},   {"beamDownButton", "down"}, {"beamBigDownButton", "DOWN"},
        {"beamButton", "Beam"}};
    for (auto [name, caption] : buttons) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(rig.find(name));
        ASSERT_NE(iface, nullptr) << name;
        EXPECT_EQ(iface->role(), QAccessible::Button);
        EXPECT_EQ(iface->text(QAccessible::Name), caption) << name;
    }
    // The four moves say their direction and step, so UP and up differ.
    EXPECT_EQ(accessible(rig.find("beamBigUpButton"), QAccessible::Description),
              "Moves the beam start up by 300 units");
    EXPECT_EQ(accessible(rig.find("beamUpButton"), QAccessible::Description),
              "Moves the beam start up by 50 units");
    EXPECT_EQ(accessible(rig.find("beamDownButton"), QAccessible::Description),
              "Moves the beam start down by 50 units");
    EXPECT_EQ(accessible(rig.find("beamBigDownButton"), QAccessible::Description),
              "Moves the beam start down by 300 units");
    // The menu bar's commands, by caption without the access-key mark.
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(rig.window->menuBar());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> commands = rig.window->menuBar()->actions();
    ASSERT_EQ(menu->childCount(), commands.size());
    for (int i = 0; i < menu->childCount(); ++i)
        EXPECT_EQ(menu->child(i)->text(QAccessible::Name),
                  QString(commands[i]->text()).remove('&'));
    // The picture is an image to a screen reader, not an empty frame.
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(rig.find("scenePicture"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "Scene");
}

TEST_F(AccessibilityStarted, EachBarSaysWhatItScalesAndItsValue) {
    const std::pair<const char*, const char*> bars[] = {
        {"radiusCoarseBar", "Radius, coarse: powers of two"},
        {"radiusFineBar", "Radius, fine: whole percents"},
        {"massCoarseBar", "Mass, coarse: powers of two"},
        {"massFineBar", "Mass, fine: whole percents"}};
    rig.bar("radiusFineBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    for (auto [name, spoken] : bars) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(rig.find(name));
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name), spoken);
        EXPECT_FALSE(iface->text(QAccessible::Description).isEmpty());
        ASSERT_NE(iface->valueInterface(), nullptr);
        EXPECT_EQ(iface->valueInterface()->currentValue().toInt(), rig.bar(name)->value());
        EXPECT_EQ(iface->valueInterface()->minimumValue().toInt(), 0);
        EXPECT_EQ(iface->valueInterface()->maximumValue().toInt(), 100);
    }
    EXPECT_EQ(rig.bar("radiusFineBar")->value(), 60);
}

TEST_F(AccessibilityStarted, ValueFieldsAreReadByTheirTextWithTheQuantityAndUnitAsDescription) {
    EXPECT_EQ(accessible(rig.find("schwarzschildRadiusValue"), QAccessible::Name),
              "0.00826186203267893");
    EXPECT_EQ(accessible(rig.find("schwarzschildRadiusValue"), QAccessible::Description),
              "Schwarzschild radius in metres");
    EXPECT_EQ(accessible(rig.find("radiusValue"), QAccessible::Description), "Radius in metres");
    EXPECT_EQ(accessible(rig.find("radiusOfCurvatureAt1_5RadiiValue"), QAccessible::Description),
              "Radius of curvature at 1.5 body radii in metres");
    rig.click("sunButton");
    EXPECT_EQ(accessible(rig.find("radiusValue"), QAccessible::Name), "696000000");
    // Every value field has a description; caption labels are read by their text.
    for (int i = 0; i < kShownValueCount; ++i) {
        const char* name = testing::nameShowing(static_cast<ShownValue>(i));
        EXPECT_FALSE(accessible(rig.find(name), QAccessible::Description).isEmpty()) << name;
    }
    EXPECT_EQ(accessible(rig.find("densityCaption"), QAccessible::Name),
              "density(gram/cubic centimeters)");
    EXPECT_EQ(accessible(rig.find("radiusCaption"), QAccessible::Name), "Radius(m)");
    EXPECT_EQ(accessible(rig.find("scenePicture"), QAccessible::Name), "Scene");
}

}  // namespace
}  // namespace korvath

namespace korvath {
namespace {

class PictureDescriptionStarted : public testing::StartedWindow {};

TEST_F(PictureDescriptionStarted, ThePictureSaysWhereTheRayWentAndTheReaderIsTold) {
    QWidget* picture = rig.find("scenePicture");
    EXPECT_EQ(accessible(picture, QAccessible::Description),
              "The body fills the blue disc; its Schwarzschild radius is 1.3E-09 of its radius, "
              "drawn as the smallest yellow circle. Beam start at 1500.");
    QSignalSpy events(rig.window.get(), &ui::MainWindow::pictureDescribed);
    rig.click("beamButton");
    EXPECT_EQ(accessible(picture, QAccessible::Description),
              "The body fills the blue disc; its Schwarzschild radius is 1.3E-09 of its radius, "
              "drawn as the smallest yellow circle. Beam start at 1500. The light ray passes the "
              "body in a straight line and leaves at the left edge.");
    ASSERT_EQ(events.count(), 1);
    EXPECT_EQ(events.front().front().toString(), accessible(picture, QAccessible::Description));

    // Level with the body, the ray falls in.
    for (int i = 0; i < 20; ++i)
        rig.click("beamDownButton");
    const int before = events.count();
    rig.click("beamButton");
    EXPECT_TRUE(
        accessible(picture, QAccessible::Description)
            .endsWith("Beam start at 2500. The light ray falls into the body after 84 steps."))
        << accessible(picture, QAccessible::Description).toStdString();
    EXPECT_GT(events.count(), before);

    // A mass 2^29 times larger (coarse mass bar at 79): the ray swings round.
    for (int i = 0; i < 20; ++i)
        rig.click("beamUpButton");
    rig.bar("massCoarseBar")->setValue(79);
    rig.click("beamButton");
    EXPECT_TRUE(accessible(picture, QAccessible::Description)
                    .endsWith("The light ray swings round the body and leaves at the bottom edge."))
        << accessible(picture, QAccessible::Description).toStdString();
}

TEST_F(PictureDescriptionStarted, WithSeveralRaysEachIsNamedByItsNumberAndStartOldestFirst) {
    rig.bar("massCoarseBar")->setValue(79);
    rig.window->session().keepRays(true);
    rig.click("beamButton");
    rig.window->session().setBeamStart(800);
    rig.click("beamButton");
    EXPECT_EQ(accessible(rig.find("scenePicture"), QAccessible::Description),
              "The body fills the blue disc; its Schwarzschild radius is 0.69 of its radius, drawn "
              "as the yellow circle inside the disc. Beam start at 800. Ray 1, from 1500: The "
              "light ray swings round the body and leaves at the bottom edge. Ray 2, from 800: "
              "The light ray passes the body in a straight line and leaves at the left edge.");
}

}  // namespace
}  // namespace korvath
