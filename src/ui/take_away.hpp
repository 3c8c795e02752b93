// SPDX-License-Identifier: GPL-3.0-or-later
// The window's commands for taking values and the picture away: every value
// field selectable and copyable, "Copy all values" (Ctrl+Shift+C and each
// value field's context menu), and "Copy picture" (Ctrl+C while the picture
// has the focus) and "Save picture…" (the platform's Save keys, Ctrl+S; PNG
// or SVG at a chosen size) in the picture's context menu and in the menu
// bar's Picture menu.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QPoint;

namespace korvath::ui {

class MainWindow;
class ValueField;

// The Picture menu's caption (the web page's menu has it too).
inline constexpr const char* kPictureMenuCaption =
    QT_TRANSLATE_NOOP("korvath::ui::TakeAway", "&Picture");

class TakeAway final : public QObject {
    Q_OBJECT
  public:
    explicit TakeAway(MainWindow& window);

    QAction* copyValuesAction() const { return copyValues_; }
    QAction* copyPictureAction() const { return copyPicture_; }
    QAction* savePictureAction() const { return savePicture_; }
    QMenu* pictureMenu() const { return pictureMenu_; }

    // Puts every value on the clipboard as tab-separated lines.
    void copyValues();
    // Puts the picture on the clipboard as an image and as SVG.
    void copyPicture();
    // Asks for a file and a size in Qt's file dialog and saves the picture
    // there; the size chosen is offered first next time.
    void savePicture();
    // Saves the picture to `file` at `scale` (1 to 8); a failure is shown in
    // a message that says why, and nothing else changes. Returns false on a
    // failure.
    bool savePictureTo(const QString& file, int scale = 1);

  private:
    void showValueMenu(ValueField* field, const QPoint& at);

    MainWindow& window_;
    QAction* copyValues_;
    QAction* copyPicture_;
    QAction* savePicture_;
    QMenu* pictureMenu_ = nullptr;
    int saveScale_ = 2;  // twice the screen's size unless the user chose another
};

}  // namespace korvath::ui
