// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene_picture.hpp"

#include <gtest/gtest.h>

#include <QScreen>

#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

class ScenePictureStarted : public testing::StartedWindow {};

const QColor kBlue(0, 0, 255);
const QColor kRed(200, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);

// True if a pixel within `reach` device pixels of the scene point has the colour.
bool colourNear(const QImage& image, double sceneX, double sceneY, const QColor& colour,
                int reach = 1) {
    const double scale = image.devicePixelRatio() / 15.0;
    const int cx = static_cast<int>(sceneX * scale), cy = static_cast<int>(sceneY * scale);
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p(cx + dx, cy + dy);
            if (image.rect().contains(p) && image.pixelColor(p) == colour) return true;
        }
    return false;
}

// The device-pixel row on which the straight ray at scene height y was drawn.
int whiteRow(const QImage& image, double sceneX, double sceneY) {
    const double scale = image.devicePixelRatio() / 15.0;
    const int x = static_cast<int>(sceneX * scale);
    for (int y = static_cast<int>(sceneY * scale) - 2; y <= sceneY * scale + 2; ++y)
        if (image.pixelColor(x, y) == kWhite) return y;
    return -1;
}

TEST_F(ScenePictureStarted, SceneShowsTheBlueBodyRedRingsAndTheYellowMarker) {
    auto* picture = rig.window->picture();
    const QImage& image = picture->image();
    EXPECT_EQ(picture->pixelAt(3000, 3300), kBlue);
    EXPECT_EQ(picture->pixelAt(2700, 3000), kBlue);
    // The Schwarzschild circle at its smallest, 8 units, on the centre.
    EXPECT_TRUE(colourNear(image, 3000, 3000, kYellow));
    EXPECT_EQ(picture->pixelAt(3000, 1800), kBlack);  // between the rings
    for (double r : {1500.0, 2000.0, 2500.0}) {
        EXPECT_TRUE(colourNear(image, 3000, 3000 - r, kRed)) << r;
        EXPECT_TRUE(colourNear(image, 3000 + r, 3000, kRed)) << r;
    }
    EXPECT_TRUE(colourNear(image, 8100, 1550, kYellow));  // left edge of the marker
    EXPECT_TRUE(colourNear(image, 8150, 1500, kYellow));  // its top edge
    EXPECT_EQ(picture->pixelAt(8150, 1550), kBlack);      // the box is an outline
    // The drawing area is black outside the figures.
    EXPECT_EQ(picture->pixelAt(7000, 5500), kBlack);
}

TEST_F(ScenePictureStarted, BeamDrawsTheStraightRayInWhiteAlongItsRow) {
    rig.click("beamButton");
    auto* picture = rig.window->picture();
    const QImage& image = picture->image();
    const int row = whiteRow(image, 7000, 1550);
    ASSERT_GE(row, 0);
    // White from the left edge of the drawing area up to the marker, except
    // where nothing lies under... nothing: the ray crosses only black and the rings.
    const int markerLeft = static_cast<int>(8100 / 15.0 * image.devicePixelRatio());
    for (int x = 0; x < markerLeft; ++x)
        ASSERT_EQ(image.pixelColor(x, row), kWhite) << "x " << x;
    EXPECT_NE(image.pixelColor(10, row - 2), kWhite);
    EXPECT_NE(image.pixelColor(10, row + 2), kWhite);
}

TEST_F(ScenePictureStarted, BlackBoxCoversTheOldMarkerAndAMoveKeepsTheRay) {
    rig.click("beamButton");
    rig.click("beamBigUpButton");  // 1500 -> 1200
    auto* picture = rig.window->picture();
    const QImage& image = picture->image();
    // Nothing yellow is left of the box at 1500..1600.
    const double scale = image.devicePixelRatio() / 15.0;
    for (int y = static_cast<int>(1500 * scale) - 1; y <= 1600 * scale + 1; ++y)
        for (int x = static_cast<int>(8100 * scale) - 1; x <= 8200 * scale + 1; ++x)
            ASSERT_NE(image.pixelColor(x, y), kYellow) << x << "," << y;
    EXPECT_TRUE(colourNear(image, 8150, 1200, kYellow));
    // The ray is still there, left of the painted-over box.
    EXPECT_GE(whiteRow(image, 4000, 1550), 0);
}

TEST_F(ScenePictureStarted, DrawingSurvivesHidingAndResizingTheWindow) {
    rig.click("beamButton");
    rig.window->hide();
    QTest::qWait(20);
    rig.window->showMinimized();
    QTest::qWait(20);
    rig.window->showNormal();
    rig.window->resize(1200, 800);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(rig.window.get()));
    const QImage shown = rig.window->picture()->grab().toImage();
    // The grab includes the 2-pixel frame.
    const double scale = shown.devicePixelRatio() / 15.0;
    const int frame = static_cast<int>(2 * shown.devicePixelRatio());
    EXPECT_EQ(shown.pixelColor(static_cast<int>(3000 * scale) + frame,
                               static_cast<int>(3300 * scale) + frame),
              kBlue);
    EXPECT_EQ(rig.window->session().computeCount(), 2);  // nothing redrawn by the model
}

TEST_F(ScenePictureStarted, ANewRecomputationClearsTheRay) {
    rig.click("beamButton");
    rig.click("sunButton");
    EXPECT_LT(whiteRow(rig.window->picture()->image(), 7000, 1550), 0);
}

TEST_F(ScenePictureStarted, ImageMatchesTheDrawingAreaAtTheDevicePixelRatio) {
    auto* picture = rig.window->picture();
    const QImage& image = picture->image();
    const qreal dpr = picture->devicePixelRatioF();
    EXPECT_EQ(image.devicePixelRatio(), dpr);
    EXPECT_EQ(image.size(), picture->contentsRect().size() * dpr);
}

}  // namespace
}  // namespace korvath
