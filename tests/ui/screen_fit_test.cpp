// SPDX-License-Identifier: GPL-3.0-or-later
// Every part of the window can be reached on any screen: on a screen smaller
// than the window (ctest runs SmallScreen.* on a 640 x 480 screen and on a
// 1920 x 1080 screen at scale 2, named in KORVATH_TEST_SCREEN) it opens inside
// the screen with scroll bars; on a large one nothing changes.
#include <gtest/gtest.h>

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <cstdlib>

#include "main_window_layout.hpp"
#include "screen_scale.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

QRect frameOf(const QWidget* window) {
    return window->frameGeometry();
}

// Whether `w`, mapped into the scroll area's viewport, lies wholly inside it.
bool showsWhole(const QScrollArea* area, const QWidget* w) {
    const QRect rect(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
    return area->viewport()->rect().contains(rect);
}

class SmallScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* expected = std::getenv("KORVATH_TEST_SCREEN");
        if (!expected) GTEST_SKIP() << "ctest runs this on small screens (KORVATH_TEST_SCREEN)";
        const QSize size = QGuiApplication::primaryScreen()->availableGeometry().size();
        ASSERT_EQ(QString("%1x%2").arg(size.width()).arg(size.height()), QString(expected))
            << "the screen set-up was not applied";
    }
};

TEST_F(SmallScreen, WindowOpensInsideTheScreenWithScrollBarsAndItsLayoutIntact) {
    WindowRig rig;
    const QRect available = rig.window->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(frameOf(rig.window.get())))
        << "frame " << frameOf(rig.window.get()).width() << "x"
        << frameOf(rig.window.get()).height();
    EXPECT_LT(rig.window->height(), rig.window->naturalSize().height());
    // The client area and the controls keep their size and place.
    EXPECT_EQ(rig.window->clientArea()->size(), QSize(950, 535));
    EXPECT_EQ(rig.find("scenePicture")->geometry(), QRect(16, 96, 561, 417));
    EXPECT_EQ(rig.find("earthButton")->font().pointSizeF(), 9.0);
    QScrollArea* area = rig.window->clientScrollArea();
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
}

TEST_F(SmallScreen, AWindowPlacedPartlyOffTheScreenOpensInsideIt) {
    ui::MainWindow window;
    window.move(200, 150);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()))
        << window.frameGeometry().x() << "," << window.frameGeometry().y();
}

TEST_F(SmallScreen, EveryControlCanBeScrolledIntoView) {
    WindowRig rig;
    QScrollArea* area = rig.window->clientScrollArea();
    int hidden = 0;
    for (const ui::ControlSpec& item : ui::mainWindowLayout()) {
        QWidget* w = rig.find(item.objectName.data());
        hidden += !showsWhole(area, w);
        area->ensureWidgetVisible(w);
        EXPECT_TRUE(showsWhole(area, w)) << item.objectName;
    }
    EXPECT_GT(hidden, 0);  // some were out of view: the screen was small
    // The scroll bars reach the far corner of the client area.
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    EXPECT_EQ(rig.window->clientArea()->mapTo(area->viewport(), QPoint(950, 535)),
              QPoint(area->viewport()->width(), area->viewport()->height()));
}

TEST_F(SmallScreen, TabScrollsTheFocusedControlIntoView) {
    WindowRig rig;
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    QScrollArea* area = rig.window->clientScrollArea();
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        // The picture may be taller than the view; its top-left corner shows.
        if (focused->objectName() == "scenePicture") continue;
        EXPECT_TRUE(showsWhole(area, focused)) << focused->objectName().toStdString();
    }
}

// On a screen with room for the window (the default test screen), nothing of
// the above shows.
TEST(LargeScreen, WindowHasItsNaturalSizeAndNoScrollBars) {
    WindowRig rig;
    const QRect available = rig.window->screen()->availableGeometry();
    if (available.width() < 1000 || available.height() < 620)
        GTEST_SKIP() << "the screen is too small for this";
    EXPECT_EQ(rig.window->size(), rig.window->naturalSize());
    EXPECT_EQ(rig.window->naturalSize().width(), 950);
    QScrollArea* area = rig.window->clientScrollArea();
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    EXPECT_EQ(area->viewport()->size(), QSize(950, 535));
}

