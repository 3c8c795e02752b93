// Runs the benchmarks inside one QApplication, headless unless a platform is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

namespace {

// Two warnings of the headless set-up say nothing about the program: the
// offscreen platform cannot pass size hints to a window manager it does not
// have, and a root session may lack XDG_RUNTIME_DIR (Qt then uses a default).
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains("does not support propagateSizeHints")) return;
    if (message.contains("XDG_RUNTIME_DIR not set")) return;
    qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvath simulation");
    QApplication::setApplicationVersion("1.00");

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
