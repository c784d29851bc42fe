#include "testsupport.h"

#include "frame/appstate.h"
#include "frame/sound.h"
#include "screens/series/series_pass.h"
#include "screens/series/series_window.h"

#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace mk;
using namespace mk::series;
using namespace mk::test;

namespace {

const QStringList kLanguages{u"D"_s, u"E"_s, u"S"_s, u"F"_s, u"NL"_s, u"I"_s};

QString factor(int n)
{
    return u"Fläche%1.jpg"_s.arg(n, 2, 10, QLatin1Char('0'));
}

// The ten lines after the header, as the settings file holds them.
QByteArray iniTail(const char *sign, const char *sprache, int row, int audio, int farbe)
{
    return QByteArray("\"[MalSymbol$]\"\r\n\"") + sign + "\"\r\n\"[Sprache]\"\r\n\"" + sprache
        + "\"\r\n\"[Mal_Reihe]\"\r\n" + QByteArray::number(row) + "\r\n\"[Audio]\"\r\n"
        + QByteArray::number(audio) + "\r\n\"[Farbe]\"\r\n" + QByteArray::number(farbe) + "\r\n";
}

QByteArray tailOf(const QByteArray &ini)
{
    return ini.mid(ini.indexOf("\r\n") + 2);
}

// One opened series screen in a fresh working directory, sounds recorded.
class Window
{
public:
    explicit Window(int row = 7, const QString &sprache = u"D"_s, const QString &sign = u"x"_s, int farbe = 0)
    {
        Settings &s = app().settings;
        s.sprache = sprache;
        s.malSymbol = sign;
        s.malReihe = static_cast<qint16>(row);
        s.farbe = static_cast<qint16>(farbe);
        s.audioStatus = 0;
        window = std::make_unique<SeriesWindow>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the series screen did not show");
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
    void typeDigits(const QString &digits) const
    {
        for (QChar d : digits)
            click(u"Rechner_"_s + d);
    }
    QColor colour(const QString &name) const { return w(name)->palette().color(QPalette::WindowText); }

    QStringList column(const QString &group) const
    {
        QStringList all;
        for (int k = 0; k < 10; ++k) {
            QWidget *e = w(u"%1_%2"_s.arg(group).arg(k));
            all << (qobject_cast<QLabel *>(e) ? qobject_cast<QLabel *>(e)->text() : picture(e));
        }
        return all;
    }
    // '+' happy, '-' sad, '.' blank, '?' anything else.
    QString smileys() const
    {
        QString marks;
        for (const QString &p : column(u"SmileyFeld"_s))
            marks += p == u"SmileyFroh.jpg" ? u'+' : p == u"SmileyTraurig.jpg" ? u'-' : p == u"Fläche_leer.jpg" ? u'.' : u'?';
        return marks;
    }
    // The line of the one arrow; -1 for none, -2 for a wrong picture or two arrows.
    int arrow() const
    {
        int at = -1;
        const QStringList arrows = column(u"PfeilFeld"_s);
        for (int k = 0; k < 10; ++k) {
            if (arrows.at(k) == u"Pfeil1.jpg")
                at = at == -1 ? k : -2;
            else if (arrows.at(k) != u"Pfeil0.jpg")
                return -2;
        }
        return at;
    }
    QStringList tasks() const
    {
        QStringList lines;
        const QStringList left = column(u"ZReiheLinks"_s), right = column(u"ZReiheRechts"_s);
        for (int k = 0; k < 10; ++k)
            lines << left.at(k) + u" x "_s + right.at(k);
        return lines;
    }

    WorkDir dir;
    SoundRecorder sounds;
    std::unique_ptr<SeriesWindow> window;
};

// The task lines "Fläche01.jpg x Fläche07.jpg" .. for row 7 in normal order.
QStringList tasksOf(int row, bool swapped = false)
{
    QStringList lines;
    for (int k = 1; k <= 10; ++k)
        lines << (swapped ? factor(row) + u" x "_s + factor(k) : factor(k) + u" x "_s + factor(row));
    return lines;
}

// Logs each sound asked for, and whether the wait cursor was up just then.
class CursorAtSound final : public SoundBackend
{
public:
    explicit CursorAtSound(std::shared_ptr<QStringList> log) : m_log(std::move(log)) {}
    void play(const QString &path) override
    {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        const bool waiting = cursor && cursor->shape() == Qt::WaitCursor;
        m_log->append(QFileInfo(path).fileName() + (waiting ? u", waiting"_s : u""_s));
    }

private:
    std::shared_ptr<QStringList> m_log;
};

QStringList repeated(const QString &text, int n = 10)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << text;
    return list;
}

} // namespace

class TestSeries : public QObject
{
    Q_OBJECT

private slots:
    void typedAnswer_data();
    void typedAnswer();

    void loadOpensOnTheStoredRow();
    void controlsSitWhereTheLayoutSays();
    void storedRowOutsideTheStrip_data();
    void storedRowOutsideTheStrip();
    void unknownSignAndColour();
    void eyeKeyGoesThroughTheRow_data();
    void eyeKeyGoesThroughTheRow();
    void typedAndCheckedInRowSeven();
    void checkWithNothingTyped();
    void typingStopsAtThreeDigits();
    void rotateKey();
    void checkedAnswersAreRecorded();
    void smallEraser();
    void bigEraser();
    void rowChoiceInThePass();
    void brushes_data();
    void brushes();
    void ear();
    void messageLine_data();
    void messageLine();
    void tooltips_data();
    void tooltips();
    void unknownLanguage();
    void helpPage_data();
    void helpPage();
    void pressFeedback_data();
    void pressFeedback();
    void leaving();
    void reopeningStartsAfresh();
    void randomClicksShowOnlyProducts();
};

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
    QCOMPARE(pass.schritt(), 0);
}