TEST(LargeScreen, AWindowMadeSmallerThanItsClientAreaScrolls) {
    WindowRig rig(false);
    const QRect before = rig.find("radiusOfCurvatureAt2_5RadiiValue")->geometry();
    rig.window->resize(400, 300);
    QTest::qWait(20);
    QScrollArea* area = rig.window->clientScrollArea();
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    EXPECT_EQ(rig.find("radiusOfCurvatureAt2_5RadiiValue")->geometry(), before);
    rig.window->resize(1400, 900);
    QTest::qWait(20);
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    EXPECT_EQ(rig.window->clientArea()->pos(), QPoint(0, 0));
}

// ---------------------------------------------------------------------------
// Scales below 1

// QT_SCALE_FACTOR for one test, put back after.
class ScopedScale {
  public:
    explicit ScopedScale(const char* value) {
        if (const char* old = std::getenv("QT_SCALE_FACTOR")) previous_ = old, had_ = true;
        if (value)
            setenv("QT_SCALE_FACTOR", value, 1);
        else
            unsetenv("QT_SCALE_FACTOR");
    }
    ~ScopedScale() {
        if (had_)
            setenv("QT_SCALE_FACTOR", previous_.c_str(), 1);
        else
            unsetenv("QT_SCALE_FACTOR");
    }

  private:
    std::string previous_;
    bool had_ = false;
};

// What refuseScaleBelowOne wrote and left in the environment.
struct Refusal {
    bool refused;
    std::string message;
    std::string after;  // QT_SCALE_FACTOR afterwards, "<unset>" if unset
};

Refusal refuse(const char* value) {
    const ScopedScale scale(value);
    std::FILE* out = std::tmpfile();
    Refusal r{ui::refuseScaleBelowOne(out), {}, {}};
    std::rewind(out);
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, out))
        r.message += buffer;
    std::fclose(out);
    const char* now = std::getenv("QT_SCALE_FACTOR");
    r.after = now ? now : "<unset>";
    return r;
}

TEST(ScreenScale, ScalesBelowOneAreRefusedWithOneLineAndOneIsUsed) {
    Refusal r = refuse("0.5");
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(r.message, "korvath: QT_SCALE_FACTOR=0.5 is below 1; using 1\n");
    EXPECT_EQ(r.after, "1");
    for (const char* low : {"0.99", "0", "-2", " 0.75"}) {
        r = refuse(low);
        EXPECT_TRUE(r.refused) << low;
        EXPECT_EQ(r.message,
                  std::string("korvath: QT_SCALE_FACTOR=") + low + " is below 1; using 1\n");
        EXPECT_EQ(r.after, "1") << low;
    }
    for (const char* junk : {"abc", "0,5", "nan", "inf", "1.5x"}) {
        r = refuse(junk);
        EXPECT_TRUE(r.refused) << junk;
        EXPECT_EQ(r.message, std::string("korvath: QT_SCALE_FACTOR=") + junk +
                                 " is not a finite number; using 1\n");
        EXPECT_EQ(r.after, "1") << junk;
    }
}

TEST(ScreenScale, ScalesOfOneAndAboveAndNoScaleAreLeftAlone) {
    for (const char* fine : {"1", "1.0", "1.25", "1.5", "2", "3"}) {
        const Refusal r = refuse(fine);
        EXPECT_FALSE(r.refused) << fine;
        EXPECT_EQ(r.message, "") << fine;
        EXPECT_EQ(r.after, fine);
    }
    Refusal r = refuse(nullptr);
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(r.after, "<unset>");
    r = refuse("");
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(r.after, "");
}

}  // namespace
}  // namespace korvath
