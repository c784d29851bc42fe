#pragma once

// The child's own 1x1: the hundred tasks as a board that shows at a glance
// which are known, and practice of the tasks the child does not know yet.

#include "screens/lernstand/lernstand_round.h"
#include "screens/lernstand/lernstand_store.h"

#include "frame/screen.h"

#include <vector>

class QLabel;

namespace mk {

class LernstandWindow : public Screen
{
    Q_OBJECT

public:
    explicit LernstandWindow(QWidget *parent = nullptr);

private:
    void buildControls();
    void buildBoard();
    void buildLegend();
    void loadState() override;

    void practise();
    void type(int digit);
    void erase();
    void check();

    void showCell(int cell);
    void showKnownCount();
    void showTask();
    void showTyped();

    lernstand::Store m_store;
    lernstand::Round m_round;
    int m_typed = 0;
    bool m_anyTyped = false;

    std::vector<QLabel *> m_cells;
    QLabel *m_anzahl = nullptr;
    QLabel *m_aufgabe = nullptr;
    QLabel *m_eingabe = nullptr;
    QLabel *m_textFeld = nullptr;
    PictureBox *m_smiley = nullptr;
};

} // namespace mk
