#include "screens/weblinks/weblinks_window.h"

#include "frame/appstate.h"
#include "testsupport.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kHome = u"https://malkobold.example.org/"_s;

// What the browser was asked to open, and whether the wait cursor was up
// at that moment.
class BrowserCatcher : public QObject
{
    Q_OBJECT

public:
    BrowserCatcher()
    {
        QDesktopServices::setUrlHandler(u"https"_s, this, "open");
    }
    ~BrowserCatcher() override { QDesktopServices::unsetUrlHandler(u"https"_s); }

    QList<QUrl> urls;
    QList<bool> waiting;

public slots:
    void open(const QUrl &url)
    {
        urls << url;
        const QCursor *cursor = QGuiApplication::overrideCursor();
        waiting << (cursor && cursor->shape() == Qt::WaitCursor);
    }
};

QString entry(int i)
{
    return u"Webadressen_%1"_s.arg(i);
}

const QString kGermanIntro = u"Diese Link führen zu einigen meiner Webseiten. Es handelt sich um Themen meiner "
                             u"Kunst und meiner kostenlosen Software."_s;

QByteArray iniFor(const QByteArray &language, int audio)
{
    return "\"Malkobold 1x1\"\r\n\"[MalSymbol$]\"\r\n\"x\"\r\n\"[Sprache]\"\r\n\"" + language
         + "\"\r\n\"[Mal_Reihe]\"\r\n4\r\n\"[Audio]\"\r\n" + QByteArray::number(audio)
         + "\r\n\"[Farbe]\"\r\n2\r\n";
}

} // namespace

class TestWeblinks : public QObject
{
    Q_OBJECT

private:
    // A fresh folder whose settings file holds `language`, read as the start-up would.
    std::unique_ptr<mk::WeblinksWindow> open(mk::test::WorkDir &dir, const QByteArray &language, int audio = 0)
    {
        dir.writeIni(iniFor(language, audio));
        mk::loadSettings();
        auto page = std::make_unique<mk::WeblinksWindow>();
        page->show();
        return page;
    }

    QWidget *find(QWidget *page, const QString &name)
    {
        QWidget *w = mk::test::child(page, name);
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }

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
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QString>("intro");
    QTest::addColumn<QString>("exitTip");

    QTest::newRow("D") << "D"_ba << kGermanIntro << u" Verlassen "_s;
    QTest::newRow("E") << "E"_ba
                       << u"Here I present some of my sites. They deal with my art or present my free software."_s
                       << u" Exit "_s;
    QTest::newRow("S") << "S"_ba
                       << u"Este enlace (link) conduce a algunos de mis sitios web. Estos son temas de mi arte y mi "
                          u"software libre."_s
                       << u" Abandonar "_s;
    QTest::newRow("F") << "F"_ba
                       << u"Ce lien mène à certains de mes sites Web. Ce sont des sujets de mon art et de mon "
                          u"logiciel libre."_s
                       << u" Quitter "_s;
    QTest::newRow("NL") << "NL"_ba
                        << u"Deze link leidt naar een aantal van mijn websites. Dit zijn onderwerpen van mijn kunst "
                           u"en mijn gratis software."_s
                        << u" Exit "_s;
    QTest::newRow("I") << "I"_ba
                       << u"Questo link porta ad alcuni dei miei siti web, che sono argomenti della mia arte e del "
                          u"mio software gratuito."_s
                       << u"Esci"_s;
    QTest::newRow("unknown code") << "X"_ba << kGermanIntro << QString();
}

