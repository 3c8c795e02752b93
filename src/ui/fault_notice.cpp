// SPDX-License-Identifier: GPL-3.0-or-later
#include "fault_notice.hpp"

#include <QCoreApplication>

#include "fault_text.hpp"
#include "main_window_layout.hpp"

namespace korvath::ui {

void FaultNotice::report(const Fault& fault) {
    ++count_;
    last_ = faultText(fault);
    if (!box_) {
        box_ = new QMessageBox(QMessageBox::Warning,
                               QCoreApplication::translate("MainWindow", kMainWindowTitle), last_,
                               QMessageBox::Ok, parent_);
        box_->setObjectName("faultNotice");
        box_->setWindowModality(Qt::NonModal);
    }
    box_->setText(last_);
    box_->show();
    box_->raise();
}

}  // namespace korvath::ui
