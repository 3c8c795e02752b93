// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the widget tests inside one QApplication, headless unless a platform is chosen.
#include <gtest/gtest.h>

#include <QApplication>

#include "headless.hpp"
#include "korvath_build_info.hpp"

int main(int argc, char** argv) {
    korvath::testing::prepareHeadlessRun();
    QApplication app(argc, argv);
    const auto settings = korvath::testing::isolateSettings();
    QApplication::setOrganizationName(QString::fromUtf8(korvath::buildinfo::kOrganization));
    QApplication::setApplicationName(QString::fromUtf8(korvath::buildinfo::kDisplayName));
    QApplication::setApplicationVersion(QString::fromUtf8(korvath::buildinfo::kDisplayVersion));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
