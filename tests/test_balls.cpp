#include "testsupport.h"

#include "frame/appstate.h"
#include "screens/balls/balls_task.h"
#include "screens/balls/balls_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace mk;
using namespace mk::test;

namespace {

// Each rod's ball, from the top rod down.
const QStringList kBalls{u"Kugel_violett.jpg"_s, u"Kugel_rot.jpg"_s,        u"Kugel_orange.jpg"_s,
                         u"Kugel_gelb.jpg"_s,    u"Kugel_grün.jpg"_s,       u"Kugel_tannengrün.jpg"_s,
                         u"Kugel_hellblau.jpg"_s, u"Kugel_blau.jpg"_s,      u"Kugel_violett.jpg"_s,
                         u"Kugel_grau.jpg"_s};
const QString kAtRest = u"oooooooooo-----"_s;

const QStringList kLanguages{u"D"_s, u"E"_s, u"S"_s, u"F"_s, u"NL"_s, u"I"_s};

// One opened bead frame in a fresh working directory, with the sounds recorded.
class Bead
{
public:
    explicit Bead(const QString &sprache = u"D"_s, const QString &sign = u"x"_s, qint16 farbe = 0,
                    qint16 audio = 0)
    {
        prepare(sprache, sign, farbe, audio);
        open();
    }
    // For a test that prepares the folder itself before the screen opens.
    struct Later {};
    explicit Bead(Later) {}

