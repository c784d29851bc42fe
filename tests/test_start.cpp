#include "testsupport.h"

#include "screens/start/start_window.h"

#include "frame/appstate.h"
#include "frame/sound.h"
#include "frame/settings.h"

#include <QApplication>
#include <QDialog>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

Q_DECLARE_METATYPE(mk::Settings)

using namespace mk;
using namespace mk::test;
using namespace Qt::StringLiterals;

namespace {

const QString kDrop = QStringLiteral("sDrop1.wav");

QByteArray iniFor(const char *sign, const char *lang, int row, int audio, int colour)
{
    return SettingsFile::format(Settings{QString::fromLatin1(sign), QString::fromUtf8(lang), qint16(row), qint16(audio), qint16(colour)});
}

QStringList sameNames(const QString &name, int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << name;
    return l;
}

// The start screen in a working directory, with its sounds recorded.
struct Fixture
{
    explicit Fixture(WorkDir::Content content = WorkDir::Content::Full, const QByteArray &ini = {})
        : dir(content)
    {
        if (!ini.isNull())
            dir.writeIni(ini);
        screen = std::make_unique<StartWindow>();
    }
    QWidget *operator()(const QString &name) const { return child(screen.get(), name); }
    QLabel *label(const QString &name) const { return child<QLabel>(screen.get(), name); }
    QStringList markers() const
    {
        QStringList l;
        for (int k = 0; k < 6; ++k)
            l << picture((*this)(QStringLiteral("SPWahl_%1").arg(k)));
        return l;
    }

    WorkDir dir;
    SoundRecorder sounds;
    std::unique_ptr<StartWindow> screen;
};

QStringList markersWithArrowAt(int k)
{
    QStringList l = sameNames(QStringLiteral("SprachenWahlButton_leer.jpg"), 6);
    if (k >= 0)
        l[k] = QStringLiteral("SprachenWahlButton_Pfeil.jpg");
    return l;
}

// Closes whatever modal screen opens, so that random clicks can go on.
class ModalCloser : public QObject
{
public:
    ModalCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};

} // namespace

class TestStart : public QObject
{
    Q_OBJECT

private slots:
    void firstStartWithoutSettings();
    void startAppliesStoredChoices();
    void startWithUnknownLanguage();
    void startWithUnknownSign();
    void startWithNothingValidWritesNothing();
    void startWithBrokenFiles_data();
    void startWithBrokenFiles();
    void startWithoutFolders();
    void placesAndNames();

    void languageKeys_data();
    void languageKeys();
    void sameLanguageTwiceRepeatsEverything();
    void fileIsWrittenAfterTheSound();
    void tooltipsGerman();
    void signKeys();
    void numberKeysOpenTheSeriesOnTheirRow();
    void titleGreets();
    void earKey();
    void helpPanel();
    void helpPanelWithUnknownLanguage();
    void methodHints();
    void webKey();
    void exitKey();
    void pressFeedback();
    void screensOpenModallyAndLeaveStartUnchanged();
    void randomClicksNeverEndTheProgram();
};

void TestStart::firstStartWithoutSettings()
{
    Fixture f;
    QCOMPARE(f.screen->objectName(), QStringLiteral("A1_START"));
    QCOMPARE(picture(f(QStringLiteral("GewähltesMalzeichen"))), QStringLiteral("Fläche_malX.jpg"));
    QCOMPARE(picture(f(QStringLiteral("Audio"))), QStringLiteral("OhrN_gedrückt.jpg"));
    QCOMPARE(f.markers(), markersWithArrowAt(0));
    QCOMPARE(f.label(QStringLiteral("TextFeld_klein"))->text(), QStringLiteral(" « Deutsch »"));
    QVERIFY(f.label(QStringLiteral("TextFeld"))->text().startsWith(QStringLiteral("Hier könnt ihr das Malzeichen wählen. Ein X einen Punkt,")));
    QVERIFY(f.label(QStringLiteral("TextFeld"))->text().endsWith(QStringLiteral("Das macht mal zuerst.\n\nViel Spaß, Euer Ottokar.")));
    QCOMPARE(f.label(QStringLiteral("Versionsfeld"))->text(), QStringLiteral("Malkobold, Version: 1.3"));
    QVERIFY(!f.label(QStringLiteral("CopyRightText"))->text().isEmpty());
    // Step 11 and step 13 each play the drop; the file is there afterwards.
    QCOMPARE(f.sounds.names(), sameNames(kDrop, 2));
    QCOMPARE(f.dir.readIni(), iniFor("x", "D", 1, 0, 0));
    QCOMPARE(cursorFile(f.screen.get()), QStringLiteral("Hand1.ico"));
    QVERIFY(f(QStringLiteral("Frame3"))->isHidden());
}

