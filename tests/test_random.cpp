#include "testsupport.h"

#include "frame/appstate.h"
#include "screens/random/random_task.h"
#include "screens/random/random_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <deque>
#include <limits>
#include <map>
#include <random>
#include <memory>
#include <set>

using namespace Qt::StringLiterals;
using namespace mk;
using namespace mk::test;
using mk::random::DiceTask;

namespace {

// Puts a list of draws in place of the shared generator; an exhausted list
// fails the test rather than inventing draws. Restores the real one when done.
class Draws
{
public:
    explicit Draws(std::deque<float> values) : m_values(std::make_shared<std::deque<float>>(std::move(values)))
    {
        setRandomSource([values = m_values]() {
            if (values->empty()) {
                qWarning("more draws than the test prepared");
                return 0.0f;
            }
            const float r = values->front();
            values->pop_front();
            return r;
        });
    }
    ~Draws() { setRandomSource({}); }
    std::size_t left() const { return m_values->size(); }

private:
    std::shared_ptr<std::deque<float>> m_values;
};

// The largest single-precision number below 1.
constexpr float kAlmostOne = 0.99999994f;

std::set<int> asSet(std::initializer_list<int> values)
{
    return std::set<int>(values);
}

} // namespace

namespace {

const QString kTennisBall = u"sTennisBall.wav"_s;
const QString kBoingHigh = u"sBoingHigh.wav"_s;
const QString kBoingLow = u"sBoingLow.wav"_s;

// One opened dice screen in a fresh working directory, with the sounds
// recorded. Its load rolls the first die once, with the draw given here.
class Dice
{
public:
    explicit Dice(const QString &sprache = u"D"_s, float loadDraw = 0.35f, qint16 farbe = 0,
                  const QString &sign = u"x"_s, qint16 audio = 0, qint16 row = 5)
    {
        Settings &s = app().settings;
        s.sprache = sprache;
        s.malSymbol = sign;
        s.farbe = farbe;
        s.audioStatus = audio;
        s.malReihe = row;
        Draws draws({loadDraw});
        window = std::make_unique<RandomWindow>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the dice screen does not show");
        if (draws.left() != 0)
            qFatal("the load did not roll the first die once");
    }

    QWidget *w(const QString &name) const
    {
        QWidget *found = child(window.get(), name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString text(const QString &name) const { return qobject_cast<QLabel *>(w(name))->text(); }
    QString pic(const QString &name) const { return picture(w(name)); }
    QString tip(const QString &name) const { return w(name)->toolTip(); }
    void click(const QString &name) const { mk::test::click(w(name)); }
    void roll(const QString &die, std::deque<float> draws) const
    {
        Draws d(std::move(draws));
        click(die);
        QCOMPARE(d.left(), std::size_t(0));
    }
    // The factor a "FlächeNN.jpg" picture shows; 0 for any other picture.
    int factor(const QString &name) const
    {
        static const QRegularExpression tile(u"^Fläche(\\d\\d)\\.jpg$"_s);
        const auto m = tile.match(pic(name));
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    }
    QColor answerColour() const { return w(u"ErgebnisTEXT"_s)->palette().color(QPalette::WindowText); }
    Settings stored() const { return settingsOf(dir.readIni()); }

    WorkDir dir;
    SoundRecorder sounds;
    std::unique_ptr<RandomWindow> window;
};

} // namespace

class TestRandom : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setRandomSource({}); }

    void dieFaces_data();
    void dieFaces();
    void ranges_data();
    void ranges();
    void everyFactorOfTheDice();
    void sourceOutsideItsPromise();
    void realGeneratorCoversEveryValue();
    void nextRandomStaysBelowOne();

    void load();
    void loadWithOddSettings();
    void rowChoice_data();
    void rowChoice();
    void firstDie_window_data();
    void firstDie_window();
    void ranges_window_data();
    void ranges_window();
    void firstDieAfterSecond();
    void signs_data();
    void signs();
    void brushes_data();
    void brushes();
    void pressFeedback_data();
    void pressFeedback();
    void tooltips_data();
    void tooltips();
    void helpPage_data();
    void helpPage();
    void leave();
    void anyClicks_data();
    void anyClicks();
};

// Where a draw falls on each die: the first die 1..10, the second die's left
// factor 2..9, both ends included.
void TestRandom::dieFaces_data()
{
    QTest::addColumn<bool>("first");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("left");
    QTest::newRow("first 0") << true << 0.0f << 1;
    QTest::newRow("first 0.0999") << true << 0.0999f << 1;
    QTest::newRow("first 0.1") << true << 0.1f << 2;
    QTest::newRow("first 0.55") << true << 0.55f << 6;
    QTest::newRow("first 0.8999") << true << 0.8999f << 9;
    QTest::newRow("first 0.90625") << true << 0.90625f << 10;
    QTest::newRow("first below 1") << true << kAlmostOne << 10;
    QTest::newRow("second 0") << false << 0.0f << 2;
    QTest::newRow("second 0.124") << false << 0.124f << 2;
    QTest::newRow("second 0.125") << false << 0.125f << 3;
    QTest::newRow("second 0.5") << false << 0.5f << 6;
    QTest::newRow("second 0.875") << false << 0.875f << 9;
    QTest::newRow("second below 1") << false << kAlmostOne << 9;
}

