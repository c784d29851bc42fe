#include "testsupport.h"

#include "frame/appstate.h"
#include "screens/balls/balls_task.h"
#include "screens/balls/balls_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace mk;
using namespace mk::test;

namespace {

using Bead = ScreenFixture<BallsWindow>;

// Each rod's ball, from the top rod down.
const QStringList kBalls{u"Kugel_violett.jpg"_s, u"Kugel_rot.jpg"_s,        u"Kugel_orange.jpg"_s,
                         u"Kugel_gelb.jpg"_s,    u"Kugel_grün.jpg"_s,       u"Kugel_tannengrün.jpg"_s,
                         u"Kugel_hellblau.jpg"_s, u"Kugel_blau.jpg"_s,      u"Kugel_violett.jpg"_s,
                         u"Kugel_grau.jpg"_s};
const QString kAtRest = u"oooooooooo-----"_s;
const QString kEraseHint = u"Mit dem Radiergummi löschen und dann neu anfangen. Solange man möchte."_s;

// The bead frame opened with these shared settings, in a fresh working directory.
std::unique_ptr<Bead> openBalls(const QString &sprache = u"D"_s, const QString &sign = u"x"_s, qint16 farbe = 0,
                           qint16 audio = 0)
{
    auto f = std::make_unique<Bead>([&](WorkDir &) {
        app().settings = Settings{sign, sprache, 1, audio, farbe};
    });
    f->window->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(f->window.get());
    return f;
}

void task(const Bead &f, int a, int b)
{
    f.click(u"Zahl1_%1"_s.arg(a - 1));
    f.click(u"Zahl2_%1"_s.arg(b - 1));
}

// Place by place: 'o' the rod's own ball, '-' the bare rod, '?' anything else.
QStringList rods(const Bead &f)
{
    QStringList all;
    for (int r = 1; r <= 10; ++r) {
        QString pattern;
        for (int k = 0; k < 15; ++k) {
            const QString p = f.pic(u"Stange%1_%2"_s.arg(r).arg(k));
            pattern += p == kBalls.at(r - 1) ? u'o' : p == u"Kugel_Stange.jpg" ? u'-' : u'?';
        }
        all << pattern;
    }
    return all;
}

// The frame with the rods 1..b split as `split` and the others at rest.
QStringList split(const QString &pattern, int b)
{
    QStringList all;
    for (int r = 1; r <= 10; ++r)
        all << (r <= b ? pattern : kAtRest);
    return all;
}

QStringList rowLabels(const Bead &f, const QString &group)
{
    QStringList texts;
    for (int i = 0; i < 10; ++i)
        texts << f.text(u"%1_%2"_s.arg(group).arg(i));
    return texts;
}

QStringList repeated(const QString &text, int n)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << text;
    return list;
}

// '1' for each enabled key of a digit row, '0' for each disabled one.
QString enabled(const Bead &f, const QString &group)
{
    QString flags;
    for (int i = 0; i < 10; ++i)
        flags += f(u"%1_%2"_s.arg(group).arg(i))->isEnabled() ? u'1' : u'0';
    return flags;
}

QColor colour(const Bead &f, const QString &label)
{
    return f(label)->palette().color(QPalette::WindowText);
}

const QStringList kLanguages{u"D"_s, u"E"_s, u"S"_s, u"F"_s, u"NL"_s, u"I"_s};
const QString kAllOn = u"1111111111"_s;
const QString kAllOff = u"0000000000"_s;

} // namespace

class TestBalls : public QObject
{
    Q_OBJECT

private slots:
    void loadShowsTheStartOfTheGame();
    void controls_data();
    void controls();
    void threeTimesFour_data();
    void threeTimesFour();
    void beadFrame_data();
    void beadFrame();
    void secondRowClickedAgain();
    void eraser_data();
    void eraser();
    void reopening();
    void unknownLanguage();
    void rowSigns_data();
    void rowSigns();
    void brushes_data();
    void brushes();
    void storedBrushAppliedAtLoad();
    void ear();
    void tooltips_data();
    void tooltips();
    void helpTexts_data();
    void helpTexts();
    void helpPage();
    void helpPageClosedByFirstNumber();
    void disabledKeys();
    void screenShowsWhatEachClickPainted();
    void leaving();
};

void TestBalls::loadShowsTheStartOfTheGame()
{
    const auto f = openBalls(u"D"_s, u"*"_s, 1, 1);
    QCOMPARE(f->window->objectName(), u"B1_KUGELN"_s);
    QCOMPARE(f->window->size(), pixels(0, 0, 15195, 11385).size());
    QCOMPARE(rods(*f), repeated(kAtRest, 10));
    QCOMPARE(rowLabels(*f, u"Xfeld"_s), repeated(QString(), 10));
    QCOMPARE(rowLabels(*f, u"Yfeld"_s), repeated(QString(), 10));
    QCOMPARE(f->text(u"TextFeld"_s), u" "_s);
    QCOMPARE(f->text(u"Ergebnisfeld"_s), u"ERGEBNIS"_s);
    QCOMPARE(f->text(u"MeldeFeld"_s), u"A:  1. Zahl ist wie viel mal ..."_s);
    QCOMPARE(enabled(*f, u"Zahl1"_s), kAllOn);
    QCOMPARE(enabled(*f, u"Zahl2"_s), kAllOff);
    QVERIFY(!f->operator()(u"OKButton"_s)->isEnabled());
    for (const QString &hidden : {u"Pfeil_runter"_s, u"PfeilRadierer"_s, u"Frame2"_s})
        QVERIFY2(!f->operator()(hidden)->isVisible(), qPrintable(hidden));
    QCOMPARE(f->pic(u"XButton"_s), u"Fläche_malS.jpg"_s);
    // The load applies the stored brush, and that stores it again.
    QCOMPARE(colour(*f, u"Ergebnisfeld"_s), QColor(255, 0, 0));
    QCOMPARE(f->dir.readIni(), settingsFile(u"*"_s, u"D"_s, 1, 1, 1));
    QCOMPARE(f->loadSounds, QStringList());
}

