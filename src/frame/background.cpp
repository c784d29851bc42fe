#include "background.h"

#include <QThreadPool>

namespace mk {

std::unique_ptr<QThread> startBackgroundThread(std::function<void()> work)
{
    std::unique_ptr<QThread> thread(QThread::create(std::move(work)));
    thread->start(QThread::IdlePriority);
    return thread;
}

void runInBackground(QThreadPool &pool)
{
    pool.setThreadPriority(QThread::IdlePriority);
}

} // namespace mk