void TestRandom::dieFaces()
{
    QFETCH(bool, first);
    QFETCH(float, r);
    QFETCH(int, left);
    QCOMPARE(first ? DiceTask::firstDieLeft(r) : DiceTask::secondDieLeft(r), left);
}

void TestRandom::ranges_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<std::set<int>>("rows");
    QTest::newRow("2 - 4") << 0 << asSet({2, 3, 4});
    QTest::newRow("3 - 5") << 1 << asSet({3, 4, 5});
    QTest::newRow("4 - 6") << 2 << asSet({4, 5, 6});
    QTest::newRow("5 - 7") << 3 << asSet({5, 6, 7});
    QTest::newRow("6 - 8") << 4 << asSet({6, 7, 8});
    QTest::newRow("7 - 9") << 5 << asSet({7, 8, 9});
    QTest::newRow("3 - 7") << 6 << asSet({3, 4, 5, 6, 7});
    QTest::newRow("6 - 9") << 7 << asSet({6, 7, 8, 9});
}

// Every range gives exactly its rows, each as often over an even sweep of
// the draws, and the left factor stays 2..9 whatever the range.
void TestRandom::ranges()
{
    QFETCH(int, key);
    QFETCH(std::set<int>, rows);
    DiceTask task;
    QVERIFY(task.chooseRange(key));
    QCOMPARE(task.range().from, *rows.begin());
    QCOMPARE(task.range().to, *rows.rbegin());

    constexpr int kSteps = 840; // divisible by 3, 4 and 5
    std::map<int, int> counts;
    for (int s = 0; s < kSteps; ++s) {
        const float r = (static_cast<float>(s) + 0.5f) / kSteps;
        Draws draws({0.5f, r});
        task.rollSecond();
        QCOMPARE(draws.left(), std::size_t(0));
        QCOMPARE(task.left(), 6);
        ++counts[task.right()];
    }
    std::set<int> seen;
    for (const auto &[row, count] : counts) {
        seen.insert(row);
        QCOMPARE(count, kSteps / static_cast<int>(rows.size()));
    }
    QCOMPARE(seen, rows);
    // Both ends of the draws.
    for (const auto &[r, row] : {std::pair{0.0f, *rows.begin()}, std::pair{kAlmostOne, *rows.rbegin()}}) {
        Draws draws({kAlmostOne, r});
        task.rollSecond();
        QCOMPARE(task.right(), row);
        QCOMPARE(task.left(), 9);
    }
}

