// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.hpp"

#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <optional>

namespace korvath::ui {

namespace {

constexpr off_t kLargestSettingsFile = 64 << 10;  // a few keys: far more than enough

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

QVariant readSetting(const char* key) {
    const std::optional<SettingsFile> file = usableSettingsFile();
    return file ? QSettings(file->name, QSettings::IniFormat).value(QLatin1String(key))
                : QVariant();
}

// A read-only settings file is the user's to keep as it is; a file written
// keeps its mode and owner.
void writeSetting(const char* key, const QVariant& value) {
    const std::optional<SettingsFile> file = usableSettingsFile();
    if (!file || (file->existing && !(file->existing->st_mode & S_IWUSR))) return;
    {
        QSettings settings(file->name, QSettings::IniFormat);
        settings.setValue(QLatin1String(key), value);
    }
    if (!file->existing) return;
    const QByteArray name = QFile::encodeName(file->name);
    (void)::chown(name.constData(), file->existing->st_uid, file->existing->st_gid);
    (void)::chmod(name.constData(), file->existing->st_mode & 07777);
}

}  // namespace korvath::ui
