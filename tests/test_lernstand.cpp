#include "testsupport.h"

#include "frame/appstate.h"
#include "screens/lernstand/lernstand_progress.h"
#include "screens/lernstand/lernstand_round.h"
#include "screens/lernstand/lernstand_store.h"
#include "screens/lernstand/lernstand_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace mk;
using namespace mk::lernstand;
using namespace mk::test;

namespace {

const QDate kDay1(2026, 12, 8);
const QByteArray kHeader = "# Malkobold progress: first factor, second factor, right, wrong, days, last, date\n";

// "+" and "-" answers of one task, a digit after each for the day (1 = kDay1).
Progress answered(Task task, const QString &answers)
{
    Progress p;
    for (qsizetype i = 0; i + 1 < answers.size(); i += 2)
        p.answer(task, answers[i] == u'+', kDay1.addDays(answers[i + 1].digitValue() - 1));
    return p;
}

QStringList tasksOf(const Round &round)
{
    QStringList out;
    for (const int cell : round.cells())
        out << u"%1x%2"_s.arg(taskOf(cell).a).arg(taskOf(cell).b);
    return out;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray daysAgo(int days)
{
    return QDate::currentDate().addDays(-days).toString(Qt::ISODate).toLatin1();
}

// The board in `language` on row `row`, over a progress file of `lines`.
struct Board : ScreenFixture<LernstandWindow>
{
    explicit Board(const QByteArray &lines, const QString &language = u"D"_s, int row = 7)
        : ScreenFixture([&](WorkDir &dir) {
              app().settings.sprache = language;
              app().settings.malReihe = static_cast<qint16>(row);
              if (!lines.isEmpty())
                  writeFile(dir.path() + u"/DTA/Lernstand.txt"_s, kHeader + lines);
          })
    {
    }
    int level(int cell) const { return (*this)(u"Feld_%1"_s.arg(cell))->property("level").toInt(); }
    QString shownTask() const { return u"%1x%2"_s.arg(factor("faktorA")).arg(factor("faktorB")); }
    int factor(const char *name) const { return (*this)(u"Aufgabe"_s)->property(name).toInt(); }
    void answer(int number) const
    {
        for (const QChar d : QString::number(number))
            click(u"Rechner_"_s + d);
        click(u"OKButton"_s);
    }
};

} // namespace

class TestLernstand : public QObject
{
    Q_OBJECT

private slots:
    void levels_data();
    void levels();
    void roundOrder_data();
    void roundOrder();
    void wrongComesBack();
    void reading_data();
    void reading();
    void storeKeepsOnlyReadableFiles_data();
    void storeKeepsOnlyReadableFiles();

    void boardShowsTheFile_data();
    void boardShowsTheFile();
    void practiceRound();
    void nextDayTheTasksAreDue();
};

void TestLernstand::levels_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("never") << u""_s << 0 << QByteArray();
    QTest::newRow("wrong") << u"-1"_s << 1 << QByteArray("3 7 0 1 0 - 2026-12-08");
    QTest::newRow("right once") << u"+1"_s << 2 << QByteArray("3 7 1 0 1 + 2026-12-08");
    QTest::newRow("right twice, one day") << u"+1+1"_s << 2 << QByteArray("3 7 2 0 1 + 2026-12-08");
    QTest::newRow("two days") << u"+1+2"_s << 3 << QByteArray("3 7 2 0 2 + 2026-12-09");
    QTest::newRow("three days: known") << u"+1+2+4"_s << 4 << QByteArray("3 7 3 0 3 + 2026-12-11");
    QTest::newRow("wrong after known") << u"+1+2+3-4"_s << 1 << QByteArray("3 7 3 1 0 - 2026-12-11");
    QTest::newRow("right after wrong, same day") << u"+1-1+1"_s << 2 << QByteArray("3 7 2 1 1 + 2026-12-08");
    QTest::newRow("wrong, then two days") << u"-1+2+3"_s << 3 << QByteArray("3 7 2 1 2 + 2026-12-10");
}

