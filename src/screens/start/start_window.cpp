#include "start_window.h"

#include "screens/start/start_layout.h"
#include "screens/start/start_texts.h"

#include "frame/appstate.h"
#include "frame/pictures.h"
#include "frame/screenkit.h"
#include "frame/sound.h"

#include "screens/balls/balls_window.h"
#include "screens/calculator/calculator_window.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QTime>

namespace mk {

using namespace Qt::StringLiterals;

namespace {

using Feedback = PictureKey::Feedback;
namespace layout = start::layout;

constexpr char kVersion[] = "1.3";

const QString kDrop = QStringLiteral("sDrop1.wav");

// A start screen key: where it sits and what it shows, normal and pressed.
struct KeyPictures
{
    const Place &place;
    const char16_t *normal;
    const char16_t *pressed;
    Feedback feedback;
};

const std::array<const char16_t *, layout::kLanguageCount> kLanguagePictures{
    u"DE_normal.jpg", u"Engl_normal.jpg", u"Sp_normal.jpg",
    u"F_normal.jpg",  u"NL_normal.jpg",   u"I_normal.jpg"};

const QString kMarkerArrow = QStringLiteral("SprachenWahlButton_Pfeil.jpg");
const QString kMarkerEmpty = QStringLiteral("SprachenWahlButton_leer.jpg");

QString numberPicture(int k, QChar state)
{
    return QStringLiteral("%1%2.jpg").arg(k + 1, 2, 10, QLatin1Char('0')).arg(state);
}

QString text(const LangTexts &texts, std::size_t k)
{
    return texts[k].toString();
}

} // namespace

StartWindow::StartWindow(QWidget *parent) : QWidget(parent)
{
    buildControls();
    startUp();
}

QString StartWindow::homePage()
{
    return QStringLiteral("https://malkobold.example.org/");
}

void StartWindow::buildControls()
{
    setUpWindow(this, u"A1_START", layout::kWidth, layout::kHeight);
    setWindowTitle(QStringLiteral("Malkobold 1x1"));

    // Decoration first, so that everything else lies above it.
    addPictureBox(this, layout::kImage1);
    addPictureBox(this, layout::kImage6);
    QFrame *frame1 = addFrame(this, layout::kFrame1);
    QFrame *frame2 = addFrame(this, layout::kFrame2);

    m_textFeld = addLabel(frame1, layout::kTextFeld);
    m_textFeld->setFont(textFont(11));
    m_textFeldKlein = addLabel(frame2, layout::kTextFeldKlein);
    m_textFeldKlein->setFont(textFont(11, true));
    m_versionsfeld = addLabel(this, layout::kVersionsfeld);
    m_versionsfeld->setFont(textFont(12, true));
    m_versionsfeld->setAlignment(Qt::AlignCenter);
    m_copyRightText = addLabel(this, layout::kCopyRightText);
    m_copyRightText->setFont(textFont(10));
    m_copyRightText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    for (int k = 0; k < layout::kLanguageCount; ++k) {
        m_spWahl[k] = addPictureBox(this, layout::kSPWahl[k]);
        m_spWahl[k]->setObjectName(indexedName(layout::kSPWahl[k].name, k));
        m_sprachTaste[k] = addPictureKey(this, layout::kSprachTaste[k], Feedback::CursorOnly);
        m_sprachTaste[k]->setObjectName(indexedName(layout::kSprachTaste[k].name, k));
        connect(m_sprachTaste[k], &PictureKey::clicked, this, [this, k] { chooseLanguage(k); });
    }
    for (int k = 0; k < layout::kNumberCount; ++k) {
        m_zahl1[k] = addPictureKey(this, layout::kZahl1[k]);
        m_zahl1[k]->setObjectName(indexedName(layout::kZahl1[k].name, k));
        m_zahl1[k]->setPictures(numberPicture(k, u'n'), numberPicture(k, u'g'));
        connect(m_zahl1[k], &PictureKey::clicked, this, [this, k] { chooseRow(k); });
    }

    m_gewaehltesMalzeichen = addPictureBox(this, layout::kGewaehltesMalzeichen);
    // The digits lie under the keys: the die reaches up into the 3 and must
    // take presses there.
    for (int k = 0; k < layout::kMethodCount; ++k) {
        m_image2[k] = addPictureBox(this, layout::kImage2[k]);
        m_image2[k]->setObjectName(indexedName(layout::kImage2[k].name, k));
        connect(m_image2[k], &PictureBox::mouseMoved, this, [this, k] { showMethodHint(k); });
    }

    const auto key = [this](const KeyPictures &entry) {
        PictureKey *k = addPictureKey(this, entry.place, entry.feedback);
        k->setPictures(QString::fromUtf16(entry.normal), QString::fromUtf16(entry.pressed));
        return k;
    };
    m_titelPic = key({layout::kTitelPic, u"", u"", Feedback::CursorOnly});
    m_malX = key({layout::kMalX, u"START_X.jpg", u"START_X_G.jpg", Feedback::PictureAndCursor});
    m_malStern = key({layout::kMalStern, u"START_Stern.jpg", u"START_Stern_G.jpg", Feedback::PictureAndCursor});
    m_malPunkt = key({layout::kMalPunkt, u"START_Punkt.jpg", u"START_Punkt_G.jpg", Feedback::PictureAndCursor});
    m_exitButton = key({layout::kExitButton, u"EndeButton_N.jpg", u"EndeButton_G.jpg", Feedback::PictureAndCursor});
    m_okButton = key({layout::kOKButton, u"KugelnTaste_normal.jpg", u"KugelnTaste_gedrückt.jpg", Feedback::PictureAndCursor});
    m_helpButton = key({layout::kHelpButton, u"HelpButton.jpg", u"HelpButton_gedrückt.jpg", Feedback::PictureAndCursor});
    m_webTaste = key({layout::kWebTaste, u"Web_normal.jpg", u"Web_gedrückt.jpg", Feedback::PictureOnly});
    m_audio = key({layout::kAudio, u"", u"", Feedback::CursorOnly});
    m_malZeichenWahl = key({layout::kMalZeichenWahl, u"PButton_normal.jpg", u"PunktButton_gedrückt.jpg", Feedback::PictureAndCursor});
    m_tRechnerButton = key({layout::kTRechnerButton, u"Taschenrechner_normal.jpg", u"Taschenrechner_gedrückt.jpg", Feedback::PictureAndCursor});
    m_wuerfel = key({layout::kWuerfel, u"Würfel0.jpg", u"Würfel1.jpg", Feedback::PictureAndCursor});

    connect(m_titelPic, &PictureKey::clicked, this, [] { playSoundFile(QStringLiteral("sHallo1.wav")); });
    connect(m_malX, &PictureKey::clicked, this, [this] { chooseSign(Sign::X); });
    connect(m_malStern, &PictureKey::clicked, this, [this] { chooseSign(Sign::Star); });
    connect(m_malPunkt, &PictureKey::clicked, this, [this] { chooseSign(Sign::Dot); });
    connect(m_okButton, &PictureKey::clicked, this, [this] {
        playSoundFile(kDrop);
        openScreen<BallsWindow>();
    });
    // The series and random-task screens are not there yet: their keys only answer.
    connect(m_malZeichenWahl, &PictureKey::clicked, this, [] { playSoundFile(kDrop); });
    connect(m_wuerfel, &PictureKey::clicked, this, [] { playSoundFile(kDrop); });
    connect(m_tRechnerButton, &PictureKey::clicked, this, [this] {
        playSoundFile(kDrop);
        openScreen<CalculatorWindow>();
    });
    connect(m_webTaste, &PictureKey::clicked, this, [this] { openInBrowser(this, homePage()); });
    connect(m_audio, &PictureKey::clicked, this, [this] { toggleSound(m_audio); });
    connect(m_helpButton, &PictureKey::clicked, this, &StartWindow::toggleHelpPanel);
    connect(m_exitButton, &PictureKey::clicked, this, &StartWindow::endProgram);

    // The help panel covers the screen, so it comes last.
    m_frame3 = addHelpFrame(this, layout::kFrame3);
    m_label4 = addHelpTitle(m_frame3, layout::kLabel4);
    m_label1 = addLabel(m_frame3, layout::kLabel1);
    m_label2 = addLabel(m_frame3, layout::kLabel2);
    m_label3 = addLabel(m_frame3, layout::kLabel3);
    for (QLabel *paragraph : {m_label1, m_label2, m_label3})
        paragraph->setFont(textFont(13));
}

void StartWindow::startUp()
{
    centerForm(this, 4);
    setThickBorder(this);
    seedRandom(static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f);
    setDirectories(QDir::currentPath());
    m_frame3->move(toPixels(layout::kHelpLeft, layout::kHelpTop, 0, 0).topLeft());
    loadInitialPictures();
    app().settings.audioStatus = 0;
    m_wuerfel->showNormal();
    for (int k = 0; k < layout::kMethodCount; ++k)
        m_image2[k]->setPicture(QStringLiteral("Digit%1.jpg").arg(k + 1, 2, 10, QLatin1Char('0')));

    loadSettings();

    const QString &sign = app().settings.malSymbol;
    if (sign == u"x")
        chooseSign(Sign::X);
    else if (sign == u"*")
        chooseSign(Sign::Star);
    else if (sign == u".")
        chooseSign(Sign::Dot);

    m_audio->setPicture(app().settings.audioStatus == 1 ? QStringLiteral("OhrX_gedrückt.jpg")
                                                        : QStringLiteral("OhrN_gedrückt.jpg"));

    if (const auto k = currentLanguage())
        chooseLanguage(static_cast<int>(*k));
    clearLanguageMarkers();
    applyLanguage();
}

void StartWindow::loadInitialPictures()
{
    m_titelPic->setPicture(QStringLiteral("TitelPic.jpg"));
    setWindowCursorFile(this, QStringLiteral("Hand1.ico"));
    for (int k = 0; k < layout::kLanguageCount; ++k)
        m_sprachTaste[k]->setPicture(QString::fromUtf16(kLanguagePictures[k]));
    for (PictureKey *k : {m_malX, m_malStern, m_malPunkt, m_exitButton, m_okButton, m_helpButton})
        k->showNormal();
    for (PictureKey *k : m_zahl1)
        k->showNormal();
    m_webTaste->showNormal();
    m_audio->setPicture(QStringLiteral("OhrN.jpg"));
    m_malZeichenWahl->showNormal();
    m_tRechnerButton->showNormal();
}

void StartWindow::chooseSign(Sign sign)
{
    static const std::array<QString, 3> symbols{QStringLiteral("x"), QStringLiteral("*"), QStringLiteral(".")};
    const QString &symbol = symbols[static_cast<std::size_t>(sign)];
    changeSettings([&symbol](Settings &s) { s.malSymbol = symbol; });
    playSoundFile(kDrop);
    m_gewaehltesMalzeichen->setPicture(signPicture(symbol));
}

void StartWindow::chooseLanguage(int k)
{
    const auto n = static_cast<std::size_t>(k);
    // Everything the choice shows happens before the file is written.
    changeSettings([this, n](Settings &s) {
        s.sprache = kLanguageCodes[n].toString();
        m_textFeldKlein->setText(start::kLanguageNames[n].toString());
        clearLanguageMarkers();
        m_spWahl[n]->setPicture(kMarkerArrow);
        playSoundFile(kDrop);
        applyLanguage();
    });
}

void StartWindow::clearLanguageMarkers()
{
    for (PictureBox *marker : m_spWahl)
        marker->setPicture(kMarkerEmpty);
}

void StartWindow::applyLanguage()
{
    const auto lang = currentLanguage();
    if (!lang)
        return;
    const std::size_t k = *lang;
    m_spWahl[k]->setPicture(kMarkerArrow);
    m_textFeld->setText(text(start::kIntro, k) + u"\n\n"_s + text(start::kGreeting, k));
    m_copyRightText->setText(text(start::kNotice, k));
    m_exitButton->setToolTip(text(start::kExitTip, k));
    m_helpButton->setToolTip(text(start::kHelpTip, k));
    m_versionsfeld->setText(text(start::kVersionPrefix, k) + QLatin1String(kVersion));
    for (int key = 0; key < layout::kLanguageCount; ++key)
        m_sprachTaste[key]->setToolTip(text(start::kLanguageKeyTips[static_cast<std::size_t>(key)], k));
    m_malX->setToolTip(text(start::kMalXTip, k));
    m_malStern->setToolTip(text(start::kMalSternTip, k));
    m_malPunkt->setToolTip(text(start::kMalPunktTip, k));
    for (int n = 1; n <= layout::kNumberCount; ++n)
        m_zahl1[n - 1]->setToolTip(text(start::kRowTip, k) + u' ' + QString::number(n) + u' ');
    m_gewaehltesMalzeichen->setToolTip(text(start::kSignTip, k));
    m_malZeichenWahl->setToolTip(text(start::kSeriesTip, k));
    m_okButton->setToolTip(text(start::kBallsTip, k));
    m_audio->setToolTip(text(start::kAudioTip, k));
    m_webTaste->setToolTip(text(start::kWebTip, k));
    m_tRechnerButton->setToolTip(text(start::kCalculatorTip, k));
    m_wuerfel->setToolTip(text(start::kDieTip, k));
}

void StartWindow::chooseRow(int k)
{
    playSoundFile(kDrop);
    // The series screen stores the row when it opens; this key does not.
    app().settings.malReihe = static_cast<qint16>(k + 1);
}

void StartWindow::toggleHelpPanel()
{
    toggleHelp(m_frame3, m_helpButton);
    const auto lang = currentLanguage();
    if (!lang)
        return;
    m_label4->setText(text(start::kHelpTitle, *lang));
    m_label1->setText(text(start::kHelp1, *lang));
    m_label2->setText(text(start::kHelp2, *lang));
    m_label3->setText(text(start::kHelp3, *lang));
}

void StartWindow::showMethodHint(int k)
{
    const auto lang = currentLanguage();
    if (!lang)
        return;
    const auto m = static_cast<std::size_t>(k);
    m_textFeldKlein->setText(text(start::kMethodTitles[m], *lang) + u"\n\n"_s + text(start::kMethodTexts[m], *lang));
}

void StartWindow::endProgram()
{
    playSoundFile(QStringLiteral("sPaukeTief.wav"));
    mk::endProgram();
}

template<typename Screen>
void StartWindow::openScreen()
{
    Screen screen(this);
    screen.exec();
}

} // namespace mk
