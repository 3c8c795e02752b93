// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's JavaScript sees of the simulation, as plain C functions
// over one Session at a time (session.js wraps them in a Session class with
// the model's intents, what it shows and what each intent changed, and adds
// the model's number text, the link's setup and the "HELP" window's place).
// Plain functions rather than a binding library keep the glue small and the
// module quick to start: the page's first values wait for it.
// Indices follow the model's enums: ShownValue for value fields, Bar for the
// parameter bars, BeamMove for the move buttons, SetupOption for a setup's
// options. A string result stays valid until the next call that returns one.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "number_text.hpp"
#include "page_view.hpp"
#include "setup.hpp"
#include "splash_place.hpp"

namespace korvath::web {

namespace {

class Session {
  public:
    Session() { s_.addView(view_); }
    void start() { s_.start(); }
    // 0 the Earth, 1 the Sun.
    bool choose(int body) { return s_.choose(body == 1 ? kSun : kEarth); }
    // Like a scroll bar, a position beyond the ends stops at the end.
    bool setBar(int bar, int position) {
        return validBar(bar) &&
               s_.setBar(toBar(bar), std::clamp<int>(position, kBarMinimum, kBarMaximum));
    }
    bool moveBeam(int move) {
        return move >= 0 && move <= 3 && s_.moveBeam(static_cast<BeamMove>(move));
    }
    bool setBeamStart(int height) { return s_.setBeamStart(height); }
    int trace() { return static_cast<int>(s_.trace().segments.size()); }
    // The option of `setup` the session did not reach, or -1 when all hold.
    int apply(const Setup& setup) {
        const auto refused = applySetup(s_, setup);
        return refused ? static_cast<int>(*refused) : -1;
    }

    bool keepRays(bool keep) {
        s_.keepRays(keep);
        return s_.keepsRays();
    }
    bool keepsRays() const { return s_.keepsRays(); }
    bool clearRays() { return s_.clearRays(); }
    int rayCount() const { return static_cast<int>(s_.rays().size()); }

    // What the picture shows, for the page to word: computed, ratio (the
    // Schwarzschild radius over the body's, to two figures), circle, beam
    // start and the number of rays shown; then for each ray, oldest first,
    // its outcome, edge, degrees, steps, whether it swings round, its start
    // and its number; the enums as their indices.
    static constexpr size_t kRayFields = 7;
    const std::array<double, 5 + kRayFields * kMostRaysKept>& picture() {
        const PictureDescription& d = view_.picture();
        picture_ = {d.computed ? 1.0 : 0.0, twoSignificantFigures(d.schwarzschildRatio),
                    static_cast<double>(d.circle), static_cast<double>(d.beamStart)};
        size_t at = 5;
        const auto add = [&](const RayDescription& ray) {
            if (at + kRayFields > picture_.size()) return;
            picture_[at++] = static_cast<double>(ray.outcome);
            picture_[at++] = static_cast<double>(ray.edge);
            picture_[at++] = static_cast<double>(std::lround(std::abs(ray.turningDegrees)));
            picture_[at++] = ray.steps;
            picture_[at++] = ray.swingsRound() ? 1.0 : 0.0;
            picture_[at++] = ray.start;
            picture_[at++] = ray.number;
        };
        for (const RayDescription& ray : d.earlierRays)
            add(ray);
        if (d.ray) add(*d.ray);
        picture_[4] = static_cast<double>((at - 5) / kRayFields);
        return picture_;
    }

    std::string text(int value) const {
        return validValue(value) ? s_.text(static_cast<ShownValue>(value)) : std::string();
    }
    int bar(int bar) const { return validBar(bar) ? s_.bar(toBar(bar)) : 0; }
    int schwarzschildMark() const { return static_cast<int>(s_.schwarzschildMark()); }

    // What changed since the last call, as flags (1 values, 2 bars, 4 the
    // picture, 8 a ray started travelling, 16 a travelling ray ended); its
    // faults are then read one by one, as kind, arithmetic (the enums'
    // indices), value, segments and pass.
    int takeChange() {
        const PageChange change = view_.takeChange();
        faults_ = change.faults;
        return (change.values ? 1 : 0) | (change.bars ? 2 : 0) | (change.picture ? 4 : 0) |
               (change.rayStarted ? 8 : 0) | (change.rayEnded ? 16 : 0);
    }
    int faultCount() const { return static_cast<int>(faults_.size()); }
    const std::array<double, 5>& fault(int i) {
        if (i < 0 || i >= faultCount()) {
            fault_ = {};
            return fault_;
        }
        const Fault& f = faults_[static_cast<size_t>(i)];
        fault_ = {static_cast<double>(f.kind), static_cast<double>(f.arithmetic), f.value,
                  static_cast<double>(f.segments), static_cast<double>(f.pass)};
        return fault_;
    }