void TestLernstand::levels()
{
    QFETCH(QString, answers);
    QFETCH(int, level);
    QFETCH(QByteArray, line);
    const Progress p = answered({3, 7}, answers);
    QCOMPARE(p.level(cellOf({3, 7})), level);
    QCOMPARE(p.level(cellOf({7, 3})), 0);
    QCOMPARE(p.knownCount(), level == 4 ? 1 : 0);
    QCOMPARE(p.format(), kHeader + (line.isEmpty() ? QByteArray() : line + '\n'));
    // What is written reads back the same.
    QCOMPARE(Progress::parse(p.format()).format(), p.format());
}

void TestLernstand::roundOrder_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("tasks");
    // Today is 2026-12-10.
    QTest::newRow("empty: the row first, then board order")
        << QByteArray() << 3
        << QStringList{u"1x3"_s, u"2x3"_s, u"3x3"_s, u"4x3"_s, u"5x3"_s, u"6x3"_s, u"7x3"_s, u"8x3"_s, u"9x3"_s, u"10x3"_s};
    QTest::newRow("groups and dates")
        << QByteArray("5 5 9 0 3 + 2026-12-01\n"  // known
                      "2 2 1 0 1 + 2026-12-10\n"  // right today: not taken
                      "4 4 1 0 1 + 2026-12-09\n"  // level 2
                      "3 3 2 0 2 + 2026-12-08\n"  // level 3, older
                      "9 9 0 1 0 - 2026-12-09\n"  // wrong
                      "8 8 0 2 0 - 2026-12-09\n"  // wrong, same date, earlier on the board
                      "6 6 0 1 0 - 2026-12-02\n") // wrong, oldest
        << 1
        << QStringList{u"6x6"_s, u"8x8"_s, u"9x9"_s, u"3x3"_s, u"4x4"_s, u"1x1"_s, u"2x1"_s, u"3x1"_s, u"4x1"_s, u"5x1"_s};
    QByteArray allKnown;
    for (int cell = 0; cell < 100; ++cell)
        allKnown += u"%1 %2 3 0 3 + %3\n"_s.arg(cell % 10 + 1).arg(cell / 10 + 1).arg(cell == 16 ? u"2026-11-01" : u"2026-12-01").toLatin1();
    QTest::newRow("all known: oldest first")
        << allKnown << 5
        << QStringList{u"7x2"_s, u"1x1"_s, u"2x1"_s, u"3x1"_s, u"4x1"_s, u"5x1"_s, u"6x1"_s, u"7x1"_s, u"8x1"_s, u"9x1"_s};
}

void TestLernstand::roundOrder()
{
    QFETCH(QByteArray, file);
    QFETCH(int, row);
    QFETCH(QStringList, tasks);
    QCOMPARE(tasksOf(Round(Progress::parse(file), QDate(2026, 12, 10), row)), tasks);
}

void TestLernstand::wrongComesBack()
{
    // 9 x 9 wrong the last time, 1 x 1 at level 2, then eight new tasks.
    const Progress p = Progress::parse("9 9 0 1 0 - 2026-12-09\n1 1 1 0 1 + 2026-12-09\n");
    const auto run = [&p](const QString &answers) {
        Round round(p, QDate(2026, 12, 10), 4);
        for (const QChar c : answers)
            round.answered(c == u'+');
        return round.current() ? u"%1x%2"_s.arg(round.current()->a).arg(round.current()->b) : u"over"_s;
    };
    QCOMPARE(run(u"-"_s), u"1x1"_s);
    // Every other task was right once: 9 x 9 is back, last, and then the round is over.
    QCOMPARE(run(u"-+++++++++"_s), u"9x9"_s);
    QCOMPARE(run(u"-++++++++++"_s), u"over"_s);
    // Wrong over and over: the round ends after twenty answers.
    QCOMPARE(run(QString(19, u'-')), u"8x4"_s);
    QCOMPARE(run(QString(20, u'-')), u"over"_s);
}