// Every control where the layout puts it (twips), with the picture it shows
// after the load, and for a key the picture and cursor of a press.
void TestBalls::controls_data()
{
    controlColumns();
    // The help page is moved to 120, 120 at load.
    controlRow(u"Frame2"_s, pixels(120, 120, 12135, 11295));
    controlRow(u"Label4"_s, pixels(600, 720, 10815, 975));
    controlRow(u"Label3"_s, pixels(480, 7680, 10935, 2775));
    controlRow(u"Label2"_s, pixels(480, 4920, 10935, 2535));
    controlRow(u"Label1"_s, pixels(480, 2040, 10935, 2775));
    controlRow(u"Frame1"_s, pixels(12240, 1080, 2775, 4095));
    controlRow(u"MeldeFeld"_s, pixels(120, 1560, 2535, 2415));
    controlRow(u"TextFeld"_s, pixels(120, 240, 2535, 1335));
    controlRow(u"Pinsel_0"_s, pixels(11640, 10080, 735, 735), u"Pinsel_schwarz.jpg", u"", false);
    controlRow(u"Pinsel_1"_s, pixels(12480, 10080, 735, 735), u"Pinsel_rot.jpg", u"", false);
    controlRow(u"Pinsel_2"_s, pixels(13320, 10080, 735, 735), u"Pinsel_blau.jpg", u"", false);
    controlRow(u"Pinsel_3"_s, pixels(14160, 10080, 735, 735), u"Pinsel_grün.jpg", u"", false);
    controlRow(u"PfeilRadierer"_s, pixels(13680, 5400, 990, 705));
    controlRow(u"Audio"_s, pixels(13680, 9120, 1215, 855), u"OhrN.jpg", u"");
    controlRow(u"Pfeil2"_s, pixels(960, 10320, 975, 855), u"grau.jpg");
    controlRow(u"Pfeil1"_s, pixels(960, 9480, 975, 855), u"Pfeil_re.jpg");
    controlRow(u"ButtonB"_s, pixels(240, 10320, 735, 855), u"B.jpg");
    controlRow(u"ButtonA"_s, pixels(240, 9480, 735, 855), u"A.jpg");
    controlRow(u"Radierer"_s, pixels(12240, 5160, 1455, 1095), u"RadierButton.jpg", u"RadierButton_gedrückt.jpg", false);
    const int digitLefts[] = {2040, 2880, 3720, 4560, 5400, 6240, 7080, 7920, 8760, 9600};
    const char16_t *normals[] = {u"01n.jpg", u"02n.jpg", u"03n.jpg", u"04n.jpg", u"05n.jpg",
                                 u"06n.jpg", u"07n.jpg", u"08n.jpg", u"09n.jpg", u"10n.jpg"};
    const char16_t *presseds[] = {u"01g.jpg", u"02g.jpg", u"03g.jpg", u"04g.jpg", u"05g.jpg",
                                  u"06g.jpg", u"07g.jpg", u"08g.jpg", u"09g.jpg", u"10g.jpg"};
    for (int i = 0; i < 10; ++i) {
        controlRow(u"Zahl2_%1"_s.arg(i), pixels(digitLefts[i], 10320, 855, 855), normals[i], presseds[i]);
        controlRow(u"Zahl1_%1"_s.arg(i), pixels(digitLefts[i], 9480, 855, 855), normals[i], presseds[i]);
    }
    controlRow(u"HelpButton"_s, pixels(12840, 120, 975, 975), u"HelpButton.jpg", u"HelpButton_gedrückt.jpg");
    controlRow(u"OKButton"_s, pixels(12240, 8040, 2775, 975), u"OK_Button.jpg", u"OK_Button_gedrückt.jpg");
    controlRow(u"ExitButton"_s, pixels(13800, 120, 1215, 855), u"ExitButton.jpg", u"ExitButton_gedrückt.jpg");
    controlRow(u"XButton"_s, pixels(10560, 9480, 975, 855), u"Fläche_malX.jpg");
    controlRow(u"Ergebnisfeld"_s, pixels(12360, 6360, 2655, 735));
    controlRow(u"ErgebnisTafel"_s, pixels(12240, 6240, 2880, 900));
    controlRow(u"BalkenRe"_s, pixels(11520, 120, 660, 9240));
    controlRow(u"BalkenLi"_s, pixels(20, 120, 705, 9240));
    controlRow(u"Image1"_s, pixels(600, 8685, 11250, 600));
    controlRow(u"Image2"_s, pixels(480, 120, 11250, 390));
    controlRow(u"Pfeil_runter"_s, pixels(13200, 7320, 990, 705));
    // Place k of every rod starts at 720 + 720 k; the row labels are moved 195 twips down at load.
    const int rodTops[] = {645, 1440, 2235, 3045, 3840, 4635, 5445, 6240, 7035, 7845};
    for (int r = 1; r <= 10; ++r) {
        for (int k = 0; k < 15; ++k)
            controlRow(u"Stange%1_%2"_s.arg(r).arg(k), pixels(720 + 720 * k, rodTops[r - 1], 735, 735));
        controlRow(u"Xfeld_%1"_s.arg(r - 1), pixels(0, rodTops[r - 1] + 195, 735, 375));
        controlRow(u"Yfeld_%1"_s.arg(r - 1), pixels(11340, rodTops[r - 1] + 195, 735, 375));
    }
}

void TestBalls::controls()
{
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    const auto f = openBalls();
    checkControl(f->operator()(name), [&] {
        // The second row and the thumb take presses once A and B are chosen.
        if (name.startsWith(u"Zahl2") || name == u"OKButton")
            task(*f, 2, 2);
        f->sounds.clear();
    });
    QCOMPARE(f->sounds.names(), QStringList());
}

