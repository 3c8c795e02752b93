// SPDX-License-Identifier: GPL-3.0-or-later
// Values and pictures taken away from the window: the clipboard, the value
// column's context menu, the picture's commands and saving to a file.
#include "take_away.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

#include "picture_export.hpp"
#include "ray_commands.hpp"
#include "scene_picture.hpp"
#include "window_rig.hpp"
#include "worksheet_commands.hpp"

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
    // Every device pixel of the screen (ctest runs this at scale 2 as well).
    const QImage copied = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(copied.size(), picture->contentsRect().size() * picture->devicePixelRatio());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              picture->image().convertToFormat(QImage::Format_RGB32));
    QSvgRenderer svg(data->data("image/svg+xml"));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(picture->contextMenuPolicy(), Qt::ActionsContextMenu);
}

// Answers the save dialog once it shows: the file type, the file and the size.
void answerSaveDialog(int filter, const QString& file, int scale, QString* offeredScale) {
    QTimer::singleShot(0, [=] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                auto* sizes = dialog->findChild<QComboBox*>("pictureScale");
                if (!sizes) return;
                *offeredScale = sizes->currentText();
                sizes->setCurrentIndex(sizes->findData(scale));
                dialog->selectNameFilter(dialog->nameFilters().value(filter));
                dialog->selectFile(file);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        }
    });
}

TEST_F(TakeAwayStarted, SavePictureWritesThroughTheStandardDialogAtTheChosenSize) {
    QTemporaryDir folder;
    const QString chosen = folder.filePath("beam");  // no suffix: the chosen type adds it
    const QSize area = ui::pictureArea(*rig.window);
    QString offered;
    answerSaveDialog(1, chosen, 1, &offered);  // SVG
    rig.window->takeAway().savePicture();
    ASSERT_TRUE(QFile::exists(chosen + ".svg"));
    EXPECT_TRUE(QSvgRenderer(chosen + ".svg").isValid());
    EXPECT_TRUE(offered.startsWith("2×")) << offered.toStdString();
    // A PNG four times the size; the size chosen is offered next time.
    answerSaveDialog(0, chosen, 4, &offered);
    rig.window->takeAway().savePicture();
    EXPECT_EQ(QImage(chosen + ".png").size(), area * 4);
    answerSaveDialog(0, chosen, 1, &offered);
    rig.window->takeAway().savePicture();
    EXPECT_TRUE(
        offered.startsWith(QString("4× (%1 × %2").arg(area.width() * 4).arg(area.height() * 4)))
        << offered.toStdString();
    // At the screen's whole scale the file is what the screen shows.
    const int scale = qRound(rig.window->picture()->devicePixelRatio());
    ASSERT_TRUE(rig.window->takeAway().savePictureTo(folder.filePath("beam.png"), scale));
    EXPECT_EQ(QImage(folder.filePath("beam.png")).convertToFormat(QImage::Format_RGB32),
              rig.window->picture()->image().convertToFormat(QImage::Format_RGB32));
}

TEST_F(TakeAwayStarted, EveryPictureCommandIsInTheMenuBarAndOnTheKeyboard) {
    auto* picture = rig.window->picture();
    QMenu* menu = rig.window->takeAway().pictureMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(rig.window->menuBar()->actions().contains(menu->menuAction()));
    QStringList items;
    for (QAction* a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(items,
              (QStringList{"Copy picture", "Save picture…", "-", "&Print…",
                           "&Export worksheet as PDF…", "-", "&Keep earlier rays", "C&lear rays"}));
    EXPECT_EQ(rig.window->worksheetCommands().printAction()->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(rig.window->rayCommands().clearAction()->shortcut(), QKeySequence(Qt::Key_Delete));
    EXPECT_EQ(rig.window->takeAway().savePictureAction()->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_S));
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    // Ctrl+S from anywhere in the window opens the save dialog.
    bool dialogShown = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                dialogShown = true;
                dialog->reject();
            }
    });
    rig.find("beamButton")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(dialogShown);
    // Shift+F10 on the picture opens its context menu, as the Menu key does.
    QStringList offered;
    QTimer::singleShot(0, [&] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : popup->actions())
                offered << a->text();
            popup->close();
        }
    });
    picture->setFocus();
    QTest::keyClick(picture, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(offered,
              (QStringList{"Copy picture", "Save picture…", "&Keep earlier rays", "C&lear rays"}));
}

// ---------------------------------------------------------------------------
// The files themselves, for a heavy Earth whose ray swings round the body.

const QColor kRed(200, 0, 0), kYellow(255, 255, 0), kWhite(255, 255, 255);

// Whether `image` has a pixel of `colour` within one pixel of `at`, at no
// less than `strength` of its brightness (a smoothing reader dims a line
// that falls between pixels) and every channel within 40 of it at that.
bool colourNear(const QImage& image, QPoint at, const QColor& colour, double strength) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (!image.rect().contains(p)) continue;
            const QColor c = image.pixelColor(p);
            const double k = std::max({c.red(), c.green(), c.blue()}) /
                             double(std::max({colour.red(), colour.green(), colour.blue()}));
            if (k >= strength && std::abs(c.red() - k * colour.red()) <= 40 &&
                std::abs(c.green() - k * colour.green()) <= 40 &&
                std::abs(c.blue() - k * colour.blue()) <= 40)
                return true;
        }
    return false;
}