void TestSeries::loadOpensOnTheStoredRow()
{
    Window s(3, u"D"_s, u"*"_s, 2);
    QCOMPARE(s.window->objectName(), u"B2_REIHE"_s);
    QCOMPARE(s.window->size(), QSize(1013, 753));
    QCOMPARE(s.tasks(), tasksOf(3));
    QCOMPARE(s.column(u"XZeichen"_s), repeated(u"Fläche_malS.jpg"_s));
    QCOMPARE(s.column(u"GZeichen"_s), repeated(u"Fläche_Gleich.jpg"_s));
    QCOMPARE(s.column(u"AntwortSchild"_s), repeated(u"Schild_Ergebnisse.jpg"_s));
    QCOMPARE(s.column(u"ErgebnisTEXT"_s), repeated(QString()));
    QCOMPARE(s.smileys(), u".........."_s);
    QCOMPARE(s.arrow(), -1);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"0"_s);
    QCOMPARE(s.text(u"TextFeld"_s), u"Die Reihe \n3 wurde ausgewählt."_s);
    QCOMPARE(s.pic(u"MalSymbolBild"_s), u"Fläche_malS.jpg"_s);
    QCOMPARE(s.pic(u"Audio"_s), u"OhrN.jpg"_s);
    QVERIFY(!s.w(u"Frame2"_s)->isVisible());
    QCOMPARE(s.w(u"Frame2"_s)->pos(), QPoint(8, 8));
    const QList<std::pair<QString, QString>> keys{
        {u"ExitButton"_s, u"ExitButton.jpg"_s},      {u"OKButton"_s, u"OK_Button.jpg"_s},
        {u"HelpButton"_s, u"HelpButton.jpg"_s},      {u"DrehPfeil"_s, u"DrehPfeil_normal.jpg"_s},
        {u"Zahl1_0"_s, u"01n.jpg"_s},                {u"Zahl1_9"_s, u"10n.jpg"_s},
        {u"Rechner_0"_s, u"00n.jpg"_s},              {u"Rechner_9"_s, u"09n.jpg"_s},
        {u"RadiererKlein"_s, u"RadierButton_klein_liegend.jpg"_s},
        {u"Radierer2"_s, u"RadierButton.jpg"_s},     {u"AugeButton"_s, u"Auge_normal.jpg"_s},
        {u"Pinsel_0"_s, u"Pinsel_schwarz.jpg"_s},    {u"Pinsel_1"_s, u"Pinsel_rot.jpg"_s},
        {u"Pinsel_2"_s, u"Pinsel_blau.jpg"_s},       {u"Pinsel_3"_s, u"Pinsel_grün.jpg"_s},
        // The decoration the layout carries.
        {u"Image2"_s, u"Reihe_Band.jpg"_s},          {u"Image3"_s, u"Reihe_Band.jpg"_s},
        {u"Image1"_s, u"Reihe_Leiste.jpg"_s},        {u"BalkenLi"_s, u"Reihe_Leiste.jpg"_s},
        {u"ErgebnisTafel"_s, u"Schild_Ergebnisse.jpg"_s},
    };
    for (const auto &[name, file] : keys)
        QCOMPARE(s.pic(name), file);
    // The stored brush colours the answers; the row choice plays and stores.
    QCOMPARE(s.colour(u"Ergebnisfeld"_s), QColor(72, 164, 232));
    QCOMPARE(s.colour(u"ErgebnisTEXT_9"_s), QColor(72, 164, 232));
    QCOMPARE(s.sounds.names(), QStringList{u"sTennisBall.wav"_s});
    QCOMPARE(tailOf(s.dir.readIni()), iniTail("*", "D", 3, 0, 2));
    QCOMPARE(s.dir.readIni().count("\r\n"), 11);
}

void TestSeries::controlsSitWhereTheLayoutSays()
{
    Window s;
    const QList<std::pair<QString, QRect>> places{
        {u"ZReiheLinks_0"_s, {72, 80, 49, 49}},     {u"ZReiheLinks_9"_s, {72, 584, 49, 49}},
        {u"XZeichen_4"_s, {120, 304, 49, 49}},      {u"ZReiheRechts_2"_s, {168, 192, 49, 49}},
        {u"GZeichen_7"_s, {216, 472, 49, 49}},      {u"AntwortSchild_0"_s, {264, 80, 145, 49}},
        {u"ErgebnisTEXT_0"_s, {264, 76, 145, 46}},  {u"ErgebnisTEXT_1"_s, {264, 134, 145, 54}},
        {u"ErgebnisTEXT_9"_s, {264, 581, 145, 54}}, {u"SmileyFeld_5"_s, {408, 360, 49, 49}},
        {u"PfeilFeld_9"_s, {464, 584, 49, 49}},     {u"Rechner_0"_s, {656, 240, 49, 49}},
        {u"Rechner_1"_s, {600, 72, 49, 49}},        {u"Rechner_9"_s, {712, 184, 49, 49}},
        {u"Zahl1_0"_s, {600, 608, 49, 49}},         {u"Zahl1_4"_s, {824, 608, 49, 49}},
        {u"Zahl1_5"_s, {600, 664, 49, 49}},         {u"Zahl1_9"_s, {824, 664, 49, 49}},
        {u"Pinsel_0"_s, {784, 96, 49, 49}},         {u"Pinsel_3"_s, {952, 96, 49, 49}},
        {u"RadiererKlein"_s, {712, 248, 49, 41}},   {u"Ergebnisfeld"_s, {600, 312, 161, 41}},
        {u"ErgebnisTafel"_s, {592, 304, 176, 60}},  {u"OKButton"_s, {592, 368, 177, 65}},
        {u"AugeButton"_s, {592, 480, 89, 89}},      {u"Radierer2"_s, {680, 488, 97, 73}},
        {u"DrehPfeil"_s, {800, 520, 81, 57}},       {u"Audio"_s, {920, 520, 81, 57}},
        {u"HelpButton"_s, {848, 24, 65, 57}},       {u"ExitButton"_s, {912, 24, 81, 57}},
        {u"MalSymbolBild"_s, {880, 640, 49, 49}},   {u"Frame1"_s, {792, 152, 209, 353}},
        {u"TextFeld"_s, {16, 16, 177, 313}},        {u"Image2"_s, {16, 16, 550, 40}},
        {u"Image1"_s, {16, 56, 36, 592}},           {u"BalkenLi"_s, {528, 56, 36, 592}},
        {u"Image3"_s, {16, 643, 549, 40}},          {u"Frame2"_s, {8, 8, 769, 737}},
        {u"Label4"_s, {56, 32, 673, 65}},           {u"Label1"_s, {56, 120, 673, 193}},
        {u"Label2"_s, {56, 328, 673, 185}},         {u"Label3"_s, {56, 528, 673, 185}},
    };
    for (const auto &[name, rect] : places) {
        if (s.w(name)->geometry() != rect)
            QFAIL(qPrintable(name));
    }
}

