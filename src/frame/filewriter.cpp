#include "filewriter.h"

#include "safefile.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace mk {

namespace {

std::mutex &writersMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<FileWriter *> &writers()
{
    static std::vector<FileWriter *> all;
    return all;
}

// The files are written while the application's statics still live.
void flushAll()
{
    std::lock_guard lock(writersMutex());
    for (FileWriter *writer : writers())
        writer->flush();
}

} // namespace

FileWriter::FileWriter()
{
    std::lock_guard lock(writersMutex());
    writers().push_back(this);
}

FileWriter::~FileWriter()
{
    {
        std::lock_guard lock(writersMutex());
        auto &all = writers();
        all.erase(std::remove(all.begin(), all.end(), this), all.end());
    }
    stop();
}

void FileWriter::write(const QString &path, const QByteArray &bytes)
{
    std::lock_guard lock(m_mutex);
    if (!m_thread.joinable()) {
        m_thread = std::thread([this] { run(); });
        static std::once_flag once;
        if (QCoreApplication::instance())
            std::call_once(once, [] { qAddPostRoutine(flushAll); });
    }
    ++m_asked;
    // Only the newest content of a file needs to reach it.
    if (!m_jobs.empty() && m_jobs.back().path == path)
        m_jobs.back() = {path, bytes, m_asked};
    else
        m_jobs.push_back({path, bytes, m_asked});
    m_wake.notify_all();
}

bool FileWriter::flush()
{
    std::unique_lock lock(m_mutex);
    const quint64 asked = m_asked;
    m_done.wait(lock, [&] { return m_written >= asked; });
    return m_lastResult;
}

void FileWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        if (m_jobs.empty())
            return;
        const Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        lock.unlock();
        const bool ok = SafeFile::replace(job.path, job.bytes);
        lock.lock();
        m_lastResult = ok;
        m_written = job.number;
        m_done.notify_all();
    }
}

void FileWriter::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_wake.notify_all();
    }
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace mk
