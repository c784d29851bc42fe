#include "testsupport.h"

#include "screens/start/start_window.h"

#include "frame/appstate.h"
#include "frame/picturewidgets.h"
#include "frame/settings.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(mk::Settings)

using namespace mk;
using namespace mk::test;
using namespace Qt::StringLiterals;

namespace {

const QString kDrop = u"sDrop1.wav"_s;
const QStringList kCodes{u"D"_s, u"E"_s, u"S"_s, u"F"_s, u"NL"_s, u"I"_s};
const QStringList kLanguageNames{u" « Deutsch »"_s,    u" « English »"_s,    u" « Español »"_s,
                                 u" « Français »"_s,   u" « Nederlands »"_s, u" « Italiano »"_s};

using Start = ScreenFixture<StartWindow>;

// The start screen after a start with this settings file.
std::unique_ptr<Start> startWith(const QByteArray &ini)
{
    return std::make_unique<Start>([&ini](WorkDir &dir) { dir.writeIni(ini); });
}

std::unique_ptr<Start> startIn(const QString &language)
{
    return startWith(settingsFile(u"x"_s, language, 1, 0, 0));
}

QStringList markers(const Start &f)
{
    QStringList l;
    for (int k = 0; k < 6; ++k)
        l << f.pic(u"SPWahl_%1"_s.arg(k));
    return l;
}

// The six language markers with the arrow at k (none for -1).
QStringList arrowAt(int k)
{
    QStringList l;
    for (int i = 0; i < 6; ++i)
        l << (i == k ? u"SprachenWahlButton_Pfeil.jpg"_s : u"SprachenWahlButton_leer.jpg"_s);
    return l;
}

QStringList repeated(const QString &text, int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << text;
    return l;
}

// Closes whatever modal screen opens, so that clicks can go on.
class ModalCloser
{
public:
    ModalCloser()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};

const QString kGermanIntro =
    u"Hier könnt ihr das Malzeichen wählen. Ein X einen Punkt, oder einen Stern. Mit den Zahlen könnt ihr dann "
    "eine Reihe zum Üben auswählen. Klickt auf die Zahl. Die Taste mit der Hand und den Kugeln darüber führt zur "
    "einfachsten Seite. Da könnt Ihr das 1x1 mit Kugeln verstehen lernen. Das macht mal zuerst."_s;

const QStringList kGermanHelp{
    u"Man kann das Programm in 5 Sprachen starten. Die Taste mit dem Fragezeichnen ist die Hilfe, das Mädchen "
    "mit dem Pfeil ist die Taste mit der man das Programm beenden kann. Die Taste mit dem Ohr schaltet den Ton "
    "ein oder aus."_s,
    u"1) Erstes Lernen mit Kugeln um das 1x1 verstehen zu können. 2) Zeites Lernen mit einer  Reihe. Entweder "
    "klickt man auf die 1x1-Taste, oder aber direkt auf die Zahl einer Reihe die man lernen möchte. 3) Dritter "
    "Lernschritt:  Mit dem Würfel kommt man zum gemischten Lernen. Da gibt man eine Reihe ein und sieht eine "
    "Aufgabe die nicht sequenzell nach der anderen kommt. Eine zufällige Zahl."_s,
    u"Die Tasten mit der Puppenhand zeigen je ein Symbol für das Malzeichen das man hiermit wählen kann. Es kann "
    "ein X, ein Stern, aber auch ein Punkt gewählt werden. Wer hierauf klickt kann eines der Symbole nehmen. "
    "Fährt man über die Zahlen 1, 2 oder 3, dann erscheint noch mal ein kleiner Text oben. Hält man den Cursor "
    "auf eine Taste, dann erscheint ein kleiner erklärender Text. So braucht man nicht ubedingt eine "
    "Hilfeseite. Die Tasten erklären sich selbst."_s
};

} // namespace

class TestStart : public QObject
{
    Q_OBJECT

private slots:
    void startUp_data();
    void startUp();
    void startWithoutFolders();

    void controls_data();
    void controls();
    void boardKeyCoversNothing();
    void tooltips_data();
    void tooltips();
    void languageKeys_data();
    void languageKeys();
    void helpTexts_data();
    void helpTexts();
    void methodHints_data();
    void methodHints();

    void sameLanguageTwiceRepeatsEverything();
    void fileIsWrittenAfterTheSound();
    void clicks_data();
    void clicks();
    void numberKeysOpenTheSeriesOnTheirRow();
    void aNewSoundCutsOffTheOnePlaying();
    void helpPanel();
    void helpPanelWithUnknownLanguage();
    void screensOpenModallyAndLeaveStartUnchanged();
    void randomClicksLeaveWhatEachKeyPromises();
};