void TestLernstand::reading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("written");
    const QByteArray good = "3 7 4 1 2 + 2026-12-08\n";
    QTest::newRow("good") << kHeader + good << kHeader + good;
    QTest::newRow("CR LF") << QByteArray("# x\r\n3 7 4 1 2 + 2026-12-08\r\n") << kHeader + good;
    QTest::newRow("no line end at the end") << QByteArray("# x\n3 7 4 1 2 + 2026-12-08") << kHeader + good;
    QTest::newRow("bad lines dropped")
        << QByteArray("# x\n3 7 4 1 2 + 2026-12-08 x\n3 7 4 1 2 +\n0 7 4 1 2 + 2026-12-08\n11 7 4 1 2 + 2026-12-08\n"
                      "3 7 4 1 2 * 2026-12-08\n3 7 -4 1 2 + 2026-12-08\n3  7 4 1 2 + 2026-12-08\n"
                      "3 7 4 1 2 + 2026-13-08\n3 7 4 1 2 + 2026-02-30\n3 7 4 1 2 + 08.12.2026\n03 7 4 1 2 + 2026-12-08\n"
                      "\n3 7 4 1 2 + 2026-12-08\n")
        << kHeader + good;
    QTest::newRow("second line for a task dropped")
        << QByteArray("# x\n3 7 4 1 2 + 2026-12-08\n3 7 9 9 0 - 2026-12-09\n") << kHeader + good;
    // A kill while the file was overwritten in place leaves an old tail: its
    // first line is cut, the rest are tasks the new content holds.
    QTest::newRow("old tail after an overwrite")
        << kHeader + good + "0 7 1 0 1 + 2026-12-01\n3 7 1 1 0 - 2026-12-01\n" << kHeader + good;
    QTest::newRow("binary") << QByteArray("\0\xff\xfe 3 7\n\x01", 9) << kHeader;
    QTest::newRow("read no further than 64 KiB")
        << kHeader + QByteArray(64 * 1024 - kHeader.size(), 'x') + '\n' + good << kHeader;
}

void TestLernstand::reading()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, written);
    QCOMPARE(Progress::parse(file).format(), written);
}

// A link or a file without permission is refused as the settings file is
// (SafeFile, tested with the settings); here: what the store does then.
void TestLernstand::storeKeepsOnlyReadableFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("keeps");
    QTest::newRow("missing") << u"missing"_s << true;
    QTest::newRow("plain") << u"plain"_s << true;
    QTest::newRow("folder") << u"folder"_s << false;
    QTest::newRow("FIFO") << u"fifo"_s << false;
}

void TestLernstand::storeKeepsOnlyReadableFiles()
{
    QFETCH(QString, kind);
    QFETCH(bool, keeps);
    WorkDir dir;
    const QString path = app().dirs.iniDir + u"Lernstand.txt"_s;
    if (kind == u"plain")
        QVERIFY(writeFile(path, kHeader + "3 7 4 1 2 + 2026-12-08\n"));
    if (kind == u"folder")
        QVERIFY(QDir().mkdir(path));
    if (kind == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    const QDateTime before = QFileInfo(path).lastModified();

    Store store(app().dirs.iniDir);
    QCOMPARE(store.keeps(), keeps);
    store.record({7, 3}, true, kDay1);
    QVERIFY(Store::flush() || !keeps);
    QCOMPARE(store.progress().level(cellOf({7, 3})), 2);
    if (keeps) {
        QCOMPARE(readFile(path), kHeader + "7 3 1 0 1 + 2026-12-08\n" + (kind == u"plain" ? "3 7 4 1 2 + 2026-12-08\n" : ""));
        // A new store reads what the last one wrote.
        QCOMPARE(Store(app().dirs.iniDir).progress().format(), readFile(path));
    } else {
        QCOMPARE(QFileInfo(path).lastModified(), before);
        QCOMPARE(QFileInfo(path).isDir(), kind == u"folder");
    }
}

void TestLernstand::boardShowsTheFile_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("anzahl");
    QTest::addColumn<QString>("name62");
    QTest::addColumn<QString>("name26");
    QTest::newRow("D") << u"D"_s << u"Das kann ich schon: 2 von 100"_s << u"3 mal 7: gewusst!"_s
                       << u"7 mal 3: zuletzt falsch"_s;
    QTest::newRow("E") << u"E"_s << u"I already know 2 of 100"_s << u"3 times 7: known!"_s
                       << u"7 times 3: wrong the last time"_s;
}