void TestBalls::threeTimesFour_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("afterA");  // counts, board, hint
    QTest::addColumn<QStringList>("afterB");  // counts, hint
    QTest::addColumn<QString>("eraseHint");

    QTest::newRow("D") << u"D"_s
                       << QStringList{u" 3  Kugeln"_s, u" Die 3 wie oft?"_s, u"B:  ... ist wie oft? (2. Zahl)"_s}
                       << QStringList{u" 4 Reihen\n  3 Kugeln "_s, u"Taste mit dem Daumen klicken: Ergebnis."_s}
                       << u"Mit dem Radiergummi löschen und dann neu anfangen. Solange man möchte."_s;
    QTest::newRow("E") << u"E"_s
                       << QStringList{u" 3  balls"_s, u"The 3 how many times?"_s,
                                      u"B: ... is how many times? (2nd number)sp"_s}
                       << QStringList{u" 4 rows\n  3 balls"_s, u"Click the thumb button. For the result."_s}
                       << u"Erase with the eraser and then start over. As long as you want."_s;
    QTest::newRow("S") << u"S"_s
                       << QStringList{u" 3  bolas"_s, u"El número 3 ¿Cuántas veces?"_s,
                                      u"B: ... ¿Cuántas veces? (2º número)"_s}
                       << QStringList{u" 4 filas\n  3 bolas "_s, u"Haga clic con el pulgar: resultado."_s}
                       << u"Borrar con el borrador y luego comenzar de nuevo. Todo el tiempo que quieras"_s;
    QTest::newRow("F") << u"F"_s
                       << QStringList{u" 3  balles "_s, u"Le nombresp 3 combien de fois?"_s,
                                      u"B: ... est combien de fois? (2ème numéro)"_s}
                       << QStringList{u" 4 rangées\n  3 balles "_s, u"Cliquez avec le pouce: résultat."_s}
                       << u"Effacer avec la gomme, puis recommencer. Aussi longtemps que tu veux."_s;
    QTest::newRow("NL") << u"NL"_s
                        << QStringList{u" 3  ballen "_s, u"De 3 hoe vaak?"_s, u"B: ... is hoe vaak? (2e nummer)"_s}
                        << QStringList{u" 4 rijen\n  3 ballen "_s, u"Klik met de duim: resultaat."_s}
                        << u"Wissen met de gum en opnieuw beginnen. Zo lang als je wilt."_s;
    QTest::newRow("I") << u"I"_s
                       << QStringList{u" 3  palle "_s, u"Il numero 3 quante volte?"_s,
                                      u"B: ... è quante volte? (2 ° numero)"_s}
                       << QStringList{u" 4 file\n  3 palle "_s, u"Fare clic con il pollice: risultato."_s}
                       << u"Cancellare con la gomma e ricominciare. Finché vuoi."_s;
}

void TestBalls::threeTimesFour()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, afterA);
    QFETCH(QStringList, afterB);
    QFETCH(QString, eraseHint);

    const QStringList firstHints{u"A:  1. Zahl ist wie viel mal ..."_s, u"A: 1st number is how many times ..."_s,
                                 u"A: 1er número es cuántas veces ..."_s, u"A: 1er nombre est combien de fois ...sp"_s,
                                 u"A: het eerste nummer is hoe vaak ..."_s,
                                 u"A: Il primo numero è quante volte ...du"_s};
    const auto bead = openBalls(lang);
    Bead &s = *bead;
    QCOMPARE(s.text(u"MeldeFeld"_s), firstHints.at(kLanguages.indexOf(lang)));

    s.click(u"Zahl1_2"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sTennisBall.wav"_s});
    QCOMPARE(s.text(u"TextFeld"_s), afterA.at(0));
    QCOMPARE(s.text(u"Ergebnisfeld"_s), afterA.at(1));
    QCOMPARE(s.text(u"MeldeFeld"_s), afterA.at(2));
    QCOMPARE(s.pic(u"Pfeil1"_s), u"grau.jpg"_s);
    QCOMPARE(s.pic(u"Pfeil2"_s), u"Pfeil_re.jpg"_s);
    QCOMPARE(enabled(s, u"Zahl1"_s), kAllOff);
    QCOMPARE(enabled(s, u"Zahl2"_s), kAllOn);
    QVERIFY(!s(u"OKButton"_s)->isEnabled());
    QVERIFY(!s(u"Pfeil_runter"_s)->isVisible());
    QCOMPARE(rods(s), repeated(kAtRest, 10));

    s.click(u"Zahl2_3"_s);
    QCOMPARE(s.sounds.names(), (QStringList{u"sTennisBall.wav"_s, u"sTennisBall.wav"_s}));
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 4 X 3"_s);
    QCOMPARE(s.text(u"TextFeld"_s), afterB.at(0));
    QCOMPARE(s.text(u"MeldeFeld"_s), afterB.at(1));
    QCOMPARE(s.pic(u"Pfeil1"_s), u"grau.jpg"_s);
    QCOMPARE(s.pic(u"Pfeil2"_s), u"grau.jpg"_s);
    QVERIFY(s(u"OKButton"_s)->isEnabled());
    QVERIFY(s(u"Pfeil_runter"_s)->isVisible());
    QVERIFY(!s(u"PfeilRadierer"_s)->isVisible());
    QCOMPARE(enabled(s, u"Zahl2"_s), kAllOn);
    QCOMPARE(rods(s), split(u"ooo-----ooooooo"_s, 4));
    QCOMPARE(rowLabels(s, u"Xfeld"_s), repeated(QString(), 10));

    s.click(u"OKButton"_s);
    QCOMPARE(s.sounds.names().last(), u"sBoingLow.wav"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 4 X 3 = 12"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"4 X 3 = 12\n 3 X 4 = 12"_s);
    QCOMPARE(rowLabels(s, u"Xfeld"_s), (QStringList{u"1x3"_s, u"2x3"_s, u"3x3"_s, u"4x3"_s} + repeated({}, 6)));
    QCOMPARE(rowLabels(s, u"Yfeld"_s), (QStringList{u"3"_s, u"6"_s, u"9"_s, u"12"_s} + repeated({}, 6)));
    QVERIFY(s(u"PfeilRadierer"_s)->isVisible());
    QVERIFY(!s(u"Pfeil_runter"_s)->isVisible());
    QCOMPARE(s.text(u"TextFeld"_s), afterB.at(0));
    QCOMPARE(rods(s), split(u"ooo-----ooooooo"_s, 4));

    s.click(u"Radierer"_s);
    QCOMPARE(s.sounds.names().last(), u"sBang.wav"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), eraseHint);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), QString());
    QCOMPARE(s.text(u"TextFeld"_s), afterB.at(0));
    QCOMPARE(s.sounds.names().size(), 4);
}

