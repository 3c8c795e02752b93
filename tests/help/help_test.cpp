#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include "help_command.hpp"
#include "help_splash.hpp"
#include "help_viewer.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using help::HelpCommand;
using help::HelpSplash;
using help::HelpViewer;
using testing::WindowRig;

QAction* menuAction(WindowRig& rig, const char* name) {
    return rig.window->findChild<QAction*>(name);
}

// A folder holding a help file of our own, for the Help command to name.
struct HelpFolder {
    QTemporaryDir dir;
    explicit HelpFolder(bool withFile = true) {
        if (!withFile) return;
        QFile file(dir.filePath("vesker.hlp"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html><body><h1>Test help</h1><p>The beginning.</p>");
        for (int i = 0; i < 200; ++i)
            file.write("<p>More text to scroll.</p>");
        file.write("</body></html>");
    }
    QString path() const { return dir.path(); }
};

// Records what the "HELP" window looked like while it was shown.
struct SplashWatch {
    QPoint position;
    QSize clientSize;
    QString title;
    bool wasModal = false;
    std::int16_t ticksSeen = -1;
};

void watchSplash(HelpCommand& menu, SplashWatch& watch, int afterMs) {
    QTimer::singleShot(afterMs, [&menu, &watch] {
        HelpSplash* l = menu.splash();
        if (!l) return;
        watch.position = l->pos();
        watch.clientSize = l->size();
        watch.title = l->windowTitle();
        watch.wasModal = QApplication::activeModalWidget() == l;
        watch.ticksSeen = l->tickCount();
    });
}

TEST(HelpCommand, ShowsHelpForTwoTicksThenNamesTheFileAndPostsF1) {
    WindowRig rig;
    HelpFolder folder;
    HelpCommand& menu = rig.window->helpCommand();
    menu.setApplicationFolder(folder.path());
    EXPECT_TRUE(menu.helpFile().isEmpty());

    SplashWatch watch;
    watchSplash(menu, watch, 50);
    QElapsedTimer clock;
    clock.start();
    menuAction(rig, "helpAction")->trigger();  // returns once "HELP" has unloaded itself
    const qint64 shownMs = clock.elapsed();

    EXPECT_GE(shownMs, 180);
    EXPECT_LT(shownMs, 1500);
    EXPECT_EQ(watch.title, "HELP");
    EXPECT_TRUE(watch.wasModal);
    EXPECT_EQ(watch.ticksSeen, 0);
    EXPECT_EQ(watch.clientSize, QSize(312, 206));
    // (W \ 2 - W \ 4, H \ 4) in twips of the screen, here in pixels.
    const QRect screen = rig.window->screen()->geometry();
    const int w = screen.width() * 15, h = screen.height() * 15;
    EXPECT_EQ(watch.position, QPoint((w / 2 - w / 4) / 15, (h / 4) / 15) + screen.topLeft());

    HelpSplash* splash = menu.splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->objectName(), "helpSplash");
    EXPECT_EQ(splash->tickCount(), 2);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(splash->timer()->isActive());
    EXPECT_EQ(menu.helpFile(), folder.path() + QDir::separator() + "vesker.hlp");

    // The posted F1 arrives with the next events and opens the help at its beginning.
    QTRY_VERIFY_WITH_TIMEOUT(menu.viewer() && menu.viewer()->isVisible(), 2000);
    HelpViewer* viewer = menu.viewer();
    EXPECT_FALSE(viewer->failed());
    EXPECT_TRUE(viewer->browser()->toPlainText().startsWith("Test help"));
    EXPECT_EQ(viewer->browser()->verticalScrollBar()->value(), 0);
}

TEST(HelpCommand, ClosingHelpEarlyStillOpensTheHelpFile) {
    WindowRig rig;
    HelpFolder folder;
    HelpCommand& menu = rig.window->helpCommand();
    menu.setApplicationFolder(folder.path());
    QTimer::singleShot(30, [&menu] {
        if (menu.splash()) menu.splash()->close();  // its close box
    });
    QElapsedTimer clock;
    clock.start();
    menu.run();
    EXPECT_LT(clock.elapsed(), 180);
    EXPECT_LT(menu.splash()->tickCount(), 2);
    EXPECT_FALSE(menu.splash()->timer()->isActive());
    EXPECT_FALSE(menu.helpFile().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(menu.viewer() && menu.viewer()->isVisible(), 2000);
}

TEST(HelpCommand, ASecondHelpLoadsTheWindowAnew) {
    WindowRig rig;
    HelpFolder folder;
    HelpCommand& menu = rig.window->helpCommand();
    menu.setApplicationFolder(folder.path());
    menu.run();
    HelpSplash* first = menu.splash();
    SplashWatch watch;
    watchSplash(menu, watch, 40);
    menu.run();
    EXPECT_EQ(menu.splash(), first);  // one window object for the whole run
    EXPECT_EQ(watch.ticksSeen, 0);    // counting again from 0
    EXPECT_EQ(first->tickCount(), 2);
}

void pressF1(WindowRig& rig) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : rig.window.get();
    QTest::keyClick(target, Qt::Key_F1);
    QCoreApplication::processEvents();
}

TEST(HelpCommand, F1DoesNothingBeforeTheFirstHelpAndOpensTheFileAfterIt) {
    WindowRig rig;
    HelpFolder folder;
    HelpCommand& menu = rig.window->helpCommand();
    menu.setApplicationFolder(folder.path());
    pressF1(rig);
    EXPECT_EQ(menu.viewer(), nullptr);

    menu.run();
    QTRY_VERIFY_WITH_TIMEOUT(menu.viewer() && menu.viewer()->isVisible(), 2000);
    menu.viewer()->close();
    // From now on F1 alone opens the help, without the "HELP" window.
    const std::int16_t ticks = menu.splash()->tickCount();
    rig.find("massCoarseBar")->setFocus();
    pressF1(rig);
    EXPECT_TRUE(menu.viewer()->isVisible());
    EXPECT_FALSE(menu.splash()->isVisible());
    EXPECT_EQ(menu.splash()->tickCount(), ticks);
}

TEST(HelpCommand, AMissingHelpFileIsReportedInTheViewerAndTheProgramGoesOn) {
    WindowRig rig;
    HelpFolder folder(false);
    HelpCommand& menu = rig.window->helpCommand();
    menu.setApplicationFolder(folder.path());
    menu.run();
    QTRY_VERIFY_WITH_TIMEOUT(menu.viewer() && menu.viewer()->isVisible(), 2000);
    EXPECT_TRUE(menu.viewer()->failed());
    const QString shown = menu.viewer()->browser()->toPlainText();
    EXPECT_TRUE(shown.contains("could not be read")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("vesker.hlp"));
    rig.click("sunButton");
    EXPECT_EQ(rig.text("radiusValue"), "696000000");
}

TEST(HelpCommand, AFolderAtTheRootGivesTwoSeparatorsInARow) {
    WindowRig rig;
    HelpCommand& menu = rig.window->helpCommand();
    menu.setApplicationFolder("/");
    menu.run();
    EXPECT_EQ(menu.helpFile(), "//vesker.hlp");
}

TEST(ExitCommand, ClosesTheWindowAtOnceWithItsHelpViewer) {
    WindowRig rig;
    HelpFolder folder;
    HelpCommand& menu = rig.window->helpCommand();
    menu.setApplicationFolder(folder.path());
    menu.run();
    QTRY_VERIFY_WITH_TIMEOUT(menu.viewer() && menu.viewer()->isVisible(), 2000);
    menuAction(rig, "exitAction")->trigger();
    EXPECT_FALSE(rig.window->isVisible());
    EXPECT_FALSE(menu.viewer()->isVisible());
    EXPECT_EQ(rig.window->faultNotice().count(), 0);
}

TEST(ExitCommand, AltXEndsAndAltHHelps) {
    {
        WindowRig rig;
        rig.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
        QTest::keyClick(rig.window.get(), Qt::Key_X, Qt::AltModifier);
        EXPECT_FALSE(rig.window->isVisible());
    }
    {
        WindowRig rig;
        HelpFolder folder;
        rig.window->helpCommand().setApplicationFolder(folder.path());
        rig.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
        QTest::keyClick(rig.window.get(), Qt::Key_H, Qt::AltModifier);
        EXPECT_FALSE(rig.window->helpCommand().helpFile().isEmpty());
    }
}

}  // namespace
}  // namespace korvath