void TestWeblinks::loadsInEveryLanguage()
{
    QFETCH(QByteArray, language);
    QFETCH(QString, intro);
    QFETCH(QString, exitTip);

    mk::test::WorkDir dir;
    mk::test::SoundRecorder sounds;
    const QByteArray before = iniFor(language, 0);
    auto page = open(dir, language);

    QCOMPARE(page->objectName(), u"B5_Webseiten"_s);
    QCOMPARE(page->size(), QSize(696, 497));
    QCOMPARE(sounds.names(), QStringList{u"sGitarre"_s});
    QWidget *exit = find(page.get(), u"ExitButton"_s);
    QVERIFY(exit);
    QCOMPARE(mk::test::picture(exit), u"EndeButton_N.jpg"_s);
    QCOMPARE(exit->toolTip(), exitTip);
    auto *text1 = mk::test::child<QLabel>(page.get(), u"Text1"_s);
    QVERIFY(text1);
    QCOMPARE(text1->text(), intro);
    QCOMPARE(text1->geometry(), QRect(208, 8, 393, 129));
    QVERIFY(mk::test::child<QLabel>(page.get(), u"Label1"_s));

    // The page writes no settings.
    page->close();
    QCOMPARE(dir.readIni(), before);
}

void TestWeblinks::entriesShowAddressAndLanguages()
{
    mk::test::WorkDir dir;
    auto page = open(dir, "E");

    // Captions: the address, then the site's languages in brackets, the same in every language.
    const QStringList captions{
        kHome + u" (Deutsch)"_s,
        kHome + u"about/ (Deutsch, English)"_s,
        u"https://gcompris.net/ (Deutsch, English, Español, Français, Nederlands, Italiano …)"_s,
        u"https://apps.kde.org/de/ktouch/ (Deutsch)"_s,
        kHome + u"drawings/ (Deutsch)"_s,
        u"https://klexikon.zum.de/wiki/Schach (Deutsch)"_s,
        u"https://de.wikibooks.org/wiki/Musiklehre (Deutsch)"_s,
        kHome + u"donate/ (Deutsch)"_s,
    };
    // Where the layout puts them, in pixels (15 twips each).
    const QList<QRect> places{
        {208, 200, 441, 25}, {208, 168, 441, 25}, {32, 384, 617, 25}, {208, 280, 441, 25},
        {32, 416, 617, 25},  {32, 448, 617, 25},  {208, 248, 441, 25}, {152, 328, 497, 25},
    };
    for (int i = 0; i < 8; ++i) {
        auto *label = mk::test::child<QLabel>(page.get(), entry(i));
        QVERIFY2(label, qPrintable(entry(i)));
        QCOMPARE(label->text(), captions[i]);
        QCOMPARE(label->geometry(), places[i]);
    }
    QVERIFY(!mk::test::child<QLabel>(page.get(), entry(8)));
}

void TestWeblinks::hoverShowsAndKeepsTheDescription()
{
    mk::test::WorkDir dir;
    auto page = open(dir, "F");
    auto *text1 = mk::test::child<QLabel>(page.get(), u"Text1"_s);
    QVERIFY(text1);

    mk::test::hover(find(page.get(), entry(3)));
    const QString typing = u"KTouch: ein freies Programm, mit dem man Lektion für Lektion das Schreiben mit zehn "
                           u"Fingern übt."_s;
    QCOMPARE(text1->text(), typing);

    // Off the list, over the heading and the description itself: the text stays.
    mk::test::hover(find(page.get(), u"Label1"_s));
    mk::test::hover(text1);
    QCOMPARE(text1->text(), typing);

    // The page about the program's makers speaks German, then English.
    mk::test::hover(find(page.get(), entry(1)));
    QCOMPARE(text1->text(),
             u"Wer Malkobold gemalt und geschrieben hat, und mehr über die Bilder und die Kunst dahinter.\n\n"
             u"Who drew and wrote Malkobold, and more about the pictures and the art behind them."_s);

    // Every entry has a description of its own, whatever the language.
    QStringList seen;
    for (int i = 0; i < 8; ++i) {
        mk::test::hover(find(page.get(), entry(i)));
        QVERIFY2(!text1->text().isEmpty() && text1->text() != kGermanIntro, qPrintable(entry(i)));
        QVERIFY2(!seen.contains(text1->text()), qPrintable(entry(i)));
        seen << text1->text();
    }
    mk::test::WorkDir german;
    auto other = open(german, "D");
    auto *otherText = mk::test::child<QLabel>(other.get(), u"Text1"_s);
    for (int i = 0; i < 8; ++i) {
        mk::test::hover(find(other.get(), entry(i)));
        QCOMPARE(otherText->text(), seen[i]);
    }
}