void TestSeries::storedRowOutsideTheStrip_data()
{
    QTest::addColumn<int>("stored");
    QTest::newRow("0, the value before any file") << 0;
    QTest::newRow("11") << 11;
    QTest::newRow("-4") << -4;
    QTest::newRow("32767") << 32767;
}

void TestSeries::storedRowOutsideTheStrip()
{
    QFETCH(int, stored);
    Window s(stored);
    QCOMPARE(s.tasks(), tasksOf(1));
    QCOMPARE(s.text(u"TextFeld"_s), u"Die Reihe \n1 wurde ausgewählt."_s);
    QCOMPARE(app().settings.malReihe, qint16(1));
    QCOMPARE(tailOf(s.dir.readIni()), iniTail("x", "D", 1, 0, 0));
    s.click(u"AugeButton"_s);
    QCOMPARE(s.text(u"ErgebnisTEXT_0"_s), u"1"_s);
}

void TestSeries::unknownSignAndColour()
{
    Window s(5, u"D"_s, u"+"_s, 7);
    QCOMPARE(s.column(u"XZeichen"_s), repeated(QString()));
    QCOMPARE(s.pic(u"MalSymbolBild"_s), QString());
    QCOMPARE(s.tasks(), tasksOf(5));
    QCOMPARE(tailOf(s.dir.readIni()), iniTail("+", "D", 5, 0, 7));
    // The answers keep the colour of the window's text.
    QCOMPARE(s.colour(u"Ergebnisfeld"_s), s.window->palette().color(QPalette::WindowText));
}

void TestSeries::eyeKeyGoesThroughTheRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("products");
    QTest::newRow("row 3") << 3 << QStringList{u"3"_s, u"6"_s, u"9"_s, u"12"_s, u"15"_s, u"18"_s, u"21"_s, u"24"_s, u"27"_s, u"30"_s};
    QTest::newRow("row 10") << 10 << QStringList{u"10"_s, u"20"_s, u"30"_s, u"40"_s, u"50"_s, u"60"_s, u"70"_s, u"80"_s, u"90"_s, u"100"_s};
    QTest::newRow("row 1") << 1 << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"10"_s};
}

void TestSeries::eyeKeyGoesThroughTheRow()
{
    QFETCH(int, row);
    QFETCH(QStringList, products);
    Window s(row);
    QCOMPARE(s.tasks(), tasksOf(row));
    for (int n = 1; n <= 10; ++n) {
        s.sounds.clear();
        s.click(u"AugeButton"_s);
        QCOMPARE(s.sounds.names(), QStringList{u"sBoingHigh.wav"_s});
        QCOMPARE(s.column(u"ErgebnisTEXT"_s), products.mid(0, n) + repeated(QString(), 10 - n));
        QCOMPARE(s.text(u"TextFeld"_s), u"Das Ergebnis: \n"_s + products.at(n - 1));
        QCOMPARE(s.arrow(), n < 10 ? n : -1);
        // The shared product is the next task's, after the tenth the tenth's.
        QCOMPARE(QString::number(app().ergebnis), products.at(std::min(n, 9)));
    }
    s.click(u"AugeButton"_s);
    QCOMPARE(s.column(u"ErgebnisTEXT"_s), products.mid(0, 1) + repeated(QString(), 9));
    QCOMPARE(s.arrow(), 1);
    QCOMPARE(s.text(u"TextFeld"_s), u"Das Ergebnis: \n"_s + products.at(0));
}

