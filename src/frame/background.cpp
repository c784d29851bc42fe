#include "background.h"

namespace mk {

namespace {

bool &startingUp()
{
    static bool starting = true;
    return starting;
}

} // namespace

std::unique_ptr<QThread> startBackgroundThread(std::function<void()> work)
{
    std::unique_ptr<QThread> thread(QThread::create(std::move(work)));
    thread->start(QThread::IdlePriority);
    return thread;
}

WorkerPool::WorkerPool()
{
    m_starting.setThreadPriority(QThread::IdlePriority);
}

void WorkerPool::start(std::function<void()> work, int priority)
{
    (startingUp() ? m_starting : m_running).start(std::move(work), priority);
}

void WorkerPool::waitForDone()
{
    m_starting.waitForDone();
    m_running.waitForDone();
}

void startUpIsOver()
{
    startingUp() = false;
}

} // namespace mk
