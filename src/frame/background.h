#pragma once

#include <QThread>
#include <QThreadPool>

#include <functional>
#include <memory>

namespace mk {

// Work done ahead of need (decoding, drawing, warming caches) runs
// while the program starts only when a processor would otherwise idle. On a
// machine with few cores it must not take the core that the user-interface
// thread, or the display server it is waiting for, is about to run on. The
// priority is set before such a thread first runs: a new thread at normal
// priority would push the thread that started it off its core.

// Starts `work` on a background thread of its own; the caller waits for it.
std::unique_ptr<QThread> startBackgroundThread(std::function<void()> work);

// Worker threads for work ahead of need that a click may come to wait for:
// background threads while the program starts, threads of normal priority
// from then on (a thread's priority cannot be raised again).
class WorkerPool
{
public:
    WorkerPool();
    // A higher `priority` runs first.
    void start(std::function<void()> work, int priority = 0);
    void waitForDone();

private:
    QThreadPool m_starting;
    QThreadPool m_running;
};

// The first window is on screen and its own work ahead is under way: the
// program has started.
void startUpIsOver();

// A first window is on its way to the screen (on X11, see showWithFirstFrame).
void firstWindowComing();

// Runs `then` once the program has started, where a first window is on its
// way; at once otherwise.
void afterStartUp(std::function<void()> then);

} // namespace mk
