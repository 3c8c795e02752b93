// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <qpa/qwindowsysteminterface.h>

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPalette>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "help_command.hpp"
#include "help_splash.hpp"
#include "help_viewer.hpp"
#include "window_rig.hpp"

extern char** environ;

namespace korvath {
namespace {

using help::HelpCommand;
using help::HelpSplash;
using help::HelpViewer;
using Problem = help::HelpViewer::Problem;
using testing::WindowRig;

constexpr int kWaitMs = 5000;  // the longest any wait for a window may take

// A folder with a help file of our own (or without one), for the Help command.
struct HelpFolder {
    QTemporaryDir dir;
    explicit HelpFolder(bool withFile = true) {
        if (!withFile) return;
        QFile file(filePath());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html><body><h1>Test help</h1><p>The beginning.</p>");
        for (int i = 0; i < 200; ++i)
            file.write("<p>More text to scroll.</p>");
        file.write("</body></html>");
    }
    QString path() const { return dir.path(); }
    QString filePath() const { return dir.filePath("vesker.hlp"); }
};

// The main window, shown, after its first tick, with a help folder of its own.
class HelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(rig.window.get()));
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return rig.window->session().state().ready; }, kWaitMs));
        menu().setHelpFolders({folder.path()});
    }
    HelpCommand& menu() { return rig.window->helpCommand(); }
    bool viewerShown() { return menu().viewer() && menu().viewer()->isVisible(); }
    QString shownText() { return menu().viewer()->browser()->toPlainText(); }
    // F1 in the main window, the active one.
    void pressF1() {
        rig.window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
        QTest::keyClick(rig.window.get(), Qt::Key_F1);
    }
    // The Help command, until its "HELP" window has closed.
    [[nodiscard]] bool runHelp() {
        menu().run();
        return QTest::qWaitFor([this] { return !menu().splash()->isVisible(); }, kWaitMs);
    }
    // The Help command, then the viewer it opens.
    void runHelpAndWaitForViewer() {
        menu().run();
        ASSERT_TRUE(QTest::qWaitFor([this] { return viewerShown(); }, kWaitMs));
    }

    WindowRig rig{false};
    HelpFolder folder;
};

// Runs `action` while the splash shows, once its timer has ticked
// `ticks` times (0: as soon as it shows). Call just before the Help command.
void duringSplash(HelpCommand& menu, int ticks, std::function<void(HelpSplash&)> action) {
    QTimer::singleShot(0, [&menu, ticks, action] {
        HelpSplash* splash = menu.splash();
        if (!splash || !splash->isVisible()) {
            ADD_FAILURE() << "the HELP window is not showing";
            return;
        }
        if (ticks == 0) return action(*splash);
        auto seen = std::make_shared<int>(0);
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(splash->timer(), &QTimer::timeout, splash, [=] {
            if (++*seen != ticks) return;
            QObject::disconnect(*connection);
            action(*splash);
        });
    });
}

// ---------------------------------------------------------------------------
// The Help command and F1

using HelpCommandTest = HelpTest;

TEST_F(HelpCommandTest, ShowsHelpForTwoTicksThenNamesAndOpensTheFile) {
    EXPECT_TRUE(menu().helpFile().isEmpty());

    QPoint position;
    QSize clientSize;
    QString title;
    long recomputationsDuringSplash = -1;
    int ticksSeen = -1;
    duringSplash(menu(), 0, [&](HelpSplash& splash) {
        position = splash.pos();
        clientSize = splash.size();
        title = splash.windowTitle();
        ticksSeen = splash.tickCount();
        // The main window takes no input while "HELP" shows.
        const long before = rig.recomputations();
        QTest::mouseClick(rig.window->windowHandle(), Qt::LeftButton, {},
                          rig.find("sunButton")->mapTo(rig.window.get(), QPoint(5, 5)));
        QWidget* keys = QApplication::focusWidget() ? QApplication::focusWidget()
                                                    : QApplication::activeWindow();
        EXPECT_EQ(keys ? keys->window() : nullptr, &splash);
        if (keys) QTest::keyClick(keys, Qt::Key_Right);
        recomputationsDuringSplash = rig.recomputations() - before;
    });
    QElapsedTimer clock;
    clock.start();
    rig.window->helpAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !menu().splash()->isVisible(); }, kWaitMs));
    const qint64 shownMs = clock.elapsed();

    EXPECT_EQ(title, "HELP");
    EXPECT_EQ(recomputationsDuringSplash, 0);
    EXPECT_EQ(ticksSeen, 0);
    EXPECT_EQ(clientSize, QSize(312, 206));
    // Half the screen's width less a quarter of it across, a quarter of its
    // height down, in whole twips (integer division), here in pixels.
    const QRect screen = rig.window->screen()->geometry();
    const int w = screen.width() * 15, h = screen.height() * 15;
    EXPECT_EQ(position, QPoint((w / 2 - w / 4) / 15, (h / 4) / 15) + screen.topLeft());

    HelpSplash* splash = menu().splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->objectName(), "helpSplash");
    EXPECT_EQ(splash->timer()->interval(), 100);
    EXPECT_EQ(splash->tickCount(), 2);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(splash->timer()->isActive());
    // Two ticks of 100 ms; a loaded machine may take much longer.
    EXPECT_GE(shownMs, 180);
    EXPECT_LT(shownMs, kWaitMs);
    EXPECT_EQ(menu().helpFile(), folder.filePath());

    // The help opens at its beginning.
    ASSERT_TRUE(viewerShown());
    HelpViewer* viewer = menu().viewer();
    EXPECT_FALSE(viewer->failed());
    EXPECT_TRUE(shownText().startsWith("Test help"));
    EXPECT_EQ(viewer->browser()->verticalScrollBar()->value(), 0);
}