void TestBalls::beadFrame_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("bothOrders");
    QTest::addColumn<QString>("rod"); // each of the rods 1..B
    QTest::newRow("10 x 10 looks untouched") << 10 << 10 << u" 10 X 10 = 100"_s << u"10 X 10 = 100\n 10 X 10 = 100"_s
                                             << u"oooooooooo-----"_s;
    QTest::newRow("A = 10, B = 3") << 10 << 3 << u" 3 X 10 = 30"_s << u"3 X 10 = 30\n 10 X 3 = 30"_s
                                   << u"oooooooooo-----"_s;
    QTest::newRow("A = 1, B = 6") << 1 << 6 << u" 6 X 1 = 6"_s << u"6 X 1 = 6\n 1 X 6 = 6"_s << u"o-----ooooooooo"_s;
    QTest::newRow("A = 7, B = 1") << 7 << 1 << u" 1 X 7 = 7"_s << u"1 X 7 = 7\n 7 X 1 = 7"_s << u"ooooooo-----ooo"_s;
    QTest::newRow("A = 5, B = 10") << 5 << 10 << u" 10 X 5 = 50"_s << u"10 X 5 = 50\n 5 X 10 = 50"_s
                                   << u"ooooo-----ooooo"_s;
}

void TestBalls::beadFrame()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, result);
    QFETCH(QString, bothOrders);
    QFETCH(QString, rod);
    const auto bead = openBalls();
    Bead &s = *bead;
    task(s, a, b);
    QCOMPARE(rods(s), split(rod, b));
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), result);
    QCOMPARE(s.text(u"MeldeFeld"_s), bothOrders);
    QCOMPARE(s.text(u"Xfeld_%1"_s.arg(b - 1)), u"%1x%2"_s.arg(b).arg(a));
    QCOMPARE(s.text(u"Yfeld_%1"_s.arg(b - 1)), QString::number(a * b));
    if (b < 10)
        QCOMPARE(s.text(u"Xfeld_%1"_s.arg(b)), QString());

    // The rods stay as they were after the thumb, and the eraser puts them all back.
    QCOMPARE(rods(s), split(rod, b));
    s.click(u"Radierer"_s);
    QCOMPARE(rods(s), repeated(kAtRest, 10));
}

void TestBalls::secondRowClickedAgain()
{
    const auto bead = openBalls();
    Bead &s = *bead;
    task(s, 3, 4);
    s.click(u"OKButton"_s);
    s.sounds.clear();
    QVERIFY(!s(u"Pfeil_runter"_s)->isVisible());

    s.click(u"Zahl2_6"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sTennisBall.wav"_s});
    QVERIFY(s(u"Pfeil_runter"_s)->isVisible());
    QCOMPARE(rods(s), split(u"ooo-----ooooooo"_s, 4));
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 4 X 3 = 12"_s);
    QCOMPARE(s.text(u"TextFeld"_s), u" 4 Reihen\n  3 Kugeln "_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"4 X 3 = 12\n 3 X 4 = 12"_s);
    QVERIFY(s(u"PfeilRadierer"_s)->isVisible());

    // And the thumb, pressed again, writes the same texts with its sound again.
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 4 X 3 = 12"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"4 X 3 = 12\n 3 X 4 = 12"_s);
    QCOMPARE(rowLabels(s, u"Xfeld"_s), (QStringList{u"1x3"_s, u"2x3"_s, u"3x3"_s, u"4x3"_s} + repeated({}, 6)));
    QCOMPARE(s.sounds.names(), (QStringList{u"sTennisBall.wav"_s, u"sBoingLow.wav"_s}));
}

void TestBalls::eraser_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("counts");
    QTest::newRow("choosing A") << QStringList() << u" "_s;
    QTest::newRow("choosing B") << QStringList{u"Zahl1_2"_s} << u" 3  Kugeln"_s;
    QTest::newRow("choosing B, help open") << QStringList{u"Zahl1_2"_s, u"HelpButton"_s} << u" 3  Kugeln"_s;
    QTest::newRow("balls shown") << QStringList{u"Zahl1_2"_s, u"Zahl2_3"_s} << u" 4 Reihen\n  3 Kugeln "_s;
    QTest::newRow("result shown") << QStringList{u"Zahl1_2"_s, u"Zahl2_3"_s, u"OKButton"_s}
                                  << u" 4 Reihen\n  3 Kugeln "_s;
}

