#include "screens/calculator/calc_engine.h"
#include "screens/calculator/calculator_window.h"

#include "frame/appstate.h"
#include "frame/picturewidgets.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

using namespace Qt::StringLiterals;
using mk::CalcEngine;
using mk::CalcError;
using mk::CalcOperator;

Q_DECLARE_METATYPE(CalcError)
Q_DECLARE_METATYPE(CalcOperator)

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

// Types keys on the engine: digits, '.', + - * /, '=' result, 'C' clear,
// 'E' clear entry. Returns what the last key reported.
CalcError type(CalcEngine &engine, QStringView keys)
{
    CalcError last = CalcError::None;
    for (const QChar key : keys) {
        last = CalcError::None;
        switch (key.unicode()) {
        case u'.': engine.addPoint(); break;
        case u'+': last = engine.setOperator(CalcOperator::Plus); break;
        case u'-': last = engine.setOperator(CalcOperator::Minus); break;
        case u'*': last = engine.setOperator(CalcOperator::Multiply); break;
        case u'/': last = engine.setOperator(CalcOperator::Divide); break;
        case u'=': last = engine.result(); break;
        case u'C': engine.clear(); break;
        case u'E': engine.clearEntry(); break;
        default: engine.addDigit(key.digitValue()); break;
        }
    }
    return last;
}

const char *const kDigitKeys[] = {"cmdZero", "cmdOne", "cmdTwo", "cmdThree", "cmdFour",
                                  "cmdFive", "cmdSix", "cmdSeven", "cmdEight", "cmdNine"};

// The keys of the screen with their normal and pressed pictures.
// Every key as the calculator's layout gives it: place in twips, pictures.
struct KeyPictures
{
    const char *name;
    QRect twips;
    QString normal;
    QString pressed;
};

QList<KeyPictures> keyPictures()
{
    return {
        {"cmdZero", {1200, 3840, 735, 735}, u"00n.jpg"_s, u"00g.jpg"_s},
        {"cmdOne", {360, 1320, 735, 735}, u"01n.jpg"_s, u"01g.jpg"_s},
        {"cmdTwo", {1200, 1320, 735, 735}, u"02n.jpg"_s, u"02g.jpg"_s},
        {"cmdThree", {2040, 1320, 735, 735}, u"03n.jpg"_s, u"03g.jpg"_s},
        {"cmdFour", {360, 2160, 735, 735}, u"04n.jpg"_s, u"04g.jpg"_s},
        {"cmdFive", {1200, 2160, 735, 735}, u"05n.jpg"_s, u"05g.jpg"_s},
        {"cmdSix", {2040, 2160, 735, 735}, u"06n.jpg"_s, u"06g.jpg"_s},
        {"cmdSeven", {360, 3000, 735, 735}, u"07n.jpg"_s, u"07g.jpg"_s},
        {"cmdEight", {1200, 3000, 735, 735}, u"08n.jpg"_s, u"08g.jpg"_s},
        {"cmdNine", {2040, 3000, 735, 735}, u"09n.jpg"_s, u"09g.jpg"_s},
        {"cmdKomma", {2040, 3840, 735, 735}, u"TasteKomma_normal.jpg"_s, u"TasteKomma_gedrückt.jpg"_s},
        {"cmdPlus", {3000, 2160, 735, 735}, u"TastePlus_normal.jpg"_s, u"TastePlus_gedrückt.jpg"_s},
        {"cmdMinus", {3840, 2160, 735, 735}, u"TasteMinus_normal.jpg"_s, u"TasteMinus_gedrückt.jpg"_s},
        {"cmdMultiply", {3840, 3000, 735, 735}, u"TasteMal_normal.jpg"_s, u"TasteMal_gedrückt.jpg"_s},
        {"cmdDivide", {3000, 3000, 735, 735}, u"TasteTeilen_normal.jpg"_s, u"TasteTeilen_gedrückt.jpg"_s},
        {"cmdReslutat", {3000, 3840, 1575, 735}, u"TasteResultatBreit_normal.jpg"_s, u"TasteResultatBreit_gedrückt.jpg"_s},
        {"cmdClear", {3840, 1320, 735, 735}, u"TasteC_normal.jpg"_s, u"TasteC_gedrückt.jpg"_s},
        {"cmdClearEntry", {3000, 1320, 735, 735}, u"TasteCE_normal.jpg"_s, u"TasteCE_gedrückt.jpg"_s},
        {"HelpButton", {4800, 360, 975, 855}, u"HelpButton.jpg"_s, u"HelpButton_gedrückt.jpg"_s},
        {"ExitButton", {5880, 360, 1215, 855}, u"ExitButton.jpg"_s, u"ExitButton_gedrückt.jpg"_s},
    };
}

