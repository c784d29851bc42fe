#include "testsupport.h"

#include "frame/appstate.h"
#include "frame/settings.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <future>
#include <thread>

#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

Q_DECLARE_METATYPE(mk::Settings)

using namespace mk;
using namespace mk::test;

namespace {

QByteArray fileOf(std::initializer_list<const char *> lines)
{
    QByteArray out;
    for (const char *line : lines)
        out += QByteArray(line) + "\r\n";
    return out;
}

const QByteArray kGoodFile = fileOf({"\"Some header\"", "\"[MalSymbol$]\"", "\".\"", "\"[Sprache]\"", "\"NL\"",
                                     "\"[Mal_Reihe]\"", "10", "\"[Audio]\"", "1", "\"[Farbe]\"", "3"});

// The eleven lines with `row` as the seventh, bytes and all.
QByteArray withRow(const QByteArray &row)
{
    return fileOf({"\"h\"", "\"l\"", "\"*\"", "\"l\"", "\"E\"", "\"l\""}) + row
        + "\r\n\"l\"\r\n1\r\n\"l\"\r\n2\r\n";
}

Settings settings(const char *sign, const char *lang, qint16 row, qint16 audio, qint16 colour)
{
    return Settings{QString::fromLatin1(sign), QString::fromLatin1(lang), row, audio, colour};
}

const Settings kDefaults = settings("x", "D", 1, 0, 0);

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList entriesOf(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray local(const QString &path)
{
    return QFile::encodeName(path);
}

// A tmpfs of its own, so a test can fill it up; needs root and mount.
class TinyDisk
{
public:
    explicit TinyDisk(const char *options)
    {
        if (geteuid() != 0) {
            m_problem = QStringLiteral("mounting a tiny file system needs root");
            return;
        }
        if (::mount("tmpfs", local(m_dir.path()).constData(), "tmpfs", 0, options) != 0) {
            m_problem = QStringLiteral("cannot mount a tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~TinyDisk()
    {
        if (m_mounted)
            ::umount2(local(m_dir.path()).constData(), MNT_DETACH);
    }
    QString problem() const { return m_problem; }
    QString path() const { return m_dir.path(); }

    // Writes until the disk refuses; returns whether it ended full.
    bool fill(const QString &name) const
    {
        const int fd = ::open(local(m_dir.filePath(name)).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        const QByteArray block(512, 'f');
        ssize_t n = 0;
        while ((n = ::write(fd, block.constData(), block.size())) > 0) {
        }
        const bool full = n < 0 && errno == ENOSPC;
        // Single bytes as well, until not even one fits.
        while (::write(fd, "f", 1) == 1) {
        }
        ::close(fd);
        return full;
    }

private:
    QTemporaryDir m_dir;
    QString m_problem;
    bool m_mounted = false;
};

// The helper program that saves the settings file, once or for ever.
QString saverPath()
{
    return QStringLiteral(MK_SETTINGS_SAVER);
}

// The folders that a process of the unprivileged user must be able to reach.
bool openForOthers(const QString &root, const QString &iniDir)
{
    return QFile::setPermissions(root, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                           | QFileDevice::ReadOther | QFileDevice::ExeOther)
        && QFile::setPermissions(iniDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                             | QFileDevice::ReadOther | QFileDevice::ExeOther);
}

constexpr uid_t kNobody = 65534;
constexpr int kCannotRefuse = 77; // the saver's exit code when the folder still takes new files

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void fileBytes();
    void roundTrip_data();
    void roundTrip();
    void reading_data();
    void reading();
    void missingFile();
    void hugeFileIsCutShort();

    void onlyPlainFilesAreReadOrWritten_data();
    void onlyPlainFilesAreReadOrWritten();
    void writeProtectedFileStays();
    void saveKeepsModeAndOwner_data();
    void saveKeepsModeAndOwner();
    void changeKeepsChoiceWhenWriteFails();
    void quickChangesEndWithTheLast();

    void fullDiskKeepsOldFile_data();
    void fullDiskKeepsOldFile();

    void staleTemporariesGo_data();
    void staleTemporariesGo();

    void inPlaceWhenFolderRefusesNewFiles();
    void killedSaveLeavesCompleteFile_data();
    void killedSaveLeavesCompleteFile();
};

void TestSettings::fileBytes()
{
    QCOMPARE(SettingsFile::format(settings(".", "NL", 10, 1, 3)).mid(SettingsFile::format({}).indexOf("\r\n") + 2),
             QByteArray("\"[MalSymbol$]\"\r\n\".\"\r\n\"[Sprache]\"\r\n\"NL\"\r\n\"[Mal_Reihe]\"\r\n10\r\n"
                        "\"[Audio]\"\r\n1\r\n\"[Farbe]\"\r\n3\r\n"));
    const QList<QByteArray> lines = SettingsFile::format(settings("x", "D", 1, 0, -1)).split('\n');
    QCOMPARE(lines.size(), 12); // eleven lines and nothing after the last CR LF
    QVERIFY(lines.last().isEmpty());
    const QByteArray header = lines.first();
    QVERIFY(header.startsWith('"') && header.endsWith("\"\r"));
    QCOMPARE(header.count('"'), 2);
    QCOMPARE(lines[10], QByteArray("-1\r"));
}

void TestSettings::roundTrip_data()
{
    QTest::addColumn<Settings>("values");
    QTest::newRow("defaults") << kDefaults;
    QTest::newRow("dutch dot") << settings(".", "NL", 10, 1, 3);
    QTest::newRow("negative colour") << settings("*", "I", 7, 0, -1);
    QTest::newRow("edited values") << settings("+", "X", 99, 5, 32767);
    QTest::newRow("latin-1 text") << Settings{QStringLiteral("ä"), QStringLiteral("Ñ"), -32768, 2, 0};
    QTest::newRow("line break inside a text") << settings("a\r\nb", "D, E", 1, 0, 0);
}

void TestSettings::roundTrip()
{
    QFETCH(Settings, values);
    WorkDir dir;
    QVERIFY(SettingsFile::save(app().dirs.iniDir, values));
    const QByteArray written = dir.readIni();
    Settings back;
    QVERIFY(SettingsFile::load(app().dirs.iniDir, back));
    QCOMPARE(back, values);
    // Written back unchanged, byte for byte.
    QVERIFY(SettingsFile::save(app().dirs.iniDir, back));
    QCOMPARE(dir.readIni(), written);
}

void TestSettings::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint16>("audioBefore");
    QTest::addColumn<Settings>("expected");
    QTest::addColumn<bool>("complete");

    QTest::newRow("good file") << kGoodFile << qint16(0) << settings(".", "NL", 10, 1, 3) << true;
    QTest::newRow("empty") << QByteArray() << qint16(0) << kDefaults << false;
    QTest::newRow("ten lines keep audio") << kGoodFile.left(kGoodFile.lastIndexOf("3\r\n")) << qint16(0)
                                          << settings("x", "D", 1, 1, 0) << false;
    QTest::newRow("row too large for 16 bits") << withRow("40000") << qint16(0) << kDefaults << false;
    QTest::newRow("row not a number") << withRow("zehn") << qint16(0) << kDefaults << false;
    QTest::newRow("row with a NUL inside") << withRow(QByteArray("5\0" "99999", 7)) << qint16(0) << kDefaults << false;
    QTest::newRow("row with a NUL after it") << withRow(QByteArray("5\0", 2)) << qint16(0) << kDefaults << false;
    QTest::newRow("row with a NUL before it") << withRow(QByteArray("\0" "5", 2)) << qint16(0) << kDefaults << false;
    QTest::newRow("row with letters after it") << withRow("5a") << qint16(0) << kDefaults << false;
    QTest::newRow("row with a blank inside") << withRow("1 0") << qint16(0) << kDefaults << false;
    QTest::newRow("row of a sign alone") << withRow("-") << qint16(0) << kDefaults << false;
    QTest::newRow("row in hexadecimal") << withRow("0x5") << qint16(0) << kDefaults << false;
    QTest::newRow("row with a plus sign") << withRow("+5") << qint16(0) << settings("*", "E", 5, 1, 2) << true;
    QTest::newRow("row with blanks around it") << withRow("  -7 ") << qint16(0) << settings("*", "E", -7, 1, 2) << true;
    QTest::newRow("row at the 16-bit edges") << withRow("-32768") << qint16(0) << settings("*", "E", -32768, 1, 2)
                                             << true;
    QTest::newRow("colour broken keeps audio read before")
        << fileOf({"\"h\"", "\"l\"", "\"*\"", "\"l\"", "\"E\"", "\"l\"", "4", "\"l\"", "1", "\"l\"", "1.5"})
        << qint16(0) << settings("x", "D", 1, 1, 0) << false;
    QTest::newRow("audio with a NUL keeps the value it had")
        << fileOf({"\"h\"", "\"l\"", "\"*\"", "\"l\"", "\"E\"", "\"l\"", "4", "\"l\""}) + QByteArray("1\0", 2)
            + "\r\n\"l\"\r\n0\r\n"
        << qint16(7) << settings("x", "D", 1, 7, 0) << false;
    QTest::newRow("error before audio keeps the value it had")
        << fileOf({"\"h\"", "\"l\"", "\"*\""}) << qint16(7) << settings("x", "D", 1, 7, 0) << false;
    QTest::newRow("other labels, values on their lines")
        << fileOf({"\"anything\"", "\"foo\"", "\"*\"", "bar", "\"F\"", "\"\"", "3", "\"?\"", "0", "\"x\"", "2"})
        << qint16(0) << settings("*", "F", 3, 0, 2) << true;
    QTest::newRow("lines after the eleventh are not read")
        << kGoodFile + "\"more\"\r\n\x01\x02garbage" << qint16(0) << settings(".", "NL", 10, 1, 3) << true;
    QTest::newRow("no line end after the last value") << kGoodFile.chopped(2) << qint16(0)
                                                     << settings(".", "NL", 10, 1, 3) << true;
    QTest::newRow("bare line feeds and leading blanks")
        << QByteArray("\"h\"\n\"l\"\n   \"x\"\n\"l\"\n  E\n\"l\"\n  -4\n\"l\"\n0\n\"l\"\n1\n") << qint16(0)
        << settings("x", "E", -4, 0, 1) << true;
    QTest::newRow("comma inside quotes belongs to the text")
        << QByteArray("\"a, b\"\r\n\"l\"\r\n\"x,y\"\r\n\"l\"\r\n\"D\"\r\n\"l\"\r\n2\r\n\"l\"\r\n0\r\n\"l\"\r\n0\r\n")
        << qint16(0) << settings("x,y", "D", 2, 0, 0) << true;
    QTest::newRow("commas split a line into fields")
        << QByteArray("\"h\",\"l\",\"x\"\r\n\"l\",\"I\",\"l\",5,\"l\",1,\"l\",0\r\n") << qint16(0)
        << settings("x", "I", 5, 1, 0) << true;
    QTest::newRow("endless junk after a closing quote")
        << QByteArray("\"h\"\r\n\"l\"\r\n\"x\"" + QByteArray(5000, 'j') + "\r\n\"l\"\r\n\"NL\"\r\n\"l\"\r\n2\r\n\"l\"\r\n0\r\n\"l\"\r\n0\r\n\"l\"\r\n0\r\n")
        << qint16(0) << kDefaults << false;
    QTest::newRow("short junk after a closing quote is dropped")
        << QByteArray("\"h\" junk\r\n\"l\"\r\n\"x\"yz\r\n\"l\"\r\n\"NL\"\r\n\"l\"\r\n2\r\n\"l\"\r\n0\r\n\"l\"\r\n3\r\n")
        << qint16(0) << settings("x", "NL", 2, 0, 3) << true;
    QTest::newRow("no closing quote") << QByteArray("\"header without end\r\n\"l\"\r\n\"x\"\r\n") << qint16(0)
                                      << kDefaults << false;
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 37) & 0xff);
    QTest::newRow("binary") << binary << qint16(0) << kDefaults << false;
}

void TestSettings::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint16, audioBefore);
    QFETCH(Settings, expected);
    QFETCH(bool, complete);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    Settings s{QStringLiteral("*"), QStringLiteral("S"), 9, audioBefore, 2};
    QCOMPARE(SettingsFile::read(buffer, s), complete);
    QCOMPARE(s, expected);

