#include "fault_notice.hpp"

#include <QMessageBox>

#include "form1_layout.hpp"

namespace korvath::ui {

void FaultNotice::report(const std::string& message) {
    ++count_;
    last_ = QString::fromStdString(message);
    if (!box_) {
        box_ = new QMessageBox(QMessageBox::Warning,
                               QString::fromUtf8(kForm1Caption.data(), kForm1Caption.size()), last_,
                               QMessageBox::Ok, parent_);
        box_->setObjectName("faultNotice");
        box_->setWindowModality(Qt::NonModal);
    }
    box_->setText(last_);
    box_->show();
    box_->raise();
}

}  // namespace korvath::ui