// What a start shows and leaves in the file, for a settings file (null: none).
void TestStart::startUp_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QStringList>("sounds");
    QTest::addColumn<int>("arrow");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QByteArray>("file");
    const QByteArray stored = settingsFile(u"."_s, u"NL"_s, 7, 1, 2);
    const QByteArray french = settingsFile(u"*"_s, u"F"_s, 1, 0, 0);
    const QByteArray unknownLanguage = settingsFile(u"*"_s, u"X"_s, 4, 0, 1);
    const QByteArray unknownSign = settingsFile(u"+"_s, u"E"_s, 2, 0, 0);
    // The start chooses the sign and then the language as their keys do: a drop each.
    const QStringList twoDrops{kDrop, kDrop};
    const Settings defaults{u"x"_s, u"D"_s, 1, 0, 0};
    QTest::newRow("no file") << QByteArray() << defaults << twoDrops << 0 << u"Fläche_malX.jpg"_s
                             << settingsFile(u"x"_s, u"D"_s, 1, 0, 0);
    QTest::newRow("stored, sound off") << stored << Settings{u"."_s, u"NL"_s, 7, 1, 2} << QStringList() << 4
                                       << u"Fläche_malPunkt.jpg"_s << stored;
    QTest::newRow("unknown language") << unknownLanguage << Settings{u"*"_s, u"X"_s, 4, 0, 1} << QStringList{kDrop}
                                      << -1 << u"Fläche_malS.jpg"_s << unknownLanguage;
    QTest::newRow("unknown sign") << unknownSign << Settings{u"+"_s, u"E"_s, 2, 0, 0} << QStringList{kDrop} << 1
                                  << QString() << unknownSign;
    // The same values in a file of another shape: left exactly as it was.
    const QByteArray shape("\"old header\"\n\"a\"\n\"?\"\n\"b\"\n\"zz\"\n\"c\"\n3\n\"d\"\n0\n\"e\"\n1\nextra\n");
    QTest::newRow("nothing valid") << shape << Settings{u"?"_s, u"zz"_s, 3, 0, 1} << QStringList() << -1
                                   << QString() << shape;
    // A broken file gives the defaults, with the sound switch as far as it was read.
    QRandomGenerator random(7);
    QByteArray binary(8192, '\0');
    for (char &c : binary)
        c = char(random.bounded(256));
    const QList<std::pair<const char *, QByteArray>> broken{
        {"empty", QByteArray("")},
        {"no closing quote", QByteArray("\"header\r\n\"[MalSymbol$]\r\n")},
        {"not numbers", QByteArray(french).replace("\r\n1\r\n", "\r\neins\r\n")},
        {"out of range", QByteArray(french).replace("\r\n1\r\n", "\r\n99999\r\n")},
        {"binary", binary},
        {"enormous", QByteArray(32 << 20, '7')}};
    for (const auto &[tag, ini] : broken)
        QTest::newRow(tag) << ini << defaults << twoDrops << 0 << u"Fläche_malX.jpg"_s
                           << settingsFile(u"x"_s, u"D"_s, 1, 0, 0);
    QTest::newRow("truncated after the audio line")
        << stored.left(stored.lastIndexOf("\"[Farbe]\"")) << Settings{u"x"_s, u"D"_s, 1, 1, 0} << QStringList() << 0
        << u"Fläche_malX.jpg"_s << settingsFile(u"x"_s, u"D"_s, 1, 1, 0);
}

void TestStart::startUp()
{
    QFETCH(QByteArray, ini);
    QFETCH(Settings, settings);
    QFETCH(QStringList, sounds);
    QFETCH(int, arrow);
    QFETCH(QString, sign);
    QFETCH(QByteArray, file);
    const auto f = ini.isNull() ? std::make_unique<Start>() : startWith(ini);
    QCOMPARE(f->window->objectName(), u"A1_START"_s);
    QCOMPARE(app().settings, settings);
    QCOMPARE(f->loadSounds, sounds);
    QCOMPARE(markers(*f), arrowAt(arrow));
    QCOMPARE(f->text(u"TextFeld_klein"_s), arrow < 0 ? QString() : kLanguageNames.at(arrow));
    QCOMPARE(f->pic(u"GewähltesMalzeichen"_s), sign);
    QCOMPARE(f->pic(u"Audio"_s), settings.audioStatus == 1 ? u"OhrX_gedrückt.jpg"_s : u"OhrN_gedrückt.jpg"_s);
    QCOMPARE(f->dir.readIni(), file);
    QCOMPARE(cursorFile(f->window.get()), u"Hand1.ico"_s);
    QVERIFY(f->operator()(u"Frame3"_s)->isHidden());
    // Without a language nothing is written in one.
    if (arrow < 0) {
        QCOMPARE(f->text(u"TextFeld"_s), QString());
        QCOMPARE(f->tip(u"ExitButton"_s), QString());
    }
}

void TestStart::startWithoutFolders()
{
    for (auto content : {WorkDir::Content::Empty, WorkDir::Content::NoDta, WorkDir::Content::NoBtn}) {
        Start f({}, content);
        QCOMPARE(f.text(u"TextFeld_klein"_s), u" « Deutsch »"_s);
        f.click(u"SprachTaste_3"_s);
        QCOMPARE(app().settings.sprache, u"F"_s);
        QCOMPARE(f.tip(u"HelpButton"_s), u" Aide "_s);
        f.click(u"MalStern"_s);
        QCOMPARE(app().settings.malSymbol, u"*"_s);
        QCOMPARE(f.dir.iniExists(), content == WorkDir::Content::NoBtn);
        if (content == WorkDir::Content::NoBtn) {
            QCOMPARE(f.pic(u"MalX"_s), QString());
            QCOMPARE(cursorFile(f.window.get()), QString());
        }
    }
}

