#pragma once

#include <QCursor>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace mk {

// A picture on its way from its file: it is decoded on another thread from
// the moment it is asked for, so a screen can go on building meanwhile.
class PendingPicture
{
public:
    // Waits for the pixels; none when the file turned out not to be a picture.
    std::optional<QPixmap> take() const;
    // Whether take() would return at once.
    bool isReady() const;

    struct State;
    explicit PendingPicture(std::shared_ptr<State> state) : m_state(std::move(state)) {}

private:
    std::shared_ptr<State> m_state;
};

// Pictures and cursors from the BTN folder. A file is decoded once and then
// reused; a file that cannot be read gives none and is tried again next time.
// `size` (device pixels) smoothly scales the picture, once; an empty size
// keeps it as it is. Gives none at once when there is no such file.
// Above a device pixel `ratio` of 1 the pixels come from the twice-sized
// twin "name@2x.jpg" where there is one; at 1 the twin is never looked for.
std::optional<PendingPicture> requestPicture(const QString &file, QSize size = {}, qreal ratio = 1.0);
// Decodes a picture the screen may show later (a pressed key), behind every
// picture asked for with requestPicture, so that showing it waits for nothing.
void preparePicture(const QString &file, QSize size, qreal ratio);
// Whether the picture was asked for and its pixels are there.
bool isPictureReady(const QString &file, QSize size, qreal ratio);
std::optional<QPixmap> loadPicture(const QString &file, QSize size = {});
// A cursor, from its twice-sized twin above a device pixel ratio of 1.
std::optional<QCursor> loadCursor(const QString &file, qreal ratio = 1.0);

// Gives a window a cursor from the BTN folder and notes its name in the
// window's "cursorFile" property; a missing file keeps the old cursor.
bool setWindowCursorFile(QWidget *window, const QString &file);

} // namespace mk
