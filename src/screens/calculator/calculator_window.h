#pragma once

// The little calculator: picture keys for the digits, the point and the
// four operators, so that a child can try out a task and see its result.
// Only the result key computes; one pending operator is kept.

#include "screens/calculator/calc_engine.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;

namespace mk {

class PictureKey;

class CalculatorWindow : public QDialog
{
    Q_OBJECT

public:
    explicit CalculatorWindow(QWidget *parent = nullptr);

private:
    void buildControls();
    void load();

    void addDigit(int digit);
    void addPoint();
    void chooseOperator(CalcOperator op);
    void showResult();
    void clearAll();
    void clearEntry();
    void toggleHelpPage();
    void showDisplay();
    void report(CalcError error);

    CalcEngine m_engine;

    std::array<PictureKey *, 10> m_digits{};
    PictureKey *m_cmdKomma = nullptr;
    PictureKey *m_cmdPlus = nullptr;
    PictureKey *m_cmdMinus = nullptr;
    PictureKey *m_cmdMultiply = nullptr;
    PictureKey *m_cmdDivide = nullptr;
    PictureKey *m_cmdReslutat = nullptr;
    PictureKey *m_cmdClear = nullptr;
    PictureKey *m_cmdClearEntry = nullptr;
    PictureKey *m_cmdPlusMinus = nullptr;
    PictureKey *m_helpButton = nullptr;
    PictureKey *m_exitButton = nullptr;
    QLineEdit *m_txtRechner = nullptr;
    QFrame *m_frame3 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label1 = nullptr;
};

} // namespace mk
