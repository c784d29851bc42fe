#include "testsupport.h"

#include "frame/appstate.h"
#include "frame/names.h"
#include "frame/pictures.h"
#include "frame/picturewidgets.h"
#include "frame/numbers.h"
#include "frame/screenkit.h"
#include "frame/sharedkeys.h"
#include "frame/settings.h"
#include "frame/sound.h"
#include "frame/window.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QUrl>

using namespace mk;
using namespace mk::test;

namespace {

Settings settings(const char *sign, const char *lang, qint16 row, qint16 audio, qint16 colour)
{
    return Settings{QString::fromLatin1(sign), QString::fromLatin1(lang), row, audio, colour};
}

// Catches the messages of the sound log category while it lives.
class SoundLog
{
public:
    SoundLog()
    {
        s_current = this;
        m_previous = qInstallMessageHandler(handle);
    }
    ~SoundLog()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    QStringList lines;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (context.category && qstrcmp(context.category, "malkobold.sound") == 0 && type == QtDebugMsg) {
            s_current->lines.append(message);
            return;
        }
        s_current->m_previous(type, context, message);
    }

    static inline SoundLog *s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
};

class PictureKeyHost : public QWidget
{
public:
    PictureKeyHost()
    {
        resize(200, 200);
        key = new PictureKey(this, QStringLiteral("START_X.jpg"), QStringLiteral("START_X_G.jpg"));
        key->setGeometry(10, 10, 81, 57);
        key->showNormalPicture();
    }
    PictureKey *key;
};

} // namespace

class TestFrame : public QObject
{
    Q_OBJECT

private slots:
    void directoriesFromWorkingDir();

    void centeredPosition_data();
    void centeredPosition();
    void centerFormOnPrimaryScreen();
    void centerFormCentresTheFrame();
    void thickBorderOnce();
    void browserGetsAddressWithWaitCursor();

    void soundOffReachesNothing();
    void soundLogsFullPath();
    void defaultPlayerIsCalmWithMissingFiles();
    void earToggle();

    void keyPressAndRelease();
    void keyAnyButtonGivesFeedbackOnlyLeftClicks();
    void keyReleasedOffItDoesNotClick();
    void keyVariants();
    void keyClickPictureStays();
    void keyMissingPictureKeepsPrevious();
    void keyDisabledGetsNothing();

    void textHelpers();
};

void TestFrame::directoriesFromWorkingDir()
{
    const Directories d = directoriesFor(QStringLiteral("/home/kid/1x1"));
    QCOMPARE(d.appDir, QStringLiteral("/home/kid/1x1/"));
    QCOMPARE(d.btnDir, QStringLiteral("/home/kid/1x1/BTN/"));
    QCOMPARE(d.dtaDir, QStringLiteral("/home/kid/1x1/DTA/"));
    QCOMPARE(d.iniDir, QStringLiteral("/home/kid/1x1/DTA/"));
    QCOMPARE(directoriesFor(QStringLiteral("/")).appDir, QStringLiteral("/"));
    QCOMPARE(SettingsFile::path(QStringLiteral("/x/DTA")), QStringLiteral("/x/DTA/1x1.ini"));
    QCOMPARE(SettingsFile::path(QStringLiteral("/x/DTA/")), QStringLiteral("/x/DTA/1x1.ini"));
}

void TestFrame::centeredPosition_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSizeF>("window");
    QTest::addColumn<QPointF>("expected");
    const QSizeF half(8000, 6000);
    QTest::newRow("4 centre, half size") << 4 << half << QPointF(4000, 3000);
    QTest::newRow("0 left edge") << 0 << half << QPointF(0, 3000);
    QTest::newRow("1 right edge") << 1 << half << QPointF(8000, 3000);
    QTest::newRow("2 top edge") << 2 << half << QPointF(4000, 0);
    QTest::newRow("3 bottom edge") << 3 << half << QPointF(4000, 6000);
    QTest::newRow("4 odd sizes keep halves") << 4 << QSizeF(12301, 9585) << QPointF(1849.5, 1207.5);
    QTest::newRow("4 wider than the screen") << 4 << QSizeF(20000, 6000) << QPointF(-2000, 3000);
}

void TestFrame::centeredPosition()
{
    QFETCH(int, mode);
    QFETCH(QSizeF, window);
    QFETCH(QPointF, expected);
    const auto pos = mk::centeredPosition(QSizeF(16000, 12000), window, mode);
    QVERIFY(pos.has_value());
    QCOMPARE(*pos, expected);
    QVERIFY(!mk::centeredPosition(QSizeF(16000, 12000), window, 7).has_value());
    QVERIFY(!mk::centeredPosition(QSizeF(16000, 12000), window, -1).has_value());
}