// The first die: every left factor 1..10 and only those; the second die
// 2..9 and only those.
void TestRandom::everyFactorOfTheDice()
{
    std::set<int> first;
    std::set<int> second;
    for (int s = 0; s < 1000; ++s) {
        const float r = (static_cast<float>(s) + 0.5f) / 1000.0f;
        DiceTask task;
        Draws draws({r, r, 0.0f});
        task.rollFirst();
        first.insert(task.left());
        task.rollSecond();
        second.insert(task.left());
    }
    QCOMPARE(first, asSet({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    QCOMPARE(second, asSet({2, 3, 4, 5, 6, 7, 8, 9}));
}

// A replaced source that breaks its promise still never gives a factor
// outside its die.
void TestRandom::sourceOutsideItsPromise()
{
    for (const float r : {1.0f, 1.5f, -0.25f, std::numeric_limits<float>::quiet_NaN(),
                          std::numeric_limits<float>::infinity()}) {
        QVERIFY(DiceTask::firstDieLeft(r) >= 1 && DiceTask::firstDieLeft(r) <= 10);
        QVERIFY(DiceTask::secondDieLeft(r) >= 2 && DiceTask::secondDieLeft(r) <= 9);
        const int right = DiceTask::secondDieRight(r, {6, 9});
        QVERIFY(right >= 6 && right <= 9);
    }
    QCOMPARE(DiceTask::firstDieLeft(1.0f), 10);
    QCOMPARE(DiceTask::firstDieLeft(-0.25f), 1);
}

// A statistical check of the real generator, not a timed one.
void TestRandom::realGeneratorCoversEveryValue()
{
    seedRandom(45296.5f);
    std::map<int, int> first;
    std::map<int, int> secondLeft;
    std::map<int, int> secondRight;
    DiceTask task;
    task.chooseRow(2);
    task.chooseRange(6); // 3 - 7
    for (int n = 0; n < 10000; ++n) {
        task.rollFirst();
        ++first[task.left()];
        task.rollSecond();
        ++secondLeft[task.left()];
        ++secondRight[task.right()];
    }
    const auto keys = [](const std::map<int, int> &counts) {
        std::set<int> k;
        for (const auto &[value, count] : counts)
            k.insert(value);
        return k;
    };
    QCOMPARE(keys(first), asSet({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    QCOMPARE(keys(secondLeft), asSet({2, 3, 4, 5, 6, 7, 8, 9}));
    QCOMPARE(keys(secondRight), asSet({3, 4, 5, 6, 7}));
    // Roughly even: 1000, 1250 and 2000 expected; far outside chance otherwise.
    for (const auto &[value, count] : first)
        QVERIFY2(count > 850 && count < 1150, qPrintable(u"%1 came %2 times"_s.arg(value).arg(count)));
    for (const auto &[value, count] : secondLeft)
        QVERIFY2(count > 1080 && count < 1420, qPrintable(u"%1 came %2 times"_s.arg(value).arg(count)));
    for (const auto &[value, count] : secondRight)
        QVERIFY2(count > 1800 && count < 2200, qPrintable(u"%1 came %2 times"_s.arg(value).arg(count)));
}

// A draw of 1.0 would make a left factor of 11.
void TestRandom::nextRandomStaysBelowOne()
{
    float lowest = 1.0f;
    float highest = 0.0f;
    for (const float seed : {0.0f, 1.25f, 43200.0f, 86399.999f}) {
        seedRandom(seed);
        for (int n = 0; n < 250000; ++n) {
            const float r = nextRandom();
            if (!(r >= 0.0f && r < 1.0f))
                QFAIL(qPrintable(u"draw %1 after seed %2"_s.arg(double(r)).arg(double(seed))));
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
    }
    // The whole interval is used, not a corner of it.
    QVERIFY(lowest < 0.0001f);
    QVERIFY(highest > 0.9999f);
    // The same seed gives the same draws; the seed's fraction matters.
    seedRandom(100.25f);
    const float a = nextRandom();
    seedRandom(100.25f);
    QCOMPARE(nextRandom(), a);
    seedRandom(100.75f);
    QVERIFY(nextRandom() != a);
}

// Algorithm of the load: answer sign, brush, range, pictures, row 2, a first-die task.
void TestRandom::load()
{
    Dice d(u"D"_s, 0.35f, 2);
    QCOMPARE(d.window->objectName(), u"B3_ZUFALL"_s);
    QCOMPARE(d.window->size(), QSize(820, 662));
    QCOMPARE(d.text(u"ErgebnisTEXT"_s), u"?"_s);
    QCOMPARE(d.answerColour(), QColor(72, 164, 232));
    QCOMPARE(d.text(u"LabelRechts"_s), u"2 - 4"_s);
    QCOMPARE(d.text(u"LabelLinks"_s), u"2"_s);
    QCOMPARE(d.text(u"TextFeld"_s), u"Die Aufgabe: \n4 X 2 =   ?"_s);
    QCOMPARE(d.sounds.names(), (QStringList{kTennisBall, kBoingHigh}));
    // Row 2 whatever the start screen chose, stored at once with the brush.
    QCOMPARE(app().settings.malReihe, qint16(2));
    QCOMPARE(d.stored().malReihe, qint16(2));
    QCOMPARE(d.stored().farbe, qint16(2));

    const std::pair<const char16_t *, const char16_t *> pictures[] = {
        {u"Audio", u"OhrN.jpg"}, {u"ExitButton", u"ExitButton.jpg"}, {u"OKButton", u"OK_Button.jpg"},
        {u"MalSymbolBild", u"Fläche_malX.jpg"}, {u"HelpButton", u"HelpButton.jpg"},
        {u"Zahl1_0", u"01n.jpg"}, {u"Zahl1_4", u"05n.jpg"}, {u"Zahl1_9", u"10n.jpg"},
        {u"Pinsel_0", u"Pinsel_schwarz.jpg"}, {u"Pinsel_1", u"Pinsel_rot.jpg"},
        {u"Pinsel_2", u"Pinsel_blau.jpg"}, {u"Pinsel_3", u"Pinsel_grün.jpg"},
        {u"Würfel1_Button", u"Würfel0.jpg"}, {u"Würfel2_Button", u"Würfel0.jpg"},
        {u"Mal_Bereich_0", u"2-4_normal.jpg"}, {u"Mal_Bereich_1", u"3-5_normal.jpg"},
        {u"Mal_Bereich_2", u"4-6_normal.jpg"}, {u"Mal_Bereich_3", u"5-7_normal.jpg"},
        {u"Mal_Bereich_4", u"6-8_normal.jpg"}, {u"Mal_Bereich_5", u"7-9_normal.jpg"},
        {u"Mal_Bereich_6", u"3-7_normal.jpg"}, {u"Mal_Bereich_7", u"6-9_normal.jpg"},
        {u"XZeichen", u"Fläche_malX.jpg"}, {u"GZeichen", u"Fläche_Gleich.jpg"},
        {u"AntwortSchild", u"Schild_Ergebnisse.jpg"}, {u"ZahlLinks", u"Fläche04.jpg"},
        {u"ZahlRechts", u"Fläche02.jpg"},
    };
    for (const auto &[name, file] : pictures)
        QCOMPARE(d.pic(QString::fromUtf16(name)), QString::fromUtf16(file));

    // The arrow shows the left one of the two the layout holds out of sight.
    QVERIFY(!d.pic(u"pfeilli"_s).isEmpty());
    QVERIFY(d.pic(u"pfeilli"_s) != d.pic(u"pfeilre"_s));
    QCOMPARE(d.pic(u"Pfeil"_s), d.pic(u"pfeilli"_s));
    QVERIFY(!d.w(u"pfeilli"_s)->isVisible());
    QVERIFY(!d.w(u"pfeilre"_s)->isVisible());

    QVERIFY(!d.w(u"Frame2"_s)->isVisible());
    QCOMPARE(d.w(u"Frame2"_s)->pos(), QPoint(8, 8));
    // The second die's tooltip comes with the first range key pressed.
    QCOMPARE(d.tip(u"Würfel2_Button"_s), QString());
}

// Odd stored values: a language outside the six, an unknown sign and colour.
void TestRandom::loadWithOddSettings()
{
    Dice d(u"X"_s, 0.99f, 9, u"+"_s, 1, 77);
    QCOMPARE(d.sounds.names(), QStringList());
    // The bare row number stays; no task message replaces it.
    QCOMPARE(d.text(u"TextFeld"_s), u"2"_s);
    QCOMPARE(d.text(u"ErgebnisTEXT"_s), u"?"_s);
    QCOMPARE(d.answerColour(), d.window->palette().color(QPalette::WindowText));
    QCOMPARE(d.pic(u"MalSymbolBild"_s), QString());
    QCOMPARE(d.pic(u"XZeichen"_s), QString());
    QCOMPARE(d.pic(u"ZahlLinks"_s), u"Fläche10.jpg"_s);
    QCOMPARE(d.stored().farbe, qint16(9));
    QCOMPARE(d.stored().malReihe, qint16(2));
    QCOMPARE(d.stored().sprache, u"X"_s);
    for (const QString &name : {u"ExitButton"_s, u"HelpButton"_s, u"Zahl1_0"_s, u"Pinsel_1"_s, u"OKButton"_s,
                               u"Würfel1_Button"_s, u"MalSymbolBild"_s, u"Mal_Bereich_0"_s})
        QCOMPARE(d.tip(name), QString());
    d.click(u"OKButton"_s);
    QCOMPARE(d.text(u"ErgebnisTEXT"_s), u"20"_s);
    QCOMPARE(d.text(u"TextFeld"_s), u"2"_s);
    d.click(u"Zahl1_6"_s);
    QCOMPARE(d.text(u"TextFeld"_s), u"7"_s);
    // The help page opens and closes and keeps the layout's texts.
    d.click(u"HelpButton"_s);
    QVERIFY(d.w(u"Frame2"_s)->isVisible());
    d.click(u"HelpButton"_s);
    QVERIFY(!d.w(u"Frame2"_s)->isVisible());
}

void TestRandom::rowChoice_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("message");
    QTest::newRow("D 1") << u"D"_s << 0 << u"Die Reihe \n1 wurde ausgewählt."_s;
    QTest::newRow("D 7") << u"D"_s << 6 << u"Die Reihe \n7 wurde ausgewählt."_s;
    QTest::newRow("D 10") << u"D"_s << 9 << u"Die Reihe \n10 wurde ausgewählt."_s;
    QTest::newRow("F 3") << u"F"_s << 2 << u"Le nombre \n3 a été choisi."_s;
    QTest::newRow("I 9") << u"I"_s << 8 << u"Il numero \n9 è stato scelto."_s;
}

void TestRandom::rowChoice()
{
    QFETCH(QString, sprache);
    QFETCH(int, key);
    QFETCH(QString, message);
    Dice d(sprache);
    d.click(u"OKButton"_s);
    d.click(u"Mal_Bereich_3"_s);
    d.sounds.clear();
    d.click(u"Zahl1_%1"_s.arg(key));
    const int row = key + 1;
    QCOMPARE(d.sounds.names(), QStringList{kTennisBall});
    QCOMPARE(d.factor(u"ZahlRechts"_s), row);
    QCOMPARE(d.pic(u"ZahlLinks"_s), u"Fläche04.jpg"_s);
    QCOMPARE(d.text(u"LabelLinks"_s), QString::number(row));
    QCOMPARE(d.text(u"TextFeld"_s), message);
    QCOMPARE(d.text(u"ErgebnisTEXT"_s), u"?"_s);
    QCOMPARE(d.text(u"LabelRechts"_s), u"5 - 7"_s);
    QCOMPARE(d.pic(u"Pfeil"_s), d.pic(u"pfeilli"_s));
    QCOMPARE(d.stored().malReihe, qint16(row));
    // No new left factor: the thumb shows the old one times the new row.
    d.click(u"OKButton"_s);
    QCOMPARE(d.text(u"ErgebnisTEXT"_s), QString::number(4 * row));
}

void TestRandom::firstDie_window_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("task");
    QTest::addColumn<QString>("result");
    QTest::newRow("D 1 X 7") << u"D"_s << 0.0f << 7 << u"Die Aufgabe: \n1 X 7 =   ?"_s << u"Das Ergebnis: \n7"_s;
    QTest::newRow("D 4 X 7") << u"D"_s << 0.35f << 7 << u"Die Aufgabe: \n4 X 7 =   ?"_s << u"Das Ergebnis: \n28"_s;
    QTest::newRow("E 10 X 10") << u"E"_s << kAlmostOne << 10 << u"The task: \n10 X 10 =   ?"_s
                               << u"The result: \n100"_s;
    QTest::newRow("S 6 X 3") << u"S"_s << 0.5f << 3 << u"La tarea: \n6 X 3 =   ?"_s << u"El resultado: \n18"_s;
    QTest::newRow("F 9 X 9") << u"F"_s << 0.85f << 9 << u"La tâche:  \n9 X 9 =   ?"_s << u"Le résultat:  \n81"_s;
    QTest::newRow("NL 3 X 8") << u"NL"_s << 0.2f << 8 << u"De taak: \n3 X 8 =   ?"_s << u"Het resultaatit: \n24"_s;
    QTest::newRow("I 8 X 1") << u"I"_s << 0.75f << 1 << u"Il compito: \n8 X 1 =   ?"_s << u"Il risultato: \n8"_s;
}

void TestRandom::firstDie_window()
{
    QFETCH(QString, sprache);
    QFETCH(float, r);
    QFETCH(int, row);
    QFETCH(QString, task);
    QFETCH(QString, result);
    Dice d(sprache);
    d.click(u"Zahl1_%1"_s.arg(row - 1));
    d.click(u"Mal_Bereich_7"_s);
    d.sounds.clear();
    d.roll(u"Würfel1_Button"_s, {r});
    QCOMPARE(d.sounds.names(), QStringList{kBoingHigh});
    QCOMPARE(d.text(u"TextFeld"_s), task);
    QCOMPARE(d.text(u"ErgebnisTEXT"_s), u"?"_s);
    QCOMPARE(d.factor(u"ZahlRechts"_s), row);
    QCOMPARE(d.pic(u"Pfeil"_s), d.pic(u"pfeilli"_s));
    const int left = d.factor(u"ZahlLinks"_s);

    // The thumb, twice: the same product each time, with its sound.
    for (int n = 1; n <= 2; ++n) {
        d.click(u"OKButton"_s);
        QCOMPARE(d.text(u"TextFeld"_s), result);
        QCOMPARE(d.text(u"ErgebnisTEXT"_s), QString::number(left * row));
        QCOMPARE(int(app().ergebnis), left * row);
    }
    QCOMPARE(d.sounds.names(), (QStringList{kBoingHigh, kBoingLow, kBoingLow}));
}

void TestRandom::ranges_window_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("dieTip");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("2 - 4") << 0 << u" 2 - 4 "_s << u"2 - 4"_s << u"2 - 4"_s << 2 << 4;
    QTest::newRow("3 - 5") << 1 << u" 3 - 5 "_s << u"3 - 5"_s << u"3 - 5"_s << 3 << 5;
    QTest::newRow("4 - 6") << 2 << u" 4 - 6"_s << u"4 - 6"_s << u"4 - 6"_s << 4 << 6;
    QTest::newRow("5 - 7") << 3 << u" 5 - 7 "_s << u"5 - 7"_s << u"5 - 7"_s << 5 << 7;
    QTest::newRow("6 - 8") << 4 << u" 6 - 8 "_s << u" 6 - 8 "_s << u"6 - 8"_s << 6 << 8;
    QTest::newRow("7 - 9") << 5 << u" 7 - 9 "_s << u"7 - 9"_s << u"7 - 9"_s << 7 << 9;
    QTest::newRow("3 - 7") << 6 << u" 3 - 7 "_s << u"3 - 7"_s << u"3 - 7"_s << 3 << 7;
    QTest::newRow("6 - 9") << 7 << u" 6 - 9 "_s << u"6 - 9"_s << u"6 - 9"_s << 6 << 9;
}

void TestRandom::ranges_window()
{
    QFETCH(int, key);
    QFETCH(QString, dieTip);
    QFETCH(QString, message);
    QFETCH(QString, label);
    QFETCH(int, from);
    QFETCH(int, to);
    Dice d(u"E"_s);
    d.click(u"OKButton"_s);
    d.sounds.clear();

    // No sound, no task: the answer and the factors stay.
    d.click(u"Mal_Bereich_%1"_s.arg(key));
    QCOMPARE(d.sounds.names(), QStringList());
    QCOMPARE(d.tip(u"Würfel2_Button"_s), dieTip);
    QCOMPARE(d.text(u"TextFeld"_s), message);
    QCOMPARE(d.text(u"LabelRechts"_s), label);
    QCOMPARE(d.pic(u"Pfeil"_s), d.pic(u"pfeilre"_s));
    QCOMPARE(d.text(u"ErgebnisTEXT"_s), u"8"_s);
    QCOMPARE(d.pic(u"ZahlLinks"_s), u"Fläche04.jpg"_s);
    QCOMPARE(d.pic(u"ZahlRechts"_s), u"Fläche02.jpg"_s);

    // The second die: the left factor first, then the right one from the range.
    d.click(u"Zahl1_0"_s);
    d.sounds.clear();
    d.roll(u"Würfel2_Button"_s, {0.0f, kAlmostOne});
    QCOMPARE(d.sounds.names(), QStringList{kBoingHigh});
    QCOMPARE(d.pic(u"ZahlLinks"_s), u"Fläche02.jpg"_s);
    QCOMPARE(d.factor(u"ZahlRechts"_s), to);
    QCOMPARE(d.text(u"TextFeld"_s), u"The task: \n2 X %1 =   ?"_s.arg(to));
    QCOMPARE(d.text(u"ErgebnisTEXT"_s), u"?"_s);
    QCOMPARE(d.pic(u"Pfeil"_s), d.pic(u"pfeilre"_s));
    d.roll(u"Würfel2_Button"_s, {kAlmostOne, 0.0f});
    QCOMPARE(d.pic(u"ZahlLinks"_s), u"Fläche09.jpg"_s);
    QCOMPARE(d.factor(u"ZahlRechts"_s), from);
    d.click(u"OKButton"_s);
    QCOMPARE(d.text(u"ErgebnisTEXT"_s), QString::number(9 * from));
    QCOMPARE(d.text(u"TextFeld"_s), u"The result: \n%1"_s.arg(9 * from));
    // The strip's label keeps the row chosen there.
    QCOMPARE(d.text(u"LabelLinks"_s), u"1"_s);
    QCOMPARE(d.text(u"LabelRechts"_s), label);
}

// After the second die has drawn 8 with row 3 on the strip, the first die
// keeps 8, and the strip's label still says 3.
void TestRandom::firstDieAfterSecond()
{
    Dice d;
    d.click(u"Zahl1_2"_s);
    d.click(u"Mal_Bereich_4"_s); // 6 - 8
    d.roll(u"Würfel2_Button"_s, {0.5f, kAlmostOne});
    QCOMPARE(d.text(u"TextFeld"_s), u"Die Aufgabe: \n6 X 8 =   ?"_s);
    d.roll(u"Würfel1_Button"_s, {0.0f});
    QCOMPARE(d.text(u"TextFeld"_s), u"Die Aufgabe: \n1 X 8 =   ?"_s);
    QCOMPARE(d.pic(u"ZahlRechts"_s), u"Fläche08.jpg"_s);
    QCOMPARE(d.text(u"LabelLinks"_s), u"3"_s);
    QCOMPARE(d.pic(u"Pfeil"_s), d.pic(u"pfeilli"_s));
    QCOMPARE(d.stored().malReihe, qint16(3));
    d.click(u"OKButton"_s);
    QCOMPARE(d.text(u"ErgebnisTEXT"_s), u"8"_s);
}

// The sign pictures follow the chosen sign; the task text keeps its X.
void TestRandom::signs_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("file");
    QTest::newRow("x") << u"x"_s << u"Fläche_malX.jpg"_s;
    QTest::newRow("*") << u"*"_s << u"Fläche_malS.jpg"_s;
    QTest::newRow(".") << u"."_s << u"Fläche_malPunkt.jpg"_s;
}

void TestRandom::signs()
{
    QFETCH(QString, sign);
    QFETCH(QString, file);
    Dice d(u"D"_s, 0.35f, 0, sign);
    QCOMPARE(d.pic(u"MalSymbolBild"_s), file);
    QCOMPARE(d.pic(u"XZeichen"_s), file);
    QCOMPARE(d.text(u"TextFeld"_s), u"Die Aufgabe: \n4 X 2 =   ?"_s);
}

void TestRandom::brushes_data()
{
    QTest::addColumn<int>("brush");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("black") << 0 << QColor(0, 0, 0);
    QTest::newRow("red") << 1 << QColor(255, 0, 0);
    QTest::newRow("light blue") << 2 << QColor(72, 164, 232);
    QTest::newRow("green") << 3 << QColor(0, 192, 0);
}

void TestRandom::brushes()
{
    QFETCH(int, brush);
    QFETCH(QColor, colour);
    Dice d(u"D"_s, 0.35f, qint16((brush + 1) % 4));
    d.sounds.clear();
    d.click(u"Pinsel_%1"_s.arg(brush));
    QCOMPARE(d.answerColour(), colour);
    QCOMPARE(d.stored().farbe, qint16(brush));
    QCOMPARE(d.sounds.names(), QStringList());
    // Only the answer takes the colour.
    QVERIFY(qobject_cast<QLabel *>(d.w(u"TextFeld"_s))->palette().color(QPalette::WindowText) != colour
            || colour == d.window->palette().color(QPalette::WindowText));
}

void TestRandom::pressFeedback_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("normal");
    QTest::newRow("first die") << u"Würfel1_Button"_s << u"Würfel1.jpg"_s << u"Würfel0.jpg"_s;
    QTest::newRow("second die") << u"Würfel2_Button"_s << u"Würfel0.jpg"_s << u"Würfel0.jpg"_s;
    QTest::newRow("range 3 - 7") << u"Mal_Bereich_6"_s << u"3-7_gedrückt.jpg"_s << u"3-7_normal.jpg"_s;
    QTest::newRow("range 6 - 8") << u"Mal_Bereich_4"_s << u"6-8_gedrückt.jpg"_s << u"6-8_normal.jpg"_s;
    QTest::newRow("digit 10") << u"Zahl1_9"_s << u"10g.jpg"_s << u"10n.jpg"_s;
    QTest::newRow("thumb") << u"OKButton"_s << u"OK_Button_gedrückt.jpg"_s << u"OK_Button.jpg"_s;
    QTest::newRow("help") << u"HelpButton"_s << u"HelpButton_gedrückt.jpg"_s << u"HelpButton.jpg"_s;
    QTest::newRow("exit") << u"ExitButton"_s << u"ExitButton_gedrückt.jpg"_s << u"ExitButton.jpg"_s;
    QTest::newRow("brush") << u"Pinsel_1"_s << u"Pinsel_rot.jpg"_s << u"Pinsel_rot.jpg"_s;
    QTest::newRow("ear") << u"Audio"_s << u"OhrN.jpg"_s << u"OhrN.jpg"_s;
}

// A right-button press and release: the feedback without the click.
void TestRandom::pressFeedback()
{
    QFETCH(QString, key);
    QFETCH(QString, pressed);
    QFETCH(QString, normal);
    Dice d;
    d.sounds.clear();
    press(d.w(key), Qt::RightButton);
    QCOMPARE(d.pic(key), pressed);
    QCOMPARE(cursorFile(d.w(key)), u"Hand3.ico"_s);
    release(d.w(key), Qt::RightButton);
    QCOMPARE(d.pic(key), normal);
    QCOMPARE(cursorFile(d.w(key)), u"Hand1.ico"_s);
    QCOMPARE(d.sounds.names(), QStringList());
    QVERIFY(d.window->isVisible());
}

void TestRandom::tooltips_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QStringList>("tips"); // exit, help, row prefix, brush, thumb, first die, sign, range
    QTest::newRow("D") << u"D"_s
                       << QStringList{u" Zurück "_s, u" Hilfe "_s, u" Die Reihe bestimmen ("_s,
                                      u" Diese Farbe wählen "_s, u" OK - Mein Ergebnis "_s, u" Ergebnis zeigen "_s,
                                      u" Das gewählte Zeichen "_s, u" Mehrere Reihen gemischt "_s};
    QTest::newRow("E") << u"E"_s
                       << QStringList{u" Back "_s, u" Help "_s, u" Determine the row ("_s, u" Choose this color "_s,
                                      u" Nächste Aufgabe "_s, u" OK - my result "_s, u" The selected character "_s,
                                      u" Mixed numbers "_s};
    QTest::newRow("S") << u"S"_s
                       << QStringList{u" Espalda "_s, u" Ayuda "_s, u" Determine la fila ("_s, u" Elige este color "_s,
                                      u" Siguiente tarea "_s, u" Mostrar resultado "_s,
                                      u" El personaje seleccionado "_s, u" Números mixtos "_s};
    QTest::newRow("F") << u"F"_s
                       << QStringList{u" Retour "_s, u" Aide "_s, u" Déterminer la rangée ("_s,
                                      u" Choisissez cette couleur "_s, u" Prochaine tâche "_s,
                                      u" Afficher le résultat "_s, u" Le personnage sélectionnésp "_s,
                                      u" Numéros mixtes "_s};
    QTest::newRow("NL") << u"NL"_s
                        << QStringList{u" Terug "_s, u" Help "_s, u" Bepaal de rij ("_s, u" Kies deze kleur "_s,
                                       u" Volgende taak "_s, u" Resultaat weergeven "_s,
                                       u" Het geselecteerde personage "_s, u" Gemengde nummers "_s};
    QTest::newRow("I") << u"I"_s
                       << QStringList{u" Indietro "_s, u" Aiuto "_s, u" Determina la riga ("_s,
                                      u" Determina la riga "_s, u" Prossima attività "_s, u" Mostra il risultato "_s,
                                      u" Il personaggio selezionato "_s, u" Numeri misti "_s};
}

void TestRandom::tooltips()
{
    QFETCH(QString, sprache);
    QFETCH(QStringList, tips);
    Dice d(sprache);
    QCOMPARE(d.tip(u"ExitButton"_s), tips[0]);
    QCOMPARE(d.tip(u"HelpButton"_s), tips[1]);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(d.tip(u"Zahl1_%1"_s.arg(i)), tips[2] + QString::number(i + 1) + u')');
    QCOMPARE(d.tip(u"Pinsel_0"_s), QString());
    for (int i = 1; i < 4; ++i)
        QCOMPARE(d.tip(u"Pinsel_%1"_s.arg(i)), tips[3]);
    QCOMPARE(d.tip(u"OKButton"_s), tips[4]);
    QCOMPARE(d.tip(u"Würfel1_Button"_s), tips[5]);
    QCOMPARE(d.tip(u"MalSymbolBild"_s), tips[6]);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(d.tip(u"Mal_Bereich_%1"_s.arg(i)), tips[7]);
    for (const QString &name : {u"Würfel2_Button"_s, u"Audio"_s, u"ErgebnisTEXT"_s, u"ZahlLinks"_s})
        QCOMPARE(d.tip(name), QString());
}

void TestRandom::helpPage_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("starts");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("D") << u"D"_s << u"3) Aufgaben in zufälliger Reihenfolge"_s
                       << QStringList{u"Dies ist die letzte Funktion. Die sollte man erst machen, wenn man schon mit 1 und 3 gelernt hat. Man klickt auf eine Zahl (unten) um eine Reihe zu lernen. Mit dem Würfel bekommt man eine neue Aufgabe."_s,
                                      u"Mit der Daumentaste kann man sich die Antwort anschauen und mit dem Vergleichen was man etweder im Kopf hat, oder was man laut vor sich hersagte. Dann diese Aufgabe nochmal laut lesen, damit sie sich einprägt. Vor allem wenn die eigene Antwort falsch war. Wenn man bei 2x4 nicht 8 gesagt hat, dann liest man ein paar Mal: 2 x 4 ist 8, 2 x 4 ist 8."_s,
                                      u"Zum besseren Einprägen kann man sie auch andersherum aufsagen: 4 x 2 ist 8, da das immer das gleiche Ergebnis bringt. Der erste Würfel ist für das Rechnen mit eine Zahl. Der zweite Würfel ist für die den nächsten Schritt. Verschiedene Zahlen. Rechts kann man wähl von wo bis wo der Zahlenbereich gehen soll. Das ist der schwerste und letzte Schritt, den man zum Lernen gehen kann."_s}
                       << QList<int>{201, 347, 380};
    QTest::newRow("E") << u"E"_s << u"3) Tasks in Random Order"_s
                       << QStringList{u"This is the last function,"_s, u"With the thumb key you can look at the answer"_s,
                                      u"For better memorizing, you can also say it the other way round"_s}
                       << QList<int>{172, 295, 351};
    QTest::newRow("S") << u"S"_s << u"3) Tareas en orden aleatorio"_s
                       << QStringList{u"Esta es la última función,"_s, u"Con el botón para el pulgar"_s,
                                      u"Para una mejor memorización,"_s}
                       << QList<int>{190, 351, 351};
    QTest::newRow("F") << u"F"_s << u"3) Tâches dans un ordre aléatoire"_s
                       << QStringList{u"Ceci est la dernière fonction,"_s, u"Avec le bouton du pouce,"_s,
                                      u"Pour mieux mémoriser,"_s}
                       << QList<int>{213, 338, 369};
    QTest::newRow("NL") << u"NL"_s << u"3) Taken in willekeurige volgorde"_s
                        << QStringList{u"Dit is de laatste functie,"_s, u"Met de duimtoets kun je"_s,
                                       u"Om beter te onthouden,"_s}
                        << QList<int>{207, 330, 372};
    QTest::newRow("I") << u"I"_s << u"3) Attività in ordine casuale"_s
                       << QStringList{u"Questa è l'ultima funzione,"_s, u"Con la chiave del pollice"_s,
                                      u"Per una migliore memorizzazione,"_s}
                       << QList<int>{182, 330, 369};
}

