#include "calc_engine.h"

#include <QByteArray>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace mk {

namespace {

constexpr int kSignificantDigits = 7;
// Decimal exponents written without an exponent: 0.0001 up to 9999999.
constexpr int kLowestPlainExponent = -4;
constexpr int kHighestPlainExponent = 6;

const QString kZero = QStringLiteral("0");

} // namespace

CalcEngine::CalcEngine(const QLocale &locale) : m_locale(locale), m_display(kZero) {}

void CalcEngine::addDigit(int digit)
{
    if (digit < 0 || digit > 9 || m_display.size() == kFullLength)
        return;
    if (m_display == kZero) {
        if (digit != 0)
            m_display = QString::number(digit);
        return;
    }
    m_display += QChar(static_cast<char16_t>(u'0' + digit));
}

void CalcEngine::addPoint()
{
    if (!m_display.contains(u'.'))
        m_display += u'.';
}

CalcError CalcEngine::setOperator(CalcOperator op)
{
    const auto first = toNumber(m_display, m_locale);
    if (!first)
        return CalcError::Unreadable;
    m_first = *first;
    m_display = kZero;
    m_operator = op;
    return CalcError::None;
}

CalcError CalcEngine::result()
{
    const auto second = toNumber(m_display, m_locale);
    if (!second)
        return CalcError::Unreadable;
    m_second = *second;

    // Double holds every sum, difference, product and quotient of two floats
    // closely enough that rounding it to float gives the float result.
    const double a = m_first;
    const double b = m_second;
    double value = 0.0;
    switch (m_operator) {
    case CalcOperator::None:
        return CalcError::None;
    case CalcOperator::Plus:
        value = a + b;
        break;
    case CalcOperator::Minus:
        value = a - b;
        break;
    case CalcOperator::Divide:
        if (b == 0.0)
            return CalcError::DivisionByZero;
        value = a / b;
        break;
    case CalcOperator::Multiply:
        value = a * b;
        break;
    }
    const auto rounded = static_cast<float>(value);
    if (!std::isfinite(rounded))
        return CalcError::Overflow;
    m_display = toText(rounded, m_locale);
    return CalcError::None;
}

void CalcEngine::clear()
{
    m_display = kZero;
    m_first = 0.0f;
    m_second = 0.0f;
    m_operator = CalcOperator::None;
}

void CalcEngine::clearEntry()
{
    m_display = kZero;
}

QString CalcEngine::toText(float value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    // Negative zero is written as a plain zero: a child never sees "-0".
    if (value == 0.0f)
        return kZero;

    // The digits come from the locale-free scientific form, d.dddddde±XX,
    // already rounded to seven significant digits.
    const QString sci = QString::number(std::fabs(static_cast<double>(value)), 'e', kSignificantDigits - 1);
    const qsizetype e = sci.indexOf(u'e');
    QString digits = sci.left(e);
    digits.remove(u'.');
    const int exponent = sci.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    const QString point = locale.decimalPoint();
    QString text;
    if (exponent < kLowestPlainExponent || exponent > kHighestPlainExponent) {
        text = digits.left(1);
        if (digits.size() > 1)
            text += point + digits.mid(1);
        text += u'E';
        text += exponent < 0 ? u'-' : u'+';
        text += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    } else if (exponent >= 0) {
        const qsizetype whole = exponent + 1;
        text = digits.left(whole).leftJustified(whole, u'0');
        if (digits.size() > whole)
            text += point + digits.mid(whole);
    } else {
        text = kZero + point + QString(-exponent - 1, u'0') + digits;
    }
    return value < 0.0f ? u'-' + text : text;
}

std::optional<float> CalcEngine::toNumber(QStringView text, const QLocale &locale)
{
    // A C-locale copy: the locale's decimal point (or ".") becomes ".", and
    // nothing but digits, one point, an exponent and signs may stand in it.
    const QString point = locale.decimalPoint();
    QByteArray plainText;
    plainText.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (text.mid(i).startsWith(point)) {
            plainText += '.';
            i += point.size() - 1;
        } else if (c.isDigit() && c.unicode() < 128) {
            plainText += static_cast<char>(c.unicode());
        } else if (c == u'.' || c == u'E' || c == u'e' || c == u'+' || c == u'-') {
            plainText += static_cast<char>(c.unicode());
        } else {
            return std::nullopt;
        }
    }
    if (plainText.isEmpty())
        return std::nullopt;

    // Read once, correctly rounded, straight to single precision. Text below
    // the single-precision range reads as 0 or the nearest tiny value, as a
    // result that underflows does; text above it is unreadable.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    char *end = nullptr;
    errno = 0;
    const float value = strtof_l(plainText.constData(), &end, cLocale);
    if (end != plainText.constData() + plainText.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace mk
