// SPDX-License-Identifier: GPL-3.0-or-later
#include "button_keys.hpp"

#include <QKeyEvent>
#include <QPushButton>

namespace korvath::ui {

void ReturnPressesButton::watch(QPushButton* button) {
    button->installEventFilter(this);
}

bool ReturnPressesButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool returnKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QPushButton*>(watched);
    // Return alone (Enter comes from the keypad); with Ctrl, Alt or Shift it
    // stays free for shortcuts.
    if (!returnKey || !button || (key->modifiers() & ~Qt::KeypadModifier)) return false;
    if (button->isEnabled()) button->click();
    return true;
}

}  // namespace korvath::ui
