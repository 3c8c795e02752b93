// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_widgets.hpp"

#include <QPalette>
#include <QSignalBlocker>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "number_display.hpp"
#include "value_field.hpp"

namespace korvath::ui {

namespace {

// x^2.4 for x in (0, 1]: x^2 times the fifth root of x^2, the root by
// Newton's method from 1, downwards, until it stops falling. Basic operations
// only, like the rest of the program's arithmetic: the same bits everywhere.
double power2_4(double x) {
    const double square = x * x;
    double root = 1;
    for (int i = 0; i < 64; ++i) {
        const double r2 = root * root;
        const double next = (4 * root + square / (r2 * r2)) / 5;
        if (!(next < root)) break;
        root = next;
    }
    return square * root;
}

// WCAG 2 relative luminance of an sRGB colour, 0 (black) to 1 (white).
double relativeLuminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : power2_4((c + 0.055) / 1.055);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

// The colour `share` of the way from `from` to `to`.
QColor blend(const QColor& from, const QColor& to, double share) {
    const QColor a = from.toRgb(), b = to.toRgb();
    const auto mix = [share](int x, int y) { return qRound(x + (y - x) * share); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

// The text colour moved towards the background as far as a contrast of
// kMinimumContrast allows: visibly dimmer, still readable. A text colour
// that has no more contrast than that stays as it is.
QColor dimmedText(const QColor& text, const QColor& background) {
    if (contrastRatio(text, background) <= kMinimumContrast) return text;
    double low = 0, high = 1;  // shares of the way to the background: low is readable
    for (int i = 0; i < 20; ++i) {
        const double mid = (low + high) / 2;
        if (contrastRatio(blend(text, background, mid), background) >= kMinimumContrast)
            low = mid;
        else
            high = mid;
    }
    // Rounding to whole channel values may cost a little contrast: step back.
    QColor dimmed = blend(text, background, low);
    for (double share = low; contrastRatio(dimmed, background) < kMinimumContrast && share > 0;) {
        share = std::max(0.0, share - 0.005);
        dimmed = blend(text, background, share);
    }
    return dimmed;
}

// On a light palette: grey (128, 128, 128) before the first recomputation,
// a lighter grey (136, 136, 136) while the body lies outside its
// Schwarzschild radius, black when it lies inside. On a dark palette black
// would vanish: inside is the palette's own text colour, and before the
// first recomputation and outside the text dimmed as far as stays readable.
QColor markColour(SchwarzschildMark mark, const QPalette& window) {
    if (!isDarkPalette(window)) {
        switch (mark) {
            case SchwarzschildMark::NotComputed:
                return QColor(128, 128, 128);
            case SchwarzschildMark::Outside:
                return QColor(136, 136, 136);
            case SchwarzschildMark::Inside:
                return QColor(0, 0, 0);
        }
    }
    const QColor text = window.color(QPalette::WindowText);
    if (mark == SchwarzschildMark::Inside) return text;
    return dimmedText(text, window.color(QPalette::Window));
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() <
           palette.color(QPalette::WindowText).lightnessF();
}

void ValueFields::show(const Session& session) {
    for (int i = 0; i < kShownValueCount; ++i) {
        const auto id = static_cast<ShownValue>(i);
        std::string& shown = shown_[static_cast<size_t>(i)];
        if (field(id) && shown != session.text(id)) {
            shown = session.text(id);
            field(id)->setFittedText(localizedNumber(shown));
        }
    }
    if (mark_ != session.schwarzschildMark()) {
        mark_ = session.schwarzschildMark();
        applyMark();
    }
}

void ValueFields::bindSchwarzschildPair(QLabel* caption, QLabel* value) {
    schwarzschildCaption_ = caption;
    schwarzschildValue_ = value;
    applyMark();
}

void ValueFields::refreshSchwarzschildMark() {
    applyMark();
}

void ValueFields::applyMark() {
    for (QLabel* l : {schwarzschildCaption_, schwarzschildValue_}) {
        if (!l) continue;
        // The window's palette, not the label's: the label's text colour is ours.
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, markColour(mark_, l->window()->palette()));
        l->setPalette(palette);
    }
}

void BarControls::bind(Bar bar, QScrollBar* scrollBar) {
    bars_[static_cast<size_t>(barIndex(bar))] = scrollBar;
    // Arrow and page clicks, the keyboard, the wheel and a released thumb all
    // change the value; with tracking off, dragging the thumb does not.
    connect(scrollBar, &QScrollBar::valueChanged, this, [this, bar](int position) {
        if (moved_) moved_(bar, position);
    });
}

void BarControls::show(const Session& session) {
    for (Bar b : kAllBars) {
        QScrollBar* s = scrollBar(b);
        if (!s || s->value() == session.bar(b)) continue;
        const QSignalBlocker quiet(s);
        s->setValue(session.bar(b));
    }
}

}  // namespace korvath::ui
