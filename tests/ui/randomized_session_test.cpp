// SPDX-License-Identifier: GPL-3.0-or-later
// A long seeded session of everything a user can do, on the real window, with
// the whole state checked after every event against an independent
// recomputation.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <random>

#include "exact_power.hpp"
#include "help_command.hpp"
#include "help_viewer.hpp"
#include "number_text.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

// The texts of the value fields for a body, computed here from the formulas
// themselves rather than through the program's own routines. The cubes are
// correctly rounded ones, as the window shows them (exact::cube, compared
// with MPFR's in exact_power_test): the C library's pow(d, 3) rounds about
// one in 1,200 differently: after event 5308 of the default session the
// curvature reads 385024612823.854, where pow's cube gave ...855.
struct Shown {
    std::string density, schwarzschild;
    std::array<std::string, 8> curvatures;  // curvature and its radius at 1, 1.5, 2, 2.5 radii
    bool black = false;
};

Shown expectedFor(double radius, double mass) {
    const auto curvature = [mass](double d) {
        return mass * 1.334518e-10 / exact::cube(d) / (299792458.0 * 299792458.0);
    };
    Shown s;
    s.density = numberText(mass * 1000 / (4.0 / 3.0 * 3.14159 * exact::cube(radius * 100)));
    double probe = radius, rc = 0;
    int shrinking = 0;
    while (probe <= (rc = std::sqrt(1 / curvature(probe)))) {
        probe -= probe / 100;
        ++shrinking;
    }
    if (shrinking == 0)
        while (probe >= (rc = std::sqrt(1 / curvature(probe))))
            probe += probe / 100;
    s.schwarzschild = numberText(rc);
    s.black = rc > radius;
    const double distances[] = {radius, 1.5 * radius, radius + radius, 2.5 * radius};
    for (int i = 0; i < 4; ++i) {
        const double k = curvature(distances[i]);
        s.curvatures[2 * i] = numberText(k);
        s.curvatures[2 * i + 1] = numberText(std::sqrt(1 / k));
    }
    return s;
}

double scaled(double base, int h) {
    const int n = h - 50;
    return n > 0 ? std::pow(2.0, n) * base : n < 0 ? base / std::pow(2.0, -n) : base;
}

class Session {
  public:
    explicit Session(unsigned seed) : random_(seed) {
        QFile file(helpFolder_.filePath("vesker.hlp"));
        if (file.open(QIODevice::WriteOnly)) file.write("<p>help</p>");
        rig_.window->helpCommand().setApplicationFolder(helpFolder_.path());
    }

    // One user action, chosen at random; returns a description for failures.
    std::string step() {
        static const char* const kMoves[] = {"beamBigUpButton", "beamUpButton", "beamDownButton",
                                             "beamBigDownButton"};
        const int kind = pick(0, 999);
        if (kind < 40) {
            const char* b = kind % 2 ? "earthButton" : "sunButton";
            rig_.find<QPushButton>(b)->click();
            return b;
        }
        QScrollBar* bar = rig_.bar(testing::nameShowing(kAllBars[pick(0, 3)]));
        if (kind < 340) {  // the thumb dragged and released anywhere, ends included
            const int to = pick(0, 6) == 0 ? (pick(0, 1) ? 0 : 100) : pick(0, 100);
            bar->setSliderDown(true);
            bar->setSliderPosition(to);
            bar->setSliderDown(false);
            return bar->objectName().toStdString() + " dragged to " + std::to_string(to);
        }
        if (kind < 640) {  // arrows and pages, by mouse or keyboard
            static const QAbstractSlider::SliderAction kActions[] = {
                QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub};
            const int a = pick(0, 3);
            bar->triggerAction(kActions[a]);
            return bar->objectName().toStdString() + " action " + std::to_string(a);
        }
        if (kind < 880) {
            const char* b = kMoves[pick(0, 3)];
            rig_.find<QPushButton>(b)->click();
            return b;
        }
        if (kind < 999 || helps_ >= 5) {
            rig_.find<QPushButton>("beamButton")->click();
            return "Beam";
        }
        ++helps_;
        rig_.window->helpCommand().run();
        QCoreApplication::processEvents();  // the posted F1
        if (auto* viewer = rig_.window->helpCommand().viewer()) viewer->close();
        return "Help";
    }