    // The link that brings a new session into this one's state: each option
    // as name=value ("body=sun&radius-bars=51,50&...&trace").
    std::string setupQuery() const {
        std::string query;
        for (const auto& [option, value] : givenOptions(setupOf(s_))) {
            if (!query.empty()) query += '&';
            query += setupOptionName(option);
            if (takesValue(option)) query += '=' + value;
        }
        return query;
    }

    // The picture: the canvas's size in device pixels, device pixels per
    // scene unit and the line width; then its pixels as RGBA bytes (a view
    // into the module's memory, valid until the next call into it).
    void setCanvas(int width, int height, double pixelsPerUnit, int lineWidth) {
        view_.setCanvas(width, height, pixelsPerUnit, lineWidth);
    }
    const std::uint8_t* pixels() {
        return reinterpret_cast<const std::uint8_t*>(view_.surface().pixels().data());
    }
    int pixelCount() { return static_cast<int>(view_.surface().pixels().size()); }
    // The pixels painted since the last call: left, top, width, height.
    const std::array<std::int32_t, 4>& takePainted() {
        const RasterSurface::Rect r = view_.surface().takePainted();
        painted_ = {r.left, r.top, r.width, r.height};
        return painted_;
    }
    void keepJournal(bool on) { view_.surface().keepJournal(on); }

    // The travelling ray (PageView).
    void setAnimated(bool on) { view_.setAnimated(on); }
    bool advance(double elapsedMs) { return view_.advance(elapsedMs); }
    void finishRay() { view_.finishRay(); }
    bool travelling() const { return view_.travelling(); }
    std::string takeJournal() { return view_.surface().takeJournal(); }

  private:
    static bool validBar(int bar) { return bar >= 0 && bar < 4; }
    static bool validValue(int v) { return v >= 0 && v < kShownValueCount; }
    static Bar toBar(int bar) { return static_cast<Bar>(bar); }

    korvath::Session s_;
    PageView view_;
    std::array<double, 5 + kRayFields * kMostRaysKept> picture_{};
    std::array<std::int32_t, 4> painted_{};
    std::vector<Fault> faults_;
    std::array<double, 5> fault_{};
};

// The setup the page's link asks for, read option by option.
Setup linkSetup;

// A text given with its length in bytes (it may hold a NUL).
std::string_view text(const char* bytes, int length) {
    return {bytes, static_cast<size_t>(std::max(length, 0))};
}

// The string last returned.
std::string returned;
const char* give(std::string text) {
    returned = std::move(text);
    return returned.c_str();
}

}  // namespace

}  // namespace korvath::web

using korvath::web::give;
using korvath::web::Session;