    static void prepare(const QString &sprache, const QString &sign, qint16 farbe, qint16 audio)
    {
        Settings &s = app().settings;
        s.sprache = sprache;
        s.malSymbol = sign;
        s.farbe = farbe;
        s.audioStatus = audio;
        s.malReihe = 1;
    }
    void open()
    {
        window = std::make_unique<BallsWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QWidget *w(const QString &name) const
    {
        QWidget *found = name == window->objectName() ? window.get() : child(window.get(), name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString text(const QString &name) const { return qobject_cast<QLabel *>(w(name))->text(); }
    QString pic(const QString &name) const { return picture(w(name)); }
    void click(const QString &name) const { mk::test::click(w(name)); }
    void task(int a, int b) const
    {
        click(u"Zahl1_%1"_s.arg(a - 1));
        click(u"Zahl2_%1"_s.arg(b - 1));
    }

    // Place by place: 'o' the rod's own ball, '-' the bare rod, '?' anything else.
    QString rod(int r) const
    {
        QString pattern;
        for (int k = 0; k < 15; ++k) {
            const QString p = pic(u"Stange%1_%2"_s.arg(r).arg(k));
            pattern += p == kBalls.at(r - 1) ? u'o' : p == u"Kugel_Stange.jpg" ? u'-' : u'?';
        }
        return pattern;
    }
    QStringList rods() const
    {
        QStringList all;
        for (int r = 1; r <= 10; ++r)
            all << rod(r);
        return all;
    }
    QStringList rowLabels(const QString &group) const
    {
        QStringList texts;
        for (int i = 0; i < 10; ++i)
            texts << text(u"%1_%2"_s.arg(group).arg(i));
        return texts;
    }
    bool rowEnabled(const QString &group) const
    {
        for (int i = 0; i < 10; ++i) {
            if (w(u"%1_%2"_s.arg(group).arg(i))->isEnabled() != w(u"%1_0"_s.arg(group))->isEnabled())
                qFatal("%s is partly enabled", qPrintable(group));
        }
        return w(u"%1_0"_s.arg(group))->isEnabled();
    }
    QColor boardColour() const
    {
        return w(u"Ergebnisfeld"_s)->palette().color(QPalette::WindowText);
    }

    WorkDir dir;
    SoundRecorder sounds;
    std::unique_ptr<BallsWindow> window;
};

QStringList splitRods(int a, int b)
{
    QStringList rods;
    for (int r = 1; r <= 10; ++r) {
        QString pattern;
        for (int k = 0; k < 15; ++k)
            pattern += r > b ? (k < 10 ? u'o' : u'-') : (k < a || k >= a + 5 ? u'o' : u'-');
        rods << pattern;
    }
    return rods;
}

QStringList repeated(const QString &text, int n)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << text;
    return list;
}

// The ten lines after the header, as the settings file holds them.
QByteArray iniTail(const QString &sign, const QString &sprache, int row, int audio, int farbe)
{
    return "\"[MalSymbol$]\"\r\n\"" + sign.toLatin1() + "\"\r\n\"[Sprache]\"\r\n\"" + sprache.toLatin1()
        + "\"\r\n\"[Mal_Reihe]\"\r\n" + QByteArray::number(row) + "\r\n\"[Audio]\"\r\n"
        + QByteArray::number(audio) + "\r\n\"[Farbe]\"\r\n" + QByteArray::number(farbe) + "\r\n";
}

void verifyIni(const QByteArray &bytes, const QByteArray &tail)
{
    QCOMPARE(bytes.count("\r\n"), 11);
    QVERIFY(bytes.startsWith('"'));
    QCOMPARE(bytes.mid(bytes.indexOf("\r\n") + 2), tail);
}

} // namespace

class TestBalls : public QObject
{
    Q_OBJECT

private slots:
    void loadShowsTheStartOfTheGame();
    void controlsSitWhereTheLayoutSays();
    void threeTimesFour_data();
    void threeTimesFour();
    void beadFrame_data();
    void beadFrame();
    void secondRowClickedAgain();
    void thumbTwice();
    void eraserStartsAgain();
    void reopening();
    void unknownLanguage();
    void rowSigns_data();
    void rowSigns();
    void brushes_data();
    void brushes();
    void storedBrushAppliedAtLoad();
    void rowSharedButNotStored();
    void ear();
    void tooltips_data();
    void tooltips();
    void tooltipsForUnknownLanguage();
    void helpPage_data();
    void helpPage();
    void helpPageClosedByFirstNumberAndEraser();
    void pressFeedback_data();
    void pressFeedback();
    void disabledKeys();
    void leaving();
};

void TestBalls::loadShowsTheStartOfTheGame()
{
    Bead s(u"D"_s, u"*"_s, 1, 1);
    QCOMPARE(s.window->objectName(), u"B1_KUGELN"_s);
    QCOMPARE(s.window->size(), QSize(1013, 759));
    QCOMPARE(s.rods(), repeated(kAtRest, 10));
    QCOMPARE(s.rowLabels(u"Xfeld"_s), repeated(QString(), 10));
    QCOMPARE(s.rowLabels(u"Yfeld"_s), repeated(QString(), 10));
    QCOMPARE(s.text(u"TextFeld"_s), u" "_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"ERGEBNIS"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"A:  1. Zahl ist wie viel mal ..."_s);
    QVERIFY(s.rowEnabled(u"Zahl1"_s));
    QVERIFY(!s.rowEnabled(u"Zahl2"_s));
    QVERIFY(!s.w(u"OKButton"_s)->isEnabled());
    QVERIFY(!s.w(u"Pfeil_runter"_s)->isVisible());
    QVERIFY(!s.w(u"PfeilRadierer"_s)->isVisible());
    QVERIFY(!s.w(u"Frame2"_s)->isVisible());
    QCOMPARE(s.w(u"Frame2"_s)->pos(), QPoint(8, 8));

    const QList<std::pair<QString, QString>> pictures{
        {u"Audio"_s, u"OhrN.jpg"_s},           {u"ExitButton"_s, u"ExitButton.jpg"_s},
        {u"OKButton"_s, u"OK_Button.jpg"_s},   {u"HelpButton"_s, u"HelpButton.jpg"_s},
        {u"Radierer"_s, u"RadierButton.jpg"_s}, {u"ButtonA"_s, u"A.jpg"_s},
        {u"ButtonB"_s, u"B.jpg"_s},            {u"Pfeil1"_s, u"Pfeil_re.jpg"_s},
        {u"Pfeil2"_s, u"grau.jpg"_s},          {u"XButton"_s, u"Fläche_malS.jpg"_s},
        {u"Zahl1_0"_s, u"01n.jpg"_s},          {u"Zahl2_9"_s, u"10n.jpg"_s},
        {u"Pinsel_0"_s, u"Pinsel_schwarz.jpg"_s}, {u"Pinsel_1"_s, u"Pinsel_rot.jpg"_s},
        {u"Pinsel_2"_s, u"Pinsel_blau.jpg"_s}, {u"Pinsel_3"_s, u"Pinsel_grün.jpg"_s},
    };
    for (const auto &[name, file] : pictures)
        QCOMPARE(s.pic(name), file);
    for (const QString &key : {u"Zahl1_0"_s, u"OKButton"_s, u"Audio"_s, u"Pinsel_0"_s})
        QCOMPARE(cursorFile(s.w(key)), QString());

    // The load applies the stored brush, and that stores it again.
    QCOMPARE(s.boardColour(), QColor(255, 0, 0));
    verifyIni(s.dir.readIni(), iniTail(u"*"_s, u"D"_s, 1, 1, 1));
    QCOMPARE(s.sounds.names(), QStringList());
}

void TestBalls::controlsSitWhereTheLayoutSays()
{
    Bead s;
    const QList<std::pair<QString, QRect>> places{
        {u"Stange1_0"_s, {48, 43, 49, 49}},     {u"Stange1_14"_s, {720, 43, 49, 49}},
        {u"Stange4_7"_s, {384, 203, 49, 49}},   {u"Stange10_14"_s, {720, 523, 49, 49}},
        // The row labels are moved 195 twips down at load.
        {u"Xfeld_0"_s, {0, 56, 49, 25}},        {u"Yfeld_0"_s, {756, 56, 49, 25}},
        {u"Xfeld_9"_s, {0, 536, 49, 25}},       {u"Yfeld_6"_s, {756, 376, 49, 25}},
        {u"Zahl1_0"_s, {136, 632, 57, 57}},     {u"Zahl1_9"_s, {640, 632, 57, 57}},
        {u"Zahl2_4"_s, {360, 688, 57, 57}},     {u"Pinsel_3"_s, {944, 672, 49, 49}},
        {u"OKButton"_s, {816, 536, 185, 65}},   {u"Radierer"_s, {816, 344, 97, 73}},
        {u"Ergebnisfeld"_s, {824, 424, 177, 49}}, {u"ErgebnisTafel"_s, {816, 416, 192, 60}},
        {u"Pfeil_runter"_s, {880, 488, 66, 47}}, {u"PfeilRadierer"_s, {912, 360, 66, 47}},
        {u"Frame1"_s, {816, 72, 185, 273}},     {u"TextFeld"_s, {8, 16, 169, 89}},
        {u"MeldeFeld"_s, {8, 104, 169, 161}},   {u"Audio"_s, {912, 608, 81, 57}},
        {u"HelpButton"_s, {856, 8, 65, 65}},    {u"ExitButton"_s, {920, 8, 81, 57}},
        {u"XButton"_s, {704, 632, 65, 57}},     {u"ButtonA"_s, {16, 632, 49, 57}},
        {u"Pfeil2"_s, {64, 688, 65, 57}},       {u"BalkenLi"_s, {1, 8, 47, 616}},
        {u"BalkenRe"_s, {768, 8, 44, 616}},     {u"Image1"_s, {40, 579, 750, 40}},
        {u"Image2"_s, {32, 8, 750, 26}},        {u"Label4"_s, {40, 48, 721, 65}},
        {u"Label3"_s, {32, 512, 729, 185}},     {u"Frame2"_s, {8, 8, 809, 753}},
    };
    for (const auto &[name, rect] : places) {
        QWidget *w = s.w(name);
        QCOMPARE(w->geometry(), rect);
    }
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
    Bead s(lang);
    QCOMPARE(s.text(u"MeldeFeld"_s), firstHints.at(kLanguages.indexOf(lang)));

    s.click(u"Zahl1_2"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sTennisBall.wav"_s});
    QCOMPARE(s.text(u"TextFeld"_s), afterA.at(0));
    QCOMPARE(s.text(u"Ergebnisfeld"_s), afterA.at(1));
    QCOMPARE(s.text(u"MeldeFeld"_s), afterA.at(2));
    QCOMPARE(s.pic(u"Pfeil1"_s), u"grau.jpg"_s);
    QCOMPARE(s.pic(u"Pfeil2"_s), u"Pfeil_re.jpg"_s);
    QVERIFY(!s.rowEnabled(u"Zahl1"_s));
    QVERIFY(s.rowEnabled(u"Zahl2"_s));
    QVERIFY(!s.w(u"OKButton"_s)->isEnabled());
    QVERIFY(!s.w(u"Pfeil_runter"_s)->isVisible());
    QCOMPARE(s.rods(), repeated(kAtRest, 10));

    s.click(u"Zahl2_3"_s);
    QCOMPARE(s.sounds.names(), (QStringList{u"sTennisBall.wav"_s, u"sTennisBall.wav"_s}));
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 4 X 3"_s);
    QCOMPARE(s.text(u"TextFeld"_s), afterB.at(0));
    QCOMPARE(s.text(u"MeldeFeld"_s), afterB.at(1));
    QCOMPARE(s.pic(u"Pfeil1"_s), u"grau.jpg"_s);
    QCOMPARE(s.pic(u"Pfeil2"_s), u"grau.jpg"_s);
    QVERIFY(s.w(u"OKButton"_s)->isEnabled());
    QVERIFY(s.w(u"Pfeil_runter"_s)->isVisible());
    QVERIFY(!s.w(u"PfeilRadierer"_s)->isVisible());
    QVERIFY(s.rowEnabled(u"Zahl2"_s));
    QCOMPARE(s.rods(), splitRods(3, 4));
    QCOMPARE(s.rod(1), u"ooo-----ooooooo"_s);
    QCOMPARE(s.rowLabels(u"Xfeld"_s), repeated(QString(), 10));

    s.click(u"OKButton"_s);
    QCOMPARE(s.sounds.names().last(), u"sBoingLow.wav"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 4 X 3 = 12"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"4 X 3 = 12\n 3 X 4 = 12"_s);
    QCOMPARE(s.rowLabels(u"Xfeld"_s), (QStringList{u"1x3"_s, u"2x3"_s, u"3x3"_s, u"4x3"_s} + repeated({}, 6)));
    QCOMPARE(s.rowLabels(u"Yfeld"_s), (QStringList{u"3"_s, u"6"_s, u"9"_s, u"12"_s} + repeated({}, 6)));
    QVERIFY(s.w(u"PfeilRadierer"_s)->isVisible());
    QVERIFY(!s.w(u"Pfeil_runter"_s)->isVisible());
    QCOMPARE(s.text(u"TextFeld"_s), afterB.at(0));
    QCOMPARE(s.rods(), splitRods(3, 4));

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
    QTest::newRow("10 x 10 looks untouched") << 10 << 10 << u" 10 X 10 = 100"_s << u"10 X 10 = 100\n 10 X 10 = 100"_s;
    QTest::newRow("A = 10, B = 3") << 10 << 3 << u" 3 X 10 = 30"_s << u"3 X 10 = 30\n 10 X 3 = 30"_s;
    QTest::newRow("A = 1, B = 6") << 1 << 6 << u" 6 X 1 = 6"_s << u"6 X 1 = 6\n 1 X 6 = 6"_s;
    QTest::newRow("A = 7, B = 1") << 7 << 1 << u" 1 X 7 = 7"_s << u"1 X 7 = 7\n 7 X 1 = 7"_s;
    QTest::newRow("A = 5, B = 10") << 5 << 10 << u" 10 X 5 = 50"_s << u"10 X 5 = 50\n 5 X 10 = 50"_s;
}

void TestBalls::beadFrame()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, result);
    QFETCH(QString, bothOrders);
    Bead s;
    s.task(a, b);
    QCOMPARE(s.rods(), splitRods(a, b));
    if (a == 10)
        QCOMPARE(s.rods(), repeated(kAtRest, 10));
    if (a == 1)
        QCOMPARE(s.rod(b), u"o-----ooooooooo"_s);
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), result);
    QCOMPARE(s.text(u"MeldeFeld"_s), bothOrders);
    QCOMPARE(s.text(u"Xfeld_%1"_s.arg(b - 1)), u"%1x%2"_s.arg(b).arg(a));
    QCOMPARE(s.text(u"Yfeld_%1"_s.arg(b - 1)), QString::number(a * b));
    if (b < 10)
        QCOMPARE(s.text(u"Xfeld_%1"_s.arg(b)), QString());

