// SPDX-License-Identifier: GPL-3.0-or-later
// Shows a fault in a small window that does not block the program: the user
// reads it, closes it or leaves it open, and goes on working.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include "fault.hpp"

namespace korvath::ui {

class FaultNotice final {
  public:
    explicit FaultNotice(QWidget* parent) : parent_(parent) {}
    void report(const Fault& fault);

    int count() const { return count_; }
    QString lastMessage() const { return last_; }
    QMessageBox* box() const { return box_; }

  private:
    QWidget* parent_;
    QPointer<QMessageBox> box_;
    int count_ = 0;
    QString last_;
};

}  // namespace korvath::ui
