// SPDX-License-Identifier: GPL-3.0-or-later
// The window's commands for taking values and the picture away: every value
// field selectable and copyable, "Copy all values" (Ctrl+Shift+C and the value
// column's context menu), and on the picture "Copy picture" (Ctrl+C while it
// has the focus) and "Save picture…" (PNG or SVG).
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QPoint;

namespace korvath::ui {

class MainWindow;

class TakeAway final : public QObject {
    Q_OBJECT
  public:
    explicit TakeAway(MainWindow& window);

    QAction* copyValuesAction() const { return copyValues_; }
    QAction* copyPictureAction() const { return copyPicture_; }
    QAction* savePictureAction() const { return savePicture_; }

    // Puts every value on the clipboard as tab-separated lines.
    void copyValues();
    // Puts the picture on the clipboard as an image and as SVG.
    void copyPicture();
    // Asks for a file in Qt's standard dialog and saves the picture there.
    void savePicture();
    // Saves the picture to `file`; a failure is shown in a message that says
    // why, and nothing else changes. Returns false on a failure.
    bool savePictureTo(const QString& file);

  private:
    void showValueMenu(QWidget* field, const QPoint& at);

    MainWindow& window_;
    QAction* copyValues_;
    QAction* copyPicture_;
    QAction* savePicture_;
};

}  // namespace korvath::ui