void TestStart::startAppliesStoredChoices()
{
    Fixture f(WorkDir::Content::Full, iniFor(".", "NL", 7, 1, 2));
    QCOMPARE(app().settings, (Settings{QStringLiteral("."), QStringLiteral("NL"), 7, 1, 2}));
    QVERIFY(f.sounds.names().isEmpty());
    QCOMPARE(picture(f(QStringLiteral("Audio"))), QStringLiteral("OhrX_gedrückt.jpg"));
    QCOMPARE(picture(f(QStringLiteral("GewähltesMalzeichen"))), QStringLiteral("Fläche_malPunkt.jpg"));
    QCOMPARE(f.markers(), markersWithArrowAt(4));
    QCOMPARE(f.label(QStringLiteral("TextFeld_klein"))->text(), QStringLiteral(" « Nederlands »"));
    QVERIFY(f.label(QStringLiteral("TextFeld"))->text().startsWith(QStringLiteral("Hier kun je de markering kiezen, een X een punt, of een ster,")));
    QCOMPARE(f.dir.readIni(), iniFor(".", "NL", 7, 1, 2));
}

void TestStart::startWithUnknownLanguage()
{
    const QByteArray ini = iniFor("*", "X", 4, 0, 1);
    Fixture f(WorkDir::Content::Full, ini);
    QCOMPARE(f.markers(), markersWithArrowAt(-1));
    QCOMPARE(f.label(QStringLiteral("TextFeld"))->text(), QString());
    QCOMPARE(f.label(QStringLiteral("TextFeld_klein"))->text(), QString());
    QCOMPARE(f(QStringLiteral("ExitButton"))->toolTip(), QString());
    QCOMPARE(picture(f(QStringLiteral("GewähltesMalzeichen"))), QStringLiteral("Fläche_malS.jpg"));
    // Only the sign was applied, with its sound and its write.
    QCOMPARE(f.sounds.names(), QStringList{kDrop});
    QCOMPARE(f.dir.readIni(), ini);
    QCOMPARE(app().settings.sprache, QStringLiteral("X"));
}

void TestStart::startWithUnknownSign()
{
    Fixture f(WorkDir::Content::Full, iniFor("+", "E", 2, 0, 0));
    QCOMPARE(picture(f(QStringLiteral("GewähltesMalzeichen"))), QString());
    QCOMPARE(f.sounds.names(), QStringList{kDrop});
    QCOMPARE(f.markers(), markersWithArrowAt(1));
    QCOMPARE(f.dir.readIni(), iniFor("+", "E", 2, 0, 0));
}

void TestStart::startWithNothingValidWritesNothing()
{
    // The same values in a file of another shape: left exactly as it was.
    const QByteArray ini = QByteArray("\"old header\"\n\"a\"\n\"?\"\n\"b\"\n\"zz\"\n\"c\"\n3\n\"d\"\n0\n\"e\"\n1\nextra\n");
    Fixture f(WorkDir::Content::Full, ini);
    QCOMPARE(f.dir.readIni(), ini);
    QVERIFY(f.sounds.names().isEmpty());
    QCOMPARE(app().settings.malReihe, qint16(3));
}

void TestStart::startWithBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<qint16>("audio");
    QTest::newRow("empty") << QByteArray("") << qint16(0);
    QTest::newRow("truncated after the audio line")
        << iniFor(".", "NL", 7, 1, 2).left(iniFor(".", "NL", 7, 1, 2).lastIndexOf("\"[Farbe]\"")) << qint16(1);
    QTest::newRow("no closing quote") << QByteArray("\"header\r\n\"[MalSymbol$]\r\n") << qint16(0);
    QTest::newRow("not numbers") << iniFor("*", "F", 1, 0, 0).replace("\r\n1\r\n", "\r\neins\r\n") << qint16(0);
    QTest::newRow("out of range") << iniFor("*", "F", 1, 0, 0).replace("\r\n1\r\n", "\r\n99999\r\n") << qint16(0);
    QByteArray binary(8192, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char(QRandomGenerator::global()->bounded(256));
    QTest::newRow("binary") << binary << qint16(0);
    QTest::newRow("enormous") << QByteArray(32 << 20, '7') << qint16(0);
}