void TestBalls::eraser()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, counts);
    const auto bead = openBalls();
    Bead &s = *bead;
    for (const QString &key : clicks)
        s.click(key);
    const QByteArray file = s.dir.readIni();
    const qint16 row = app().settings.malReihe;
    s.sounds.clear();
    s.click(u"Radierer"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sBang.wav"_s});
    QCOMPARE(s.pic(u"Pfeil1"_s), u"Pfeil_re.jpg"_s);
    QCOMPARE(s.pic(u"Pfeil2"_s), u"grau.jpg"_s);
    QCOMPARE(enabled(s, u"Zahl1"_s), kAllOn);
    QCOMPARE(enabled(s, u"Zahl2"_s), kAllOff);
    for (const QString &hidden : {u"Pfeil_runter"_s, u"PfeilRadierer"_s, u"Frame2"_s})
        QVERIFY2(!s(hidden)->isVisible(), qPrintable(hidden));
    QCOMPARE(rods(s), repeated(kAtRest, 10));
    QCOMPARE(rowLabels(s, u"Xfeld"_s), repeated(QString(), 10));
    QCOMPARE(rowLabels(s, u"Yfeld"_s), repeated(QString(), 10));
    QCOMPARE(s.text(u"Ergebnisfeld"_s), QString());
    QCOMPARE(s.text(u"MeldeFeld"_s), kEraseHint);
    QCOMPARE(s.text(u"TextFeld"_s), counts);
    QCOMPARE(app().settings.malReihe, row);
    QCOMPARE(s.dir.readIni(), file);
    // The thumb waits for a new B.
    QVERIFY(!s(u"OKButton"_s)->isEnabled());
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), QString());

    // A new round goes the whole way.
    task(s, 2, 5);
    QCOMPARE(rods(s), split(u"oo-----oooooooo"_s, 5));
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 5 X 2 = 10"_s);
    QCOMPARE(rowLabels(s, u"Xfeld"_s),
             (QStringList{u"1x2"_s, u"2x2"_s, u"3x2"_s, u"4x2"_s, u"5x2"_s} + repeated({}, 5)));
}

void TestBalls::reopening()
{
    const auto bead = openBalls();
    Bead &s = *bead;
    task(s, 3, 4);
    s.click(u"OKButton"_s);
    s.window.reset();
    QCOMPARE(balls::lastTask().a, 3);
    QCOMPARE(balls::lastTask().b, 4);

    s.window = std::make_unique<BallsWindow>();
    s.window->show();
    QCOMPARE(rods(s), repeated(kAtRest, 10));
    QCOMPARE(rowLabels(s, u"Xfeld"_s), repeated(QString(), 10));
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"ERGEBNIS"_s);
    QCOMPARE(s.text(u"TextFeld"_s), u" "_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"A:  1. Zahl ist wie viel mal ..."_s);
    QVERIFY(!s(u"OKButton"_s)->isEnabled());
    QCOMPARE(enabled(s, u"Zahl1"_s), kAllOn);
    QCOMPARE(enabled(s, u"Zahl2"_s), kAllOff);
    QCOMPARE(s.pic(u"Pfeil1"_s), u"Pfeil_re.jpg"_s);
    QCOMPARE(balls::lastTask().a, 3);
    QCOMPARE(balls::lastTask().b, 4);

    // The new opening starts in choose A: a first number is taken at once.
    s.click(u"Zahl1_4"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" Die 5 wie oft?"_s);
}

void TestBalls::unknownLanguage()
{
    const auto bead = openBalls(u"XY"_s);
    Bead &s = *bead;
    QCOMPARE(s.text(u"MeldeFeld"_s), QString());
    s.click(u"Zahl1_2"_s);
    QCOMPARE(s.text(u"TextFeld"_s), u" 3 "_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"3"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), QString());
    s.click(u"Zahl2_3"_s);
    QCOMPARE(s.text(u"TextFeld"_s), u" 4\n  3"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 4 X 3"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), QString());
    QCOMPARE(rods(s), split(u"ooo-----ooooooo"_s, 4));
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"4 X 3 = 12\n 3 X 4 = 12"_s);
    s.click(u"Radierer"_s);
    // No hint in an unknown language: the line keeps the last result.
    QCOMPARE(s.text(u"MeldeFeld"_s), u"4 X 3 = 12\n 3 X 4 = 12"_s);
    QCOMPARE(s.sounds.names(), (QStringList{u"sTennisBall.wav"_s, u"sTennisBall.wav"_s, u"sBoingLow.wav"_s,
                                            u"sBang.wav"_s}));
    // No tooltip at all; the help page opens and closes with empty labels.
    for (QWidget *w : s.window->findChildren<QWidget *>())
        QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
    s.click(u"HelpButton"_s);
    QVERIFY(s(u"Frame2"_s)->isVisible());
    QCOMPARE(s.text(u"Label1"_s), QString());
    QCOMPARE(s.text(u"Label4"_s), QString());
    QCOMPARE(s.pic(u"HelpButton"_s), u"HelpPage_Leave.jpg"_s);
}

void TestBalls::rowSigns_data()
{
    QTest::addColumn<QString>("malSymbol");
    QTest::addColumn<QString>("signPicture");
    QTest::addColumn<QString>("firstRow");
    QTest::newRow("x") << u"x"_s << u"Fläche_malX.jpg"_s << u"1x3"_s;
    QTest::newRow("*") << u"*"_s << u"Fläche_malS.jpg"_s << u"1*3"_s;
    QTest::newRow(".") << u"."_s << u"Fläche_malPunkt.jpg"_s << u"1\u20223"_s;
    QTest::newRow("other") << u"+"_s << QString() << u"13"_s;
    QTest::newRow("empty") << QString() << QString() << u"13"_s;
}

void TestBalls::rowSigns()
{
    QFETCH(QString, malSymbol);
    QFETCH(QString, signPicture);
    QFETCH(QString, firstRow);
    const auto bead = openBalls(u"D"_s, malSymbol);
    Bead &s = *bead;
    QCOMPARE(s.pic(u"XButton"_s), signPicture);
    task(s, 3, 2);
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"Xfeld_0"_s), firstRow);
    // The board and the hint line say " X" whatever the sign.
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 2 X 3 = 6"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"2 X 3 = 6\n 3 X 2 = 6"_s);
}

void TestBalls::brushes_data()
{
    QTest::addColumn<int>("brush");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("black") << 0 << QColor(0, 0, 0);
    QTest::newRow("red") << 1 << QColor(255, 0, 0);
    QTest::newRow("light blue") << 2 << QColor(72, 164, 232);
    QTest::newRow("green") << 3 << QColor(0, 192, 0);
}

