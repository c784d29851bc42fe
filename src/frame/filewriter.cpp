#include "filewriter.h"

#include "safefile.h"

#include <QCoreApplication>
#include <QHash>
#include <QThreadPool>

#include <mutex>

namespace mk::FileWriter {

namespace {

struct Writes
{
    Writes() { pool.setMaxThreadCount(1); }

    std::mutex mutex;
    // The newest bytes of each file whose write has not started yet.
    QHash<QString, QByteArray> waiting;
    bool lastSucceeded = true;
    QThreadPool pool;
};

Writes &writes()
{
    static Writes w;
    // The files are written while the application's statics still live.
    [[maybe_unused]] static const bool flushesAtExit = (qAddPostRoutine([] { flush(); }), true);
    return w;
}

} // namespace

void write(const QString &path, const QByteArray &bytes)
{
    Writes &w = writes();
    std::lock_guard lock(w.mutex);
    const bool queued = w.waiting.contains(path);
    w.waiting.insert(path, bytes);
    if (queued)
        return;
    w.pool.start([path, &w] {
        QByteArray newest;
        {
            std::lock_guard lock(w.mutex);
            newest = w.waiting.take(path);
        }
        const bool ok = SafeFile::replace(path, newest);
        std::lock_guard lock(w.mutex);
        w.lastSucceeded = ok;
    });
}

bool flush()
{
    Writes &w = writes();
    w.pool.waitForDone();
    std::lock_guard lock(w.mutex);
    return w.lastSucceeded;
}

} // namespace mk::FileWriter
