#include "main_window.hpp"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "picture_box.hpp"
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
    {"comchikyuu", "QPushButton", "Earth", 240, 120, 1695, 375},
    {"comtaiyou", "QPushButton", "Sun", 240, 600, 1695, 375},
    {"Label1", "QLabel", "Radiusr(m)", 2640, 120, 945, 225},
    {"Label17", "QLabel", "<<", 2280, 360, 240, 240},
    {"HScroll1", "korvath::ui::ParameterBar", "", 2640, 360, 2295, 255},
    {"labh1", "QLabel", nullptr, 5040, 360, 375, 255},
    {"Label18", "QLabel", "<", 2400, 720, 135, 255},
    {"HScroll3", "korvath::ui::ParameterBar", "", 2640, 720, 2295, 255},
    {"labh2", "QLabel", nullptr, 5040, 720, 375, 255},
    {"Label2", "QLabel", nullptr, 2640, 1080, 2295, 255},
    {"Label3", "QLabel", "Mass(kg)", 6000, 120, 765, 225},
    {"Label19", "QLabel", "<<", 5520, 360, 270, 255},
    {"HScroll2", "korvath::ui::ParameterBar", "", 5880, 360, 2295, 255},
    {"labg1", "QLabel", nullptr, 8280, 360, 375, 255},
    {"Label20", "QLabel", "<", 5640, 720, 135, 255},
    {"HScroll4", "korvath::ui::ParameterBar", "", 5880, 720, 2295, 255},
    {"labg2", "QLabel", nullptr, 8280, 720, 375, 255},
    {"Label4", "QLabel", nullptr, 5880, 1080, 2295, 255},
    {"combeam_upd", "QPushButton", "UP", 8880, 0, 855, 375},
    {"combeam_up", "QPushButton", "up", 8880, 360, 855, 375},
    {"combeam_down", "QPushButton", "down", 8880, 720, 855, 375},
    {"combeam_downd", "QPushButton", "DOWN", 8880, 1080, 855, 375},
    {"cmdkousenidou", "QPushButton", "Beam", 9720, 0, 975, 375},
    {"labkiti", "QLabel", nullptr, 9840, 480, 495, 255},
    {"Label5", "QLabel", "density(gram/cubic centimeters)", 9000, 1560, 2640, 225},
    {"Label10", "QLabel", nullptr, 9000, 1800, 2295, 255},
    {"Label11", "QLabel", "Schwarzschild radius(m)", 9000, 2160, 2040, 225},
    {"Label12", "QLabel", nullptr, 9000, 2400, 2295, 255},
    {"Label6", "QLabel", "The curvature of stellar radius", 9000, 2760, 2430, 225},
    {"labhankei1", "QLabel", nullptr, 9000, 3000, 2295, 255},
    {"Label13", "QLabel", "The radius of curvature of stellar radius(m)", 9000, 3360, 3480, 225},
    {"labhankei1b", "QLabel", nullptr, 9000, 3600, 2295, 255},
    {"Label7", "QLabel", "The curvature of 1.5 times location of stellar radius", 9000, 3960, 4125,
     225},
    {"labhankei15", "QLabel", nullptr, 9000, 4200, 2295, 255},
    {"Label14", "QLabel", "The radius of curvature of 1.5 times location of stellar radius(m)",
     9000, 4560, 5175, 225},
    {"labhankei15b", "QLabel", nullptr, 9000, 4800, 2295, 255},
    {"Label8", "QLabel", "The curvature of 2 times location of stellar radius", 9000, 5160, 3975,
     225},
    {"labhankei2", "QLabel", nullptr, 9000, 5400, 2295, 255},
    {"Label15", "QLabel", "The radius of curvature of 2 times location of stellar radius(m)", 9000,
     5760, 5025, 225},
    {"labhankei2b", "QLabel", nullptr, 9000, 6000, 2295, 255},
    {"Label9", "QLabel", "The curvature of 2.5 times location of stellar radius", 9000, 6360, 4125,
     225},
    {"labhankei25", "QLabel", nullptr, 9000, 6600, 2295, 255},
    {"Label16", "QLabel", "The radius of curvature of 2.5 times location of stellar radius(m)",
     9000, 6960, 5175, 225},
    {"labhankei25b", "QLabel", nullptr, 9000, 7200, 2295, 255},
    {"Picture1", "korvath::ui::PictureBox", "", 240, 1440, 8415, 6255},
};

