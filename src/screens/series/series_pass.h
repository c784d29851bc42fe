#pragma once

// The rules of learning in a row, apart from the widgets that show them: one
// pass through the ten tasks of a row, the answer typed on the number keys,
// and the check of that answer.

#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace mk::series {

inline constexpr int kTasks = 10;

// What the smiley field of a task shows.
enum class Mark { Blank, Happy, Sad };

// What one step of the pass revealed.
struct Step
{
    bool newPass = false; // the eleventh press began a new pass first
    int task = 0;         // index 0..9 of the revealed task
    int product = 0;
    // The product of the next task when there is one, else the revealed one:
    // what the shared `Ergebnis` holds after the step.
    int ergebnis = 0;
};

struct Check
{
    Step step;
    bool right = false;
};

struct Typing
{
    bool erasedFirst = false; // a checked answer was cleared before the digit
    bool taken = false;       // false: the answer is full and stays as it was
};

class SeriesPass
{
public:
    // The typed answer never grows past this, so it cannot overflow into
    // a wrong number; 100 is the largest product.
    static constexpr int kMaxTyped = 999;

    // A row outside 1..10 (a hand-edited settings file) becomes row 1.
    static int validRow(int stored);

    explicit SeriesPass(int row = 1) : m_row(validRow(row)) {}

    int row() const { return m_row; }
    int schritt() const { return m_schritt; }
    bool antwortGeprueft() const { return m_antwortGeprueft; }
    bool gedreht() const { return m_gedreht; }
    int typed() const { return m_typed; }
    QString eingabe() const { return QString::number(m_typed); }

    // The two factors shown on line k (0..9), in the current column order.
    int leftFactor(int k) const { return m_gedreht ? m_row : k + 1; }
    int rightFactor(int k) const { return m_gedreht ? k + 1 : m_row; }
    int product(int k) const { return (k + 1) * m_row; }

    // The result text of line k: the product once revealed, else none.
    std::optional<int> shownResult(int k) const;
    Mark mark(int k) const { return m_marks[static_cast<std::size_t>(k)]; }
    // The line whose arrow marks the next task; none before the first step
    // of a pass and after the tenth.
    std::optional<int> arrow() const { return m_arrow; }

    // The row strip: a new row starts a new pass without an arrow. The
    // typed answer and the column order stay.
    void chooseRow(int row);
    // The eye key.
    Step reveal();
    // A number key.
    Typing type(int digit);
    // The thumb key: compares the typed answer with the next task's product
    // and then reveals that task as the eye key does.
    Check check();
    // The rotate key.
    void rotate() { m_gedreht = !m_gedreht; }
    // The small eraser.
    void clearTyped() { m_typed = 0; }
    // The big eraser: results, smileys and arrow go; the row, the column
    // order and the typed answer stay.
    void restart();

private:
    void resetPass();

    int m_row;
    int m_schritt = 0;
    int m_typed = 0;
    bool m_antwortGeprueft = false;
    bool m_gedreht = false;
    std::array<Mark, kTasks> m_marks{};
    std::optional<int> m_arrow;
};

// The message line, in one language; none for a code outside the six.
std::optional<QString> rowMessage(std::optional<std::size_t> language, int row);
std::optional<QString> resultMessage(std::optional<std::size_t> language, int product);

} // namespace mk::series
