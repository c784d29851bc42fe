#include "background.h"

#include <utility>
#include <vector>

namespace mk {

namespace {

bool &startingUp()
{
    static bool starting = true;
    return starting;
}

bool &windowComing()
{
    static bool coming = false;
    return coming;
}

std::vector<std::function<void()>> &waitingForStart()
{
    static std::vector<std::function<void()>> waiting;
    return waiting;
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
    windowComing() = false;
    for (auto &then : std::exchange(waitingForStart(), {}))
        then();
}

void firstWindowComing()
{
    windowComing() = startingUp();
}

void afterStartUp(std::function<void()> then)
{
    if (windowComing())
        waitingForStart().push_back(std::move(then));
    else
        then();
}

} // namespace mk
