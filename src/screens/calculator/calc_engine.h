#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace mk {

// The codes the operator keys stand for.
enum class CalcOperator : qint16 { None = 0, Plus = 1, Minus = 2, Divide = 3, Multiply = 4 };

// Why an operator or the result key could not do its work; the screen
// shows one message for all of them.
enum class CalcError { None, DivisionByZero, Overflow, Unreadable };

// The calculator's arithmetic and display rules, without any widget. The
// display text is the number being typed or the last result; an operator
// only remembers the first operand, and only the result key computes.
// Everything is single precision.
class CalcEngine
{
public:
    static constexpr int kFullLength = 10;

    explicit CalcEngine(const QLocale &locale = QLocale());

    const QString &display() const { return m_display; }
    float firstOperand() const { return m_first; }
    float secondOperand() const { return m_second; }
    CalcOperator pendingOperator() const { return m_operator; }

    // A digit key, 0 to 9. A display of exactly ten characters takes no more
    // digits, and a lone "0" is replaced instead of getting a second zero.
    void addDigit(int digit);
    // Appends a "." unless the display has one already.
    void addPoint();
    // Takes the display as the first operand and starts the second number.
    // An unreadable display changes nothing and is reported.
    CalcError setOperator(CalcOperator op);
    // Applies the pending operator to the first operand and the display.
    // On any failure the display stays as it was.
    CalcError result();
    void clear();      // C
    void clearEntry(); // CE

    // The display's number format: at most seven significant digits, no
    // grouping, the locale's decimal separator, exponents from 1E+07 up and
    // below 0.0001.
    static QString toText(float value, const QLocale &locale);
    // Reads a display. A "." counts as the decimal separator too, since the
    // point key always writes one; values beyond single precision are none.
    static std::optional<float> toNumber(QStringView text, const QLocale &locale);

private:
    QLocale m_locale;
    QString m_display;
    float m_first = 0.0f;
    float m_second = 0.0f;
    CalcOperator m_operator = CalcOperator::None;
};

} // namespace mk