    // The same through the file, as start-up reads it.
    WorkDir dir;
    dir.writeIni(bytes);
    app().settings = Settings{QStringLiteral("*"), QStringLiteral("S"), 9, audioBefore, 2};
    loadSettings();
    QCOMPARE(app().settings, expected);
}

void TestSettings::missingFile()
{
    WorkDir dir;
    app().settings.audioStatus = 0;
    loadSettings();
    QCOMPARE(app().settings, kDefaults);
    QVERIFY(!dir.iniExists());

    WorkDir noDta(WorkDir::Content::NoDta);
    app().settings.audioStatus = 0;
    loadSettings();
    QCOMPARE(app().settings, kDefaults);
    QVERIFY(!saveSettings());
}

void TestSettings::hugeFileIsCutShort()
{
    // A settings file of 64 MiB on one line: read only as far as a value can reach.
    WorkDir dir;
    {
        QFile f(dir.iniPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray block(1 << 20, 'a');
        for (int i = 0; i < 64; ++i)
            f.write(block);
    }
    Settings s;
    QVERIFY(!SettingsFile::load(app().dirs.iniDir, s));
    QCOMPARE(s, kDefaults);
}

void TestSettings::onlyPlainFilesAreReadOrWritten_data()
{
    // What stands at DTA/1x1.ini; "victim" is a file beside DTA/ that a link may point at.
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to a good file") << QStringLiteral("link");
    QTest::newRow("dangling link") << QStringLiteral("dangling link");
    QTest::newRow("link to a folder") << QStringLiteral("folder link");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("named pipe") << QStringLiteral("fifo");
    QTest::newRow("device") << QStringLiteral("device");
}

void TestSettings::onlyPlainFilesAreReadOrWritten()
{
    QFETCH(QString, kind);
    WorkDir dir;
    const QString ini = dir.iniPath();
    const QString victim = dir.path() + QStringLiteral("/victim");
    const QByteArray victimBytes = kGoodFile;
    const QByteArray iniLocal = local(ini);
    if (kind == u"link") {
        QVERIFY(writeBytes(victim, victimBytes));
        QVERIFY(QFile::link(victim, ini));
    } else if (kind == u"dangling link") {
        QVERIFY(QFile::link(victim, ini));
    } else if (kind == u"folder link") {
        QVERIFY(QDir().mkpath(victim));
        QVERIFY(QFile::link(victim, ini));
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkpath(ini));
    } else if (kind == u"fifo") {
        QVERIFY(::mkfifo(iniLocal.constData(), 0666) == 0);
    } else if (::mknod(iniLocal.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        QSKIP(qPrintable(QStringLiteral("cannot make a device node: ") + QString::fromLocal8Bit(std::strerror(errno))));
    }
    const auto kindNow = [&] {
        struct stat st{};
        return ::lstat(iniLocal.constData(), &st) == 0 ? st.st_mode & S_IFMT : mode_t(0);
    };
    const mode_t kindBefore = kindNow();

    // Start-up reads without blocking; a reader stuck in open() is let go by a writer.
    app().settings = settings("*", "S", 9, 0, 2);
    auto reading = std::async(std::launch::async, [] { loadSettings(); });
    if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        const int unblock = ::open(iniLocal.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (unblock >= 0)
            ::close(unblock);
        reading.wait();
        QFAIL("reading the settings file blocked");
    }
    QCOMPARE(app().settings, kDefaults);

    // A choice holds for the run, but nothing is written anywhere.
    changeSettings([](Settings &s) { s.sprache = QStringLiteral("NL"); });
    QVERIFY(!settingsWritten());
    QCOMPARE(app().settings.sprache, QStringLiteral("NL"));
    QCOMPARE(kindNow(), kindBefore);
    if (kind == u"link")
        QCOMPARE(bytesOf(victim), victimBytes);
    if (kind == u"dangling link")
        QVERIFY(!QFileInfo::exists(victim));
    if (kind == u"folder link")
        QCOMPARE(entriesOf(victim), QStringList());
    QCOMPARE(QFileInfo(ini).symLinkTarget(), kind.endsWith(u"link") ? QFileInfo(victim).absoluteFilePath() : QString());
    QCOMPARE(entriesOf(app().dirs.iniDir).filter(QStringLiteral("1x1.ini")), QStringList{QStringLiteral("1x1.ini")});
}

void TestSettings::writeProtectedFileStays()
{
    if (geteuid() == 0)
        QSKIP("root may write any file, so a write-protected one is no test here");
    WorkDir dir;
    dir.writeIni(kGoodFile);
    QVERIFY(QFile::setPermissions(dir.iniPath(), QFileDevice::ReadOwner));
    QVERIFY(!SettingsFile::save(app().dirs.iniDir, kDefaults));
    QCOMPARE(dir.readIni(), kGoodFile);
}

void TestSettings::saveKeepsModeAndOwner_data()
{
    QTest::addColumn<mode_t>("mode");
    // Under a strict umask a new file is private by itself; a shared one still tells.
    QTest::newRow("private to its owner") << mode_t(0600);
    QTest::newRow("written by the group too") << mode_t(0660);
}

void TestSettings::saveKeepsModeAndOwner()
{
    // A file a parent made private stays private; one that root saves stays its owner's.
    QFETCH(mode_t, mode);
    WorkDir dir;
    dir.writeIni(kGoodFile);
    const QByteArray ini = local(dir.iniPath());
    QVERIFY(::chmod(ini.constData(), mode) == 0);
    const bool root = geteuid() == 0;
    if (root)
        QVERIFY(::chown(ini.constData(), kNobody, kNobody) == 0);
    QVERIFY(SettingsFile::save(app().dirs.iniDir, kDefaults));
    struct stat st{};
    QVERIFY(::stat(ini.constData(), &st) == 0);
    QCOMPARE(st.st_mode & 07777, mode);
    if (!root)
        QSKIP("only root can give the file to another owner");
    QCOMPARE(st.st_uid, kNobody);
    QCOMPARE(st.st_gid, gid_t(kNobody));
}

void TestSettings::changeKeepsChoiceWhenWriteFails()
{
    WorkDir dir(WorkDir::Content::NoDta);
    app().settings = kDefaults;
    changeSettings([](Settings &s) { s.sprache = QStringLiteral("F"); });
    QVERIFY(!settingsWritten());
    QCOMPARE(app().settings.sprache, QStringLiteral("F"));

    WorkDir good;
    app().settings = kDefaults;
    changeSettings([](Settings &s) { s.farbe = 2; });
    QVERIFY(settingsWritten());
    QCOMPARE(settingsOf(good.readIni()), settings("x", "D", 1, 0, 2));
}

void TestSettings::quickChangesEndWithTheLast()
{
    // Changes come faster than the disk takes them; each folder ends with its own last values.
    WorkDir first;
    app().settings = kDefaults;
    for (qint16 row = 1; row <= 10; ++row)
        changeSettings([row](Settings &s) { s.malReihe = row; });
    const QString firstDir = app().dirs.iniDir;
    {
        WorkDir second;
        app().settings = kDefaults;
        changeSettings([](Settings &s) { s.sprache = QStringLiteral("I"); });
        changeSettings([](Settings &s) { s.farbe = 5; });
        QCOMPARE(settingsOf(second.readIni()), settings("x", "I", 1, 0, 5));
    }
    QCOMPARE(settingsOf(first.readIni()), settings("x", "D", 10, 0, 0));
    QCOMPARE(entriesOf(firstDir).filter(QStringLiteral("1x1.ini")), QStringList{QStringLiteral("1x1.ini")});
}

void TestSettings::fullDiskKeepsOldFile_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<bool>("fillBytes"); // otherwise the last free inode is taken
    QTest::newRow("no room for the bytes") << QByteArray("size=64k") << true;
    QTest::newRow("no free inode") << QByteArray("size=1m,nr_inodes=4") << false;
}

