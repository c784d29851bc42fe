#include "balls_window.h"

#include "screens/balls/balls_texts.h"

#include "frame/appstate.h"
#include "frame/screenkit.h"
#include "frame/sound.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

namespace mk {

namespace {

using balls::BeadFrame;
using balls::FlowTexts;
using balls::Selection;
using Feedback = PictureKey::Feedback;
namespace layout = balls::layout;

const QString kTennisBall = QStringLiteral("sTennisBall.wav");
const QString kActiveArrow = QStringLiteral("Pfeil_re.jpg");
const QString kGreyArrow = QStringLiteral("grau.jpg");

// Pictures of the decoration, which no key changes; the two arrows come with
// the layout rather than from the named files.
const QString kBoardPicture = QStringLiteral("Schild_Ergebnisse.jpg");
const QString kEraserArrowPicture = QStringLiteral("Pfeil_Radierer.jpg");
const QString kDownArrowPicture = QStringLiteral("Pfeil_runter.jpg");

// Point sizes of the result board: big for a result, small enough for the
// longest question.
constexpr int kBoardLargest = 20;
constexpr int kBoardSmallest = 9;

// The wooden bars round the bead frame.
const QColor kWood(214, 170, 112);

QString numberPicture(int i, QChar state)
{
    return QStringLiteral("%1%2.jpg").arg(i + 1, 2, 10, QLatin1Char('0')).arg(state);
}

QString text(const LangTexts &texts, std::size_t k)
{
    return texts[k].toString();
}

// The largest of the sizes in which the whole text fits the label, so that
// a short result reads big and a long question still fits.
void fitText(QLabel *label, const QString &text, int largest, int smallest)
{
    const QRect box = label->contentsRect();
    QFont font = label->font();
    for (int size = largest; size >= smallest; --size) {
        font.setPointSize(size);
        const QRect need = QFontMetrics(font).boundingRect(box, Qt::TextWordWrap | label->alignment(), text);
        if (need.width() <= box.width() && need.height() <= box.height())
            break;
    }
    label->setFont(font);
    label->setText(text);
}

void woodBar(PictureBox *bar)
{
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, kWood);
    bar->setPalette(pal);
    bar->setAutoFillBackground(true);
}

} // namespace

BallsWindow::BallsWindow(QWidget *parent) : QDialog(parent)
{
    buildControls();
    load();
}

