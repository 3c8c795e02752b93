// SPDX-License-Identifier: GPL-3.0-or-later
// The window's zoom: the steps and the stored value, the layout at 200 % and
// 300 % (texts fit, places keep their proportions, lines stay even), the keys
// and the View menu, and a full-screen window that fits its screen.
#include "zoom.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleOptionSlider>
#include <cmath>
#include <future>

#include "picture_export.hpp"
#include "scene_picture.hpp"
#include "text_fit.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

class Zoom : public ::testing::Test {
  protected:
    void SetUp() override { QSettings().remove("window/zoom"); }
    void TearDown() override { QSettings().remove("window/zoom"); }
};

TEST(ZoomSteps, StepFitAndStoredValues) {
    EXPECT_EQ(ui::zoomIn(1), 1.25);
    EXPECT_EQ(ui::zoomIn(1.8), 2);
    EXPECT_EQ(ui::zoomIn(4), 4);
    EXPECT_EQ(ui::zoomOut(2), 1.75);
    EXPECT_EQ(ui::zoomOut(1), 1);
    EXPECT_EQ(ui::fittingZoom({950, 555}, {1920, 1200}), 2.02);
    EXPECT_EQ(ui::fittingZoom({950, 555}, {800, 600}), 1);
    EXPECT_EQ(ui::fittingZoom({950, 555}, {7680, 4320}), 4);
    EXPECT_EQ(ui::zoomFromStored(QVariant("2.5")), 2.5);
    EXPECT_EQ(ui::zoomFromStored(QVariant(3.0)), 3);
    for (const QVariant& bad : {QVariant("big"), QVariant("0.5"), QVariant("4.5"), QVariant("nan"),
                                QVariant("inf"), QVariant()})
        EXPECT_EQ(ui::zoomFromStored(bad), 1) << bad.toString().toStdString();
}