void TestRandom::helpPage()
{
    QFETCH(QString, sprache);
    QFETCH(QString, title);
    QFETCH(QStringList, starts);
    QFETCH(QList<int>, lengths);
    Dice d(sprache);
    d.sounds.clear();
    for (int round = 0; round < 2; ++round) {
        d.click(u"HelpButton"_s);
        QVERIFY(d.w(u"Frame2"_s)->isVisible());
        QCOMPARE(d.pic(u"HelpButton"_s), u"HelpPage_Leave.jpg"_s);
        QCOMPARE(d.text(u"Label4"_s), title);
        for (int i = 0; i < 3; ++i) {
            const QString paragraph = d.text(u"Label%1"_s.arg(i + 1));
            QVERIFY2(paragraph.startsWith(starts[i]), qPrintable(paragraph));
            QCOMPARE(paragraph.size(), lengths[i]);
        }
        // The other keys keep working under the open page.
        d.click(u"Zahl1_3"_s);
        QCOMPARE(d.text(u"LabelLinks"_s), u"4"_s);
        d.click(u"HelpButton"_s);
        QVERIFY(!d.w(u"Frame2"_s)->isVisible());
        QCOMPARE(d.pic(u"HelpButton"_s), u"HelpButton.jpg"_s);
    }
    QCOMPARE(d.sounds.names(), (QStringList{u"sHallo2.wav"_s, kTennisBall, u"sHallo2.wav"_s, kTennisBall}));
}

