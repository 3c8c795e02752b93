// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_writer.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <cerrno>
#include <cstring>

namespace korvath::ui {

namespace {

struct FileWriter {
    Q_DECLARE_TR_FUNCTIONS(FileWriter)
};

// As many links as the system itself follows before it calls them a loop.
constexpr int kLinksFollowed = 40;

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The folder part of a name, with its slash ("" for a name in the current folder).
QByteArray folderOf(const QByteArray& name) {
    return name.left(name.lastIndexOf('/') + 1);
}

}  // namespace

QByteArray fileNameLeadsTo(const QByteArray& name, QString* reason) {
    QByteArray target = name;
    for (int links = 0; links <= kLinksFollowed; ++links) {
        struct stat found;
        // A missing file (or one the system cannot look at) is written, or
        // refused, by name.
        if (::lstat(target.constData(), &found) != 0 || !S_ISLNK(found.st_mode)) return target;
        QByteArray link(static_cast<qsizetype>(found.st_size) + 1, '\0');
        const ssize_t length = ::readlink(target.constData(), link.data(), size_t(link.size()));
        if (length < 0 || length >= link.size()) {
            *reason = systemError(length < 0 ? errno : ENAMETOOLONG);
            return {};
        }
        link.truncate(length);
        target = link.startsWith('/') ? link : folderOf(target) + link;
    }
    *reason = systemError(ELOOP);
    return {};
}

QString writeFileSafely(const QByteArray& name, const QByteArray& bytes) {
    QString reason;
    const QByteArray target = fileNameLeadsTo(name, &reason);
    if (target.isEmpty()) return reason.isEmpty() ? systemError(ENOENT) : reason;
    struct stat old;
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (!replacing && errno != ENOENT) return systemError(errno);
    if (replacing && S_ISDIR(old.st_mode)) return FileWriter::tr("it is a folder");
    if (replacing && S_ISFIFO(old.st_mode)) return FileWriter::tr("it is a named pipe");
    if (replacing && !S_ISREG(old.st_mode)) return FileWriter::tr("it is a device, not a file");

    // A new file gets the mode the user's umask gives any new file.
    const mode_t umask = ::umask(0);
    ::umask(umask);
    const mode_t mode = replacing ? old.st_mode & 07777 : 0666 & ~umask;
    QByteArray temporary = folderOf(target) + ".korvath-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return systemError(errno);
    const auto failed = [&](int error) {
        ::close(fd);
        ::unlink(temporary.constData());
        return systemError(error);
    };
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return failed(written < 0 ? errno : ENOSPC);
        done += written;
    }
    // The owner first: changing it clears the set-user-ID bits the mode keeps.
    // Another user's file stays theirs where the writer may do so (root).
    if (replacing && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()))
        (void)::fchown(fd, old.st_uid, old.st_gid);
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) return failed(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return systemError(error);
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return systemError(error);
    }
    return {};
}

}  // namespace korvath::ui
