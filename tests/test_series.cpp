#include "testsupport.h"

#include "screens/series/series_pass.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace mk;
using namespace mk::series;

namespace {

// The pass as a child sees it: the ten result labels, the smileys ('+' happy,
// '-' sad, '.' blank) and the line of the arrow (-1 for none).
struct Seen
{
    QStringList results;
    QString marks;
    int arrow = -1;
};

Seen seen(const SeriesPass &pass)
{
    Seen s;
    for (int k = 0; k < 10; ++k) {
        const auto r = pass.shownResult(k);
        s.results << (r ? QString::number(*r) : QString());
        s.marks += pass.mark(k) == Mark::Happy ? u'+' : pass.mark(k) == Mark::Sad ? u'-' : u'.';
    }
    s.arrow = pass.arrow().value_or(-1);
    return s;
}

QStringList results(std::initializer_list<int> shown)
{
    QStringList list;
    for (int n : shown)
        list << QString::number(n);
    while (list.size() < 10)
        list << QString();
    return list;
}

void type(SeriesPass &pass, std::initializer_list<int> digits)
{
    for (int d : digits)
        pass.type(d);
}

} // namespace

class TestSeries : public QObject
{
    Q_OBJECT

private slots:
    void validRow_data();
    void validRow();
    void tenStepsAndTheEleventh_data();
    void tenStepsAndTheEleventh();
    void rightAnswerInRowSeven();
    void emptyAnswerIsWrong();
    void checkAfterTheTenthStartsANewPass();
    void typedAnswer_data();
    void typedAnswer();
    void rotation();
    void erasers();
    void rowChoiceInTheMiddleOfAPass();
    void messages_data();
    void messages();
};

void TestSeries::validRow_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("row");
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("7") << 7 << 7;
    QTest::newRow("10") << 10 << 10;
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("11") << 11 << 1;
    QTest::newRow("-3") << -3 << 1;
    QTest::newRow("32767") << 32767 << 1;
}

void TestSeries::validRow()
{
    QFETCH(int, stored);
    QFETCH(int, row);
    QCOMPARE(SeriesPass(stored).row(), row);
    SeriesPass pass(5);
    pass.chooseRow(stored);
    QCOMPARE(pass.row(), row);
}

void TestSeries::tenStepsAndTheEleventh_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("products");
    QTest::newRow("row 3") << 3 << results({3, 6, 9, 12, 15, 18, 21, 24, 27, 30});
    QTest::newRow("row 7") << 7 << results({7, 14, 21, 28, 35, 42, 49, 56, 63, 70});
    QTest::newRow("row 10") << 10 << results({10, 20, 30, 40, 50, 60, 70, 80, 90, 100});
}

void TestSeries::tenStepsAndTheEleventh()
{
    QFETCH(int, row);
    QFETCH(QStringList, products);

    SeriesPass pass(row);
    QCOMPARE(seen(pass).results, results({}));
    QCOMPARE(seen(pass).arrow, -1);
    for (int n = 1; n <= 10; ++n) {
        const Step step = pass.reveal();
        QCOMPARE(step.newPass, false);
        QCOMPARE(step.task, n - 1);
        QCOMPARE(QString::number(step.product), products.at(n - 1));
        // The shared result then holds the next task's product, after the
        // tenth the tenth one's.
        QCOMPARE(QString::number(step.ergebnis), products.at(std::min(n, 9)));
        QCOMPARE(pass.schritt(), n);
        QCOMPARE(seen(pass).results, products.mid(0, n) + results({}).mid(n));
        QCOMPARE(seen(pass).arrow, n < 10 ? n : -1);
    }
    const Step eleventh = pass.reveal();
    QVERIFY(eleventh.newPass);
    QCOMPARE(eleventh.task, 0);
    QCOMPARE(QString::number(eleventh.product), products.at(0));
    QCOMPARE(seen(pass).results, products.mid(0, 1) + results({}).mid(1));
    QCOMPARE(seen(pass).arrow, 1);
}