TEST_F(HelpCommandTest, ClosingHelpEarlyStillOpensTheHelpFile) {
    menu().run();
    duringSplash(menu(), 1, [](HelpSplash& splash) { splash.close(); });  // its close box
    ASSERT_TRUE(QTest::qWaitFor([this] { return !menu().splash()->isVisible(); }, kWaitMs));
    EXPECT_EQ(menu().splash()->tickCount(), 1);
    EXPECT_FALSE(menu().splash()->timer()->isActive());
    EXPECT_EQ(menu().helpFile(), folder.filePath());
    ASSERT_TRUE(QTest::qWaitFor([this] { return viewerShown(); }, kWaitMs));
}

TEST_F(HelpCommandTest, ASecondHelpCountsItsTicksAnew) {
    ASSERT_TRUE(runHelp());
    HelpSplash* first = menu().splash();
    int ticksSeen = -1;
    menu().run();
    menu().run();  // while "HELP" shows, a second run does nothing
    duringSplash(menu(), 0, [&](HelpSplash& splash) { ticksSeen = splash.tickCount(); });
    ASSERT_TRUE(QTest::qWaitFor([this] { return !menu().splash()->isVisible(); }, kWaitMs));
    EXPECT_EQ(menu().splash(), first);  // one window object for the whole run
    EXPECT_EQ(ticksSeen, 0);            // counting again from 0
    EXPECT_EQ(first->tickCount(), 2);
}

TEST_F(HelpCommandTest, F1DoesNothingBeforeTheFirstHelpAndOpensTheFileAfterIt) {
    pressF1();
    QCoreApplication::processEvents();
    EXPECT_EQ(menu().viewer(), nullptr);

    runHelpAndWaitForViewer();
    if (HasFatalFailure()) return;
    menu().viewer()->close();
    // From now on F1 alone opens the help, without the "HELP" window.
    const std::int16_t ticks = menu().splash()->tickCount();
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    rig.find("massCoarseBar")->setFocus();
    QTest::keyClick(rig.find("massCoarseBar"), Qt::Key_F1);
    EXPECT_TRUE(menu().viewer()->isVisible());
    EXPECT_FALSE(menu().splash()->isVisible());
    EXPECT_EQ(menu().splash()->tickCount(), ticks);
}

TEST_F(HelpCommandTest, AMissingHelpFileIsReportedInTheViewerAndTheProgramGoesOn) {
    QFile::remove(folder.filePath());
    runHelpAndWaitForViewer();
    if (HasFatalFailure()) return;
    EXPECT_EQ(menu().viewer()->problem(), Problem::Unreadable);
    const QString shown = shownText();
    EXPECT_TRUE(shown.contains("could not be read")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(folder.filePath()))) << shown.toStdString();
    rig.click("sunButton");
    EXPECT_EQ(rig.text("radiusValue"), "696000000");
}

// ---------------------------------------------------------------------------
// Closing the main window while "HELP" shows

using ClosingDuringHelp = HelpTest;

bool anyWindowVisible() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QWidget* w) { return w->isVisible(); });
}

TEST_F(ClosingDuringHelp, ClosingTheMainWindowEndsEverythingAndOpensNoHelp) {
    menu().run();
    duringSplash(menu(), 1, [this](HelpSplash&) { rig.window->close(); });
    ASSERT_TRUE(QTest::qWaitFor([this] { return !rig.window->isVisible(); }, kWaitMs));
    EXPECT_FALSE(menu().splash()->isVisible());
    EXPECT_FALSE(menu().splash()->timer()->isActive());
    EXPECT_TRUE(menu().helpFile().isEmpty());
    // Nothing posted may open the help afterwards.
    EXPECT_FALSE(QTest::qWaitFor([this] { return menu().viewer() != nullptr; }, 500));
    EXPECT_FALSE(anyWindowVisible());
}

