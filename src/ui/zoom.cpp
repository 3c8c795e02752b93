// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom.hpp"

#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <optional>

namespace korvath::ui {

namespace {

constexpr std::array kSteps{1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 4.0};
constexpr const char* kZoomKey = "window/zoom";
constexpr off_t kLargestSettingsFile = 64 << 10;  // one key is stored: far more than enough

}  // namespace

std::span<const double> zoomSteps() {
    return kSteps;
}

double zoomIn(double zoom) {
    for (double step : kSteps)
        if (step > zoom + 1e-9) return step;
    return std::min(zoom, kLargestZoom);
}

double zoomOut(double zoom) {
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
        if (*it < zoom - 1e-9) return *it;
    return std::max(zoom, kSmallestZoom);
}

double fittingZoom(QSize natural, QSize room) {
    if (natural.isEmpty() || room.isEmpty()) return kSmallestZoom;
    const double fit =
        std::min(double(room.width()) / natural.width(), double(room.height()) / natural.height());
    // Whole percents, rounded down, so that the scaled layout surely fits.
    const double percents = std::floor(fit * 100 + 1e-9);
    return std::clamp(percents / 100, kSmallestZoom, kLargestZoom);
}

double zoomFromStored(const QVariant& stored) {
    bool ok = false;
    const double zoom = stored.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(zoom) || zoom < kSmallestZoom || zoom > kLargestZoom) return 1.0;
    return zoom;
}

namespace {

// The user's settings file, as QSettings names it for the application.
QString settingsFileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('/') +
           QCoreApplication::applicationName() + QStringLiteral(".conf");
}

// The settings file as the program may use it: its name, and its status
// when it exists.
struct SettingsFile {
    QString name;
    std::optional<struct stat> existing;
};

// The settings file is used only where it is a regular file of sane size, or
// not there yet: a named pipe would hang the program before its window
// opens, and a huge file would be read, and written again, at every zoom
// step. Anything else is left as it is, and said once on standard error.
std::optional<SettingsFile> usableSettingsFile() {
    SettingsFile file{settingsFileName(), std::nullopt};
    struct stat found;
    const bool exists = ::stat(QFile::encodeName(file.name).constData(), &found) == 0;
    if (!exists && errno == ENOENT) return file;
    if (exists && S_ISREG(found.st_mode) && found.st_size <= kLargestSettingsFile) {
        file.existing = found;
        return file;
    }
    static bool told = false;
    if (!told) {
        told = true;
        const QString line =
            QCoreApplication::translate("Zoom",
                                        "%1: the settings file %2 is not a regular file of "
                                        "at most 64 KiB; it is not used.")
                .arg(QCoreApplication::applicationName(), file.name);
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    }
    return std::nullopt;
}

}  // namespace

double loadZoom() {
    const std::optional<SettingsFile> file = usableSettingsFile();
    return file ? zoomFromStored(QSettings(file->name, QSettings::IniFormat).value(kZoomKey)) : 1.0;
}

// A read-only settings file is the user's to keep as it is; a file written
// keeps its mode and owner.
void saveZoom(double zoom) {
    const std::optional<SettingsFile> file = usableSettingsFile();
    if (!file || (file->existing && !(file->existing->st_mode & S_IWUSR))) return;
    {
        QSettings settings(file->name, QSettings::IniFormat);
        settings.setValue(kZoomKey, zoom);
    }
    if (!file->existing) return;
    const QByteArray name = QFile::encodeName(file->name);
    (void)::chown(name.constData(), file->existing->st_uid, file->existing->st_gid);
    (void)::chmod(name.constData(), file->existing->st_mode & 07777);
}

}  // namespace korvath::ui