void TestBalls::brushes()
{
    QFETCH(int, brush);
    QFETCH(QColor, expected);
    const auto bead = openBalls(u"NL"_s, u"."_s, brush == 0 ? 3 : 0);
    Bead &s = *bead;
    const QByteArray atLoad = s.dir.readIni();
    QCOMPARE(atLoad, settingsFile(u"."_s, u"NL"_s, 1, 0, brush == 0 ? 3 : 0));
    // Choosing A shares the row but does not store it; nor do B, the thumb and the eraser.
    task(s, 2, 2);
    s.click(u"OKButton"_s);
    QCOMPARE(app().settings.malReihe, qint16(2));
    QCOMPARE(s.dir.readIni(), atLoad);
    s.sounds.clear();
    s.click(u"Pinsel_%1"_s.arg(brush));
    QCOMPARE(colour(s, u"Ergebnisfeld"_s), expected);
    QCOMPARE(s.sounds.names(), QStringList());
    QCOMPARE(int(app().settings.farbe), brush);
    // The row chosen as A goes into the file with the brush.
    QCOMPARE(s.dir.readIni(), settingsFile(u"."_s, u"NL"_s, 2, 0, brush));
    // Only the result board takes the colour.
    QCOMPARE(s(u"MeldeFeld"_s)->palette().color(QPalette::WindowText),
             s(u"TextFeld"_s)->palette().color(QPalette::WindowText));
}

void TestBalls::storedBrushAppliedAtLoad()
{
    {
        Bead s([](WorkDir &dir) {
            dir.writeIni(settingsFile(u"x"_s, u"E"_s, 6, 0, 3));
            loadSettings();
        });
        QCOMPARE(colour(s, u"Ergebnisfeld"_s), QColor(0, 192, 0));
        QCOMPARE(s.dir.readIni(), settingsFile(u"x"_s, u"E"_s, 6, 0, 3));
    }
    {
        // An index outside the four colours nothing, but is kept and written.
        const auto bead = openBalls(u"E"_s, u"x"_s, 7, 0);
        Bead &s = *bead;
        QCOMPARE(colour(s, u"Ergebnisfeld"_s), colour(s, u"TextFeld"_s));
        QCOMPARE(int(app().settings.farbe), 7);
        QCOMPARE(s.dir.readIni(), settingsFile(u"x"_s, u"E"_s, 1, 0, 7));
        s.click(u"Pinsel_2"_s);
        QCOMPARE(colour(s, u"Ergebnisfeld"_s), QColor(72, 164, 232));
        s.click(u"Pinsel_0"_s);
        QCOMPARE(colour(s, u"Ergebnisfeld"_s), QColor(0, 0, 0));
    }
}

void TestBalls::ear()
{
    const auto bead = openBalls(u"D"_s, u"x"_s, 0, 1);
    Bead &s = *bead;
    QWidget *ear = s(u"Audio"_s);
    press(ear);
    release(ear);
    // The click after the release switches sound on.
    QCOMPARE(picture(ear), u"OhrN_gedrückt.jpg"_s);
    QCOMPARE(int(app().settings.audioStatus), 0);
    QCOMPARE(s.sounds.names(), QStringList{u"sBang.wav"_s});
    QCOMPARE(s.dir.readIni(), settingsFile(u"x"_s, u"D"_s, 1, 0, 0));

    s.click(u"Audio"_s);
    QCOMPARE(picture(ear), u"OhrX_gedrückt.jpg"_s);
    QCOMPARE(int(app().settings.audioStatus), 1);
    QCOMPARE(s.dir.readIni(), settingsFile(u"x"_s, u"D"_s, 1, 1, 0));

    // With sound off the keys still work, silently.
    s.sounds.clear();
    task(s, 4, 4);
    s.click(u"OKButton"_s);
    s.click(u"Radierer"_s);
    QCOMPARE(s.sounds.names(), QStringList());
    QCOMPARE(s.text(u"MeldeFeld"_s), kEraseHint);
}

void TestBalls::tooltips_data()
{
    QTest::addColumn<QString>("lang");
    // Exit, help, digit 1, digit 2, sign, eraser, thumb, arrow 1, arrow 2, board.
    QTest::addColumn<QStringList>("tips");
    QTest::newRow("D") << u"D"_s
                       << QStringList{u" Zurück "_s, u" Hilfe "_s, u" 1. Zahl "_s, u" 2. Zahl (Reihe) "_s,
                                      u" Gewähltes Malzeichen "_s, u" Radieren / Zurücksetzen "_s,
                                      u" OK - zeige Ergebnis "_s, u" Die erste Zahl wählen "_s,
                                      u" Die zweite Zahl wählen "_s, u" Das Ergebnis "_s};
    QTest::newRow("E") << u"E"_s
                       << QStringList{u" Back "_s, u" Help "_s, u" 1st number "_s, u" 2nd number (row) "_s,
                                      u" Selected mark "_s, u" Erase / Reset "_s, u" OK - show result "_s,
                                      u" Select the first number "_s, u" Choose the second number "_s,
                                      u" The result "_s};
    QTest::newRow("S") << u"S"_s
                       << QStringList{u" Atrás "_s, u" Ayuda "_s, u" 1° númbero "_s, u" 2° númbero  (fila)"_s,
                                      u" Marca seleccionada "_s, u" Borrar / Restablecer "_s,
                                      u" OK - mostrar el resultado "_s, u" Seleccionar el primer número "_s,
                                      u" Elige el segundo número"_s, u" El resultado "_s};
    QTest::newRow("F") << u"F"_s
                       << QStringList{u" Retour "_s, u" Aide "_s, u" 1er chiffre "_s, u" 2ème numéro (ligne) "_s,
                                      u" Marque sélectionnée "_s, u" Effacer / Réinitialiser "_s,
                                      u" OK - Afficher le résultat "_s, u" Sélectionnez le premier nombre "_s,
                                      u" Choisissez le second nombre "_s, u" Le résultat "_s};
    QTest::newRow("NL") << u"NL"_s
                        << QStringList{u" Terug "_s, u" Help "_s, u" 1e nummer "_s, u" 2e nummer (rij) "_s,
                                       u" Geselecteerd teken "_s, u" Wissen / resetten "_s,
                                       u" OK - toon resultaat "_s, u" Selecteer het eerste nummer "_s,
                                       u" Kies het tweede nummer "_s, u" Het resultaat "_s};
    QTest::newRow("I") << u"I"_s
                       << QStringList{u" Indietro "_s, u" Aiuto "_s, u" Il primo numero:  "_s,
                                      u" Il secondo numero:  "_s, u" Segno selezionato "_s,
                                      u" Cancella / Ripristina "_s, u" OK - mostra risultato "_s,
                                      u" Seleziona il primo numero "_s, u" Scegli il secondo numero "_s,
                                      u" Il risultato "_s};
}

