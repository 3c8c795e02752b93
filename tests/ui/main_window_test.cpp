// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.hpp"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "parameter_bar.hpp"
#include "scene_picture.hpp"
#include "value_field.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

class MainWindowShown : public testing::ShownWindow {};
class MainWindowStarted : public testing::StartedWindow {};

// Pairs of controls whose frames share a one-pixel edge by design: the
// stacked beam buttons, and Beam beside them.
bool overlapIsIntended(const QWidget* a, const QWidget* b) {
    auto isBeamButton = [](const QWidget* w) {
        return w->objectName().startsWith("beam") && w->objectName().endsWith("Button");
    };
    return isBeamButton(a) && isBeamButton(b);
}

TEST_F(MainWindowShown, LayoutHasEveryControlInsideTheClientAreaWithoutOverlaps) {
    QWidget* client = rig.window->clientArea();
    ASSERT_EQ(client->logicalDpiX(), 96);
    const QList<QWidget*> controls = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    // 45 visible controls; nothing else on the client area.
    EXPECT_EQ(controls.size(), 45);
    for (const QWidget* w : controls) {
        EXPECT_FALSE(w->objectName().isEmpty());
        EXPECT_TRUE(client->rect().contains(w->geometry())) << w->objectName().toStdString();
    }
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j) {
            const QRect overlap = controls[i]->geometry() & controls[j]->geometry();
            if (overlap.isEmpty()) continue;
            EXPECT_TRUE(overlapIsIntended(controls[i], controls[j]))
                << controls[i]->objectName().toStdString() << " overlaps "
                << controls[j]->objectName().toStdString();
            EXPECT_LE(std::min(overlap.width(), overlap.height()), 1);
        }
    // A few anchors, in pixels at 96 dpi (twips / 15).
    const ui::MainWindowControls* c = &rig.window->controls();
    EXPECT_EQ(c->earthButton->geometry(), QRect(16, 8, 113, 25));
    EXPECT_EQ(c->radiusCoarseBar->geometry(), QRect(176, 24, 153, 17));
    EXPECT_EQ(c->beamButton->geometry(), QRect(648, 0, 65, 25));
    EXPECT_EQ(c->schwarzschildRadiusValue->geometry(), QRect(600, 160, 153, 17));
    EXPECT_EQ(c->radiusOfCurvatureAt2_5RadiiValue->geometry(), QRect(600, 480, 153, 17));
    EXPECT_EQ(rig.window->picture()->geometry(), QRect(16, 96, 561, 417));
    // Every caption and button text fits its box in the window's font.
    for (const QWidget* w : controls) {
        if (auto* label = qobject_cast<const QLabel*>(w)) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                      label->contentsRect().width())
                << w->objectName().toStdString();
        }
        if (auto* button = qobject_cast<const QPushButton*>(w)) {
            EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width())
                << w->objectName().toStdString();
        }
    }
    auto* timer = rig.window->startTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(MainWindowShown, CaptionClientAreaFontsAndIcon) {
    EXPECT_EQ(rig.window->windowTitle(), "Korvath simulation");
    EXPECT_EQ(rig.window->objectName(), "mainWindow");
    EXPECT_EQ(rig.window->clientArea()->size(), QSize(950, 535));
    EXPECT_EQ(rig.window->font().family(), "Arial");
    EXPECT_EQ(rig.window->font().pointSizeF(), 9.0);
    EXPECT_EQ(rig.window->font().weight(), QFont::Normal);
    // Arial itself or its metric-compatible face, so every caption fits its place.
    const QString face = QFontInfo(rig.window->font()).family();
    EXPECT_TRUE(face == "Arial" || face == "Liberation Sans") << face.toStdString();
    EXPECT_EQ(rig.find("earthButton")->font().pointSizeF(), 9.0);
    EXPECT_EQ(rig.find("radiusCoarseMark")->font().pointSizeF(), 9.75);
    for (const char* name : {"radiusFineMark", "massCoarseMark", "massFineMark"})
        EXPECT_EQ(rig.find(name)->font().pointSizeF(), 11.25) << name;
    const QIcon icon = rig.window->windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes().value(0), QSize(32, 32));
    // The 16-colour palette: at most 16 distinct colours.
    const QImage image = icon.pixmap(32, 32).toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            colours.insert(image.pixel(x, y));
    EXPECT_LE(colours.size(), 16);
    EXPECT_GE(colours.size(), 4);
}

