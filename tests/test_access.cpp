#include "testsupport.h"

#include "screens/balls/balls_window.h"
#include "screens/calculator/calculator_window.h"
#include "screens/lernstand/lernstand_window.h"
#include "screens/random/random_window.h"
#include "screens/series/series_window.h"
#include "screens/start/start_window.h"
#include "screens/weblinks/weblinks_window.h"

#include "frame/appstate.h"
#include "frame/picturewidgets.h"
#include "frame/settings.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

using namespace mk;
using namespace mk::test;
using namespace Qt::StringLiterals;

namespace {

const QStringList kLanguages{u"D"_s, u"E"_s, u"S"_s, u"F"_s, u"NL"_s, u"I"_s};

using Make = std::function<std::unique_ptr<QWidget>()>;

template<typename W>
Make make()
{
    return [] { return std::unique_ptr<QWidget>(new W(nullptr)); };
}

const std::vector<std::pair<QString, Make>> &screens()
{
    static const std::vector<std::pair<QString, Make>> list{
        {u"start"_s, make<StartWindow>()},   {u"balls"_s, make<BallsWindow>()},
        {u"series"_s, make<SeriesWindow>()}, {u"random"_s, make<RandomWindow>()},
        {u"calculator"_s, make<CalculatorWindow>()}, {u"links"_s, make<WeblinksWindow>()},
        {u"lernstand"_s, make<LernstandWindow>()},
    };
    return list;
}

Make screenNamed(const QString &name)
{
    for (const auto &[n, m] : screens()) {
        if (n == name)
            return m;
    }
    return {};
}

// The settings a screen opened from the start screen finds loaded.
void writeLanguage(const WorkDir &dir, const QString &language, int audio = 0)
{
    dir.writeIni(SettingsFile::format(Settings{u"x"_s, language, 3, qint16(audio), 1}));
    loadSettings();
}

bool pressable(QAccessibleInterface *iface)
{
    if (iface->role() == QAccessible::Button)
        return true;
    QAccessibleActionInterface *actions = iface->actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// What assistive technology is told about every named control of a screen.
std::map<QString, QString> spoken(const QWidget *screen)
{
    std::map<QString, QString> said;
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty())
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        if (!iface)
            continue;
        said[w->objectName()] = iface->text(QAccessible::Name) + u" | "_s + iface->text(QAccessible::Description);
    }
    return said;
}

// Everything a child could notice after a key: pictures, cursors, texts,
// what is shown and enabled, the sounds and the settings file.
QStringList observed(const QWidget *screen, const SoundRecorder &sounds, const WorkDir &dir)
{
    QStringList seen;
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        QString line = w->objectName() + u' ' + picture(w) + u' ' + cursorFile(w) + u' '
            + QString::number(w->isVisible()) + QString::number(w->isEnabled());
        if (auto *label = qobject_cast<QLabel *>(w))
            line += u' ' + label->text();
        seen << line;
    }
    seen << sounds.names() << QString::fromLatin1(dir.readIni().toHex());
    return seen;
}

std::unique_ptr<QWidget> shown(const Make &makeScreen)
{
    // The same dice for the mouse and the keyboard.
    float draws = 0.0f;
    setRandomSource([draws]() mutable { return draws = draws > 0.9f ? 0.05f : draws + 0.137f; });
    std::unique_ptr<QWidget> screen = makeScreen();
    screen->show();
    screen->activateWindow();
    if (!QTest::qWaitForWindowActive(screen.get()))
        qWarning("the screen did not become active");
    return screen;
}

// Tabs until `name` has the focus; gives the number of Tabs, or -1.
int tabTo(QWidget *screen, const QString &name)
{
    for (int tabs = 1; tabs <= 80; ++tabs) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : screen, Qt::Key_Tab);
        if (QApplication::focusWidget() && QApplication::focusWidget()->objectName() == name)
            return tabs;
    }
    return -1;
}

std::vector<PictureKey *> ringed(const QWidget *screen)
{
    std::vector<PictureKey *> keys;
    for (PictureKey *key : screen->findChildren<PictureKey *>()) {
        if (key->showsFocusRing())
            keys.push_back(key);
    }
    return keys;
}

} // namespace

