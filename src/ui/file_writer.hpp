// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file the user named, harming nothing else. The name is followed
// through its symbolic links to the file it leads to, which is then treated
// as if named directly: only a regular file, or a new file in an existing
// folder, is written; a named pipe, a device, a folder or a loop of links is
// refused and left as it was. The new contents go to a temporary file beside
// it, which takes the old file's mode (and owner, where the writer may keep
// it) and then replaces it in one step, so that a failed write leaves the
// old file whole. Names are the system's bytes, never re-encoded.
#pragma once

#include <QByteArray>
#include <QString>

namespace korvath::ui {

// The file `name` leads to, through its symbolic links (each relative link
// read from its own folder); empty with `reason` set when the links form a
// loop or cannot be read.
QByteArray fileNameLeadsTo(const QByteArray& name, QString* reason);

// Writes `bytes` to the file `name` leads to. Returns why it failed, in words
// (the system's own for its errors: a full disk says so), or empty.
QString writeFileSafely(const QByteArray& name, const QByteArray& bytes);

}  // namespace korvath::ui
