#include "screens/weblinks/weblinks_window.h"

#include "frame/appstate.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace mk::test;

namespace {

QString entry(int i)
{
    return u"Webadressen_%1"_s.arg(i);
}

const QString kGermanIntro = u"Diese Link führen zu einigen meiner Webseiten. Es handelt sich um Themen meiner "
                             u"Kunst und meiner kostenlosen Software."_s;

// A settings file with a line after the eleventh, never read and dropped by
// any save: so a write of the same values shows too.
QByteArray iniFor(const QString &language, int audio = 0)
{
    return settingsFile(u"x"_s, language, 4, audio, 2) + "\"not read\"\r\n";
}

// The page shown, its settings read as the start-up reads them.
struct Page : ScreenFixture<mk::WeblinksWindow>
{
    explicit Page(const QString &language, int audio = 0)
        : ScreenFixture([&](WorkDir &dir) {
              dir.writeIni(iniFor(language, audio));
              mk::loadSettings();
          })
    {
        window->show();
    }
};

} // namespace

class TestWeblinks : public QObject
{
    Q_OBJECT

private slots:
    void loadsInEveryLanguage_data();
    void loadsInEveryLanguage();
    void entriesShowAddressAndLanguages();
    void hoverShowsAndKeepsTheDescription();
    void clickOpensTheAddressAndStays();
    void entriesGiveThePressingHand();
    void leaveKey();
};

void TestWeblinks::loadsInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("intro");
    QTest::addColumn<QString>("exitTip");

    QTest::newRow("D") << u"D"_s << kGermanIntro << u" Verlassen "_s;
    QTest::newRow("E") << u"E"_s
                       << u"Here I present some of my sites. They deal with my art or present my free software."_s
                       << u" Exit "_s;
    QTest::newRow("S") << u"S"_s
                       << u"Este enlace (link) conduce a algunos de mis sitios web. Estos son temas de mi arte y mi "
                          u"software libre."_s
                       << u" Abandonar "_s;
    QTest::newRow("F") << u"F"_s
                       << u"Ce lien mène à certains de mes sites Web. Ce sont des sujets de mon art et de mon "
                          u"logiciel libre."_s
                       << u" Quitter "_s;
    QTest::newRow("NL") << u"NL"_s
                        << u"Deze link leidt naar een aantal van mijn websites. Dit zijn onderwerpen van mijn kunst "
                           u"en mijn gratis software."_s
                        << u" Exit "_s;
    QTest::newRow("I") << u"I"_s
                       << u"Questo link porta ad alcuni dei miei siti web, che sono argomenti della mia arte e del "
                          u"mio software gratuito."_s
                       << u"Esci"_s;
    QTest::newRow("unknown code") << u"X"_s << kGermanIntro << QString();
}

void TestWeblinks::loadsInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, intro);
    QFETCH(QString, exitTip);

    Page f(language);
    QCOMPARE(f.window->objectName(), u"B5_Webseiten"_s);
    QCOMPARE(f.window->size(), QSize(696, 497));
    QCOMPARE(f.loadSounds, QStringList{u"sGitarre"_s});
    QCOMPARE(f.pic(u"ExitButton"_s), u"EndeButton_N.jpg"_s);
    QCOMPARE(f.tip(u"ExitButton"_s), exitTip);
    QCOMPARE(f.text(u"Text1"_s), intro);
    QCOMPARE(f.label(u"Text1"_s)->geometry(), QRect(208, 8, 393, 129));
    f.label(u"Label1"_s); // the heading: a missing one fails by name

    // The page writes no settings.
    f.window->close();
    QCOMPARE(f.dir.readIni(), iniFor(language));
}

void TestWeblinks::entriesShowAddressAndLanguages()
{
    Page f(u"E"_s);

    // Captions: a site's address, then its languages in brackets, the same in
    // every language; the program's own pages say what opens, in English here.
    const QStringList captions{
        u"Malkobold: the page for parents (English)"_s,
        u"About Malkobold and its pictures (Deutsch, English)"_s,
        u"https://gcompris.net/ (Deutsch, English, Español, Français, Nederlands, Italiano …)"_s,
        u"https://apps.kde.org/de/ktouch/ (Deutsch)"_s,
        u"Gallery: every picture of Malkobold (Deutsch, English)"_s,
        u"https://klexikon.zum.de/wiki/Schach (Deutsch)"_s,
        u"https://de.wikibooks.org/wiki/Musiklehre (Deutsch)"_s,
        u"Support Malkobold: report problems, translate (Deutsch, English)"_s,
    };
    // Where the layout puts them, in pixels (15 twips each).
    const QList<QRect> places{
        {208, 200, 441, 25}, {208, 168, 441, 25}, {32, 384, 617, 25}, {208, 280, 441, 25},
        {32, 416, 617, 25},  {32, 448, 617, 25},  {208, 248, 441, 25}, {152, 328, 497, 25},
    };
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(f.text(entry(i)), captions[i]);
        QCOMPARE(f(entry(i))->geometry(), places[i]);
    }
    QVERIFY(!child(f.window.get(), entry(8)));
}

