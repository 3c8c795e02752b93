// SPDX-License-Identifier: GPL-3.0-or-later
#include "value_field.hpp"

#include <QFocusEvent>
#include <QMouseEvent>

namespace korvath::ui {

ValueField::ValueField(QWidget* parent) : FittedLabel(parent) {
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

void ValueField::mousePressEvent(QMouseEvent* event) {
    // Selecting starts with this press: the field takes the focus (for the
    // keyboard) and its text control takes the press.
    if (textInteractionFlags() == Qt::NoTextInteraction) {
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setFocusPolicy(Qt::ClickFocus);
        setFocus(Qt::MouseFocusReason);
    }
    FittedLabel::mousePressEvent(event);
}

void ValueField::focusOutEvent(QFocusEvent* event) {
    FittedLabel::focusOutEvent(event);
    // A context menu keeps the selection for its "Copy".
    if (event->reason() != Qt::PopupFocusReason) stopSelecting();
}

}  // namespace korvath::ui
