#include "balls_window.h"

#include "screens/balls/balls_texts.h"

#include "frame/appstate.h"
#include "frame/sound.h"
#include "frame/textfit.h"

#include <QFrame>
#include <QLabel>

namespace mk {

namespace {

using balls::BeadFrame;
using balls::FlowTexts;
using balls::Selection;
namespace layout = balls::layout;

const QString kTennisBall = QStringLiteral("sTennisBall.wav");
const QString kActiveArrow = QStringLiteral("Pfeil_re.jpg");
const QString kGreyArrow = QStringLiteral("grau.jpg");

// Point sizes of the result board: big for a result, small enough for the
// longest question.
constexpr int kBoardLargest = 20;
constexpr int kBoardSmallest = 9;

// The wooden bars round the bead frame.
const QColor kWood(214, 170, 112);

void woodBar(PictureBox *bar)
{
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, kWood);
    bar->setPalette(pal);
    bar->setAutoFillBackground(true);
}

} // namespace

BallsWindow::BallsWindow(QWidget *parent) : Screen(parent, layout::kWindow)
{
    buildControls();
    load();
}

void BallsWindow::buildControls()
{
    // The frame's wood first, so that the rods and the row labels lie on it.
    for (const Place *bar : {&layout::kBalkenLi, &layout::kBalkenRe, &layout::kImage1, &layout::kImage2})
        woodBar(m_kit.addPicture(*bar));

    for (std::size_t r = 0; r < m_stange.size(); ++r)
        m_stange[r] = m_kit.addPictures(groupRow(layout::kStange[r], nullptr, nullptr, Feedback::None, nullptr));
    for (std::size_t i = 0; i < m_xfeld.size(); ++i) {
        m_xfeld[i] = m_kit.addLabel(layout::kXfeld[i], 14, true);
        m_yfeld[i] = m_kit.addLabel(layout::kYfeld[i], 14, true);
        m_xfeld[i]->setObjectName(indexedName(layout::kXfeld[i].name, static_cast<int>(i)));
        m_yfeld[i]->setObjectName(indexedName(layout::kYfeld[i].name, static_cast<int>(i)));
        for (QLabel *label : {m_xfeld[i], m_yfeld[i]}) {
            label->setAlignment(Qt::AlignCenter);
            label->setWordWrap(false);
        }
    }

    m_kit.addPicture(layout::kButtonA, u"A.jpg");
    m_kit.addPicture(layout::kButtonB, u"B.jpg");
    m_pfeil1 = m_kit.addPicture(layout::kPfeil1, {}, &balls::kArrow1Tip);
    m_pfeil2 = m_kit.addPicture(layout::kPfeil2, {}, &balls::kArrow2Tip);
    m_zahl1 = m_kit.addGroup(layout::kZahl1, [this](int i) { chooseA(i); });
    m_zahl2 = m_kit.addGroup(layout::kZahl2, [this](int i) { chooseB(i); });
    enableRow(m_zahl2, false);
    m_xButton = m_kit.addPicture(layout::kXButton, {}, &balls::kSignTip);

    QFrame *frame1 = m_kit.addFrame(layout::kFrame1);
    m_textFeld = m_kit.addLabel(layout::kTextFeld, 16, true, frame1);
    m_textFeld->setText(QStringLiteral(" "));
    m_meldeFeld = m_kit.addLabel(layout::kMeldeFeld, 14, true, frame1);

    m_kit.addPicture(layout::kErgebnisTafel, names::kAnswerSign, &balls::kBoardTip);
    m_ergebnisfeld = m_kit.addLabel(layout::kErgebnisfeld, 16, true);
    m_ergebnisfeld->setAlignment(Qt::AlignCenter);
    // The board under it carries the tooltip.
    m_ergebnisfeld->setAttribute(Qt::WA_TransparentForMouseEvents);
    fitText(m_ergebnisfeld, QStringLiteral("ERGEBNIS"), kBoardLargest, kBoardSmallest);
    m_kit.colourWithBrush(m_ergebnisfeld);

    // The two arrows come with the layout rather than from the named files.
    m_pfeilRunter = m_kit.addPicture(layout::kPfeilRunter, u"Pfeil_runter.jpg");
    m_pfeilRunter->hide();
    m_pfeilRadierer = m_kit.addPicture(layout::kPfeilRadierer, u"Pfeil_Radierer.jpg");
    m_pfeilRadierer->hide();

    m_okButton = m_kit.addKey(layout::kOKButton, [this] { showResult(); });
    m_okButton->setEnabled(false);
    m_kit.addKey(layout::kRadierer, [this] { erase(); });
    m_kit.addEar(layout::kAudio);
    m_kit.addHelp(layout::kHelpButton, layout::kHelpPage, layout::kHelpTexts);
    m_kit.addLeave(layout::kExitButton, this);
    m_kit.addBrushes(layout::kPinsel);
}

