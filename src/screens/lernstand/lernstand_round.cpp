#include "lernstand_round.h"

#include <algorithm>
#include <tuple>

namespace mk::lernstand {

namespace {

enum Group { kWrong, kLearning, kNew, kKnown, kNone };

Group groupOf(const Progress &progress, int cell, const QDate &today)
{
    const int level = progress.level(cell);
    if (level == 0)
        return kNew;
    if (level == 1)
        return kWrong;
    if (level == kKnownLevel)
        return kKnown;
    return progress.record(cell)->date == today ? kNone : kLearning;
}

} // namespace

Round::Round(const Progress &progress, const QDate &today, int row)
{
    struct Candidate
    {
        Group group;
        qint64 order; // the day of the last answer; for new tasks their row
        int cell;
    };
    std::vector<Candidate> candidates;
    for (int cell = 0; cell < kTasks; ++cell) {
        const Group group = groupOf(progress, cell, today);
        if (group == kNone)
            continue;
        const qint64 order = group == kNew ? (taskOf(cell).b == row ? 0 : 1) : progress.record(cell)->date.toJulianDay();
        candidates.push_back({group, order, cell});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &x, const Candidate &y) {
        return std::tie(x.group, x.order, x.cell) < std::tie(y.group, y.order, y.cell);
    });
    for (std::size_t i = 0; i < candidates.size() && i < std::size_t(kSize); ++i)
        m_cells.push_back(candidates[i].cell);
    m_queue.assign(m_cells.begin(), m_cells.end());
}

std::optional<Task> Round::current() const
{
    if (isOver())
        return std::nullopt;
    return taskOf(m_queue.front());
}

void Round::answered(bool right)
{
    if (isOver())
        return;
    ++m_answers;
    const int cell = m_queue.front();
    m_queue.pop_front();
    if (!right)
        m_queue.push_back(cell);
}

} // namespace mk::lernstand
