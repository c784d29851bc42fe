// The program as a parent meets it: its command line, and the folder of the
// user's own that an installed program runs in.
#include "frame/userfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using Spoil = std::function<void(const QString &root)>;

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// With a platform that does not exist, any attempt to open a window would
// end the program with a different status and complaint.
Run runProgram(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"no-such-platform"_s);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(MK_PROGRAM), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

void writeFile(const QString &path, const QByteArray &bytes = "RIFF")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An installed data folder in miniature: one picture, two sounds, and a
// settings file and a progress file that must never reach a user.
QString makeData(const QString &root)
{
    writeFile(root + u"/BTN/EndeButton_N.jpg"_s);
    writeFile(root + u"/DTA/sSlam.wav"_s);
    writeFile(root + u"/DTA/sGitarre"_s);
    writeFile(root + u"/DTA/1x1.ini"_s, "installed");
    writeFile(root + u"/DTA/Lernstand.txt"_s, "installed");
    return root;
}

QString linkTarget(const QString &path)
{
    return QFileInfo(path).symLinkTarget();
}

} // namespace

Q_DECLARE_METATYPE(Spoil)

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void helpNamesEveryOption();

    void installedDataFolder();
    void firstStartLinksTheData();
    void laterStartFollowsTheInstall();
    void badFolders_data();
    void badFolders();
    void readOnlyFolder();
};

void TestApp::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    QTest::newRow("--version") << QStringList{u"--version"_s} << 0 << u"malkobold 1.3\n"_s << QString();
    QTest::newRow("-v") << QStringList{u"-v"_s} << 0 << u"malkobold 1.3\n"_s << QString();
    QTest::newRow("unknown long") << QStringList{u"--linsk"_s} << 2 << QString()
                                  << u"malkobold: Unknown option 'linsk'. Try 'malkobold --help'.\n"_s;
    QTest::newRow("unknown short") << QStringList{u"-x"_s} << 2 << QString()
                                   << u"malkobold: Unknown option 'x'. Try 'malkobold --help'.\n"_s;
    QTest::newRow("after a good one") << QStringList{u"--user-data"_s, u"--bogus"_s} << 2 << QString()
                                      << u"malkobold: Unknown option 'bogus'. Try 'malkobold --help'.\n"_s;
    QTest::newRow("a value") << QStringList{u"--user-data=/tmp"_s} << 2 << QString()
                             << u"malkobold: Unexpected value after '--user-data'. Try 'malkobold --help'.\n"_s;
    QTest::newRow("a file name") << QStringList{u"1x1.ini"_s} << 2 << QString()
                                 << u"malkobold: Unexpected argument '1x1.ini'. Try 'malkobold --help'.\n"_s;
    // The toolkit's own options are not offered either.
    QTest::newRow("toolkit help") << QStringList{u"--help-all"_s} << 2 << QString()
                                  << u"malkobold: Unknown option 'help-all'. Try 'malkobold --help'.\n"_s;
    QTest::newRow("toolkit option") << QStringList{u"-platform"_s, u"offscreen"_s} << 2 << QString()
                                    << u"malkobold: Unknown option 'platform'. Try 'malkobold --help'.\n"_s;
}

void TestApp::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const Run run = runProgram(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err, err);
}

void TestApp::helpNamesEveryOption()
{
    for (const QString &option : {u"--help"_s, u"-h"_s}) {
        const Run run = runProgram({option});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QVERIFY2(run.out.startsWith(u"Usage: malkobold [options]\n"_s), qPrintable(run.out));
        for (const QString &named : {u"--help"_s, u"--version"_s, u"--user-data"_s, u"$XDG_DATA_HOME/malkobold"_s, u"--links"_s})
            QVERIFY2(run.out.contains(named), qPrintable(named));
        QVERIFY(!run.out.contains(u"--help-all"_s));
    }
}

void TestApp::installedDataFolder()
{
    QTemporaryDir tmp;
    const QString bin = tmp.filePath(u"usr/bin"_s);
    QDir().mkpath(bin);
    QCOMPARE(mk::installedDataFolder(bin), QString());

    // A build folder holds BTN/ beside the program.
    QDir().mkpath(bin + u"/BTN"_s);
    QCOMPARE(mk::installedDataFolder(bin), bin);

    // An install puts it below share/, and that wins.
    QDir().mkpath(tmp.filePath(u"usr/share/malkobold/BTN"_s));
    QCOMPARE(mk::installedDataFolder(bin), tmp.filePath(u"usr/share/malkobold"_s));
}