void TestStart::startWithBrokenFiles()
{
    QFETCH(QByteArray, ini);
    QFETCH(qint16, audio);
    Fixture f(WorkDir::Content::Full, ini);
    QCOMPARE(app().settings, (Settings{QStringLiteral("x"), QStringLiteral("D"), 1, audio, 0}));
    QCOMPARE(f.markers(), markersWithArrowAt(0));
    QCOMPARE(f.dir.readIni(), iniFor("x", "D", 1, audio, 0));
}

void TestStart::startWithoutFolders()
{
    for (auto content : {WorkDir::Content::Empty, WorkDir::Content::NoDta, WorkDir::Content::NoBtn}) {
        Fixture f(content);
        QCOMPARE(f.label(QStringLiteral("TextFeld_klein"))->text(), QStringLiteral(" « Deutsch »"));
        click(f(QStringLiteral("SprachTaste_3")));
        QCOMPARE(app().settings.sprache, QStringLiteral("F"));
        QCOMPARE(f(QStringLiteral("HelpButton"))->toolTip(), QStringLiteral(" Aide "));
        click(f(QStringLiteral("MalStern")));
        QCOMPARE(app().settings.malSymbol, QStringLiteral("*"));
        QCOMPARE(f.dir.iniExists(), content == WorkDir::Content::NoBtn);
        if (content == WorkDir::Content::NoBtn) {
            QCOMPARE(picture(f(QStringLiteral("MalX"))), QString());
            QCOMPARE(cursorFile(f.screen.get()), QString());
        }
    }
}

void TestStart::placesAndNames()
{
    Fixture f;
    QCOMPARE(f.screen->size(), QSize(820, 639));
    struct Where { const char16_t *name; QRect rect; };
    const Where where[] = {
        {u"TitelPic", QRect(696, 88, 105, 129)},     {u"SprachTaste_5", QRect(296, 72, 49, 49)},
        {u"SPWahl_0", QRect(16, 16, 49, 49)},        {u"Zahl1_9", QRect(512, 296, 49, 49)},
        {u"Zahl1_5", QRect(320, 296, 49, 49)},       {u"Würfel", QRect(584, 256, 89, 81)},
        {u"TRechnerButton", QRect(712, 224, 81, 89)}, {u"Image2_2", QRect(608, 208, 57, 65)},
        {u"OKButton", QRect(24, 288, 177, 57)},      {u"MalPunkt", QRect(720, 552, 81, 57)},
        {u"ExitButton", QRect(712, 16, 81, 57)},     {u"CopyRightText", QRect(8, 584, 681, 49)},
        {u"TextFeld", QRect(8, 16, 593, 129)},       {u"Frame1", QRect(16, 416, 617, 153)},
        {u"Label3", QRect(16, 440, 601, 161)},
    };
    for (const Where &w : where) {
        const QString name = QString::fromUtf16(w.name);
        QWidget *widget = f(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->geometry(), w.rect);
    }
    QCOMPARE(f(QStringLiteral("Frame3"))->pos(), QPoint(8, 8));
}

void TestStart::languageKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("greeting");
    QTest::addColumn<QString>("exitTip");
    QTest::addColumn<QString>("row10Tip");
    QTest::addColumn<QString>("dieTip");
    QTest::addColumn<QString>("helpTitle");
    QTest::newRow("D") << 0 << u"D"_s << u" « Deutsch »"_s << u"Malkobold, Version: 1.3"_s
                       << u"Viel Spaß, Euer Ottokar."_s << u" Programm verlassen "_s << u" Wähle Reihe  10 "_s
                       << u" Zufällige Aufgabe "_s << u"1X1 Lernprogramm"_s;
    QTest::newRow("E") << 1 << u"E"_s << u" « English »"_s << u"Malkobold, Version: 1.3"_s
                       << u"Enjoy, your Ottokar."_s << u" Exit program"_s << u" Select Series 10 "_s
                       << u" Random task "_s << u"1X1 Tutorial"_s;
    QTest::newRow("S") << 2 << u"S"_s << u" « Español »"_s << u"Malkobold, Versión: 1.3"_s
                       << u"Diviértete, Tu Ottokar"_s << u" Salir del programa "_s << u" Seleccionar serie 10 "_s
                       << u" Tarea aleatoria "_s << u"Tutorial 1X1"_s;
    QTest::newRow("F") << 3 << u"F"_s << u" « Français »"_s << u"Malkobold, Version: 1.3"_s
                       << u"Amusez-vous, votre Ottokar."_s << u" Quitter le programme "_s
                       << u" Sélectionner la série  10 "_s << u" Tâche aléatoire "_s << u"Tutoriel 1X1"_s;
    QTest::newRow("NL") << 4 << u"NL"_s << u" « Nederlands »"_s << u"Malkobold, Version: 1.3"_s
                        << u"Veel plezier, je Ottokar."_s << u" Exit-programma "_s << u" Select Series 10 "_s
                        << u" Willekeurige taak "_s << u"1X1 zelfstudie"_s;
    QTest::newRow("I") << 5 << u"I"_s << u" « Italiano »"_s << u"Malkobold, Versione: 1.3"_s
                       << u"Divertiti, Ottokar."_s << u" Exit program "_s << u" Seleziona serie 10 "_s
                       << u" Attività casuale "_s << u"Esercitazione 1X1"_s;
}