// The close box: the window system's close request reaches the main window
// even while "HELP" shows, and ends the program.
TEST_F(ClosingDuringHelp, TheWindowSystemsCloseRequestEndsEverything) {
    menu().run();
    duringSplash(menu(), 1, [this](HelpSplash&) {
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            rig.window->windowHandle());
    });
    ASSERT_TRUE(QTest::qWaitFor([this] { return !rig.window->isVisible(); }, kWaitMs));
    EXPECT_FALSE(menu().splash()->isVisible());
    EXPECT_TRUE(menu().helpFile().isEmpty());
    EXPECT_FALSE(QTest::qWaitFor([this] { return menu().viewer() != nullptr; }, 500));
    EXPECT_FALSE(anyWindowVisible());
}

// The real event loop: closing the main window during "HELP" ends it.
TEST_F(ClosingDuringHelp, TheProgramQuitsAndNoHelpOpens) {
    int lastWindowClosed = 0;
    bool gaveUp = false;
    const auto counter = QObject::connect(qApp, &QGuiApplication::lastWindowClosed,
                                          [&lastWindowClosed] { ++lastWindowClosed; });
    QTimer::singleShot(0, rig.window.get(), [this] {
        rig.window->helpAction()->trigger();
        duringSplash(menu(), 1, [this](HelpSplash&) { rig.window->close(); });
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&gaveUp] {
        gaveUp = true;
        QCoreApplication::quit();
    });
    watchdog.start(10 * kWaitMs);
    QApplication::exec();
    QObject::disconnect(counter);
    EXPECT_FALSE(gaveUp);
    EXPECT_EQ(lastWindowClosed, 1);
    EXPECT_FALSE(rig.window->isVisible());
    EXPECT_FALSE(menu().splash()->isVisible());
    EXPECT_EQ(menu().viewer(), nullptr);
    // Even if the loop had gone on, nothing is left to open the help.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(menu().viewer(), nullptr);
    EXPECT_FALSE(anyWindowVisible());
}

TEST(ClosingDuringHelpDeleted, TheMainWindowDeletedWhileHelpShowsIsNoHazard) {
    QPointer<ui::MainWindow> window = new ui::MainWindow;
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.data()));
    HelpFolder folder;
    window->helpCommand().setHelpFolders({folder.path()});
    window->helpCommand().run();
    duringSplash(window->helpCommand(), 1, [&window](HelpSplash&) { window->deleteLater(); });
    ASSERT_TRUE(QTest::qWaitFor([&window] { return window.isNull(); }, kWaitMs));
    EXPECT_FALSE(anyWindowVisible());
}

// ---------------------------------------------------------------------------
// Where the help file is found

using HelpFolders = HelpTest;

TEST_F(HelpFolders, TheFirstFolderHoldingTheFileNamesItElseTheFirstFolderThatExists) {
    const HelpCommand fresh(nullptr);
    // The program's folder, the data folder beside it, the installed one.
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList defaults{programFolder, QDir::cleanPath(programFolder + "/../share/korvath"),
                               help::installedDataDir()};
    EXPECT_EQ(fresh.helpFolders(), defaults);
    EXPECT_FALSE(help::installedDataDir().isEmpty());

    HelpFolder build(false), installed;
    const QString gone = build.dir.filePath("gone");
    const auto runAndCloseViewer = [this] {
        runHelpAndWaitForViewer();
        if (menu().viewer()) menu().viewer()->close();
    };
    menu().setHelpFolders({build.path(), installed.path()});
    runAndCloseViewer();
    EXPECT_EQ(menu().helpFile(), installed.filePath());  // only the installed copy

    HelpFolder built;
    menu().setApplicationFolder(built.path());
    EXPECT_EQ(menu().helpFolders(), QStringList({built.path(), installed.path()}));
    runAndCloseViewer();
    EXPECT_EQ(menu().helpFile(), built.filePath());  // both: the program's own folder first

    // Not a regular file in the first folder: the regular one in the next is named.
    ASSERT_EQ(::mkfifo(QFile::encodeName(build.filePath()).constData(), 0600), 0);
    menu().setHelpFolders({QString(), gone, build.path(), installed.path()});
    runAndCloseViewer();
    EXPECT_EQ(menu().helpFile(), installed.filePath());

    // Nowhere: the first folder that exists is named, and the viewer says the file is missing.
    HelpFolder empty(false);
    menu().setHelpFolders({gone, empty.path(), build.path()});
    runHelpAndWaitForViewer();
    if (HasFatalFailure()) return;
    EXPECT_EQ(menu().helpFile(), empty.filePath());
    EXPECT_EQ(menu().viewer()->problem(), Problem::Unreadable);
}

// QDir joins a folder and a name with one separator, at the root too.
TEST_F(HelpFolders, AFolderAtTheRootGivesOneSeparator) {
    menu().setHelpFolders({"/"});
    ASSERT_TRUE(runHelp());
    EXPECT_EQ(menu().helpFile(), "/vesker.hlp");
}