void TestApp::firstStartLinksTheData()
{
    QTemporaryDir tmp;
    const QString data = makeData(tmp.filePath(u"usr/share/malkobold"_s));
    const QString user = tmp.filePath(u"home/.local/share/malkobold"_s);

    const mk::UserFolder folder = mk::prepareUserFolder(data, user);
    QCOMPARE(folder.runIn, user);
    QCOMPARE(folder.problem, QString());
    QCOMPARE(linkTarget(user + u"/BTN"_s), data + u"/BTN"_s);
    QVERIFY(QFileInfo::exists(user + u"/BTN/EndeButton_N.jpg"_s));
    QVERIFY(QFileInfo(user + u"/DTA"_s).isDir());
    QVERIFY(!QFileInfo(user + u"/DTA"_s).isSymLink());
    QCOMPARE(linkTarget(user + u"/DTA/sSlam.wav"_s), data + u"/DTA/sSlam.wav"_s);
    QCOMPARE(linkTarget(user + u"/DTA/sGitarre"_s), data + u"/DTA/sGitarre"_s);
    for (const QString &own : {u"/DTA/1x1.ini"_s, u"/DTA/Lernstand.txt"_s}) {
        QVERIFY(!QFileInfo(user + own).exists());
        QVERIFY(!QFileInfo(user + own).isSymLink());
    }
}

void TestApp::laterStartFollowsTheInstall()
{
    QTemporaryDir tmp;
    const QString data = makeData(tmp.filePath(u"usr/share/malkobold"_s));
    const QString user = tmp.filePath(u"home/malkobold"_s);
    QCOMPARE(mk::prepareUserFolder(data, user).problem, QString());
    writeFile(user + u"/DTA/1x1.ini"_s, "the child's own");
    writeFile(user + u"/DTA/sDrop1.wav"_s, "a sound of the user's own");

    // An update adds one sound and drops another.
    writeFile(data + u"/DTA/sBang.wav"_s);
    QVERIFY(QFile::remove(data + u"/DTA/sGitarre"_s));
    QCOMPARE(mk::prepareUserFolder(data, user).problem, QString());
    QCOMPARE(linkTarget(user + u"/DTA/sBang.wav"_s), data + u"/DTA/sBang.wav"_s);
    QVERIFY(!QFileInfo(user + u"/DTA/sGitarre"_s).isSymLink());
    QCOMPARE(readFile(user + u"/DTA/1x1.ini"_s), QByteArray("the child's own"));
    QCOMPARE(readFile(user + u"/DTA/sDrop1.wav"_s), QByteArray("a sound of the user's own"));

    // The program moves to another prefix: the links follow it.
    const QString moved = makeData(tmp.filePath(u"opt/malkobold/share/malkobold"_s));
    const mk::UserFolder folder = mk::prepareUserFolder(moved, user);
    QCOMPARE(folder.problem, QString());
    QCOMPARE(folder.runIn, user);
    QCOMPARE(linkTarget(user + u"/BTN"_s), moved + u"/BTN"_s);
    QCOMPARE(linkTarget(user + u"/DTA/sSlam.wav"_s), moved + u"/DTA/sSlam.wav"_s);
    QCOMPARE(readFile(user + u"/DTA/1x1.ini"_s), QByteArray("the child's own"));
}

