#pragma once

// The rules of the bead frame and the texts of its four steps, apart from the
// widgets that show them.

#include "frame/language.h"

#include <QString>

#include <cstddef>
#include <optional>

namespace mk::balls {

// What the child has chosen so far.
enum class Selection { ChooseA, ChooseB, BallsShown };

// The last task's numbers (0 until the first choice). They outlive the
// screen, so reopening it finds them again.
struct Task
{
    int a = 0;
    int b = 0;
};
Task &lastTask();

class BeadFrame
{
public:
    static constexpr int kRods = 10;
    static constexpr int kPlaces = 15;
    static constexpr int kBallsPerRod = 10;
    static constexpr int kGap = kPlaces - kBallsPerRod;

    // The ball picture of rod 0..9, each rod in its own colour.
    static const QString &ballPicture(int rod);
    static const QString &barePicture();

    // Whether a place carries a ball. With `rodsSplit` = 0 every rod is at
    // rest (ten balls on the left); otherwise rods 0 .. rodsSplit - 1 keep
    // `balls` balls on the left, leave a gap of five and push the rest right.
    static bool hasBall(int rod, int place, int balls, int rodsSplit);
    static const QString &picture(int rod, int place, int balls, int rodsSplit);
};

// The texts the screen writes while the child works, in one language;
// no language (a code outside the six) leaves the words empty.
class FlowTexts
{
public:
    explicit FlowTexts(std::optional<std::size_t> language) : m_language(language) {}

    QString ballsOfA(int a) const;             // the counts once A is chosen
    QString question(int a) const;             // the board once A is chosen
    QString rowsAndBalls(int a, int b) const;  // the counts once B is chosen
    static QString task(int a, int b);         // the board once B is chosen
    static QString result(int a, int b);       // the board after the thumb
    static QString bothOrders(int a, int b);   // the hint line after the thumb
    // Steps 1..4; none outside the six languages.
    std::optional<QString> stepHint(int step) const;

    // The sign in the row labels for a multiplication sign setting.
    static QString rowSign(const QString &malSymbol);
    static QString rowTask(int row, int a, const QString &sign);
    static QString rowProduct(int row, int a);

private:
    QString word(const LangTexts &texts) const;

    std::optional<std::size_t> m_language;
};

} // namespace mk::balls