void TestBalls::tooltips()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, tips);
    const auto bead = openBalls(lang);
    Bead &s = *bead;
    const QStringList plainKeys{u"ExitButton"_s, u"HelpButton"_s, QString(), QString(), u"XButton"_s,
                                u"Radierer"_s, u"OKButton"_s, u"Pfeil1"_s, u"Pfeil2"_s, u"ErgebnisTafel"_s};
    for (int i = 0; i < plainKeys.size(); ++i) {
        if (!plainKeys.at(i).isEmpty())
            QCOMPARE(s(plainKeys.at(i))->toolTip(), tips.at(i));
    }
    for (int i = 0; i < 10; ++i) {
        const QString number = QString::number(i + 1) + u' ';
        QCOMPARE(s(u"Zahl1_%1"_s.arg(i))->toolTip(), tips.at(2) + number);
        QCOMPARE(s(u"Zahl2_%1"_s.arg(i))->toolTip(), tips.at(3) + number);
    }
    // Nothing else carries a tooltip.
    for (const QWidget *w : s.window->findChildren<QWidget *>())
        if (!plainKeys.contains(w->objectName()) && !w->objectName().startsWith(u"Zahl"))
            QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
}

void TestBalls::helpTexts_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("D") << QStringList{
        u"1) Das 1x1 verstehen lernen - mit Kugeln."_s,
        u"Hier könnte ihr mit der ersten Zahlenreihe (unten) eine Zahl wählen. Sie ist die Reihe. A: genannt. Mit "
        "der zweiten Zahl (B:) könnt ihr dann anklicken wie oft diese Zahl erscheinen soll. Schaut was die Kugeln "
        "Euch sagen wollen. Wie funktioniert 1x1, 3x2 und die vielen Möglichkeiten. Die Kugeln helfen Euch das zu "
        "verstehen."_s,
        u"Spielt mit den Zahlen und schaut euch die Kugeln an. So einfach ist das 1x1 zu verstehen. Wollt ihr das "
        "der Computer euch das Ergebnis sagt, dann klickt auf die Taste mit dem Daumen. Im Ergebnis-Feld seht ihr "
        "dann das Ergebnis in Zahlen. "_s,
        u"Habt ihr eine Zahl auf A: geklickt und dann auf B: und wollt es noch einmal mit anderen Zahlen machen? "
        "Dann müsst ihr zuerst auf den Radiergummi klicken, damit die Kugeln wieder zurückgeschoben werden und das "
        "Ergebnisfeld wieder leer ist. Macht das sooft Ihr wollte. Viel Spaß."_s} << QList<int>();
    QTest::newRow("E") << QStringList{u"1) Understanding The 1x1 - With Balls or Pearls."_s,
                                      u"Here you could choose a number with the first row (below)"_s,
                                      u"Play with the numbers and look at the balls"_s,
                                      u"If you have clicked a number on A: and one on B:"_s}
                       << QList<int>{277, 236, 272};
    QTest::newRow("S") << QStringList{u"1) Comprender el 1x1 - con viñetas."_s,
                                      u"Aquí puede elegir un número con la primera fila de números"_s,
                                      u"Juega con los números y mira las bolas"_s,
                                      u"Si tiene un número en A: presionado y luego en B:"_s}
                       << QList<int>{304, 221, 266};
    QTest::newRow("F") << QStringList{u"1) Comprendre le 1x1 - avec des puces."_s,
                                      u"Ici vous pouvez choisir un nombre avec la première rangée de chiffres"_s,
                                      u"Joue avec les chiffres et regarde les balles"_s,
                                      u"Si vous avez un nombre sur A: cliqué puis sur B:"_s}
                       << QList<int>{338, 220, 283};
    QTest::newRow("NL") << QStringList{u"1) De 1x1 begrijpen - met ballen of parels."_s,
                                       u"Hier kun je één nummer kiezen met de eerste rij met cijfers"_s,
                                       u"Speel met de cijfers en kijk naar de ballen"_s,
                                       u"Heb je eenmaal op A: geklikt en daarna eenmaal op B:"_s}
                        << QList<int>{461, 236, 281};
    QTest::newRow("I") << QStringList{u"1) Capire la 1x1 - Con sfere o perle."_s,
                                      u"Qui puoi scegliere un numero con la prima riga di numeri"_s,
                                      u"Gioca con i numeri e guarda le palle"_s,
                                      u"Hai fatto clic una volta su A: e poi una volta su B:"_s}
                       << QList<int>{422, 236, 276};
}