void TestSeries::rightAnswerInRowSeven()
{
    SeriesPass pass(7);
    pass.reveal();
    pass.reveal();
    type(pass, {2, 1});
    QCOMPARE(pass.eingabe(), u"21"_s);
    const Check check = pass.check();
    QVERIFY(check.right);
    QCOMPARE(check.step.task, 2);
    QCOMPARE(check.step.product, 21);
    QCOMPARE(check.step.ergebnis, 28);
    QCOMPARE(seen(pass).results, results({7, 14, 21}));
    QCOMPARE(seen(pass).marks, u"..+......."_s);
    QCOMPARE(seen(pass).arrow, 3);
    // The answer stays until the next digit, which starts a new one.
    QCOMPARE(pass.eingabe(), u"21"_s);
    QVERIFY(pass.antwortGeprueft());
    const Typing typing = pass.type(5);
    QVERIFY(typing.erasedFirst);
    QVERIFY(typing.taken);
    QCOMPARE(pass.eingabe(), u"5"_s);
    QVERIFY(!pass.antwortGeprueft());

    QVERIFY(!pass.check().right);
    QCOMPARE(seen(pass).marks, u"..+-......"_s);
    QCOMPARE(seen(pass).results, results({7, 14, 21, 28}));
    QCOMPARE(seen(pass).arrow, 4);
}

void TestSeries::emptyAnswerIsWrong()
{
    SeriesPass pass(4);
    const Check check = pass.check();
    QVERIFY(!check.right);
    QCOMPARE(check.step.product, 4);
    QCOMPARE(seen(pass).marks, u"-........."_s);
    QCOMPARE(seen(pass).results, results({4}));
    QCOMPARE(seen(pass).arrow, 1);
    QCOMPARE(pass.eingabe(), u"0"_s);
}

void TestSeries::checkAfterTheTenthStartsANewPass()
{
    SeriesPass pass(6);
    for (int n = 0; n < 9; ++n)
        pass.check();
    type(pass, {6, 0});
    QVERIFY(pass.check().right);
    QCOMPARE(seen(pass).marks, u"---------+"_s);
    QCOMPARE(seen(pass).arrow, -1);
    type(pass, {6});
    const Check again = pass.check();
    QVERIFY(again.step.newPass);
    QVERIFY(again.right);
    QCOMPARE(seen(pass).marks, u"+........."_s);
    QCOMPARE(seen(pass).results, results({6}));
    QCOMPARE(seen(pass).arrow, 1);
}

void TestSeries::typedAnswer_data()
{
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QList<bool>>("taken");
    QTest::newRow("0 then 8") << QList<int>{0, 8} << u"8"_s << QList<bool>{true, true};
    QTest::newRow("leading zeros") << QList<int>{0, 0, 7} << u"7"_s << QList<bool>{true, true, true};
    QTest::newRow("100") << QList<int>{1, 0, 0} << u"100"_s << QList<bool>{true, true, true};
    // A fourth digit would overflow sooner or later; it changes nothing.
    QTest::newRow("fourth digit") << QList<int>{1, 2, 3, 4} << u"123"_s << QList<bool>{true, true, true, false};
    QTest::newRow("many") << QList<int>{9, 9, 9, 9, 9, 9, 9} << u"999"_s
                          << QList<bool>{true, true, true, false, false, false, false};
    QTest::newRow("zeros only") << QList<int>{0, 0, 0, 0, 0} << u"0"_s << QList<bool>{true, true, true, true, true};
}

void TestSeries::typedAnswer()
{
    QFETCH(QList<int>, digits);
    QFETCH(QString, eingabe);
    QFETCH(QList<bool>, taken);
    SeriesPass pass(2);
    QCOMPARE(pass.eingabe(), u"0"_s);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const Typing typing = pass.type(digits.at(i));
        QCOMPARE(typing.taken, taken.at(i));
        QVERIFY(!typing.erasedFirst);
    }
    QCOMPARE(pass.eingabe(), eingabe);
    QCOMPARE(seen(pass).results, results({}));
}