TEST_F(HelpFolders, AnUnknownOrMissingFolderIsReportedAsSuchNotLookedForAtTheRoot) {
    menu().setHelpFolders({QString()});  // what Qt gives for a folder it cannot name
    runHelpAndWaitForViewer();
    if (HasFatalFailure()) return;
    EXPECT_TRUE(menu().helpFile().isEmpty());
    EXPECT_EQ(menu().viewer()->problem(), Problem::FolderUnknown);
    QString shown = shownText();
    EXPECT_TRUE(shown.contains("could not tell which folder")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("/vesker.hlp")) << shown.toStdString();

    const QString gone = folder.dir.filePath("moved away");
    menu().setHelpFolders({QString(), gone});
    menu().viewer()->close();
    runHelpAndWaitForViewer();
    if (HasFatalFailure()) return;
    EXPECT_EQ(menu().viewer()->problem(), Problem::FolderUnknown);
    shown = shownText();
    EXPECT_TRUE(shown.contains("could not tell which folder")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("do not exist")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(gone))) << shown.toStdString();

    menu().setHelpFolders({gone});  // a program folder that is gone, but was named
    menu().viewer()->close();
    runHelpAndWaitForViewer();
    if (HasFatalFailure()) return;
    EXPECT_EQ(menu().viewer()->problem(), Problem::FolderUnknown);
    shown = shownText();
    EXPECT_FALSE(shown.contains("could not tell which folder")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(gone))) << shown.toStdString();
}

// ---------------------------------------------------------------------------
// Runs of this test program in a child process, for what one process cannot
// change about itself: the name of its folder, and its screen.

// True in the child started by runSelfInChild for the running test.
bool isChildRun() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(test->test_suite_name()) + "." + test->name();
    return qEnvironmentVariable("KORVATH_HELP_CHILD_TEST").toStdString() == name;
}

struct ChildResult {
    int exitCode = -1;
    std::string output;
};

// Runs `program` (raw bytes, any name) with only the running test, in the
// environment of this process plus `extraEnvironment`; gives up after a minute.
ChildResult runSelfInChild(const std::string& program, const std::string& outputFile,
                           std::vector<std::string> extraEnvironment) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::vector<std::string> args = {program, "--gtest_filter=" + name};
    std::vector<std::string> env = std::move(extraEnvironment);
    env.push_back("KORVATH_HELP_CHILD_TEST=" + name);
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string key = entry.substr(0, entry.find('=') + 1);
        if (std::none_of(env.begin(), env.end(),
                         [&key](const std::string& set) { return set.rfind(key, 0) == 0; }))
            env.push_back(entry);
    }
    std::vector<char*> argv, envp;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    ChildResult result;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        result.output = "could not start: " + std::string(std::strerror(spawned));
        return result;
    }
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            result.output = "timed out\n";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    std::ifstream out(outputFile);
    std::stringstream text;
    text << out.rdbuf();
    result.output += text.str();
    return result;
}

// A folder name with a Latin-1 "é" (byte 0xE9) is not UTF-8 text: Qt cannot
// name the program's folder and gives an empty one.
TEST(HelpProgramFolder, AFolderNameThatIsNotTextIsReportedAsUnknown) {
    if (isChildRun()) {
        EXPECT_TRUE(QCoreApplication::applicationDirPath().isEmpty())
            << QCoreApplication::applicationDirPath().toStdString();
        WindowRig rig(false);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(rig.window.get()));
        HelpCommand& menu = rig.window->helpCommand();
        EXPECT_EQ(menu.helpFolders().value(0), QCoreApplication::applicationDirPath());
        menu.setHelpFolders({menu.helpFolders().value(0)});  // the program's folder alone
        menu.run();
        ASSERT_TRUE(QTest::qWaitFor([&menu] { return menu.viewer() && menu.viewer()->isVisible(); },
                                    kWaitMs));
        EXPECT_TRUE(menu.helpFile().isEmpty()) << menu.helpFile().toStdString();
        EXPECT_EQ(menu.viewer()->problem(), Problem::FolderUnknown);
        EXPECT_FALSE(menu.viewer()->browser()->toPlainText().contains("/vesker.hlp"));
        return;
    }
    namespace fs = std::filesystem;
    QTemporaryDir work(QDir(QCoreApplication::applicationDirPath()).filePath("help-test-XXXXXX"));
    ASSERT_TRUE(work.isValid());
    const fs::path folder = fs::path(QFile::encodeName(work.path()).toStdString()) / "caf\xe9";
    fs::create_directory(folder);
    const fs::path self = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    const fs::path program = folder / self.filename();
    struct Cleanup {  // QTemporaryDir cannot remove a name that is not text
        fs::path folder;
        ~Cleanup() {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        }
    } cleanup{folder};
    std::error_code linked;
    fs::create_hard_link(self, program, linked);
    if (linked) fs::copy_file(self, program);
    const ChildResult child =
        runSelfInChild(program.string(), (fs::path(work.path().toStdString()) / "out.txt").string(),
                       {"LC_ALL=C.UTF-8", "LANG=C.UTF-8", "QT_QPA_PLATFORM=offscreen"});
    EXPECT_EQ(child.exitCode, 0) << child.output;
    EXPECT_NE(child.output.find("[  PASSED  ] 1 test"), std::string::npos) << child.output;
}

