#include "calculator_window.h"

#include "screens/calculator/calculator_layout.h"
#include "screens/calculator/calculator_texts.h"

#include "frame/appstate.h"
#include "frame/textfit.h"

#include <QLineEdit>
#include <QMessageBox>

namespace mk {

namespace layout = calculator::layout;
namespace texts = calculator::texts;

CalculatorWindow::CalculatorWindow(QWidget *parent) : Screen(parent, layout::kWindow)
{
    buildControls();
    load();
}

// The keys of this screen answer without a sound.
void CalculatorWindow::buildControls()
{
    m_txtRechner = new QLineEdit(this);
    m_txtRechner->setObjectName(layout::kTxtRechner.name.toString());
    m_txtRechner->setGeometry(toPixels(layout::kTxtRechner));
    m_txtRechner->setReadOnly(true);
    m_txtRechner->setFocusPolicy(Qt::NoFocus);
    m_txtRechner->setContextMenuPolicy(Qt::NoContextMenu);
    m_txtRechner->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_txtRechner->setFont(textFont(22, true));

    m_kit.addGroup(layout::kDigits, [this](int d) { addDigit(d); });
    m_kit.addKey(layout::kCmdKomma, [this] { addPoint(); });
    m_kit.addKey(layout::kCmdPlus, [this] { chooseOperator(CalcOperator::Plus); });
    m_kit.addKey(layout::kCmdMinus, [this] { chooseOperator(CalcOperator::Minus); });
    m_kit.addKey(layout::kCmdMultiply, [this] { chooseOperator(CalcOperator::Multiply); });
    m_kit.addKey(layout::kCmdDivide, [this] { chooseOperator(CalcOperator::Divide); });
    m_kit.addKey(layout::kCmdReslutat, [this] { showResult(); });
    m_kit.addKey(layout::kCmdClear, [this] { clearAll(); });
    m_kit.addKey(layout::kCmdClearEntry, [this] { clearEntry(); });
    m_kit.addLeave(layout::kExitButton, this);
    // It does nothing, so the keyboard passes it by.
    m_kit.addKey(layout::kCmdPlusMinus)->setFocusPolicy(Qt::NoFocus);
    // The help page covers the keys, so it comes last.
    m_kit.addHelp(layout::kHelpButton, layout::kHelpPage, layout::kHelpTexts);
}

void CalculatorWindow::loadState()
{
    setWindowTitle(inLanguage(texts::kHelpTitle).value_or(QStringLiteral("Malkobold 1x1")));
    showDisplay();
}

void CalculatorWindow::addDigit(int digit)
{
    m_engine.addDigit(digit);
    showDisplay();
}

void CalculatorWindow::addPoint()
{
    m_engine.addPoint();
    showDisplay();
}

void CalculatorWindow::chooseOperator(CalcOperator op)
{
    report(m_engine.setOperator(op));
    showDisplay();
}

void CalculatorWindow::showResult()
{
    report(m_engine.result());
    showDisplay();
}

void CalculatorWindow::clearAll()
{
    m_engine.clear();
    showDisplay();
}

void CalculatorWindow::clearEntry()
{
    m_engine.clearEntry();
    showDisplay();
}

void CalculatorWindow::showDisplay()
{
    m_txtRechner->setText(m_engine.display());
}

void CalculatorWindow::report(CalcError error)
{
    if (error == CalcError::None)
        return;
    QMessageBox box(QMessageBox::Information, texts::kErrorTitle.toString(), texts::kErrorText.toString(),
                    QMessageBox::Ok, this);
    box.exec();
}

} // namespace mk
