#pragma once

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace mk {

// Writes whole files (SafeFile::replace) on a thread of its own at normal
// priority, so a click that stores something never waits for the disk.
// Writes land in the order they were asked for; one still waiting is
// replaced by a newer one for the same file. Whatever is waiting is written
// before the application object goes.
class FileWriter
{
public:
    FileWriter();
    ~FileWriter();
    FileWriter(const FileWriter &) = delete;
    FileWriter &operator=(const FileWriter &) = delete;

    void write(const QString &path, const QByteArray &bytes);

    // Waits until everything asked for is in its file (or has failed);
    // returns whether the last write succeeded (true when none was asked for).
    bool flush();

private:
    struct Job
    {
        QString path;
        QByteArray bytes;
        quint64 number = 0; // of the newest request merged into it
    };

    void run();
    void stop();

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

} // namespace mk