const char* const kValueFields[] = {"Label2",     "Label4",      "Label10",     "Label12",
                                    "labhankei1", "labhankei1b", "labhankei15", "labhankei15b",
                                    "labhankei2", "labhankei2b", "labhankei25", "labhankei25b"};

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
    auto* timer = rig.window->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_TRUE(timer->isActive());
}

TEST(MainWindow, CaptionClientAreaFontsAndIcon) {
    WindowRig rig(false);
    EXPECT_EQ(rig.window->windowTitle(), "Korvath simulation");
    EXPECT_EQ(rig.window->objectName(), "Form1");
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
    EXPECT_EQ(rig.find("comchikyuu")->font().pointSizeF(), 9.0);
    EXPECT_EQ(rig.find("Label17")->font().pointSizeF(), 9.75);
    for (const char* name : {"Label18", "Label19", "Label20"})
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
    EXPECT_EQ(actions[0]->objectName(), "mnuExit");
    EXPECT_EQ(actions[0]->text(), "E&xit");
    EXPECT_EQ(actions[1]->objectName(), "mnuHelp");
    EXPECT_EQ(actions[1]->text(), "&Help");
    EXPECT_EQ(actions[0]->menu(), nullptr);
    EXPECT_EQ(actions[1]->menu(), nullptr);
}

TEST(MainWindow, TabOrderStartsAtThePictureWhichHasTheFocus) {
    WindowRig rig(false);
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    EXPECT_EQ(QApplication::focusWidget(), rig.find("Picture1"));
    const QStringList expected{"HScroll1",      "comchikyuu",    "HScroll2",     "HScroll3",
                               "HScroll4",      "combeam_up",    "combeam_down", "combeam_upd",
                               "combeam_downd", "cmdkousenidou", "comtaiyou",    "Picture1"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
    // Space presses the button that has the focus.
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "cmdkousenidou");
    const long before = rig.recomputations();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(rig.recomputations(), before + 1);
    for (const char* name : kValueFields)
        EXPECT_EQ(rig.find(name)->focusPolicy(), Qt::NoFocus) << name;
}

TEST(MainWindow, EnlargingKeepsEveryControlInPlaceAndShrinkingShowsNoScrollBars) {
    WindowRig rig(false);
    const QRect before = rig.find("labhankei25b")->geometry();
    rig.window->resize(1400, 900);
    QTest::qWait(20);
    EXPECT_EQ(rig.find("labhankei25b")->geometry(), before);
    EXPECT_EQ(rig.find("Picture1")->geometry(), QRect(16, 96, 561, 417));
    rig.window->resize(400, 300);
    QTest::qWait(20);
    EXPECT_EQ(rig.find("labhankei25b")->geometry(), before);
    // Only the four parameter bars are scroll bars: the window adds none.
    EXPECT_EQ(rig.window->findChildren<QScrollBar*>().size(), 4);
}