void TestLernstand::boardShowsTheFile()
{
    QFETCH(QString, language);
    QFETCH(QString, anzahl);
    QFETCH(QString, name62);
    QFETCH(QString, name26);
    const Board b("3 7 5 0 3 + 2026-12-01\n7 3 1 1 0 - 2026-12-01\n1 1 2 0 2 + 2026-12-01\n"
                  "2 1 1 0 1 + 2026-12-01\n10 10 4 0 9 + 2026-12-01\n",
                  language);
    QCOMPARE(b.text(u"Anzahl"_s), anzahl);
    QCOMPARE(b(u"Feld_62"_s)->accessibleName(), name62);
    QCOMPARE(b(u"Feld_26"_s)->accessibleName(), name26);
    const QList<int> levels{b.level(0), b.level(1), b.level(2), b.level(26), b.level(62), b.level(99)};
    QCOMPARE(levels, (QList<int>{3, 2, 0, 1, 4, 4}));
    QCOMPARE(b.shownTask(), u"0x0"_s);
}

void TestLernstand::practiceRound()
{
    Board b({}, u"D"_s, 7);
    b.click(u"UebenButton"_s);
    QCOMPARE(b.shownTask(), u"1x7"_s);
    b.sounds.clear();
    b.click(u"Rechner_9"_s);
    b.click(u"Radierer"_s);
    QCOMPARE(b.text(u"Eingabe"_s), QString());
    b.answer(7);
    QCOMPARE(b.sounds.names(), (QStringList{u"sDrop1.wav"_s, u"sBang.wav"_s, u"sDrop1.wav"_s, u"sBoingLow.wav"_s}));
    QCOMPARE(b.pic(u"SmileyFeld"_s), u"SmileyFroh.jpg"_s);
    QCOMPARE(b.level(60), 2);
    QCOMPARE(b.shownTask(), u"2x7"_s);
    b.answer(15);
    QCOMPARE(b.pic(u"SmileyFeld"_s), u"SmileyTraurig.jpg"_s);
    QCOMPARE(b.level(61), 1);
    for (int a = 3; a <= 10; ++a) {
        QCOMPARE(b.shownTask(), u"%1x7"_s.arg(a));
        b.answer(a * 7);
    }
    // The wrong one comes back last; then the round is over, with praise.
    QCOMPARE(b.shownTask(), u"2x7"_s);
    b.answer(14);
    QCOMPARE(b.shownTask(), u"0x0"_s);
    QVERIFY(b.text(u"TextFeld"_s).endsWith(u"Super gemacht! Die Runde ist geschafft."_s));
    QCOMPARE(b.level(61), 2);
    QCOMPARE(b.text(u"Anzahl"_s), u"Das kann ich schon: 0 von 100"_s);
    QVERIFY(Store::flush());
    const QByteArray today = daysAgo(0);
    QCOMPARE(readFile(b.dir.path() + u"/DTA/Lernstand.txt"_s).split('\n').mid(1, 3),
             (QList<QByteArray>{"1 7 1 0 1 + " + today, "2 7 1 1 1 + " + today, "3 7 1 0 1 + " + today}));
}

void TestLernstand::nextDayTheTasksAreDue()
{
    // Right on two days before: a third day makes 3 x 7 known. 4 x 7 was
    // right today already: the new tasks of row 7 come next, without it.
    const Board b("3 7 2 0 2 + " + daysAgo(1) + "\n4 7 1 0 1 + " + daysAgo(0) + '\n');
    QCOMPARE(b.level(62), 3);
    b.click(u"UebenButton"_s);
    for (const int product : {21, 7, 14})
        b.answer(product);
    QCOMPARE(b.level(62), 4);
    QCOMPARE(b.text(u"Anzahl"_s), u"Das kann ich schon: 1 von 100"_s);
    QCOMPARE(b.shownTask(), u"5x7"_s);
}

QTEST_MAIN(TestLernstand)
#include "test_lernstand.moc"
