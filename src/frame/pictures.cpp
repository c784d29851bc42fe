#include "pictures.h"

#include "appstate.h"

#include <QHash>
#include <QWidget>

namespace mk {

namespace {

// Where the finger tip of the hand cursors is.
constexpr QPoint kHandHotSpot(6, 1);

QString scaledKey(const QString &path, QSize size)
{
    return path + u'@' + QString::number(size.width()) + u'x' + QString::number(size.height());
}

} // namespace

std::optional<QPixmap> loadPicture(const QString &file)
{
    static QHash<QString, QPixmap> cache;
    const QString path = btnPath(file);
    if (const auto it = cache.constFind(path); it != cache.cend())
        return *it;
    QPixmap pixmap;
    if (file.isEmpty() || !pixmap.load(path))
        return std::nullopt;
    cache.insert(path, pixmap);
    return pixmap;
}

std::optional<QPixmap> loadPicture(const QString &file, QSize size)
{
    static QHash<QString, QPixmap> cache;
    const QString key = scaledKey(btnPath(file), size);
    if (const auto it = cache.constFind(key); it != cache.cend())
        return *it;
    auto pixmap = loadPicture(file);
    if (!pixmap || size.isEmpty())
        return pixmap;
    if (pixmap->size() != size)
        *pixmap = pixmap->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    cache.insert(key, *pixmap);
    return pixmap;
}

std::optional<QCursor> loadCursor(const QString &file)
{
    static QHash<QString, QCursor> cache;
    const QString path = btnPath(file);
    if (const auto it = cache.constFind(path); it != cache.cend())
        return *it;
    QPixmap pixmap;
    if (file.isEmpty() || !pixmap.load(path))
        return std::nullopt;
    const QCursor cursor(pixmap, kHandHotSpot.x(), kHandHotSpot.y());
    cache.insert(path, cursor);
    return cursor;
}

bool setWindowCursorFile(QWidget *window, const QString &file)
{
    const auto cursor = loadCursor(file);
    if (!cursor)
        return false;
    window->setCursor(*cursor);
    window->setProperty("cursorFile", file);
    return true;
}

} // namespace mk
