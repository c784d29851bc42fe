#include "start_window.h"

#include "screens/start/start_layout.h"
#include "screens/start/start_texts.h"

#include "frame/appstate.h"
#include "frame/names.h"
#include "frame/pictures.h"
#include "frame/sound.h"
#include "frame/version.h"
#include "frame/window.h"

#include "screens/balls/balls_window.h"
#include "screens/calculator/calculator_window.h"
#include "screens/lernstand/lernstand_window.h"
#include "screens/random/random_window.h"
#include "screens/series/series_window.h"
#include "screens/weblinks/weblinks_pages.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QTime>

namespace mk {

using namespace Qt::StringLiterals;

namespace {

namespace layout = start::layout;

const QString kDrop = QStringLiteral("sDrop1.wav");
const QString kMarkerArrow = QStringLiteral("SprachenWahlButton_Pfeil.jpg");
const QString kMarkerEmpty = QStringLiteral("SprachenWahlButton_leer.jpg");

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
    return mk::homePage();
}

bool StartWindow::focusNextPrevChild(bool next)
{
    return m_kit.focusNextKey(next) || QWidget::focusNextPrevChild(next);
}

void StartWindow::buildControls()
{
    setUpWindow(this, u"A1_START", layout::kWidth, layout::kHeight);
    setWindowTitle(QStringLiteral("Malkobold 1x1"));

    // Decoration first, so that everything else lies above it.
    m_kit.addPicture(layout::kImage1);
    m_kit.addPicture(layout::kImage6);
    QFrame *frame1 = m_kit.addFrame(layout::kFrame1);
    QFrame *frame2 = m_kit.addFrame(layout::kFrame2);

    m_textFeld = m_kit.addLabel(layout::kTextFeld, 11, false, frame1);
    m_textFeldKlein = m_kit.addLabel(layout::kTextFeldKlein, 11, true, frame2);
    m_versionsfeld = m_kit.addLabel(layout::kVersionsfeld, 12, true);
    m_versionsfeld->setAlignment(Qt::AlignCenter);
    QLabel *copyRightText = m_kit.addLabel(layout::kCopyRightText, 10);
    copyRightText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_kit.bindText(copyRightText, &start::kNotice);

    m_spWahl = m_kit.addPictures(layout::kSPWahl);
    m_kit.addGroup(layout::kSprachTaste, [this](int k) { chooseLanguage(k); });
    m_kit.addGroup(layout::kZahl1, [this](int k) { chooseRow(k); });
    m_gewaehltesMalzeichen = m_kit.addPicture(layout::kGewaehltesMalzeichen, {}, &start::kSignTip);
    // The digits lie under the keys: the die reaches up into the 3 and must
    // take presses there.
    const std::vector<PictureBox *> digits = m_kit.addPictures(layout::kImage2);
    for (int k = 0; k < layout::kMethodCount; ++k)
        connect(digits[static_cast<std::size_t>(k)], &PictureBox::mouseMoved, this, [this, k] { showMethodHint(k); });

    m_kit.addKey(layout::kTitelPic, [] { playSoundFile(QStringLiteral("sHallo1.wav")); });
    m_kit.addKey(layout::kMalX, [this] { chooseSign(Sign::X); });
    m_kit.addKey(layout::kMalStern, [this] { chooseSign(Sign::Star); });
    m_kit.addKey(layout::kMalPunkt, [this] { chooseSign(Sign::Dot); });
    m_kit.addKey(layout::kExitButton, [this] { endProgram(); });
    m_kit.addKey(layout::kOKButton, [this] {
        playSoundFile(kDrop);
        openScreen<BallsWindow>();
    });
    m_kit.addHelp(layout::kHelpButton, layout::kHelpPage, layout::kHelpTexts);
    m_kit.addKey(layout::kWebTaste, [this] { openInBrowser(this, homePage()); });
    m_audio = m_kit.addEar(layout::kAudio, &start::kAudioTip);
    m_kit.addKey(layout::kMalZeichenWahl, [this] {
        playSoundFile(kDrop);
        openScreen<SeriesWindow>();
    });
    m_kit.addKey(layout::kTRechnerButton, [this] {
        playSoundFile(kDrop);
        openScreen<CalculatorWindow>();
    });
    m_kit.addKey(layout::kWuerfel, [this] {
        playSoundFile(kDrop);
        openScreen<RandomWindow>();
    });
    m_kit.addKey(layout::kLernstandButton, [this] {
        playSoundFile(kDrop);
        openScreen<LernstandWindow>();
    });
}

void StartWindow::startUp()
{
    m_kit.load([this] {
        seedRandom(static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f);
        setDirectories(QDir::currentPath());
        setWindowCursorFile(this, QStringLiteral("Hand1.ico"));
    }, [this] { loadState(); });
}

void StartWindow::loadState()
{
    app().settings.audioStatus = 0;
    loadSettings();

    const QString &sign = app().settings.malSymbol;
    if (sign == u"x")
        chooseSign(Sign::X);
    else if (sign == u"*")
        chooseSign(Sign::Star);
    else if (sign == u".")
        chooseSign(Sign::Dot);

    m_audio->setPicture(app().settings.audioStatus == 1 ? names::kEarOffPressed.toString()
                                                        : names::kEarOnPressed.toString());

    if (const auto k = currentLanguage())
        chooseLanguage(static_cast<int>(*k));
    clearLanguageMarkers();
    showLanguage();
}

void StartWindow::chooseSign(Sign sign)
{
    static const std::array<QString, 3> symbols{QStringLiteral("x"), QStringLiteral("*"), QStringLiteral(".")};
    const QString &symbol = symbols[static_cast<std::size_t>(sign)];
    changeSettings([&symbol](Settings &s) { s.malSymbol = symbol; });
    playSoundFile(kDrop);
    m_gewaehltesMalzeichen->setPicture(names::signPicture(symbol));
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
    showLanguage();
    m_kit.applyLanguage();
}

void StartWindow::showLanguage()
{
    const auto lang = currentLanguage();
    if (!lang)
        return;
    const std::size_t k = *lang;
    m_spWahl[k]->setPicture(kMarkerArrow);
    m_textFeld->setText(text(start::kIntro, k) + u"\n\n"_s + text(start::kGreeting, k));
    m_versionsfeld->setText(text(start::kVersionPrefix, k) + QLatin1String(kVersion));
}

void StartWindow::chooseRow(int k)
{
    playSoundFile(kDrop);
    // The series screen stores the row when it opens; this key does not.
    app().settings.malReihe = static_cast<qint16>(k + 1);
    openScreen<SeriesWindow>();
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
