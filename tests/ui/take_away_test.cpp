// SPDX-License-Identifier: GPL-3.0-or-later
// Values and pictures taken away from the window: the clipboard, the value
// column's context menu, the picture's commands and saving to a file.
#include "take_away.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include "scene_picture.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

class TakeAwayStarted : public testing::StartedWindow {};

TEST_F(TakeAwayStarted, CtrlShiftCCopiesEveryValueAsATable) {
    QGuiApplication::clipboard()->clear();
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    QTest::keyClick(rig.window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines[0], "Radius\t6378000\tm");
    EXPECT_EQ(lines[1], "Mass\t5.59736E+24\tkg");
    EXPECT_EQ(lines[3], "Schwarzschild radius\t0.00826186203267893\tm");
    EXPECT_EQ(lines[12], "Radius, coarse bar\t50\tposition 0 to 100");
    EXPECT_EQ(lines[16], "Beam start\t1500\tscene units");
    for (const QString& line : lines)
        EXPECT_EQ(line.count('\t'), 2) << line.toStdString();
}

TEST_F(TakeAwayStarted, AValueFieldIsSelectableAndItsMenuCopiesTheSelectionOrAllValues) {
    auto* field = rig.find<QLabel>("densityValue");
    // Until it is clicked a field keeps the plain look of a label that no
    // one selects in (a selectable label lays its text out a pixel apart).
    EXPECT_EQ(field->textInteractionFlags(), Qt::NoTextInteraction);
    const QImage plain = field->grab().toImage();
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(field->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(field->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_FALSE(field->focusPolicy() & Qt::TabFocus);
    field->setSelection(0, 4);
    ASSERT_EQ(field->selectedText(), "5.15");

    QStringList offered;
    for (const char* choice : {"Copy", "Copy all values"}) {
        QGuiApplication::clipboard()->clear();
        QTimer::singleShot(0, [&offered, choice] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            offered.clear();
            for (QAction* a : menu->actions())
                offered << a->text();
            for (QAction* a : menu->actions())
                if (a->text() == choice) a->trigger();
            menu->close();
        });
        emit field->customContextMenuRequested(QPoint(5, 5));
        EXPECT_EQ(offered, (QStringList{"Copy", "Copy all values"}));
        if (QString(choice) == "Copy")
            EXPECT_EQ(QGuiApplication::clipboard()->text(), "5.15");
        else
            EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Radius\t6378000\tm\n"));
    }
    // Once the focus moves on, the field looks as it did.
    rig.find("scenePicture")->setFocus();
    EXPECT_EQ(field->textInteractionFlags(), Qt::NoTextInteraction);
    EXPECT_EQ(field->grab().toImage(), plain);
}

TEST_F(TakeAwayStarted, CtrlCOnThePictureCopiesItAsAnImageAndAsSvg) {
    rig.click("beamButton");
    auto* picture = rig.window->picture();
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    picture->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(picture, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32),
              picture->image().convertToFormat(QImage::Format_RGB32));
    QSvgRenderer svg(data->data("image/svg+xml"));
    EXPECT_TRUE(svg.isValid());
    // The picture's context menu offers both commands.
    EXPECT_EQ(picture->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList offered;
    for (QAction* a : picture->actions())
        offered << a->text();
    EXPECT_EQ(offered, (QStringList{"Copy picture", "Save picture…"}));
}

TEST_F(TakeAwayStarted, SavePictureWritesThroughTheStandardDialog) {
    QTemporaryDir folder;
    const QString chosen = folder.filePath("beam");  // no suffix: the chosen type adds it
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                dialog->selectNameFilter(dialog->nameFilters().value(1));  // SVG
                dialog->selectFile(chosen);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        }
    });
    rig.window->takeAway().savePicture();
    ASSERT_TRUE(QFile::exists(chosen + ".svg"));
    EXPECT_TRUE(QSvgRenderer(chosen + ".svg").isValid());
    ASSERT_TRUE(rig.window->takeAway().savePictureTo(folder.filePath("beam.png")));
    EXPECT_EQ(QImage(folder.filePath("beam.png")).convertToFormat(QImage::Format_RGB32),
              rig.window->picture()->image().convertToFormat(QImage::Format_RGB32));
}

TEST_F(TakeAwayStarted, AFailedSaveSaysWhyAndChangesNothingElse) {
    const QImage before = rig.window->picture()->image();
    const QString radius = rig.text("radiusValue");
    EXPECT_FALSE(rig.window->takeAway().savePictureTo("/nonexistent-folder/p.png"));
    auto* box = rig.window->findChild<QMessageBox*>("saveFault");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->text().contains("/nonexistent-folder/p.png")) << box->text().toStdString();
    EXPECT_TRUE(box->text().contains("No such file or directory")) << box->text().toStdString();
    box->close();
    EXPECT_EQ(rig.window->picture()->image(), before);
    EXPECT_EQ(rig.text("radiusValue"), radius);
    EXPECT_FALSE(QFile::exists("/nonexistent-folder/p.png"));
}

}  // namespace
}  // namespace korvath