// ---------------------------------------------------------------------------
// What the viewer reads

using HelpFile = HelpTest;

// The peak memory of this process so far, in KiB.
long peakMemoryKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

// Opens and closes the far end of a pipe whenever someone waits to read it, so a
// reader that blocks on it gets an empty end of file after a few seconds rather
// than never: the test then fails on time instead of hanging.
class PipeRelease {
  public:
    explicit PipeRelease(const QString& pipe) : name_(QFile::encodeName(pipe).toStdString()) {
        thread_ = std::thread([this] {
            const auto start = std::chrono::steady_clock::now();
            for (; !stop_; std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
                if (std::chrono::steady_clock::now() - start < std::chrono::seconds(3)) continue;
                const int fd = ::open(name_.c_str(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) ::close(fd);
            }
        });
    }
    ~PipeRelease() {
        stop_ = true;
        thread_.join();
    }

  private:
    std::string name_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST_F(HelpFile, APipeADeviceAFolderOrAHugeFileIsReportedAtOnce) {
    const QString file = folder.filePath();
    QFile::remove(file);
    ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    PipeRelease release(file);
    ASSERT_TRUE(runHelp());
    ASSERT_EQ(menu().helpFile(), file);  // a pipe under the name is still the help file named

    const auto timedF1 = [this](const char* what, Problem expected) {
        for (int press = 1; press <= 2; ++press) {
            if (menu().viewer()) menu().viewer()->close();
            QElapsedTimer clock;
            clock.start();
            pressF1();
            const qint64 ms = clock.elapsed();
            std::cout << "  F1 " << press << " with " << what << " as the help file: " << ms
                      << " ms\n";
            EXPECT_LT(ms, 1000) << what;
            ASSERT_TRUE(viewerShown()) << what;
            EXPECT_EQ(menu().viewer()->problem(), expected) << what;
            EXPECT_TRUE(shownText().contains(QDir::toNativeSeparators(menu().helpFile())));
        }
    };
    timedF1("a named pipe", Problem::NotAFile);
    EXPECT_TRUE(shownText().contains("a named pipe, not a regular file"))
        << shownText().toStdString();

    QFile::remove(file);
    ASSERT_TRUE(QFile::link("/dev/zero", file));  // endless if it were read
    timedF1("a device", Problem::NotAFile);
    EXPECT_TRUE(shownText().contains("a device")) << shownText().toStdString();

    QFile::remove(file);
    ASSERT_TRUE(QDir().mkdir(file));
    timedF1("a folder", Problem::NotAFile);
    ASSERT_TRUE(QDir().rmdir(file));

    {
        QFile huge(file);  // 100 MiB, sparse: it costs no disk space
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(100 * 1024 * 1024));
    }
    const long peakBefore = peakMemoryKiB();
    timedF1("a 100 MiB file", Problem::TooLarge);
    EXPECT_LT(peakMemoryKiB() - peakBefore, 20 * 1024) << "KiB more at the peak";
    EXPECT_TRUE(shownText().contains(QLocale().formattedDataSize(100 * 1024 * 1024)))
        << shownText().toStdString();
}

// What the page brings in cannot hold the window either: a picture that is a
// pipe is left out, and a page of tables too deep to lay out in good time is
// reported (a 16-deep page took 0.7 s, each level doubling it).
TEST_F(HelpFile, APictureThatIsAPipeOrTablesTooDeepDoNotHoldTheWindow) {
    const QString pipe = folder.dir.filePath("pic.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    PipeRelease release(pipe);
    const auto timedF1 = [this](const QByteArray& page, Problem expected, const char* what) {
        QFile file(folder.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(page);
        file.close();
        if (menu().viewer()) menu().viewer()->close();
        QElapsedTimer clock;
        clock.start();
        pressF1();
        EXPECT_LT(clock.elapsed(), 1000) << what;
        ASSERT_TRUE(viewerShown()) << what;
        EXPECT_EQ(menu().viewer()->problem(), expected) << what;
    };
    runHelpAndWaitForViewer();
    if (HasFatalFailure()) return;
    timedF1("<html><body><p>A picture:</p><img src=\"pic.png\"></body></html>", Problem::None,
            "a picture that is a pipe");
    const auto nested = [](int depth) {
        return QByteArray("<table><tr><td>x").repeated(depth) +
               QByteArray("</td></tr></table>").repeated(depth);
    };
    timedF1(nested(12), Problem::None, "tables 12 deep");
    timedF1(nested(13), Problem::TooComplex, "tables 13 deep");
    EXPECT_TRUE(shownText().contains("too many tables")) << shownText().toStdString();
    timedF1(QByteArray("<table><tr><td>x</td></tr></table>").repeated(3001), Problem::TooComplex,
            "3001 tables");
}

TEST_F(HelpFile, AnEmptyFileOrOneByteOverTheLimitIsReportedInWordsAndTheLimitItselfShown) {
    QFile file(folder.filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.close();
    runHelpAndWaitForViewer();
    if (HasFatalFailure()) return;
    EXPECT_EQ(menu().viewer()->problem(), Problem::Empty);
    EXPECT_TRUE(shownText().contains("is empty")) << shownText().toStdString();

    // Exactly the limit: shown.
    QByteArray page = "<html><body><p>At the limit.</p>";
    const QByteArray filler = "<p>Filler text.</p>\n";
    while (page.size() + filler.size() + 14 <= help::kMaxHelpFileBytes)
        page += filler;
    page += QByteArray(help::kMaxHelpFileBytes - page.size() - 14, ' ') + "</body></html>";
    ASSERT_EQ(page.size(), help::kMaxHelpFileBytes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(page);
    file.close();
    QElapsedTimer clock;
    clock.start();
    pressF1();
    std::cout << "  F1 with a help file of the largest size shown: " << clock.elapsed() << " ms\n";
    EXPECT_EQ(menu().viewer()->problem(), Problem::None);
    EXPECT_TRUE(shownText().startsWith("At the limit."));

    // One byte more: reported with both sizes.
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\n");
    file.close();
    pressF1();
    EXPECT_EQ(menu().viewer()->problem(), Problem::TooLarge);
    EXPECT_TRUE(shownText().contains(QLocale().formattedDataSize(help::kMaxHelpFileBytes)))
        << shownText().toStdString();
}

// The page is given to the browser as text, and still finds what lies next to
// it: a picture, another page; its encoding comes from its <meta>.
TEST_F(HelpFile, PicturesAndLinksBesideTheFileAreFoundAndItsEncodingIsRead) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 0));
    ASSERT_TRUE(picture.save(folder.dir.filePath("picture.png")));
    {
        QFile second(folder.dir.filePath("second.html"));
        ASSERT_TRUE(second.open(QIODevice::WriteOnly));
        second.write("<html><body><p>Second page.</p></body></html>");
        QFile page(folder.filePath());
        ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
        page.write(
            "<html><head><meta charset=\"utf-8\"></head><body>"
            "<p>Gr\xc3\xbc\xc3\x9f"
            "e</p><p><img src=\"picture.png\"></p>"
            "<p><a href=\"second.html\">To the second page</a></p></body></html>");
    }
    runHelpAndWaitForViewer();
    if (HasFatalFailure()) return;
    QTextBrowser* browser = menu().viewer()->browser();
    EXPECT_TRUE(shownText().startsWith(QString::fromUtf8("Grüße"))) << shownText().toStdString();

    const QImage shown = browser->viewport()->grab().toImage();
    int red = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            red += shown.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_GE(red, 40 * 30 * 9 / 10) << "pixels of the picture";

    QTextCursor link = browser->document()->find("To the second page");
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 3);
    const QPoint at = browser->cursorRect(link).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(QTest::qWaitFor([this] { return shownText().startsWith("Second page."); }, kWaitMs))
        << shownText().toStdString();
}

// A help file the program ships, from the source tree.
QString shippedHelp(const char* name) {
    return QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(
        QStringLiteral("../../resources/") + QLatin1String(name));
}

// The help tells of the window and of the web page: what only the page has is
// marked class="page" and left out here, in a list item, a paragraph, a table
// row and a phrase; what only the window has (class="window") is shown, and so
// is all that follows what was left out.
TEST(OneHelpForWindowAndPage, TheViewerLeavesOutWhatOnlyThePageHas) {
    HelpViewer viewer(nullptr);
    viewer.showFile(shippedHelp("vesker.hlp"));
    ASSERT_EQ(viewer.problem(), Problem::None);
    const QString shown = viewer.browser()->toPlainText();
    for (const char* pageOnly :
         {"Copy link to this setup", "lists the keys the page answers to", "closes a dialog",
          "Start again", "print dialog with the worksheet"})
        EXPECT_FALSE(shown.contains(QLatin1String(pageOnly))) << pageOnly;
    for (const char* windowOnly :
         {"Export worksheet as PDF", "ends the program at once. There is nothing to save.",
          "Full Screen: on and off", "(in the View menu)", "--picture fan.png", "Back to the top"})
        EXPECT_TRUE(shown.contains(QLatin1String(windowOnly))) << windowOnly;
}

// ---------------------------------------------------------------------------
// The viewer on the screen

using HelpViewerTest = HelpTest;

// The help page is read by the contrast of its text in the rendered viewer: for
// each run of text, its most frequent colour is its background, and the pixel
// that differs most from it is its text colour.
double relativeLuminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct WorstRun {
    double ratio = 1e9;
    QString text;
    int runs = 0;
};

// Measures every text run that lies wholly in the viewport at this scroll position.
void measureShownRuns(QTextBrowser* browser, WorstRun& worst, QSet<int>& measured) {
    const QImage image = browser->viewport()->grab().toImage();
    const double dpr = image.devicePixelRatio();
    const QPointF scroll(browser->horizontalScrollBar()->value(),
                         browser->verticalScrollBar()->value());
    const QRectF viewport(QPointF(0, 0), QSizeF(browser->viewport()->size()));
    QTextDocument* doc = browser->document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QPointF origin = doc->documentLayout()->blockBoundingRect(block).topLeft() - scroll;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.text().trimmed().isEmpty() || measured.contains(fragment.position()))
                continue;
            const int start = fragment.position() - block.position();
            const int end = start + fragment.length();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const int from = std::max(start, line.textStart());
                const int to = std::min(end, line.textStart() + line.textLength());
                if (from >= to) continue;
                const qreal x1 = line.cursorToX(from), x2 = line.cursorToX(to);
                const QRectF run =
                    QRectF(std::min(x1, x2), line.y(), std::abs(x2 - x1), line.height())
                        .translated(origin);
                if (!viewport.contains(run)) goto nextFragment;
            }
            {
                // Wholly shown: measure each line of it.
                for (int i = 0; i < layout->lineCount(); ++i) {
                    const QTextLine line = layout->lineAt(i);
                    const int from = std::max(start, line.textStart());
                    const int to = std::min(end, line.textStart() + line.textLength());
                    if (from >= to || block.text().mid(from, to - from).trimmed().isEmpty())
                        continue;
                    const qreal x1 = line.cursorToX(from), x2 = line.cursorToX(to);
                    const QRect run = QRectF(QPointF(std::min(x1, x2), line.y()) + origin,
                                             QSizeF(std::abs(x2 - x1), line.height()))
                                          .toAlignedRect();
                    const QRect pixels(QPoint(int(run.left() * dpr), int(run.top() * dpr)),
                                       QSize(int(run.width() * dpr), int(run.height() * dpr)));
                    std::map<QRgb, int> counts;
                    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
                        for (int x = pixels.left(); x <= pixels.right(); ++x)
                            if (image.rect().contains(x, y)) ++counts[image.pixel(x, y)];
                    if (counts.empty()) continue;
                    const QRgb background =
                        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                            return a.second < b.second;
                        })->first;
                    double best = 1;
                    for (const auto& [colour, n] : counts)
                        best = std::max(best, contrast(colour, background));
                    if (best == 1) continue;  // no ink: spaces only
                    ++worst.runs;
                    if (best < worst.ratio) {
                        worst.ratio = best;
                        worst.text = fragment.text();
                    }
                }
                measured.insert(fragment.position());
            }
        nextFragment:;
        }
    }
}

