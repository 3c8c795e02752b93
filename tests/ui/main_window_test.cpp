#include "main_window.hpp"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "scene_picture.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

struct Expected {
    const char* name;
    const char* kind;  // class name
    const char* caption;
    int left, top, width, height;  // twips
};

// The layout as it must appear, written out independently of the program's table.
const Expected kLayout[] = {
    {"earthButton", "QPushButton", "Earth", 240, 120, 1695, 375},
    {"sunButton", "QPushButton", "Sun", 240, 600, 1695, 375},
    {"radiusCaption", "QLabel", "Radiusr(m)", 2640, 120, 945, 225},
    {"radiusCoarseMark", "QLabel", "<<", 2280, 360, 240, 240},
    {"radiusCoarseBar", "korvath::ui::ParameterBar", "", 2640, 360, 2295, 255},
    {"radiusCoarseValue", "korvath::ui::ValueField", nullptr, 5040, 360, 375, 255},
    {"radiusFineMark", "QLabel", "<", 2400, 720, 135, 255},
    {"radiusFineBar", "korvath::ui::ParameterBar", "", 2640, 720, 2295, 255},
    {"radiusFineValue", "korvath::ui::ValueField", nullptr, 5040, 720, 375, 255},
    {"radiusValue", "korvath::ui::ValueField", nullptr, 2640, 1080, 2295, 255},
    {"massCaption", "QLabel", "Mass(kg)", 6000, 120, 765, 225},
    {"massCoarseMark", "QLabel", "<<", 5520, 360, 270, 255},
    {"massCoarseBar", "korvath::ui::ParameterBar", "", 5880, 360, 2295, 255},
    {"massCoarseValue", "korvath::ui::ValueField", nullptr, 8280, 360, 375, 255},
    {"massFineMark", "QLabel", "<", 5640, 720, 135, 255},
    {"massFineBar", "korvath::ui::ParameterBar", "", 5880, 720, 2295, 255},
    {"massFineValue", "korvath::ui::ValueField", nullptr, 8280, 720, 375, 255},
    {"massValue", "korvath::ui::ValueField", nullptr, 5880, 1080, 2295, 255},
    {"beamBigUpButton", "QPushButton", "UP", 8880, 0, 855, 375},
    {"beamUpButton", "QPushButton", "up", 8880, 360, 855, 375},
    {"beamDownButton", "QPushButton", "down", 8880, 720, 855, 375},
    {"beamBigDownButton", "QPushButton", "DOWN", 8880, 1080, 855, 375},
    {"beamButton", "QPushButton", "Beam", 9720, 0, 975, 375},
    {"beamStartValue", "korvath::ui::ValueField", nullptr, 9840, 480, 495, 255},
    {"densityCaption", "QLabel", "density(gram/cubic centimeters)", 9000, 1560, 2640, 225},
    {"densityValue", "korvath::ui::ValueField", nullptr, 9000, 1800, 2295, 255},
    {"schwarzschildRadiusCaption", "QLabel", "Schwarzschild radius(m)", 9000, 2160, 2040, 225},
    {"schwarzschildRadiusValue", "korvath::ui::ValueField", nullptr, 9000, 2400, 2295, 255},
    {"curvatureAt1RadiusCaption", "QLabel", "The curvature of stellar radius", 9000, 2760, 2430,
     225},
    {"curvatureAt1RadiusValue", "korvath::ui::ValueField", nullptr, 9000, 3000, 2295, 255},
    {"radiusOfCurvatureAt1RadiusCaption", "QLabel", "The radius of curvature of stellar radius(m)",
     9000, 3360, 3480, 225},
    {"radiusOfCurvatureAt1RadiusValue", "korvath::ui::ValueField", nullptr, 9000, 3600, 2295, 255},
    {"curvatureAt1_5RadiiCaption", "QLabel",
     "The curvature of 1.5 times location of stellar radius", 9000, 3960, 4125, 225},
    {"curvatureAt1_5RadiiValue", "korvath::ui::ValueField", nullptr, 9000, 4200, 2295, 255},
    {"radiusOfCurvatureAt1_5RadiiCaption", "QLabel",
     "The radius of curvature of 1.5 times location of stellar radius(m)", 9000, 4560, 5175, 225},
    {"radiusOfCurvatureAt1_5RadiiValue", "korvath::ui::ValueField", nullptr, 9000, 4800, 2295, 255},
    {"curvatureAt2RadiiCaption", "QLabel", "The curvature of 2 times location of stellar radius",
     9000, 5160, 3975, 225},
    {"curvatureAt2RadiiValue", "korvath::ui::ValueField", nullptr, 9000, 5400, 2295, 255},
    {"radiusOfCurvatureAt2RadiiCaption", "QLabel",
     "The radius of curvature of 2 times location of stellar radius(m)", 9000, 5760, 5025, 225},
    {"radiusOfCurvatureAt2RadiiValue", "korvath::ui::ValueField", nullptr, 9000, 6000, 2295, 255},
    {"curvatureAt2_5RadiiCaption", "QLabel",
     "The curvature of 2.5 times location of stellar radius", 9000, 6360, 4125, 225},
    {"curvatureAt2_5RadiiValue", "korvath::ui::ValueField", nullptr, 9000, 6600, 2295, 255},
    {"radiusOfCurvatureAt2_5RadiiCaption", "QLabel",
     "The radius of curvature of 2.5 times location of stellar radius(m)", 9000, 6960, 5175, 225},
    {"radiusOfCurvatureAt2_5RadiiValue", "korvath::ui::ValueField", nullptr, 9000, 7200, 2295, 255},
    {"scenePicture", "korvath::ui::ScenePicture", "", 240, 1440, 8415, 6255},
};

