#include "random_window.h"

#include "screens/random/random_layout.h"
#include "screens/random/random_texts.h"

#include "frame/appstate.h"
#include "frame/sound.h"
#include "frame/textfit.h"

#include <QFrame>
#include <QLabel>

namespace mk {

namespace {

using random::Messages;
namespace layout = random::layout;

const QString kRowSound = QStringLiteral("sTennisBall.wav");
const QString kDieSound = QStringLiteral("sBoingHigh.wav");
const QString kResultSound = QStringLiteral("sBoingLow.wav");
const QString kOpenAnswer = QStringLiteral("?");

// The message field's sizes: large for a task, smaller for a long row message.
constexpr int kMessageLargest = 16;
constexpr int kMessageSmallest = 10;

} // namespace

RandomWindow::RandomWindow(QWidget *parent) : Screen(parent, layout::kWindow)
{
    m_kit.addPicture(layout::kImage2, layout::kBand);
    m_kit.addPicture(layout::kImage3, layout::kBand);
    m_kit.addPicture(layout::kImage1, layout::kPost);

    m_zahlLinks = m_kit.addPicture(layout::kZahlLinks);
    m_xZeichen = m_kit.addPicture(layout::kXZeichen);
    m_zahlRechts = m_kit.addPicture(layout::kZahlRechts);
    m_kit.addPicture(layout::kGZeichen, names::kEqualsTile);
    m_kit.addPicture(layout::kAntwortSchild, names::kAnswerSign);
    // On the answer board; the board under it stays what the mouse meets.
    m_ergebnisText = m_kit.addLabel(layout::kErgebnisTEXT, 24, true);
    m_ergebnisText->setAlignment(Qt::AlignCenter);
    m_ergebnisText->setWordWrap(false);
    m_ergebnisText->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_kit.colourWithBrush(m_ergebnisText);

    m_kit.addGroup(layout::kZahl1, [this](int i) { chooseRow(i); });
    m_labelLinks = m_kit.addLabel(layout::kLabelLinks, 20, true);
    m_malSymbolBild = m_kit.addPicture(layout::kMalSymbolBild, {}, &random::kSignTip);
    m_kit.addKey(layout::kWuerfel1, [this] { rollFirst(); });
    m_kit.addKey(layout::kOKButton, [this] { showResult(); });

    m_pfeilLi = m_kit.addPicture(layout::kPfeilLi, layout::kLeftArrow);
    m_pfeilLi->hide();
    m_pfeilRe = m_kit.addPicture(layout::kPfeilRe, layout::kRightArrow);
    m_pfeilRe->hide();
    m_pfeil = m_kit.addPicture(layout::kPfeil);

    m_wuerfel2 = m_kit.addKey(layout::kWuerfel2, [this] { rollSecond(); });
    m_kit.addGroup(layout::kMalBereich, [this](int i) { chooseRange(i); });
    m_labelRechts = m_kit.addLabel(layout::kLabelRechts, 20, true);
    for (QLabel *label : {m_labelLinks, m_labelRechts}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(false);
    }

    QFrame *frame1 = m_kit.addFrame(layout::kFrame1);
    m_textFeld = m_kit.addLabel(layout::kTextFeld, kMessageLargest, true, frame1);

    m_kit.addEar(layout::kAudio);
    m_kit.addBrushes(layout::kPinsel, Feedback::CursorOnly, layout::brushTip);
    m_kit.addHelp(layout::kHelpButton, layout::kHelpPage, layout::kHelpTexts);
    m_kit.addLeave(layout::kExitButton, this);
    load();
}

void RandomWindow::loadState()
{
    m_task = random::DiceTask{};
    m_ergebnisText->setText(QStringLiteral("-"));
    m_task.chooseRange(0);
    m_labelRechts->setText(random::kRangeTexts[0].label.toString());
    const QString sign = names::signPicture(app().settings.malSymbol);
    if (!sign.isEmpty()) {
        m_malSymbolBild->setPicture(sign);
        m_xZeichen->setPicture(sign);
    }
    // Row 2 whatever the start screen chose, and a task in it.
    chooseRow(1);
    rollFirst();
}

void RandomWindow::chooseRow(int i)
{
    const int row = i + 1;
    if (!m_task.chooseRow(row))
        return;
    playSoundFile(kRowSound);
    m_zahlRechts->setPicture(names::factorPicture(row));
    m_labelLinks->setText(plain(row));
    m_textFeld->setText(plain(row));
    m_ergebnisText->setText(kOpenAnswer);
    showMessage(Messages(currentLanguage()).row(row));
    pointTo(m_pfeilLi);
    changeSettings([row](Settings &s) { s.malReihe = static_cast<qint16>(row); });
}

void RandomWindow::rollFirst()
{
    playSoundFile(kDieSound);
    pointTo(m_pfeilLi);
    m_task.rollFirst();
    showTask();
}

void RandomWindow::chooseRange(int i)
{
    if (!m_task.chooseRange(i))
        return;
    const random::RangeTexts &texts = random::kRangeTexts[static_cast<std::size_t>(i)];
    m_wuerfel2->setToolTip(texts.dieTip.toString());
    fitText(m_textFeld, texts.message.toString(), kMessageLargest, kMessageSmallest);
    m_labelRechts->setText(texts.label.toString());
    pointTo(m_pfeilRe);
}

void RandomWindow::rollSecond()
{
    playSoundFile(kDieSound);
    m_task.rollSecond();
    pointTo(m_pfeilRe);
    showTask();
}

void RandomWindow::showResult()
{
    const int product = m_task.product();
    app().ergebnis = static_cast<qint16>(product);
    m_ergebnisText->setText(plain(product));
    playSoundFile(kResultSound);
    showMessage(Messages(currentLanguage()).result(product));
}

void RandomWindow::showTask()
{
    m_zahlLinks->setPicture(names::factorPicture(m_task.left()));
    m_zahlRechts->setPicture(names::factorPicture(m_task.right()));
    showMessage(Messages(currentLanguage()).task(m_task.left(), m_task.right()));
    m_ergebnisText->setText(kOpenAnswer);
}

void RandomWindow::showMessage(const std::optional<QString> &message)
{
    if (message)
        fitText(m_textFeld, *message, kMessageLargest, kMessageSmallest);
}

void RandomWindow::pointTo(const PictureBox *arrow)
{
    m_pfeil->setPicture(arrow->picture());
}

} // namespace mk