QPalette darkPalette() {
    QPalette p;
    const QColor window(0x2b, 0x2b, 0x2b), base(0x1e, 0x1e, 0x1e), text(0xf0, 0xf0, 0xf0);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, window);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, QColor(0x35, 0x35, 0x35));
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::BrightText, Qt::white);
        p.setColor(group, QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
        p.setColor(group, QPalette::HighlightedText, Qt::black);
        p.setColor(group, QPalette::Link, QColor(0x5a, 0xa9, 0xff));
        p.setColor(group, QPalette::LinkVisited, QColor(0xc5, 0x8a, 0xf9));
        p.setColor(group, QPalette::ToolTipBase, window);
        p.setColor(group, QPalette::ToolTipText, text);
        p.setColor(group, QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
    }
    return p;
}

// Puts the application's palette back when the test ends, however it ends.
struct PaletteRestore {
    QPalette saved = QApplication::palette();
    ~PaletteRestore() { QApplication::setPalette(saved); }
};

WorstRun measureWholePage(QTextBrowser* browser) {
    WorstRun worst;
    QSet<int> measured;
    QScrollBar* bar = browser->verticalScrollBar();
    for (int y = 0;; y += std::max(1, browser->viewport()->height() / 2)) {
        bar->setValue(std::min(y, bar->maximum()));
        measureShownRuns(browser, worst, measured);
        if (y >= bar->maximum()) break;
    }
    bar->setValue(0);
    return worst;
}