void TestSettings::fullDiskKeepsOldFile()
{
    QFETCH(QByteArray, options);
    QFETCH(bool, fillBytes);
    TinyDisk disk(options.constData());
    if (!disk.problem().isEmpty())
        QSKIP(qPrintable(disk.problem()));
    const QString iniDir = disk.path() + QStringLiteral("/DTA/");
    QVERIFY(QDir().mkpath(iniDir));
    const Settings before = settings(".", "NL", 10, 1, 3);
    const Settings after = settings("*", "I", 7, 0, -1);
    QVERIFY(SettingsFile::save(iniDir, before));
    const QByteArray old = bytesOf(SettingsFile::path(iniDir));
    QCOMPARE(old, SettingsFile::format(before));

    const QString filler = disk.path() + QStringLiteral("/filler");
    if (fillBytes) {
        QVERIFY(disk.fill(QStringLiteral("filler")));
    } else {
        QVERIFY(writeBytes(filler, "x"));
        QVERIFY(::open(local(disk.path() + QStringLiteral("/more")).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644) < 0);
    }
    // Twice: a failed save must not leave anything that makes the next one look good.
    for (int i = 0; i < 2; ++i) {
        QVERIFY(!SettingsFile::save(iniDir, after));
        QCOMPARE(bytesOf(SettingsFile::path(iniDir)), old);
        QCOMPARE(entriesOf(iniDir), QStringList{QStringLiteral("1x1.ini")});
    }

    QVERIFY(QFile::remove(filler));
    QVERIFY(SettingsFile::save(iniDir, after));
    QCOMPARE(bytesOf(SettingsFile::path(iniDir)), SettingsFile::format(after));
}