// Twips to logical pixels, 15 to one, rounded.
QRect pixels(const QRect &twips)
{
    const auto px = [](int t) { return (t + 7) / 15; };
    return QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
}

QString keyName(QChar key)
{
    switch (key.unicode()) {
    case u'.': return u"cmdKomma"_s;
    case u'+': return u"cmdPlus"_s;
    case u'-': return u"cmdMinus"_s;
    case u'*': return u"cmdMultiply"_s;
    case u'/': return u"cmdDivide"_s;
    case u'=': return u"cmdReslutat"_s;
    case u'C': return u"cmdClear"_s;
    case u'E': return u"cmdClearEntry"_s;
    default: return QString::fromLatin1(kDigitKeys[key.digitValue()]);
    }
}

// What the one message box showed.
struct SeenBox
{
    int count = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QString title;
    QList<QMessageBox::StandardButton> buttons;
};

} // namespace

class TestCalculator : public QObject
{
    Q_OBJECT

private:
    QWidget *key(QWidget *screen, QChar k) { return mk::test::child(screen, keyName(k)); }
    QString display(QWidget *screen) { return mk::test::child<QLineEdit>(screen, u"txtRechner"_s)->text(); }
    // Clicks the keys on the screen; a message box is closed with its OK key.
    SeenBox clickKeys(QWidget *screen, QStringView keys);

private slots:
    void initTestCase();
    void cleanup();

    // The engine alone.
    void sequences_data();
    void sequences();
    void failures_data();
    void failures();
    void failureKeepsOperands();
    void clearAndClearEntry();
    void toText_data();
    void toText();
    void toTextMatchesGeneralFormat();
    void toNumber_data();
    void toNumber();
    void germanSequences_data();
    void germanSequences();

    // The screen.
    void screenAtLoad();
    void tooltips_data();
    void tooltips();
    void keysComputeWithoutSound();
    void pressFeedback_data();
    void pressFeedback();
    void blankKey();
    void helpPage_data();
    void helpPage();
    void messageBox_data();
    void messageBox();
    void germanDisplayNeverEndsTheProgram();
    void leave();
    void opensModallyAndCloses();
    void reopeningStartsAfresh();
};

SeenBox TestCalculator::clickKeys(QWidget *screen, QStringView keys)
{
    SeenBox seen;
    for (const QChar k : keys) {
        QWidget *target = key(screen, k);
        mk::test::withModal([target] { mk::test::click(target); }, [&seen](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            ++seen.count;
            seen.icon = box->icon();
            seen.text = box->text();
            seen.title = box->windowTitle();
            seen.buttons.clear();
            for (QAbstractButton *b : box->buttons())
                seen.buttons << box->standardButton(b);
            QAbstractButton *ok = box->button(QMessageBox::Ok);
            QVERIFY(ok);
            ok->click();
        });
    }
    return seen;
}

void TestCalculator::initTestCase()
{
    QLocale::setDefault(kEnglish);
}

