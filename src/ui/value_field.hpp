// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only field that shows one value: plain text in a sunken one-pixel
// frame, left-aligned and vertically centred; Tab passes it by. A click makes
// its text selectable (and copyable with the mouse or the keyboard) until it
// loses the focus: a selectable label lays its text out a pixel apart, so a
// field no one is selecting in keeps the plain look.
// No character is ever hidden without a mark: the value, given with
// setFittedText, is fitted as every label of the window is (text_fit.hpp),
// and text() is always the whole value.
#pragma once

#include "text_fit.hpp"

namespace korvath::ui {

class ValueField final : public FittedLabel {
    Q_OBJECT
  public:
    explicit ValueField(QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Back to the plain look: no selection, no focus.
    void stopSelecting();
};

}  // namespace korvath::ui
