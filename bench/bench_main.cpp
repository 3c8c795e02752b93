// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the benchmarks inside one QApplication, headless unless a platform is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <clocale>

#include "headless.hpp"
#include "korvath_build_info.hpp"

int main(int argc, char** argv) {
    korvath::testing::prepareHeadlessRun();
    QApplication app(argc, argv);
    const auto settings = korvath::testing::isolateSettings();
    // QApplication takes the C library's locale from the environment; the
    // benchmark library prints its figures with printf, which would then
    // write decimal commas under a German or French locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QString::fromUtf8(korvath::buildinfo::kOrganization));
    QApplication::setApplicationName(QString::fromUtf8(korvath::buildinfo::kDisplayName));
    QApplication::setApplicationVersion(QString::fromUtf8(korvath::buildinfo::kDisplayVersion));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
