#include "testsupport.h"

#include "frame/appstate.h"
#include "screens/random/random_task.h"

#include <QTest>

#include <algorithm>
#include <deque>
#include <limits>
#include <map>
#include <memory>
#include <set>

using namespace Qt::StringLiterals;
using namespace mk;
using namespace mk::test;
using mk::random::DiceTask;
using mk::random::Messages;

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

class TestRandom : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setRandomSource({}); }

    void firstDie_data();
    void firstDie();
    void secondDieLeft_data();
    void secondDieLeft();
    void ranges_data();
    void ranges();
    void everyFactorOfTheDice();
    void secondDieDrawsLeftFirst();
    void firstDieKeepsTheRow();
    void outOfRangeChoicesChangeNothing();
    void sourceOutsideItsPromise();
    void realGeneratorCoversEveryValue();
    void nextRandomStaysBelowOne();
    void messages_data();
    void messages();
};

void TestRandom::firstDie_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("left");
    QTest::newRow("0") << 0.0f << 1;
    QTest::newRow("0.0999") << 0.0999f << 1;
    QTest::newRow("0.1") << 0.1f << 2;
    QTest::newRow("0.55") << 0.55f << 6;
    QTest::newRow("0.8999") << 0.8999f << 9;
    QTest::newRow("0.90625") << 0.90625f << 10;
    QTest::newRow("below 1") << kAlmostOne << 10;
}

void TestRandom::firstDie()
{
    QFETCH(float, r);
    QFETCH(int, left);
    QCOMPARE(DiceTask::firstDieLeft(r), left);
}

void TestRandom::secondDieLeft_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("left");
    QTest::newRow("0") << 0.0f << 2;
    QTest::newRow("0.124") << 0.124f << 2;
    QTest::newRow("0.125") << 0.125f << 3;
    QTest::newRow("0.5") << 0.5f << 6;
    QTest::newRow("0.874") << 0.874f << 8;
    QTest::newRow("0.875") << 0.875f << 9;
    QTest::newRow("below 1") << kAlmostOne << 9;
}

void TestRandom::secondDieLeft()
{
    QFETCH(float, r);
    QFETCH(int, left);
    QCOMPARE(DiceTask::secondDieLeft(r), left);
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

void TestRandom::secondDieDrawsLeftFirst()
{
    DiceTask task;
    task.chooseRange(6); // 3 - 7
    {
        Draws draws({0.0f, kAlmostOne});
        task.rollSecond();
    }
    QCOMPARE(task.left(), 2);
    QCOMPARE(task.right(), 7);
    QCOMPARE(task.product(), 14);
    {
        Draws draws({kAlmostOne, 0.0f});
        task.rollSecond();
    }
    QCOMPARE(task.left(), 9);
    QCOMPARE(task.right(), 3);
    QCOMPARE(task.product(), 27);
}

// The first die keeps whatever right factor is there: the row from the
// strip, or the one the second die drew last.
void TestRandom::firstDieKeepsTheRow()
{
    DiceTask task;
    QVERIFY(task.chooseRow(10));
    {
        Draws draws({kAlmostOne});
        task.rollFirst();
    }
    QCOMPARE(task.left(), 10);
    QCOMPARE(task.right(), 10);
    QCOMPARE(task.product(), 100);

    QVERIFY(task.chooseRow(3));
    QVERIFY(task.chooseRange(4)); // 6 - 8
    {
        Draws draws({0.3f, 0.7f, 0.0f});
        task.rollSecond();
        QCOMPARE(task.right(), 8);
        task.rollFirst();
    }
    QCOMPARE(task.left(), 1);
    QCOMPARE(task.right(), 8);
    QCOMPARE(task.product(), 8);
}

void TestRandom::outOfRangeChoicesChangeNothing()
{
    DiceTask task;
    task.chooseRow(4);
    task.chooseRange(2);
    for (const int row : {0, 11, -1, 32767})
        QVERIFY(!task.chooseRow(row));
    for (const int key : {-1, 8, 100})
        QVERIFY(!task.chooseRange(key));
    QCOMPARE(task.right(), 4);
    QCOMPARE(task.range().from, 4);
    QCOMPARE(task.range().to, 6);
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

void TestRandom::messages_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("task");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("result");
    // Task 4 X 7, row 3, result 28.
    QTest::newRow("D") << u"D"_s << u"Die Aufgabe: \n4 X 7 =   ?"_s << u"Die Reihe \n3 wurde ausgewählt."_s
                       << u"Das Ergebnis: \n28"_s;
    QTest::newRow("E") << u"E"_s << u"The task: \n4 X 7 =   ?"_s << u"The number \n3 was chosen."_s
                       << u"The result: \n28"_s;
    QTest::newRow("S") << u"S"_s << u"La tarea: \n4 X 7 =   ?"_s << u"El número \n3 fue elegido."_s
                       << u"El resultado: \n28"_s;
    QTest::newRow("F") << u"F"_s << u"La tâche:  \n4 X 7 =   ?"_s << u"Le nombre \n3 a été choisi."_s
                       << u"Le résultat:  \n28"_s;
    QTest::newRow("NL") << u"NL"_s << u"De taak: \n4 X 7 =   ?"_s << u"Het nummer \n3 was geselecteerd."_s
                        << u"Het resultaatit: \n28"_s;
    QTest::newRow("I") << u"I"_s << u"Il compito: \n4 X 7 =   ?"_s << u"Il numero \n3 è stato scelto."_s
                       << u"Il risultato: \n28"_s;
}

void TestRandom::messages()
{
    QFETCH(QString, sprache);
    QFETCH(QString, task);
    QFETCH(QString, row);
    QFETCH(QString, result);
    const Messages m(languageIndex(sprache));
    QCOMPARE(m.task(4, 7), task);
    QCOMPARE(m.row(3), row);
    QCOMPARE(m.result(28), result);
    QCOMPARE(m.task(10, 10), task.replace(u"4 X 7"_s, u"10 X 10"_s));

    const Messages none(languageIndex(u"X"_s));
    QVERIFY(!none.task(4, 7));
    QVERIFY(!none.row(3));
    QVERIFY(!none.result(28));
}

QTEST_MAIN(TestRandom)
#include "test_random.moc"