void BallsWindow::buildControls()
{
    setUpWindow(this, u"B1_KUGELN", layout::kWidth, layout::kHeight);
    setWindowTitle(QStringLiteral("Malkobold 1x1"));

    // The frame's wood first, so that the rods and the row labels lie on it.
    for (const Place *bar : {&layout::kBalkenLi, &layout::kBalkenRe, &layout::kImage1, &layout::kImage2})
        woodBar(addPictureBox(this, *bar));

    for (std::size_t r = 0; r < m_stange.size(); ++r) {
        for (std::size_t k = 0; k < m_stange[r].size(); ++k) {
            PictureBox *place = addPictureBox(this, layout::kStange[r][k]);
            place->setObjectName(indexedName(layout::kStange[r][k].name, static_cast<int>(k)));
            m_stange[r][k] = place;
        }
    }
    for (std::size_t i = 0; i < m_xfeld.size(); ++i) {
        m_xfeld[i] = addLabel(this, layout::kXfeld[i]);
        m_yfeld[i] = addLabel(this, layout::kYfeld[i]);
        m_xfeld[i]->setObjectName(indexedName(layout::kXfeld[i].name, static_cast<int>(i)));
        m_yfeld[i]->setObjectName(indexedName(layout::kYfeld[i].name, static_cast<int>(i)));
        for (QLabel *label : {m_xfeld[i], m_yfeld[i]}) {
            label->setFont(textFont(14, true));
            label->setAlignment(Qt::AlignCenter);
            label->setWordWrap(false);
        }
    }

    m_buttonA = addPictureBox(this, layout::kButtonA);
    m_buttonB = addPictureBox(this, layout::kButtonB);
    m_pfeil1 = addPictureBox(this, layout::kPfeil1);
    m_pfeil2 = addPictureBox(this, layout::kPfeil2);
    for (int i = 0; i < layout::kDigitCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        m_zahl1[n] = addPictureKey(this, layout::kZahl1[n]);
        m_zahl2[n] = addPictureKey(this, layout::kZahl2[n]);
        m_zahl1[n]->setObjectName(indexedName(layout::kZahl1[n].name, i));
        m_zahl2[n]->setObjectName(indexedName(layout::kZahl2[n].name, i));
        for (PictureKey *key : {m_zahl1[n], m_zahl2[n]})
            key->setPictures(numberPicture(i, u'n'), numberPicture(i, u'g'));
        m_zahl2[n]->setEnabled(false);
        connect(m_zahl1[n], &PictureKey::clicked, this, [this, i] { chooseA(i); });
        connect(m_zahl2[n], &PictureKey::clicked, this, [this, i] { chooseB(i); });
    }
    m_xButton = addPictureBox(this, layout::kXButton);

    QFrame *frame1 = addFrame(this, layout::kFrame1);
    m_textFeld = addLabel(frame1, layout::kTextFeld);
    m_textFeld->setFont(textFont(16, true));
    m_textFeld->setText(QStringLiteral(" "));
    m_meldeFeld = addLabel(frame1, layout::kMeldeFeld);
    m_meldeFeld->setFont(textFont(14, true));

    m_ergebnisTafel = addPictureBox(this, layout::kErgebnisTafel);
    m_ergebnisfeld = addLabel(this, layout::kErgebnisfeld);
    m_ergebnisfeld->setFont(textFont(16, true));
    m_ergebnisfeld->setAlignment(Qt::AlignCenter);
    // The board under it carries the tooltip.
    m_ergebnisfeld->setAttribute(Qt::WA_TransparentForMouseEvents);
    fitText(m_ergebnisfeld, QStringLiteral("ERGEBNIS"), kBoardLargest, kBoardSmallest);

    m_pfeilRunter = addPictureBox(this, layout::kPfeilRunter);
    m_pfeilRunter->hide();
    m_pfeilRadierer = addPictureBox(this, layout::kPfeilRadierer);
    m_pfeilRadierer->hide();

    m_okButton = addPictureKey(this, layout::kOKButton);
    m_okButton->setPictures(QStringLiteral("OK_Button.jpg"), QStringLiteral("OK_Button_gedrückt.jpg"));
    m_okButton->setEnabled(false);
    m_radierer = addPictureKey(this, layout::kRadierer, Feedback::PictureOnly);
    m_radierer->setPictures(QStringLiteral("RadierButton.jpg"), QStringLiteral("RadierButton_gedrückt.jpg"));
    m_audio = addPictureKey(this, layout::kAudio, Feedback::CursorOnly);
    m_helpButton = addPictureKey(this, layout::kHelpButton);
    m_helpButton->setPictures(QStringLiteral("HelpButton.jpg"), QStringLiteral("HelpButton_gedrückt.jpg"));
    m_exitButton = addPictureKey(this, layout::kExitButton);
    m_exitButton->setPictures(QStringLiteral("ExitButton.jpg"), QStringLiteral("ExitButton_gedrückt.jpg"));
    for (int i = 0; i < layout::kBrushCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        m_pinsel[n] = addPictureKey(this, layout::kPinsel[n], Feedback::None);
        m_pinsel[n]->setObjectName(indexedName(layout::kPinsel[n].name, i));
        connect(m_pinsel[n], &PictureKey::clicked, this, [this, i] { chooseColour(i); });
    }

    connect(m_okButton, &PictureKey::clicked, this, &BallsWindow::showResult);
    connect(m_radierer, &PictureKey::clicked, this, &BallsWindow::erase);
    connect(m_audio, &PictureKey::clicked, this, [this] { toggleSound(m_audio); });
    connect(m_helpButton, &PictureKey::clicked, this, &BallsWindow::toggleHelpPage);
    connect(m_exitButton, &PictureKey::clicked, this, [this] { leaveScreen(this); });

    // The help page covers the bead frame, so it comes last.
    m_frame2 = addHelpFrame(this, layout::kFrame2);
    m_label4 = addHelpTitle(m_frame2, layout::kLabel4);
    m_label1 = addLabel(m_frame2, layout::kLabel1);
    m_label2 = addLabel(m_frame2, layout::kLabel2);
    m_label3 = addLabel(m_frame2, layout::kLabel3);
    for (QLabel *paragraph : {m_label1, m_label2, m_label3})
        paragraph->setFont(textFont(16));
}