// Every control where the layout puts it (twips), with the picture it shows
// after a first start, and for a key the picture and cursor of a press.
void TestStart::controls_data()
{
    controlColumns();
    // The help panel is moved to 120, 120 at start-up.
    controlRow(u"Frame3"_s, pixels(120, 120, 9495, 9375));
    controlRow(u"Label4"_s, pixels(240, 360, 9015, 855));
    controlRow(u"Label3"_s, pixels(240, 6600, 9015, 2415));
    controlRow(u"Label2"_s, pixels(240, 4200, 9015, 2295));
    controlRow(u"Label1"_s, pixels(240, 1200, 9015, 2895));
    controlRow(u"Frame1"_s, pixels(240, 6240, 9255, 2295));
    controlRow(u"TextFeld"_s, pixels(120, 240, 8895, 1935));
    controlRow(u"Frame2"_s, pixels(5280, 120, 3615, 1695));
    controlRow(u"TextFeld_klein"_s, pixels(240, 240, 3135, 1455));
    controlRow(u"Versionsfeld"_s, pixels(600, 2110, 9615, 735));
    controlRow(u"GewähltesMalzeichen"_s, pixels(9600, 6360, 975, 855), u"Fläche_malX.jpg");
    controlRow(u"CopyRightText"_s, pixels(120, 8760, 10215, 735));
    controlRow(u"MalX"_s, pixels(10800, 6360, 1215, 855), u"START_X.jpg", u"START_X_G.jpg");
    controlRow(u"MalStern"_s, pixels(10800, 7320, 1215, 855), u"START_Stern.jpg", u"START_Stern_G.jpg");
    controlRow(u"MalPunkt"_s, pixels(10800, 8280, 1215, 855), u"START_Punkt.jpg", u"START_Punkt_G.jpg");
    controlRow(u"WebTaste"_s, pixels(9600, 7920, 735, 735), u"Web_normal.jpg", u"Web_gedrückt.jpg", false);
    controlRow(u"Image1"_s, pixels(240, 1920, 10170, 600));
    controlRow(u"Image6"_s, pixels(240, 5400, 10170, 600));
    // The language keys with their markers above them; only German's shows the arrow.
    const int languageLefts[] = {240, 1080, 1920, 2760, 3600, 4440};
    const char16_t *flags[] = {u"DE_normal.jpg", u"Engl_normal.jpg", u"Sp_normal.jpg",
                               u"F_normal.jpg",  u"NL_normal.jpg",   u"I_normal.jpg"};
    for (int k = 0; k < 6; ++k) {
        controlRow(u"SPWahl_%1"_s.arg(k), pixels(languageLefts[k], 240, 735, 735),
            k == 0 ? u"SprachenWahlButton_Pfeil.jpg" : u"SprachenWahlButton_leer.jpg");
        controlRow(u"SprachTaste_%1"_s.arg(k), pixels(languageLefts[k], 1080, 735, 735), flags[k], u"");
    }
    controlRow(u"TitelPic"_s, pixels(10440, 1320, 1575, 1935), u"TitelPic.jpg", u"");
    controlRow(u"ExitButton"_s, pixels(10680, 240, 1215, 855), u"EndeButton_N.jpg", u"EndeButton_G.jpg");
    controlRow(u"OKButton"_s, pixels(360, 4320, 2655, 855), u"KugelnTaste_normal.jpg", u"KugelnTaste_gedrückt.jpg");
    controlRow(u"HelpButton"_s, pixels(9600, 240, 975, 855), u"HelpButton.jpg", u"HelpButton_gedrückt.jpg");
    // The number keys in two lines of five.
    const char16_t *normals[] = {u"01n.jpg", u"02n.jpg", u"03n.jpg", u"04n.jpg", u"05n.jpg",
                                 u"06n.jpg", u"07n.jpg", u"08n.jpg", u"09n.jpg", u"10n.jpg"};
    const char16_t *presseds[] = {u"01g.jpg", u"02g.jpg", u"03g.jpg", u"04g.jpg", u"05g.jpg",
                                  u"06g.jpg", u"07g.jpg", u"08g.jpg", u"09g.jpg", u"10g.jpg"};
    const int numberLefts[] = {4800, 5520, 6240, 6960, 7680};
    for (int k = 0; k < 10; ++k)
        controlRow(u"Zahl1_%1"_s.arg(k), pixels(numberLefts[k % 5], k < 5 ? 3720 : 4440, 735, 735), normals[k], presseds[k]);
    controlRow(u"Audio"_s, pixels(10440, 5280, 1215, 855), u"OhrN_gedrückt.jpg", u"");
    controlRow(u"MalZeichenWahl"_s, pixels(3360, 4320, 1215, 855), u"PButton_normal.jpg", u"PunktButton_gedrückt.jpg");
    controlRow(u"TRechnerButton"_s, pixels(10680, 3360, 1215, 1335), u"Taschenrechner_normal.jpg",
        u"Taschenrechner_gedrückt.jpg");
    controlRow(u"Image2_0"_s, pixels(1320, 3120, 855, 975), u"Digit01.jpg");
    controlRow(u"Image2_1"_s, pixels(3720, 3120, 855, 975), u"Digit02.jpg");
    controlRow(u"Image2_2"_s, pixels(9120, 3120, 855, 975), u"Digit03.jpg");
    controlRow(u"Würfel"_s, pixels(8760, 3840, 1335, 1215), u"Würfel0.jpg", u"Würfel1.jpg");
    controlRow(u"LernstandButton"_s, pixels(4800, 2900, 3615, 690), u"Lernstand_normal.jpg", u"Lernstand_gedrückt.jpg");
}

void TestStart::controls()
{
    Start f;
    QCOMPARE(f.window->size(), pixels(0, 0, 12300, 9585).size());
    checkControl(f(QString::fromUtf8(QTest::currentDataTag())));
    QVERIFY(f.sounds.names().isEmpty());
}

void TestStart::boardKeyCoversNothing()
{
    Start f;
    const QRect key = f(u"LernstandButton"_s)->geometry();
    // The sunken edge lies over the whole window and is no control.
    for (const QWidget *w : f.window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->objectName() != u"LernstandButton" && w->geometry() != f.window->rect() && w->isVisibleTo(f.window.get()))
            QVERIFY2(!w->geometry().intersects(key), qPrintable(w->objectName()));
}