void TestApp::badFolders_data()
{
    QTest::addColumn<Spoil>("spoil");
    QTest::addColumn<QString>("userDir"); // below the temporary folder
    QTest::addColumn<bool>("runsInUserFolder");
    QTest::addColumn<QString>("problem"); // %1: the temporary folder

    QTest::newRow("folder under a file")
        << Spoil([](const QString &root) { writeFile(root + u"/file"_s, "x"); }) << u"file/malkobold"_s << false
        << u"cannot create the folder %1/file/malkobold (Not a directory); the choices will not be kept"_s;
    QTest::newRow("DTA is a file")
        << Spoil([](const QString &root) { writeFile(root + u"/u/DTA"_s, "x"); }) << u"u"_s << false
        << u"cannot create the folder %1/u/DTA (Not a directory); the choices will not be kept"_s;
    QTest::newRow("settings file is a folder")
        << Spoil([](const QString &root) { QDir().mkpath(root + u"/u/DTA/1x1.ini"_s); }) << u"u"_s << true
        << u"%1/u/DTA/1x1.ini is a folder, not a file; the choices will not be kept"_s;
    // Makes the settings file a link to a missing file below the temporary folder.
    const auto linkTo = [](const QString &target) {
        return Spoil([target](const QString &root) {
            QDir().mkpath(root + u"/u/DTA"_s);
            QFile::link(root + target, root + u"/u/DTA/1x1.ini"_s);
        });
    };
    QTest::newRow("dangling link into a folder")
        << linkTo(u"/kept.ini"_s) << u"u"_s << true
        << u"%1/u/DTA/1x1.ini is a link to %1/kept.ini, which does not exist; the choices will not be kept"_s;
    QTest::newRow("link to a file")
        << Spoil([](const QString &root) {
               writeFile(root + u"/kept.ini"_s, "x");
               QDir().mkpath(root + u"/u/DTA"_s);
               QFile::link(root + u"/kept.ini"_s, root + u"/u/DTA/1x1.ini"_s);
           })
        << u"u"_s << true << u"%1/u/DTA/1x1.ini is a link to %1/kept.ini; the choices will not be kept"_s;
    QTest::newRow("settings file is a pipe")
        << Spoil([](const QString &root) {
               QDir().mkpath(root + u"/u/DTA"_s);
               ::mkfifo(QFile::encodeName(root + u"/u/DTA/1x1.ini"_s).constData(), 0644);
           })
        << u"u"_s << true << u"%1/u/DTA/1x1.ini is not a plain file; the choices will not be kept"_s;
    QTest::newRow("dangling link to nowhere")
        << linkTo(u"/gone/1x1.ini"_s) << u"u"_s << true
        << u"%1/u/DTA/1x1.ini is a link to %1/gone/1x1.ini, which does not exist; the choices will not be kept"_s;
    QTest::newRow("BTN is a file")
        << Spoil([](const QString &root) { writeFile(root + u"/u/BTN"_s, "x"); }) << u"u"_s << true
        << u"%1/u/BTN is in the way; some pictures or sounds are missing"_s;
}

void TestApp::badFolders()
{
    QFETCH(Spoil, spoil);
    QFETCH(QString, userDir);
    QFETCH(bool, runsInUserFolder);
    QFETCH(QString, problem);

    QTemporaryDir tmp;
    const QString data = makeData(tmp.filePath(u"data"_s));
    spoil(tmp.path());
    const QString user = tmp.filePath(userDir);
    const mk::UserFolder folder = mk::prepareUserFolder(data, user);
    QCOMPARE(folder.problem, problem.arg(tmp.path()));
    QCOMPARE(folder.runIn, runsInUserFolder ? user : data);
}

void TestApp::readOnlyFolder()
{
    if (::geteuid() == 0) {
        // QSKIP without its optional argument upsets clang's pedantic mode.
        QTest::qSkip("root may write anywhere", __FILE__, __LINE__);
        return;
    }
    QTemporaryDir tmp;
    const QString data = makeData(tmp.filePath(u"data"_s));
    const QString user = tmp.filePath(u"u"_s);
    QCOMPARE(mk::prepareUserFolder(data, user).problem, QString());
    writeFile(user + u"/DTA/1x1.ini"_s, "kept");

    QFile::setPermissions(user + u"/DTA"_s, QFile::ReadOwner | QFile::ExeOwner);
    mk::UserFolder folder = mk::prepareUserFolder(data, user);
    QCOMPARE(folder.runIn, user);
    QCOMPARE(folder.problem, u"the folder %1/DTA is read-only; the choices will not be kept"_s.arg(user));

    QFile::setPermissions(user + u"/DTA"_s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(user + u"/DTA/1x1.ini"_s, QFile::ReadOwner);
    folder = mk::prepareUserFolder(data, user);
    QCOMPARE(folder.problem, u"%1/DTA/1x1.ini is read-only; the choices will not be kept"_s.arg(user));
}

QTEST_GUILESS_MAIN(TestApp)
#include "test_app.moc"