void TestStart::languageKeys()
{
    QFETCH(int, key);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, version);
    QFETCH(QString, greeting);
    QFETCH(QString, exitTip);
    QFETCH(QString, row10Tip);
    QFETCH(QString, dieTip);
    QFETCH(QString, helpTitle);

    Fixture f(WorkDir::Content::Full, iniFor("x", key == 0 ? "E" : "D", 3, 0, 1));
    f.sounds.clear();
    click(f(QStringLiteral("SprachTaste_%1").arg(key)));
    QCOMPARE(app().settings.sprache, code);
    QCOMPARE(f.label(QStringLiteral("TextFeld_klein"))->text(), name);
    QCOMPARE(f.markers(), markersWithArrowAt(key));
    QCOMPARE(f.sounds.names(), QStringList{kDrop});
    QCOMPARE(f.dir.readIni(), iniFor("x", code.toUtf8().constData(), 3, 0, 1));
    QCOMPARE(f.label(QStringLiteral("Versionsfeld"))->text(), version);
    QVERIFY2(f.label(QStringLiteral("TextFeld"))->text().endsWith(u"\n\n"_s + greeting), qPrintable(f.label(QStringLiteral("TextFeld"))->text()));
    QCOMPARE(f(QStringLiteral("ExitButton"))->toolTip(), exitTip);
    QCOMPARE(f(QStringLiteral("Zahl1_9"))->toolTip(), row10Tip);
    QCOMPARE(f(QStringLiteral("Würfel"))->toolTip(), dieTip);
    const QString notice = f.label(QStringLiteral("CopyRightText"))->text();
    QVERIFY(notice.contains(QStringLiteral("Malkobold")));
    QVERIFY(!notice.contains(u'\n'));
    click(f(QStringLiteral("HelpButton")));
    QCOMPARE(f.label(QStringLiteral("Label4"))->text(), helpTitle);
    QVERIFY(!f.label(QStringLiteral("Label1"))->text().contains(u'\n'));
}

void TestStart::sameLanguageTwiceRepeatsEverything()
{
    Fixture f;
    f.sounds.clear();
    QFile::remove(f.dir.iniPath());
    click(f(QStringLiteral("SprachTaste_0")));
    QVERIFY(f.dir.iniExists());
    QFile::remove(f.dir.iniPath());
    click(f(QStringLiteral("SprachTaste_0")));
    QVERIFY(f.dir.iniExists());
    QCOMPARE(f.sounds.names(), sameNames(kDrop, 2));
    QCOMPARE(f.markers(), markersWithArrowAt(0));
}

// Notes what the settings file says at the moment each sound is played.
class FileAtSound final : public SoundBackend
{
public:
    FileAtSound(const WorkDir &dir, QStringList &seen) : m_dir(dir), m_seen(seen) {}
    void play(const QString &path) override
    {
        const Settings s = settingsOf(m_dir.readIni());
        m_seen << QFileInfo(path).fileName() + u' ' + s.sprache + u' ' + QString::number(s.audioStatus);
    }

private:
    const WorkDir &m_dir;
    QStringList &m_seen;
};

