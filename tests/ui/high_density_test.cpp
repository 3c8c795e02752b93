// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a high-density screen: run with QT_SCALE_FACTOR=2 (ctest does).
#include <gtest/gtest.h>

#include "scene_picture.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

class HighDensity : public ::testing::Test {
  protected:
    void SetUp() override {
        if (qApp->devicePixelRatio() != 2)
            GTEST_SKIP() << "needs QT_SCALE_FACTOR=2; device pixel ratio is "
                         << qApp->devicePixelRatio();
    }
};

TEST_F(HighDensity, WindowIsTwiceTheSizeWithEveryControlInProportion) {
    WindowRig rig;
    EXPECT_EQ(rig.window->devicePixelRatio(), 2);
    EXPECT_EQ(rig.window->clientArea()->size() * 2, QSize(1900, 1070));
    // Logical geometry as at 96 dpi, so twice as many device pixels.
    EXPECT_EQ(rig.find("schwarzschildRadiusValue")->geometry(), QRect(600, 160, 153, 17));
    EXPECT_EQ(rig.find("scenePicture")->geometry(), QRect(16, 96, 561, 417));
    EXPECT_EQ(rig.find("earthButton")->font().pointSizeF(), 9.0);
}

TEST_F(HighDensity, SceneIsDrawnAtFullResolutionWithOnePixelWideLines) {
    WindowRig rig;
    rig.click("beamButton");
    auto* picture = rig.window->picture();
    const QImage& image = picture->image();
    EXPECT_EQ(image.devicePixelRatio(), 2);
    EXPECT_EQ(image.size(), picture->contentsRect().size() * 2);

    // The ray, one device-independent pixel wide: two device rows.
    const int column = 7000 * 2 / 15;
    int whiteRows = 0;
    for (int y = 1550 * 2 / 15 - 4; y <= 1550 * 2 / 15 + 4; ++y)
        whiteRows += image.pixelColor(column, y) == QColor(255, 255, 255);
    EXPECT_EQ(whiteRows, 2);

    // Not a doubled low-resolution picture: along the body's edge some
    // aligned 2x2 blocks of device pixels are not of one colour.
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                image.pixel(x + 1, y + 1) != c)
                ++mixed;
        }
    EXPECT_GT(mixed, 100);
}

}  // namespace
}  // namespace korvath
