#pragma once

// One round of practice: up to ten different tasks, those the child needs
// most first. A task answered wrong comes back at the end of the round.

#include "screens/lernstand/lernstand_progress.h"

#include <deque>
#include <optional>
#include <vector>

namespace mk::lernstand {

class Round
{
public:
    static constexpr int kSize = 10;
    static constexpr int kMaxAnswers = 20;

    Round() = default;
    // The tasks, in this order: wrong the last time; at level 2 or 3 and
    // not answered right today; never answered, those of `row` first; known.
    // Within a group the oldest date first, then board order.
    Round(const Progress &progress, const QDate &today, int row);

    // The cells of the round in the order they were chosen.
    const std::vector<int> &cells() const { return m_cells; }
    std::optional<Task> current() const;
    // Records nothing: the caller does that; moves on to the next task.
    void answered(bool right);
    // Every task answered right once, or twenty answers given.
    bool isOver() const { return m_queue.empty() || m_answers >= kMaxAnswers; }
    int answers() const { return m_answers; }

private:
    std::vector<int> m_cells;
    std::deque<int> m_queue;
    int m_answers = 0;
};

} // namespace mk::lernstand