void TestStart::fileIsWrittenAfterTheSound()
{
    Fixture f(WorkDir::Content::Full, iniFor("x", "D", 1, 1, 0));
    QStringList seen;
    setSoundBackend(std::make_unique<FileAtSound>(f.dir, seen));
    click(f(QStringLiteral("Audio")));
    click(f(QStringLiteral("SprachTaste_4")));
    setSoundBackend(nullptr);
    QCOMPARE(seen, (QStringList{QStringLiteral("sBang.wav D 1"), QStringLiteral("sDrop1.wav D 0")}));
    QCOMPARE(settingsOf(f.dir.readIni()).sprache, QStringLiteral("NL"));
}

void TestStart::tooltipsGerman()
{
    Fixture f;
    const std::pair<const char16_t *, const char16_t *> tips[] = {
        {u"HelpButton", u" Hilfe "},
        {u"SprachTaste_0", u" Deutsch "},
        {u"SprachTaste_3", u" Français "},
        {u"MalX", u" X   Zeichen "},
        {u"MalStern", u" *   Zeichen "},
        {u"MalPunkt", u" ·   Zeichen "},
        {u"Zahl1_0", u" Wähle Reihe  1 "},
        {u"GewähltesMalzeichen", u"Gewähltes Malzeichen "},
        {u"MalZeichenWahl", u" In Reihe lernen "},
        {u"OKButton", u" Rechenschieber "},
        {u"Audio", u" Ton Aus/Ein "},
        {u"WebTaste", u" Webseiten "},
        {u"TRechnerButton", u" Taschenrechner "},
        {u"TitelPic", u""},
    };
    for (const auto &[name, tip] : tips)
        QCOMPARE(f(QString::fromUtf16(name))->toolTip(), QString::fromUtf16(tip));

    click(f(QStringLiteral("SprachTaste_3")));
    QCOMPARE(f(QStringLiteral("MalPunkt"))->toolTip(), QStringLiteral("·  caractère"));
    QCOMPARE(f(QStringLiteral("SprachTaste_3"))->toolTip(), QStringLiteral(" Français"));
    click(f(QStringLiteral("SprachTaste_2")));
    QCOMPARE(f(QStringLiteral("MalStern"))->toolTip(), QStringLiteral(" *  character "));
    QCOMPARE(f(QStringLiteral("OKButton"))->toolTip(), QStringLiteral(" Regla de desplazamiento "));
}

void TestStart::signKeys()
{
    Fixture f;
    click(f(QStringLiteral("Audio"))); // sound off
    f.sounds.clear();
    const std::tuple<const char *, const char16_t *, const char16_t *> signs[] = {
        {"MalPunkt", u"Fläche_malPunkt.jpg", u"START_Punkt.jpg"},
        {"MalStern", u"Fläche_malS.jpg", u"START_Stern.jpg"},
        {"MalX", u"Fläche_malX.jpg", u"START_X.jpg"}};
    for (const auto &[key, sign, own] : signs) {
        QFile::remove(f.dir.iniPath());
        click(f(QString::fromLatin1(key)));
        QCOMPARE(picture(f(QStringLiteral("GewähltesMalzeichen"))), QString::fromUtf16(sign));
        QCOMPARE(settingsOf(f.dir.readIni()).malSymbol, app().settings.malSymbol);
        // The sign keys keep their own pictures.
        QCOMPARE(picture(f(QString::fromLatin1(key))), QString::fromUtf16(own));
    }
    QCOMPARE(app().settings.malSymbol, QStringLiteral("x"));
    QCOMPARE(picture(f(QStringLiteral("MalPunkt"))), QStringLiteral("START_Punkt.jpg"));
    QVERIFY(f.sounds.names().isEmpty());

    click(f(QStringLiteral("Audio"))); // on again
    f.sounds.clear();
    click(f(QStringLiteral("MalStern")));
    QCOMPARE(f.sounds.names(), QStringList{kDrop});
}