void TestSeries::typedAndCheckedInRowSeven()
{
    Window s(7);
    s.click(u"AugeButton"_s);
    s.click(u"AugeButton"_s);
    QCOMPARE(s.column(u"ErgebnisTEXT"_s), QStringList({u"7"_s, u"14"_s}) + repeated(QString(), 8));
    s.sounds.clear();
    s.typeDigits(u"21"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"21"_s);
    s.click(u"OKButton"_s);
    QCOMPARE(s.sounds.names(), (QStringList{u"sDrop1.wav"_s, u"sDrop1.wav"_s, u"sBoingLow.wav"_s, u"sBoingHigh.wav"_s}));
    QCOMPARE(s.smileys(), u"..+......."_s);
    QCOMPARE(s.column(u"ErgebnisTEXT"_s), QStringList({u"7"_s, u"14"_s, u"21"_s}) + repeated(QString(), 7));
    QCOMPARE(s.arrow(), 3);
    QCOMPARE(s.text(u"TextFeld"_s), u"Das Ergebnis: \n21"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"21"_s);
    QCOMPARE(app().ergebnis, qint16(28));

    // The next digit starts a new answer: the small eraser runs first.
    s.sounds.clear();
    s.click(u"Rechner_5"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"5"_s);
    QCOMPARE(s.sounds.names(), (QStringList{u"sDrop1.wav"_s, u"sBang.wav"_s}));
    s.click(u"OKButton"_s);
    QCOMPARE(s.smileys(), u"..+-......"_s);
    QCOMPARE(s.column(u"ErgebnisTEXT"_s).at(3), u"28"_s);
    QCOMPARE(s.arrow(), 4);
    QCOMPARE(s.tasks(), tasksOf(7));
}

void TestSeries::checkWithNothingTyped()
{
    Window s(9);
    s.sounds.clear();
    s.click(u"OKButton"_s);
    QCOMPARE(s.smileys(), u"-........."_s);
    QCOMPARE(s.column(u"ErgebnisTEXT"_s).at(0), u"9"_s);
    QCOMPARE(s.arrow(), 1);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"0"_s);
    QCOMPARE(s.sounds.names(), (QStringList{u"sBoingLow.wav"_s, u"sBoingHigh.wav"_s}));

    // Ten checks, then the eleventh starts a new pass with task 1.
    s.typeDigits(u"18"_s);
    s.click(u"OKButton"_s);
    for (int n = 3; n <= 10; ++n)
        s.click(u"OKButton"_s);
    QCOMPARE(s.smileys(), u"-+--------"_s);
    QCOMPARE(s.arrow(), -1);
    s.typeDigits(u"9"_s);
    s.click(u"OKButton"_s);
    QCOMPARE(s.smileys(), u"+........."_s);
    QCOMPARE(s.column(u"ErgebnisTEXT"_s), QStringList{u"9"_s} + repeated(QString(), 9));
    QCOMPARE(s.arrow(), 1);
}

void TestSeries::typingStopsAtThreeDigits()
{
    Window s(10);
    s.typeDigits(u"08"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"8"_s);
    s.click(u"RadiererKlein"_s);
    s.sounds.clear();
    s.typeDigits(u"1000099"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"100"_s);
    // Every key still answers.
    QCOMPARE(s.sounds.names(), repeated(u"sDrop1.wav"_s, 7));
    s.click(u"AugeButton"_s);
    s.click(u"AugeButton"_s);
    s.click(u"AugeButton"_s);
    s.typeDigits(u"5"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"100"_s);
    s.click(u"RadiererKlein"_s);
    s.typeDigits(u"40"_s);
    s.click(u"OKButton"_s);
    QCOMPARE(s.smileys(), u"...+......"_s);
}

void TestSeries::rotateKey()
{
    Window s(7);
    s.click(u"AugeButton"_s);
    s.typeDigits(u"14"_s);
    s.click(u"OKButton"_s);
    s.sounds.clear();
    s.click(u"DrehPfeil"_s);
    QCOMPARE(s.sounds.names(), QStringList());
    QCOMPARE(s.tasks(), tasksOf(7, true));
    QCOMPARE(s.tasks().at(2), u"Fläche07.jpg x Fläche03.jpg"_s);
    QCOMPARE(s.column(u"ErgebnisTEXT"_s), QStringList({u"7"_s, u"14"_s}) + repeated(QString(), 8));
    QCOMPARE(s.smileys(), u".+........"_s);
    QCOMPARE(s.arrow(), 2);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"14"_s);

    // A row chosen while swapped keeps the swap.
    s.click(u"Zahl1_3"_s);
    QCOMPARE(s.tasks(), tasksOf(4, true));
    s.click(u"DrehPfeil"_s);
    QCOMPARE(s.tasks(), tasksOf(4));
}

