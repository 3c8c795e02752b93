// SPDX-License-Identifier: GPL-3.0-or-later
// Set-up shared by the headless runs of the window (tests, benchmarks): the
// offscreen platform unless another one is chosen, and quiet about two Qt
// warnings that say nothing about the program (the offscreen platform cannot
// pass size hints to a window manager it does not have, and a root session
// may lack XDG_RUNTIME_DIR, for which Qt then uses a default).
#pragma once

#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>
#include <cstdlib>

namespace korvath::testing {

inline void quietMessageHandler(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
    if (message.contains("does not support propagateSizeHints")) return;
    if (message.contains("XDG_RUNTIME_DIR not set")) return;
    qt_message_output(type, context, message);
}

// Call before the QApplication is created.
inline void prepareHeadlessRun() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietMessageHandler);
}

// Settings the program stores (the window's zoom) go to a folder of this
// run's own, removed at its end: a run neither reads the user's settings nor
// shares them with runs beside it. Keep the returned folder alive.
[[nodiscard]] inline QTemporaryDir isolateSettings() {
    QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));  // where the program looks first
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    return folder;
}

}  // namespace korvath::testing