void TestSettings::staleTemporariesGo_data()
{
    // What a killed save may leave beside the file, and what only looks like it.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("removed");
    const QString file = QStringLiteral("file");
    QTest::newRow("left by a killed save") << QStringLiteral("1x1.ini.QkTzvA") << file << true;
    QTest::newRow("empty, left by a killed save") << QStringLiteral("1x1.ini.gUXcSm") << QStringLiteral("empty") << true;
    QTest::newRow("a save still writing it") << QStringLiteral("1x1.ini.QkTzvA") << QStringLiteral("locked") << false;
    QTest::newRow("user's backup") << QStringLiteral("1x1.ini.backup") << file << false;
    QTest::newRow("user's BACKUP") << QStringLiteral("1x1.ini.BACKUP") << file << false;
    QTest::newRow("user's bak") << QStringLiteral("1x1.ini.bak") << file << false;
    QTest::newRow("digits in the tail") << QStringLiteral("1x1.ini.Ab12Cd") << file << false;
    QTest::newRow("seven letters") << QStringLiteral("1x1.ini.QkTzvAb") << file << false;
    QTest::newRow("other file") << QStringLiteral("2x2.ini.QkTzvA") << file << false;
    QTest::newRow("link") << QStringLiteral("1x1.ini.QkTzvA") << QStringLiteral("link") << false;
    QTest::newRow("folder") << QStringLiteral("1x1.ini.QkTzvA") << QStringLiteral("folder") << false;
}

