#pragma once

// Learning in a row: the child goes through one row of the times table task
// by task, reveals each product with the eye, or types an answer and has it
// checked with a happy or a sad face.

#include "screens/lernstand/lernstand_store.h"
#include "screens/series/series_pass.h"

#include "frame/screen.h"

#include <vector>

class QLabel;

namespace mk {

class SeriesWindow : public Screen
{
    Q_OBJECT

public:
    explicit SeriesWindow(QWidget *parent = nullptr);

private:
    void buildControls();
    void loadState() override;

    void chooseRow(int i);
    void reveal();
    void type(int digit);
    void check();
    void rotate();
    void eraseTyped();
    void restart();

    void showStep(const series::Step &step);
    // The ten lines as the pass has them; only what changes is touched.
    void showLines();
    void showFactors();
    void showTyped();

    series::SeriesPass m_pass;
    // Every checked answer counts on the board of known tasks.
    lernstand::Store m_progress;

    std::vector<PictureBox *> m_links;
    std::vector<PictureBox *> m_rechts;
    std::vector<PictureBox *> m_xZeichen;
    std::vector<PictureBox *> m_smileys;
    std::vector<PictureBox *> m_pfeile;
    std::vector<QLabel *> m_ergebnisText;
    PictureBox *m_malSymbolBild = nullptr;
    QLabel *m_textFeld = nullptr;
    QLabel *m_ergebnisfeld = nullptr;
};

} // namespace mk