void TestRandom::leave()
{
    WorkDir dir;
    SoundRecorder sounds;
    app().settings.sprache = u"D"_s;
    app().settings.malSymbol = u"x"_s;
    int result = -1;
    bool stillOpen = true;
    QByteArray atLoad;
    const QString name = withModal(
        [&] {
            RandomWindow screen;
            result = screen.exec();
            stillOpen = screen.isVisible();
        },
        [&](QWidget *modal) {
            atLoad = dir.readIni();
            sounds.clear();
            click(child(modal, u"ExitButton"_s));
        });
    QCOMPARE(name, u"B3_ZUFALL"_s);
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!stillOpen);
    QCOMPARE(sounds.names(), QStringList{u"sSlam.wav"_s});
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(dir.readIni(), atLoad);
}

// Any clicks in any order, in any language and with any stored row or
// colour: the screen stays, and an answer shown is always the product of the
// two factors on display, each in its die's range.
void TestRandom::anyClicks_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<qint16>("farbe");
    QTest::addColumn<qint16>("row");
    for (const QString &code : {u"D"_s, u"E"_s, u"S"_s, u"F"_s, u"NL"_s, u"I"_s, u"X"_s, QString()})
        QTest::newRow(qPrintable(code.isEmpty() ? u"empty"_s : code)) << code << qint16(-3) << qint16(32767);
    QTest::newRow("D, colour 3, row 0") << u"D"_s << qint16(3) << qint16(0);
}