void TestCalculator::cleanup()
{
    QLocale::setDefault(kEnglish);
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

void TestCalculator::sequences_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");

    QTest::newRow("fresh") << u""_s << u"0"_s;
    QTest::newRow("a digit replaces the lone zero") << u"7"_s << u"7"_s;
    QTest::newRow("1 then ten more digits keeps ten") << u"12345678901"_s << u"1234567890"_s;
    QTest::newRow("zero on zero") << u"00"_s << u"0"_s;
    QTest::newRow("zero appends behind other digits") << u"100"_s << u"100"_s;
    QTest::newRow("zero, point, zero") << u"0.0"_s << u"0.0"_s;
    QTest::newRow("second point ignored") << u"1..2."_s << u"1.2"_s;
    QTest::newRow("point past ten, then digits again") << u"1234567890.12"_s << u"1234567890.12"_s;
    QTest::newRow("ten with the point stops digits") << u"12345678.95"_s << u"12345678.9"_s;
    QTest::newRow("ten stops a zero") << u"12345678910"_s << u"1234567891"_s;
    QTest::newRow("2 + 3 x 4 = is 12, not 14") << u"2+3*4="_s << u"12"_s;
    QTest::newRow("operator starts the second number") << u"5+"_s << u"0"_s;
    QTest::newRow("1 / 3") << u"1/3="_s << u"0.3333333"_s;
    QTest::newRow("2 / 3 rounds up") << u"2/3="_s << u"0.6666667"_s;
    QTest::newRow("5 / 17 in single precision") << u"5/17="_s << u"0.2941177"_s;
    QTest::newRow("6 / 11 in single precision") << u"6/11="_s << u"0.5454546"_s;
    QTest::newRow("3 - 5") << u"3-5="_s << u"-2"_s;
    QTest::newRow("3 - 5 then 1") << u"3-5=1"_s << u"-21"_s;
    QTest::newRow("repeat plus 1") << u"2+3="_s << u"5"_s;
    QTest::newRow("repeat plus 2") << u"2+3=="_s << u"7"_s;
    QTest::newRow("repeat plus 3") << u"2+3==="_s << u"9"_s;
    QTest::newRow("repeat minus") << u"10-3==="_s << u"7"_s;
    QTest::newRow("repeat minus twice") << u"10-3=="_s << u"3"_s;
    QTest::newRow("repeat divide") << u"8/2=="_s << u"2"_s;
    QTest::newRow("repeat divide three times") << u"8/2==="_s << u"4"_s;
    QTest::newRow("result without operator leaves the text") << u"0.50="_s << u"0.50"_s;
    QTest::newRow("result on a point") << u"5.+1="_s << u"6"_s;
    QTest::newRow("result is the next first operand") << u"2+3=*4="_s << u"20"_s;
    QTest::newRow("digit appends to a result") << u"2+3=1"_s << u"51"_s;
    QTest::newRow("zero after a zero result") << u"3-3=0"_s << u"0"_s;
    QTest::newRow("negative zero is written 0") << u"0-5=*0="_s << u"0"_s;
    QTest::newRow("no digit on a ten-character result") << u"2-3=/3=9"_s << u"-0.3333333"_s;
    QTest::newRow("CE keeps the pending plus") << u"5+3E4="_s << u"9"_s;
    QTest::newRow("C forgets the pending plus") << u"5+3C4="_s << u"4"_s;
    QTest::newRow("operand read in single precision") << u"16777217-16777216="_s << u"0"_s;
    QTest::newRow("small difference of single values") << u"1.0000001-1="_s << u"1.192093E-07"_s;
    QTest::newRow("8 digits take an exponent") << u"5000000*2="_s << u"1E+07"_s;
    QTest::newRow("seven digits stay plain") << u"9999998+1="_s << u"9999999"_s;
    QTest::newRow("large with digits") << u"12345678+0="_s << u"1.234568E+07"_s;
    QTest::newRow("0.0001 plain") << u"1/10000="_s << u"0.0001"_s;
    QTest::newRow("below 0.0001 an exponent") << u"1/100000="_s << u"1E-05"_s;
    QTest::newRow("exponent text read back") << u"5000000*2=+1="_s << u"1E+07"_s;
    QTest::newRow("exponent text with digits read back") << u"12345678+0=+1="_s << u"1.234568E+07"_s;
}

void TestCalculator::sequences()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    CalcEngine engine(QLocale::c());
    QCOMPARE(type(engine, keys), CalcError::None);
    QCOMPARE(engine.display(), display);
}

void TestCalculator::failures_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<CalcError>("error");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("thenKeys");
    QTest::addColumn<QString>("thenDisplay");

    QTest::newRow("7 / 0") << u"7/0="_s << CalcError::DivisionByZero << u"0"_s << u"2="_s << u"3.5"_s;
    QTest::newRow("0 / 0") << u"0/0="_s << CalcError::DivisionByZero << u"0"_s << u"5="_s << u"0"_s;
    QTest::newRow("overflow to infinity") << u"9999999999*9999999999==="_s << CalcError::Overflow << u"1E+30"_s
                                          << u"C2*3="_s << u"6"_s;
    QTest::newRow("result on an unreadable text") << u"5000000*2=.="_s << CalcError::Unreadable << u"1E+07."_s
                                                  << u"E4="_s << u"2E+07"_s;
    QTest::newRow("operator on an unreadable text") << u"5000000*2=.+"_s << CalcError::Unreadable << u"1E+07."_s
                                                    << u"E3="_s << u"1.5E+07"_s;
    QTest::newRow("exponent beyond single precision") << u"3000000*4=1+"_s << CalcError::Unreadable
                                                      << u"1.2E+071"_s << u"C6/4="_s << u"1.5"_s;
}

void TestCalculator::failures()
{
    QFETCH(QString, keys);
    QFETCH(CalcError, error);
    QFETCH(QString, display);
    QFETCH(QString, thenKeys);
    QFETCH(QString, thenDisplay);
    CalcEngine engine(QLocale::c());
    QCOMPARE(type(engine, keys), error);
    QCOMPARE(engine.display(), display);
    QCOMPARE(type(engine, thenKeys), CalcError::None);
    QCOMPARE(engine.display(), thenDisplay);
}

