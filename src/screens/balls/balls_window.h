#pragma once

// The bead frame: the child picks a first number A and a second number B and
// sees B rods of A balls each, so that A x B can be counted in groups; the
// thumb shows the product and the eraser starts again.

#include "screens/balls/balls_layout.h"
#include "screens/balls/balls_task.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;

namespace mk {

class PictureBox;
class PictureKey;

class BallsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit BallsWindow(QWidget *parent = nullptr);

private:
    void buildControls();
    void load();

    void chooseA(int i);
    void chooseB(int i);
    void showResult();
    void erase();
    void chooseColour(int i);
    void toggleHelpPage();

    // The pictures of all places for the rods at rest (rodsSplit = 0) or
    // with the task shown; only places whose picture changes are touched.
    void showRods(int balls, int rodsSplit);
    void clearRowLabels();
    void showStepHint(int step);
    void applyLanguage();
    void enableRow(const std::array<PictureKey *, balls::layout::kDigitCount> &row, bool enabled);

    balls::Selection m_selection = balls::Selection::ChooseA;

    std::array<PictureKey *, balls::layout::kDigitCount> m_zahl1{};
    std::array<PictureKey *, balls::layout::kDigitCount> m_zahl2{};
    std::array<std::array<PictureBox *, balls::layout::kPlaceCount>, balls::layout::kRodCount> m_stange{};
    std::array<QLabel *, balls::layout::kRodCount> m_xfeld{};
    std::array<QLabel *, balls::layout::kRodCount> m_yfeld{};
    std::array<PictureKey *, balls::layout::kBrushCount> m_pinsel{};
    PictureBox *m_buttonA = nullptr;
    PictureBox *m_buttonB = nullptr;
    PictureBox *m_pfeil1 = nullptr;
    PictureBox *m_pfeil2 = nullptr;
    PictureBox *m_pfeilRunter = nullptr;
    PictureBox *m_pfeilRadierer = nullptr;
    PictureBox *m_xButton = nullptr;
    PictureBox *m_ergebnisTafel = nullptr;
    QLabel *m_textFeld = nullptr;
    QLabel *m_meldeFeld = nullptr;
    QLabel *m_ergebnisfeld = nullptr;
    PictureKey *m_okButton = nullptr;
    PictureKey *m_radierer = nullptr;
    PictureKey *m_audio = nullptr;
    PictureKey *m_helpButton = nullptr;
    PictureKey *m_exitButton = nullptr;
    QFrame *m_frame2 = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
};

} // namespace mk
