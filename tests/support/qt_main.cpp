// Runs the widget tests inside one QApplication, headless unless a platform is chosen.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

namespace {

// The offscreen platform warns that it cannot pass size hints to a window
// manager it does not have; that says nothing about the program.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains("does not support propagateSizeHints")) return;
    qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvath simulation");
    QApplication::setApplicationVersion("1.00");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