void TestCalculator::failureKeepsOperands()
{
    CalcEngine engine(QLocale::c());
    type(engine, u"6/3=");
    QCOMPARE(engine.display(), u"2"_s);

    // A division by zero keeps the operator, the first operand and the zero just read.
    QCOMPARE(type(engine, u"E0="), CalcError::DivisionByZero);
    QCOMPARE(engine.firstOperand(), 6.0f);
    QCOMPARE(engine.secondOperand(), 0.0f);
    QCOMPARE(engine.pendingOperator(), CalcOperator::Divide);

    // An unreadable text changes neither operand nor the operator.
    QCOMPARE(type(engine, u"E4="), CalcError::None);
    QCOMPARE(engine.display(), u"1.5"_s);
    type(engine, u"C12345678+0=");
    QCOMPARE(engine.display(), u"1.234568E+07"_s);
    type(engine, u"E9/2=");
    QCOMPARE(engine.display(), u"4.5"_s);
    type(engine, u"C5000000*2=.");
    QCOMPARE(engine.display(), u"1E+07."_s);
    QCOMPARE(type(engine, u"+"), CalcError::Unreadable);
    QCOMPARE(type(engine, u"="), CalcError::Unreadable);
    QCOMPARE(engine.firstOperand(), 5000000.0f);
    QCOMPARE(engine.secondOperand(), 2.0f);
    QCOMPARE(engine.pendingOperator(), CalcOperator::Multiply);
    QCOMPARE(engine.display(), u"1E+07."_s);
}

void TestCalculator::clearAndClearEntry()
{
    CalcEngine engine(QLocale::c());
    type(engine, u"7-2=");
    type(engine, u"E");
    QCOMPARE(engine.display(), u"0"_s);
    QCOMPARE(engine.firstOperand(), 7.0f);
    QCOMPARE(engine.secondOperand(), 2.0f);
    QCOMPARE(engine.pendingOperator(), CalcOperator::Minus);
    type(engine, u"C");
    QCOMPARE(engine.display(), u"0"_s);
    QCOMPARE(engine.firstOperand(), 0.0f);
    QCOMPARE(engine.secondOperand(), 0.0f);
    QCOMPARE(engine.pendingOperator(), CalcOperator::None);
    // Nothing pending: the result key changes nothing.
    type(engine, u"42=");
    QCOMPARE(engine.display(), u"42"_s);
}

void TestCalculator::toText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    QTest::newRow("zero") << 0.0f << c << u"0"_s;
    QTest::newRow("negative zero") << -0.0f << c << u"0"_s;
    QTest::newRow("whole, no point, no grouping") << 1234.0f << kEnglish << u"1234"_s;
    QTest::newRow("trailing zeros of a whole number stay") << 1000000.0f << c << u"1000000"_s;
    QTest::newRow("fraction") << 1234.5f << kEnglish << u"1234.5"_s;
    QTest::newRow("no trailing zeros") << 0.5f << c << u"0.5"_s;
    QTest::newRow("0.1 in single precision") << 0.1f << c << u"0.1"_s;
    QTest::newRow("negative") << -0.25f << c << u"-0.25"_s;
    QTest::newRow("seven digits") << 9999999.0f << c << u"9999999"_s;
    QTest::newRow("10 000 000") << 10000000.0f << c << u"1E+07"_s;
    QTest::newRow("eight digits rounded") << 12345678.0f << c << u"1.234568E+07"_s;
    QTest::newRow("negative large") << -12345678.0f << c << u"-1.234568E+07"_s;
    QTest::newRow("rounding carries, zeros dropped") << 1.29999997f << c << u"1.3"_s;
    QTest::newRow("0.01 lies below 0.01") << 0.01f << c << u"0.01"_s;
    QTest::newRow("0.0001 lies below 0.0001") << 0.0001f << c << u"0.0001"_s;
    QTest::newRow("just below 0.0001") << 0.00009999f << c << u"9.999E-05"_s;
    QTest::newRow("0.00001 lies below 0.00001") << 0.00001f << c << u"1E-05"_s;
    QTest::newRow("small with digits") << 0.00012345678f << c << u"0.0001234568"_s;
    QTest::newRow("largest single") << std::numeric_limits<float>::max() << c << u"3.402823E+38"_s;
    QTest::newRow("a tie rounds away from zero") << 1234568.5f << c << u"1234569"_s;
    QTest::newRow("a negative tie too") << -1234568.5f << c << u"-1234569"_s;
    QTest::newRow("a tie in the fraction") << 12345.125f << c << u"12345.13"_s;
    QTest::newRow("smallest single") << std::numeric_limits<float>::denorm_min() << c << u"1.401298E-45"_s;
    QTest::newRow("German fraction") << 2.5f << kGerman << u"2,5"_s;
    QTest::newRow("German whole, no grouping") << 1234567.0f << kGerman << u"1234567"_s;
    QTest::newRow("German exponent") << 12345678.0f << kGerman << u"1,234568E+07"_s;
    QTest::newRow("German small") << -0.00001234f << kGerman << u"-1,234E-05"_s;
    QTest::newRow("French") << 0.75f << QLocale(QLocale::French, QLocale::France) << u"0,75"_s;
}

