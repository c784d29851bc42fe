#include "pictures.h"

#include "appstate.h"
#include "names.h"

#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QWidget>

namespace mk {

namespace {

// Where the finger tip of the hand cursors is.
constexpr QPoint kHandHotSpot(6, 1);

QString scaledKey(const QString &path, QSize size)
{
    return path + u'@' + QString::number(size.width()) + u'x' + QString::number(size.height());
}

// The file the pixels come from: the twin above a ratio of 1, where there is one.
QString sourcePath(const QString &file, qreal ratio)
{
    if (ratio > 1.0 && !file.isEmpty()) {
        QString twin = btnPath(names::twinName(file));
        if (QFileInfo(twin).isFile())
            return twin;
    }
    return btnPath(file);
}

} // namespace

std::optional<QPixmap> loadPicture(const QString &file, QSize size, qreal ratio)
{
    static QHash<QString, QPixmap> pictures;
    const QString path = sourcePath(file, ratio);
    const QString key = scaledKey(path, size);
    if (const auto it = pictures.constFind(key); it != pictures.cend())
        return *it;
    if (file.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QImage image = QImageReader(path).read();
    // A failure is not kept, so a file that appears later is read then.
    if (image.isNull())
        return std::nullopt;
    if (!size.isEmpty() && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QPixmap pixmap = QPixmap::fromImage(image);
    pictures.insert(key, pixmap);
    return pixmap;
}

std::optional<QCursor> loadCursor(const QString &file, qreal ratio)
{
    static QHash<QString, QCursor> cache;
    const QString path = sourcePath(file, ratio);
    if (const auto it = cache.constFind(path); it != cache.cend())
        return *it;
    QPixmap pixmap;
    if (file.isEmpty() || !pixmap.load(path))
        return std::nullopt;
    if (path != btnPath(file))
        pixmap.setDevicePixelRatio(2.0);
    // The hot spot is in the cursor's logical pixels, the same at either size.
    const QCursor cursor(pixmap, kHandHotSpot.x(), kHandHotSpot.y());
    cache.insert(path, cursor);
    return cursor;
}

bool setWindowCursorFile(QWidget *window, const QString &file)
{
    const auto cursor = loadCursor(file, window->devicePixelRatioF());
    if (!cursor)
        return false;
    window->setCursor(*cursor);
    window->setProperty("cursorFile", file);
    return true;
}

} // namespace mk