class TestAccess : public QObject
{
    Q_OBJECT

private slots:
    void everyKeyHasItsName_data();
    void everyKeyHasItsName();
    void namesOfKeysWithoutTooltip_data();
    void namesOfKeysWithoutTooltip();
    void namesFollowTheLanguage();
    void keysSayTheirState();
    void keyboardPressesAsAClick_data();
    void keyboardPressesAsAClick();
    void keyboardShowsPressAndRing();
    void tabFollowsReadingOrder();
    void keyboardOpensALink();
    void openingByMouseShowsNoRing();
    void cleanup() { setRandomSource({}); }
};

void TestAccess::everyKeyHasItsName_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("language");
    for (const auto &[name, makeScreen] : screens()) {
        for (const QString &language : kLanguages)
            QTest::newRow(qPrintable(name + u' ' + language)) << name << language;
    }
}

// Every control a child can press has a name; a tooltip is the name itself.
void TestAccess::everyKeyHasItsName()
{
    QFETCH(QString, screen);
    QFETCH(QString, language);
    WorkDir dir;
    writeLanguage(dir, language);
    const std::unique_ptr<QWidget> window = screenNamed(screen)();
    int keys = 0;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY(iface);
        const QString name = iface->text(QAccessible::Name);
        if (pressable(iface) || qobject_cast<KeyLabel *>(w)) {
            ++keys;
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(w->objectName() + u" has no name"_s));
        }
        if (!w->toolTip().trimmed().isEmpty())
            QCOMPARE(name, w->toolTip().trimmed());
        // A label reads out what it shows, unless it was given a name of its own
        // (a cell of the board says its task and level, not its mark).
        if (auto *label = qobject_cast<QLabel *>(w); label && label->accessibleName().isEmpty())
            QCOMPARE(name, label->text());
    }
    QVERIFY(keys >= 9);
}

void TestAccess::namesOfKeysWithoutTooltip_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::newRow("title D") << u"start"_s << u"D"_s << u"TitelPic"_s << u"Malkobold sagt Hallo"_s;
    QTest::newRow("title E") << u"start"_s << u"E"_s << u"TitelPic"_s << u"Malkobold says hello"_s;
    QTest::newRow("seven NL") << u"calculator"_s << u"NL"_s << u"cmdSeven"_s << u"7"_s;
    QTest::newRow("plus F") << u"calculator"_s << u"F"_s << u"cmdPlus"_s << u"Plus"_s;
    QTest::newRow("divide S") << u"calculator"_s << u"S"_s << u"cmdDivide"_s << u"Dividido entre"_s;
    QTest::newRow("point D") << u"calculator"_s << u"D"_s << u"cmdKomma"_s << u"Komma"_s;
    QTest::newRow("result I") << u"calculator"_s << u"I"_s << u"cmdReslutat"_s << u"Risultato"_s;
    QTest::newRow("clear E") << u"calculator"_s << u"E"_s << u"cmdClear"_s << u"Clear all"_s;
    QTest::newRow("ear balls D") << u"balls"_s << u"D"_s << u"Audio"_s << u"Ton"_s;
    QTest::newRow("green brush balls E") << u"balls"_s << u"E"_s << u"Pinsel_3"_s << u"Green brush"_s;
    QTest::newRow("red brush balls I") << u"balls"_s << u"I"_s << u"Pinsel_1"_s << u"Pennello rosso"_s;
    QTest::newRow("ear series F") << u"series"_s << u"F"_s << u"Audio"_s << u"Son"_s;
}

void TestAccess::namesOfKeysWithoutTooltip()
{
    QFETCH(QString, screen);
    QFETCH(QString, language);
    QFETCH(QString, key);
    QFETCH(QString, name);
    WorkDir dir;
    writeLanguage(dir, language);
    const std::unique_ptr<QWidget> window = screenNamed(screen)();
    QWidget *w = child(window.get(), key);
    QVERIFY2(w, qPrintable(key));
    QCOMPARE(w->toolTip(), QString());
    QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), name);
}

