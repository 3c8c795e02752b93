// Runs the benchmarks inside one QApplication, headless unless a platform is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "headless.hpp"

int main(int argc, char** argv) {
    korvath::testing::prepareHeadlessRun();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvath simulation");
    QApplication::setApplicationVersion("1.00");

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