    // The rods stay as they were after the thumb, and the eraser puts them all back.
    QCOMPARE(s.rods(), splitRods(a, b));
    s.click(u"Radierer"_s);
    QCOMPARE(s.rods(), repeated(kAtRest, 10));
}

void TestBalls::secondRowClickedAgain()
{
    Bead s;
    s.task(3, 4);
    s.click(u"OKButton"_s);
    s.sounds.clear();
    QVERIFY(!s.w(u"Pfeil_runter"_s)->isVisible());

    s.click(u"Zahl2_6"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sTennisBall.wav"_s});
    QVERIFY(s.w(u"Pfeil_runter"_s)->isVisible());
    QCOMPARE(s.rods(), splitRods(3, 4));
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 4 X 3 = 12"_s);
    QCOMPARE(s.text(u"TextFeld"_s), u" 4 Reihen\n  3 Kugeln "_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"4 X 3 = 12\n 3 X 4 = 12"_s);
    QVERIFY(s.w(u"PfeilRadierer"_s)->isVisible());

    // And the thumb still shows the first B.
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 4 X 3 = 12"_s);
}

void TestBalls::thumbTwice()
{
    Bead s(u"E"_s);
    s.task(6, 7);
    s.sounds.clear();
    s.click(u"OKButton"_s);
    const QStringList first{s.text(u"Ergebnisfeld"_s), s.text(u"MeldeFeld"_s), s.text(u"Xfeld_6"_s),
                            s.text(u"Yfeld_6"_s)};
    QCOMPARE(first, (QStringList{u" 7 X 6 = 42"_s, u"7 X 6 = 42\n 6 X 7 = 42"_s, u"7x6"_s, u"42"_s}));
    s.click(u"OKButton"_s);
    QCOMPARE((QStringList{s.text(u"Ergebnisfeld"_s), s.text(u"MeldeFeld"_s), s.text(u"Xfeld_6"_s),
                          s.text(u"Yfeld_6"_s)}),
             first);
    QCOMPARE(s.sounds.names(), (QStringList{u"sBoingLow.wav"_s, u"sBoingLow.wav"_s}));
}

void TestBalls::eraserStartsAgain()
{
    Bead s;
    s.task(8, 2);
    s.click(u"OKButton"_s);
    s.sounds.clear();
    s.click(u"Radierer"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sBang.wav"_s});
    QCOMPARE(s.rods(), repeated(kAtRest, 10));
    QCOMPARE(s.rowLabels(u"Xfeld"_s), repeated(QString(), 10));
    QCOMPARE(s.rowLabels(u"Yfeld"_s), repeated(QString(), 10));
    QCOMPARE(s.text(u"Ergebnisfeld"_s), QString());
    QCOMPARE(s.text(u"TextFeld"_s), u" 2 Reihen\n  8 Kugeln "_s);
    QCOMPARE(s.pic(u"Pfeil1"_s), u"Pfeil_re.jpg"_s);
    QCOMPARE(s.pic(u"Pfeil2"_s), u"grau.jpg"_s);
    QVERIFY(!s.w(u"PfeilRadierer"_s)->isVisible());
    QVERIFY(!s.w(u"Pfeil_runter"_s)->isVisible());
    QVERIFY(s.rowEnabled(u"Zahl1"_s));
    QVERIFY(!s.rowEnabled(u"Zahl2"_s));
    // The thumb waits for a new B again.
    QVERIFY(!s.w(u"OKButton"_s)->isEnabled());
    s.click(u"OKButton"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sBang.wav"_s});
    QCOMPARE(s.text(u"Ergebnisfeld"_s), QString());

    // Erasing before anything was chosen just starts again too.
    s.click(u"Radierer"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"Mit dem Radiergummi löschen und dann neu anfangen. Solange man möchte."_s);

    // A new round goes the whole way.
    s.task(2, 5);
    QCOMPARE(s.rods(), splitRods(2, 5));
    QVERIFY(s.w(u"OKButton"_s)->isEnabled());
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 5 X 2 = 10"_s);
    QCOMPARE(s.rowLabels(u"Xfeld"_s), (QStringList{u"1x2"_s, u"2x2"_s, u"3x2"_s, u"4x2"_s, u"5x2"_s} + repeated({}, 5)));
}

void TestBalls::reopening()
{
    Bead s;
    s.task(3, 4);
    s.click(u"OKButton"_s);
    s.window.reset();
    QCOMPARE(balls::lastTask().a, 3);
    QCOMPARE(balls::lastTask().b, 4);

    s.open();
    QCOMPARE(s.rods(), repeated(kAtRest, 10));
    QCOMPARE(s.rowLabels(u"Xfeld"_s), repeated(QString(), 10));
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"ERGEBNIS"_s);
    QCOMPARE(s.text(u"TextFeld"_s), u" "_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"A:  1. Zahl ist wie viel mal ..."_s);
    QVERIFY(!s.w(u"OKButton"_s)->isEnabled());
    QVERIFY(s.rowEnabled(u"Zahl1"_s));
    QVERIFY(!s.rowEnabled(u"Zahl2"_s));
    QCOMPARE(s.pic(u"Pfeil1"_s), u"Pfeil_re.jpg"_s);
    QCOMPARE(balls::lastTask().a, 3);
    QCOMPARE(balls::lastTask().b, 4);

    // The new opening starts in choose A: a first number is taken at once.
    s.click(u"Zahl1_4"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" Die 5 wie oft?"_s);
}

void TestBalls::unknownLanguage()
{
    Bead s(u"XY"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), QString());
    s.click(u"Zahl1_2"_s);
    QCOMPARE(s.text(u"TextFeld"_s), u" 3 "_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"3"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), QString());
    s.click(u"Zahl2_3"_s);
    QCOMPARE(s.text(u"TextFeld"_s), u" 4\n  3"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 4 X 3"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), QString());
    QCOMPARE(s.rods(), splitRods(3, 4));
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"4 X 3 = 12\n 3 X 4 = 12"_s);
    s.click(u"Radierer"_s);
    // No hint in an unknown language: the line keeps the last result.
    QCOMPARE(s.text(u"MeldeFeld"_s), u"4 X 3 = 12\n 3 X 4 = 12"_s);
    QCOMPARE(s.sounds.names(), (QStringList{u"sTennisBall.wav"_s, u"sTennisBall.wav"_s, u"sBoingLow.wav"_s,
                                            u"sBang.wav"_s}));
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
    Bead s(u"D"_s, malSymbol);
    QCOMPARE(s.pic(u"XButton"_s), signPicture);
    s.task(3, 2);
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"Xfeld_0"_s), firstRow);
    // The board and the hint line say " X" whatever the sign.
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u" 2 X 3 = 6"_s);
    QCOMPARE(s.text(u"MeldeFeld"_s), u"2 X 3 = 6\n 3 X 2 = 6"_s);
}

