// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's JavaScript sees of the simulation, as plain C functions
// over one Session at a time (session.js wraps them in a Session class with
// the window's events and what it shows, and the model's number text).
// Plain functions rather than a binding library keep the glue small and the
// module quick to start: the page's first values wait for it.
// Indices follow the model's enums: ShownValue for value fields, Bar for the
// parameter bars, BeamMove for the move buttons. A string result stays valid
// until the next call that returns one.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include "number_text.hpp"

#include "page_view.hpp"

namespace korvath::web {

namespace {

class Session {
  public:
    Session() { s_.addView(view_); }
    void tick() { s_.start(); }
    void clickEarth() { s_.choose(kEarth); }
    void clickSun() { s_.choose(kSun); }
    // Like a scroll bar, a position beyond the ends stops at the end.
    bool moveBar(int bar, int value) {
        return validBar(bar) &&
               s_.setBar(toBar(bar), std::clamp<int>(value, kBarMinimum, kBarMaximum));
    }
    bool moveBeam(int move) {
        return move >= 0 && move <= 3 && s_.moveBeam(static_cast<BeamMove>(move));
    }
    int beam() { return static_cast<int>(s_.trace().segments.size()); }
    bool setBeamStart(int height) { return s_.setBeamStart(height); }
    // The chosen body: 0 the Earth, 1 the Sun.
    int body() const { return s_.state().presetRadius == kSun.radius ? 1 : 0; }

    // What the picture shows, for the page to word: computed, ratio (the
    // Schwarzschild radius over the body's, to two figures), circle, beam
    // start, whether there is a ray, and the ray's outcome, edge, degrees,
    // steps and whether it swings round; the enums as their indices.
    const std::array<double, 10>& picture() {
        const PictureDescription& d = view_.picture();
        picture_ = {d.computed ? 1.0 : 0.0, twoSignificantFigures(d.schwarzschildRatio),
                    static_cast<double>(d.circle), static_cast<double>(d.beamStart),
                    d.ray ? 1.0 : 0.0};
        if (d.ray) {
            picture_[5] = static_cast<double>(d.ray->outcome);
            picture_[6] = static_cast<double>(d.ray->edge);
            picture_[7] = static_cast<double>(std::lround(std::abs(d.ray->turningDegrees)));
            picture_[8] = d.ray->steps;
            picture_[9] = d.ray->swingsRound() ? 1.0 : 0.0;
        }
        return picture_;
    }

    std::string text(int value) const {
        return validValue(value) ? s_.text(static_cast<ShownValue>(value)) : std::string();
    }
    int barValue(int bar) const { return validBar(bar) ? s_.bar(toBar(bar)) : 0; }
    int schwarzschildMark() const { return static_cast<int>(s_.schwarzschildMark()); }

    // Faults since the last call: their count, then each as kind,
    // arithmetic (the enums' indices), value, segments and pass.
    int takeFaults() {
        faults_ = view_.takeFaults();
        return static_cast<int>(faults_.size());
    }
    const std::array<double, 5>& fault(int i) {
        if (i < 0 || i >= static_cast<int>(faults_.size())) {
            fault_ = {};
            return fault_;
        }
        const Fault& f = faults_[static_cast<size_t>(i)];
        fault_ = {static_cast<double>(f.kind), static_cast<double>(f.arithmetic), f.value,
                  static_cast<double>(f.segments), static_cast<double>(f.pass)};
        return fault_;
    }

    // The picture: the canvas's size in device pixels, device pixels per
    // scene unit and the line width; then its pixels as RGBA bytes (a view
    // into the module's memory, valid until the next call into it).
    void setCanvas(int width, int height, double pixelsPerUnit, int lineWidth) {
        view_.surface().setGeometry(width, height, pixelsPerUnit, lineWidth);
    }
    bool takePictureChanged() { return view_.surface().takeChanged(); }
    const std::uint8_t* pixels() {
        return reinterpret_cast<const std::uint8_t*>(view_.surface().pixels().data());
    }
    int pixelCount() { return static_cast<int>(view_.surface().pixels().size()); }
    void keepJournal(bool on) { view_.surface().keepJournal(on); }
    std::string takeJournal() { return view_.surface().takeJournal(); }