TEST_F(MainWindowShown, MenuBarHoldsExitThePictureAndViewMenusAndHelp) {
    const QList<QAction*> actions = rig.window->menuBar()->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->objectName(), "exitAction");
    EXPECT_EQ(actions[0]->text(), "E&xit");
    EXPECT_EQ(actions[1]->objectName(), "pictureMenuAction");
    EXPECT_EQ(actions[1]->text(), "&Picture");
    EXPECT_EQ(actions[2]->objectName(), "viewMenuAction");
    EXPECT_EQ(actions[2]->text(), "&View");
    EXPECT_EQ(actions[3]->objectName(), "helpAction");
    EXPECT_EQ(actions[3]->text(), "&Help");
    EXPECT_EQ(actions[0]->menu(), nullptr);
    EXPECT_EQ(actions[3]->menu(), nullptr);
}

TEST_F(MainWindowShown, TabOrderStartsAtThePictureWhichHasTheFocus) {
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    EXPECT_EQ(QApplication::focusWidget(), rig.find("scenePicture"));
    const QStringList expected{"radiusCoarseBar", "earthButton",     "massCoarseBar",
                               "radiusFineBar",   "massFineBar",     "beamUpButton",
                               "beamDownButton",  "beamBigUpButton", "beamBigDownButton",
                               "beamButton",      "sunButton",       "scenePicture"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
    // Space presses the button that has the focus.
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "beamButton");
    const long before = rig.recomputations();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(rig.recomputations(), before + 1);
    for (const char* name : testing::resultFields())
        EXPECT_FALSE(rig.find(name)->focusPolicy() & Qt::TabFocus) << name;
}

TEST_F(MainWindowShown, ResizingKeepsEveryControlInPlace) {
    const QRect before = rig.find("radiusOfCurvatureAt2_5RadiiValue")->geometry();
    rig.window->resize(1400, 900);
    QTest::qWait(20);
    EXPECT_EQ(rig.find("radiusOfCurvatureAt2_5RadiiValue")->geometry(), before);
    EXPECT_EQ(rig.find("scenePicture")->geometry(), QRect(16, 96, 561, 417));
    rig.window->resize(400, 300);
    QTest::qWait(20);
    EXPECT_EQ(rig.find("radiusOfCurvatureAt2_5RadiiValue")->geometry(), before);
    EXPECT_EQ(rig.window->findChildren<ui::ParameterBar*>().size(), 4);
}

TEST_F(MainWindowShown, ScrollBarsHaveTheirRangeStepsAndTrackOnlyTheReleasedThumb) {
    for (Bar shown : kAllBars) {
        const char* name = testing::nameShowing(shown);
        QScrollBar* bar = rig.bar(name);
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 100);
        EXPECT_EQ(bar->singleStep(), 1);
        EXPECT_EQ(bar->pageStep(), 10);
        EXPECT_FALSE(bar->hasTracking());
        EXPECT_EQ(bar->value(), 50) << name;
    }
}

// ---------------------------------------------------------------------------
// Start-up, presets and bars through the controls

TEST_F(MainWindowShown, BeforeTheFirstTickOnlyTheBarValuesAndTheBeamStartShow) {
    if (rig.window->session().state().ready) GTEST_SKIP() << "the first tick came too early";
    for (const char* name : testing::resultFields())
        EXPECT_EQ(rig.text(name), "") << name;
    for (Bar shown : kAllBars)
        EXPECT_EQ(rig.text(testing::nameShowing(positionOf(shown))), "50");
    EXPECT_EQ(rig.text("beamStartValue"), "1500");
    EXPECT_EQ(rig.find<QLabel>("schwarzschildRadiusCaption")->palette().color(QPalette::WindowText),
              QColor(128, 128, 128));
    EXPECT_EQ(rig.find<QLabel>("schwarzschildRadiusValue")->palette().color(QPalette::WindowText),
              QColor(128, 128, 128));
}

TEST_F(MainWindowStarted, FirstTickShowsTheEarth) {
    EXPECT_EQ(rig.text("radiusValue"), "6378000");
    EXPECT_EQ(rig.text("massValue"), "5.59736E+24");
    EXPECT_EQ(rig.text("densityValue"), "5.15040585101977");
    EXPECT_EQ(rig.text("schwarzschildRadiusValue"), "0.00826186203267893");
    EXPECT_EQ(rig.text("curvatureAt1RadiusValue"), "3.20341146262659E-23");
    EXPECT_EQ(rig.find<QLabel>("schwarzschildRadiusCaption")->palette().color(QPalette::WindowText),
              QColor(136, 136, 136));
    EXPECT_EQ(rig.recomputations(), 1);
    QTest::qWait(250);  // later ticks do nothing
    EXPECT_EQ(rig.recomputations(), 1);
}

TEST_F(MainWindowStarted, PresetButtonsSwitchTheBody) {
    rig.click("sunButton");
    EXPECT_EQ(rig.text("radiusValue"), "696000000");
    EXPECT_EQ(rig.text("massValue"), "1.989E+30");
    EXPECT_EQ(rig.text("schwarzschildRadiusValue"), "2945.3830090664");
    rig.click("earthButton");
    EXPECT_EQ(rig.text("radiusValue"), "6378000");
    EXPECT_EQ(rig.recomputations(), 3);
}