void TestSettings::staleTemporariesGo()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, removed);
    WorkDir dir;
    dir.writeIni(kGoodFile + QByteArray(5000, 'z')); // longer than the new content
    const QString path = app().dirs.iniDir + name;
    int lockFd = -1;
    if (kind == u"file" || kind == u"locked") {
        QVERIFY(writeBytes(path, SettingsFile::format(kDefaults).left(40)));
    } else if (kind == u"empty") {
        QVERIFY(writeBytes(path, QByteArray()));
    } else if (kind == u"link") {
        QVERIFY(QFile::link(dir.iniPath(), path));
    } else {
        QVERIFY(QDir().mkpath(path));
    }
    if (kind == u"locked") {
        lockFd = ::open(local(path).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(lockFd >= 0 && ::flock(lockFd, LOCK_EX) == 0);
    }
    const QStringList before = entriesOf(app().dirs.iniDir);
    const bool saved = SettingsFile::save(app().dirs.iniDir, settings("*", "F", 4, 0, 1));
    if (lockFd >= 0)
        ::close(lockFd);
    QVERIFY(saved);
    QCOMPARE(dir.readIni(), SettingsFile::format(settings("*", "F", 4, 0, 1)));
    QStringList expected = before;
    if (removed)
        expected.removeOne(name);
    QCOMPARE(entriesOf(app().dirs.iniDir), expected);
    if (kind == u"link")
        QVERIFY(QFileInfo(path).isSymLink());
}

