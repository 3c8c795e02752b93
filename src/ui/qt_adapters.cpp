#include "qt_adapters.hpp"

#include <QPalette>
#include <QSignalBlocker>

#include "number_display.hpp"
#include "value_field.hpp"

namespace korvath::ui {

namespace {

// On a light palette: grey (128, 128, 128) before the first recomputation,
// a lighter grey (136, 136, 136) while the body lies outside its
// Schwarzschild radius, black when it lies inside.
QColor markColour(SchwarzschildMark mark) {
    switch (mark) {
        case SchwarzschildMark::NotComputed:
            return QColor(128, 128, 128);
        case SchwarzschildMark::Outside:
            return QColor(136, 136, 136);
        case SchwarzschildMark::Inside:
            return QColor(0, 0, 0);
    }
    return {};
}

}  // namespace

void QtValueDisplay::setText(ShownValue id, const std::string& text) {
    field(id)->setText(localizedNumber(text));
}

std::string QtValueDisplay::text(ShownValue id) const {
    return field(id)->text().toStdString();
}

void QtValueDisplay::bindSchwarzschildPair(QLabel* caption, QLabel* value) {
    schwarzschildCaption_ = caption;
    schwarzschildValue_ = value;
    applyMark();
}

void QtValueDisplay::showInsideSchwarzschild(bool inside) {
    mark_ = inside ? SchwarzschildMark::Inside : SchwarzschildMark::Outside;
    applyMark();
}

void QtValueDisplay::refreshSchwarzschildMark() {
    applyMark();
}

void QtValueDisplay::applyMark() {
    for (QLabel* l : {schwarzschildCaption_, schwarzschildValue_}) {
        if (!l) continue;
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, markColour(mark_));
        l->setPalette(palette);
    }
}

void QtParameterBars::bind(Bar bar, QScrollBar* scrollBar) {
    const auto i = static_cast<size_t>(barIndex(bar));
    bars_[i] = scrollBar;
    committed_[i] = static_cast<std::int16_t>(scrollBar->value());
    // Arrow and page clicks, the keyboard, the wheel and a released thumb all
    // change the value; with tracking off, dragging the thumb does not.
    connect(scrollBar, &QScrollBar::valueChanged, this, [this, bar, i](int v) {
        const std::int16_t previous = committed_[i];
        committed_[i] = static_cast<std::int16_t>(v);
        if (userMoved_) userMoved_(bar, previous);
    });
}

std::int16_t QtParameterBars::value(Bar bar) const {
    return static_cast<std::int16_t>(scrollBar(bar)->value());
}

void QtParameterBars::setValue(Bar bar, std::int16_t value) {
    QScrollBar* s = scrollBar(bar);
    const QSignalBlocker quiet(s);
    s->setValue(value);
    committed_[static_cast<size_t>(barIndex(bar))] = static_cast<std::int16_t>(s->value());
}

}  // namespace korvath::ui
