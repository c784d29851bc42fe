#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// A small file the program keeps (the settings, the child's progress):
// read only when it is a plain file, replaced whole so that a kill or a
// full disk at any moment leaves the old content or the new one.
namespace mk::SafeFile {

enum class Opened { Yes, Missing, Refused };

// Opens `path` for reading only if it is a plain file: a link may point
// anywhere, and opening a pipe or a device could block or do something to
// it. Missing: there is no such name; Refused: anything else that fails.
Opened openPlain(const QString &path, QFile &file);

// Writes beside the old file and replaces it in one step, keeping its mode
// (and its owner when root writes). Where the folder refuses new files, the
// file is overwritten in place, so a kill may leave a tail of the old
// content after the new; a format kept this way must not read such a tail.
// Only a plain, writable file is replaced. Returns whether the bytes are in
// the file.
bool replace(const QString &path, const QByteArray &bytes);

} // namespace mk::SafeFile
