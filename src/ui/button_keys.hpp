// SPDX-License-Identifier: GPL-3.0-or-later
// Return and Enter press the push button that has the focus, as Space does.
// Qt's push buttons answer Return only in dialogs; in the main window a user
// who tabs to "Beam" and presses Return expects the beam. (A button made
// auto-default answers it in a main window too, but with Ctrl or Shift
// held as well, and is drawn as the default button while it has the focus.)
#pragma once

#include <QObject>

class QPushButton;

namespace korvath::ui {

class ReturnPressesButton final : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    // Watches `button`; one filter serves any number of buttons.
    void watch(QPushButton* button);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace korvath::ui
