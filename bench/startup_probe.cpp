// SPDX-License-Identifier: GPL-3.0-or-later
// The program as it starts, stopped at its first drawn scene: it opens the
// main window like the real program does and, right after the first timer
// tick has computed and drawn the body, writes one line and exits.
//
// The line holds three steady-clock readings in nanoseconds (the system-wide
// monotonic clock, so the parent can compare them with its own): entry into
// main, the window built, and the first scene drawn.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "headless.hpp"
#include "korvath_build_info.hpp"
#include "main_window.hpp"

namespace {

long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

int main(int argc, char* argv[]) {
    const long long entered = nowNs();
    korvath::testing::prepareHeadlessRun();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(korvath::buildinfo::kDisplayName));
    QApplication::setApplicationVersion(QString::fromUtf8(korvath::buildinfo::kDisplayVersion));
    QApplication::setOrganizationName(QString::fromUtf8(korvath::buildinfo::kOrganization));

    korvath::ui::MainWindow window;
    const long long built = nowNs();
    window.show();

    // Connected after the window's own handler, so it runs right after the
    // tick that draws the first scene.
    bool reported = false;
    QObject::connect(window.startTimer(), &QTimer::timeout, &window, [&] {
        if (reported || window.session().computeCount() < 1) return;
        reported = true;
        std::printf("drawn %lld %lld %lld\n", entered, built, nowNs());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