void TestSeries::rotation()
{
    SeriesPass pass(7);
    pass.reveal();
    pass.check();
    QCOMPARE(pass.leftFactor(2), 3);
    QCOMPARE(pass.rightFactor(2), 7);
    pass.rotate();
    QVERIFY(pass.gedreht());
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(pass.leftFactor(k), 7);
        QCOMPARE(pass.rightFactor(k), k + 1);
    }
    QCOMPARE(seen(pass).results, results({7, 14}));
    QCOMPARE(seen(pass).marks, u".-........"_s);
    QCOMPARE(seen(pass).arrow, 2);
    QCOMPARE(pass.schritt(), 2);
    pass.rotate();
    QCOMPARE(pass.leftFactor(9), 10);
    QCOMPARE(pass.rightFactor(9), 7);
}

void TestSeries::erasers()
{
    SeriesPass pass(3);
    pass.reveal();
    type(pass, {6});
    pass.check();
    type(pass, {4, 2});
    pass.clearTyped();
    QCOMPARE(pass.eingabe(), u"0"_s);
    QCOMPARE(seen(pass).results, results({3, 6}));
    QCOMPARE(seen(pass).marks, u".+........"_s);
    QCOMPARE(seen(pass).arrow, 2);

    type(pass, {9});
    pass.rotate();
    pass.restart();
    QCOMPARE(seen(pass).results, results({}));
    QCOMPARE(seen(pass).marks, u".........."_s);
    QCOMPARE(seen(pass).arrow, -1);
    QCOMPARE(pass.eingabe(), u"9"_s);
    QCOMPARE(pass.row(), 3);
    QVERIFY(pass.gedreht());
    QCOMPARE(pass.reveal().product, 3);
}

void TestSeries::rowChoiceInTheMiddleOfAPass()
{
    SeriesPass pass(9);
    pass.reveal();
    type(pass, {1, 8});
    pass.check();
    pass.rotate();
    pass.chooseRow(4);
    QCOMPARE(pass.row(), 4);
    QCOMPARE(pass.leftFactor(0), 4);
    QCOMPARE(pass.rightFactor(0), 1);
    QCOMPARE(seen(pass).results, results({}));
    QCOMPARE(seen(pass).marks, u".........."_s);
    QCOMPARE(seen(pass).arrow, -1);
    QCOMPARE(pass.eingabe(), u"18"_s);
    QVERIFY(pass.antwortGeprueft());
    QCOMPARE(pass.reveal().product, 4);
    QCOMPARE(seen(pass).arrow, 1);
}

void TestSeries::messages_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("row3");
    QTest::addColumn<QString>("result12");
    QTest::newRow("D") << 0 << u"Die Reihe \n3 wurde ausgewählt."_s << u"Das Ergebnis: \n12"_s;
    QTest::newRow("E") << 1 << u"The number \n3 was chosen."_s << u"The result: \n12"_s;
    QTest::newRow("S") << 2 << u"El número \n3 fue elegido."_s << u"El resultadofrf: \n12"_s;
    QTest::newRow("F") << 3 << u"Le nombre \n3 a été choisi."_s << u"Le résultat:  \n12"_s;
    QTest::newRow("NL") << 4 << u"Het nummer \n3 was geselecteerd."_s << u"Het resultaatit: \n12"_s;
    QTest::newRow("I") << 5 << u"Il numero \n3 è stato scelto."_s << u"Il risultato: \n12"_s;
}

void TestSeries::messages()
{
    QFETCH(int, language);
    QFETCH(QString, row3);
    QFETCH(QString, result12);
    const auto lang = std::optional<std::size_t>(static_cast<std::size_t>(language));
    QCOMPARE(rowMessage(lang, 3), row3);
    QCOMPARE(resultMessage(lang, 12), result12);
    QCOMPARE(rowMessage(std::nullopt, 3), std::nullopt);
    QCOMPARE(resultMessage(std::nullopt, 12), std::nullopt);
}

QTEST_MAIN(TestSeries)
#include "test_series.moc"