void TestBalls::brushes_data()
{
    QTest::addColumn<int>("brush");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("black") << 0 << QColor(0, 0, 0);
    QTest::newRow("red") << 1 << QColor(255, 0, 0);
    QTest::newRow("light blue") << 2 << QColor(72, 164, 232);
    QTest::newRow("green") << 3 << QColor(0, 192, 0);
}

void TestBalls::brushes()
{
    QFETCH(int, brush);
    QFETCH(QColor, colour);
    Bead s(u"NL"_s, u"."_s, brush == 0 ? 3 : 0);
    s.task(2, 2);
    s.click(u"OKButton"_s);
    s.sounds.clear();
    s.click(u"Pinsel_%1"_s.arg(brush));
    QCOMPARE(s.boardColour(), colour);
    QCOMPARE(s.sounds.names(), QStringList());
    QCOMPARE(int(app().settings.farbe), brush);
    // The row chosen as A goes into the file with the brush.
    verifyIni(s.dir.readIni(), iniTail(u"."_s, u"NL"_s, 2, 0, brush));
    QCOMPARE(int(settingsOf(s.dir.readIni()).farbe), brush);
    // Only the result board takes the colour.
    QCOMPARE(s.w(u"MeldeFeld"_s)->palette().color(QPalette::WindowText),
             s.w(u"TextFeld"_s)->palette().color(QPalette::WindowText));
}

