// Runs the widget tests inside one QApplication, headless unless a platform is chosen.
#include <gtest/gtest.h>

#include <QApplication>

#include "headless.hpp"

int main(int argc, char** argv) {
    korvath::testing::prepareHeadlessRun();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvath simulation");
    QApplication::setApplicationVersion("1.00");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