void BallsWindow::load()
{
    centerForm(this, 4);
    setThickBorder(this);
    for (std::size_t i = 0; i < m_pinsel.size(); ++i)
        m_pinsel[i]->setPicture(brushPicture(static_cast<int>(i)));
    for (std::size_t i = 0; i < m_xfeld.size(); ++i) {
        for (auto [label, place] : {std::pair{m_xfeld[i], layout::kXfeld[i]}, std::pair{m_yfeld[i], layout::kYfeld[i]}})
            label->setGeometry(toPixels(place.left, place.top + layout::kRowLabelDrop, place.width, place.height));
    }
    m_selection = Selection::ChooseA;
    chooseColour(app().settings.farbe);
    m_xButton->setPicture(signPicture(app().settings.malSymbol));

    m_audio->setPicture(QStringLiteral("OhrN.jpg"));
    for (PictureKey *key : {m_exitButton, m_okButton, m_helpButton})
        key->showNormal();
    for (std::size_t i = 0; i < m_zahl1.size(); ++i) {
        m_zahl1[i]->showNormal();
        m_zahl2[i]->showNormal();
    }
    m_radierer->showNormal();
    m_buttonA->setPicture(QStringLiteral("A.jpg"));
    m_buttonB->setPicture(QStringLiteral("B.jpg"));
    m_pfeil1->setPicture(kActiveArrow);
    m_pfeil2->setPicture(kGreyArrow);
    m_ergebnisTafel->setPicture(kBoardPicture);
    m_pfeilRunter->setPicture(kDownArrowPicture);
    m_pfeilRadierer->setPicture(kEraserArrowPicture);

    m_frame2->move(toPixels(layout::kHelpLeft, layout::kHelpTop, 0, 0).topLeft());

    clearRowLabels();
    showRods(0, 0);
    applyLanguage();
    showStepHint(1);
}

void BallsWindow::chooseA(int i)
{
    playSoundFile(kTennisBall);
    if (m_selection != Selection::ChooseA)
        return;
    m_selection = Selection::ChooseB;
    m_frame2->hide();
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
    m_frame2->hide();
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

void BallsWindow::chooseColour(int i)
{
    if (const auto colour = brushColour(i))
        setTextColour(m_ergebnisfeld, *colour);
    changeSettings([i](Settings &s) { s.farbe = static_cast<qint16>(i); });
}

void BallsWindow::toggleHelpPage()
{
    toggleHelp(m_frame2, m_helpButton);
    const auto lang = currentLanguage();
    if (!lang)
        return;
    m_label4->setText(text(balls::kHelpTitle, *lang));
    fitText(m_label1, text(balls::kHelp1, *lang), 16, 11);
    fitText(m_label2, text(balls::kHelp2, *lang), 16, 11);
    fitText(m_label3, text(balls::kHelp3, *lang), 16, 11);
}

void BallsWindow::showRods(int balls, int rodsSplit)
{
    for (int r = 0; r < BeadFrame::kRods; ++r) {
        for (int k = 0; k < BeadFrame::kPlaces; ++k) {
            PictureBox *place = m_stange[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)];
            const QString &wanted = BeadFrame::picture(r, k, balls, rodsSplit);
            if (place->picture() != wanted)
                place->setPicture(wanted);
        }
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

void BallsWindow::applyLanguage()
{
    const auto lang = currentLanguage();
    if (!lang)
        return;
    const std::size_t k = *lang;
    m_exitButton->setToolTip(text(balls::kExitTip, k));
    m_helpButton->setToolTip(text(balls::kHelpTip, k));
    for (std::size_t i = 0; i < m_zahl1.size(); ++i) {
        const QString number = plain(static_cast<int>(i) + 1) + u' ';
        m_zahl1[i]->setToolTip(text(balls::kDigit1Tip, k) + number);
        m_zahl2[i]->setToolTip(text(balls::kDigit2Tip, k) + number);
    }
    m_xButton->setToolTip(text(balls::kSignTip, k));
    m_radierer->setToolTip(text(balls::kEraserTip, k));
    m_okButton->setToolTip(text(balls::kThumbTip, k));
    m_pfeil1->setToolTip(text(balls::kArrow1Tip, k));
    m_pfeil2->setToolTip(text(balls::kArrow2Tip, k));
    m_ergebnisTafel->setToolTip(text(balls::kBoardTip, k));
}

void BallsWindow::enableRow(const std::array<PictureKey *, balls::layout::kDigitCount> &row, bool enabled)
{
    for (PictureKey *key : row)
        key->setEnabled(enabled);
}

} // namespace mk