// Exit, help, the six language keys, the three sign keys, the row text of the
// number keys, chosen sign, series, balls, ear, web, calculator, die, board.
void TestStart::tooltips_data()
{
    QTest::addColumn<QStringList>("tips");
    QTest::newRow("D") << QStringList{
        u" Programm verlassen "_s, u" Hilfe "_s, u" Deutsch "_s, u" English "_s, u" Español "_s,
        u" Français "_s, u" Nederlands "_s, u" Italiano "_s, u" X   Zeichen "_s, u" *   Zeichen "_s,
        u" ·   Zeichen "_s, u" Wähle Reihe "_s, u"Gewähltes Malzeichen "_s, u" In Reihe lernen "_s,
        u" Rechenschieber "_s, u" Ton Aus/Ein "_s, u" Webseiten "_s, u" Taschenrechner "_s,
        u" Zufällige Aufgabe "_s,
        u" Mein 1x1: was ich schon kann "_s};
    QTest::newRow("E") << QStringList{
        u" Exit program"_s, u" Help "_s, u" German "_s, u" English "_s, u" Spanish "_s, u" French "_s,
        u" Dutch "_s, u" Italian "_s, u" X   Character "_s, u" *   Character "_s, u" ·   Character "_s,
        u" Select Series"_s, u" Selected mark "_s, u" Learn in series "_s, u" Slide rule "_s,
        u" Sound Off / On "_s, u" Websites "_s, u" Calculator "_s, u" Random task "_s,
        u" My times table: what I know "_s};
    QTest::newRow("S") << QStringList{
        u" Salir del programa "_s, u" Ayuda "_s, u" Alemán "_s, u" Inglés "_s, u" Español "_s, u" Francés "_s,
        u" Holandés "_s, u" Italiano "_s, u" X  Carácter "_s, u" *  character "_s, u" ·  character "_s,
        u" Seleccionar serie"_s, u" Marca seleccionada "_s, u" Aprender en serie "_s,
        u" Regla de desplazamiento "_s, u" Sonido desactivado / encendido "_s, u" Sitios web "_s,
        u" Calculadora "_s, u" Tarea aleatoria "_s,
        u" Mi tabla: lo que ya sé "_s};
    QTest::newRow("F") << QStringList{
        u" Quitter le programme "_s, u" Aide "_s, u" Allemand "_s, u" Anglais "_s, u" Espagnol "_s,
        u" Français"_s, u" Néerlandais "_s, u" Italien "_s, u"X  caractère"_s, u"*  caractère"_s,
        u"·  caractère"_s, u" Sélectionner la série "_s, u" Marque sélectionnée "_s, u" Apprendre en série "_s,
        u" Règle de diapositive "_s, u" Son désactivé / activé "_s, u" Sites Web "_s, u" Calculatrice "_s,
        u" Tâche aléatoire "_s,
        u" Ma table : ce que je sais "_s};
    QTest::newRow("NL") << QStringList{
        u" Exit-programma "_s, u" Help "_s, u" Duits "_s, u" Engels "_s, u" Spans "_s, u" Frans "_s,
        u" Nederlands "_s, u" Italiaans "_s, u" X   Character "_s, u" *  karakter "_s, u" ·  karakter "_s,
        u" Select Series"_s, u" Geselecteerd teken "_s, u" Leer in serie "_s, u" Rekeningsregel "_s,
        u" Geluid uit / aan "_s, u" Websites "_s, u" Rekenmachine "_s, u" Willekeurige taak "_s,
        u" Mijn tafels: wat ik al kan "_s};
    QTest::newRow("I") << QStringList{
        u" Exit program "_s, u" Aiuto "_s, u" Tedesco "_s, u" Inglese "_s, u" Spagnolo "_s, u" Francese "_s,
        u" Olandese "_s, u" Italiano "_s, u" X   character "_s, u" *  carattere "_s, u" ·   carattere "_s,
        u" Seleziona serie"_s, u" Segno selezionato "_s, u" Impara in serie "_s, u" Regola diapositiva "_s,
        u" Audio disattivato / attivato "_s, u" Sito web "_s, u" Calcolatrice "_s, u" Attività casuale "_s,
        u" La mia tabellina: cosa so già "_s};
}

void TestStart::tooltips()
{
    QFETCH(QStringList, tips);
    const auto f = startIn(QString::fromLatin1(QTest::currentDataTag()));
    QStringList keys{u"ExitButton"_s, u"HelpButton"_s};
    for (int k = 0; k < 6; ++k)
        keys << u"SprachTaste_%1"_s.arg(k);
    keys << u"MalX"_s << u"MalStern"_s << u"MalPunkt"_s << QString() << u"GewähltesMalzeichen"_s
         << u"MalZeichenWahl"_s << u"OKButton"_s << u"Audio"_s << u"WebTaste"_s << u"TRechnerButton"_s
         << u"Würfel"_s << u"LernstandButton"_s;
    QCOMPARE(keys.size(), tips.size());
    QStringList expected;
    QStringList shown;
    for (int i = 0; i < keys.size(); ++i) {
        if (keys.at(i).isEmpty())
            continue;
        expected << keys.at(i) + u": "_s + tips.at(i);
        shown << keys.at(i) + u": "_s + f->tip(keys.at(i));
    }
    // The row text, a blank, the number, a blank.
    for (int n = 1; n <= 10; ++n) {
        expected << u"Zahl1_%1: "_s.arg(n - 1) + tips.at(11) + u' ' + QString::number(n) + u' ';
        shown << u"Zahl1_%1: "_s.arg(n - 1) + f->tip(u"Zahl1_%1"_s.arg(n - 1));
        keys << u"Zahl1_%1"_s.arg(n - 1);
    }
    QCOMPARE(shown, expected);
    // Nothing else has a tooltip.
    for (const QWidget *w : f->window->findChildren<QWidget *>())
        if (!keys.contains(w->objectName()))
            QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
}

void TestStart::languageKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("intro");
    QTest::addColumn<QString>("greeting");
    QTest::newRow("D") << 0 << u"Malkobold, Version: 1.3"_s << kGermanIntro
                       << u"Viel Spaß, Euer Ottokar."_s;
    QTest::newRow("E") << 1 << u"Malkobold, Version: 1.3"_s
                       << u"Here you can choose the mark, an X a dot, or a star,"_s << u"Enjoy, your Ottokar."_s;
    QTest::newRow("S") << 2 << u"Malkobold, Versión: 1.3"_s
                       << u"Aquí puede seleccionar la marca."_s << u"Diviértete, Tu Ottokar"_s;
    QTest::newRow("F") << 3 << u"Malkobold, Version: 1.3"_s
                       << u"Ici, vous pouvez sélectionner la marque."_s << u"Amusez-vous, votre Ottokar."_s;
    QTest::newRow("NL") << 4 << u"Malkobold, Version: 1.3"_s
                        << u"Hier kun je de markering kiezen, een X een punt, of een ster,"_s
                        << u"Veel plezier, je Ottokar."_s;
    QTest::newRow("I") << 5 << u"Malkobold, Versione: 1.3"_s
                       << u"Qui è possibile selezionare il segno."_s << u"Divertiti, Ottokar."_s;
}