// The run of `colour` crossing the picture's point (x, y) in scene units.
int runAcross(const QImage& image, double perUnit, double x, double y, bool vertical,
              const QColor& colour) {
    const int cx = static_cast<int>(std::lround(x * perUnit));
    const int cy = static_cast<int>(std::lround(y * perUnit));
    int best = 0, run = 0;
    for (int d = -12; d <= 12; ++d) {
        const QPoint p = vertical ? QPoint(cx, cy + d) : QPoint(cx + d, cy);
        run = image.rect().contains(p) && image.pixelColor(p) == colour ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

TEST_F(Zoom, At200And300PercentTheSameLayoutScalesWithTextsInsideAndEvenLines) {
    WindowRig rig;
    ui::WindowZoom& windowZoom = rig.window->windowZoom();
    QWidget* client = rig.window->clientArea();
    const QList<QWidget*> controls = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::map<QWidget*, QRect> atOne;
    for (QWidget* w : controls)
        atOne[w] = w->geometry();
    const QSize clientAtOne = client->size();
    const QSize pictureAtOne = ui::pictureArea(*rig.window);
    // A bar's arrow button, as its style places it.
    const auto arrow = [&rig] {
        QScrollBar* bar = rig.bar("radiusCoarseBar");
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Horizontal;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.pageStep = bar->pageStep();
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                            QStyle::SC_ScrollBarAddLine, bar);
    };
    const QRect arrowAtOne = arrow();
    for (double zoom : {2.0, 3.0}) {
        rig.window->setZoom(zoom);
        ASSERT_EQ(windowZoom.shownZoom(), zoom);
        EXPECT_EQ(client->size(), clientAtOne * zoom);
        // As large as the whole layout, or kept within the screen when that is smaller.
        const QRect screen = rig.window->screen()->availableGeometry();
        const QSize natural = rig.window->naturalSize();
        if (natural.width() + 8 <= screen.width() && natural.height() + 8 <= screen.height())
            EXPECT_EQ(rig.window->size(), rig.window->naturalSize());
        else
            EXPECT_TRUE(screen.contains(rig.window->frameGeometry()));
        for (QWidget* w : controls) {
            const std::string name = w->objectName().toStdString();
            // Every place and size is the one at 100 %, scaled, within rounding.
            const QRect g = w->geometry(), one = atOne[w];
            EXPECT_LE(std::abs(g.x() - one.x() * zoom), zoom) << name;
            EXPECT_LE(std::abs(g.y() - one.y() * zoom), zoom) << name;
            EXPECT_LE(std::abs(g.width() - one.width() * zoom), zoom) << name;
            EXPECT_LE(std::abs(g.height() - one.height() * zoom), zoom) << name;
            if (auto* label = qobject_cast<QLabel*>(w)) {
                EXPECT_GE(label->font().pointSizeF(), 9 * zoom) << name;
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                          label->contentsRect().width())
                    << name;
                const auto* fitted = qobject_cast<ui::FittedLabel*>(label);
                EXPECT_TRUE(fitted && !fitted->elided()) << name;
            }
            if (auto* button = qobject_cast<QPushButton*>(w)) {
                EXPECT_EQ(button->font().pointSizeF(), 9 * zoom) << name;
                EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width())
                    << name;
            }
        }
        EXPECT_EQ(rig.window->menuBar()->font().pointSizeF(), 9 * zoom);
        EXPECT_LE(std::abs(arrow().width() - arrowAtOne.width() * zoom), zoom);
        // A saved picture keeps its size whatever the zoom, but for the
        // frame's two pixels a side, which do not scale.
        const QSize saved = ui::pictureArea(*rig.window);
        EXPECT_LE(std::abs(saved.width() - pictureAtOne.width()), 4);
        EXPECT_LE(std::abs(saved.height() - pictureAtOne.height()), 4);
        // The picture drawn again at the new scale: the rings and the beam
        // start's box are where the scene puts them, their lines all the
        // same whole number of device pixels wide.
        ui::ScenePicture* picture = rig.window->picture();
        const QImage image = picture->image();
        EXPECT_EQ(image.size(), picture->contentsRect().size() * image.devicePixelRatio());
        const double perUnit = image.devicePixelRatio() * zoom / 15;
        const int width = std::max(1, int(std::lround(image.devicePixelRatio() * zoom)));
        const QColor red(200, 0, 0);
        for (double r : {1500.0, 2000.0, 2500.0}) {
            EXPECT_EQ(runAcross(image, perUnit, 3000, 3000 - r, true, red), width) << r;
            EXPECT_EQ(runAcross(image, perUnit, 3000 + r, 3000, false, red), width) << r;
        }
    }
    rig.window->setZoom(1);
    for (QWidget* w : controls)
        EXPECT_EQ(w->geometry(), atOne[w]) << w->objectName().toStdString();
}

TEST_F(Zoom, KeysAndMenuStepTheZoomWhichIsRememberedAndRefusedWhenBad) {
    {
        WindowRig rig;
        ui::WindowZoom& zoom = rig.window->windowZoom();
        EXPECT_FALSE(zoom.zoomOutAction()->isEnabled());
        QWidget* focus = rig.window->picture();
        QTest::keyClick(focus, Qt::Key_Equal, Qt::ControlModifier);
        EXPECT_EQ(zoom.shownZoom(), 1.25);
        QTest::keyClick(focus, Qt::Key_Plus, Qt::ControlModifier);
        EXPECT_EQ(zoom.shownZoom(), 1.5);
        QTest::keyClick(focus, Qt::Key_Minus, Qt::ControlModifier);
        EXPECT_EQ(zoom.shownZoom(), 1.25);
        QTest::keyClick(focus, Qt::Key_0, Qt::ControlModifier);
        EXPECT_EQ(zoom.shownZoom(), 1);
        EXPECT_FALSE(zoom.actualSizeAction()->isEnabled());
        for (int i = 0; i < 10; ++i)
            zoom.zoomInAction()->trigger();
        EXPECT_EQ(zoom.zoom(), 4);
        EXPECT_FALSE(zoom.zoomInAction()->isEnabled());
        rig.window->setZoom(2);
    }
    {
        WindowRig rig(WindowRig::Start::NotShown);
        ui::WindowZoom& zoom = rig.window->windowZoom();
        EXPECT_EQ(zoom.zoom(), 2);
        EXPECT_EQ(zoom.shownZoom(), 2);
        EXPECT_TRUE(zoom.zoomOutAction()->isEnabled());  // as the remembered zoom allows
        EXPECT_TRUE(zoom.actualSizeAction()->isEnabled());
    }
    for (const char* bad : {"twice", "0.5", "400"}) {
        QSettings().setValue("window/zoom", bad);
        WindowRig rig(WindowRig::Start::NotShown);
        EXPECT_EQ(rig.window->windowZoom().shownZoom(), 1) << bad;
        EXPECT_EQ(rig.window->clientArea()->size(), QSize(950, 535)) << bad;
    }
}