  private:
    static bool validBar(int bar) { return bar >= 0 && bar < 4; }
    static bool validValue(int v) { return v >= 0 && v < kShownValueCount; }
    static Bar toBar(int bar) { return static_cast<Bar>(bar); }

    korvath::Session s_;
    PageView view_;
    std::array<double, 10> picture_{};
    std::vector<Fault> faults_;
    std::array<double, 5> fault_{};
};

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
EMSCRIPTEN_KEEPALIVE void korvath_tick(Session* s) {
    s->tick();
}
EMSCRIPTEN_KEEPALIVE void korvath_choose(Session* s, int sun) {
    sun ? s->clickSun() : s->clickEarth();
}
EMSCRIPTEN_KEEPALIVE int korvath_move_bar(Session* s, int bar, int value) {
    return s->moveBar(bar, value);
}
EMSCRIPTEN_KEEPALIVE int korvath_move_beam(Session* s, int move) {
    return s->moveBeam(move);
}
EMSCRIPTEN_KEEPALIVE int korvath_trace(Session* s) {
    return s->beam();
}
EMSCRIPTEN_KEEPALIVE int korvath_set_beam_start(Session* s, int height) {
    return s->setBeamStart(height);
}
EMSCRIPTEN_KEEPALIVE int korvath_body(Session* s) {
    return s->body();
}
EMSCRIPTEN_KEEPALIVE const double* korvath_picture(Session* s) {
    return s->picture().data();
}
EMSCRIPTEN_KEEPALIVE const char* korvath_text(Session* s, int value) {
    return give(s->text(value));
}
EMSCRIPTEN_KEEPALIVE int korvath_bar_value(Session* s, int bar) {
    return s->barValue(bar);
}
EMSCRIPTEN_KEEPALIVE int korvath_schwarzschild_mark(Session* s) {
    return s->schwarzschildMark();
}
EMSCRIPTEN_KEEPALIVE int korvath_take_faults(Session* s) {
    return s->takeFaults();
}
EMSCRIPTEN_KEEPALIVE const double* korvath_fault(Session* s, int i) {
    return s->fault(i).data();
}
EMSCRIPTEN_KEEPALIVE void korvath_set_canvas(Session* s, int width, int height,
                                             double pixelsPerUnit, int lineWidth) {
    s->setCanvas(width, height, pixelsPerUnit, lineWidth);
}
EMSCRIPTEN_KEEPALIVE int korvath_take_picture_changed(Session* s) {
    return s->takePictureChanged();
}
EMSCRIPTEN_KEEPALIVE const std::uint8_t* korvath_pixels(Session* s) {
    return s->pixels();
}
EMSCRIPTEN_KEEPALIVE int korvath_pixel_count(Session* s) {
    return s->pixelCount();
}
EMSCRIPTEN_KEEPALIVE void korvath_keep_journal(Session* s, int on) {
    s->keepJournal(on != 0);
}
EMSCRIPTEN_KEEPALIVE const char* korvath_take_journal(Session* s) {
    return give(s->takeJournal());
}

EMSCRIPTEN_KEEPALIVE int korvath_value_count() {
    return korvath::kShownValueCount;
}
EMSCRIPTEN_KEEPALIVE const char* korvath_value_field_name(int value) {
    using korvath::ShownValue;
    return give(value >= 0 && value < korvath::kShownValueCount
                    ? std::string(korvath::web::valueFieldName(static_cast<ShownValue>(value)))
                    : std::string());
}
EMSCRIPTEN_KEEPALIVE const char* korvath_bar_name(int bar) {
    return give(bar >= 0 && bar < 4
                    ? std::string(korvath::web::barName(static_cast<korvath::Bar>(bar)))
                    : std::string());
}
// The separator is given as its UTF-8 text.
EMSCRIPTEN_KEEPALIVE const char* korvath_number_text(double value, const char* separator) {
    return give(korvath::numberText(value, separator));
}

}  // extern "C"