void TestStart::languageKeys()
{
    QFETCH(int, key);
    QFETCH(QString, version);
    QFETCH(QString, intro);
    QFETCH(QString, greeting);
    const QString code = kCodes.at(key);
    const auto f = startWith(settingsFile(u"x"_s, key == 0 ? u"E"_s : u"D"_s, 3, 0, 1));
    f->click(u"SprachTaste_%1"_s.arg(key));
    QCOMPARE(app().settings.sprache, code);
    QCOMPARE(f->text(u"TextFeld_klein"_s), kLanguageNames.at(key));
    QCOMPARE(markers(*f), arrowAt(key));
    QCOMPARE(f->sounds.names(), QStringList{kDrop});
    QCOMPARE(f->dir.readIni(), settingsFile(u"x"_s, code, 3, 0, 1));
    QCOMPARE(f->text(u"Versionsfeld"_s), version);
    // The paragraph (whole in German, a translation of it in the others), an empty line, the greeting.
    const QString text = f->text(u"TextFeld"_s);
    if (key == 0)
        QCOMPARE(text, kGermanIntro + u"\n\n"_s + greeting);
    QVERIFY2(text.startsWith(intro) && text.endsWith(u"\n\n"_s + greeting), qPrintable(text));
    const qsizetype paragraph = text.size() - greeting.size() - 2;
    QVERIFY2(paragraph >= kGermanIntro.size() * 3 / 4 && paragraph <= kGermanIntro.size() * 5 / 4, qPrintable(text));
    QCOMPARE(text.count(u'\n'), 2);
    const QString notice = f->text(u"CopyRightText"_s);
    QVERIFY(notice.contains(u"Malkobold"_s));
    QVERIFY(!notice.contains(u'\n'));
}

// The help panel's title, and its paragraphs: whole in German, in the other
// languages a translation that begins with these words.
void TestStart::helpTexts_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("D") << (QStringList{u"1X1 Lernprogramm"_s} + kGermanHelp);
    QTest::newRow("E") << QStringList{u"1X1 Tutorial"_s, u"You can start the program in 5 languages"_s,
                                      u"1) First time learning With balls"_s, u"The keys with the hand of a doll"_s};
    QTest::newRow("S") << QStringList{u"Tutorial 1X1"_s, u"Puede iniciar el programa en 5 idiomas"_s,
                                      u"1) Primero aprendiendo con bolas"_s,
                                      u"Los botones con la mano de la muñeca"_s};
    QTest::newRow("F") << QStringList{u"Tutoriel 1X1"_s, u"Vous pouvez démarrer le programme en 5 langues."_s,
                                      u"1) Premier apprentissage avec des balles"_s,
                                      u"Les touches avec l'aiguille de la poupée"_s};
    QTest::newRow("NL") << QStringList{u"1X1 zelfstudie"_s, u"U kunt het programma starten in 5 talen"_s,
                                       u"1) Eerst leren met ballen"_s, u"De toetsen met de pophand"_s};
    QTest::newRow("I") << QStringList{u"Esercitazione 1X1"_s, u"Puoi avviare il programma in 5 lingue"_s,
                                      u"1) Primo apprendimento con le palle"_s, u"I tasti con la mano della bambola"_s};
}

void TestStart::helpTexts()
{
    QFETCH(QStringList, texts);
    const auto f = startIn(QString::fromLatin1(QTest::currentDataTag()));
    f->click(u"HelpButton"_s);
    QCOMPARE(f->text(u"Label4"_s), texts.at(0));
    const QStringList labels{u"Label1"_s, u"Label2"_s, u"Label3"_s};
    for (int i = 0; i < 3; ++i) {
        const QString shown = f->text(labels.at(i));
        if (texts.at(i + 1) == kGermanHelp.at(i)) {
            QCOMPARE(shown, kGermanHelp.at(i));
            continue;
        }
        // A translation says the same, in places with more or less detail.
        QVERIFY2(shown.startsWith(texts.at(i + 1)), qPrintable(shown));
        const qsizetype german = kGermanHelp.at(i).size();
        QVERIFY2(shown.size() >= german * 3 / 4 && shown.size() <= german * 5 / 4, qPrintable(shown));
        QVERIFY2(shown.endsWith(u'.') && !shown.contains(u'\n'), qPrintable(shown));
    }
}

// Titles, then the hints over the digits 1, 2, 3.
void TestStart::methodHints_data()
{
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("hints");
    const QStringList methode{u"METHODE 1"_s, u"METHODE 2"_s, u"METHODE 3"_s};
    QTest::newRow("D") << methode
                       << QStringList{u"Mit Kugeln das 1x1 zeigen lassen."_s, u"In Reihe (als Päckchen) Lernen."_s,
                                      u"In zufälliger Reihenfolge zeigen lassen."_s};
    QTest::newRow("E") << QStringList{u"METHOD 1"_s, u"METHOD 2"_s, u"METHOD 3"_s}
                       << QStringList{u"Show the 1x1 with balls."_s, u"In series (as a packet) learning."_s,
                                      u"Show in random order."_s};
    QTest::newRow("S") << QStringList{u"MÉTODO 1"_s, u"MÉTODO 2"_s, u"MÉTODO 3"_s}
                       << QStringList{u"Con bolas muestran el 1x1."_s, u"En serie (como un paquete) de aprendizaje."_s,
                                      u"Mostrar en orden aleatorio."_s};
    QTest::newRow("F") << methode
                       << QStringList{u"Avec des boules montrent le 1x1."_s,
                                      u"En série (comme un paquet) d'apprentissage.dudu"_s,
                                      u"Montrer dans un ordre aléatoire."_s};
    QTest::newRow("NL") << methode
                        << QStringList{u"Met ballen wordt de 1x1 weergegeven."_s, u"In serie (als een pakket) leren."_s,
                                       u"Toon in willekeurige volgorde."_s};
    QTest::newRow("I") << QStringList{u"METODO 1"_s, u"METODO 2"_s, u"METODO 3"_s}
                       << QStringList{u"Con le palle mostra la 1x1."_s,
                                      u"In serie (come pacchetto) di apprendimento."_s,
                                      u"Mostra in ordine casuale."_s};
}

