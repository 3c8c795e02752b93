// SPDX-License-Identifier: GPL-3.0-or-later
// The window's worksheet: Print… (the platform's Print keys, Ctrl+P) in Qt's
// print dialog with its preview, and Export worksheet as PDF…, both in the
// Picture menu. They print what the window shows now.
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

class QAction;
class QPrinter;

namespace korvath::ui {

class MainWindow;
struct WorksheetContent;

inline constexpr const char* kPrintCaption =
    QT_TRANSLATE_NOOP("korvath::ui::WorksheetCommands", "&Print…");

class WorksheetCommands final : public QObject {
    Q_OBJECT
  public:
    explicit WorksheetCommands(MainWindow& window);

    QAction* printAction() const { return print_; }
    QAction* exportAction() const { return export_; }

    // Shows the print preview, from which the worksheet is printed.
    void print();
    // Asks for a PDF file and writes the worksheet there.
    void exportPdf();
    // Writes the worksheet to `file`; a failure is shown in a message that
    // says why. Returns false on a failure.
    bool exportTo(const QString& file);
    // Paints the worksheet on `printer`'s page.
    void paint(QPrinter& printer) const;

  private:
    WorksheetContent content() const;

    MainWindow& window_;
    QAction* print_;
    QAction* export_;
};

}  // namespace korvath::ui