void TestSettings::inPlaceWhenFolderRefusesNewFiles()
{
    // A folder the saver may not add files to, holding a file it may write:
    // the file is written where it stands, not through a second link to it.
    WorkDir dir;
    dir.writeIni(kGoodFile);
    const QString root = dir.path();
    const QString iniDir = app().dirs.iniDir;
    QVERIFY(openForOthers(root, iniDir));
    if (geteuid() == 0) {
        QVERIFY(::chown(local(dir.iniPath()).constData(), kNobody, kNobody) == 0);
    } else {
        QVERIFY(QFile::setPermissions(iniDir, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                  | QFileDevice::ExeOther));
    }
    struct stat st{};
    QVERIFY(::stat(local(dir.iniPath()).constData(), &st) == 0);
    const ino_t inode = st.st_ino;

    const auto saveOnce = [&](const char *values) {
        QProcess saver;
        saver.start(saverPath(), {iniDir, QStringLiteral("once"), QStringLiteral("in-place"), QString::fromLatin1(values)});
        saver.waitForFinished();
        return saver.exitCode();
    };
    const int shorter = saveOnce("x,D,1,0,0");
    if (shorter == kCannotRefuse)
        QSKIP("cannot make a folder refuse new files to the saving process");
    QCOMPARE(shorter, 0);
    QCOMPARE(dir.readIni(), SettingsFile::format(kDefaults));
    QCOMPARE(saveOnce(".,NL,-32768,1,-1"), 0);
    QCOMPARE(dir.readIni(), SettingsFile::format(settings(".", "NL", -32768, 1, -1)));
    QVERIFY(::stat(local(dir.iniPath()).constData(), &st) == 0);
    QCOMPARE(st.st_ino, inode);

    // With a second name for the same file, writing in place would change both: refused.
    if (geteuid() == 0) {
        QVERIFY(::link(local(dir.iniPath()).constData(), local(root + QStringLiteral("/second")).constData()) == 0);
        QCOMPARE(saveOnce("*,F,3,0,2"), 1);
        QCOMPARE(dir.readIni(), SettingsFile::format(settings(".", "NL", -32768, 1, -1)));
    }
    QVERIFY(QFile::setPermissions(iniDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

void TestSettings::killedSaveLeavesCompleteFile_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("beside and replace") << QStringLiteral("rename");
    QTest::newRow("in place") << QStringLiteral("in-place");
}

void TestSettings::killedSaveLeavesCompleteFile()
{
    // A saving process killed at random moments, a few hundred times: the
    // file always holds one of the two sets of values it was saving.
    QFETCH(QString, mode);
    WorkDir dir;
    const Settings a = settings("x", "D", 1, 0, 0);
    const Settings b = settings(".", "NL", 10, 1, -32768);
    const QByteArray fileA = SettingsFile::format(a);
    const QByteArray fileB = SettingsFile::format(b);
    dir.writeIni(fileA);
    const QString iniDir = app().dirs.iniDir;
    if (mode == u"in-place") {
        QVERIFY(openForOthers(dir.path(), iniDir));
        if (geteuid() == 0)
            QVERIFY(::chown(local(dir.iniPath()).constData(), kNobody, kNobody) == 0);
        else
            QVERIFY(QFile::setPermissions(iniDir, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    const QByteArray where = "seed " + QByteArray::number(seed);
    // Deeper checks ask for more rounds.
    const int rounds = qEnvironmentVariableIsSet("MK_KILL_ROUNDS") ? qEnvironmentVariableIntValue("MK_KILL_ROUNDS") : 250;
    int killedWhileSaving = 0;
    for (int round = 0; round < rounds; ++round) {
        QProcess saver;
        saver.start(saverPath(), {iniDir, QStringLiteral("loop"), mode, QStringLiteral("x,D,1,0,0"),
                                  QStringLiteral(".,NL,10,1,-32768")});
        QVERIFY2(saver.waitForReadyRead(60000), where.constData()); // a loaded machine starts it slowly
        if (saver.readAll().startsWith("cannot")) {
            saver.waitForFinished();
            QSKIP("cannot make a folder refuse new files to the saving process");
        }
        ::usleep(random.bounded(3000));
        killedWhileSaving += saver.state() == QProcess::Running;
        ::kill(pid_t(saver.processId()), SIGKILL);
        saver.waitForFinished();
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        const QByteArray now = dir.readIni();
        const bool complete = now == fileA || now == fileB
            // Cut to length is the last step of writing in place; before it, the old tail is read past.
            || (mode == u"in-place" && now.size() == fileB.size() && now.startsWith(fileA));
        QVERIFY2(complete, (where + " round " + QByteArray::number(round) + ": " + now.toPercentEncoding()).constData());
        Settings back;
        QVERIFY(SettingsFile::load(iniDir, back));
        QVERIFY(back == a || back == b);
    }
    QVERIFY(killedWhileSaving > rounds * 4 / 5);
    // Whatever the kills left beside the file is gone after the next save.
    QVERIFY(QFile::setPermissions(iniDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QVERIFY(SettingsFile::save(iniDir, a));
    QCOMPARE(entriesOf(iniDir).filter(QStringLiteral("1x1.ini")), QStringList{QStringLiteral("1x1.ini")});
}

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
