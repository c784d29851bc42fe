#include "pictures.h"

#include "appstate.h"
#include "background.h"
#include "handover.h"
#include "names.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QWidget>

#include <utility>

namespace mk {

namespace {

// Where the finger tip of the hand cursors is.
constexpr QPoint kHandHotSpot(6, 1);

QString scaledKey(const QString &path, QSize size)
{
    return path + u'@' + QString::number(size.width()) + u'x' + QString::number(size.height());
}

// A file's pixels as read, shared by every size the picture is shown at;
// whichever decoding task needs them first reads the file.
class Source
{
public:
    explicit Source(QString path) : m_path(std::move(path)) {}

    QImage image()
    {
        QMutexLocker lock(&m_mutex);
        if (!m_read) {
            m_image = QImageReader(m_path).read();
            m_read = true;
        }
        return m_image;
    }

private:
    const QString m_path;
    QMutex m_mutex;
    bool m_read = false;
    QImage m_image;
};

QImage decode(Source &source, QSize size)
{
    QImage image = source.image();
    if (!image.isNull() && !size.isEmpty() && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

struct PendingPicture::State
{
    QString path;
    QString key;
    // Decoded on a pool thread, or where it is needed before one has started on it.
    std::shared_ptr<Handover<QImage>> decoding;
    bool taken = false;
    std::optional<QPixmap> pixmap;
};

namespace {

WorkerPool &decoders()
{
    static WorkerPool pool;
    // Decoding needs the image plugins, which go with the application object.
    [[maybe_unused]] static const bool waitsAtExit = (qAddPostRoutine([] { decoders().waitForDone(); }), true);
    return pool;
}

// Both caches belong to the user-interface thread; the tasks only see the
// sources and their own decoding.
QHash<QString, std::shared_ptr<Source>> &sources()
{
    static QHash<QString, std::shared_ptr<Source>> cache;
    return cache;
}

QHash<QString, std::shared_ptr<PendingPicture::State>> &pictures()
{
    static QHash<QString, std::shared_ptr<PendingPicture::State>> cache;
    return cache;
}

} // namespace

std::optional<QPixmap> PendingPicture::take() const
{
    State &s = *m_state;
    if (!s.taken) {
        const QImage image = std::exchange(s.decoding, nullptr)->take();
        s.taken = true;
        if (!image.isNull()) {
            s.pixmap = QPixmap::fromImage(image);
        } else {
            // A failure is not kept, so a file that appears later is read then.
            pictures().remove(s.key);
            sources().remove(s.path);
        }
    }
    return s.pixmap;
}

bool PendingPicture::isReady() const
{
    const State &s = *m_state;
    return s.taken || s.decoding->isReady();
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

namespace {

// Pictures asked for ahead wait behind those a screen shows now.
constexpr int kShowNow = 0;
constexpr int kAhead = -1;

std::optional<PendingPicture> request(const QString &file, QSize size, qreal ratio, int priority)
{
    const QString path = sourcePath(file, ratio);
    const QString key = scaledKey(path, size);
    if (const auto it = pictures().constFind(key); it != pictures().cend())
        return PendingPicture(*it);
    if (file.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;

    std::shared_ptr<Source> &source = sources()[path];
    if (!source)
        source = std::make_shared<Source>(path);
    auto state = std::make_shared<PendingPicture::State>();
    state->path = path;
    state->key = key;
    state->decoding = std::make_shared<Handover<QImage>>([source, size] { return decode(*source, size); });
    decoders().start([decoding = state->decoding] { decoding->run(); }, priority);
    pictures().insert(key, state);
    return PendingPicture(state);
}

} // namespace

std::optional<PendingPicture> requestPicture(const QString &file, QSize size, qreal ratio)
{
    return request(file, size, ratio, kShowNow);
}

void preparePicture(const QString &file, QSize size, qreal ratio)
{
    request(file, size, ratio, kAhead);
}

bool isPictureReady(const QString &file, QSize size, qreal ratio)
{
    const auto it = pictures().constFind(scaledKey(sourcePath(file, ratio), size));
    return it != pictures().cend() && PendingPicture(*it).isReady();
}

std::optional<QPixmap> loadPicture(const QString &file, QSize size)
{
    const auto pending = requestPicture(file, size);
    return pending ? pending->take() : std::nullopt;
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
