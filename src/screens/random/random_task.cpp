#include "random_task.h"

#include "screens/random/random_texts.h"

#include "frame/appstate.h"

#include <algorithm>
#include <cmath>

namespace mk::random {

namespace {

// floor(r * n), 0..n - 1. A test source that breaks the promise of [0, 1)
// still gives a value in range rather than a factor of 11.
int scaled(float r, int n)
{
    if (!(r > 0.0f))
        return 0;
    if (r >= 1.0f)
        return n - 1;
    return std::min(static_cast<int>(std::floor(static_cast<double>(r) * n)), n - 1);
}

} // namespace

int DiceTask::firstDieLeft(float r)
{
    return scaled(r, 10) + 1;
}

int DiceTask::secondDieLeft(float r)
{
    return scaled(r, 8) + 2;
}

int DiceTask::secondDieRight(float r, Range range)
{
    return scaled(r, range.to - range.from + 1) + range.from;
}

bool DiceTask::chooseRow(int row)
{
    if (row < 1 || row > kRowCount)
        return false;
    m_right = row;
    return true;
}

bool DiceTask::chooseRange(int index)
{
    if (index < 0 || index >= static_cast<int>(kRanges.size()))
        return false;
    m_range = kRanges[static_cast<std::size_t>(index)];
    return true;
}

void DiceTask::rollFirst()
{
    m_left = firstDieLeft(nextRandom());
}

void DiceTask::rollSecond()
{
    const int left = secondDieLeft(nextRandom());
    m_right = secondDieRight(nextRandom(), m_range);
    m_left = left;
}

std::optional<QString> Messages::task(int left, int right) const
{
    if (!m_language)
        return std::nullopt;
    return kTaskLabel[*m_language].toString() + u'\n' + QString::number(left) + QStringLiteral(" X ")
           + QString::number(right) + QStringLiteral(" =   ?");
}

std::optional<QString> Messages::row(int row) const
{
    if (!m_language)
        return std::nullopt;
    return shared::kRowLabel[*m_language].toString() + u'\n' + QString::number(row) + shared::kRowSuffix[*m_language].toString();
}

std::optional<QString> Messages::result(int product) const
{
    if (!m_language)
        return std::nullopt;
    return kResultLabel[*m_language].toString() + u'\n' + QString::number(product);
}

} // namespace mk::random
