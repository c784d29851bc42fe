#pragma once

// The progress file "Lernstand.txt" beside the settings file: read when a
// screen opens, written whole after every recorded answer on a thread of
// its own. A file that is there but cannot be read is never replaced; the
// answers then count for the screen on show and are not kept.

#include "screens/lernstand/lernstand_progress.h"

#include <QString>

namespace mk::lernstand {

class Store
{
public:
    // Reads the file in `iniDir` after every write still on its way.
    explicit Store(const QString &iniDir);

    const Progress &progress() const { return m_progress; }
    bool keeps() const { return m_keeps; }

    // Records the answer and hands the whole file to the writer.
    void record(Task task, bool right, const QDate &today);

    QString path() const { return m_path; }
    // Waits until every recorded answer is in the file; whether the last
    // write succeeded.
    static bool flush();

private:
    QString m_path;
    Progress m_progress;
    bool m_keeps = false;
};

} // namespace mk::lernstand