void TestCalculator::toText()
{
    QFETCH(float, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(CalcEngine::toText(value, locale), text);
}

void TestCalculator::toTextMatchesGeneralFormat()
{
    // The C library's %.7G is the general format the display follows, except
    // that an exact tie rounds away from zero as at school, not to even.
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    std::mt19937 random(4711);
    std::uniform_int_distribution<std::uint32_t> bits(0, 0x7F7FFFFF);
    for (int i = 0; i < 20000; ++i) {
        float value = 0;
        const std::uint32_t pattern = bits(random) | (i % 2 ? 0x80000000u : 0u);
        std::memcpy(&value, &pattern, sizeof value);
        char exact[256];
        std::snprintf(exact, sizeof exact, "%.150E", std::fabs(static_cast<double>(value)));
        const QByteArray digits = QByteArray(exact).remove(1, 1).left(QByteArray(exact).indexOf('E') - 1);
        if (digits.at(7) == '5' && digits.mid(8).count('0') == digits.size() - 8)
            continue;
        char expected[32];
        std::snprintf(expected, sizeof expected, "%.7G", static_cast<double>(value));
        if (value == 0.0f)
            std::strcpy(expected, "0");
        QCOMPARE(CalcEngine::toText(value, QLocale::c()), QString::fromLatin1(expected));
    }
    std::setlocale(LC_NUMERIC, before.c_str());
}

void TestCalculator::toNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<float>("value");

    const QLocale c = QLocale::c();
    QTest::newRow("digits") << u"1234567890"_s << c << true << 1234567890.0f;
    QTest::newRow("trailing point") << u"5."_s << c << true << 5.0f;
    QTest::newRow("negative") << u"-21"_s << c << true << -21.0f;
    QTest::newRow("exponent") << u"1.234568E+07"_s << c << true << 12345680.0f;
    QTest::newRow("small exponent") << u"1E-05"_s << c << true << 0.00001f;
    QTest::newRow("point after exponent") << u"1E+07."_s << c << false << 0.0f;
    QTest::newRow("beyond single precision") << u"1E+071"_s << c << false << 0.0f;
    QTest::newRow("not a number") << u"abc"_s << c << false << 0.0f;
    // Rounded once: through double it would land on the tie and round down to 2^30.
    QTest::newRow("rounded once") << u"1073741888.0000001"_s << c << true << 1073741952.0f;
    QTest::newRow("below single precision") << u"1E-050"_s << c << true << 0.0f;
    QTest::newRow("far below single precision") << u"1E-0500"_s << c << true << 0.0f;
    QTest::newRow("tiny but representable") << u"1E-40"_s << c << true << 1e-40f;
    QTest::newRow("hexadecimal is no display") << u"0x10"_s << c << false << 0.0f;
    QTest::newRow("blank is no display") << u" 5"_s << c << false << 0.0f;
    QTest::newRow("infinity is no display") << u"inf"_s << c << false << 0.0f;
    QTest::newRow("German comma") << u"2,5"_s << kGerman << true << 2.5f;
    QTest::newRow("German with the point key") << u"2.5"_s << kGerman << true << 2.5f;
    QTest::newRow("German point is no grouping") << u"1.234"_s << kGerman << true << 1.234f;
    QTest::newRow("German trailing point") << u"0."_s << kGerman << true << 0.0f;
    QTest::newRow("German exponent") << u"1,234568E+07"_s << kGerman << true << 12345680.0f;
    QTest::newRow("German comma and point") << u"2,5.3"_s << kGerman << false << 0.0f;
    QTest::newRow("German comma then point") << u"0,25."_s << kGerman << false << 0.0f;
}

void TestCalculator::toNumber()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(bool, readable);
    QFETCH(float, value);
    const auto number = CalcEngine::toNumber(text, locale);
    QCOMPARE(number.has_value(), readable);
    if (readable)
        QCOMPARE(*number, value);
}

void TestCalculator::germanSequences_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<CalcError>("error");
    QTest::addColumn<QString>("display");

    QTest::newRow("1 / 3") << u"1/3="_s << CalcError::None << u"0,3333333"_s;
    QTest::newRow("typed point read as decimal") << u"1.5+1="_s << CalcError::None << u"2,5"_s;
    QTest::newRow("typed point, no grouping") << u"1.234*1000="_s << CalcError::None << u"1234"_s;
    QTest::newRow("comma result read back") << u"1/4=*4="_s << CalcError::None << u"1"_s;
    QTest::newRow("digits after a comma result") << u"1/4=5+0="_s << CalcError::None << u"0,255"_s;
    QTest::newRow("point key on a comma result") << u"1/4=."_s << CalcError::None << u"0,25."_s;
    QTest::newRow("operator on comma and point") << u"1/4=.+"_s << CalcError::Unreadable << u"0,25."_s;
    QTest::newRow("result on comma and point") << u"1/4=.3="_s << CalcError::Unreadable << u"0,25.3"_s;
    QTest::newRow("usable again after CE") << u"1/4=.+E8="_s << CalcError::None << u"0,125"_s;
}