// After a language key every name is the one a screen opened in that
// language has, never the previous language's.
void TestAccess::namesFollowTheLanguage()
{
    for (int from = 0; from < kLanguages.size(); ++from) {
        for (int to = 0; to < kLanguages.size(); ++to) {
            if (from == to)
                continue;
            WorkDir dir;
            writeLanguage(dir, kLanguages[to]);
            const auto fresh = spoken(StartWindow().window());
            writeLanguage(dir, kLanguages[from]);
            StartWindow start;
            const auto before = spoken(&start);
            click(child(&start, u"SprachTaste_%1"_s.arg(to)));
            const auto after = spoken(&start);
            int changed = 0;
            for (const auto &[name, text] : after) {
                // The help page and the hint box show what was last opened or hovered.
                if (name.startsWith(u"Label"_s) || name == u"TextFeld_klein"_s)
                    continue;
                QVERIFY2(fresh.count(name), qPrintable(name));
                QCOMPARE(text, fresh.at(name));
                changed += text != before.at(name);
            }
            QVERIFY2(changed >= 10, qPrintable(kLanguages[from] + u" to "_s + kLanguages[to]));
        }
    }
}

void TestAccess::keysSayTheirState()
{
    WorkDir dir;
    writeLanguage(dir, u"E"_s);
    StartWindow start;
    QWidget *ear = child(&start, u"Audio"_s);
    QWidget *help = child(&start, u"HelpButton"_s);
    auto description = [](QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description); };
    QCOMPARE(description(ear), u"Sound is on"_s);
    QCOMPARE(description(help), u"Help is closed"_s);
    click(ear);
    click(help);
    QCOMPARE(description(ear), u"Sound is off"_s);
    QCOMPARE(description(help), u"Help is open"_s);
    click(child(&start, u"SprachTaste_0"_s));
    QCOMPARE(description(ear), u"Ton ist aus"_s);
    QCOMPARE(description(help), u"Hilfe ist offen"_s);
    click(help);
    QCOMPARE(description(help), u"Hilfe ist zu"_s);

    writeLanguage(dir, u"NL"_s, 1);
    BallsWindow balls(nullptr);
    QCOMPARE(description(child(&balls, u"Audio"_s)), u"Geluid staat uit"_s);
    // Choosing a number closes the help page: the key says so.
    click(child(&balls, u"HelpButton"_s));
    QCOMPARE(description(child(&balls, u"HelpButton"_s)), u"Help is open"_s);
    click(child(&balls, u"Zahl1_2"_s));
    QCOMPARE(description(child(&balls, u"HelpButton"_s)), u"Help is gesloten"_s);
}

void TestAccess::keyboardPressesAsAClick_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("activation");
    const std::vector<std::pair<QString, QString>> keys{
        {u"start"_s, u"MalPunkt"_s},       {u"start"_s, u"SprachTaste_4"_s}, {u"start"_s, u"Audio"_s},
        {u"start"_s, u"HelpButton"_s},     {u"start"_s, u"TitelPic"_s},      {u"balls"_s, u"Zahl1_2"_s},
        {u"balls"_s, u"Pinsel_2"_s},       {u"balls"_s, u"Radierer"_s},      {u"series"_s, u"Zahl1_6"_s},
        {u"series"_s, u"AugeButton"_s},    {u"random"_s, u"Mal_Bereich_1"_s}, {u"random"_s, u"HelpButton"_s},
        {u"calculator"_s, u"cmdSeven"_s},  {u"calculator"_s, u"cmdPlus"_s},
    };
    for (const auto &[screen, key] : keys) {
        QTest::newRow(qPrintable(screen + u' ' + key + u" space"_s)) << screen << key << int(Qt::Key_Space);
        QTest::newRow(qPrintable(screen + u' ' + key + u" enter"_s)) << screen << key << int(Qt::Key_Return);
    }
}

// Space or Enter on the key in focus does all that a click does.
void TestAccess::keyboardPressesAsAClick()
{
    QFETCH(QString, screen);
    QFETCH(QString, key);
    QFETCH(int, activation);
    QStringList byMouse;
    {
        WorkDir dir;
        writeLanguage(dir, u"D"_s);
        SoundRecorder sounds;
        const auto window = shown(screenNamed(screen));
        QWidget *target = child(window.get(), key);
        QVERIFY2(target, qPrintable(key));
        sounds.clear();
        click(target);
        byMouse = observed(window.get(), sounds, dir);
    }
    WorkDir dir;
    writeLanguage(dir, u"D"_s);
    SoundRecorder sounds;
    const auto window = shown(screenNamed(screen));
    QVERIFY(tabTo(window.get(), key) > 0);
    sounds.clear();
    QTest::keyClick(child(window.get(), key), Qt::Key(activation));
    QCOMPARE(observed(window.get(), sounds, dir), byMouse);
}

