#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>

#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

quint32 le(const QByteArray &bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

// How far two pictures of one size lie apart: the mean of the channels'
// absolute differences, 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col]))
                 + std::abs(qBlue(p[col]) - qBlue(q[col]));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

// The files a list names, one a line; empty where there is no list.
QStringList listed(const QString &path)
{
    QStringList files;
    QFile list(path);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return files;
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#'))
            files << line;
    }
    return files;
}

const QString kMade = QStringLiteral(MK_SOURCE_DIR "/artwork/outputs.txt");

} // namespace

// What the generator makes: every file the program loads, in a form it can
// use, and keys whose press a child can see.
class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFileLoads_data();
    void everyFileLoads();
    void everyLoadedFileIsMade();
    void pressedDiffersFromNormal_data();
    void pressedDiffersFromNormal();
};

void TestArtwork::initTestCase()
{
    // A list gone or cut short fails here, never passes as fewer files.
    QVERIFY2(listed(kMade).size() > 300, qPrintable(kMade));
}

void TestArtwork::everyFileLoads_data()
{
    // The generator's own list: checked whether or not the shared one is at hand.
    QTest::addColumn<QString>("file");
    for (const QString &file : listed(kMade))
        QTest::newRow(qPrintable(file)) << file;
}

void TestArtwork::everyFileLoads()
{
    QFETCH(QString, file);
    const QString path = QStringLiteral(MK_BUILD_DIR "/") + file;
    if (file.endsWith(u".ico")) {
        const QImage cursor(path, "ICO");
        QVERIFY(!cursor.isNull());
        QVERIFY(cursor.width() >= 16 && cursor.width() <= 64);
        return;
    }
    if (file.startsWith(u"icons/")) {
        const int side = QFileInfo(file).baseName().toInt();
        QCOMPARE(QImage(path, "PNG").size(), QSize(side, side));
        return;
    }
    if (file.startsWith(u"BTN/")) {
        const QImage picture(path, "JPG");
        QVERIFY(!picture.isNull());
        QVERIFY(picture.width() >= 8 && picture.height() >= 8);
        // A sharp twin is its picture at twice the size.
        if (file.contains(u"@2x"))
            QCOMPARE(picture.size(), QImage(QString(path).remove(u"@2x"_s), "JPG").size() * 2);
        return;
    }
    // A sound: a plain 16-bit PCM wave whose header agrees with itself and
    // with the file, short enough that a fast child is never kept waiting.
    QFile wave(path);
    QVERIFY(wave.open(QIODevice::ReadOnly));
    const QByteArray bytes = wave.readAll();
    QVERIFY(bytes.size() > 44);
    QCOMPARE(bytes.left(4), QByteArray("RIFF"));
    QCOMPARE(le(bytes, 4, 4), quint32(bytes.size() - 8));
    QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(le(bytes, 16, 4), 16u);
    QCOMPARE(le(bytes, 20, 2), 1u);
    const quint32 channels = le(bytes, 22, 2), rate = le(bytes, 24, 4), bits = le(bytes, 34, 2);
    QVERIFY(channels == 1 || channels == 2);
    QVERIFY(rate >= 8000 && rate <= 48000);
    QCOMPARE(bits, 16u);
    QCOMPARE(le(bytes, 32, 2), channels * bits / 8);
    QCOMPARE(le(bytes, 28, 4), rate * channels * bits / 8);
    QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
    const quint32 data = le(bytes, 40, 4);
    QCOMPARE(data, quint32(bytes.size() - 44));
    QCOMPARE(data % (channels * bits / 8), 0u);
    const double seconds = double(data) / le(bytes, 28, 4);
    QVERIFY2(seconds > 0.05 && seconds < 1.2, qPrintable(QString::number(seconds)));
}

void TestArtwork::everyLoadedFileIsMade()
{
    const QStringList loaded = listed(QStringLiteral(MK_SOURCE_DIR "/../shared/resource-files.txt"));
    if (loaded.isEmpty())
        QSKIP("the shared list of resource files is not beside the project");
    const QStringList made = listed(kMade);
    for (const QString &file : loaded)
        QVERIFY2(made.contains(file), qPrintable(file));
}