TEST_F(HelpViewerTest, EveryTextOfTheHelpReadsOnALightAndADarkDesktop) {
    const QString shipped = shippedHelp("vesker.hlp");
    ASSERT_TRUE(QFileInfo(shipped).isFile()) << shipped.toStdString();
    menu().setHelpFolders({QFileInfo(shipped).absolutePath()});

    PaletteRestore restore;
    const auto check = [this](const std::string& how) {
        QCoreApplication::processEvents();
        HelpViewer* viewer = menu().viewer();
        ASSERT_EQ(viewer->problem(), Problem::None) << how;
        const WorstRun worst = measureWholePage(viewer->browser());
        std::cout << "  " << how << ": " << worst.runs << " runs of text, lowest contrast "
                  << worst.ratio << ":1 (\"" << worst.text.toStdString() << "\")\n";
        EXPECT_GT(worst.runs, 300) << how;
        EXPECT_GE(worst.ratio, 4.5) << how << ": \"" << worst.text.toStdString() << "\"";
    };
    QApplication::setPalette(QApplication::style()->standardPalette());
    runHelpAndWaitForViewer();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu().viewer()));
    check("light palette");
    QApplication::setPalette(darkPalette());
    check("dark palette, switched to while the help is open");
    menu().viewer()->close();
    pressF1();
    check("dark palette, the help opened on it");

    // The help in each language the window speaks, on either desktop.
    for (const char* name : {"vesker_de.hlp", "vesker_fr.hlp", "vesker_es.hlp", "vesker_ja.hlp"}) {
        QApplication::setPalette(QApplication::style()->standardPalette());
        menu().viewer()->showFile(shippedHelp(name));
        check(std::string(name) + ", light palette");
        QApplication::setPalette(darkPalette());
        check(std::string(name) + ", dark palette");
    }
}

