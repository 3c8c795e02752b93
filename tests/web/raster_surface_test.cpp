// SPDX-License-Identifier: GPL-3.0-or-later
// The page's drawing surface: aliased figures at any scale and line width, a
// black box that erases the yellow one drawn at the same corners, closed
// circles, the part painted since the page last asked; and the page's view
// drawing its scene again at a new canvas size and telling of a travelling ray.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "page_view.hpp"
#include "raster_surface.hpp"
#include "scene.hpp"

namespace korvath::web {
namespace {

constexpr std::uint32_t kOpaqueBlack = 0xFF000000u;
constexpr std::uint32_t kYellow = 0xFF00FFFFu;  // red and green bytes full

std::uint32_t at(const RasterSurface& s, int x, int y) {
    return s
        .pixels()[static_cast<size_t>(y) * static_cast<size_t>(s.width()) + static_cast<size_t>(x)];
}

int count(const RasterSurface& s, std::uint32_t pixel) {
    int n = 0;
    for (std::uint32_t p : s.pixels())
        n += p == pixel;
    return n;
}

struct Geometry {
    int width, height;
    double pixelsPerUnit;
    int lineWidth;
};

// The window at scale 1, 1.5 and 2.3 on screens of device pixel ratio 1 and 2.
const Geometry kGeometries[] = {{557, 413, 1.0 / 15, 1},
                                {836, 620, 1.5 / 15, 2},
                                {1114, 826, 2.0 / 15, 2},
                                {2562, 1900, 4.6 / 15, 5}};

TEST(RasterSurface, BlackMarkerErasesTheYellowOneExactly) {
    for (const Geometry& g : kGeometries) {
        RasterSurface s;
        s.setGeometry(g.width, g.height, g.pixelsPerUnit, g.lineWidth);
        s.clear();
        for (float y : {50.f, 1500.f, 3333.f, 6150.f}) {
            s.box(8100, y, 8200, y + 100, colors::kPaletteYellow);
            EXPECT_GT(count(s, kYellow), 0) << "the marker at " << y << " is drawn";
            s.box(8100, y, 8200, y + 100, colors::kBlack);
            EXPECT_EQ(count(s, kYellow), 0) << "scale " << g.pixelsPerUnit << ", marker at " << y;
        }
    }
}

TEST(RasterSurface, CirclesAreClosedRingsOfTheLineWidth) {
    for (const Geometry& g : kGeometries) {
        RasterSurface s;
        s.setGeometry(g.width, g.height, g.pixelsPerUnit, g.lineWidth);
        s.clear();
        s.setFillStyle(FillStyle::Transparent);
        s.circle(3000, 3000, 2500, rgb(200, 0, 0));
        const std::uint32_t red = 0xFF0000C8u;
        const double cx = 3000 * g.pixelsPerUnit, cy = 3000 * g.pixelsPerUnit;
        const double r = 2500 * g.pixelsPerUnit;
        // Every point of the ideal circle has a painted pixel within half a line width.
        for (int i = 0; i < 3600; ++i) {
            const double a = i * std::numbers::pi / 1800;
            const int px = static_cast<int>(std::floor(cx + r * std::cos(a)));
            const int py = static_cast<int>(std::floor(cy + r * std::sin(a)));
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = at(s, px + dx, py + dy) == red;
            ASSERT_TRUE(found) << "gap at angle " << i / 10.0 << " deg, scale " << g.pixelsPerUnit;
        }
        // The ring is as wide as a line: its area is about 2 pi r w.
        const double expected = 2 * std::numbers::pi * r * g.lineWidth;
        EXPECT_NEAR(count(s, red), expected, expected * 0.1) << "scale " << g.pixelsPerUnit;
        // Inside and outside stay black.
        EXPECT_EQ(at(s, static_cast<int>(cx), static_cast<int>(cy)), kOpaqueBlack);
    }
}

TEST(RasterSurface, FilledCircleAndLinesAreAliased) {
    RasterSurface s;
    s.setGeometry(557, 413, 1.0 / 15, 1);
    s.clear();
    s.setFillColor(rgb(0, 0, 255));
    s.setFillStyle(FillStyle::Solid);
    s.circle(3000, 3000, 1000, std::nullopt);
    s.line(0, 100, 8000, 100, colors::kPaletteBrightWhite);
    for (std::uint32_t p : s.pixels())
        ASSERT_TRUE(p == kOpaqueBlack || p == 0xFFFF0000u || p == 0xFFFFFFFFu)
            << std::hex << p << ": a blended colour";
    EXPECT_EQ(at(s, 200, 200), 0xFFFF0000u);  // the body's centre is blue
    EXPECT_EQ(at(s, 100, 6), 0xFFFFFFFFu);    // the line at y = 100 units
    EXPECT_EQ(at(s, 100, 7), kOpaqueBlack);
}

TEST(RasterSurface, TellsThePartPaintedSinceItWasLastAsked) {
    RasterSurface s;
    s.setGeometry(557, 413, 1.0 / 15, 1);
    EXPECT_EQ(s.takePainted(), (RasterSurface::Rect{0, 0, 557, 413}));  // all of a new area
    EXPECT_EQ(s.takePainted(), RasterSurface::Rect{});
    s.line(1500, 3000, 3000, 1500, colors::kPaletteBrightWhite);  // pixels 100 to 200
    s.line(4500, 1515, 4530, 1515, colors::kPaletteBrightWhite);  // 300 to 302 in row 101
    s.line(-3000, 100, -1500, 100, colors::kPaletteBrightWhite);  // wholly outside
    EXPECT_EQ(s.takePainted(), (RasterSurface::Rect{100, 100, 203, 101}));
}

TEST(PageView, ANewCanvasSizeRepaintsWhatWasDrawnSinceTheLastScene) {
    Session session;
    PageView view;
    session.addView(view);
    view.setCanvas(557, 413, 1.0 / 15, 1);
    session.start();
    session.trace();
    RasterSurface& s = view.surface();
    const int white = count(s, 0xFFFFFFFFu);
    ASSERT_GT(white, 400) << "the ray is drawn";
    view.setCanvas(1114, 826, 2.0 / 15, 2);
    EXPECT_GT(count(s, 0xFFFFFFFFu), 3 * white) << "the ray is repainted, twice as long and wide";
    EXPECT_EQ(at(s, 450, 400), 0xFFFF0000u) << "the body is repainted at its new place";
    // A new scene replaces everything: after a preset the ray is gone.
    session.choose(kEarth);
    EXPECT_EQ(count(s, 0xFFFFFFFFu), 0);
}

// What the page is told: the session's changes merged until it takes them,
// any drawing as a picture change, every fault in its order.
TEST(PageView, GathersTheChangesUntilThePageTakesThem) {
    Session session;
    PageView view;
    session.addView(view);
    session.start();
    view.takeChange();
    session.moveBeam(BeamMove::Up);
    PageChange change = view.takeChange();
    EXPECT_TRUE(change.values && change.picture && !change.bars && change.faults.empty());
    change = view.takeChange();
    EXPECT_FALSE(change.values || change.bars || change.picture);
    // Bar steps whose body fails: the bar goes back, the picture stays.
    ASSERT_TRUE(session.choose({3e100, kEarth.mass}));
    view.takeChange();
    session.setBar(Bar::RadiusCoarse, 51);
    session.setBar(Bar::RadiusCoarse, 52);
    change = view.takeChange();
    EXPECT_TRUE(change.bars && !change.picture);
    EXPECT_EQ(change.faults.size(), 2u);
}

// An animated ray: its start told, each frame painting its new part only,
// and its end told when a new canvas size finishes it.
TEST(PageView, TellsWhenARayStartsAndEndsTravelling) {
    Session session;
    PageView view;
    session.addView(view);
    view.setAnimated(true);
    view.setCanvas(557, 413, 1.0 / 15, 1);
    session.start();
    session.trace();
    PageChange change = view.takeChange();
    EXPECT_TRUE(change.rayStarted && !change.rayEnded);
    view.surface().takePainted();
    ASSERT_TRUE(view.advance(100));  // the Earth's ray, straight to the left
    const RasterSurface::Rect frame = view.surface().takePainted();
    EXPECT_GT(frame.width, 0);
    EXPECT_LE(frame.height, 3);
    change = view.takeChange();
    EXPECT_TRUE(change.picture && !change.rayStarted && !change.rayEnded);
    view.setCanvas(557, 413, 1.0 / 15, 1);
    EXPECT_FALSE(view.travelling());
    EXPECT_TRUE(view.takeChange().rayEnded);
}

}  // namespace
}  // namespace korvath::web