void TestArtwork::pressedDiffersFromNormal_data()
{
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("pressed");
    for (int n = 0; n <= 10; ++n) {
        const QString stem = u"%1"_s.arg(n, 2, 10, QLatin1Char('0'));
        QTest::newRow(qPrintable(stem)) << stem + u"n.jpg"_s << stem + u"g.jpg"_s;
    }
    for (const char *range : {"2-4", "3-5", "3-7", "4-6", "5-7", "6-8", "6-9", "7-9"}) {
        const QString stem = QString::fromLatin1(range);
        QTest::newRow(range) << stem + u"_normal.jpg"_s << stem + u"_gedrückt.jpg"_s;
    }
    const QList<std::pair<QString, QString>> keys{
        {u"Auge_normal.jpg"_s, u"Auge_gedrückt.jpg"_s},
        {u"DrehPfeil_normal.jpg"_s, u"DrehPfeil_gedrückt.jpg"_s},
        {u"EndeButton_N.jpg"_s, u"EndeButton_G.jpg"_s},
        {u"ExitButton.jpg"_s, u"ExitButton_gedrückt.jpg"_s},
        {u"HelpButton.jpg"_s, u"HelpButton_gedrückt.jpg"_s},
        {u"KugelnTaste_normal.jpg"_s, u"KugelnTaste_gedrückt.jpg"_s},
        {u"OK_Button.jpg"_s, u"OK_Button_gedrückt.jpg"_s},
        {u"OhrN.jpg"_s, u"OhrN_gedrückt.jpg"_s},
        {u"PButton_normal.jpg"_s, u"PunktButton_gedrückt.jpg"_s},
        {u"RadierButton.jpg"_s, u"RadierButton_gedrückt.jpg"_s},
        {u"RadierButton_klein_liegend.jpg"_s, u"RadierButton_klein_gedrückt.jpg"_s},
        {u"START_Punkt.jpg"_s, u"START_Punkt_G.jpg"_s},
        {u"START_Stern.jpg"_s, u"START_Stern_G.jpg"_s},
        {u"START_X.jpg"_s, u"START_X_G.jpg"_s},
        {u"Taschenrechner_normal.jpg"_s, u"Taschenrechner_gedrückt.jpg"_s},
        {u"TasteCE_normal.jpg"_s, u"TasteCE_gedrückt.jpg"_s},
        {u"TasteC_normal.jpg"_s, u"TasteC_gedrückt.jpg"_s},
        {u"TasteKomma_normal.jpg"_s, u"TasteKomma_gedrückt.jpg"_s},
        {u"TasteMal_normal.jpg"_s, u"TasteMal_gedrückt.jpg"_s},
        {u"TasteMinus_normal.jpg"_s, u"TasteMinus_gedrückt.jpg"_s},
        {u"TastePlus_normal.jpg"_s, u"TastePlus_gedrückt.jpg"_s},
        {u"TasteResultatBreit_normal.jpg"_s, u"TasteResultatBreit_gedrückt.jpg"_s},
        {u"TasteTeilen_normal.jpg"_s, u"TasteTeilen_gedrückt.jpg"_s},
        {u"Web_normal.jpg"_s, u"Web_gedrückt.jpg"_s},
        {u"Würfel0.jpg"_s, u"Würfel1.jpg"_s},
    };
    for (const auto &[normal, pressed] : keys)
        QTest::newRow(qPrintable(normal)) << normal << pressed;
}

void TestArtwork::pressedDiffersFromNormal()
{
    QFETCH(QString, normal);
    QFETCH(QString, pressed);
    const QImage up(QStringLiteral(MK_BUILD_DIR "/BTN/") + normal, "JPG");
    const QImage down(QStringLiteral(MK_BUILD_DIR "/BTN/") + pressed, "JPG");
    QVERIFY(!up.isNull() && !down.isNull());
    // The key keeps its place and size; only its face changes.
    QCOMPARE(down.size(), up.size());
    // Compression noise lies well below 1; a press a child sees, well above.
    const double difference = meanDifference(up, down);
    QVERIFY2(difference > 6.0, qPrintable(QString::number(difference)));
}

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