void TestSeries::checkedAnswersAreRecorded()
{
    Window s(7);
    s.click(u"AugeButton"_s);
    s.typeDigits(u"14"_s);
    s.click(u"OKButton"_s);
    s.click(u"DrehPfeil"_s);
    s.typeDigits(u"5"_s);
    s.click(u"OKButton"_s);
    s.click(u"AugeButton"_s);
    QVERIFY(lernstand::Store::flush());
    QFile file(s.dir.path() + u"/DTA/Lernstand.txt"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The eye records nothing; 3 x 7 after the swap is the task 7 x 3.
    const QByteArray today = QDate::currentDate().toString(Qt::ISODate).toLatin1();
    QCOMPARE(file.readAll(), "# Malkobold progress: first factor, second factor, right, wrong, days, last, date\n"
                             "7 3 0 1 0 - " + today + "\n2 7 1 0 1 + " + today + "\n");
}

void TestSeries::smallEraser()
{
    Window s(6);
    s.click(u"AugeButton"_s);
    s.typeDigits(u"12"_s);
    s.click(u"OKButton"_s);
    s.typeDigits(u"7"_s);
    s.sounds.clear();
    s.click(u"RadiererKlein"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sBang.wav"_s});
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"0"_s);
    QCOMPARE(s.column(u"ErgebnisTEXT"_s), QStringList({u"6"_s, u"12"_s}) + repeated(QString(), 8));
    QCOMPARE(s.smileys(), u".+........"_s);
    QCOMPARE(s.arrow(), 2);
    QCOMPARE(s.text(u"TextFeld"_s), u"Das Ergebnis: \n12"_s);
}

void TestSeries::bigEraser()
{
    Window s(6, u"E"_s);
    s.click(u"AugeButton"_s);
    s.typeDigits(u"12"_s);
    s.click(u"OKButton"_s);
    s.click(u"DrehPfeil"_s);
    s.sounds.clear();
    s.click(u"Radierer2"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sBang.wav"_s});
    QCOMPARE(s.column(u"ErgebnisTEXT"_s), repeated(QString()));
    QCOMPARE(s.smileys(), u".........."_s);
    QCOMPARE(s.arrow(), -1);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"12"_s);
    QCOMPARE(s.text(u"TextFeld"_s), u"The result: \n12"_s);
    QCOMPARE(s.tasks(), tasksOf(6, true));
    s.click(u"AugeButton"_s);
    QCOMPARE(s.column(u"ErgebnisTEXT"_s), QStringList{u"6"_s} + repeated(QString(), 9));
    QCOMPARE(s.arrow(), 1);
}

void TestSeries::rowChoiceInThePass()
{
    Window s(8, u"F"_s, u"."_s, 1);
    s.click(u"AugeButton"_s);
    s.click(u"AugeButton"_s);
    s.typeDigits(u"24"_s);
    s.click(u"OKButton"_s);
    s.sounds.clear();
    s.click(u"Zahl1_3"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sTennisBall.wav"_s});
    QCOMPARE(s.tasks(), tasksOf(4));
    QCOMPARE(s.column(u"ErgebnisTEXT"_s), repeated(QString()));
    QCOMPARE(s.smileys(), u".........."_s);
    // A new pass has no arrow before its first step.
    QCOMPARE(s.arrow(), -1);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"24"_s);
    QCOMPARE(s.text(u"TextFeld"_s), u"Le nombre \n4 a été choisi."_s);
    QCOMPARE(tailOf(s.dir.readIni()), iniTail(".", "F", 4, 0, 1));
    QCOMPARE(s.column(u"XZeichen"_s), repeated(u"Fläche_malPunkt.jpg"_s));
    // The checked answer still gives way to the next digit.
    s.click(u"Rechner_4"_s);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"4"_s);
    s.click(u"OKButton"_s);
    QCOMPARE(s.smileys(), u"+........."_s);
    QCOMPARE(s.arrow(), 1);
}

void TestSeries::brushes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("black") << 0 << QColor(0, 0, 0);
    QTest::newRow("red") << 1 << QColor(255, 0, 0);
    QTest::newRow("blue") << 2 << QColor(72, 164, 232);
    QTest::newRow("green") << 3 << QColor(0, 192, 0);
}

void TestSeries::brushes()
{
    QFETCH(int, index);
    QFETCH(QColor, colour);
    Window s(2, u"NL"_s, u"x"_s, index == 0 ? 3 : 0);
    s.click(u"AugeButton"_s);
    s.sounds.clear();
    QWidget *brush = s.w(u"Pinsel_%1"_s.arg(index));
    const QString normal = picture(brush);
    press(brush);
    QCOMPARE(picture(brush), normal);
    QCOMPARE(cursorFile(brush), u"Hand3.ico"_s);
    release(brush);
    QCOMPARE(cursorFile(brush), u"Hand1.ico"_s);
    s.click(u"Pinsel_%1"_s.arg(index));
    QCOMPARE(s.sounds.names(), QStringList());
    QCOMPARE(s.colour(u"Ergebnisfeld"_s), colour);
    for (int k = 0; k < 10; ++k)
        QCOMPARE(s.colour(u"ErgebnisTEXT_%1"_s.arg(k)), colour);
    QCOMPARE(tailOf(s.dir.readIni()), iniTail("x", "NL", 2, 0, index));
    // Results revealed later show in the colour too.
    s.click(u"AugeButton"_s);
    QCOMPARE(s.text(u"ErgebnisTEXT_1"_s), u"4"_s);
    QCOMPARE(s.colour(u"ErgebnisTEXT_1"_s), colour);
}

void TestSeries::ear()
{
    Window s(4);
    s.sounds.clear();
    s.click(u"Audio"_s);
    QCOMPARE(s.pic(u"Audio"_s), u"OhrX_gedrückt.jpg"_s);
    QCOMPARE(tailOf(s.dir.readIni()), iniTail("x", "D", 4, 1, 0));
    s.click(u"AugeButton"_s);
    QCOMPARE(s.sounds.names(), QStringList());
    s.click(u"Audio"_s);
    QCOMPARE(s.pic(u"Audio"_s), u"OhrN_gedrückt.jpg"_s);
    QCOMPARE(s.sounds.names(), QStringList{u"sBang.wav"_s});
    QCOMPARE(tailOf(s.dir.readIni()), iniTail("x", "D", 4, 0, 0));
}

void TestSeries::messageLine_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("row5");
    QTest::addColumn<QString>("result10");
    QTest::newRow("D") << u"D"_s << u"Die Reihe \n5 wurde ausgewählt."_s << u"Das Ergebnis: \n10"_s;
    QTest::newRow("E") << u"E"_s << u"The number \n5 was chosen."_s << u"The result: \n10"_s;
    QTest::newRow("S") << u"S"_s << u"El número \n5 fue elegido."_s << u"El resultadofrf: \n10"_s;
    QTest::newRow("F") << u"F"_s << u"Le nombre \n5 a été choisi."_s << u"Le résultat:  \n10"_s;
    QTest::newRow("NL") << u"NL"_s << u"Het nummer \n5 was geselecteerd."_s << u"Het resultaatit: \n10"_s;
    QTest::newRow("I") << u"I"_s << u"Il numero \n5 è stato scelto."_s << u"Il risultato: \n10"_s;
}

