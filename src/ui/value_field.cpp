// SPDX-License-Identifier: GPL-3.0-or-later
#include "value_field.hpp"

#include <QEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace korvath::ui {

ValueField::ValueField(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    stopSelecting();
}

void ValueField::stopSelecting() {
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
}

void ValueField::setText(const QString& text) {
    QLabel::setText(text);
    fit();
}

void ValueField::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if ((event->type() == QEvent::FontChange && shrinker_.noteFontChange(*this)) ||
        event->type() == QEvent::StyleChange)
        fit();
}

void ValueField::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void ValueField::fit() {
    if (fitting_) return;
    fitting_ = true;
    const bool elide = !shrinker_.apply(*this, text());
    if (elide || elide != elided_) {
        setToolTip(elide ? text() : QString());
        setAccessibleName(elide ? text() : QString());
        elided_ = elide;
        update();
    }
    fitting_ = false;
}

void ValueField::mousePressEvent(QMouseEvent* event) {
    // Selecting starts with this press: the field takes the focus (for the
    // keyboard) and its text control takes the press.
    if (textInteractionFlags() == Qt::NoTextInteraction) {
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setFocusPolicy(Qt::ClickFocus);
        setFocus(Qt::MouseFocusReason);
    }
    QLabel::mousePressEvent(event);
}

void ValueField::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    // A context menu keeps the selection for its "Copy".
    if (event->reason() != Qt::PopupFocusReason) stopSelecting();
}

void ValueField::paintEvent(QPaintEvent* event) {
    if (!elided_) {
        QLabel::paintEvent(event);
        return;
    }
    // As QLabel lays out plain text, with the text shortened to its width.
    QPainter painter(this);
    drawFrame(&painter);
    const int width = labelTextWidth(*this, font());
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (align & Qt::AlignRight)
        area.setWidth(width);
    else
        area.setLeft(area.right() + 1 - width);
    style()->drawItemText(&painter, area, int(align), palette(), isEnabled(),
                          fontMetrics().elidedText(text(), Qt::ElideRight, width),
                          foregroundRole());
}

}  // namespace korvath::ui
