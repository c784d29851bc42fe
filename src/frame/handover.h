#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <utility>

namespace mk {

// Work handed to a worker thread that the user-interface thread may need
// before a worker has started on it: whoever comes first does it, once.
template<typename T>
class Handover
{
public:
    explicit Handover(std::function<T()> work) : m_work(std::move(work)), m_result(m_promise.get_future().share()) {}

    // On the worker: does the work unless somebody already has.
    void run()
    {
        if (!m_claimed.exchange(true))
            m_promise.set_value(m_work());
    }
    bool isReady() const { return m_result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }
    // Whether the work had not started, and now never will.
    bool withdraw() { return !m_claimed.exchange(true); }
    // Waits for work that has started.
    T result() const { return m_result.get(); }
    // The result, doing the work here when no worker has started on it.
    T take()
    {
        run();
        return result();
    }

private:
    std::function<T()> m_work;
    std::atomic<bool> m_claimed{false};
    std::promise<T> m_promise;
    std::shared_future<T> m_result;
};

} // namespace mk