void TestSeries::messageLine()
{
    QFETCH(QString, lang);
    QFETCH(QString, row5);
    QFETCH(QString, result10);
    Window s(5, lang);
    QCOMPARE(s.text(u"TextFeld"_s), row5);
    s.click(u"AugeButton"_s);
    s.click(u"AugeButton"_s);
    QCOMPARE(s.text(u"TextFeld"_s), result10);
    // The check shows the result message, not what was typed.
    s.typeDigits(u"15"_s);
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"TextFeld"_s), QString(result10).replace(u"10"_s, u"15"_s));
}

void TestSeries::tooltips_data()
{
    // Exit, help, number key 7, row key 10, red brush, thumb, eye, big eraser, sign, rotate.
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("tips");
    QTest::newRow("D") << u"D"_s << QStringList{u" Zurück "_s, u" Hilfe "_s, u" Zahl eingeben (7)"_s,
        u" Die Reihe bestimmen (10)"_s, u" Diese Farbe wählen "_s, u" OK - Mein Ergebnis "_s,
        u" Ergebnis zeigen "_s, u" Löschen / Neubeginn "_s, u" Das gewählte Zeichen "_s, u"Zahlen drehen"_s};
    QTest::newRow("E") << u"E"_s << QStringList{u" Back "_s, u" Help "_s, u" Enter number (7)"_s,
        u" Determine the row (10)"_s, u" Choose this color "_s, u" OK - my result "_s,
        u" Show result "_s, u" Delete / new beginning "_s, u" The chosen sign "_s, u"Turn numbers"_s};
    QTest::newRow("S") << u"S"_s << QStringList{u" Atrás "_s, u" Ayuda "_s, u" Ingrese el número (7)"_s,
        u" Determinar la fila (10)"_s, u" Elige este color "_s, u" OK, mi resultado "_s,
        u" Mostrar resultado "_s, u" Eliminar / nuevo comienzo "_s, u" El signo elegido "_s, u"Girar númerosfr"_s};
    QTest::newRow("F") << u"F"_s << QStringList{u" Retour "_s, u" Aide "_s, u" Entrez le numéro (7)"_s,
        u" Déterminez la ligne (10)"_s, u" Choisissez cette couleur "_s, u" OK - mon résultat "_s,
        u" Afficher le résultat "_s, u" Supprimer / nouveau début "_s, u" Le signe choisi "_s,
        u"Transformer les chiffres"_s};
    QTest::newRow("NL") << u"NL"_s << QStringList{u" Terug "_s, u" Help "_s, u" Voer nummer in (7)"_s,
        u" Bepaal de rij (10)"_s, u" Kies deze kleur "_s, u" OK - mijn resultaat "_s,
        u" Resultaat tonen "_s, u" Verwijderen / nieuw begin "_s, u" Het gekozen teken "_s, u"Draai cijfers"_s};
    QTest::newRow("I") << u"I"_s << QStringList{u" Indietro "_s, u" Aiuto "_s, u" Inserisci numero (7)"_s,
        u" Determina la riga (10)"_s, u" Scegli questo colore "_s, u" OK - il mio risultato "_s,
        u" Mostra risultato "_s, u" Elimina / nuovo inizio "_s, u" Il segno scelto "_s, u"Giri i numeri"_s};
}

void TestSeries::tooltips()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, tips);
    Window s(2, lang);
    const QStringList keys{u"ExitButton"_s, u"HelpButton"_s, u"Rechner_7"_s, u"Zahl1_9"_s, u"Pinsel_1"_s,
                           u"OKButton"_s, u"AugeButton"_s, u"Radierer2"_s, u"MalSymbolBild"_s, u"DrehPfeil"_s};
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(s.tip(keys.at(i)), tips.at(i));
    QCOMPARE(s.tip(u"Pinsel_3"_s), tips.at(4));
    QCOMPARE(s.tip(u"Rechner_0"_s), QString(tips.at(2)).replace(u"7)"_s, u"0)"_s));
    QCOMPARE(s.tip(u"Zahl1_0"_s), QString(tips.at(3)).replace(u"10)"_s, u"1)"_s));
    // Every cell names its own key: no two keys share a text.
    QCOMPARE(QSet<QString>(tips.begin(), tips.end()).size(), tips.size());
    for (const QString &name : {u"Pinsel_0"_s, u"RadiererKlein"_s, u"Audio"_s, u"SmileyFeld_0"_s, u"ErgebnisTafel"_s})
        QCOMPARE(s.tip(name), QString());
}

void TestSeries::unknownLanguage()
{
    Window s(6, u"X"_s);
    for (QWidget *w : s.window->findChildren<QWidget *>())
        QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
    QCOMPARE(s.text(u"TextFeld"_s), QString());
    s.click(u"AugeButton"_s);
    s.typeDigits(u"12"_s);
    s.click(u"OKButton"_s);
    QCOMPARE(s.text(u"TextFeld"_s), QString());
    QCOMPARE(s.column(u"ErgebnisTEXT"_s), QStringList({u"6"_s, u"12"_s}) + repeated(QString(), 8));
    QCOMPARE(s.smileys(), u".+........"_s);
    s.sounds.clear();
    s.click(u"HelpButton"_s);
    QVERIFY(s.w(u"Frame2"_s)->isVisible());
    QCOMPARE(s.sounds.names(), QStringList{u"sHallo2.wav"_s});
    QCOMPARE(s.text(u"Label4"_s), QString());
    s.click(u"HelpButton"_s);
    QVERIFY(!s.w(u"Frame2"_s)->isVisible());
}