void TestStart::methodHints()
{
    QFETCH(QStringList, titles);
    QFETCH(QStringList, hints);
    const auto f = startIn(QString::fromLatin1(QTest::currentDataTag()));
    f->window->show();
    for (int k = 0; k < 3; ++k) {
        hover(f->operator()(u"Image2_%1"_s.arg(k)));
        QCOMPARE(f->text(u"TextFeld_klein"_s), titles.at(k) + u"\n\n"_s + hints.at(k));
    }
    // Moving away keeps the hint; the title picture changes nothing.
    hover(f->operator()(u"TitelPic"_s));
    QCOMPARE(f->text(u"TextFeld_klein"_s), titles.at(2) + u"\n\n"_s + hints.at(2));
}

void TestStart::sameLanguageTwiceRepeatsEverything()
{
    Start f;
    QFile::remove(f.dir.iniPath());
    f.click(u"SprachTaste_0"_s);
    QVERIFY(f.dir.iniExists());
    QFile::remove(f.dir.iniPath());
    f.click(u"SprachTaste_0"_s);
    QVERIFY(f.dir.iniExists());
    QCOMPARE(f.loadSounds, repeated(kDrop, 2));
    QCOMPARE(markers(f), arrowAt(0));
}

// Notes what the settings file says at the moment each sound is played.
class FileAtSound final : public SoundBackend
{
public:
    FileAtSound(const WorkDir &dir, QStringList &seen) : m_dir(dir), m_seen(seen) {}
    void play(const QString &path) override
    {
        const Settings s = settingsOf(m_dir.readIni());
        m_seen << QFileInfo(path).fileName() + u' ' + s.sprache + u' ' + QString::number(s.audioStatus);
    }

private:
    const WorkDir &m_dir;
    QStringList &m_seen;
};

void TestStart::fileIsWrittenAfterTheSound()
{
    const auto f = startWith(settingsFile(u"x"_s, u"D"_s, 1, 1, 0));
    QStringList seen;
    setSoundBackend(std::make_unique<FileAtSound>(f->dir, seen));
    f->click(u"Audio"_s);
    f->click(u"SprachTaste_4"_s);
    setSoundBackend(nullptr);
    QCOMPARE(seen, (QStringList{u"sBang.wav D 1"_s, u"sDrop1.wav D 0"_s}));
    QCOMPARE(f->dir.readIni(), settingsFile(u"x"_s, u"NL"_s, 1, 0, 0));
}

// One click after a start with the dot and sound on (or off): what is heard,
// what the file holds, and what shows.
void TestStart::clicks_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("soundOff");
    QTest::addColumn<QString>("sound"); // empty: silence
    QTest::addColumn<QByteArray>("file"); // null: not written
    QTest::addColumn<QStringList>("shows"); // control, picture, ...
    const auto file = [](const char16_t *sign, int audio) { return settingsFile(QString::fromUtf16(sign), u"D"_s, 1, audio, 0); };
    const QString drop = kDrop;
    const QByteArray unwritten;
    QTest::newRow("MalX") << u"MalX"_s << false << drop << file(u"x", 0)
                          << QStringList{u"GewähltesMalzeichen"_s, u"Fläche_malX.jpg"_s, u"MalX"_s, u"START_X.jpg"_s};
    QTest::newRow("MalStern, sound off") << u"MalStern"_s << true << QString() << file(u"*", 1)
                                         << QStringList{u"GewähltesMalzeichen"_s, u"Fläche_malS.jpg"_s,
                                                        u"MalStern"_s, u"START_Stern.jpg"_s};
    QTest::newRow("MalPunkt, sound off") << u"MalPunkt"_s << true << QString() << file(u".", 1)
                                         << QStringList{u"GewähltesMalzeichen"_s, u"Fläche_malPunkt.jpg"_s,
                                                        u"MalPunkt"_s, u"START_Punkt.jpg"_s};
    QTest::newRow("TitelPic") << u"TitelPic"_s << false << u"sHallo1.wav"_s << unwritten
                              << QStringList{u"TitelPic"_s, u"TitelPic.jpg"_s};
    QTest::newRow("TitelPic, sound off") << u"TitelPic"_s << true << QString() << unwritten << QStringList();
    QTest::newRow("Audio off") << u"Audio"_s << false << QString() << file(u".", 1)
                               << QStringList{u"Audio"_s, u"OhrX_gedrückt.jpg"_s};
    QTest::newRow("Audio on") << u"Audio"_s << true << u"sBang.wav"_s << file(u".", 0)
                              << QStringList{u"Audio"_s, u"OhrN_gedrückt.jpg"_s};
    QTest::newRow("WebTaste") << u"WebTaste"_s << false << QString() << unwritten << QStringList();
    QTest::newRow("ExitButton") << u"ExitButton"_s << false << u"sPaukeTief.wav"_s << unwritten
                                << QStringList();
}

