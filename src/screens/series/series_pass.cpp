#include "series_pass.h"

#include "screens/series/series_texts.h"

namespace mk::series {

int SeriesPass::validRow(int stored)
{
    return stored >= 1 && stored <= kTasks ? stored : 1;
}

std::optional<int> SeriesPass::shownResult(int k) const
{
    if (k < m_schritt)
        return product(k);
    return std::nullopt;
}

void SeriesPass::resetPass()
{
    m_schritt = 0;
    m_marks.fill(Mark::Blank);
}

void SeriesPass::chooseRow(int row)
{
    m_row = validRow(row);
    resetPass();
    // The old arrow would point into a pass that has not begun.
    m_arrow.reset();
}

Step SeriesPass::reveal()
{
    Step step;
    if (m_schritt == kTasks) {
        resetPass();
        step.newPass = true;
    }
    ++m_schritt;
    step.task = m_schritt - 1;
    step.product = product(step.task);
    step.ergebnis = step.product;
    m_arrow.reset();
    if (m_schritt < kTasks) {
        m_arrow = m_schritt;
        step.ergebnis = product(m_schritt);
    }
    return step;
}

Typing SeriesPass::type(int digit)
{
    Typing typing;
    if (m_antwortGeprueft) {
        clearTyped();
        typing.erasedFirst = true;
    }
    m_antwortGeprueft = false;
    const int longer = m_typed * 10 + digit;
    if (digit >= 0 && digit <= 9 && longer <= kMaxTyped) {
        m_typed = longer;
        typing.taken = true;
    }
    return typing;
}

Check SeriesPass::check()
{
    Check result;
    const bool newPass = m_schritt == kTasks;
    if (newPass)
        resetPass();
    m_antwortGeprueft = true;
    result.right = m_typed == product(m_schritt);
    m_marks[static_cast<std::size_t>(m_schritt)] = result.right ? Mark::Happy : Mark::Sad;
    result.step = reveal();
    result.step.newPass = newPass;
    return result;
}

void SeriesPass::restart()
{
    resetPass();
    m_arrow.reset();
}

namespace {

std::optional<QString> message(std::optional<std::size_t> language, const LangTexts &label, int n,
                               const LangTexts *suffix)
{
    if (!language)
        return std::nullopt;
    QString text = label[*language].toString() + u'\n' + QString::number(n);
    if (suffix)
        text += (*suffix)[*language];
    return text;
}

} // namespace

std::optional<QString> rowMessage(std::optional<std::size_t> language, int row)
{
    return message(language, shared::kRowLabel, row, &shared::kRowSuffix);
}

std::optional<QString> resultMessage(std::optional<std::size_t> language, int product)
{
    return message(language, kResultLabel, product, nullptr);
}

} // namespace mk::series
