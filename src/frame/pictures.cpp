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

// Looks `key` up in `cache`, or makes the value and keeps it when it could
// be made; a failure is not kept, so a file that appears later is read then.
template<typename T, typename Make>
std::optional<T> cached(QHash<QString, T> &cache, const QString &key, Make make)
{
    if (const auto it = cache.constFind(key); it != cache.cend())
        return *it;
    std::optional<T> value = make();
    if (value)
        cache.insert(key, *value);
    return value;
}

std::optional<QPixmap> readPixmap(const QString &file)
{
    QPixmap pixmap;
    if (file.isEmpty() || !pixmap.load(btnPath(file)))
        return std::nullopt;
    return pixmap;
}

} // namespace

std::optional<QPixmap> loadPicture(const QString &file)
{
    static QHash<QString, QPixmap> cache;
    return cached(cache, btnPath(file), [&file] { return readPixmap(file); });
}

std::optional<QPixmap> loadPicture(const QString &file, QSize size)
{
    static QHash<QString, QPixmap> cache;
    return cached(cache, scaledKey(btnPath(file), size), [&file, size] {
        auto pixmap = loadPicture(file);
        if (pixmap && !size.isEmpty() && pixmap->size() != size)
            *pixmap = pixmap->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return pixmap;
    });
}

std::optional<QCursor> loadCursor(const QString &file)
{
    static QHash<QString, QCursor> cache;
    return cached(cache, btnPath(file), [&file]() -> std::optional<QCursor> {
        const auto pixmap = readPixmap(file);
        if (!pixmap)
            return std::nullopt;
        return QCursor(*pixmap, kHandHotSpot.x(), kHandHotSpot.y());
    });
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
