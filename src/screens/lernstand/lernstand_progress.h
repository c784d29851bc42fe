#pragma once

// What the child already knows of the hundred tasks: one record a task,
// kept in a small text file beside the settings. Plain logic: the dates
// are passed in, so nothing here reads the clock.

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>

#include <array>
#include <optional>

namespace mk::lernstand {

inline constexpr int kFactors = 10;
inline constexpr int kTasks = kFactors * kFactors;
inline constexpr int kKnownLevel = 4;

// A task as it stood on the screen: 7 x 3 and 3 x 7 are two tasks.
struct Task
{
    int a = 0; // first factor
    int b = 0; // second factor
    int product() const { return a * b; }
};
bool operator==(Task x, Task y);

// The board holds row R (second factor) as its R-th line: cell
// (R - 1) * 10 + (k - 1) is the task k x R.
int cellOf(Task task);
Task taskOf(int cell);

struct Record
{
    int right = 0;
    int wrong = 0;
    int days = 0;         // days with a right answer since the last wrong one
    bool lastRight = false;
    QDate date;           // of the last answer
};

class Progress
{
public:
    // The file is read no further than this.
    static constexpr qsizetype kMaxBytes = 64 * 1024;

    const std::optional<Record> &record(int cell) const { return m_records[static_cast<std::size_t>(cell)]; }
    // 0 never answered, 1 wrong the last time, 2..3 right on one or two
    // days since, 4 known.
    int level(int cell) const;
    int knownCount() const;

    void answer(Task task, bool right, const QDate &today);

    // Lines that cannot be read are left out; so is a second line for a
    // task, and everything past kMaxBytes.
    static Progress parse(QByteArrayView bytes);
    QByteArray format() const;

private:
    std::array<std::optional<Record>, kTasks> m_records{};
};

} // namespace mk::lernstand
