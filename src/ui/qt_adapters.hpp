// SPDX-License-Identifier: GPL-3.0-or-later
// The model's view of the window's value fields and parameter bars, on Qt widgets.
#pragma once

#include <QColor>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QScrollBar>
#include <array>
#include <functional>

#include "parameter_bars.hpp"
#include "value_display.hpp"

namespace korvath::ui {

class ValueField;

// How the Schwarzschild radius and its caption are marked.
enum class SchwarzschildMark { NotComputed, Outside, Inside };

// The least contrast a dimmed text keeps against its background (WCAG 2, AA).
inline constexpr double kMinimumContrast = 4.5;
// WCAG 2 contrast ratio of two colours, 1 (same luminance) to 21.
double contrastRatio(const QColor& a, const QColor& b);
// A palette with light text on a darker window.
bool isDarkPalette(const QPalette& palette);

class QtValueDisplay final : public ValueDisplay {
  public:
    void bind(ShownValue id, ValueField* field) { fields_[static_cast<size_t>(id)] = field; }
    // The caption and the value that are marked inside or outside.
    void bindSchwarzschildPair(QLabel* caption, QLabel* value);
    ValueField* field(ShownValue id) const { return fields_[static_cast<size_t>(id)]; }
    SchwarzschildMark schwarzschildMark() const { return mark_; }
    // Applies the mark again, for example after the palette changed.
    void refreshSchwarzschildMark();

    void setText(ShownValue id, const std::string& text) override;
    std::string text(ShownValue id) const override;
    void showInsideSchwarzschild(bool inside) override;

  private:
    void applyMark();

    std::array<ValueField*, kShownValueCount> fields_{};
    QLabel* schwarzschildCaption_ = nullptr;
    QLabel* schwarzschildValue_ = nullptr;
    SchwarzschildMark mark_ = SchwarzschildMark::NotComputed;
};

// The four parameter bars. A value set by the model changes the bar without
// raising its change event (the model runs the handler itself); a value the
// user sets is reported with the value the bar held before.
class QtParameterBars final : public QObject, public ParameterBars {
    Q_OBJECT
  public:
    using UserMoved = std::function<void(Bar, std::int16_t previous)>;

    void bind(Bar bar, QScrollBar* scrollBar);
    void onUserMoved(UserMoved handler) { userMoved_ = std::move(handler); }
    QScrollBar* scrollBar(Bar bar) const { return bars_[static_cast<size_t>(barIndex(bar))]; }

    std::int16_t value(Bar bar) const override;
    void setValue(Bar bar, std::int16_t value) override;

  private:
    std::array<QScrollBar*, 4> bars_{};
    std::array<std::int16_t, 4> committed_{};  // the value each bar last reported
    UserMoved userMoved_;
};

}  // namespace korvath::ui
