#include "series_window.h"

#include "screens/series/series_layout.h"

#include "frame/appstate.h"
#include "frame/sound.h"
#include "frame/textfit.h"

#include <QFrame>
#include <QLabel>

namespace mk {

namespace {

using series::Mark;
using series::SeriesPass;
namespace layout = series::layout;

const QString kBlank = QStringLiteral("Fläche_leer.jpg");
const QString kHappy = QStringLiteral("SmileyFroh.jpg");
const QString kSad = QStringLiteral("SmileyTraurig.jpg");
const QString kNoArrow = QStringLiteral("Pfeil0.jpg");
const QString kArrow = QStringLiteral("Pfeil1.jpg");
const QString kBang = QStringLiteral("sBang.wav");

// The message line: big, but small enough for the longest row message.
constexpr int kMessageLargest = 20;
constexpr int kMessageSmallest = 12;

const QString &markPicture(Mark mark)
{
    return mark == Mark::Happy ? kHappy : mark == Mark::Sad ? kSad : kBlank;
}

void showText(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

std::vector<PictureBox *> column(ScreenKit &kit, const std::array<Place, layout::kLines> &places)
{
    return kit.addPictures(groupRow(places, nullptr, nullptr, Feedback::None, nullptr));
}

} // namespace

SeriesWindow::SeriesWindow(QWidget *parent) : Screen(parent, layout::kWindow), m_progress(app().dirs.iniDir)
{
    buildControls();
    load();
}

void SeriesWindow::buildControls()
{
    for (const Place *band : {&layout::kImage2, &layout::kImage3})
        m_kit.addPicture(*band, layout::kBandPicture);
    for (const Place *bar : {&layout::kImage1, &layout::kBalkenLi})
        m_kit.addPicture(*bar, layout::kBarPicture);

    m_links = column(m_kit, layout::kZReiheLinks);
    m_xZeichen = column(m_kit, layout::kXZeichen);
    m_rechts = column(m_kit, layout::kZReiheRechts);
    m_kit.addPictures(layout::kGZeichenRow);
    m_kit.addPictures(layout::kAntwortSchildRow);
    m_smileys = column(m_kit, layout::kSmileyFeld);
    m_pfeile = column(m_kit, layout::kPfeilFeld);
    // The results lie on their answer signs, so they come after them.
    for (int k = 0; k < layout::kLines; ++k) {
        const Place &place = layout::kErgebnisTEXT[static_cast<std::size_t>(k)];
        QLabel *result = m_kit.addLabel(place, 26, true);
        result->setObjectName(indexedName(place.name, k));
        result->setAlignment(Qt::AlignCenter);
        result->setWordWrap(false);
        // The sign below it answers the mouse.
        result->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_kit.colourWithBrush(result);
        m_ergebnisText.push_back(result);
    }

    m_kit.addGroup(layout::kRechner, [this](int d) { type(d); });
    m_kit.addKey(layout::kRadiererKlein, [this] { eraseTyped(); });
    m_kit.addPicture(layout::kErgebnisTafel, u"Schild_Ergebnisse.jpg");
    m_ergebnisfeld = m_kit.addLabel(layout::kErgebnisfeld, 24, true);
    m_ergebnisfeld->setAlignment(Qt::AlignCenter);
    m_ergebnisfeld->setWordWrap(false);
    m_ergebnisfeld->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_kit.colourWithBrush(m_ergebnisfeld);
    m_kit.addKey(layout::kOKButton, [this] { check(); });
    m_kit.addKey(layout::kAugeButton, [this] { reveal(); });
    m_kit.addKey(layout::kRadierer2, [this] { restart(); });

    QFrame *frame1 = m_kit.addFrame(layout::kFrame1);
    m_textFeld = m_kit.addLabel(layout::kTextFeld, kMessageLargest, true, frame1);
    m_kit.addKey(layout::kDrehPfeil, [this] { rotate(); });
    m_kit.addEar(layout::kAudio);
    m_kit.addGroup(layout::kZahl1, [this](int i) { chooseRow(i); });
    m_malSymbolBild = m_kit.addPicture(layout::kMalSymbolBild, {}, &series::kSignTip);
    m_kit.addBrushes(layout::kPinsel, Feedback::CursorOnly, layout::brushTip);
    m_kit.addHelp(layout::kHelpButton, layout::kHelpPage, layout::kHelpTexts);
    m_kit.addLeave(layout::kExitButton, this);
}

void SeriesWindow::loadState()
{
    // A row outside 1..10 from a hand-edited file opens on row 1.
    m_pass = SeriesPass(app().settings.malReihe);
    showTyped();
    const QString sign = names::signPicture(app().settings.malSymbol);
    if (!sign.isEmpty()) {
        m_malSymbolBild->setPicture(sign);
        for (PictureBox *x : m_xZeichen)
            x->setPicture(sign);
    }
    showFactors();
    showLines();
    chooseRow(m_pass.row() - 1);
}

void SeriesWindow::chooseRow(int i)
{
    m_pass.chooseRow(i + 1);
    showFactors();
    playSoundFile(QStringLiteral("sTennisBall.wav"));
    if (const auto message = series::rowMessage(currentLanguage(), m_pass.row()))
        fitText(m_textFeld, *message, kMessageLargest, kMessageSmallest);
    changeSettings([row = m_pass.row()](Settings &s) { s.malReihe = static_cast<qint16>(row); });
    showLines();
}

void SeriesWindow::reveal()
{
    playSoundFile(QStringLiteral("sBoingHigh.wav"));
    showStep(m_pass.reveal());
}

void SeriesWindow::type(int digit)
{
    playSoundFile(QStringLiteral("sDrop1.wav"));
    // A new answer after a check: the small eraser runs first, with its bang.
    if (m_pass.type(digit).erasedFirst)
        playSoundFile(kBang);
    showTyped();
}

void SeriesWindow::check()
{
    playSoundFile(QStringLiteral("sBoingLow.wav"));
    const series::Check checked = m_pass.check();
    // The task as it stands on the line, after any swap of the columns.
    const int line = checked.step.task;
    m_progress.record({m_pass.leftFactor(line), m_pass.rightFactor(line)}, checked.right, QDate::currentDate());
    // Then the eye key's whole reveal, its sound included.
    playSoundFile(QStringLiteral("sBoingHigh.wav"));
    showStep(checked.step);
}

void SeriesWindow::rotate()
{
    m_pass.rotate();
    showFactors();
}

void SeriesWindow::eraseTyped()
{
    playSoundFile(kBang);
    m_pass.clearTyped();
    showTyped();
}

void SeriesWindow::restart()
{
    playSoundFile(kBang);
    m_pass.restart();
    showLines();
}

void SeriesWindow::showStep(const series::Step &step)
{
    app().ergebnis = static_cast<qint16>(step.ergebnis);
    showLines();
    if (const auto message = series::resultMessage(currentLanguage(), step.product))
        fitText(m_textFeld, *message, kMessageLargest, kMessageSmallest);
}

void SeriesWindow::showLines()
{
    const auto arrow = m_pass.arrow();
    PictureBatch pictures(this);
    for (int k = 0; k < layout::kLines; ++k) {
        const auto n = static_cast<std::size_t>(k);
        const auto result = m_pass.shownResult(k);
        showText(m_ergebnisText[n], result ? plain(*result) : QString());
        pictures.show(m_smileys[n], markPicture(m_pass.mark(k)));
        pictures.show(m_pfeile[n], arrow == k ? kArrow : kNoArrow);
    }
}

void SeriesWindow::showFactors()
{
    PictureBatch pictures(this);
    for (int k = 0; k < layout::kLines; ++k) {
        const auto n = static_cast<std::size_t>(k);
        pictures.show(m_links[n], layout::factorPicture(m_pass.leftFactor(k)));
        pictures.show(m_rechts[n], layout::factorPicture(m_pass.rightFactor(k)));
    }
}

void SeriesWindow::showTyped()
{
    showText(m_ergebnisfeld, m_pass.eingabe());
}

} // namespace mk