void TestCalculator::germanSequences()
{
    QFETCH(QString, keys);
    QFETCH(CalcError, error);
    QFETCH(QString, display);
    CalcEngine engine(kGerman);
    QCOMPARE(type(engine, keys), error);
    QCOMPARE(engine.display(), display);
}

void TestCalculator::screenAtLoad()
{
    mk::test::WorkDir dir;
    mk::CalculatorWindow screen;
    QCOMPARE(screen.objectName(), u"B4_Taschenrechner"_s);
    QCOMPARE(screen.size(), QSize(482, 355));
    auto *txt = mk::test::child<QLineEdit>(&screen, u"txtRechner"_s);
    QVERIFY(txt);
    QCOMPARE(txt->text(), u"0"_s);
    QVERIFY(txt->isReadOnly());
    QCOMPARE(txt->geometry(), QRect(24, 32, 281, 45));
    for (const KeyPictures &k : keyPictures()) {
        QWidget *w = mk::test::child(&screen, QString::fromLatin1(k.name));
        QVERIFY2(w, k.name);
        QCOMPARE(w->geometry(), pixels(k.twips));
        QCOMPARE(mk::test::picture(w), k.normal);
        QCOMPARE(mk::test::cursorFile(w), QString());
    }
    QCOMPARE(mk::test::picture(mk::test::child(&screen, u"cmdPlusMinus"_s)), u"0leer.jpg"_s);
    QCOMPARE(mk::test::child(&screen, u"cmdPlusMinus"_s)->geometry(), pixels({360, 3840, 735, 735}));

    auto *frame = mk::test::child<QFrame>(&screen, u"Frame3"_s);
    QVERIFY(frame);
    QVERIFY(frame->isHidden());
    QCOMPARE(frame->geometry(), QRect(16, 88, 457, 257));
    QCOMPARE(mk::test::child<QLabel>(frame, u"Label4"_s)->geometry(), QRect(8, 16, 433, 49));
    QCOMPARE(mk::test::child<QLabel>(frame, u"Label1"_s)->geometry(), QRect(8, 72, 433, 161));
}

void TestCalculator::tooltips_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("exitTip");
    QTest::addColumn<QString>("helpTip");
    QTest::newRow("D") << u"D"_s << u" Programm verlassen "_s << u" Hilfe "_s;
    QTest::newRow("E") << u"E"_s << u" Exit program"_s << u" Help "_s;
    QTest::newRow("S") << u"S"_s << u" Salir del programa "_s << u" Ayuda "_s;
    QTest::newRow("F") << u"F"_s << u" Quitter le programme "_s << u" Aide "_s;
    QTest::newRow("NL") << u"NL"_s << u" Exit-programma "_s << u" Help "_s;
    QTest::newRow("I") << u"I"_s << u" Exit program "_s << u" Aiuto "_s;
    QTest::newRow("other code") << u"DK"_s << QString() << QString();
}

void TestCalculator::tooltips()
{
    QFETCH(QString, sprache);
    QFETCH(QString, exitTip);
    QFETCH(QString, helpTip);
    mk::test::WorkDir dir;
    mk::app().settings.sprache = sprache;
    mk::CalculatorWindow screen;
    QCOMPARE(mk::test::child(&screen, u"ExitButton"_s)->toolTip(), exitTip);
    QCOMPARE(mk::test::child(&screen, u"HelpButton"_s)->toolTip(), helpTip);
}

void TestCalculator::keysComputeWithoutSound()
{
    mk::test::WorkDir dir;
    mk::test::SoundRecorder sounds;
    mk::CalculatorWindow screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));

    QCOMPARE(clickKeys(&screen, u"2+3*4=").count, 0);
    QCOMPARE(display(&screen), u"12"_s);
    clickKeys(&screen, u"C3-5=");
    QCOMPARE(display(&screen), u"-2"_s);
    clickKeys(&screen, u"1");
    QCOMPARE(display(&screen), u"-21"_s);
    clickKeys(&screen, u"C1/3=");
    QCOMPARE(display(&screen), u"0.3333333"_s);
    clickKeys(&screen, u"C2+3=");
    QCOMPARE(display(&screen), u"5"_s);
    clickKeys(&screen, u"=");
    QCOMPARE(display(&screen), u"7"_s);
    clickKeys(&screen, u"=");
    QCOMPARE(display(&screen), u"9"_s);
    clickKeys(&screen, u"C5+3E4=");
    QCOMPARE(display(&screen), u"9"_s);
    clickKeys(&screen, u"C0.0..");
    QCOMPARE(display(&screen), u"0.0"_s);
    clickKeys(&screen, u"C12345678901");
    QCOMPARE(display(&screen), u"1234567890"_s);
    QCOMPARE(sounds.names(), QStringList());
}