void TestStart::clicks()
{
    QFETCH(QString, key);
    QFETCH(bool, soundOff);
    QFETCH(QString, sound);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, shows);
    const auto f = startWith(settingsFile(u"."_s, u"D"_s, 1, soundOff ? 1 : 0, 0));
    EndCatcher end;
    BrowserCatcher browser;
    QFile::remove(f->dir.iniPath());
    // Nothing happens before the release.
    press(f->operator()(key));
    QCOMPARE(f->sounds.names(), QStringList());
    QCOMPARE(end.count(), 0);
    QVERIFY(browser.urls.isEmpty());
    release(f->operator()(key));
    QCOMPARE(f->sounds.names(), sound.isEmpty() ? QStringList() : QStringList{sound});
    QCOMPARE(f->dir.iniExists(), !file.isNull());
    QCOMPARE(f->dir.readIni(), file);
    for (int i = 0; i + 1 < shows.size(); i += 2)
        QCOMPARE(f->pic(shows.at(i)), shows.at(i + 1));
    QCOMPARE(end.count(), key == u"ExitButton" ? 1 : 0);
    QCOMPARE(browser.urls, key == u"WebTaste" ? QList<QUrl>{QUrl(StartWindow::homePage())} : QList<QUrl>());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestStart::numberKeysOpenTheSeriesOnTheirRow()
{
    Start f;
    f.window->show();
    for (int k : {0, 6, 9}) {
        f.sounds.clear();
        const QString key = u"Zahl1_%1"_s.arg(k);
        QString task1;
        const QString opened = withModal([&] { f.click(key); }, [&](QWidget *modal) {
            task1 = picture(control(modal, u"ZReiheRechts_0"_s));
            modal->close();
        });
        QCOMPARE(opened, u"B2_REIHE"_s);
        QCOMPARE(app().settings.malReihe, qint16(k + 1));
        // The key answers first; the series screen then chooses its row.
        QCOMPARE(f.sounds.names().mid(0, 2), (QStringList{kDrop, u"sTennisBall.wav"_s}));
        QCOMPARE(task1, u"Fläche%1.jpg"_s.arg(k + 1, 2, 10, QChar(u'0')));
        // The series screen, not the key, writes the row; the key stays unmarked.
        QCOMPARE(settingsOf(f.dir.readIni()).malReihe, qint16(k + 1));
        QCOMPARE(f.pic(key), u"%1n.jpg"_s.arg(k + 1, 2, 10, QChar(u'0')));
    }
}

void TestStart::aNewSoundCutsOffTheOnePlaying()
{
    Start f;
    VoiceLog voices;
    f.click(u"TitelPic"_s);
    QTRY_COMPARE(voices.events(), QStringList{u"start sHallo1.wav"_s});
    f.click(u"SprachTaste_1"_s);
    QTRY_COMPARE(voices.events(), (QStringList{u"start sHallo1.wav"_s, u"stop sHallo1.wav"_s, u"start sDrop1.wav"_s}));
    // The same sound again starts from its beginning.
    f.click(u"SprachTaste_1"_s);
    QTRY_COMPARE(voices.events().size(), 5);
    QCOMPARE(voices.events().mid(3), (QStringList{u"stop sDrop1.wav"_s, u"start sDrop1.wav"_s}));
    // Sound off: the greeting neither starts nor cuts anything off; the ear's
    // bang on switching back on is the next sound.
    f.click(u"Audio"_s);
    f.click(u"TitelPic"_s);
    f.click(u"Audio"_s);
    QTRY_COMPARE(voices.events().size(), 7);
    QCOMPARE(voices.events().mid(5), (QStringList{u"stop sDrop1.wav"_s, u"start sBang.wav"_s}));
}





void TestStart::helpPanel()
{
    Start f;
    f.window->show();
    QWidget *help = f(u"HelpButton"_s);
    QWidget *panel = f(u"Frame3"_s);
    f.click(u"HelpButton"_s);
    QVERIFY(panel->isVisible());
    QCOMPARE(picture(help), u"HelpPage_Leave.jpg"_s);
    QCOMPARE(f.sounds.names(), QStringList{u"sHallo2.wav"_s});
    QCOMPARE(f.text(u"Label4"_s), u"1X1 Lernprogramm"_s);

    // A language change while open updates the panel only on the next click.
    f.click(u"SprachTaste_1"_s);
    QCOMPARE(f.text(u"Label4"_s), u"1X1 Lernprogramm"_s);
    f.sounds.clear();
    f.click(u"HelpButton"_s);
    QVERIFY(!panel->isVisible());
    QCOMPARE(picture(help), u"HelpButton.jpg"_s);
    QVERIFY(f.sounds.names().isEmpty());
    QCOMPARE(f.text(u"Label4"_s), u"1X1 Tutorial"_s);
    QVERIFY(f.text(u"Label1"_s).startsWith(u"You can start the program in 5 languages"_s));

    // Press and release show the key's own pictures; the click's picture stays.
    press(help);
    QCOMPARE(picture(help), u"HelpButton_gedrückt.jpg"_s);
    release(help);
    QCOMPARE(picture(help), u"HelpPage_Leave.jpg"_s);
    QVERIFY(panel->isVisible());
}

void TestStart::helpPanelWithUnknownLanguage()
{
    const auto f = startIn(u"GR"_s);
    f->window->show();
    f->click(u"HelpButton"_s);
    QVERIFY(f->operator()(u"Frame3"_s)->isVisible());
    QCOMPARE(f->text(u"Label4"_s), QString());
    hover(f->operator()(u"Image2_0"_s));
    QCOMPARE(f->text(u"TextFeld_klein"_s), QString());
    f->click(u"HelpButton"_s);
    QVERIFY(!f->operator()(u"Frame3"_s)->isVisible());
}

