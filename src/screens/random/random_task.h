#pragma once

// The tasks of the dice screen, apart from the widgets that show them: the
// first die keeps the row and draws the left factor, the second die draws
// both factors, the right one from a range of rows.

#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace mk::random {

struct Range
{
    int from;
    int to;
};

// The eight range keys in their order.
inline constexpr std::array<Range, 8> kRanges{{{2, 4}, {3, 5}, {4, 6}, {5, 7}, {6, 8}, {7, 9}, {3, 7}, {6, 9}}};

// A range key's picture, shared with the artwork: "2-4_normal.jpg" at rest,
// "2-4_gedrückt.jpg" pressed.
inline QString rangePicture(Range range, bool pressed)
{
    return QStringLiteral("%1-%2%3").arg(range.from).arg(range.to).arg(
        pressed ? QStringLiteral("_gedrückt.jpg") : QStringLiteral("_normal.jpg"));
}

inline constexpr int kRowCount = 10;

class DiceTask
{
public:
    // What one draw r in [0, 1) makes of a factor.
    static int firstDieLeft(float r);                   // 1..10
    static int secondDieLeft(float r);                  // 2..9
    static int secondDieRight(float r, Range range);    // range.from..range.to

    // Row 1..10 from the strip: the right factor of the next first-die
    // tasks. Anything else changes nothing.
    bool chooseRow(int row);
    // Range key 0..7; anything else changes nothing. No task is drawn.
    bool chooseRange(int index);

    // One draw from the shared generator: a new left factor.
    void rollFirst();
    // Two draws, left factor first, then the right one from the range.
    void rollSecond();

    int left() const { return m_left; }
    int right() const { return m_right; }
    Range range() const { return m_range; }
    int product() const { return m_left * m_right; }

private:
    int m_left = 0;
    int m_right = 0;
    Range m_range = kRanges[0];
};

// The messages of the text field in one language; none for a language
// outside the six, which leaves the field as it is. Line breaks are '\n'.
class Messages
{
public:
    explicit Messages(std::optional<std::size_t> language) : m_language(language) {}

    // The X stands whatever sign is chosen.
    std::optional<QString> task(int left, int right) const;
    std::optional<QString> row(int row) const;
    std::optional<QString> result(int product) const;

private:
    std::optional<std::size_t> m_language;
};

} // namespace mk::random