void TestCalculator::pressFeedback_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("pressed");
    for (const KeyPictures &k : keyPictures())
        QTest::newRow(k.name) << QString::fromLatin1(k.name) << k.normal << k.pressed;
}

void TestCalculator::pressFeedback()
{
    QFETCH(QString, name);
    QFETCH(QString, normal);
    QFETCH(QString, pressed);
    mk::test::WorkDir dir;
    mk::test::SoundRecorder sounds;
    mk::CalculatorWindow screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QWidget *w = mk::test::child(&screen, name);
    QVERIFY(w);

    mk::test::press(w, Qt::RightButton);
    QCOMPARE(mk::test::picture(w), pressed);
    QCOMPARE(mk::test::cursorFile(w), u"Hand3.ico"_s);
    mk::test::release(w, Qt::RightButton);
    QCOMPARE(mk::test::picture(w), normal);
    QCOMPARE(mk::test::cursorFile(w), u"Hand1.ico"_s);

    mk::test::press(w);
    QCOMPARE(mk::test::picture(w), pressed);
    QCOMPARE(mk::test::cursorFile(w), u"Hand3.ico"_s);
    // A key pressed and never released gives no sound either.
    QCOMPARE(sounds.names(), QStringList());
}

void TestCalculator::blankKey()
{
    mk::test::WorkDir dir;
    mk::test::SoundRecorder sounds;
    mk::CalculatorWindow screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    clickKeys(&screen, u"42");
    QWidget *blank = mk::test::child(&screen, u"cmdPlusMinus"_s);
    mk::test::press(blank);
    QCOMPARE(mk::test::picture(blank), u"0leer.jpg"_s);
    QCOMPARE(mk::test::cursorFile(blank), QString());
    mk::test::release(blank);
    mk::test::click(blank);
    QCOMPARE(mk::test::picture(blank), u"0leer.jpg"_s);
    QCOMPARE(mk::test::cursorFile(blank), QString());
    QCOMPARE(display(&screen), u"42"_s);
    QCOMPARE(sounds.names(), QStringList());
}

void TestCalculator::helpPage_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("D") << u"D"_s << u"Der kleine Taschenrechner"_s
                       << u"In diesem kleinen Taschenrechner kann man auch mal rechnen und Aufgaben ausprobieren."_s;
    QTest::newRow("E") << u"E"_s << u"The little calculator"_s
                       << u"In this small calculator you can also calculate times and try out tasks."_s;
    QTest::newRow("S") << u"S"_s << u"La pequeña calculadora"_s
                       << u"En esta pequeña calculadora también puede calcular tiempos y probar tareas."_s;
    QTest::newRow("F") << u"F"_s << u"La petite calculatrice"_s
                       << u"Dans cette petite calculatrice, vous pouvez également calculer des temps et essayer des tâches."_s;
    QTest::newRow("NL") << u"NL"_s << u"De kleine rekenmachine"_s
                        << u"In deze kleine rekenmachine kun je ook tijden berekenen en taken uitproberen."_s;
    QTest::newRow("I") << u"I"_s << u"La piccola calcolatrice"_s
                       << u"In questa piccola calcolatrice puoi anche calcolare i tempi e provare i compiti."_s;
    QTest::newRow("other code") << u"XY"_s << QString() << QString();
}

void TestCalculator::helpPage()
{
    QFETCH(QString, sprache);
    QFETCH(QString, title);
    QFETCH(QString, text);
    mk::test::WorkDir dir;
    mk::test::SoundRecorder sounds;
    mk::app().settings.sprache = sprache;
    mk::CalculatorWindow screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QWidget *help = mk::test::child(&screen, u"HelpButton"_s);
    auto *frame = mk::test::child<QFrame>(&screen, u"Frame3"_s);
    auto *label4 = mk::test::child<QLabel>(&screen, u"Label4"_s);
    auto *label1 = mk::test::child<QLabel>(&screen, u"Label1"_s);

    mk::test::click(help);
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->pos(), QPoint(16, 88));
    QCOMPARE(mk::test::picture(help), u"HelpPage_Leave.jpg"_s);
    QCOMPARE(sounds.names(), QStringList{u"sHallo2.wav"_s});
    QCOMPARE(label4->text(), title);
    QCOMPARE(label1->text(), text);

    mk::test::click(help);
    QVERIFY(!frame->isVisible());
    QCOMPARE(mk::test::picture(help), u"HelpButton.jpg"_s);
    QCOMPARE(sounds.names(), QStringList{u"sHallo2.wav"_s});

    // The texts follow the language at every click.
    mk::app().settings.sprache = u"E"_s;
    mk::test::click(help);
    QCOMPARE(label4->text(), u"The little calculator"_s);
    QCOMPARE(sounds.names(), (QStringList{u"sHallo2.wav"_s, u"sHallo2.wav"_s}));
}

