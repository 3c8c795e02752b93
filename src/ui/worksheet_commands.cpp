// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet_commands.hpp"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "main_window.hpp"
#include "picture_export.hpp"
#include "save_fault.hpp"
#include "take_away.hpp"
#include "worksheet.hpp"

namespace korvath::ui {

WorksheetCommands::WorksheetCommands(MainWindow& window)
    : QObject(&window),
      window_(window),
      print_(new QAction(tr(kPrintCaption), &window)),
      export_(new QAction(tr("&Export worksheet as PDF…"), &window)) {
    print_->setObjectName("printAction");
    print_->setShortcuts(QKeySequence::Print);
    print_->setShortcutContext(Qt::WindowShortcut);
    window.addAction(print_);
    export_->setObjectName("exportWorksheetAction");
    QMenu* menu = window.takeAway().pictureMenu();
    menu->addSeparator();
    menu->addAction(print_);
    menu->addAction(export_);
    connect(print_, &QAction::triggered, this, &WorksheetCommands::print);
    connect(export_, &QAction::triggered, this, &WorksheetCommands::exportPdf);
}

WorksheetContent WorksheetCommands::content() const {
    return {window_.session(), window_.sceneRecording(), pictureArea(window_),
            window_.pictureDescription()};
}

void WorksheetCommands::paint(QPrinter& printer) const {
    QPainter painter(&printer);
    paintWorksheet(painter, QRectF(0, 0, printer.width(), printer.height()), printer.resolution(),
                   content());
}

void WorksheetCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(worksheetPageSize());
    printer.setDocName(tr("Worksheet"));
    QPrintPreviewDialog dialog(&printer, &window_);
    dialog.setObjectName("printPreview");
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* shown) { paint(*shown); });
    dialog.exec();
}

void WorksheetCommands::exportPdf() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(&window_, tr("Export worksheet as PDF"),
                       folder + QStringLiteral("/worksheet.pdf"), tr("PDF document (*.pdf)"));
    dialog.setObjectName("exportWorksheetDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    exportTo(dialog.selectedFiles().constFirst());
}

bool WorksheetCommands::exportTo(const QString& file) {
    const QString fault = writeWorksheet(content(), QFile::encodeName(file));
    if (fault.isEmpty()) return true;
    showWriteFault(window_, tr("Export worksheet as PDF"), fault, "exportFault");
    return false;
}

}  // namespace korvath::ui