// Every pixel of the PNG in a figure's colour (the rings, the circle and the
// marker, the ray) has that colour within a pixel in the drawing, and the
// other way round; returns the pixels that have not, by colour.
QString unmatched(const QImage& png, const QImage& drawn, double strength) {
    QString report;
    for (const QColor& colour : {kRed, kYellow, kWhite}) {
        int pngPixels = 0, missing = 0, extra = 0;
        for (int y = 0; y < png.height(); ++y)
            for (int x = 0; x < png.width(); ++x) {
                if (png.pixelColor(x, y) == colour) {
                    ++pngPixels;
                    missing += !colourNear(drawn, {x, y}, colour, strength);
                }
                if (drawn.pixelColor(x, y) == colour) extra += !colourNear(png, {x, y}, colour, 1);
            }
        if (pngPixels < 100 || missing > pngPixels / 100 || extra > pngPixels / 100)
            report += QString(" %1: %2 in the PNG, %3 not drawn, %4 drawn elsewhere;")
                          .arg(colour.name())
                          .arg(pngPixels)
                          .arg(missing)
                          .arg(extra);
    }
    return report;
}

class PictureFiles : public TakeAwayStarted {
  protected:
    void SetUp() override {
        TakeAwayStarted::SetUp();
        rig.bar("massCoarseBar")->setValue(79);
        rig.click("beamButton");
    }
    const SceneRecording& recording() const { return rig.window->sceneRecording(); }
    QSize area() const { return ui::pictureArea(*rig.window); }
    QTemporaryDir folder;
};

TEST_F(PictureFiles, TheSvgDrawsAsThePngInRsvgAndInQt) {
    const QString rsvg = QStandardPaths::findExecutable("rsvg-convert");
    ASSERT_FALSE(rsvg.isEmpty()) << "install librsvg2-bin";
    for (int scale : {1, 2}) {
        const QImage png = ui::pictureImage(recording(), area(), scale);
        ASSERT_EQ(png.size(), area() * scale);
        const QByteArray svg = ui::pictureSvg(recording(), area(), scale);
        EXPECT_FALSE(svg.contains("non-scaling-stroke"));
        QFile file(folder.filePath("p.svg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(svg);
        file.close();
        QProcess convert;
        convert.start(rsvg, {"-o", folder.filePath("p.png"), file.fileName()});
        ASSERT_TRUE(convert.waitForFinished(30000));
        ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
        const QImage byRsvg =
            QImage(folder.filePath("p.png")).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(byRsvg.size(), png.size());
        EXPECT_EQ(unmatched(png, byRsvg, 0.9).toStdString(), "")
            << "rsvg-convert at scale " << scale;

        // Qt smooths every edge, whatever the drawing asks: a line one pixel
        // wide between two pixels comes out as two dim ones, mixed with the
        // disc's blue inside it. Lines two pixels wide keep a bright core.
        if (scale == 1) continue;
        QSvgRenderer renderer(svg);
        QImage byQt(png.size(), QImage::Format_RGB32);
        byQt.fill(Qt::black);
        QPainter painter(&byQt);
        renderer.render(&painter);
        painter.end();
        EXPECT_EQ(unmatched(png, byQt, 0.8).toStdString(), "") << "Qt at scale " << scale;
    }
}

TEST_F(PictureFiles, AtScaleNThePictureIsNTimesLargerWithLinesNPixelsWide) {
    for (int scale : {3, 8}) {
        const QImage image = ui::pictureImage(recording(), area(), scale);
        ASSERT_EQ(image.size(), area() * scale);
        EXPECT_EQ(std::lround(image.dotsPerMeterX() * 0.0254), 96 * scale);
        // Across the top of each ring: a run of `scale` red pixels.
        for (int r : {1500, 2000, 2500}) {
            const int x = 3000 * scale / 15;
            int run = 0;
            for (int y = (3000 - r) * scale / 15 - 2 * scale;
                 y < (3000 - r) * scale / 15 + 2 * scale; ++y)
                run += image.pixelColor(x, y) == kRed;
            EXPECT_EQ(run, scale) << "ring " << r << " at scale " << scale;
        }
    }
    // Scales outside 1 to 8 are brought into it.
    EXPECT_EQ(ui::pictureImage(recording(), area(), 0).size(), area());
    EXPECT_EQ(ui::pictureImage(recording(), area(), 20).size(), area() * 8);
    // The file at scale 2, either kind.
    ASSERT_EQ(ui::writePicture(recording(), area(), 2, QFile::encodeName(folder.filePath("p.png"))),
              "");
    EXPECT_EQ(QImage(folder.filePath("p.png")).size(), area() * 2);
    ASSERT_EQ(ui::writePicture(recording(), area(), 2, QFile::encodeName(folder.filePath("p.SVG"))),
              "");
    EXPECT_EQ(QSvgRenderer(folder.filePath("p.SVG")).defaultSize(), area() * 2);
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
