// A read-only field that shows one value: plain text in a sunken one-pixel
// frame, left-aligned and vertically centred, never taking the focus.
#pragma once

#include <QLabel>

namespace korvath::ui {

class ValueField final : public QLabel {
    Q_OBJECT
  public:
    explicit ValueField(QWidget* parent) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(1);
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setTextInteractionFlags(Qt::NoTextInteraction);
        setFocusPolicy(Qt::NoFocus);
    }
};

}  // namespace korvath::ui
