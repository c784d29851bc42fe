// The pages for parents: every address the web key and the links page open
// leads somewhere, the program's own pages are in the build, and nothing on
// them points to a file that is not there.

#include "screens/start/start_window.h"
#include "screens/weblinks/weblinks_window.h"

#include "frame/appstate.h"
#include "frame/userfolder.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace mk::test;

namespace {

const QString kPages = QStringLiteral(MK_BUILD_DIR "/pages");

// The page behind an address, if it is one of the program's own in the build.
QString ownPage(const QUrl &url)
{
    const QString path = QFileInfo(url.toLocalFile()).canonicalFilePath();
    return url.isLocalFile() && QFileInfo(path).isFile() && QFileInfo(path).path() == QDir(kPages).canonicalPath()
             ? QFileInfo(path).fileName()
             : QString();
}

QByteArray fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QStringList kCodes{u"D"_s, u"E"_s, u"S"_s, u"F"_s, u"NL"_s, u"I"_s};

} // namespace

class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void webKeyOpensTheMainPageInTheChildsLanguage_data();
    void webKeyOpensTheMainPageInTheChildsLanguage();
    void linksOpenOwnPagesAndRealSites();
    void pagesLinkOnlyToWhatIsThere();
    void userFolderReachesTheInstalledPages();
};

void TestPages::webKeyOpensTheMainPageInTheChildsLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("htmlLang");
    const char *rows[][3] = {{"D", "de.html", "de"}, {"E", "en.html", "en"}, {"S", "es.html", "es"},
                             {"F", "fr.html", "fr"}, {"NL", "nl.html", "nl"}, {"I", "it.html", "it"},
                             {"PL", "de.html", "de"}};
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]) << QByteArray(row[2]);
}

void TestPages::webKeyOpensTheMainPageInTheChildsLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, page);
    QFETCH(QByteArray, htmlLang);
    ScreenFixture<mk::StartWindow> start([&language](WorkDir &dir) {
        dir.writeIni(settingsFile(u"x"_s, language, 1, 1, 0));
    });
    BrowserCatcher browser;
    start.click(u"WebTaste"_s);
    QCOMPARE(browser.urls.size(), 1);
    QCOMPARE(ownPage(browser.urls[0]), page);
    QVERIFY(fileText(browser.urls[0].toLocalFile()).contains("<html lang=\"" + htmlLang + "\">"));
}

void TestPages::linksOpenOwnPagesAndRealSites()
{
    // Entry by entry: the page of the program's own, or the site's address.
    const QStringList expected{
        u"en.html"_s,
        u"about.html"_s,
        u"https://gcompris.net/"_s,
        u"https://apps.kde.org/de/ktouch/"_s,
        u"pictures.html"_s,
        u"https://klexikon.zum.de/wiki/Schach"_s,
        u"https://de.wikibooks.org/wiki/Musiklehre"_s,
        u"support.html"_s,
    };
    for (const QString &code : kCodes) {
        WorkDir dir;
        dir.writeIni(settingsFile(u"x"_s, code, 1, 1, 0));
        mk::loadSettings();
        mk::WeblinksWindow links;
        links.show();
        BrowserCatcher browser;
        for (int i = 0; i < 8; ++i) {
            auto *entry = control<QLabel>(&links, u"Webadressen_%1"_s.arg(i));
            // A caption cut off at its edge would hide what a click opens.
            QVERIFY2(entry->sizeHint().width() <= entry->width(), qPrintable(code + u' ' + entry->text()));
            if (code != u"E")
                continue;
            click(entry);
            QCOMPARE(browser.urls.size(), i + 1);
            const QUrl &url = browser.urls.last();
            QCOMPARE(url.isLocalFile() ? ownPage(url) : url.toString(), expected[i]);
        }
    }
}

void TestPages::pagesLinkOnlyToWhatIsThere()
{
    // The pages for parents in six languages, and those behind the links page.
    const QStringList pages{u"de.html"_s, u"en.html"_s,    u"es.html"_s,       u"fr.html"_s,      u"nl.html"_s,
                            u"it.html"_s, u"about.html"_s, u"pictures.html"_s, u"support.html"_s};
    QCOMPARE(QDir(kPages).entryList({u"*.html"_s}, QDir::Files, QDir::Name).size(), pages.size());
    const QRegularExpression reference(u"(?:href|src)=\"([^\"]*)\""_s);
    for (const QString &page : pages) {
        const QString text = QString::fromUtf8(fileText(kPages + u'/' + page));
        QVERIFY2(text.startsWith(u"<!DOCTYPE html>"), qPrintable(page));
        // Nothing runs and nothing is fetched from elsewhere.
        QVERIFY2(!text.contains(u"<script"), qPrintable(page));
        int local = 0;
        for (const QRegularExpressionMatch &m : reference.globalMatch(text)) {
            const QString target = m.captured(1);
            QVERIFY2(!target.contains(u"://"), qPrintable(page + u": "_s + target));
            QVERIFY2(QFileInfo::exists(kPages + u'/' + target), qPrintable(page + u": "_s + target));
            ++local;
        }
        QVERIFY2(local >= 6, qPrintable(page));
    }
    // The gallery shows every picture the program has, once (not the sharp twins).
    const QString gallery = QString::fromUtf8(fileText(kPages + u"/pictures.html"_s));
    const QStringList pictures = QDir(QStringLiteral(MK_BUILD_DIR "/BTN")).entryList({u"*.jpg"_s}, QDir::Files);
    QCOMPARE(gallery.count(u"<figure><img src=\"../BTN/"_s), int(pictures.size() - pictures.filter(u"@2x"_s).size()));
    QVERIFY(gallery.contains(u"src=\"../BTN/Würfel0.jpg\""_s));
}

void TestPages::userFolderReachesTheInstalledPages()
{
    // The menu's start runs in the user's own folder: its pages are the installed ones.
    QTemporaryDir user;
    const mk::UserFolder folder = mk::prepareUserFolder(QStringLiteral(MK_BUILD_DIR), user.path() + u"/malkobold"_s);
    QCOMPARE(folder.problem, QString());
    WorkDir fresh;
    SoundRecorder sounds;
    mk::setDirectories(folder.runIn);
    mk::app().settings.sprache = u"NL"_s;
    mk::WeblinksWindow links;
    BrowserCatcher browser;
    click(control(&links, u"Webadressen_0"_s));
    QCOMPARE(browser.urls.size(), 1);
    QCOMPARE(browser.urls[0].toLocalFile(), QDir(kPages).canonicalPath() + u"/nl.html"_s);
}

QTEST_MAIN(TestPages)
#include "test_pages.moc"