TEST_F(MainWindowStarted, ArrowsPagesAndKeysOnABarEachRecompute) {
    QScrollBar* coarse = rig.bar("radiusCoarseBar");
    coarse->setFocus();
    QTest::keyClick(coarse, Qt::Key_Right);
    EXPECT_EQ(rig.text("radiusCoarseValue"), "51");
    EXPECT_EQ(rig.text("radiusValue"), "12756000");
    QTest::keyClick(coarse, Qt::Key_PageDown);
    EXPECT_EQ(coarse->value(), 61);
    EXPECT_EQ(rig.text("radiusCoarseValue"), "61");
    coarse->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(rig.text("radiusCoarseValue"), "60");
    EXPECT_EQ(rig.recomputations(), 4);
    QTest::keyClick(coarse, Qt::Key_Left);
    QTest::keyClick(coarse, Qt::Key_Up);
    EXPECT_EQ(rig.text("radiusCoarseValue"), "58");
    QTest::keyClick(coarse, Qt::Key_PageUp);
    EXPECT_EQ(rig.text("radiusCoarseValue"), "48");
    QTest::keyClick(coarse, Qt::Key_Down);
    EXPECT_EQ(rig.text("radiusCoarseValue"), "49");
    QTest::keyClick(coarse, Qt::Key_End);
    EXPECT_EQ(rig.text("radiusCoarseValue"), "100");
    QTest::keyClick(coarse, Qt::Key_Home);
    EXPECT_EQ(rig.text("radiusCoarseValue"), "0");
    EXPECT_EQ(rig.recomputations(), 10);
}

TEST_F(MainWindowStarted, DraggingTheThumbRecomputesOnlyWhenItIsReleased) {
    QScrollBar* fine = rig.bar("radiusFineBar");
    fine->setSliderDown(true);
    for (int v = 51; v <= 80; ++v)
        fine->setSliderPosition(v);
    EXPECT_EQ(rig.recomputations(), 1);
    EXPECT_EQ(rig.text("radiusFineValue"), "50");
    fine->setSliderDown(false);
    EXPECT_EQ(rig.recomputations(), 2);
    EXPECT_EQ(rig.text("radiusFineValue"), "80");
    EXPECT_EQ(rig.text("radiusValue"), "8291400");
}

TEST_F(MainWindowStarted, ACoarseChangeResetsItsFineBarInOnePassAndTheLabelsFollow) {
    rig.bar("massFineBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(rig.text("massFineValue"), "60");
    const long before = rig.recomputations();
    rig.bar("massCoarseBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(rig.recomputations() - before, 1);
    EXPECT_EQ(rig.bar("massFineBar")->value(), 50);
    EXPECT_EQ(rig.text("massFineValue"), "50");
    EXPECT_EQ(rig.text("massCoarseValue"), "51");
    EXPECT_EQ(rig.text("massValue"), "1.119472E+25");
}

TEST_F(MainWindowStarted, AFaultIsShownWithoutBlockingAndTheBodyIsKept) {
    // A body no control reaches: twice its radius has no volume in doubles.
    ASSERT_TRUE(rig.window->session().choose({3e100, kEarth.mass}));
    rig.bar("radiusCoarseBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    auto* box = rig.window->findChild<QMessageBox*>("faultNotice");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(box->text().contains("6E+100")) << box->text().toStdString();
    EXPECT_EQ(rig.bar("radiusCoarseBar")->value(), 50);
    EXPECT_EQ(rig.text("radiusCoarseValue"), "50");
    EXPECT_EQ(rig.text("radiusValue"), "3E+100");
    // The window still works while the message is open.
    rig.click("sunButton");
    EXPECT_EQ(rig.text("radiusValue"), "696000000");
    EXPECT_EQ(rig.window->faultNotice().count(), 1);
}

// Each move button asks the session for its own move, shown in the field (the
// moves' steps and bounds are the session's, and tested with it); Beam traces.
TEST_F(MainWindowStarted, BeamButtonsReachTheSession) {
    Session expected;
    for (auto [button, move] : {std::pair{"beamBigUpButton", BeamMove::BigUp},
                                {"beamUpButton", BeamMove::Up},
                                {"beamDownButton", BeamMove::Down},
                                {"beamBigDownButton", BeamMove::BigDown}}) {
        rig.click(button);
        expected.moveBeam(move);
        EXPECT_EQ(rig.text("beamStartValue").toStdString(), expected.text(ShownValue::BeamStart))
            << button;
    }
    rig.click("beamButton");
    EXPECT_EQ(rig.recomputations(), 2);
    // The straight ray's last segment ends at the far left, 401 steps out.
    EXPECT_EQ(rig.window->picture()->pixelAt(100, 1550), QColor(255, 255, 255));
}

}  // namespace
}  // namespace korvath