void TestAccess::keyboardShowsPressAndRing()
{
    WorkDir dir;
    writeLanguage(dir, u"D"_s);
    SoundRecorder sounds;
    const auto start = shown(make<StartWindow>());
    auto *malX = child<PictureKey>(start.get(), u"MalX"_s);
    QVERIFY(tabTo(start.get(), u"MalX"_s) > 0);
    QVERIFY(malX->showsFocusRing());
    QCOMPARE(ringed(start.get()).size(), std::size_t(1));
    const QImage withRing = malX->grab().toImage();
    sounds.clear();
    QTest::keyPress(malX, Qt::Key_Space);
    QCOMPARE(picture(malX), u"START_X_G.jpg"_s);
    QCOMPARE(cursorFile(malX), u"Hand3.ico"_s);
    QCOMPARE(sounds.names(), QStringList());
    QTest::keyRelease(malX, Qt::Key_Space);
    QCOMPARE(picture(malX), u"START_X.jpg"_s);
    QCOMPARE(cursorFile(malX), u"Hand1.ico"_s);
    QCOMPARE(sounds.names(), QStringList{u"sDrop1.wav"_s});
    QCOMPARE(picture(child(start.get(), u"GewähltesMalzeichen"_s)), u"Fläche_malX.jpg"_s);

    // Backtab leaves the key without its ring, and its picture as a mouse left it.
    QTest::keyClick(malX, Qt::Key_Backtab);
    QVERIFY(!malX->showsFocusRing());
    QVERIFY(malX->grab().toImage() != withRing);
    QCOMPARE(ringed(start.get()).size(), std::size_t(1));
}

void TestAccess::tabFollowsReadingOrder()
{
    WorkDir dir;
    writeLanguage(dir, u"E"_s);
    const auto calculator = shown(make<CalculatorWindow>());
    QStringList order;
    for (int i = 0; i < 21; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : calculator.get(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    const QStringList expected{
        u"HelpButton"_s, u"ExitButton"_s, u"cmdOne"_s,   u"cmdTwo"_s,    u"cmdThree"_s,   u"cmdClearEntry"_s,
        u"cmdClear"_s,   u"cmdFour"_s,    u"cmdFive"_s,  u"cmdSix"_s,    u"cmdPlus"_s,    u"cmdMinus"_s,
        u"cmdSeven"_s,   u"cmdEight"_s,   u"cmdNine"_s,  u"cmdDivide"_s, u"cmdMultiply"_s, u"cmdZero"_s,
        u"cmdKomma"_s,   u"cmdReslutat"_s, u"HelpButton"_s,
    };
    QCOMPARE(order, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdReslutat"_s);
}

void TestAccess::keyboardOpensALink()
{
    WorkDir dir;
    writeLanguage(dir, u"D"_s);
    BrowserCatcher browser;
    const auto links = shown(make<WeblinksWindow>());
    auto *entry = child<KeyLabel>(links.get(), u"Webadressen_1"_s);
    QVERIFY(tabTo(links.get(), u"Webadressen_1"_s) > 0);
    QVERIFY(entry->showsFocusRing());
    click(entry);
    QTest::keyClick(entry, Qt::Key_Enter);
    QCOMPARE(browser.urls.size(), 2);
    QCOMPARE(browser.urls[1], browser.urls[0]);
    QCOMPARE(cursorFile(entry), u"Hand1.ico"_s);
}

// A screen opened and used with the mouse looks as it always did.
void TestAccess::openingByMouseShowsNoRing()
{
    for (const auto &[name, makeScreen] : screens()) {
        WorkDir dir;
        writeLanguage(dir, u"D"_s);
        const auto window = shown(makeScreen);
        QVERIFY2(ringed(window.get()).empty(), qPrintable(name));
        if (QWidget *help = child(window.get(), u"HelpButton"_s))
            click(help);
        QVERIFY2(ringed(window.get()).empty(), qPrintable(name));
        // Space with nothing chosen by the keyboard presses nothing.
        SoundRecorder sounds;
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), Qt::Key_Space);
        QCOMPARE(sounds.names(), QStringList());
    }
}

QTEST_MAIN(TestAccess)
#include "test_access.moc"