void TestRandom::anyClicks()
{
    QFETCH(QString, sprache);
    QFETCH(qint16, farbe);
    QFETCH(qint16, row);
    Dice d(sprache, 0.5f, farbe, u"x"_s, 0, row);
    QStringList keys{u"Würfel1_Button"_s, u"Würfel2_Button"_s, u"OKButton"_s, u"OKButton"_s,
                     u"HelpButton"_s, u"Audio"_s};
    for (int i = 0; i < 10; ++i)
        keys << u"Zahl1_%1"_s.arg(i);
    for (int i = 0; i < 8; ++i)
        keys << u"Mal_Bereich_%1"_s.arg(i);
    for (int i = 0; i < 4; ++i)
        keys << u"Pinsel_%1"_s.arg(i);

    std::mt19937 pick(20261209);
    int shown = 0;
    for (int n = 0; n < 120; ++n) {
        const QString key = keys[int(pick() % keys.size())];
        d.click(key);
        QVERIFY2(d.window->isVisible(), qPrintable(key));
        const int left = d.factor(u"ZahlLinks"_s);
        const int right = d.factor(u"ZahlRechts"_s);
        QVERIFY2(left >= 1 && left <= 10 && right >= 1 && right <= 10, qPrintable(key));
        const QString answer = d.text(u"ErgebnisTEXT"_s);
        if (answer != u"?") {
            QCOMPARE(answer, QString::number(left * right));
            ++shown;
        }
    }
    QVERIFY(shown > 0);
}

QTEST_MAIN(TestRandom)
#include "test_random.moc"
