// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only field that shows one value: plain text in a sunken one-pixel
// frame, left-aligned and vertically centred; Tab passes it by. A click makes
// its text selectable (and copyable with the mouse or the keyboard) until it
// loses the focus: a selectable label lays its text out a pixel apart, so a
// field no one is selecting in keeps the plain look.
// No character is ever hidden without a mark: a value wider than the field
// (a desktop without a face of Arial's widths, a style sheet) is shown in a
// smaller font, down to kSmallestFontPoints, and only if even that is too
// wide is it shortened with "…", with the whole value as tooltip and as the
// name a screen reader reads. text() is always the whole value.
#pragma once

#include <QLabel>

#include "text_fit.hpp"

namespace korvath::ui {

class ValueField final : public QLabel {
    Q_OBJECT
  public:
    explicit ValueField(QWidget* parent);

    // Hides QLabel::setText: the value is fitted each time it changes.
    void setText(const QString& text);
    // True while the value is shown shortened.
    bool elided() const { return elided_; }

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Back to the plain look: no selection, no focus.
    void stopSelecting();
    void fit();

    FontShrinker shrinker_;
    bool elided_ = false;
    bool fitting_ = false;
};

}  // namespace korvath::ui
