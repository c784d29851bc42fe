#include "testsupport.h"

#include "screens/start/start_window.h"

#include "frame/names.h"
#include "frame/picturewidgets.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

// Run with QT_SCALE_FACTOR=2: the screens at a device pixel ratio of 2.

using namespace mk;
using namespace mk::test;
using namespace Qt::StringLiterals;

namespace {

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// BTN/ as the build made it, less the files named.
void linkPicturesExcept(const WorkDir &dir, const QStringList &left)
{
    const QDir built(QString::fromUtf8(MK_BUILD_DIR "/BTN"));
    QDir(dir.path()).mkdir(u"BTN"_s);
    for (const QString &name : built.entryList(QDir::Files)) {
        if (!left.contains(name))
            QFile::link(built.filePath(name), dir.path() + u"/BTN/"_s + name);
    }
}

} // namespace

class TestSharp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keysShowTheTwin_data();
    void keysShowTheTwin();
    void missingTwinFallsBack();
    void cursorsAreSharp();
};

void TestSharp::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

void TestSharp::keysShowTheTwin_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("file");
    QTest::newRow("times") << u"MalX"_s << u"START_X.jpg"_s;
    QTest::newRow("dot") << u"MalPunkt"_s << u"START_Punkt.jpg"_s;
    QTest::newRow("title") << u"TitelPic"_s << u"TitelPic.jpg"_s;
}

// Every device pixel of the key is a pixel of the twice-sized file.
void TestSharp::keysShowTheTwin()
{
    QFETCH(QString, key);
    QFETCH(QString, file);
    WorkDir dir;
    StartWindow start;
    start.show();
    QVERIFY(QTest::qWaitForWindowExposed(&start));
    QWidget *w = child(&start, key);
    QCOMPARE(picture(w), file);
    const QImage shown = rgb(w->grab().toImage());
    const QImage twin = rgb(QImage(dir.path() + u"/BTN/"_s + names::twinName(file)));
    QCOMPARE(twin.size(), w->size() * 2);
    QCOMPARE(shown.size(), twin.size());
    QVERIFY(shown == twin);
    const QImage single = rgb(QImage(dir.path() + u"/BTN/"_s + file));
    QCOMPARE(single.size(), w->size());
}

void TestSharp::missingTwinFallsBack()
{
    WorkDir dir(WorkDir::Content::NoBtn);
    linkPicturesExcept(dir, {u"START_X@2x.jpg"_s});
    StartWindow start;
    start.show();
    QVERIFY(QTest::qWaitForWindowExposed(&start));
    QWidget *malX = child(&start, u"MalX"_s);
    QCOMPARE(picture(malX), u"START_X.jpg"_s);
    const QImage shown = rgb(malX->grab().toImage());
    QCOMPARE(shown.size(), malX->size() * 2);
    // The single-sized picture, stretched over the key.
    const QImage single = rgb(QImage(dir.path() + u"/BTN/START_X.jpg"_s));
    const QImage twin = rgb(QImage(QString::fromUtf8(MK_BUILD_DIR "/BTN/START_X@2x.jpg")));
    QVERIFY(shown != twin);
    const QColor middle = shown.pixelColor(shown.width() / 2, shown.height() / 2);
    const QColor source = single.pixelColor(single.width() / 2, single.height() / 2);
    QVERIFY(qAbs(middle.red() - source.red()) + qAbs(middle.green() - source.green())
                + qAbs(middle.blue() - source.blue()) <= 9);
    // A key whose twin is there still shows it.
    QWidget *malStern = child(&start, u"MalStern"_s);
    QVERIFY(rgb(malStern->grab().toImage()) == rgb(QImage(dir.path() + u"/BTN/START_Stern@2x.jpg"_s)));
}

void TestSharp::cursorsAreSharp()
{
    WorkDir dir;
    StartWindow start;
    QWidget *malX = child(&start, u"MalX"_s);
    press(malX);
    QCOMPARE(cursorFile(malX), u"Hand3.ico"_s);
    const QPixmap hand = malX->cursor().pixmap();
    QCOMPARE(hand.size(), QSize(64, 64));
    QCOMPARE(hand.devicePixelRatio(), 2.0);
    QCOMPARE(malX->cursor().hotSpot(), QPoint(6, 1));
    release(malX);
}

QTEST_MAIN(TestSharp)

#include "test_sharp.moc"