void TestSeries::helpPage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("brushes");
    QTest::addColumn<QString>("begins1");
    QTest::addColumn<int>("length1");
    QTest::addColumn<QString>("begins2");
    QTest::addColumn<int>("length2");
    QTest::newRow("D") << u"D"_s << u"2) Lernen in Reihe"_s
        << u"Die Pinsel und Farben können genutzt werden um die Zahlen der Antworten zu färben."_s
        << u"Hier wählt man unten eine Zahl, eine Reihe aus. Die Taste mit dem Auge ist das Symbol fürs Anschauen. Man schaltet damit eins weite. Also 1x3, 2x3 usw. bis 10x3, wenn man 3 unten gewählt hat. Der Radiergumme löscht das Ganze und man kann neu anfangen. Oder klickt unten auf eine neue Zahl. Rechts davon das gewählte Mal-Symbol."_s
        << 327
        << u"Die oberen Zahlen, wie ein Taschenrechner, sind zur Eingabe der Antwort gedacht. Hat man sie getippt, dann kann man auf die Taste mit dem Daumen klicken und die Antwort wird überprüft. So kann man entweder selbst geschriebener Antwort lernen, oder einfach nur denken, oder sagen, und klickt auf das Auge, die Taste mit dem Auge, für die Antwort. "_s
        << 346;
    QTest::newRow("E") << u"E"_s << u"2) Learning in Series"_s
        << u"The brushes and colors can be used to color the numbers of the answers."_s
        << u"Here you select a number, a row below"_s << 306
        << u"The upper numbers, like a calculator, are used to enter the answer"_s << 304;
    QTest::newRow("S") << u"S"_s << u"2) Aprendizaje en serie"_s
        << u"Los pinceles y los colores se pueden usar para colorear los números de las respuestas."_s
        << u"Aquí puede elegir debajo de un número"_s << 368
        << u"Los números superiores como una calculadora"_s << 344;
    QTest::newRow("F") << u"F"_s << u"2) Apprendre en série"_s
        << u"Les pinceaux et les couleurs peuvent être utilisés pour colorier les nombres des réponses."_s
        << u"Ici, vous pouvez choisir ci-dessous un certain nombre"_s << 343
        << u"Les chiffres du haut comme une calculatrice"_s << 322;
    QTest::newRow("NL") << u"NL"_s << u"2) Leren in serie"_s
        << u"De penselen en kleuren kunnen worden gebruikt om de nummers van de antwoorden in te kleuren."_s
        << u"Selecteer hier een cijfer, een rij eronder"_s << 320
        << u"De bovenste cijfers, zoals een rekenmachine"_s << 308;
    QTest::newRow("I") << u"I"_s << u"2) Apprendimento in serie"_s
        << u"I pennelli e i colori possono essere usati per colorare i numeri delle risposte."_s
        << u"Qui selezioni un numero, una riga sotto"_s << 303
        << u"I numeri superiori, come una calcolatrice"_s << 310;
}

void TestSeries::helpPage()
{
    QFETCH(QString, lang);
    QFETCH(QString, title);
    QFETCH(QString, brushes);
    QFETCH(QString, begins1);
    QFETCH(int, length1);
    QFETCH(QString, begins2);
    QFETCH(int, length2);
    Window s(3, lang);
    s.click(u"AugeButton"_s);
    s.typeDigits(u"7"_s);
    s.sounds.clear();
    QWidget *key = s.w(u"HelpButton"_s);
    press(key, Qt::RightButton);
    QCOMPARE(picture(key), u"HelpButton_gedrückt.jpg"_s);
    release(key, Qt::RightButton);
    QCOMPARE(picture(key), u"HelpButton.jpg"_s);
    s.click(u"HelpButton"_s);
    QVERIFY(s.w(u"Frame2"_s)->isVisible());
    QCOMPARE(s.pic(u"HelpButton"_s), u"HelpPage_Leave.jpg"_s);
    QCOMPARE(s.text(u"Label4"_s), title);
    QCOMPARE(s.text(u"Label3"_s), brushes);
    QVERIFY2(s.text(u"Label1"_s).startsWith(begins1), qPrintable(s.text(u"Label1"_s)));
    QCOMPARE(s.text(u"Label1"_s).size(), length1);
    QVERIFY2(s.text(u"Label2"_s).startsWith(begins2), qPrintable(s.text(u"Label2"_s)));
    QCOMPARE(s.text(u"Label2"_s).size(), length2);
    s.click(u"HelpButton"_s);
    QVERIFY(!s.w(u"Frame2"_s)->isVisible());
    QCOMPARE(s.pic(u"HelpButton"_s), u"HelpButton.jpg"_s);
    s.click(u"HelpButton"_s);
    QCOMPARE(s.sounds.names(), (QStringList{u"sHallo2.wav"_s, u"sHallo2.wav"_s}));
    // The page changes nothing else.
    QCOMPARE(s.column(u"ErgebnisTEXT"_s), QStringList{u"3"_s} + repeated(QString(), 9));
    QCOMPARE(s.arrow(), 1);
    QCOMPARE(s.text(u"Ergebnisfeld"_s), u"7"_s);
}

