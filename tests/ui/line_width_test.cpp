// SPDX-License-Identifier: GPL-3.0-or-later
// Every line of the scene is the same whole number of device pixels wide,
// round(device pixel ratio): ctest runs this at scales 1.25 and 1.5 too.
#include <gtest/gtest.h>

#include <QScreen>
#include <cmath>
#include <set>

#include "scene_picture.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

const QColor kRed(200, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);

// Device pixels per scene unit (a twip) in `image`.
double scale(const QImage& image) {
    return image.devicePixelRatio() / 15.0;
}

// The length of the run of `colour` that crosses the scene point (x, y),
// counted along the column (vertical) or the row, within a few pixels.
int runAcross(const QImage& image, double x, double y, bool vertical, const QColor& colour) {
    const int cx = static_cast<int>(std::lround(x * scale(image)));
    const int cy = static_cast<int>(std::lround(y * scale(image)));
    const int reach = 6;
    int best = 0, run = 0;
    for (int d = -reach; d <= reach; ++d) {
        const QPoint p = vertical ? QPoint(cx, cy + d) : QPoint(cx + d, cy);
        run = image.rect().contains(p) && image.pixelColor(p) == colour ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

int expectedWidth(const QImage& image) {
    return std::max(1, static_cast<int>(std::lround(image.devicePixelRatio())));
}

TEST(LineWidth, EveryLineIsRoundDevicePixelRatioPixelsWide) {
    WindowRig rig;
    rig.click("beamButton");
    const QImage image = rig.window->picture()->image();
    const int width = expectedWidth(image);
    std::multiset<int> widths;
    // The three red rings at their top, bottom, left and right.
    for (double r : {1500.0, 2000.0, 2500.0}) {
        widths.insert(runAcross(image, 3000, 3000 - r, true, kRed));
        widths.insert(runAcross(image, 3000, 3000 + r, true, kRed));
        widths.insert(runAcross(image, 3000 - r, 3000, false, kRed));
        widths.insert(runAcross(image, 3000 + r, 3000, false, kRed));
    }
    // The straight ray along many columns.
    for (double x = 100; x < 8000; x += 37)
        widths.insert(runAcross(image, x, 1550, true, kWhite));
    // The four sides of the marker box (8100..8200 by 1500..1600).
    widths.insert(runAcross(image, 8150, 1500, true, kYellow));
    widths.insert(runAcross(image, 8150, 1600, true, kYellow));
    widths.insert(runAcross(image, 8100, 1520, false, kYellow));
    widths.insert(runAcross(image, 8200, 1520, false, kYellow));
    EXPECT_EQ(*widths.begin(), width) << "device pixel ratio " << image.devicePixelRatio();
    EXPECT_EQ(*widths.rbegin(), width) << "device pixel ratio " << image.devicePixelRatio();
}

TEST(LineWidth, TheBlackBoxErasesTheYellowOneAtEveryPosition) {
    WindowRig rig;
    auto* picture = rig.window->picture();
    // Down and up through many positions: each move paints the old box black.
    const char* const moves[] = {"beamDownButton", "beamDownButton",  "beamBigDownButton",
                                 "beamUpButton",   "beamBigUpButton", "beamBigUpButton",
                                 "beamUpButton"};
    int y = 1500;
    for (const char* move : moves) {
        rig.click(move);
        y += std::string(move) == "beamDownButton"      ? 50
             : std::string(move) == "beamUpButton"      ? -50
             : std::string(move) == "beamBigDownButton" ? 300
                                                        : -300;
        ASSERT_EQ(rig.text("beamStartValue"), QString::number(y));
        const QImage image = picture->image();
        const double s = scale(image);
        // Nothing yellow outside the current box and the centre.
        for (int py = 0; py < image.height(); ++py)
            for (int px = 0; px < image.width(); ++px) {
                if (image.pixelColor(px, py) != kYellow) continue;
                const double sx = px / s, sy = py / s;
                const bool inBox = sx > 8100 - 30 && sx < 8200 + 30 && sy > y - 30 && sy < y + 130;
                const bool atCentre = std::abs(sx - 3000) < 100 && std::abs(sy - 3000) < 100;
                ASSERT_TRUE(inBox || atCentre) << move << " yellow left at " << px << "," << py;
            }
    }
}

}  // namespace
}  // namespace korvath
