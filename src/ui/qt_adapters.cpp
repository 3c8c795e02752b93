#include "qt_adapters.hpp"

#include <QPalette>
#include <QSignalBlocker>

namespace korvath::ui {

void QtLabels::setText(LabelId id, const std::string& text) {
    label(id)->setText(QString::fromStdString(text));
}

std::string QtLabels::text(LabelId id) const {
    return label(id)->text().toStdString();
}

void QtLabels::setColor(LabelId id, Color color) {
    QLabel* l = label(id);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, QColor(redOf(color), greenOf(color), blueOf(color)));
    l->setPalette(palette);
}

void QtScrollBars::bind(Bar bar, QScrollBar* scrollBar) {
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

std::int16_t QtScrollBars::value(Bar bar) const {
    return static_cast<std::int16_t>(scrollBar(bar)->value());
}

void QtScrollBars::setValue(Bar bar, std::int16_t value) {
    QScrollBar* s = scrollBar(bar);
    const QSignalBlocker quiet(s);
    s->setValue(value);
    committed_[static_cast<size_t>(barIndex(bar))] = static_cast<std::int16_t>(s->value());
}

}  // namespace korvath::ui
