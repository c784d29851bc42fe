#pragma once

#include <QThread>

#include <functional>
#include <memory>

class QThreadPool;

namespace mk {

// Work done ahead of need (decoding, drawing, writing, warming caches) runs
// only while a processor would otherwise idle. On a machine with few cores
// it must not take the core that the user-interface thread, or the display
// server it is waiting for, is about to run on. The priority is set before
// such a thread first runs: a new thread at normal priority would push the
// thread that started it off its core.

// Starts `work` on a thread of its own; the caller waits for it.
std::unique_ptr<QThread> startBackgroundThread(std::function<void()> work);

// Makes every thread `pool` starts from now on a background thread.
void runInBackground(QThreadPool &pool);

} // namespace mk