void TestWeblinks::hoverShowsAndKeepsTheDescription()
{
    Page f(u"F"_s);
    QLabel *text1 = f.label(u"Text1"_s);

    hover(f(entry(3)));
    const QString typing = u"KTouch: ein freies Programm, mit dem man Lektion für Lektion das Schreiben mit zehn "
                           u"Fingern übt."_s;
    QCOMPARE(text1->text(), typing);

    // Off the list, over the heading and the description itself: the text stays.
    hover(f(u"Label1"_s));
    hover(text1);
    QCOMPARE(text1->text(), typing);

    // The page about the program speaks German, then English.
    hover(f(entry(1)));
    QCOMPARE(text1->text(),
             u"Wer Malkobold gemacht hat, unter welcher Lizenz es frei ist und wie seine Bilder und Klänge "
             u"entstehen.\n\nWho made Malkobold, under which licence it is free, and how its pictures and sounds "
             u"are made."_s);

    // Every entry has a description of its own, whatever the language.
    QStringList seen;
    for (int i = 0; i < 8; ++i) {
        hover(f(entry(i)));
        QVERIFY2(!text1->text().isEmpty() && text1->text() != kGermanIntro, qPrintable(entry(i)));
        QVERIFY2(!seen.contains(text1->text()), qPrintable(entry(i)));
        seen << text1->text();
    }
    Page german(u"D"_s);
    for (int i = 0; i < 8; ++i) {
        hover(german(entry(i)));
        QCOMPARE(german.text(u"Text1"_s), seen[i]);
    }
}

void TestWeblinks::clickOpensTheAddressAndStays()
{
    Page f(u"D"_s);
    BrowserCatcher browser;
    for (int i = 0; i < 8; ++i)
        f.click(entry(i));
    // The program's own pages are files installed with it (test_pages looks closer).
    const auto local = [&f](const QString &file) {
        return QUrl::fromLocalFile(QFileInfo(f.dir.path() + u"/pages/"_s + file).canonicalFilePath());
    };
    const QList<QUrl> expected{
        local(u"de.html"_s),
        local(u"about.html"_s),
        QUrl(u"https://gcompris.net/"_s),
        QUrl(u"https://apps.kde.org/de/ktouch/"_s),
        local(u"pictures.html"_s),
        QUrl(u"https://klexikon.zum.de/wiki/Schach"_s),
        QUrl(u"https://de.wikibooks.org/wiki/Musiklehre"_s),
        local(u"support.html"_s),
    };
    QCOMPARE(browser.urls, expected);
    QCOMPARE(browser.waiting, QList<bool>(8, true));
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.sounds.names(), QStringList());

    // Only a left click opens; a press dragged off the entry opens nothing.
    QWidget *game = f(entry(2));
    QTest::mouseClick(game, Qt::RightButton, Qt::NoModifier, game->rect().center());
    QTest::mousePress(game, Qt::LeftButton, Qt::NoModifier, game->rect().center());
    QTest::mouseRelease(game, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
    QCOMPARE(browser.urls.size(), 8);
    QCOMPARE(f.dir.readIni(), iniFor(u"D"_s));
}

void TestWeblinks::entriesGiveThePressingHand()
{
    Page f(u"D"_s);
    BrowserCatcher browser;
    QWidget *site = f(entry(5));
    QCOMPARE(cursorFile(site), QString());
    // Any button gives the feedback; the entry shows no picture.
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
        press(site, button);
        QCOMPARE(cursorFile(site), u"Hand3.ico"_s);
        release(site, button);
        QCOMPARE(cursorFile(site), u"Hand1.ico"_s);
    }
    QCOMPARE(browser.urls.size(), 1);
}

void TestWeblinks::leaveKey()
{
    Page f(u"S"_s, 1);
    QCOMPARE(f.loadSounds, QStringList()); // sound is off in this file
    mk::app().settings.audioStatus = 0;

    QWidget *exit = f(u"ExitButton"_s);
    press(exit);
    QCOMPARE(picture(exit), u"ExitButton_gedrückt.jpg"_s);
    QCOMPARE(cursorFile(exit), u"Hand3.ico"_s);
    release(exit);
    QCOMPARE(picture(exit), u"ExitButton.jpg"_s);
    QCOMPARE(cursorFile(exit), u"Hand1.ico"_s);
    QCOMPARE(f.sounds.names(), QStringList{u"sSlam.wav"_s});
    QVERIFY(!f.window->isVisible());
    QCOMPARE(f.window->result(), int(QDialog::Accepted));
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(f.dir.readIni(), iniFor(u"S"_s, 1));
}

QTEST_MAIN(TestWeblinks)
#include "test_weblinks.moc"
