#pragma once

// The bead frame: the child picks a first number A and a second number B and
// sees B rods of A balls each, so that A x B can be counted in groups; the
// thumb shows the product and the eraser starts again.

#include "screens/balls/balls_layout.h"
#include "screens/balls/balls_task.h"

#include "frame/screen.h"

#include <array>
#include <vector>

class QLabel;

namespace mk {

class BallsWindow : public Screen
{
    Q_OBJECT

public:
    explicit BallsWindow(QWidget *parent = nullptr);

private:
    void buildControls();
    void loadState() override;

    void chooseA(int i);
    void chooseB(int i);
    void showResult();
    void erase();

    // The pictures of all places for the rods at rest (rodsSplit = 0) or
    // with the task shown; only places whose picture changes are touched.
    void showRods(int balls, int rodsSplit);
    void clearRowLabels();
    void showStepHint(int step);
    static void enableRow(const std::vector<PictureKey *> &row, bool enabled);

    balls::Selection m_selection = balls::Selection::ChooseA;

    std::vector<PictureKey *> m_zahl1;
    std::vector<PictureKey *> m_zahl2;
    std::array<std::vector<PictureBox *>, balls::layout::kRodCount> m_stange;
    std::array<QLabel *, balls::layout::kRodCount> m_xfeld{};
    std::array<QLabel *, balls::layout::kRodCount> m_yfeld{};
    PictureBox *m_pfeil1 = nullptr;
    PictureBox *m_pfeil2 = nullptr;
    PictureBox *m_pfeilRunter = nullptr;
    PictureBox *m_pfeilRadierer = nullptr;
    PictureBox *m_xButton = nullptr;
    QLabel *m_textFeld = nullptr;
    QLabel *m_meldeFeld = nullptr;
    QLabel *m_ergebnisfeld = nullptr;
    PictureKey *m_okButton = nullptr;
};

} // namespace mk