void TestStart::numberKeysOpenTheSeriesOnTheirRow()
{
    Fixture f;
    f.screen->show();
    for (int k : {0, 6, 9}) {
        f.sounds.clear();
        QString task1;
        const QString opened = withModal([&] { click(f(QStringLiteral("Zahl1_%1").arg(k))); },
                                         [&](QWidget *modal) {
                                             task1 = picture(modal->findChild<QWidget *>(QStringLiteral("ZReiheRechts_0")));
                                             modal->close();
                                         });
        QCOMPARE(opened, QStringLiteral("B2_REIHE"));
        QCOMPARE(app().settings.malReihe, qint16(k + 1));
        // The key answers first; the series screen then chooses its row.
        QCOMPARE(f.sounds.names().mid(0, 2), (QStringList{kDrop, QStringLiteral("sTennisBall.wav")}));
        QCOMPARE(task1, QStringLiteral("Fläche%1.jpg").arg(k + 1, 2, 10, QLatin1Char('0')));
        // The series screen, not the key, writes the row.
        QCOMPARE(settingsOf(f.dir.readIni()).malReihe, qint16(k + 1));
        QCOMPARE(picture(f(QStringLiteral("Zahl1_%1").arg(k))), QStringLiteral("%1n.jpg").arg(k + 1, 2, 10, QLatin1Char('0')));
    }
}

void TestStart::titleGreets()
{
    Fixture f;
    f.sounds.clear();
    QWidget *title = f(QStringLiteral("TitelPic"));
    QCOMPARE(picture(title), QStringLiteral("TitelPic.jpg"));
    hover(title);
    QVERIFY(f.sounds.names().isEmpty());
    press(title);
    QCOMPARE(cursorFile(title), QStringLiteral("Hand3.ico"));
    QCOMPARE(picture(title), QStringLiteral("TitelPic.jpg"));
    QVERIFY(f.sounds.names().isEmpty());
    release(title); // the release inside the key is the click
    QCOMPARE(cursorFile(title), QStringLiteral("Hand1.ico"));
    QCOMPARE(f.sounds.names(), QStringList{QStringLiteral("sHallo1.wav")});
}

void TestStart::earKey()
{
    Fixture f;
    QWidget *ear = f(QStringLiteral("Audio"));
    f.sounds.clear();
    press(ear);
    QCOMPARE(picture(ear), QStringLiteral("OhrN_gedrückt.jpg"));
    QCOMPARE(cursorFile(ear), QStringLiteral("Hand3.ico"));
    release(ear);
    QCOMPARE(cursorFile(ear), QStringLiteral("Hand1.ico"));
    QCOMPARE(picture(ear), QStringLiteral("OhrX_gedrückt.jpg"));
    QCOMPARE(settingsOf(f.dir.readIni()).audioStatus, qint16(1));
    QVERIFY(f.sounds.names().isEmpty());
    click(f(QStringLiteral("TitelPic")));
    QVERIFY(f.sounds.names().isEmpty());
    click(ear);
    QCOMPARE(picture(ear), QStringLiteral("OhrN_gedrückt.jpg"));
    QCOMPARE(settingsOf(f.dir.readIni()).audioStatus, qint16(0));
    QCOMPARE(f.sounds.names(), QStringList{QStringLiteral("sBang.wav")});
}

void TestStart::helpPanel()
{
    Fixture f;
    f.screen->show();
    QWidget *help = f(QStringLiteral("HelpButton"));
    QWidget *panel = f(QStringLiteral("Frame3"));
    f.sounds.clear();
    click(help);
    QVERIFY(panel->isVisible());
    QCOMPARE(picture(help), QStringLiteral("HelpPage_Leave.jpg"));
    QCOMPARE(f.sounds.names(), QStringList{QStringLiteral("sHallo2.wav")});
    QCOMPARE(f.label(QStringLiteral("Label4"))->text(), QStringLiteral("1X1 Lernprogramm"));
    QVERIFY(f.label(QStringLiteral("Label1"))->text().startsWith(QStringLiteral("Man kann das Programm in 5 Sprachen starten. Die Taste mit dem Fragezeichnen ist die Hilfe,")));
    QVERIFY(f.label(QStringLiteral("Label2"))->text().contains(QStringLiteral("2) Zeites Lernen mit einer  Reihe.")));
    QVERIFY(f.label(QStringLiteral("Label3"))->text().endsWith(QStringLiteral("So braucht man nicht ubedingt eine Hilfeseite. Die Tasten erklären sich selbst.")));

    // A language change while open updates the panel only on the next click.
    click(f(QStringLiteral("SprachTaste_1")));
    QCOMPARE(f.label(QStringLiteral("Label4"))->text(), QStringLiteral("1X1 Lernprogramm"));
    f.sounds.clear();
    click(help);
    QVERIFY(!panel->isVisible());
    QCOMPARE(picture(help), QStringLiteral("HelpButton.jpg"));
    QVERIFY(f.sounds.names().isEmpty());
    QCOMPARE(f.label(QStringLiteral("Label4"))->text(), QStringLiteral("1X1 Tutorial"));
    QVERIFY(f.label(QStringLiteral("Label1"))->text().startsWith(QStringLiteral("You can start the program in 5 languages")));
    QVERIFY(f.label(QStringLiteral("Label2"))->text().startsWith(QStringLiteral("1) First time learning With balls")));
    QVERIFY(f.label(QStringLiteral("Label3"))->text().startsWith(QStringLiteral("The keys with the hand of a doll")));

    // Press and release show the key's own pictures; the click's picture stays.
    press(help);
    QCOMPARE(picture(help), QStringLiteral("HelpButton_gedrückt.jpg"));
    release(help);
    QCOMPARE(picture(help), QStringLiteral("HelpPage_Leave.jpg"));
    QVERIFY(panel->isVisible());
}

