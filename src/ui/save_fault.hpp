// SPDX-License-Identifier: GPL-3.0-or-later
// A file the user asked for that could not be written: a warning that says
// why, over the window but not blocking it, gone once it is closed.
#pragma once

#include <QMessageBox>
#include <QString>

namespace korvath::ui {

inline void showWriteFault(QWidget& window, const QString& title, const QString& fault,
                           const char* objectName) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, fault, QMessageBox::Ok, &window);
    box->setObjectName(QLatin1String(objectName));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->show();
}

}  // namespace korvath::ui
