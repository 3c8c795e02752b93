// SPDX-License-Identifier: GPL-3.0-or-later
// The recomputation and the Beam press on the real window: Qt labels and the
// ScenePicture drawing surface, headless on the offscreen platform.
//
// ScenePicture keeps one QPainter open across drawing calls and closes it when
// its image is read or painted. Every timed iteration therefore ends by
// reading the image, which is the least that showing the result costs; that
// way each iteration opens and closes the painter once, as a shown scene does.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QSettings>
#include <QStandardPaths>
#include <QWindow>
#include <algorithm>
#include <string>
#include <variant>

#include "bodies.hpp"
#include "main_window.hpp"
#include "ray_commands.hpp"
#include "scene_picture.hpp"
#include "zoom.hpp"

namespace korvath::bench {
namespace {

using ui::MainWindow;

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
  public:
    long count = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return QObject::eventFilter(watched, event);
    }
};

// A main window as the user has it after the first timer tick (shown,
// exposed, the Earth computed and drawn), then with the given body computed
// and drawn once.
class ShownWindow {
  public:
    explicit ShownWindow(const Body& b) {
        error_ = checkSteps(b).error;
        if (error_.empty()) start();
        if (error_.empty()) prepare(b);
    }

    MainWindow& operator*() { return window_; }
    MainWindow* operator->() { return &window_; }
    // True, with the benchmark skipped, when the window is not ready to be measured.
    bool failed(benchmark::State& state) const {
        if (error_.empty()) return false;
        state.SkipWithError(error_.c_str());
        return true;
    }