void TestBalls::storedBrushAppliedAtLoad()
{
    {
        Bead s(Bead::Later{});
        s.dir.writeIni(QByteArray("\"Malkobold\"\r\n") + iniTail(u"x"_s, u"E"_s, 6, 0, 3));
        loadSettings();
        s.open();
        QCOMPARE(s.boardColour(), QColor(0, 192, 0));
        verifyIni(s.dir.readIni(), iniTail(u"x"_s, u"E"_s, 6, 0, 3));
    }
    {
        // An index outside the four colours nothing, but is kept and written.
        Bead s(Bead::Later{});
        Bead::prepare(u"E"_s, u"x"_s, 7, 0);
        QVERIFY(!s.dir.iniExists());
        s.open();
        QCOMPARE(s.boardColour(), s.w(u"TextFeld"_s)->palette().color(QPalette::WindowText));
        QCOMPARE(int(app().settings.farbe), 7);
        verifyIni(s.dir.readIni(), iniTail(u"x"_s, u"E"_s, 1, 0, 7));
        s.click(u"Pinsel_2"_s);
        QCOMPARE(s.boardColour(), QColor(72, 164, 232));
        s.click(u"Pinsel_0"_s);
        QCOMPARE(s.boardColour(), QColor(0, 0, 0));
    }
}

