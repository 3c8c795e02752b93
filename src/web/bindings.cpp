// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's JavaScript sees of the simulation: one Session class with
// the window's events and what it shows, and the number text of the model.
// Indices follow the model's enums: ShownValue for value fields, Bar for the
// parameter bars, BeamMove for the move buttons.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include "number_text.hpp"

#include "page_view.hpp"

namespace korvath::web {

namespace {

using emscripten::val;

class Session {
  public:
    Session() { s_.addView(view_); }
    // The session starts loaded; kept for the page's start-up sequence.
    void load() {}
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

    // What the picture shows, for the page to word: {computed, ratio (the
    // Schwarzschild radius over the body's, to two figures), circle,
    // beamStart, ray: null or {outcome, edge, degrees, steps, swingsRound}};
    // the enums as their indices.
    val picture() const {
        const PictureDescription& d = view_.picture();
        val o = val::object();
        o.set("computed", d.computed);
        o.set("ratio", twoFigures(d.schwarzschildRatio));
        o.set("circle", static_cast<int>(d.circle));
        o.set("beamStart", d.beamStart);
        if (d.ray) {
            val r = val::object();
            r.set("outcome", static_cast<int>(d.ray->outcome));
            r.set("edge", static_cast<int>(d.ray->edge));
            r.set("degrees", static_cast<int>(std::lround(std::abs(d.ray->turningDegrees))));
            r.set("steps", d.ray->steps);
            r.set("swingsRound", d.ray->swingsRound());
            o.set("ray", r);
        } else {
            o.set("ray", val::null());
        }
        return o;
    }

    std::string text(int value) const {
        return validValue(value) ? s_.text(static_cast<ShownValue>(value)) : std::string();
    }
    int barValue(int bar) const { return validBar(bar) ? s_.bar(toBar(bar)) : 0; }
    int schwarzschildMark() const { return static_cast<int>(s_.schwarzschildMark()); }

    // Faults since the last call, as objects {kind, arithmetic, value, segments, pass};
    // kind and arithmetic are the enums' indices.
    val takeFaults() {
        val list = val::array();
        for (const Fault& f : view_.takeFaults()) {
            val o = val::object();
            o.set("kind", static_cast<int>(f.kind));
            o.set("arithmetic", static_cast<int>(f.arithmetic));
            o.set("value", f.value);
            o.set("segments", f.segments);
            o.set("pass", f.pass);
            list.call<void>("push", o);
        }
        return list;
    }

    // The picture: the canvas's size in device pixels, device pixels per
    // scene unit and the line width; then its pixels as RGBA bytes (a view
    // into the module's memory, valid until the next call into it).
    void setCanvas(int width, int height, double pixelsPerUnit, int lineWidth) {
        view_.surface().setGeometry(width, height, pixelsPerUnit, lineWidth);
    }
    bool takePictureChanged() { return view_.surface().takeChanged(); }
    val pixels() {
        const auto& p = view_.surface().pixels();
        return val(emscripten::typed_memory_view(p.size() * 4,
                                                 reinterpret_cast<const std::uint8_t*>(p.data())));
    }
    void keepJournal(bool on) { view_.surface().keepJournal(on); }
    std::string takeJournal() { return view_.surface().takeJournal(); }

  private:
    // A ratio rounded to two significant figures, as the desktop words it.
    static double twoFigures(double value) {
        char buffer[32];
        char* const end = std::to_chars(buffer, buffer + sizeof buffer - 1, value,
                                        std::chars_format::scientific, 1)
                              .ptr;
        *end = '\0';
        return std::strtod(buffer, nullptr);  // the C locale's "." in the WebAssembly build
    }
    static bool validBar(int bar) { return bar >= 0 && bar < 4; }
    static bool validValue(int v) { return v >= 0 && v < kShownValueCount; }
    static Bar toBar(int bar) { return static_cast<Bar>(bar); }

    korvath::Session s_;
    PageView view_;
};

std::string fieldName(int value) {
    return value >= 0 && value < kShownValueCount
               ? std::string(valueFieldName(static_cast<ShownValue>(value)))
               : std::string();
}

std::string nameOfBar(int bar) {
    return bar >= 0 && bar < 4 ? std::string(barName(static_cast<Bar>(bar))) : std::string();
}

std::string numberTextWith(double value, const std::string& separator) {
    return numberText(value, separator);
}

}  // namespace

EMSCRIPTEN_BINDINGS(korvath) {
    using namespace emscripten;
    class_<Session>("Session")
        .constructor<>()
        .function("load", &Session::load)
        .function("tick", &Session::tick)
        .function("clickEarth", &Session::clickEarth)
        .function("clickSun", &Session::clickSun)
        .function("moveBar", &Session::moveBar)
        .function("moveBeam", &Session::moveBeam)
        .function("beam", &Session::beam)
        .function("setBeamStart", &Session::setBeamStart)
        .function("body", &Session::body)
        .function("picture", &Session::picture)
        .function("text", &Session::text)
        .function("barValue", &Session::barValue)
        .function("schwarzschildMark", &Session::schwarzschildMark)
        .function("takeFaults", &Session::takeFaults)
        .function("setCanvas", &Session::setCanvas)
        .function("takePictureChanged", &Session::takePictureChanged)
        .function("pixels", &Session::pixels)
        .function("keepJournal", &Session::keepJournal)
        .function("takeJournal", &Session::takeJournal);
    function("valueFieldName", &fieldName);
    function("barName", &nameOfBar);
    function("numberText", &numberTextWith);
    constant("valueCount", kShownValueCount);
}

}  // namespace korvath::web