void TestSeries::pressFeedback_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("pressed");
    QTest::newRow("Zahl1_9") << u"Zahl1_9"_s << u"10n.jpg"_s << u"10g.jpg"_s;
    QTest::newRow("Zahl1_0") << u"Zahl1_0"_s << u"01n.jpg"_s << u"01g.jpg"_s;
    QTest::newRow("Rechner_0") << u"Rechner_0"_s << u"00n.jpg"_s << u"00g.jpg"_s;
    QTest::newRow("Rechner_9") << u"Rechner_9"_s << u"09n.jpg"_s << u"09g.jpg"_s;
    QTest::newRow("AugeButton") << u"AugeButton"_s << u"Auge_normal.jpg"_s << u"Auge_gedrückt.jpg"_s;
    QTest::newRow("OKButton") << u"OKButton"_s << u"OK_Button.jpg"_s << u"OK_Button_gedrückt.jpg"_s;
    QTest::newRow("DrehPfeil") << u"DrehPfeil"_s << u"DrehPfeil_normal.jpg"_s << u"DrehPfeil_gedrückt.jpg"_s;
    QTest::newRow("Radierer2") << u"Radierer2"_s << u"RadierButton.jpg"_s << u"RadierButton_gedrückt.jpg"_s;
    QTest::newRow("RadiererKlein") << u"RadiererKlein"_s << u"RadierButton_klein_liegend.jpg"_s
                                   << u"RadierButton_klein_gedrückt.jpg"_s;
    QTest::newRow("ExitButton") << u"ExitButton"_s << u"ExitButton.jpg"_s << u"ExitButton_gedrückt.jpg"_s;
    QTest::newRow("Audio") << u"Audio"_s << u"OhrN.jpg"_s << u"OhrN.jpg"_s;
}

void TestSeries::pressFeedback()
{
    QFETCH(QString, key);
    QFETCH(QString, normal);
    QFETCH(QString, pressed);
    Window s;
    QWidget *w = s.w(key);
    QCOMPARE(picture(w), normal);
    QCOMPARE(cursorFile(w), QString());
    press(w, Qt::RightButton);
    QCOMPARE(picture(w), pressed);
    QCOMPARE(cursorFile(w), u"Hand3.ico"_s);
    release(w, Qt::RightButton);
    QCOMPARE(picture(w), normal);
    QCOMPARE(cursorFile(w), u"Hand1.ico"_s);
}

void TestSeries::leaving()
{
    Window s;
    // The wait cursor comes up before the door slams.
    auto log = std::make_shared<QStringList>();
    setSoundBackend(std::make_unique<CursorAtSound>(log));
    s.click(u"ExitButton"_s);
    QCOMPARE(*log, QStringList{u"sSlam.wav, waiting"_s});
    QVERIFY(!s.window->isVisible());
    QCOMPARE(s.window->result(), int(QDialog::Accepted));
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestSeries::reopeningStartsAfresh()
{
    Window s(6);
    s.click(u"Zahl1_8"_s);
    s.click(u"Pinsel_1"_s);
    s.click(u"DrehPfeil"_s);
    s.click(u"AugeButton"_s);
    s.typeDigits(u"18"_s);
    s.click(u"OKButton"_s);
    s.click(u"HelpButton"_s);
    s.click(u"ExitButton"_s);

    // Only the stored choices carry over.
    SeriesWindow again;
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    s.window.reset();
    QCOMPARE(picture(child(&again, u"ZReiheLinks_2"_s)), u"Fläche03.jpg"_s);
    QCOMPARE(picture(child(&again, u"ZReiheRechts_2"_s)), u"Fläche09.jpg"_s);
    QCOMPARE(qobject_cast<QLabel *>(child(&again, u"Ergebnisfeld"_s))->text(), u"0"_s);
    QCOMPARE(qobject_cast<QLabel *>(child(&again, u"ErgebnisTEXT_0"_s))->text(), QString());
    QCOMPARE(picture(child(&again, u"SmileyFeld_1"_s)), u"Fläche_leer.jpg"_s);
    QCOMPARE(picture(child(&again, u"PfeilFeld_2"_s)), u"Pfeil0.jpg"_s);
    QVERIFY(!child(&again, u"Frame2"_s)->isVisible());
    QCOMPARE(child(&again, u"Ergebnisfeld"_s)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(tailOf(s.dir.readIni()), iniTail("x", "D", 9, 0, 1));
}

void TestSeries::randomClicksShowOnlyProducts()
{
    const QStringList keys{u"AugeButton"_s, u"OKButton"_s, u"DrehPfeil"_s, u"Radierer2"_s, u"RadiererKlein"_s,
                           u"Audio"_s, u"HelpButton"_s};
    for (const QString &lang : kLanguages + QStringList{u"X"_s, QString()}) {
        Window s(4, lang);
        QRandomGenerator random(static_cast<quint32>(lang.size() * 31 + 7));
        for (int i = 0; i < 200; ++i) {
            const int pick = static_cast<int>(random.bounded(30));
            if (pick < 10)
                s.click(u"Rechner_%1"_s.arg(pick));
            else if (pick < 14)
                s.click(u"Zahl1_%1"_s.arg(random.bounded(10)));
            else if (pick < 18)
                s.click(u"Pinsel_%1"_s.arg(pick - 14));
            else
                s.click(keys.at((pick - 18) % keys.size()));
            const int row = app().settings.malReihe;
            const QStringList results = s.column(u"ErgebnisTEXT"_s);
            for (int k = 0; k < 10; ++k) {
                if (!results.at(k).isEmpty() && results.at(k) != QString::number((k + 1) * row))
                    QFAIL(qPrintable(u"line %1 shows %2 in row %3"_s.arg(k).arg(results.at(k)).arg(row)));
            }
            QVERIFY(s.text(u"Ergebnisfeld"_s).size() <= 3);
            QVERIFY(s.arrow() >= -1);
        }
        QVERIFY(s.window->isVisible());
    }
}

QTEST_MAIN(TestSeries)
#include "test_series.moc"