  private:
    void start() {
        window_.show();
        QElapsedTimer waited;
        waited.start();
        while (!(window_.windowHandle() && window_.windowHandle()->isExposed()) &&
               waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
        if (!window_.windowHandle() || !window_.windowHandle()->isExposed()) {
            error_ = "the window was not exposed";
            return;
        }
        // The first tick, as the window's timer would run it.
        window_.session().start();
        if (window_.session().computeCount() != 1) {
            error_ = "the first tick drew nothing";
            return;
        }
        window_.picture()->image();
        QCoreApplication::processEvents();
    }

    // Sets the body and recomputes it once, untimed.
    void prepare(const Body& b) {
        if (!window_.session().choose({b.radius, b.mass})) {
            error_ = "the body cannot be computed";
            return;
        }
        window_.picture()->image();
    }

    MainWindow window_;
    std::string error_;
};

// One recomputation with everything it shows: the 14 value labels and their
// colours, the scene and the beam-start marker, then the image read.
void BM_ComputeAndDraw(benchmark::State& state, BodyId id) {
    const Body b = body(id);
    ShownWindow window(b);
    if (window.failed(state)) return;
    std::string error;
    Session& sim = window->session();
    ui::ScenePicture* picture = window->picture();
    const long countBefore = sim.computeCount();
    for (auto _ : state) {
        if (!sim.choose({b.radius, b.mass})) {
            error = "the body cannot be computed";
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(picture->image().constBits());
    }
    if (!state.error_occurred() &&
        sim.computeCount() - countBefore != static_cast<long>(state.iterations()))
        state.SkipWithError("a recomputation did not complete");
    state.counters["steps"] = checkSteps(b).steps;
}

// The same, then the window's pending repaints, as the event loop would run
// them next: the changed labels and the picture painted into the window's
// backing store. Informative: it shows what reaching the screen adds.
void BM_ComputeAndShow(benchmark::State& state, BodyId id) {
    const Body b = body(id);
    ShownWindow window(b);
    if (window.failed(state)) return;
    std::string error;
    QCoreApplication::processEvents();
    PaintCounter paints;
    window->picture()->installEventFilter(&paints);
    Session& sim = window->session();
    for (auto _ : state) {
        if (!sim.choose({b.radius, b.mass})) {
            error = "the body cannot be computed";
            state.SkipWithError(error.c_str());
            break;
        }
        QCoreApplication::processEvents();
    }
    window->picture()->removeEventFilter(&paints);
    // Every recomputation must have reached the picture, or this measured less
    // than it claims.
    if (!state.error_occurred() && paints.count < static_cast<long>(state.iterations()))
        state.SkipWithError("the picture was not painted after every recomputation");
    state.counters["steps"] = checkSteps(b).steps;
}

// The bare arithmetic of BM_Search, timed right after the scene has been
// drawn (untimed), which is where every recomputation but the first finds
// itself. Against BM_Search it shows how much the drawing done just before
// slows the arithmetic that follows.
void BM_SearchAfterDrawing(benchmark::State& state, BodyId id) {
    const Body b = body(id);
    ShownWindow window(b);
    if (window.failed(state)) return;
    std::string error;
    const auto first = deriveBody(b.radius, b.mass);
    const double rs = std::get<BodyQuantities>(first).search.schwarzschildRadius;
    ui::ScenePicture* picture = window->picture();
    Scene scene(*picture);
    const MarkerPlace marker{VariantNumber::int16(kBeamStartX), kBeamStartY};
    double radius = b.radius;
    double mass = b.mass;
    for (auto _ : state) {
        state.PauseTiming();
        scene.drawScene(b.radius, rs);
        scene.drawBeamMarker(marker, marker);
        benchmark::DoNotOptimize(picture->image().constBits());
        state.ResumeTiming();
        benchmark::DoNotOptimize(radius);
        benchmark::DoNotOptimize(mass);
        auto derived = deriveBody(radius, mass);
        benchmark::DoNotOptimize(derived);
        if (!std::holds_alternative<BodyQuantities>(derived)) {
            error = "the body cannot be computed";
            state.SkipWithError(error.c_str());
            break;
        }
    }
    state.counters["steps"] = checkSteps(b).steps;
}

// One press of "Beam": the recomputation, then the light ray traced and drawn
// from the beam start, then the image read.
void BM_BeamPress(benchmark::State& state, BodyId id) {
    constexpr size_t kExpectedSegments = 402;
    const Body b = body(id);
    ShownWindow window(b);
    if (window.failed(state)) return;
    std::string error;
    const SimState& s = window->session().state();
    if ((s.beamX.value() != kBeamStartX || s.beamY.value() != kBeamStartY))
        error = "the beam does not start where the window starts it";
    else {
        const RayPath first = window->session().trace();
        if (first.segments.size() != kExpectedSegments)
            error = "the trace has " + std::to_string(first.segments.size()) + " segments, not " +
                    std::to_string(kExpectedSegments);
        window->picture()->image();
    }
    if (!error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    Session& sim = window->session();
    ui::ScenePicture* picture = window->picture();
    for (auto _ : state) {
        const RayPath& r = sim.trace();
        if (r.segments.size() != kExpectedSegments) {
            error = "the trace has " + std::to_string(r.segments.size()) + " segments";
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(picture->image().constBits());
    }
    state.counters["segments"] = kExpectedSegments;
}

// One frame of a travelling ray (the Earth's, 402 segments in two seconds):
// the segments due by the frame drawn, and the window painted. The target
// is under 2 ms of processor time a frame (README, Speed); a new ray starts,
// untimed, whenever one ends.
void BM_RayFrame(benchmark::State& state) {
    ShownWindow window(body(BodyId::Earth));
    if (window.failed(state)) return;
    ui::RayCommands& rays = window->rayCommands();
    rays.animateAction()->setChecked(true);
    double elapsedMs = 0;
    long frames = 0, raysDrawn = 0;
    const auto newRay = [&] {
        window->session().trace();
        rays.frameTimer().stop();  // the benchmark is the clock
        elapsedMs = 0;
        ++raysDrawn;
        QCoreApplication::processEvents();
    };
    newRay();
    for (auto _ : state) {
        elapsedMs += 1000.0 / 60;
        const bool travelling = rays.animatedScene().advance(elapsedMs);
        QCoreApplication::processEvents();  // the frame painted
        ++frames;
        if (!travelling) {
            state.PauseTiming();
            newRay();
            state.ResumeTiming();
        }
    }
    state.counters["frames_per_ray"] = static_cast<double>(frames) / std::max(1L, raysDrawn);
}

// One zoom step with the Earth's traced ray on the picture: every control
// laid out and given its font at the new zoom, the picture drawn again from
// the recording, and the window painted. The steps go up from 100 % to
// 400 % and back down. The target is under 50 ms a step (README, Speed);
// the slowest step and the share of the layout (before the paint) are
// reported too.
void BM_ZoomStep(benchmark::State& state) {
    QSettings().remove("window/zoom");
    const Body b = body(BodyId::Earth);
    ShownWindow window(b);
    if (window.failed(state)) return;
    window->session().trace();
    window->picture()->image();
    QCoreApplication::processEvents();
    const auto steps = ui::zoomSteps();
    size_t at = 0;
    int direction = 1;
    double slowestMs = 0, layoutMs = 0;
    QElapsedTimer step;
    for (auto _ : state) {
        if (at + direction >= steps.size()) direction = -direction;
        at += direction;
        step.start();
        window->setZoom(steps[at]);
        benchmark::DoNotOptimize(window->picture()->image().constBits());
        layoutMs += step.nsecsElapsed() / 1e6;
        QCoreApplication::processEvents();
        slowestMs = std::max(slowestMs, step.nsecsElapsed() / 1e6);
    }
    QSettings().remove("window/zoom");
    const double n = std::max<double>(1, state.iterations());
    state.counters["slowest_ms"] = slowestMs;
    state.counters["layout_ms"] = layoutMs / n;
}

#define KORVATH_BODY_BENCHMARKS(fn)                                             \
    BENCHMARK_CAPTURE(fn, Earth, BodyId::Earth)->Unit(benchmark::kMicrosecond); \
    BENCHMARK_CAPTURE(fn, Sun, BodyId::Sun)->Unit(benchmark::kMicrosecond);     \
    BENCHMARK_CAPTURE(fn, LongestShrinking, BodyId::LongestShrinking)           \
        ->Unit(benchmark::kMicrosecond);                                        \
    BENCHMARK_CAPTURE(fn, LongestGrowing, BodyId::LongestGrowing)->Unit(benchmark::kMicrosecond)

KORVATH_BODY_BENCHMARKS(BM_ComputeAndDraw);
KORVATH_BODY_BENCHMARKS(BM_ComputeAndShow);
KORVATH_BODY_BENCHMARKS(BM_SearchAfterDrawing);
BENCHMARK_CAPTURE(BM_BeamPress, Earth, BodyId::Earth)->Unit(benchmark::kMicrosecond);
// Sixteen steps: 100 % to 400 % and back.
BENCHMARK(BM_RayFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZoomStep)->Iterations(16)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvath::bench
