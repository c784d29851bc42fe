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
// `size` (device pixels) smoothly scales the picture, once; an empty size
// keeps it as it is. Above a device pixel `ratio` of 1 the pixels come from
// the twice-sized twin "name@2x.jpg" where there is one; at 1 the twin is
// never looked for.
std::optional<QPixmap> loadPicture(const QString &file, QSize size = {}, qreal ratio = 1.0);
// A cursor, from its twice-sized twin above a device pixel ratio of 1.
std::optional<QCursor> loadCursor(const QString &file, qreal ratio = 1.0);

// Gives a window a cursor from the BTN folder and notes its name in the
// window's "cursorFile" property; a missing file keeps the old cursor.
bool setWindowCursorFile(QWidget *window, const QString &file);

} // namespace mk