void TestBalls::rowSharedButNotStored()
{
    Bead s;
    const QByteArray atLoad = s.dir.readIni();
    verifyIni(atLoad, iniTail(u"x"_s, u"D"_s, 1, 0, 0));
    s.click(u"Zahl1_6"_s);
    QCOMPARE(int(app().settings.malReihe), 7);
    QCOMPARE(s.dir.readIni(), atLoad);
    s.click(u"Zahl2_1"_s);
    s.click(u"OKButton"_s);
    s.click(u"Radierer"_s);
    QCOMPARE(s.dir.readIni(), atLoad);
    // The next save takes it along.
    s.click(u"Pinsel_1"_s);
    verifyIni(s.dir.readIni(), iniTail(u"x"_s, u"D"_s, 7, 0, 1));
}

void TestBalls::ear()
{
    Bead s(u"D"_s, u"x"_s, 0, 1);
    QWidget *ear = s.w(u"Audio"_s);
    QCOMPARE(picture(ear), u"OhrN.jpg"_s);

    press(ear);
    QCOMPARE(picture(ear), u"OhrN.jpg"_s);
    QCOMPARE(cursorFile(ear), u"Hand3.ico"_s);
    release(ear);
    QCOMPARE(cursorFile(ear), u"Hand1.ico"_s);
    // The click after the release switches sound on.
    QCOMPARE(picture(ear), u"OhrN_gedrückt.jpg"_s);
    QCOMPARE(int(app().settings.audioStatus), 0);
    QCOMPARE(s.sounds.names(), QStringList{u"sBang.wav"_s});
    verifyIni(s.dir.readIni(), iniTail(u"x"_s, u"D"_s, 1, 0, 0));

    s.click(u"Audio"_s);
    QCOMPARE(picture(ear), u"OhrX_gedrückt.jpg"_s);
    QCOMPARE(int(app().settings.audioStatus), 1);
    verifyIni(s.dir.readIni(), iniTail(u"x"_s, u"D"_s, 1, 1, 0));

    // With sound off the keys still work, silently.
    s.sounds.clear();
    s.task(4, 4);
    s.click(u"OKButton"_s);
    s.click(u"Radierer"_s);
    QCOMPARE(s.sounds.names(), QStringList());
    QCOMPARE(s.text(u"MeldeFeld"_s), u"Mit dem Radiergummi löschen und dann neu anfangen. Solange man möchte."_s);
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
    Bead s(lang);
    const QStringList plainKeys{u"ExitButton"_s, u"HelpButton"_s, QString(), QString(), u"XButton"_s,
                                u"Radierer"_s, u"OKButton"_s, u"Pfeil1"_s, u"Pfeil2"_s, u"ErgebnisTafel"_s};
    for (int i = 0; i < plainKeys.size(); ++i) {
        if (!plainKeys.at(i).isEmpty())
            QCOMPARE(s.w(plainKeys.at(i))->toolTip(), tips.at(i));
    }
    for (int i = 0; i < 10; ++i) {
        const QString number = QString::number(i + 1) + u' ';
        QCOMPARE(s.w(u"Zahl1_%1"_s.arg(i))->toolTip(), tips.at(2) + number);
        QCOMPARE(s.w(u"Zahl2_%1"_s.arg(i))->toolTip(), tips.at(3) + number);
    }
    // Nothing else carries a tooltip.
    for (const QString &name : {u"Audio"_s, u"Pinsel_0"_s, u"Stange1_0"_s, u"Ergebnisfeld"_s, u"ButtonA"_s})
        QCOMPARE(s.w(name)->toolTip(), QString());
}