// The viewer opens 640 x 560 where there is room, inside the screen's available
// area however the main window lies, and comes back inside it when opened again.
TEST_F(HelpViewerTest, OpensInsideTheAvailableAreaOfTheScreen) {
    const QRect area = rig.window->screen()->availableGeometry();
    const QSize room = area.size().shrunkBy(rig.window->windowHandle()->frameMargins());
    rig.window->move(area.right() - 100, area.bottom() - 100);  // mostly off the screen
    runHelpAndWaitForViewer();
    if (HasFatalFailure()) return;
    HelpViewer* viewer = menu().viewer();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
    EXPECT_EQ(viewer->size(), QSize(640, 560).boundedTo(room));
    EXPECT_TRUE(area.contains(viewer->frameGeometry()))
        << "frame " << viewer->frameGeometry().x() << "," << viewer->frameGeometry().y();

    // Moved half off the screen and closed: F1 brings it back inside, as large as it was.
    const QSize smaller = viewer->size() - QSize(140, 160);
    viewer->resize(smaller);
    viewer->move(area.left() - 300, area.top() - 200);
    viewer->close();
    pressF1();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
    EXPECT_EQ(viewer->size(), smaller);
    EXPECT_TRUE(area.contains(viewer->frameGeometry()))
        << "frame " << viewer->frameGeometry().x() << "," << viewer->frameGeometry().y();
}

// On a screen smaller than the viewer's 640 x 560, run in a child process
// whose offscreen platform has a 480 x 360 screen.
TEST(HelpViewerSmallScreen, TheViewerFitsTheScreen) {
    if (isChildRun()) {
        WindowRig rig(false);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(rig.window.get()));
        const QRect area = rig.window->screen()->availableGeometry();
        ASSERT_EQ(area.size(), QSize(480, 360));
        HelpFolder folder;
        HelpCommand& menu = rig.window->helpCommand();
        menu.setHelpFolders({folder.path()});
        menu.run();
        ASSERT_TRUE(QTest::qWaitFor([&menu] { return menu.viewer() && menu.viewer()->isVisible(); },
                                    kWaitMs));
        HelpViewer* viewer = menu.viewer();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
        // As large as fits: the frame fills the screen.
        EXPECT_EQ(viewer->frameGeometry(), area)
            << viewer->frameGeometry().x() << "," << viewer->frameGeometry().y() << " "
            << viewer->frameGeometry().width() << "x" << viewer->frameGeometry().height();
        return;
    }
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    QFile config(work.filePath("screen.json"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 480, "height": 360,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.0}]})");
    config.close();
    const ChildResult child =
        runSelfInChild(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(),
                       QFile::encodeName(work.filePath("out.txt")).toStdString(),
                       {"QT_QPA_PLATFORM=offscreen:configfile=" + config.fileName().toStdString(),
                        "QT_SCALE_FACTOR=1"});
    EXPECT_EQ(child.exitCode, 0) << child.output;
    EXPECT_NE(child.output.find("[  PASSED  ] 1 test"), std::string::npos) << child.output;
}

// ---------------------------------------------------------------------------
// Exit

using ExitCommand = HelpTest;

TEST_F(ExitCommand, ClosesTheWindowAtOnceWithItsHelpViewer) {
    runHelpAndWaitForViewer();
    if (HasFatalFailure()) return;
    rig.window->exitAction()->trigger();
    EXPECT_FALSE(rig.window->isVisible());
    EXPECT_FALSE(menu().viewer()->isVisible());
    EXPECT_EQ(rig.window->faultNotice().count(), 0);
}

TEST_F(ExitCommand, AltHHelpsAndAltXEnds) {
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    QTest::keyClick(rig.window.get(), Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return viewerShown(); }, kWaitMs));
    EXPECT_EQ(menu().helpFile(), folder.filePath());
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == menu().viewer(); },
                                kWaitMs));

    // (qWaitForWindowActive would count the help window as the main window's own.)
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == rig.window.get(); },
                                kWaitMs));
    QTest::keyClick(rig.window.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(rig.window->isVisible());
    EXPECT_FALSE(menu().viewer()->isVisible());
}

}  // namespace
}  // namespace korvath
