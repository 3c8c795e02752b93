// The model's view of the window's labels and scroll bars, on Qt widgets.
#pragma once

#include <QLabel>
#include <QObject>
#include <QScrollBar>
#include <array>
#include <functional>

#include "interfaces.hpp"

namespace korvath::ui {

class QtLabels final : public Labels {
  public:
    void bind(LabelId id, QLabel* label) { labels_[static_cast<size_t>(id)] = label; }
    QLabel* label(LabelId id) const { return labels_[static_cast<size_t>(id)]; }

    void setText(LabelId id, const std::string& text) override;
    std::string text(LabelId id) const override;
    void setColor(LabelId id, Color color) override;

  private:
    std::array<QLabel*, kLabelCount> labels_{};
};

// The four parameter bars. A value set by the model changes the bar without
// raising its change event (the model runs the handler itself); a value the
// user sets is reported with the value the bar held before.
class QtScrollBars final : public QObject, public ScrollBars {
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