const char* const kValueFields[] = {"radiusValue",
                                    "massValue",
                                    "densityValue",
                                    "schwarzschildRadiusValue",
                                    "curvatureAt1RadiusValue",
                                    "radiusOfCurvatureAt1RadiusValue",
                                    "curvatureAt1_5RadiiValue",
                                    "radiusOfCurvatureAt1_5RadiiValue",
                                    "curvatureAt2RadiiValue",
                                    "radiusOfCurvatureAt2RadiiValue",
                                    "curvatureAt2_5RadiiValue",
                                    "radiusOfCurvatureAt2_5RadiiValue"};

QString captionOf(QWidget* w) {
    if (auto* b = qobject_cast<QPushButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return {};
}

TEST(MainWindow, EveryControlStandsByNameAtItsPlaceWithItsKindAndCaption) {
    WindowRig rig(false);
    QWidget* client = rig.window->clientArea();
    ASSERT_EQ(client->logicalDpiX(), 96);
    for (const Expected& e : kLayout) {
        auto* w = client->findChild<QWidget*>(e.name, Qt::FindDirectChildrenOnly);
        ASSERT_NE(w, nullptr) << e.name;
        EXPECT_STREQ(w->metaObject()->className(), e.kind) << e.name;
        EXPECT_EQ(w->geometry(), QRect(e.left / 15, e.top / 15, e.width / 15, e.height / 15))
            << e.name;
        if (e.caption) {
            EXPECT_EQ(captionOf(w), QString(e.caption)) << e.name;
        }
    }
    // 45 visible controls and the timer; nothing else on the client area.
    EXPECT_EQ(client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
              std::size(kLayout));
    auto* timer = rig.window->findChild<QTimer*>("startTimer");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_TRUE(timer->isActive());
}

TEST(MainWindow, CaptionClientAreaFontsAndIcon) {
    WindowRig rig(false);
    EXPECT_EQ(rig.window->windowTitle(), "Korvath simulation");
    EXPECT_EQ(rig.window->objectName(), "mainWindow");
    EXPECT_EQ(rig.window->clientArea()->size(), QSize(950, 535));
    EXPECT_EQ(rig.window->font().family(), "Arial");
    EXPECT_EQ(rig.window->font().pointSizeF(), 9.0);
    EXPECT_EQ(rig.window->font().weight(), QFont::Normal);
    // Arial itself or its metric-compatible face, so every caption fits its place.
    const QString face = QFontInfo(rig.window->font()).family();
    EXPECT_TRUE(face == "Arial" || face == "Liberation Sans") << face.toStdString();
    for (const Expected& e : kLayout) {
        auto* label = qobject_cast<QLabel*>(rig.find(e.name));
        if (!label || !e.caption) continue;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << e.name;
    }
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

TEST(MainWindow, MenuBarHoldsExitAndHelpWithoutSubmenus) {
    WindowRig rig(false);
    const QList<QAction*> actions = rig.window->menuBar()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->objectName(), "exitAction");
    EXPECT_EQ(actions[0]->text(), "E&xit");
    EXPECT_EQ(actions[1]->objectName(), "helpAction");
    EXPECT_EQ(actions[1]->text(), "&Help");
    EXPECT_EQ(actions[0]->menu(), nullptr);
    EXPECT_EQ(actions[1]->menu(), nullptr);
}

TEST(MainWindow, TabOrderStartsAtThePictureWhichHasTheFocus) {
    WindowRig rig(false);
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
    for (const char* name : kValueFields)
        EXPECT_EQ(rig.find(name)->focusPolicy(), Qt::NoFocus) << name;
}

TEST(MainWindow, EnlargingKeepsEveryControlInPlaceAndShrinkingShowsNoScrollBars) {
    WindowRig rig(false);
    const QRect before = rig.find("radiusOfCurvatureAt2_5RadiiValue")->geometry();
    rig.window->resize(1400, 900);
    QTest::qWait(20);
    EXPECT_EQ(rig.find("radiusOfCurvatureAt2_5RadiiValue")->geometry(), before);
    EXPECT_EQ(rig.find("scenePicture")->geometry(), QRect(16, 96, 561, 417));
    rig.window->resize(400, 300);
    QTest::qWait(20);
    EXPECT_EQ(rig.find("radiusOfCurvatureAt2_5RadiiValue")->geometry(), before);
    // Only the four parameter bars are scroll bars: the window adds none.
    EXPECT_EQ(rig.window->findChildren<QScrollBar*>().size(), 4);
}

TEST(MainWindow, ScrollBarsHaveTheirRangeStepsAndTrackOnlyTheReleasedThumb) {
    WindowRig rig(false);
    for (const char* name : {"radiusCoarseBar", "massCoarseBar", "radiusFineBar", "massFineBar"}) {
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

TEST(MainWindow, BeforeTheFirstTickOnlyTheBarValuesAndTheBeamStartShow) {
    WindowRig rig(false);
    if (rig.window->simulation().state().ready) GTEST_SKIP() << "the first tick came too early";
    for (const char* name : kValueFields)
        EXPECT_EQ(rig.text(name), "") << name;
    for (const char* name :
         {"radiusCoarseValue", "radiusFineValue", "massCoarseValue", "massFineValue"})
        EXPECT_EQ(rig.text(name), "50");
    EXPECT_EQ(rig.text("beamStartValue"), "1500");
    EXPECT_EQ(rig.find<QLabel>("schwarzschildRadiusCaption")->palette().color(QPalette::WindowText),
              QColor(128, 128, 128));
    EXPECT_EQ(rig.find<QLabel>("schwarzschildRadiusValue")->palette().color(QPalette::WindowText),
              QColor(128, 128, 128));
}

TEST(MainWindow, FirstTickShowsTheEarth) {
    WindowRig rig;
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

TEST(MainWindow, PresetButtonsSwitchTheBody) {
    WindowRig rig;
    rig.click("sunButton");
    EXPECT_EQ(rig.text("radiusValue"), "696000000");
    EXPECT_EQ(rig.text("massValue"), "1.989E+30");
    EXPECT_EQ(rig.text("schwarzschildRadiusValue"), "2945.3830090664");
    rig.click("earthButton");
    EXPECT_EQ(rig.text("radiusValue"), "6378000");
    EXPECT_EQ(rig.recomputations(), 3);
}

TEST(MainWindow, ArrowsPagesAndKeysOnABarEachRecompute) {
    WindowRig rig;
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

TEST(MainWindow, DraggingTheThumbRecomputesOnlyWhenItIsReleased) {
    WindowRig rig;
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

TEST(MainWindow, ACoarseChangeResetsItsFineBarNestedAndTheLabelsFollow) {
    WindowRig rig;
    rig.bar("massFineBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(rig.text("massFineValue"), "60");
    const long before = rig.recomputations();
    rig.bar("massCoarseBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(rig.recomputations() - before, 2);
    EXPECT_EQ(rig.bar("massFineBar")->value(), 50);
    EXPECT_EQ(rig.text("massFineValue"), "50");
    EXPECT_EQ(rig.text("massCoarseValue"), "51");
    EXPECT_EQ(rig.text("massValue"), "1.119472E+25");
}

TEST(MainWindow, AFaultIsShownWithoutBlockingAndTheBodyIsKept) {
    WindowRig rig;
    rig.window->simulation().state().presetRadius = 0;  // no control reaches this
    rig.bar("radiusCoarseBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    auto* box = rig.window->findChild<QMessageBox*>("faultNotice");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(box->text(), "The body cannot be computed: its radius is 0 m.");
    EXPECT_EQ(rig.bar("radiusCoarseBar")->value(), 50);
    EXPECT_EQ(rig.text("radiusCoarseValue"), "50");
    EXPECT_EQ(rig.text("radiusValue"), "6378000");
    // The window still works while the message is open.
    rig.click("sunButton");
    EXPECT_EQ(rig.text("radiusValue"), "696000000");
    EXPECT_EQ(rig.window->faultNotice().count(), 1);
}

TEST(MainWindow, BeamButtonsMoveTheStartAndShowIt) {
    WindowRig rig;
    rig.click("beamUpButton");
    EXPECT_EQ(rig.text("beamStartValue"), "1450");
    rig.click("beamBigDownButton");
    EXPECT_EQ(rig.text("beamStartValue"), "1750");
    rig.click("beamDownButton");
    rig.click("beamBigUpButton");
    EXPECT_EQ(rig.text("beamStartValue"), "1500");
    rig.click("beamButton");
    EXPECT_EQ(rig.recomputations(), 2);
    // The straight ray's last segment ends at the far left, 401 steps out.
    EXPECT_EQ(rig.window->picture()->pixelAt(100, 1550), QColor(255, 255, 255));
}

}  // namespace
}  // namespace korvath