void TestBalls::tooltipsForUnknownLanguage()
{
    Bead s(u"de"_s);
    for (QWidget *w : s.window->findChildren<QWidget *>())
        QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
}

void TestBalls::helpPage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("begins"); // title in full, then the three paragraphs' beginnings
    QTest::newRow("D") << u"D"_s
                       << QStringList{u"1) Das 1x1 verstehen lernen - mit Kugeln."_s,
                                      u"Hier könnte ihr mit der ersten Zahlenreihe (unten) eine Zahl wählen."_s,
                                      u"Spielt mit den Zahlen und schaut euch die Kugeln an."_s,
                                      u"Habt ihr eine Zahl auf A: geklickt und dann auf B:"_s};
    QTest::newRow("E") << u"E"_s
                       << QStringList{u"1) Understanding The 1x1 - With Balls or Pearls."_s,
                                      u"Here you could choose a number with the first row (below)"_s,
                                      u"Play with the numbers and look at the balls"_s,
                                      u"If you have clicked a number on A: and one on B:"_s};
    QTest::newRow("S") << u"S"_s
                       << QStringList{u"1) Comprender el 1x1 - con viñetas."_s,
                                      u"Aquí puede elegir un número con la primera fila de números"_s,
                                      u"Juega con los números y mira las bolas"_s,
                                      u"Si tiene un número en A: presionado y luego en B:"_s};
    QTest::newRow("F") << u"F"_s
                       << QStringList{u"1) Comprendre le 1x1 - avec des puces."_s,
                                      u"Ici vous pouvez choisir un nombre avec la première rangée de chiffres"_s,
                                      u"Joue avec les chiffres et regarde les balles"_s,
                                      u"Si vous avez un nombre sur A: cliqué puis sur B:"_s};
    QTest::newRow("NL") << u"NL"_s
                        << QStringList{u"1) De 1x1 begrijpen - met ballen of parels."_s,
                                       u"Hier kun je één nummer kiezen met de eerste rij met cijfers"_s,
                                       u"Speel met de cijfers en kijk naar de ballen"_s,
                                       u"Heb je eenmaal op A: geklikt en daarna eenmaal op B:"_s};
    QTest::newRow("I") << u"I"_s
                       << QStringList{u"1) Capire la 1x1 - Con sfere o perle."_s,
                                      u"Qui puoi scegliere un numero con la prima riga di numeri"_s,
                                      u"Gioca con i numeri e guarda le palle"_s,
                                      u"Hai fatto clic una volta su A: e poi una volta su B:"_s};
}

void TestBalls::helpPage()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, begins);
    Bead s(lang);
    QWidget *key = s.w(u"HelpButton"_s);
    QWidget *page = s.w(u"Frame2"_s);
    const QStringList labels{u"Label4"_s, u"Label1"_s, u"Label2"_s, u"Label3"_s};

    press(key);
    QCOMPARE(picture(key), u"HelpButton_gedrückt.jpg"_s);
    QCOMPARE(cursorFile(key), u"Hand3.ico"_s);
    release(key);
    QCOMPARE(cursorFile(key), u"Hand1.ico"_s);
    QCOMPARE(picture(key), u"HelpPage_Leave.jpg"_s);
    QVERIFY(page->isVisible());
    QCOMPARE(s.sounds.names(), QStringList{u"sHallo2.wav"_s});
    QCOMPARE(s.text(u"Label4"_s), begins.at(0));
    for (int i = 1; i < 4; ++i)
        QVERIFY2(s.text(labels.at(i)).startsWith(begins.at(i)), qPrintable(s.text(labels.at(i))));
    QStringList shown;
    for (const QString &label : labels)
        shown << s.text(label);

    // The help page lies over the bead frame, with the help key still free.
    QVERIFY(page->geometry().contains(s.w(u"Stange5_7"_s)->geometry()));
    QVERIFY(!page->geometry().intersects(key->geometry()));

    s.click(u"HelpButton"_s);
    QVERIFY(!page->isVisible());
    QCOMPARE(picture(key), u"HelpButton.jpg"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sHallo2.wav"_s});
    for (int i = 0; i < 4; ++i)
        QCOMPARE(s.text(labels.at(i)), shown.at(i));

    if (lang == u"D") {
        QCOMPARE(s.text(u"Label2"_s),
                 u"Spielt mit den Zahlen und schaut euch die Kugeln an. So einfach ist das 1x1 zu verstehen. "
                 "Wollt ihr das der Computer euch das Ergebnis sagt, dann klickt auf die Taste mit dem Daumen. "
                 "Im Ergebnis-Feld seht ihr dann das Ergebnis in Zahlen. "_s);
    }
}