void TestCalculator::messageBox_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("thenKeys");
    QTest::addColumn<QString>("thenShown");
    QTest::newRow("7 / 0") << u"7/0="_s << u"0"_s << u"2="_s << u"3.5"_s;
    QTest::newRow("0 / 0") << u"0/0="_s << u"0"_s << u"5="_s << u"0"_s;
    QTest::newRow("overflow") << u"9999999999*9999999999==="_s << u"1E+30"_s << u"C6*7="_s << u"42"_s;
    QTest::newRow("unreadable") << u"5000000*2=.="_s << u"1E+07."_s << u"E3="_s << u"1.5E+07"_s;
}

void TestCalculator::messageBox()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, thenKeys);
    QFETCH(QString, thenShown);
    mk::test::WorkDir dir;
    mk::test::SoundRecorder sounds;
    mk::CalculatorWindow screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));

    const SeenBox seen = clickKeys(&screen, keys);
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.text, u"You can't divide any number with zero"_s);
    QCOMPARE(seen.title, u"Error"_s);
    QCOMPARE(seen.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QCOMPARE(display(&screen), shown);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(mk::test::picture(mk::test::child(&screen, u"cmdReslutat"_s)), u"TasteResultatBreit_normal.jpg"_s);

    QCOMPARE(clickKeys(&screen, thenKeys).count, 0);
    QCOMPARE(display(&screen), thenShown);
    QCOMPARE(sounds.names(), QStringList());
}

void TestCalculator::germanDisplayNeverEndsTheProgram()
{
    QLocale::setDefault(kGerman);
    mk::test::WorkDir dir;
    mk::CalculatorWindow screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));

    QCOMPARE(clickKeys(&screen, u"1.5+1=").count, 0);
    QCOMPARE(display(&screen), u"2,5"_s);
    clickKeys(&screen, u".3");
    QCOMPARE(display(&screen), u"2,5.3"_s);
    // Neither an operator nor the result key can read it: one message each.
    SeenBox seen = clickKeys(&screen, u"+");
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.text, u"You can't divide any number with zero"_s);
    QCOMPARE(display(&screen), u"2,5.3"_s);
    QCOMPARE(clickKeys(&screen, u"=").count, 1);
    QCOMPARE(display(&screen), u"2,5.3"_s);
    // The plus still pending from before works on the next number.
    QCOMPARE(clickKeys(&screen, u"E2=").count, 0);
    QCOMPARE(display(&screen), u"3,5"_s);
}

void TestCalculator::leave()
{
    mk::test::WorkDir dir;
    mk::test::SoundRecorder sounds;
    mk::CalculatorWindow screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    bool waitCursorWhileClosing = false;
    connect(&screen, &QDialog::finished, this, [&] {
        const QCursor *c = QGuiApplication::overrideCursor();
        waitCursorWhileClosing = c && c->shape() == Qt::WaitCursor;
    });
    mk::test::click(mk::test::child(&screen, u"ExitButton"_s));
    QVERIFY(waitCursorWhileClosing);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(!screen.isVisible());
    QCOMPARE(sounds.names(), QStringList{u"sSlam.wav"_s});
}

void TestCalculator::opensModallyAndCloses()
{
    mk::test::WorkDir dir;
    mk::test::SoundRecorder sounds;
    QWidget parent;
    QString shown;
    const QString name = mk::test::withModal(
        [&parent] {
            mk::CalculatorWindow w(&parent);
            w.exec();
        },
        [&](QWidget *modal) {
            // Opened as the start screen opens it, the calculator works too.
            mk::test::click(mk::test::child(modal, u"cmdSix"_s));
            mk::test::click(mk::test::child(modal, u"cmdMultiply"_s));
            mk::test::click(mk::test::child(modal, u"cmdSeven"_s));
            mk::test::click(mk::test::child(modal, u"cmdReslutat"_s));
            shown = mk::test::child<QLineEdit>(modal, u"txtRechner"_s)->text();
            mk::test::click(mk::test::child(modal, u"ExitButton"_s));
        });
    QCOMPARE(name, u"B4_Taschenrechner"_s);
    QCOMPARE(shown, u"42"_s);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(sounds.names(), QStringList{u"sSlam.wav"_s});
}

void TestCalculator::reopeningStartsAfresh()
{
    mk::test::WorkDir dir;
    {
        mk::CalculatorWindow first;
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        clickKeys(&first, u"5+");
    }
    mk::CalculatorWindow second;
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QCOMPARE(display(&second), u"0"_s);
    // Nothing is pending any more: the result key leaves 3 as it is.
    clickKeys(&second, u"3=");
    QCOMPARE(display(&second), u"3"_s);
}

QTEST_MAIN(TestCalculator)
#include "test_calculator.moc"
