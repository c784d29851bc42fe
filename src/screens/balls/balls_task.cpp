#include "balls_task.h"

#include "screens/balls/balls_texts.h"

#include "frame/names.h"
#include "frame/numbers.h"

#include <array>

namespace mk::balls {

Task &lastTask()
{
    static Task task;
    return task;
}

const QString &BeadFrame::ballPicture(int rod)
{
    // The ninth rod repeats the first one's violet; the last one is grey.
    static const auto pictures = [] {
        std::array<QString, kRods> all;
        for (std::size_t r = 0; r < all.size(); ++r)
            all[r] = names::kRodBalls[r].toString();
        return all;
    }();
    return pictures[static_cast<std::size_t>(rod)];
}

const QString &BeadFrame::barePicture()
{
    static const QString bare = names::kBareRod.toString();
    return bare;
}

bool BeadFrame::hasBall(int rod, int place, int balls, int rodsSplit)
{
    if (rod >= rodsSplit)
        return place < kBallsPerRod;
    return place < balls || place >= balls + kGap;
}

const QString &BeadFrame::picture(int rod, int place, int balls, int rodsSplit)
{
    return hasBall(rod, place, balls, rodsSplit) ? ballPicture(rod) : barePicture();
}

QString FlowTexts::word(const LangTexts &texts) const
{
    return m_language ? texts[*m_language].toString() : QString();
}

QString FlowTexts::ballsOfA(int a) const
{
    return padded(a) + u' ' + word(kBallsA);
}

QString FlowTexts::question(int a) const
{
    return word(kPrefix) + plain(a) + word(kQuestion);
}

QString FlowTexts::rowsAndBalls(int a, int b) const
{
    return padded(b) + word(kRows) + u'\n' + u' ' + padded(a) + word(kBallsB);
}

QString FlowTexts::task(int a, int b)
{
    return padded(b) + QStringLiteral(" X") + padded(a);
}

QString FlowTexts::result(int a, int b)
{
    return task(a, b) + QStringLiteral(" =") + padded(a * b);
}

QString FlowTexts::bothOrders(int a, int b)
{
    const QString text = result(a, b) + u'\n' + task(b, a) + QStringLiteral(" =") + padded(a * b);
    // Only the blanks at the two ends go; the one after the line break stays.
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from) == u' ')
        ++from;
    while (to > from && text.at(to - 1) == u' ')
        --to;
    return text.mid(from, to - from);
}

std::optional<QString> FlowTexts::stepHint(int step) const
{
    if (!m_language || step < 1 || step > static_cast<int>(kStepHints.size()))
        return std::nullopt;
    return kStepHints[static_cast<std::size_t>(step - 1)][*m_language].toString();
}

QString FlowTexts::rowSign(const QString &malSymbol)
{
    if (malSymbol == u".")
        return QStringLiteral("\u2022");
    if (malSymbol == u"x" || malSymbol == u"*")
        return malSymbol;
    return {};
}

QString FlowTexts::rowTask(int row, int a, const QString &sign)
{
    return plain(row) + sign + plain(a);
}

QString FlowTexts::rowProduct(int row, int a)
{
    return plain(a * row);
}

} // namespace mk::balls