void BallsWindow::loadState()
{
    // The row labels stand at the top of their rod in the layout.
    for (std::size_t i = 0; i < m_xfeld.size(); ++i) {
        for (auto [label, place] : {std::pair{m_xfeld[i], layout::kXfeld[i]}, std::pair{m_yfeld[i], layout::kYfeld[i]}})
            label->setGeometry(toPixels(place.left, place.top + layout::kRowLabelDrop, place.width, place.height));
    }
    m_selection = Selection::ChooseA;
    m_xButton->setPicture(names::signPicture(app().settings.malSymbol));
    m_pfeil1->setPicture(kActiveArrow);
    m_pfeil2->setPicture(kGreyArrow);
    clearRowLabels();
    showRods(0, 0);
    showStepHint(1);
}

void BallsWindow::chooseA(int i)
{
    playSoundFile(kTennisBall);
    if (m_selection != Selection::ChooseA)
        return;
    m_selection = Selection::ChooseB;
    m_kit.help()->hide();
    showRods(0, 0);
    m_pfeil1->setPicture(kGreyArrow);
    m_pfeil2->setPicture(kActiveArrow);

    const int a = i + 1;
    balls::lastTask().a = a;
    // Shared with the other screens, but stored only with the next save.
    app().settings.malReihe = static_cast<qint16>(a);

    const FlowTexts texts(currentLanguage());
    fitText(m_textFeld, texts.ballsOfA(a), 16, 10);
    fitText(m_ergebnisfeld, texts.question(a), kBoardLargest, kBoardSmallest);
    enableRow(m_zahl2, true);
    enableRow(m_zahl1, false);
    showStepHint(2);
}

void BallsWindow::chooseB(int i)
{
    playSoundFile(kTennisBall);
    m_pfeilRunter->show();
    // B stays as chosen until the eraser is used.
    if (m_selection == Selection::BallsShown)
        return;
    m_selection = Selection::BallsShown;
    m_okButton->setEnabled(true);
    m_pfeil1->setPicture(kGreyArrow);
    m_pfeil2->setPicture(kGreyArrow);

    const int a = balls::lastTask().a;
    const int b = i + 1;
    balls::lastTask().b = b;
    fitText(m_ergebnisfeld, FlowTexts::task(a, b), kBoardLargest, kBoardSmallest);
    fitText(m_textFeld, FlowTexts(currentLanguage()).rowsAndBalls(a, b), 16, 10);
    showRods(a, b);
    showStepHint(3);
}

void BallsWindow::showResult()
{
    playSoundFile(QStringLiteral("sBoingLow.wav"));
    const auto [a, b] = balls::lastTask();
    fitText(m_ergebnisfeld, FlowTexts::result(a, b), kBoardLargest, kBoardSmallest);
    fitText(m_meldeFeld, FlowTexts::bothOrders(a, b), 16, 10);
    const QString sign = FlowTexts::rowSign(app().settings.malSymbol);
    for (int row = 1; row <= b; ++row) {
        const auto n = static_cast<std::size_t>(row - 1);
        fitText(m_xfeld[n], FlowTexts::rowTask(row, a, sign), 14, 7);
        fitText(m_yfeld[n], FlowTexts::rowProduct(row, a), 14, 7);
    }
    m_pfeilRadierer->show();
    m_pfeilRunter->hide();
}

void BallsWindow::erase()
{
    m_pfeilRunter->hide();
    playSoundFile(QStringLiteral("sBang.wav"));
    m_selection = Selection::ChooseA;
    clearRowLabels();
    m_kit.help()->hide();
    showRods(0, 0);
    m_ergebnisfeld->setText(QString());
    m_pfeil1->setPicture(kActiveArrow);
    m_pfeil2->setPicture(kGreyArrow);
    m_pfeilRadierer->hide();
    enableRow(m_zahl1, true);
    enableRow(m_zahl2, false);
    // The thumb belongs to a chosen B; pressed now it would show the last
    // task over rods at rest.
    m_okButton->setEnabled(false);
    showStepHint(4);
}

void BallsWindow::showRods(int balls, int rodsSplit)
{
    PictureBatch beads(this);
    for (int r = 0; r < BeadFrame::kRods; ++r) {
        for (int k = 0; k < BeadFrame::kPlaces; ++k)
            beads.show(m_stange[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)],
                       BeadFrame::picture(r, k, balls, rodsSplit));
    }
}

void BallsWindow::clearRowLabels()
{
    for (std::size_t i = 0; i < m_xfeld.size(); ++i) {
        m_xfeld[i]->clear();
        m_yfeld[i]->clear();
    }
}

void BallsWindow::showStepHint(int step)
{
    if (const auto hint = FlowTexts(currentLanguage()).stepHint(step))
        fitText(m_meldeFeld, *hint, 14, 9);
}

void BallsWindow::enableRow(const std::vector<PictureKey *> &row, bool enabled)
{
    for (PictureKey *key : row)
        key->setEnabled(enabled);
}

} // namespace mk