void TestStart::helpPanelWithUnknownLanguage()
{
    Fixture f(WorkDir::Content::Full, iniFor("x", "GR", 1, 0, 0));
    f.screen->show();
    click(f(QStringLiteral("HelpButton")));
    QVERIFY(f(QStringLiteral("Frame3"))->isVisible());
    QCOMPARE(f.label(QStringLiteral("Label4"))->text(), QString());
    hover(f(QStringLiteral("Image2_0")));
    QCOMPARE(f.label(QStringLiteral("TextFeld_klein"))->text(), QString());
    click(f(QStringLiteral("HelpButton")));
    QVERIFY(!f(QStringLiteral("Frame3"))->isVisible());
}

void TestStart::methodHints()
{
    Fixture f(WorkDir::Content::Full, iniFor("x", "E", 1, 0, 0));
    f.screen->show();
    QCOMPARE(picture(f(QStringLiteral("Image2_1"))), QStringLiteral("Digit02.jpg"));
    hover(f(QStringLiteral("Image2_1")));
    QCOMPARE(f.label(QStringLiteral("TextFeld_klein"))->text(), QStringLiteral("METHOD 2\n\nIn series (as a packet) learning."));
    click(f(QStringLiteral("SprachTaste_3")));
    hover(f(QStringLiteral("Image2_1")));
    QCOMPARE(f.label(QStringLiteral("TextFeld_klein"))->text(), QStringLiteral("METHODE 2\n\nEn série (comme un paquet) d'apprentissage.dudu"));
    click(f(QStringLiteral("SprachTaste_2")));
    hover(f(QStringLiteral("Image2_0")));
    QCOMPARE(f.label(QStringLiteral("TextFeld_klein"))->text(), QStringLiteral("MÉTODO 1\n\nCon bolas muestran el 1x1."));
    // Moving away keeps the hint; the title picture changes nothing.
    hover(f(QStringLiteral("TitelPic")));
    QCOMPARE(f.label(QStringLiteral("TextFeld_klein"))->text(), QStringLiteral("MÉTODO 1\n\nCon bolas muestran el 1x1."));
}

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

void TestStart::webKey()
{
    Fixture f;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QWidget *web = f(QStringLiteral("WebTaste"));
    f.sounds.clear();
    press(web);
    QCOMPARE(picture(web), QStringLiteral("Web_gedrückt.jpg"));
    QVERIFY(catcher.urls.isEmpty());
    release(web);
    QCOMPARE(picture(web), QStringLiteral("Web_normal.jpg"));
    QCOMPARE(cursorFile(web), QString());
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl(StartWindow::homePage())});
    QVERIFY(f.sounds.names().isEmpty());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestStart::exitKey()
{
    Fixture f;
    EndCatcher end;
    f.sounds.clear();
    QWidget *exit = f(QStringLiteral("ExitButton"));
    press(exit);
    QCOMPARE(picture(exit), QStringLiteral("EndeButton_G.jpg"));
    QCOMPARE(end.count(), 0);
    release(exit);
    QCOMPARE(end.count(), 1);
    QCOMPARE(f.sounds.names(), QStringList{QStringLiteral("sPaukeTief.wav")});
}

