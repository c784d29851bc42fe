#pragma once

#include <QCursor>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <optional>

class QWidget;

namespace mk {

// Pictures and cursors from the BTN folder. A file is decoded once and then
// reused; a file that cannot be read gives none and is tried again next time.
std::optional<QPixmap> loadPicture(const QString &file);
// The same picture smoothly scaled to `size` (device pixels), also cached.
std::optional<QPixmap> loadPicture(const QString &file, QSize size);
std::optional<QCursor> loadCursor(const QString &file);

// Gives a window a cursor from the BTN folder and notes its name in the
// window's "cursorFile" property; a missing file keeps the old cursor.
bool setWindowCursorFile(QWidget *window, const QString &file);

} // namespace mk
