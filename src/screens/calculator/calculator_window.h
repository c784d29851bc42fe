#pragma once

// The little calculator: picture keys for the digits, the point and the
// four operators, so that a child can try out a task and see its result.
// Only the result key computes; one pending operator is kept.

#include "screens/calculator/calc_engine.h"

#include "frame/screen.h"

class QLineEdit;

namespace mk {

class CalculatorWindow : public Screen
{
    Q_OBJECT

public:
    explicit CalculatorWindow(QWidget *parent = nullptr);

private:
    void buildControls();
    void loadState() override;

    void addDigit(int digit);
    void addPoint();
    void chooseOperator(CalcOperator op);
    void showResult();
    void clearAll();
    void clearEntry();
    void showDisplay();
    void report(CalcError error);

    CalcEngine m_engine;

    QLineEdit *m_txtRechner = nullptr;
};

} // namespace mk