TEST(MainWindow, ScrollBarsHaveTheirRangeStepsAndTrackOnlyTheReleasedThumb) {
    WindowRig rig(false);
    for (const char* name : {"HScroll1", "HScroll2", "HScroll3", "HScroll4"}) {
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
    for (const char* name : {"labh1", "labh2", "labg1", "labg2"})
        EXPECT_EQ(rig.text(name), "50");
    EXPECT_EQ(rig.text("labkiti"), "1500");
    EXPECT_EQ(rig.find<QLabel>("Label11")->palette().color(QPalette::WindowText),
              QColor(128, 128, 128));
    EXPECT_EQ(rig.find<QLabel>("Label12")->palette().color(QPalette::WindowText),
              QColor(128, 128, 128));
}

TEST(MainWindow, FirstTickShowsTheEarth) {
    WindowRig rig;
    EXPECT_EQ(rig.text("Label2"), "6378000");
    EXPECT_EQ(rig.text("Label4"), "5.59736E+24");
    EXPECT_EQ(rig.text("Label10"), "5.15040585101977");
    EXPECT_EQ(rig.text("Label12"), "0.00826186203267893");
    EXPECT_EQ(rig.text("labhankei1"), "3.20341146262659E-23");
    EXPECT_EQ(rig.find<QLabel>("Label11")->palette().color(QPalette::WindowText),
              QColor(136, 136, 136));
    EXPECT_EQ(rig.recomputations(), 1);
    QTest::qWait(250);  // later ticks do nothing
    EXPECT_EQ(rig.recomputations(), 1);
}

TEST(MainWindow, PresetButtonsSwitchTheBody) {
    WindowRig rig;
    rig.click("comtaiyou");
    EXPECT_EQ(rig.text("Label2"), "696000000");
    EXPECT_EQ(rig.text("Label4"), "1.989E+30");
    EXPECT_EQ(rig.text("Label12"), "2945.3830090664");
    rig.click("comchikyuu");
    EXPECT_EQ(rig.text("Label2"), "6378000");
    EXPECT_EQ(rig.recomputations(), 3);
}

TEST(MainWindow, ArrowsPagesAndKeysOnABarEachRecompute) {
    WindowRig rig;
    QScrollBar* coarse = rig.bar("HScroll1");
    coarse->setFocus();
    QTest::keyClick(coarse, Qt::Key_Right);
    EXPECT_EQ(rig.text("labh1"), "51");
    EXPECT_EQ(rig.text("Label2"), "12756000");
    QTest::keyClick(coarse, Qt::Key_PageDown);
    EXPECT_EQ(coarse->value(), 61);
    EXPECT_EQ(rig.text("labh1"), "61");
    coarse->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(rig.text("labh1"), "60");
    EXPECT_EQ(rig.recomputations(), 4);
    QTest::keyClick(coarse, Qt::Key_Left);
    QTest::keyClick(coarse, Qt::Key_Up);
    EXPECT_EQ(rig.text("labh1"), "58");
    QTest::keyClick(coarse, Qt::Key_PageUp);
    EXPECT_EQ(rig.text("labh1"), "48");
    QTest::keyClick(coarse, Qt::Key_Down);
    EXPECT_EQ(rig.text("labh1"), "49");
    QTest::keyClick(coarse, Qt::Key_End);
    EXPECT_EQ(rig.text("labh1"), "100");
    QTest::keyClick(coarse, Qt::Key_Home);
    EXPECT_EQ(rig.text("labh1"), "0");
    EXPECT_EQ(rig.recomputations(), 10);
}

TEST(MainWindow, DraggingTheThumbRecomputesOnlyWhenItIsReleased) {
    WindowRig rig;
    QScrollBar* fine = rig.bar("HScroll3");
    fine->setSliderDown(true);
    for (int v = 51; v <= 80; ++v)
        fine->setSliderPosition(v);
    EXPECT_EQ(rig.recomputations(), 1);
    EXPECT_EQ(rig.text("labh2"), "50");
    fine->setSliderDown(false);
    EXPECT_EQ(rig.recomputations(), 2);
    EXPECT_EQ(rig.text("labh2"), "80");
    EXPECT_EQ(rig.text("Label2"), "8291400");
}

TEST(MainWindow, ACoarseChangeResetsItsFineBarNestedAndTheLabelsFollow) {
    WindowRig rig;
    rig.bar("HScroll4")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(rig.text("labg2"), "60");
    const long before = rig.recomputations();
    rig.bar("HScroll2")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(rig.recomputations() - before, 2);
    EXPECT_EQ(rig.bar("HScroll4")->value(), 50);
    EXPECT_EQ(rig.text("labg2"), "50");
    EXPECT_EQ(rig.text("labg1"), "51");
    EXPECT_EQ(rig.text("Label4"), "1.119472E+25");
}

TEST(MainWindow, AFaultIsShownWithoutBlockingAndTheBodyIsKept) {
    WindowRig rig;
    rig.window->simulation().state().presetRadius = 0;  // no control reaches this
    rig.bar("HScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    auto* box = rig.window->findChild<QMessageBox*>("faultNotice");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(box->text(), "The body cannot be computed: its radius is 0 m.");
    EXPECT_EQ(rig.bar("HScroll1")->value(), 50);
    EXPECT_EQ(rig.text("labh1"), "50");
    EXPECT_EQ(rig.text("Label2"), "6378000");
    // The window still works while the message is open.
    rig.click("comtaiyou");
    EXPECT_EQ(rig.text("Label2"), "696000000");
    EXPECT_EQ(rig.window->faultNotice().count(), 1);
}

TEST(MainWindow, BeamButtonsMoveTheStartAndShowIt) {
    WindowRig rig;
    rig.click("combeam_up");
    EXPECT_EQ(rig.text("labkiti"), "1450");
    rig.click("combeam_downd");
    EXPECT_EQ(rig.text("labkiti"), "1750");
    rig.click("combeam_down");
    rig.click("combeam_upd");
    EXPECT_EQ(rig.text("labkiti"), "1500");
    rig.click("cmdkousenidou");
    EXPECT_EQ(rig.window->simulation().state().rayX, -12000);
    EXPECT_EQ(rig.recomputations(), 2);
}

}  // namespace
}  // namespace korvath