extern "C" {

EMSCRIPTEN_KEEPALIVE Session* korvath_new() {
    return new Session();
}
EMSCRIPTEN_KEEPALIVE void korvath_delete(Session* s) {
    delete s;
}
EMSCRIPTEN_KEEPALIVE void korvath_start(Session* s) {
    s->start();
}
EMSCRIPTEN_KEEPALIVE int korvath_choose(Session* s, int body) {
    return s->choose(body);
}
EMSCRIPTEN_KEEPALIVE int korvath_set_bar(Session* s, int bar, int position) {
    return s->setBar(bar, position);
}
EMSCRIPTEN_KEEPALIVE int korvath_move_beam(Session* s, int move) {
    return s->moveBeam(move);
}
EMSCRIPTEN_KEEPALIVE int korvath_set_beam_start(Session* s, int height) {
    return s->setBeamStart(height);
}
EMSCRIPTEN_KEEPALIVE int korvath_trace(Session* s) {
    return s->trace();
}
EMSCRIPTEN_KEEPALIVE int korvath_keep_rays(Session* s, int keep) {
    return s->keepRays(keep != 0);
}
EMSCRIPTEN_KEEPALIVE int korvath_keeps_rays(Session* s) {
    return s->keepsRays();
}
EMSCRIPTEN_KEEPALIVE int korvath_clear_rays(Session* s) {
    return s->clearRays();
}
EMSCRIPTEN_KEEPALIVE int korvath_ray_count(Session* s) {
    return s->rayCount();
}
EMSCRIPTEN_KEEPALIVE void korvath_set_animated(Session* s, int on) {
    s->setAnimated(on != 0);
}
EMSCRIPTEN_KEEPALIVE int korvath_advance(Session* s, double elapsedMs) {
    return s->advance(elapsedMs);
}
EMSCRIPTEN_KEEPALIVE void korvath_finish_ray(Session* s) {
    s->finishRay();
}
EMSCRIPTEN_KEEPALIVE int korvath_travelling(Session* s) {
    return s->travelling();
}
EMSCRIPTEN_KEEPALIVE const double* korvath_picture(Session* s) {
    return s->picture().data();
}
EMSCRIPTEN_KEEPALIVE const char* korvath_text(Session* s, int value) {
    return give(s->text(value));
}
EMSCRIPTEN_KEEPALIVE int korvath_bar(Session* s, int bar) {
    return s->bar(bar);
}
EMSCRIPTEN_KEEPALIVE int korvath_schwarzschild_mark(Session* s) {
    return s->schwarzschildMark();
}
EMSCRIPTEN_KEEPALIVE int korvath_take_change(Session* s) {
    return s->takeChange();
}
EMSCRIPTEN_KEEPALIVE int korvath_fault_count(Session* s) {
    return s->faultCount();
}
EMSCRIPTEN_KEEPALIVE const double* korvath_fault(Session* s, int i) {
    return s->fault(i).data();
}
EMSCRIPTEN_KEEPALIVE void korvath_set_canvas(Session* s, int width, int height,
                                             double pixelsPerUnit, int lineWidth) {
    s->setCanvas(width, height, pixelsPerUnit, lineWidth);
}
EMSCRIPTEN_KEEPALIVE const std::uint8_t* korvath_pixels(Session* s) {
    return s->pixels();
}
EMSCRIPTEN_KEEPALIVE int korvath_pixel_count(Session* s) {
    return s->pixelCount();
}
EMSCRIPTEN_KEEPALIVE const std::int32_t* korvath_take_painted(Session* s) {
    return s->takePainted().data();
}
EMSCRIPTEN_KEEPALIVE void korvath_keep_journal(Session* s, int on) {
    s->keepJournal(on != 0);
}
EMSCRIPTEN_KEEPALIVE const char* korvath_take_journal(Session* s) {
    return give(s->takeJournal());
}

// The link's setup: cleared, then read option by option (1 read, 0 a value
// the option does not take, -1 no option of that name), then applied to a
// started session (the name of the option it did not reach, or "").
EMSCRIPTEN_KEEPALIVE void korvath_setup_clear() {
    korvath::web::linkSetup = {};
}
EMSCRIPTEN_KEEPALIVE int korvath_setup_read(const char* name, int nameLength, const char* value,
                                            int valueLength) {
    using korvath::web::text;
    const auto option = korvath::setupOptionNamed(text(name, nameLength));
    if (!option) return -1;
    return korvath::readSetupValue(korvath::web::linkSetup, *option, text(value, valueLength)) ? 1
                                                                                               : 0;
}
EMSCRIPTEN_KEEPALIVE const char* korvath_setup_apply(Session* s) {
    const int refused = s->apply(korvath::web::linkSetup);
    return give(refused < 0 ? std::string()
                            : std::string(korvath::setupOptionName(
                                  static_cast<korvath::SetupOption>(refused))));
}
EMSCRIPTEN_KEEPALIVE const char* korvath_setup_link_query(Session* s) {
    return give(s->setupQuery());
}

// The separator is given as its UTF-8 text.
EMSCRIPTEN_KEEPALIVE const char* korvath_number_text(double value, const char* separator,
                                                     int separatorLength) {
    return give(korvath::numberText(value, korvath::web::text(separator, separatorLength)));
}

// Where the "HELP" window goes on a screen of this size: left, then top.
EMSCRIPTEN_KEEPALIVE const std::int32_t* korvath_splash_place(float width, float height) {
    static std::array<std::int32_t, 2> place;
    try {
        const korvath::help::SplashPlace p = korvath::help::splashPlace(width, height);
        place = {p.left, p.top};
    } catch (const korvath::ArithmeticError&) {
        place = {0, 0};  // a screen no browser has: the window at its corner
    }
    return place.data();
}

}  // extern "C"
