#pragma once

// Random tasks: the child rolls a die for a task in the chosen row, or the
// second die for a task from a range of rows, says the answer aloud and then
// checks it with the thumb.

#include "screens/random/random_task.h"

#include "frame/screen.h"

class QLabel;

namespace mk {

class RandomWindow : public Screen
{
    Q_OBJECT

public:
    explicit RandomWindow(QWidget *parent = nullptr);

private:
    void loadState() override;

    void chooseRow(int i);
    void rollFirst();
    void chooseRange(int i);
    void rollSecond();
    void showResult();

    // The factors' tiles, the task message and the open answer.
    void showTask();
    // Writes the message, unless the language has none.
    void showMessage(const std::optional<QString> &message);
    // The arrow takes the picture of one of the two the layout holds.
    void pointTo(const PictureBox *arrow);

    random::DiceTask m_task;

    PictureBox *m_zahlLinks = nullptr;
    PictureBox *m_zahlRechts = nullptr;
    PictureBox *m_xZeichen = nullptr;
    PictureBox *m_malSymbolBild = nullptr;
    PictureBox *m_pfeil = nullptr;
    PictureBox *m_pfeilLi = nullptr;
    PictureBox *m_pfeilRe = nullptr;
    PictureKey *m_wuerfel2 = nullptr;
    QLabel *m_textFeld = nullptr;
    QLabel *m_ergebnisText = nullptr;
    QLabel *m_labelLinks = nullptr;
    QLabel *m_labelRechts = nullptr;
};

} // namespace mk
