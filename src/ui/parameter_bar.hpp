// A horizontal parameter scroll bar that answers the keyboard as desktop
// scroll bars do: Right and Down one step up, Left and Up one step down,
// Page Down and Page Up a page either way, Home and End to the ends.
// (Qt's own scroll bar turns some of these round.)
#pragma once

#include <QKeyEvent>
#include <QScrollBar>

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

  private:
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