void TestFrame::centerFormOnPrimaryScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget w;
    w.resize(screen.width() / 2, screen.height() / 2);
    centerForm(&w, 4);
    QCOMPARE(w.pos(), screen.topLeft() + QPoint(screen.width() / 4, screen.height() / 4));
    w.move(5, 6);
    centerForm(&w, 7);
    QCOMPARE(w.pos(), QPoint(5, 6));
    centerForm(&w, 2);
    QCOMPARE(w.pos().y(), screen.top());
}

void TestFrame::centerFormCentresTheFrame()
{
    // Centred before it is shown, as every screen's load does: what the child
    // sees, the outer frame, stands in the middle once the window is up.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget w;
    w.resize(401, 301);
    centerForm(&w, 4);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect frame = w.frameGeometry();
    QVERIFY2(qAbs(frame.center().x() - screen.center().x()) <= 1 && qAbs(frame.center().y() - screen.center().y()) <= 1,
             qPrintable(QStringLiteral("frame %1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
    centerForm(&w, 3);
    QCOMPARE(w.frameGeometry().bottom(), screen.bottom());
}

void TestFrame::thickBorderOnce()
{
    QWidget w;
    w.resize(100, 80);
    auto *child = new QWidget(&w);
    setThickBorder(&w);
    setThickBorder(&w);
    const auto edges = w.findChildren<QWidget *>(QStringLiteral("clientEdge"));
    QCOMPARE(edges.size(), 1);
    QCOMPARE(edges.first()->geometry(), w.rect());
    // It lies over the controls but lets the mouse through.
    QVERIFY(edges.first()->testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(w.children().indexOf(edges.first()) > w.children().indexOf(child));
}

void TestFrame::browserGetsAddressWithWaitCursor()
{
    BrowserCatcher catcher;
    QWidget w;
    openInBrowser(&w, QStringLiteral("https://malkobold.example.org/links"));
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://malkobold.example.org/links"))});
    QCOMPARE(catcher.waiting, QList<bool>{true});
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestFrame::soundOffReachesNothing()
{
    WorkDir dir;
    SoundLog log;
    {
        SoundRecorder sounds;
        app().settings.audioStatus = 1;
        for (const char *name : {"sDrop1.wav", "sBang.wav", "sGitarre", "missing.wav"})
            playSoundFile(QString::fromLatin1(name));
        QVERIFY(sounds.names().isEmpty());
        app().settings.audioStatus = 5; // any value but 1 means on
        playSoundFile(QStringLiteral("sDrop1.wav"));
        QCOMPARE(sounds.names(), QStringList{QStringLiteral("sDrop1.wav")});
    }
    QCOMPARE(log.lines, QStringList{app().dirs.dtaDir + QStringLiteral("sDrop1.wav")});
}

void TestFrame::soundLogsFullPath()
{
    WorkDir dir;
    SoundLog log;
    {
        SoundRecorder sounds;
        playSoundFile(QStringLiteral("sGitarre"));
        playSoundFile(QStringLiteral("sBang.wav"));
    }
    QCOMPARE(log.lines, (QStringList{dir.path() + QStringLiteral("/DTA/sGitarre"), dir.path() + QStringLiteral("/DTA/sBang.wav")}));
}

void TestFrame::defaultPlayerIsCalmWithMissingFiles()
{
    // The real player: files that are missing or no sound at all are silent,
    // a machine without audio is silent; every request is still logged, and
    // the decoding that follows in the event loop ends the program nowhere.
    WorkDir dir;
    SoundLog log;
    QFile junk(dir.path() + QStringLiteral("/DTA/junk.wav"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a wave file");
    junk.close();
    const QStringList names{QStringLiteral("missing.wav"), QStringLiteral("junk.wav"), QStringLiteral("sDrop1.wav"),
                            QStringLiteral("sBang.wav"), QStringLiteral("sGitarre"), QStringLiteral("sDrop1.wav")};
    for (const QString &name : names)
        playSoundFile(name);
    QCoreApplication::processEvents();
    QCOMPARE(log.lines.size(), names.size());
    QCOMPARE(log.lines.last(), dir.path() + QStringLiteral("/DTA/sDrop1.wav"));
}

void TestFrame::earToggle()
{
    WorkDir dir;
    SoundRecorder sounds;
    QWidget host;
    auto *ear = new PictureKey(&host, PictureKey::Feedback::CursorOnly);
    ear->resize(81, 57);
    app().settings = settings("x", "D", 1, 5, 0); // an edited file: 5 means on
    toggleSound(ear);
    QCOMPARE(app().settings.audioStatus, qint16(1));
    QCOMPARE(picture(ear), QStringLiteral("OhrX_gedrückt.jpg"));
    QCOMPARE(settingsOf(dir.readIni()).audioStatus, qint16(1));
    QVERIFY(sounds.names().isEmpty());
    toggleSound(ear);
    QCOMPARE(app().settings.audioStatus, qint16(0));
    QCOMPARE(picture(ear), QStringLiteral("OhrN_gedrückt.jpg"));
    QCOMPARE(settingsOf(dir.readIni()).audioStatus, qint16(0));
    QCOMPARE(sounds.names(), QStringList{QStringLiteral("sBang.wav")});
}

void TestFrame::keyPressAndRelease()
{
    WorkDir dir;
    PictureKeyHost host;
    QCOMPARE(picture(host.key), QStringLiteral("START_X.jpg"));
    QCOMPARE(cursorFile(host.key), QString());
    press(host.key);
    QCOMPARE(picture(host.key), QStringLiteral("START_X_G.jpg"));
    QCOMPARE(cursorFile(host.key), QStringLiteral("Hand3.ico"));
    QCOMPARE(host.key->cursor().shape(), Qt::BitmapCursor);
    release(host.key);
    QCOMPARE(picture(host.key), QStringLiteral("START_X.jpg"));
    QCOMPARE(cursorFile(host.key), QStringLiteral("Hand1.ico"));
}

void TestFrame::keyAnyButtonGivesFeedbackOnlyLeftClicks()
{
    WorkDir dir;
    PictureKeyHost host;
    int clicks = 0;
    connect(host.key, &PictureKey::clicked, this, [&clicks] { ++clicks; });
    press(host.key, Qt::RightButton);
    QCOMPARE(picture(host.key), QStringLiteral("START_X_G.jpg"));
    QCOMPARE(cursorFile(host.key), QStringLiteral("Hand3.ico"));
    release(host.key, Qt::RightButton);
    QCOMPARE(picture(host.key), QStringLiteral("START_X.jpg"));
    QCOMPARE(clicks, 0);
    click(host.key);
    QCOMPARE(clicks, 1);
}

void TestFrame::keyReleasedOffItDoesNotClick()
{
    // A touch screen or a quick flick: released off the 81 x 57 key with no move between.
    WorkDir dir;
    PictureKeyHost host;
    int clicks = 0;
    connect(host.key, &PictureKey::clicked, this, [&clicks] { ++clicks; });
    for (const QPoint off : {QPoint(-1, 20), QPoint(81, 20), QPoint(40, -1), QPoint(40, 57), QPoint(-30, 90)}) {
        press(host.key);
        QTest::mouseRelease(host.key, Qt::LeftButton, Qt::NoModifier, off);
        QCOMPARE(picture(host.key), QStringLiteral("START_X.jpg"));
    }
    QCOMPARE(clicks, 0);
    click(host.key);
    QCOMPARE(clicks, 1);
}

void TestFrame::keyVariants()
{
    WorkDir dir;
    QWidget host;
    PictureKey web(&host, QStringLiteral("Web_normal.jpg"), QStringLiteral("Web_gedrückt.jpg"), PictureKey::Feedback::PictureOnly);
    web.setGeometry(0, 0, 49, 49);
    web.showNormalPicture();
    press(&web);
    QCOMPARE(picture(&web), QStringLiteral("Web_gedrückt.jpg"));
    release(&web);
    QCOMPARE(picture(&web), QStringLiteral("Web_normal.jpg"));
    QCOMPARE(cursorFile(&web), QString());

    PictureKey language(&host, PictureKey::Feedback::CursorOnly);
    language.setGeometry(0, 0, 49, 49);
    language.setPicture(QStringLiteral("DE_normal.jpg"));
    press(&language);
    QCOMPARE(picture(&language), QStringLiteral("DE_normal.jpg"));
    QCOMPARE(cursorFile(&language), QStringLiteral("Hand3.ico"));
    release(&language);
    QCOMPARE(cursorFile(&language), QStringLiteral("Hand1.ico"));

    PictureKey brush(&host, QStringLiteral("Pinsel_rot.jpg"), QString(), PictureKey::Feedback::None);
    brush.setGeometry(0, 0, 49, 49);
    brush.showNormalPicture();
    press(&brush);
    release(&brush);
    QCOMPARE(picture(&brush), QStringLiteral("Pinsel_rot.jpg"));
    QCOMPARE(cursorFile(&brush), QString());
}

void TestFrame::keyClickPictureStays()
{
    WorkDir dir;
    PictureKeyHost host;
    connect(host.key, &PictureKey::clicked, this, [&host] { host.key->setPicture(QStringLiteral("HelpPage_Leave.jpg")); });
    click(host.key);
    QCOMPARE(picture(host.key), QStringLiteral("HelpPage_Leave.jpg"));
}

void TestFrame::keyMissingPictureKeepsPrevious()
{
    WorkDir dir;
    PictureKeyHost host;
    host.key->setPictures(QStringLiteral("START_X.jpg"), QStringLiteral("no such picture.jpg"));
    press(host.key);
    QCOMPARE(picture(host.key), QStringLiteral("START_X.jpg"));
    release(host.key);
    QVERIFY(!host.key->setPicture(QStringLiteral("gone.jpg")));
    QCOMPARE(picture(host.key), QStringLiteral("START_X.jpg"));

    // No BTN/ at all: nothing loads, nothing breaks.
    WorkDir bare(WorkDir::Content::NoBtn);
    PictureKeyHost empty;
    QCOMPARE(picture(empty.key), QString());
    press(empty.key);
    release(empty.key);
    QCOMPARE(picture(empty.key), QString());
    QCOMPARE(cursorFile(empty.key), QString());

    // A file that is there but no picture keeps the previous one too, on screen and in name.
    QVERIFY(QDir(bare.path()).mkdir(QStringLiteral("BTN")));
    QVERIFY(QFile::copy(dir.path() + QStringLiteral("/BTN/START_X.jpg"), bare.path() + QStringLiteral("/BTN/START_X.jpg")));
    QFile junk(bare.path() + QStringLiteral("/BTN/junk.jpg"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    PictureKeyHost shown;
    const QImage before = shown.key->grab().toImage();
    shown.key->setPicture(QStringLiteral("junk.jpg"));
    QCOMPARE(shown.key->grab().toImage(), before);
    QCOMPARE(picture(shown.key), QStringLiteral("START_X.jpg"));
}

void TestFrame::keyDisabledGetsNothing()
{
    WorkDir dir;
    PictureKeyHost host;
    host.show();
    int clicks = 0;
    connect(host.key, &PictureKey::clicked, this, [&clicks] { ++clicks; });
    host.key->setEnabled(false);
    press(host.key);
    QCOMPARE(picture(host.key), QStringLiteral("START_X.jpg"));
    QCOMPARE(cursorFile(host.key), QString());
    release(host.key);
    click(host.key);
    QCOMPARE(clicks, 0);
}

void TestFrame::textHelpers()
{
    QCOMPARE(padded(3), QStringLiteral(" 3"));
    QCOMPARE(padded(100), QStringLiteral(" 100"));
    QCOMPARE(padded(-4), QStringLiteral("-4"));
    QCOMPARE(plain(12), QStringLiteral("12"));
    QCOMPARE(names::signPicture(QStringLiteral("x")), QStringLiteral("Fläche_malX.jpg"));
    QCOMPARE(names::signPicture(QStringLiteral("*")), QStringLiteral("Fläche_malS.jpg"));
    QCOMPARE(names::signPicture(QStringLiteral(".")), QStringLiteral("Fläche_malPunkt.jpg"));
    QCOMPARE(names::signPicture(QStringLiteral("X")), QString());
    QCOMPARE(brushColour(2), QColor(72, 164, 232));
    QVERIFY(!brushColour(4));
    QVERIFY(!brushColour(-1));
    QCOMPARE(indexedName(u"Stange3", 14), QStringLiteral("Stange3_14"));
    QCOMPARE(languageIndex(u"NL"), std::optional<std::size_t>(4));
    QVERIFY(!languageIndex(u"nl"));
    QCOMPARE(twipsToPixels(735), 49);
    QCOMPARE(twipsToPixels(9585), 639);
    QCOMPARE(twipsToPixels(20), 1);
}

QTEST_MAIN(TestFrame)
#include "test_frame.moc"