void TestStart::screensOpenModallyAndLeaveStartUnchanged()
{
    const auto f = startWith(settingsFile(u"*"_s, u"F"_s, 5, 0, 0));
    f->window->show();
    const auto snapshot = [&f] {
        QStringList s;
        for (QWidget *w : f->window->findChildren<QWidget *>())
            s << w->objectName() + u'|' + picture(w) + u'|' + w->toolTip() + u'|'
                    + (qobject_cast<QLabel *>(w) ? qobject_cast<QLabel *>(w)->text() : QString());
        return s;
    };
    const QStringList before = snapshot();
    const std::pair<const char16_t *, const char16_t *> keys[] = {
        {u"OKButton", u"B1_KUGELN"}, {u"MalZeichenWahl", u"B2_REIHE"}, {u"TRechnerButton", u"B4_Taschenrechner"},
        {u"Würfel", u"B3_ZUFALL"}, {u"LernstandButton", u"B6_LERNSTAND"}};
    for (const auto &[key, screenName] : keys) {
        f->sounds.clear();
        bool startBlocked = false;
        const QString name = QString::fromUtf16(key);
        const QString opened = withModal([&] { f->click(name); },
                                         [&](QWidget *modal) {
                                             startBlocked = QApplication::activeModalWidget() == modal
                                                 && modal != f->window.get();
                                             app().settings.malReihe = 9; // as if the screen chose a row
                                             modal->close();
                                         });
        QCOMPARE(opened, QString::fromUtf16(screenName));
        QVERIFY(startBlocked);
        QCOMPARE(f->sounds.names().value(0), kDrop);
        QCOMPARE(snapshot(), before);
        QVERIFY(!f->window->findChild<QDialog *>());
        QCOMPARE(app().settings.malReihe, qint16(9));
    }
}

// Random presses, clicks and moves over every key, checked against what each
// key's click promises: the choices, the file, the sounds, the panel.
void TestStart::randomClicksLeaveWhatEachKeyPromises()
{
    Start f;
    f.window->show();
    EndCatcher end;
    ModalCloser closer;
    BrowserCatcher browser;
    // Each key with the sounds its click plays (the ear and help keys: when
    // switching on); the series screen plays its row when it opens.
    const QStringList drop{kDrop};
    const QStringList series{kDrop, u"sTennisBall.wav"_s};
    const QList<std::pair<QString, QStringList>> keys{
        {u"SprachTaste_0"_s, drop}, {u"SprachTaste_4"_s, drop}, {u"SprachTaste_5"_s, drop}, {u"MalX"_s, drop},
        {u"MalStern"_s, drop},      {u"MalPunkt"_s, drop},      {u"Zahl1_0"_s, series},     {u"Zahl1_6"_s, series},
        {u"OKButton"_s, drop},      {u"TRechnerButton"_s, drop}, {u"MalZeichenWahl"_s, series},
        {u"TitelPic"_s, {u"sHallo1.wav"_s}}, {u"Audio"_s, {u"sBang.wav"_s}}, {u"HelpButton"_s, {u"sHallo2.wav"_s}},
        {u"ExitButton"_s, {u"sPaukeTief.wav"_s}}, {u"WebTaste"_s, {}}, {u"Image2_1"_s, {}}};
    Settings expected{u"x"_s, u"D"_s, 1, 0, 0};
    Settings stored = expected;
    bool helpOpen = false;
    QString helpKey = u"HelpButton.jpg"_s;
    int ends = 0;
    int pages = 0;
    QStringList heard;
    QRandomGenerator random(1234);
    for (int i = 0; i < 400; ++i) {
        const auto &[name, sounds] = keys.at(random.bounded(int(keys.size())));
        switch (random.bounded(3)) {
        case 0: hover(f(name)); continue;
        case 1:
            // Feedback only: the release shows the normal picture, also on the open help's key.
            press(f(name), Qt::RightButton);
            release(f(name), Qt::RightButton);
            helpKey = name == u"HelpButton" ? u"HelpButton.jpg"_s : helpKey;
            continue;
        default: f.click(name); break;
        }
        bool plays = true;
        if (name.startsWith(u"SprachTaste")) {
            expected.sprache = kCodes.at(name.back().digitValue());
            stored = expected;
        } else if (name == u"MalX" || name == u"MalStern" || name == u"MalPunkt") {
            expected.malSymbol = name == u"MalX" ? u"x"_s : name == u"MalStern" ? u"*"_s : u"."_s;
            stored = expected;
        } else if (name.startsWith(u"Zahl1")) {
            expected.malReihe = qint16(name.back().digitValue() + 1);
            stored = expected; // the series screen stores its row when it opens
        } else if (name == u"OKButton" || name == u"MalZeichenWahl") {
            stored = expected; // so do the balls screen and the series screen their brush
        } else if (name == u"Audio") {
            expected.audioStatus = expected.audioStatus == 1 ? 0 : 1;
            stored = expected;
            plays = expected.audioStatus == 0;
        } else if (name == u"HelpButton") {
            plays = helpOpen = !helpOpen;
            helpKey = helpOpen ? u"HelpPage_Leave.jpg"_s : u"HelpButton.jpg"_s;
        }
        ends += name == u"ExitButton";
        pages += name == u"WebTaste";
        if (plays && expected.audioStatus != 1)
            heard << sounds;
    }
    QCOMPARE(app().settings, expected);
    QCOMPARE(f.dir.readIni(), settingsFile(stored.malSymbol, stored.sprache, stored.malReihe, stored.audioStatus, 0));
    QCOMPARE(f.sounds.names(), heard);
    QCOMPARE(markers(f), arrowAt(int(kCodes.indexOf(expected.sprache))));
    const QString sign = expected.malSymbol == u"x" ? u"X"_s : expected.malSymbol == u"*" ? u"S"_s : u"Punkt"_s;
    QCOMPARE(f.pic(u"GewähltesMalzeichen"_s), u"Fläche_mal%1.jpg"_s.arg(sign));
    QCOMPARE(f.pic(u"Audio"_s), expected.audioStatus == 1 ? u"OhrX_gedrückt.jpg"_s : u"OhrN_gedrückt.jpg"_s);
    QCOMPARE(f(u"Frame3"_s)->isVisible(), helpOpen);
    QCOMPARE(f.pic(u"HelpButton"_s), helpKey);
    QCOMPARE(f.pic(u"Zahl1_6"_s), u"07n.jpg"_s);
    QCOMPARE(f.pic(u"MalStern"_s), u"START_Stern.jpg"_s);
    QCOMPARE(end.count(), ends);
    QCOMPARE(browser.urls.size(), pages);
    QVERIFY(!QGuiApplication::overrideCursor());
}

QTEST_MAIN(TestStart)
#include "test_start.moc"
