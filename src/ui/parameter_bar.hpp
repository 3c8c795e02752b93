// SPDX-License-Identifier: GPL-3.0-or-later
// A horizontal parameter scroll bar that answers the keyboard as desktop
// scroll bars do: Right and Down one step up, Left and Up one step down,
// Page Down and Page Up a page either way, Home and End to the ends.
// (Qt's own scroll bar turns some of these round.) One notch of the mouse
// wheel moves it one step, as an arrow click does; Qt's own moves three.
#pragma once

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstdlib>

namespace korvath::ui {

class ParameterBar final : public QScrollBar {
    Q_OBJECT
  public:
    explicit ParameterBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
        setTracking(false);  // a dragged thumb counts only when it is released
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const SliderAction action = actionFor(event->key());
        if (action == SliderNoAction || event->modifiers() & ~Qt::KeypadModifier) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        triggerAction(action);
        event->accept();
    }

    // One step per notch (120 eighths of a degree): a wheel that reports
    // finer deltas moves the bar once their sum reaches a notch. Up and left
    // step down, down and right step up, as on Qt's scroll bars; with Ctrl or
    // Shift a notch moves a page. Each step is its own value change, so the
    // model recomputes once per notch. At an end the event is left to the
    // window, which may scroll.
    void wheelEvent(QWheelEvent* event) override {
        event->ignore();
        const QPoint angle = event->angleDelta();
        const bool horizontal = std::abs(angle.x()) > std::abs(angle.y());
        // A mostly vertical delta with a sideways part is not meant for this bar.
        if (!horizontal && angle.x() != 0) return;
        const int delta = horizontal ? angle.x() : angle.y();
        if (delta == 0) return;
        if ((delta > 0) != (wheelDelta_ > 0)) wheelDelta_ = 0;  // the wheel turned round
        const bool up = delta > 0;
        const bool canMove = up ? value() > minimum() : value() < maximum();
        if (!canMove) {
            wheelDelta_ = 0;
            return;
        }
        wheelDelta_ += delta;
        const bool page = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
        const SliderAction action = up ? (page ? SliderPageStepSub : SliderSingleStepSub)
                                       : (page ? SliderPageStepAdd : SliderSingleStepAdd);
        for (; std::abs(wheelDelta_) >= kNotch; wheelDelta_ -= up ? kNotch : -kNotch) {
            if (up ? value() == minimum() : value() == maximum()) {
                wheelDelta_ = 0;
                break;
            }
            triggerAction(action);
        }
        event->accept();
    }

  private:
    static constexpr int kNotch = QWheelEvent::DefaultDeltasPerStep;  // 120
    int wheelDelta_ = 0;

    static SliderAction actionFor(int key) {
        switch (key) {
            case Qt::Key_Right:
            case Qt::Key_Down:
                return SliderSingleStepAdd;
            case Qt::Key_Left:
            case Qt::Key_Up:
                return SliderSingleStepSub;
            case Qt::Key_PageDown:
                return SliderPageStepAdd;
            case Qt::Key_PageUp:
                return SliderPageStepSub;
            case Qt::Key_Home:
                return SliderToMinimum;
            case Qt::Key_End:
                return SliderToMaximum;
            default:
                return SliderNoAction;
        }
    }
};

}  // namespace korvath::ui