void TestWeblinks::clickOpensTheAddressAndStays()
{
    mk::test::WorkDir dir;
    mk::test::SoundRecorder sounds;
    auto page = open(dir, "D");
    sounds.clear();
    BrowserCatcher browser;

    for (int i = 0; i < 8; ++i)
        mk::test::click(find(page.get(), entry(i)));
    const QList<QUrl> expected{
        QUrl(kHome),
        QUrl(kHome + u"about/"_s),
        QUrl(u"https://gcompris.net/"_s),
        QUrl(u"https://apps.kde.org/de/ktouch/"_s),
        QUrl(kHome + u"drawings/"_s),
        QUrl(u"https://klexikon.zum.de/wiki/Schach"_s),
        QUrl(u"https://de.wikibooks.org/wiki/Musiklehre"_s),
        QUrl(kHome + u"donate/"_s),
    };
    QCOMPARE(browser.urls, expected);
    QCOMPARE(browser.waiting, QList<bool>(8, true));
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(page->isVisible());
    QCOMPARE(sounds.names(), QStringList());

    // Only a left click opens; a press dragged off the entry opens nothing.
    QWidget *game = find(page.get(), entry(2));
    QTest::mouseClick(game, Qt::RightButton, Qt::NoModifier, game->rect().center());
    QTest::mousePress(game, Qt::LeftButton, Qt::NoModifier, game->rect().center());
    QTest::mouseRelease(game, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
    QCOMPARE(browser.urls.size(), 8);
    QCOMPARE(dir.readIni(), iniFor("D", 0));
}

void TestWeblinks::entriesGiveThePressingHand()
{
    mk::test::WorkDir dir;
    auto page = open(dir, "D");
    BrowserCatcher browser;
    QWidget *site = find(page.get(), entry(5));
    QCOMPARE(mk::test::cursorFile(site), QString());
    // Any button gives the feedback; the entry shows no picture.
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
        mk::test::press(site, button);
        QCOMPARE(mk::test::cursorFile(site), u"Hand3.ico"_s);
        mk::test::release(site, button);
        QCOMPARE(mk::test::cursorFile(site), u"Hand1.ico"_s);
    }
    QCOMPARE(browser.urls.size(), 1);
}

void TestWeblinks::leaveKey()
{
    mk::test::WorkDir dir;
    mk::test::SoundRecorder sounds;
    auto page = open(dir, "S", 1);
    QCOMPARE(sounds.names(), QStringList()); // sound is off in this file
    mk::app().settings.audioStatus = 0;

    QWidget *exit = find(page.get(), u"ExitButton"_s);
    QVERIFY(exit);
    mk::test::press(exit);
    QCOMPARE(mk::test::picture(exit), u"ExitButton_gedrückt.jpg"_s);
    QCOMPARE(mk::test::cursorFile(exit), u"Hand3.ico"_s);
    mk::test::release(exit);
    QCOMPARE(mk::test::picture(exit), u"ExitButton.jpg"_s);
    QCOMPARE(mk::test::cursorFile(exit), u"Hand1.ico"_s);
    QCOMPARE(sounds.names(), QStringList{u"sSlam.wav"_s});
    QVERIFY(!page->isVisible());
    QCOMPARE(page->result(), int(QDialog::Accepted));
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(dir.readIni(), iniFor("S", 1));
}

QTEST_MAIN(TestWeblinks)
#include "test_weblinks.moc"