// The settings file is read and written only as a regular file of at most
// 64 KiB: a pipe there would hang the start, a huge file every zoom step; a
// read-only one is the user's to keep, and one written keeps its mode.
TEST(ZoomSettingsFile, APipeAHugeOrAReadOnlyFileIsLeftAsItIsAndAWrittenOneKeepsItsMode) {
    const QString name = QSettings().fileName();
    const QByteArray path = QFile::encodeName(name);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(name).path()));
    const auto contents = [&] {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    struct Case {
        const char* what;
        QByteArray zoomLine;
        qint64 padding;
        mode_t mode;
        double loaded;
        bool saved;
    };
    for (const Case& c : {Case{"a file over 64 KiB", "zoom=2", 65 << 10, 0644, 1, false},
                          Case{"a read-only file", "zoom=2", 0, 0444, 2, false},
                          Case{"a file of mode 640", "zoom=2", 0, 0640, 2, true}}) {
        SCOPED_TRACE(c.what);
        QFile::remove(name);
        {
            QFile file(name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("[window]\n" + c.zoomLine + "\n" + QByteArray(c.padding, '\n'));
        }
        ASSERT_EQ(::chmod(path.constData(), c.mode), 0);
        const QByteArray before = contents();
        EXPECT_EQ(ui::loadZoom(), c.loaded);
        ui::saveZoom(3);
        EXPECT_EQ(contents().contains("zoom=3"), c.saved);
        if (!c.saved) {
            EXPECT_EQ(contents(), before);
        }
        struct stat after;
        ASSERT_EQ(::stat(path.constData(), &after), 0);
        EXPECT_EQ(after.st_mode & 07777, c.mode);
    }
    QFile::remove(name);
    ASSERT_EQ(::mkfifo(path.constData(), 0600), 0);
    auto loaded = std::async(std::launch::async, [] { return ui::loadZoom(); });
    const bool answered = loaded.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    if (!answered) ::close(::open(path.constData(), O_WRONLY));  // lets a hung reader go
    EXPECT_TRUE(answered) << "a pipe as the settings file";
    EXPECT_EQ(loaded.get(), 1);
    ui::saveZoom(3);
    struct stat pipe;
    ASSERT_EQ(::stat(path.constData(), &pipe), 0);
    EXPECT_TRUE(S_ISFIFO(pipe.st_mode));
    QFile::remove(name);
}

TEST_F(Zoom, FullScreenFitsTheLargestZoomCentredAndReturnsToTheChosenOne) {
    WindowRig rig;
    ui::WindowZoom& zoom = rig.window->windowZoom();
    rig.window->setZoom(1.5);
    QTest::keyClick(rig.window.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return zoom.shownZoom() > 1.5; }, 2000));
    QScrollArea* scroll = rig.window->clientScrollArea();
    const QRect client = rig.window->clientArea()->geometry();
    const QSize room = scroll->viewport()->size();
    // The whole client area inside, centred, and a few percent more would not fit.
    EXPECT_TRUE(QRect(QPoint(), room).contains(client));
    EXPECT_LE(std::abs(client.center().x() - room.width() / 2), 1);
    EXPECT_LE(std::abs(client.center().y() - room.height() / 2), 1);
    const QSize larger = QSize(950, 535) * (zoom.shownZoom() + 0.03);
    EXPECT_TRUE(larger.width() > room.width() || larger.height() > room.height());
    EXPECT_FALSE(zoom.zoomInAction()->isEnabled());
    EXPECT_TRUE(zoom.fullScreenAction()->isChecked());
    QTest::keyClick(rig.window.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return zoom.shownZoom() == 1.5; }, 2000));
    EXPECT_EQ(zoom.zoom(), 1.5);
    EXPECT_TRUE(zoom.zoomInAction()->isEnabled());
}

}  // namespace
}  // namespace korvath