void TestBalls::helpTexts()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, lengths);
    const auto bead = openBalls(QString::fromLatin1(QTest::currentDataTag()));
    Bead &s = *bead;
    s.click(u"HelpButton"_s);
    QCOMPARE(s.text(u"Label4"_s), texts.at(0));
    const QStringList labels{u"Label1"_s, u"Label2"_s, u"Label3"_s};
    for (int i = 0; i < 3; ++i) {
        const QString shown = s.text(labels.at(i));
        if (lengths.isEmpty()) {
            QCOMPARE(shown, texts.at(i + 1));
        } else {
            QVERIFY2(shown.startsWith(texts.at(i + 1)), qPrintable(shown));
            QCOMPARE(shown.size(), lengths.at(i));
        }
    }
    // Closing writes the same texts again.
    s.click(u"HelpButton"_s);
    QCOMPARE(s.text(u"Label4"_s), texts.at(0));
    if (lengths.isEmpty())
        QCOMPARE(s.text(u"Label3"_s), texts.at(3));
}

void TestBalls::helpPage()
{
    const auto bead = openBalls();
    Bead &s = *bead;
    QWidget *key = s(u"HelpButton"_s);
    QWidget *page = s(u"Frame2"_s);
    press(key);
    QCOMPARE(picture(key), u"HelpButton_gedrückt.jpg"_s);
    release(key);
    QCOMPARE(picture(key), u"HelpPage_Leave.jpg"_s);
    QVERIFY(page->isVisible());
    QCOMPARE(s.sounds.names(), QStringList{u"sHallo2.wav"_s});
    // The help page lies over the bead frame, with the help key still free.
    QVERIFY(page->geometry().contains(s(u"Stange5_7"_s)->geometry()));
    QVERIFY(!page->geometry().intersects(key->geometry()));

    s.click(u"HelpButton"_s);
    QVERIFY(!page->isVisible());
    QCOMPARE(picture(key), u"HelpButton.jpg"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sHallo2.wav"_s});
}

void TestBalls::helpPageClosedByFirstNumber()
{
    const auto bead = openBalls();
    Bead &s = *bead;
    QWidget *page = s(u"Frame2"_s);
    s.click(u"HelpButton"_s);
    QVERIFY(page->isVisible());
    s.sounds.clear();
    s.click(u"Zahl1_1"_s);
    QVERIFY(!page->isVisible());
    QCOMPARE(s.sounds.names(), QStringList{u"sTennisBall.wav"_s});

    // Opening it again while B is chosen leaves the game as it is.
    s.click(u"HelpButton"_s);
    QVERIFY(page->isVisible());
    s.click(u"Zahl2_1"_s);
    QVERIFY(page->isVisible());
    QCOMPARE(rods(s), split(u"oo-----oooooooo"_s, 2));
    s.click(u"OKButton"_s);
    QVERIFY(page->isVisible());
}

// What the screen shows after each step of a game is what the window draws
// afresh: no repaint of a click leaves a stale line (the beads on the wooden
// bars), and nothing a click changed waits for a later repaint.
void TestBalls::screenShowsWhatEachClickPainted()
{
    ScreenFixture<BallsWindow> f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    const QStringList steps{u"Zahl1_9"_s, u"Zahl2_9"_s, u"OKButton"_s, u"Radierer"_s, u"Zahl1_2"_s, u"Zahl2_3"_s,
                            u"OKButton"_s, u"Zahl1_0"_s, u"Radierer"_s, u"Zahl1_4"_s, u"Zahl2_0"_s};
    for (const QString &step : steps) {
        f.click(step);
        QCoreApplication::processEvents();
        const QImage shown = f.window->screen()->grabWindow(f.window->winId()).toImage();
        const QImage fresh = f.window->grab().toImage();
        QVERIFY2(shown.convertToFormat(QImage::Format_RGB32) == fresh.convertToFormat(QImage::Format_RGB32), qPrintable(step));
    }
}

void TestBalls::disabledKeys()
{
    const auto bead = openBalls();
    Bead &s = *bead;
    for (const QString &name : {u"Zahl2_0"_s, u"Zahl2_9"_s, u"OKButton"_s}) {
        QWidget *w = s(name);
        const QString before = picture(w);
        press(w);
        QCOMPARE(picture(w), before);
        QCOMPARE(cursorFile(w), QString());
        release(w);
        s.click(name);
        QCOMPARE(picture(w), before);
    }
    QCOMPARE(s.sounds.names(), QStringList());
    QCOMPARE(s.text(u"TextFeld"_s), u" "_s);
    QCOMPARE(rods(s), repeated(kAtRest, 10));

    // Once A is chosen its row takes no more clicks until the eraser.
    s.click(u"Zahl1_3"_s);
    s.sounds.clear();
    press(s(u"Zahl1_5"_s));
    QCOMPARE(s.pic(u"Zahl1_5"_s), u"06n.jpg"_s);
    s.click(u"Zahl1_5"_s);
    QCOMPARE(s.sounds.names(), QStringList());
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" Die 4 wie oft?"_s);
    QCOMPARE(int(app().settings.malReihe), 4);
}

void TestBalls::leaving()
{
    WorkDir dir;
    SoundRecorder sounds;
    app().settings = Settings{u"x"_s, u"D"_s, 1, 0, 2};
    QByteArray atLoad;
    bool stillOpen = true;
    int result = -1;
    const QString name = withModal(
        [&] {
            BallsWindow screen;
            result = screen.exec();
            stillOpen = screen.isVisible();
        },
        [&](QWidget *modal) {
            atLoad = dir.readIni();
            click(child(modal, u"Zahl1_2"_s));
            click(child(modal, u"ExitButton"_s));
        });
    QCOMPARE(name, u"B1_KUGELN"_s);
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!stillOpen);
    QCOMPARE(sounds.names(), (QStringList{u"sTennisBall.wav"_s, u"sSlam.wav"_s}));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    // Nothing is stored on leaving, not even the row chosen as A.
    QCOMPARE(dir.readIni(), atLoad);
    QCOMPARE(atLoad, settingsFile(u"x"_s, u"D"_s, 1, 0, 2));
}

QTEST_MAIN(TestBalls)
#include "test_balls.moc"