void TestBalls::helpPageClosedByFirstNumberAndEraser()
{
    Bead s;
    QWidget *page = s.w(u"Frame2"_s);
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
    QCOMPARE(s.rods(), splitRods(2, 2));
    s.click(u"OKButton"_s);
    QVERIFY(page->isVisible());
    s.sounds.clear();
    s.click(u"Radierer"_s);
    QVERIFY(!page->isVisible());
    QCOMPARE(s.sounds.names(), QStringList{u"sBang.wav"_s});

    // With a code outside the six the page opens and closes with empty labels.
    Bead other(u"?"_s);
    other.click(u"HelpButton"_s);
    QVERIFY(other.w(u"Frame2"_s)->isVisible());
    QCOMPARE(other.text(u"Label1"_s), QString());
    QCOMPARE(other.text(u"Label4"_s), QString());
    QCOMPARE(other.pic(u"HelpButton"_s), u"HelpPage_Leave.jpg"_s);
}

void TestBalls::pressFeedback_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<bool>("cursor");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("Zahl1_9") << u"Zahl1_9"_s << u"10n.jpg"_s << u"10g.jpg"_s << true << Qt::LeftButton;
    QTest::newRow("Zahl1_0 right button") << u"Zahl1_0"_s << u"01n.jpg"_s << u"01g.jpg"_s << true << Qt::RightButton;
    QTest::newRow("Zahl2_4") << u"Zahl2_4"_s << u"05n.jpg"_s << u"05g.jpg"_s << true << Qt::LeftButton;
    QTest::newRow("OKButton") << u"OKButton"_s << u"OK_Button.jpg"_s << u"OK_Button_gedrückt.jpg"_s << true
                              << Qt::LeftButton;
    QTest::newRow("ExitButton") << u"ExitButton"_s << u"ExitButton.jpg"_s << u"ExitButton_gedrückt.jpg"_s << true
                                << Qt::RightButton;
    QTest::newRow("Radierer") << u"Radierer"_s << u"RadierButton.jpg"_s << u"RadierButton_gedrückt.jpg"_s << false
                              << Qt::LeftButton;
    QTest::newRow("Pinsel_2") << u"Pinsel_2"_s << u"Pinsel_blau.jpg"_s << u"Pinsel_blau.jpg"_s << false
                              << Qt::LeftButton;
}

void TestBalls::pressFeedback()
{
    QFETCH(QString, key);
    QFETCH(QString, normal);
    QFETCH(QString, pressed);
    QFETCH(bool, cursor);
    QFETCH(Qt::MouseButton, button);
    Bead s;
    // Bring the screen to where the key accepts clicks.
    if (key.startsWith(u"Zahl2") || key == u"OKButton")
        s.task(5, 5);
    s.sounds.clear();
    QWidget *w = s.w(key);
    QVERIFY(w->isEnabled());

    press(w, button);
    QCOMPARE(picture(w), pressed);
    QCOMPARE(cursorFile(w), cursor ? u"Hand3.ico"_s : QString());
    QCOMPARE(s.sounds.names(), QStringList());
    release(w, button);
    QCOMPARE(picture(w), normal);
    QCOMPARE(cursorFile(w), cursor ? u"Hand1.ico"_s : QString());
}

void TestBalls::disabledKeys()
{
    Bead s;
    for (const QString &name : {u"Zahl2_0"_s, u"Zahl2_9"_s, u"OKButton"_s}) {
        QWidget *w = s.w(name);
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
    QCOMPARE(s.rods(), repeated(kAtRest, 10));

    // Once A is chosen its row takes no more clicks until the eraser.
    s.click(u"Zahl1_3"_s);
    s.sounds.clear();
    press(s.w(u"Zahl1_5"_s));
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
    Bead::prepare(u"D"_s, u"x"_s, 2, 0);
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
    verifyIni(atLoad, iniTail(u"x"_s, u"D"_s, 1, 0, 2));
}

QTEST_MAIN(TestBalls)
#include "test_balls.moc"
