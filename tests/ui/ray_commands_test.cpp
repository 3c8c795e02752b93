// SPDX-License-Identifier: GPL-3.0-or-later
// The window's rays and worksheet commands, wired to the session: the ray
// travels and ends on the instant picture, told once to a screen reader;
// kept rays and Clear rays; the worksheet written from what the window shows.
#include "ray_commands.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "scene_picture.hpp"
#include "settings.hpp"
#include "window_rig.hpp"
#include "worksheet_commands.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

TEST(WindowRays, ATravellingRayEndsOnTheInstantPictureAndIsToldOnce) {
    WindowRig instant;
    instant.click("beamButton");
    WindowRig rig;
    ui::RayCommands& rays = rig.window->rayCommands();
    rays.animateAction()->setChecked(true);
    EXPECT_EQ(ui::readSetting("picture/animateRays").toBool(), true);
    QSignalSpy told(rig.window.get(), &ui::MainWindow::pictureDescribed);
    rig.click("beamButton");
    ASSERT_TRUE(rays.animatedScene().travelling());
    EXPECT_EQ(rig.window->session().text(ShownValue::Radius), "6378000");  // values at once
    const qsizetype toldBefore = told.size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !rays.animatedScene().travelling(); }, 4000));
    EXPECT_FALSE(rays.frameTimer().isActive());
    EXPECT_EQ(told.size(), toldBefore + 1);
    EXPECT_EQ(told.last().first().toString(), instant.window->picture()->accessibleDescription());
    EXPECT_EQ(rig.window->picture()->image(), instant.window->picture()->image());
}

TEST(WindowRays, KeptRaysGrowWithEachBeamAndDeleteClearsThem) {
    WindowRig rig;
    ui::RayCommands& rays = rig.window->rayCommands();
    EXPECT_FALSE(rays.clearAction()->isEnabled());
    rays.keepAction()->trigger();
    rig.click("beamButton");
    rig.click("beamUpButton");
    rig.click("beamButton");
    EXPECT_EQ(rig.window->session().rays().size(), 2u);
    ASSERT_TRUE(rays.clearAction()->isEnabled());
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    QTest::keyClick(rig.window->picture(), Qt::Key_Delete);
    EXPECT_TRUE(rig.window->session().rays().empty());
    EXPECT_FALSE(rays.clearAction()->isEnabled());
}

TEST(WindowWorksheet, ExportWritesAPdfAndSaysWhyWhenItCannot) {
    WindowRig rig;
    QTemporaryDir folder;
    ui::WorksheetCommands& worksheet = rig.window->worksheetCommands();
    ASSERT_TRUE(worksheet.exportTo(folder.filePath("sheet.pdf")));
    QFile written(folder.filePath("sheet.pdf"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
    EXPECT_FALSE(worksheet.exportTo(folder.filePath("missing/sheet.pdf")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.window->findChild<QWidget*>("exportFault"); }));
}

}  // namespace
}  // namespace korvath