    void check(const std::string& after) {
        SCOPED_TRACE("after " + after);
        const SimState& s = rig_.window->session().state();
        // Coarse radius, coarse mass, fine radius, fine mass, each shown beside its bar.
        int h[4];
        for (size_t i = 0; i < 4; ++i) {
            h[i] = rig_.bar(testing::nameShowing(kAllBars[i]))->value();
            ASSERT_EQ(rig_.text(testing::nameShowing(positionOf(kAllBars[i]))).toInt(), h[i]);
        }
        ASSERT_EQ(s.coarseRadius, scaled(s.presetRadius, h[0]));
        ASSERT_EQ(s.coarseMass, scaled(s.presetMass, h[1]));
        ASSERT_EQ(s.radius, (h[2] - 50) * (s.coarseRadius / 100) + s.coarseRadius);
        ASSERT_EQ(s.mass, (h[3] - 50) * (s.coarseMass / 100) + s.coarseMass);
        ASSERT_TRUE(s.presetRadius == kEarth.radius || s.presetRadius == kSun.radius);
        ASSERT_EQ(s.presetMass, s.presetRadius == kEarth.radius ? kEarth.mass : kSun.mass);

        ASSERT_EQ(rig_.text("radiusValue").toStdString(), numberText(s.radius));
        ASSERT_EQ(rig_.text("massValue").toStdString(), numberText(s.mass));
        const Shown e = expectedFor(s.radius, s.mass);
        ASSERT_EQ(rig_.text("densityValue").toStdString(), e.density);
        ASSERT_EQ(rig_.text("schwarzschildRadiusValue").toStdString(), e.schwarzschild);
        const QColor pair = e.black ? QColor(0, 0, 0) : QColor(136, 136, 136);
        ASSERT_EQ(
            rig_.find<QLabel>("schwarzschildRadiusValue")->palette().color(QPalette::WindowText),
            pair);
        ASSERT_EQ(
            rig_.find<QLabel>("schwarzschildRadiusCaption")->palette().color(QPalette::WindowText),
            pair);
        for (size_t i = 0; i < 4; ++i) {
            ASSERT_EQ(rig_.text(testing::nameShowing(kCurvatureValues[i])).toStdString(),
                      e.curvatures[2 * i]);
            ASSERT_EQ(rig_.text(testing::nameShowing(kRadiusOfCurvatureValues[i])).toStdString(),
                      e.curvatures[2 * i + 1]);
        }

        ASSERT_EQ(rig_.text("beamStartValue").toInt(), s.beamY.value());
        ASSERT_GE(s.beamY.value(), 50);
        ASSERT_LE(s.beamY.value(), 6150);
        ASSERT_EQ((s.beamY.value() - 1500) % 50, 0);
        ASSERT_EQ(s.beamX.value(), 8100);
        ASSERT_EQ(s.markerY, s.beamY.value());
        ASSERT_EQ(rig_.window->faultNotice().count(), 0)
            << rig_.window->faultNotice().lastMessage().toStdString();
    }

  private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

    WindowRig rig_;
    QTemporaryDir helpFolder_;
    std::mt19937 random_;
    int helps_ = 0;
};

// A whole number from the environment, or the fallback when the variable is
// not set; anything else that is not a whole number is an error.
std::optional<unsigned> settingFromEnvironment(const char* name, unsigned fallback) {
    const char* text = std::getenv(name);
    if (!text) return fallback;
    unsigned value = 0;
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    if (error != std::errc() || stop != end || stop == text) return std::nullopt;
    return value;
}

TEST(RandomizedSession, EveryEventKeepsTheWindowConsistent) {
    // A fixed default seed, so that a failure in CI reruns exactly; set
    // KORVATH_SEED to explore other sessions.
    constexpr unsigned kDefaultSeed = 20261207;
    const auto seed = settingFromEnvironment("KORVATH_SEED", kDefaultSeed);
    const auto events = settingFromEnvironment("KORVATH_SESSION_EVENTS", 20000);
    ASSERT_TRUE(seed) << "KORVATH_SEED must be a whole number";
    ASSERT_TRUE(events && *events > 0) << "KORVATH_SESSION_EVENTS must be a positive whole number";
    std::printf("randomized session: seed %u, %u events\n", *seed, *events);
    SCOPED_TRACE("seed " + std::to_string(*seed) +
                 " (rerun with KORVATH_SEED=" + std::to_string(*seed) + ")");
    const int eventCount = static_cast<int>(*events);
    Session session(*seed);
    session.check("the first tick");
    for (int i = 0; i < eventCount && !HasFatalFailure(); ++i) {
        const std::string what = session.step();
        session.check("event " + std::to_string(i) + ": " + what);
    }
}

}  // namespace
}  // namespace korvath
