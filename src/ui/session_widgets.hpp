// SPDX-License-Identifier: GPL-3.0-or-later
// The window's widgets that show a session's state: the value fields with the
// marked Schwarzschild pair, and the four parameter bars. Showing the state
// never re-enters the session: the bars are set without their change signal.
#pragma once

#include <QColor>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QScrollBar>
#include <array>
#include <functional>

#include "session.hpp"

namespace korvath::ui {

class ValueField;

// The least contrast a dimmed text keeps against its background (WCAG 2, AA).
inline constexpr double kMinimumContrast = 4.5;
// WCAG 2 contrast ratio of two colours, 1 (same luminance) to 21.
double contrastRatio(const QColor& a, const QColor& b);
// A palette with light text on a darker window.
bool isDarkPalette(const QPalette& palette);

// The seventeen value fields, each showing its text with the user's decimal
// separator, and the Schwarzschild radius with its caption, marked inside or
// outside.
class ValueFields final {
  public:
    void bind(ShownValue id, ValueField* field) { fields_[static_cast<size_t>(id)] = field; }
    // The caption and the value that are marked inside or outside.
    void bindSchwarzschildPair(QLabel* caption, QLabel* value);
    ValueField* field(ShownValue id) const { return fields_[static_cast<size_t>(id)]; }
    SchwarzschildMark schwarzschildMark() const { return mark_; }

    // Shows the session's texts (only those that changed) and its mark.
    void show(const Session& session);
    // Applies the mark again, for example after the palette changed.
    void refreshSchwarzschildMark();

  private:
    void applyMark();

    std::array<ValueField*, kShownValueCount> fields_{};
    std::array<std::string, kShownValueCount> shown_;  // the texts as the session gave them
    QLabel* schwarzschildCaption_ = nullptr;
    QLabel* schwarzschildValue_ = nullptr;
    SchwarzschildMark mark_ = SchwarzschildMark::NotComputed;
};

// The four parameter bars. A position the user sets goes to `moved`; the
// session's positions are shown without raising the change signal.
class BarControls final : public QObject {
    Q_OBJECT
  public:
    using Moved = std::function<void(Bar, int position)>;

    void bind(Bar bar, QScrollBar* scrollBar);
    void onMoved(Moved handler) { moved_ = std::move(handler); }
    QScrollBar* scrollBar(Bar bar) const { return bars_[static_cast<size_t>(barIndex(bar))]; }

    void show(const Session& session);

  private:
    std::array<QScrollBar*, 4> bars_{};
    Moved moved_;
};

}  // namespace korvath::ui