void TestStart::pressFeedback()
{
    Fixture f;
    const std::tuple<const char16_t *, const char16_t *, const char16_t *> keys[] = {
        {u"Zahl1_9", u"10n.jpg", u"10g.jpg"},
        {u"Zahl1_0", u"01n.jpg", u"01g.jpg"},
        {u"MalX", u"START_X.jpg", u"START_X_G.jpg"},
        {u"MalStern", u"START_Stern.jpg", u"START_Stern_G.jpg"},
        {u"OKButton", u"KugelnTaste_normal.jpg", u"KugelnTaste_gedrückt.jpg"},
        {u"MalZeichenWahl", u"PButton_normal.jpg", u"PunktButton_gedrückt.jpg"},
        {u"TRechnerButton", u"Taschenrechner_normal.jpg", u"Taschenrechner_gedrückt.jpg"},
        {u"Würfel", u"Würfel0.jpg", u"Würfel1.jpg"},
        {u"ExitButton", u"EndeButton_N.jpg", u"EndeButton_G.jpg"},
    };
    for (const auto &[name, normal, pressed] : keys) {
        QWidget *key = f(QString::fromUtf16(name));
        QCOMPARE(picture(key), QString::fromUtf16(normal));
        press(key, Qt::RightButton);
        QCOMPARE(picture(key), QString::fromUtf16(pressed));
        QCOMPARE(cursorFile(key), QStringLiteral("Hand3.ico"));
        release(key, Qt::RightButton);
        QCOMPARE(picture(key), QString::fromUtf16(normal));
        QCOMPARE(cursorFile(key), QStringLiteral("Hand1.ico"));
    }
    QCOMPARE(picture(f(QStringLiteral("SprachTaste_4"))), QStringLiteral("NL_normal.jpg"));
    press(f(QStringLiteral("SprachTaste_4")));
    QCOMPARE(picture(f(QStringLiteral("SprachTaste_4"))), QStringLiteral("NL_normal.jpg"));
    QCOMPARE(cursorFile(f(QStringLiteral("SprachTaste_4"))), QStringLiteral("Hand3.ico"));
}

void TestStart::screensOpenModallyAndLeaveStartUnchanged()
{
    Fixture f(WorkDir::Content::Full, iniFor("*", "F", 5, 0, 0));
    f.screen->show();
    const auto snapshot = [&f] {
        QStringList s;
        for (QWidget *w : f.screen->findChildren<QWidget *>())
            s << w->objectName() + u'|' + picture(w) + u'|' + w->toolTip() + u'|'
                    + (qobject_cast<QLabel *>(w) ? qobject_cast<QLabel *>(w)->text() : QString());
        return s;
    };
    const QStringList before = snapshot();
    const std::pair<const char16_t *, const char16_t *> keys[] = {
        {u"OKButton", u"B1_KUGELN"}, {u"MalZeichenWahl", u"B2_REIHE"}, {u"TRechnerButton", u"B4_Taschenrechner"},
        {u"Würfel", u"B3_ZUFALL"}};
    for (const auto &[key, screenName] : keys) {
        f.sounds.clear();
        bool startBlocked = false;
        const QString opened = withModal([&] { click(f(QString::fromUtf16(key))); },
                                         [&](QWidget *modal) {
                                             startBlocked = QApplication::activeModalWidget() == modal && modal != f.screen.get();
                                             app().settings.malReihe = 9; // as if the screen chose a row
                                             modal->close();
                                         });
        QCOMPARE(opened, QString::fromUtf16(screenName));
        QVERIFY(startBlocked);
        QCOMPARE(f.sounds.names().value(0), kDrop);
        QCOMPARE(snapshot(), before);
        QVERIFY(!f.screen->findChild<QDialog *>());
        QCOMPARE(app().settings.malReihe, qint16(9));
    }
}

void TestStart::randomClicksNeverEndTheProgram()
{
    Fixture f;
    f.screen->show();
    EndCatcher end;
    ModalCloser closer;
    UrlCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    QList<QWidget *> targets;
    for (QWidget *w : f.screen->findChildren<QWidget *>())
        if (!w->objectName().isEmpty() && w->objectName() != u"clientEdge")
            targets << w;
    QRandomGenerator random(1234);
    for (int i = 0; i < 600; ++i) {
        QWidget *w = targets[random.bounded(int(targets.size()))];
        if (!w->isVisible())
            continue;
        switch (random.bounded(4)) {
        case 0: press(w, random.bounded(2) ? Qt::LeftButton : Qt::RightButton); break;
        case 1: release(w); break;
        case 2: hover(w); break;
        default: click(w); break;
        }
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QVERIFY(f.screen->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());
}

QTEST_MAIN(TestStart)
#include "test_start.moc"
