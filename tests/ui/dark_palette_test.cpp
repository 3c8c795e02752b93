// SPDX-License-Identifier: GPL-3.0-or-later
// The Schwarzschild radius and its caption stay readable on a dark desktop,
// and look exactly as before on a light one.
#include <gtest/gtest.h>

#include <QPalette>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <map>

#include "scene_picture.hpp"
#include "session_widgets.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

// WCAG 2 contrast, written out here independently of the program's own.
double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double contrast(const QColor& a, const QColor& b) {
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The colours a label shows: its background (the commonest colour inside the
// frame) and its text (the pixel that stands out most from the background,
// where a glyph covers a whole pixel).
struct Shown {
    QColor background, text;
    double ratio() const { return contrast(text, background); }
};

Shown shownColours(QLabel* label) {
    const QImage image = label->grab().toImage();
    const QRect inside = label->contentsRect();
    std::map<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    Shown shown;
    shown.background = QColor(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                  return a.second < b.second;
                              })->first);
    double best = 0;
    for (auto [rgb, n] : counts) {
        const double c = contrast(QColor(rgb), shown.background);
        if (c > best) best = c, shown.text = QColor(rgb);
    }
    return shown;
}

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, QColor(238, 238, 238));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    p.setColor(QPalette::Text, QColor(238, 238, 238));
    p.setColor(QPalette::Button, QColor(60, 60, 60));
    p.setColor(QPalette::ButtonText, QColor(238, 238, 238));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

// An application palette for one test, the previous one restored after.
class ScopedPalette {
  public:
    explicit ScopedPalette(const QPalette& palette) : previous_(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~ScopedPalette() { QApplication::setPalette(previous_); }

  private:
    QPalette previous_;
};

// Qt hands a new application palette to the widgets through the event loop.
void waitForWindowColour(WindowRig& rig, const QColor& window) {
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return rig.window->palette().color(QPalette::Window) == window; }, 2000));
}

QLabel* caption(WindowRig& rig) {
    return rig.find<QLabel>("schwarzschildRadiusCaption");
}
QLabel* value(WindowRig& rig) {
    return rig.find<QLabel>("schwarzschildRadiusValue");
}
QColor textColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

// Radius bars at their lowest: the Earth 2^-50 times smaller lies inside.
void makeTheBodyFallInside(WindowRig& rig) {
    rig.bar("radiusCoarseBar")->triggerAction(QAbstractSlider::SliderToMinimum);
    ASSERT_EQ(rig.window->values().schwarzschildMark(), SchwarzschildMark::Inside);
}

TEST(DarkPalette, SchwarzschildMarkIsReadableInsideAndOutsideAndDistinct) {
    const ScopedPalette dark(darkPalette());
    WindowRig rig(false);
    if (rig.window->session().state().ready == 0) {
        // The value is still empty; the caption shows.
        EXPECT_GE(shownColours(caption(rig)).ratio(), 4.5) << "before the first tick";
    }
    ASSERT_TRUE(rig.waitForFirstTick());
    ASSERT_EQ(rig.window->values().schwarzschildMark(), SchwarzschildMark::Outside);
    const QColor outside = textColour(value(rig));
    for (QLabel* l : {caption(rig), value(rig)}) {
        const Shown shown = shownColours(l);
        EXPECT_EQ(shown.background, QColor(53, 53, 53)) << l->objectName().toStdString();
        EXPECT_GE(shown.ratio(), 4.5) << l->objectName().toStdString();
        // Dimmer than the ordinary text, and only as far as still readable.
        EXPECT_LT(shown.ratio(), contrast(QColor(238, 238, 238), QColor(53, 53, 53)));
        EXPECT_LT(contrast(textColour(l), QColor(53, 53, 53)), 4.7);
    }

    makeTheBodyFallInside(rig);
    for (QLabel* l : {caption(rig), value(rig)}) {
        EXPECT_EQ(textColour(l), QColor(238, 238, 238));  // the palette's full text colour
        const Shown shown = shownColours(l);
        EXPECT_GE(shown.ratio(), 4.5) << l->objectName().toStdString();
        EXPECT_GT(shown.ratio(), contrast(outside, shown.background));
    }
}

TEST(DarkPalette, LightPaletteKeepsTheExactGreysAndBlack) {
    const ScopedPalette light(qApp->style()->standardPalette());
    WindowRig rig(false);
    if (rig.window->session().state().ready == 0) {
        for (QLabel* l : {caption(rig), value(rig)})
            EXPECT_EQ(textColour(l), QColor(128, 128, 128));
    }
    ASSERT_TRUE(rig.waitForFirstTick());
    for (QLabel* l : {caption(rig), value(rig)}) {
        EXPECT_EQ(textColour(l), QColor(136, 136, 136));
        EXPECT_EQ(shownColours(l).text, QColor(136, 136, 136));
    }
    makeTheBodyFallInside(rig);
    for (QLabel* l : {caption(rig), value(rig)}) {
        EXPECT_EQ(textColour(l), QColor(0, 0, 0));
        EXPECT_EQ(shownColours(l).text, QColor(0, 0, 0));
    }
}

TEST(DarkPalette, ThePaletteChangingUnderTheWindowChangesTheMark) {
    const QPalette standard = qApp->style()->standardPalette();
    const ScopedPalette light(standard);
    WindowRig rig;
    EXPECT_EQ(textColour(caption(rig)), QColor(136, 136, 136));
    const long computed = rig.recomputations();
    {
        const ScopedPalette dark(darkPalette());
        waitForWindowColour(rig, QColor(53, 53, 53));
        EXPECT_GE(shownColours(caption(rig)).ratio(), 4.5);
        EXPECT_GE(shownColours(value(rig)).ratio(), 4.5);
        makeTheBodyFallInside(rig);
        EXPECT_EQ(textColour(value(rig)), QColor(238, 238, 238));
    }
    waitForWindowColour(rig, standard.color(QPalette::Window));
    EXPECT_EQ(textColour(value(rig)), QColor(0, 0, 0));
    EXPECT_EQ(textColour(caption(rig)), QColor(0, 0, 0));
    EXPECT_EQ(rig.recomputations(), computed + 1);  // colours change without recomputing
}

TEST(DarkPalette, ThePictureKeepsItsBlackBackgroundAndColours) {
    QImage onLight;
    {
        WindowRig rig;
        rig.click("beamButton");
        onLight = rig.window->picture()->image().copy();
    }
    const ScopedPalette dark(darkPalette());
    WindowRig rig;
    rig.click("beamButton");
    EXPECT_EQ(rig.window->picture()->image(), onLight);
}

}  // namespace
}  // namespace korvath
