#include "settingswriter.h"

#include <QCoreApplication>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace mk::SettingsWriter {

namespace {

struct Job
{
    QString iniDir;
    Settings settings;
    quint64 number = 0; // of the newest request merged into it
};

class Writer
{
public:
    ~Writer() { stop(); }

    void write(const QString &iniDir, const Settings &settings)
    {
        std::lock_guard lock(m_mutex);
        if (!m_thread.joinable()) {
            m_thread = std::thread([this] { run(); });
            // The file is written while the application's statics still live.
            if (QCoreApplication::instance())
                qAddPostRoutine([] { mk::SettingsWriter::flush(); });
        }
        ++m_asked;
        // Only the newest values of a folder need to reach it.
        if (!m_jobs.empty() && m_jobs.back().iniDir == iniDir)
            m_jobs.back() = {iniDir, settings, m_asked};
        else
            m_jobs.push_back({iniDir, settings, m_asked});
        m_wake.notify_all();
    }

    bool flush()
    {
        std::unique_lock lock(m_mutex);
        const quint64 asked = m_asked;
        m_done.wait(lock, [&] { return m_written >= asked; });
        return m_lastResult;
    }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_jobs.empty())
                return;
            const Job job = std::move(m_jobs.front());
            m_jobs.pop_front();
            lock.unlock();
            const bool ok = SettingsFile::save(job.iniDir, job.settings);
            lock.lock();
            m_lastResult = ok;
            m_written = job.number;
            m_done.notify_all();
        }
    }

    void stop()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
            m_wake.notify_all();
        }
        if (m_thread.joinable())
            m_thread.join();
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::deque<Job> m_jobs;
    quint64 m_asked = 0;
    quint64 m_written = 0;
    bool m_lastResult = true;
    bool m_stopping = false;
    std::thread m_thread;
};

Writer &writer()
{
    static Writer instance;
    return instance;
}

} // namespace

void write(const QString &iniDir, const Settings &settings)
{
    writer().write(iniDir, settings);
}

bool flush()
{
    return writer().flush();
}

} // namespace mk::SettingsWriter
