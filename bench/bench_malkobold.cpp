// Speed figures for start-up and for the main keys of every screen, as
// medians over repeated runs. Not a test: it reports and never fails on a figure.
//
//   bench_malkobold [runs]
//   bench_malkobold --clicks rounds [screen]   (one child, for a profiler)
//
// Start-up is timed on the X server, from the outside, as a user meets it:
// from the exec of the program built beside this bench to its first window
// being mapped and to the first moment that window's pixels are not all one
// colour, with the peak RSS a second after the map. Two floors are timed the
// same way, interleaved: a bare window with one label, and the same window
// playing one short sound. A click is timed with the repaint it causes. Both
// run once with the sound server reachable and once without one, as on a
// machine without audio.
//
// Run it under an X display (Xvfb will do); the start-up children always use
// it, even when QT_QPA_PLATFORM=offscreen is set for the clicks. Without a
// display only the clicks are timed.

#include "startwatch.h"

#include "frame/sound.h"
#include "screens/balls/balls_window.h"
#include "screens/calculator/calculator_window.h"
#include "screens/random/random_window.h"
#include "screens/series/series_window.h"
#include "screens/start/start_window.h"
#include "screens/weblinks/weblinks_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

const QString kBuildDir = QStringLiteral(MK_BUILD_DIR);
// The aims: start-up within this many times the window with sound, clicks
// under this many ms, the start screen's peak RSS at most this many MiB.
constexpr double kStartAim = 1.3;
constexpr double kClickAim = 2.0;
constexpr double kRssAimMiB = 40;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0.0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0);
}

// A working folder like the program's own, copied from the build folder, so
// the bench never touches the settings file there; it also holds the floor's sound.
class BenchDir
{
public:
    BenchDir()
    {
        copyFolder(QStringLiteral("BTN"));
        copyFolder(QStringLiteral("DTA"));
        writeClick(clickPath());
    }
    QString path() const { return m_dir.path(); }
    QString clickPath() const { return m_dir.filePath(QStringLiteral("click.wav")); }
    // Every start-up starts without a settings file, as on the first run.
    void forgetSettings() const { QFile::remove(m_dir.filePath(QStringLiteral("DTA/1x1.ini"))); }

private:
    // A settings file left in the build folder must not leak in.
    void copyFolder(const QString &name) const
    {
        const QDir from(kBuildDir + u'/' + name);
        const QDir to(m_dir.filePath(name));
        QDirIterator it(from.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString relative = from.relativeFilePath(file);
            if (relative == u"1x1.ini")
                continue;
            to.mkpath(QFileInfo(relative).path());
            QFile::copy(file, to.filePath(relative));
        }
    }

    // 80 ms of 880 Hz, fading out over its last 30 ms: 16-bit mono PCM at 44.1 kHz.
    static void writeClick(const QString &path)
    {
        constexpr int rate = 44100, samples = rate * 80 / 1000, fade = rate * 30 / 1000;
        QByteArray data;
        for (int i = 0; i < samples; ++i) {
            const double gain = i < samples - fade ? 1.0 : double(samples - i) / fade;
            const auto v = static_cast<qint16>(32767 * gain * std::sin(2 * M_PI * 880 * i / rate));
            data.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
        }
        const auto le = [](quint32 v, int bytes) {
            QByteArray b;
            for (int i = 0; i < bytes; ++i)
                b.append(char((v >> (8 * i)) & 0xff));
            return b;
        };
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return;
        f.write("RIFF" + le(36 + data.size(), 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(rate, 4)
                + le(rate * 2, 4) + le(2, 2) + le(16, 2) + "data" + le(data.size(), 4) + data);
    }

    QTemporaryDir m_dir;
};

// The children's surroundings: with the sound server of this session, or
// with none to be found.
QProcessEnvironment environment(bool audio)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!audio)
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent/malkobold-bench"));
    return env;
}

// Without a sound server the toolkit complains on every start; that is known.
void quietWithoutAudio(QProcess &child, bool audio)
{
    if (audio)
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    else
        child.setStandardErrorFile(QProcess::nullDevice());
}

std::string local(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}

// One kind of start-up child and what it gave, round after round.
struct Starter
{
    QString label;
    std::vector<std::string> argv;
    bool needsFreshSettings = false;
    std::vector<bench::StartFigures> runs = {};

    // The median of one figure over the starts that painted.
    template<typename Figure>
    double median(Figure figure) const
    {
        std::vector<double> values;
        for (const bench::StartFigures &run : runs)
            if (run.paintedMs >= 0 && figure(run) >= 0)
                values.push_back(figure(run));
        return ::median(values);
    }
    int painted() const
    {
        return int(std::count_if(runs.begin(), runs.end(), [](const auto &run) { return run.paintedMs >= 0; }));
    }
};

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readLine().split(' ').mid(0, 3).join(' '));
}

void reportStartUp(QTextStream &out, const BenchDir &dir, int runs, bool audio)
{
    QProcessEnvironment env = environment(audio);
    // The figures are the X server's: the children show their windows there.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    std::vector<std::string> childEnv;
    for (const QString &entry : env.toStringList())
        childEnv.push_back(local(entry));
    const auto start = [&](const Starter &starter) {
        if (starter.needsFreshSettings)
            dir.forgetSettings();
        return bench::timeStart(starter.argv, local(dir.path()), childEnv);
    };

    std::vector<Starter> starters{
        {QStringLiteral("bare window"), {MK_LABEL_FLOOR_PATH}},
        {QStringLiteral("window with sound"), {MK_SOUND_FLOOR_PATH, local(dir.clickPath())}},
        {QStringLiteral("program"), {MK_PROGRAM_PATH}, true},
    };
    const QString load = loadAverage();
    for (const Starter &starter : starters) // warm the file cache
        start(starter);
    // Interleaved, so that all three see the same machine.
    for (int i = 0; i < runs; ++i)
        for (Starter &starter : starters)
            starter.runs.push_back(start(starter));

    out << QStringLiteral("start-up, exec to the window on the X server, medians of %1, %2 (load %3):\n")
               .arg(QString::number(runs),
                    audio ? QStringLiteral("with a sound server") : QStringLiteral("without a sound server"), load)
        << QStringLiteral("  %1 %2 %3 %4\n")
               .arg(QString(), -20)
               .arg(QStringLiteral("mapped"), 10)
               .arg(QStringLiteral("painted"), 10)
               .arg(QStringLiteral("peak RSS"), 10);
    const auto mapped = [](const bench::StartFigures &run) { return run.mappedMs; };
    const auto painted = [](const bench::StartFigures &run) { return run.paintedMs; };
    const auto peakRssMiB = [](const bench::StartFigures &run) { return double(run.peakRssKb) / 1024.0; };
    for (const Starter &starter : starters) {
        out << QStringLiteral("  %1 %2 %3 %4")
                   .arg(starter.label, -20)
                   .arg(QStringLiteral("%1 ms").arg(starter.median(mapped), 0, 'f', 1), 10)
                   .arg(QStringLiteral("%1 ms").arg(starter.median(painted), 0, 'f', 1), 10)
                   .arg(QStringLiteral("%1 MiB").arg(starter.median(peakRssMiB), 0, 'f', 1), 10);
        if (starter.painted() < runs)
            out << QStringLiteral("  (%1 of %2 never painted)").arg(runs - starter.painted()).arg(runs);
        out << u'\n';
    }
    const double label = starters[0].median(painted);
    const double sound = starters[1].median(painted);
    const double program = starters[2].median(painted);
    out << QStringLiteral("  painted: %1 x the bare window, %2 x the window with sound (aim %3); peak RSS aim %4 MiB\n")
               .arg(program / label, 0, 'f', 2)
               .arg(program / sound, 0, 'f', 2)
               .arg(kStartAim, 0, 'f', 1)
               .arg(kRssAimMiB, 0, 'f', 0);
    out.flush();
}

// A click and the repaints it causes, as the child sees them: the parts of
// the window that the press changed and then those that the release and its
// action changed are painted and handed to the display, as the event loop
// does between a child's press and release.
double timeClick(QWidget *key)
{
    QElapsedTimer t;
    t.start();
    QTest::mousePress(key, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(key->window(), QEvent::UpdateRequest);
    QTest::mouseRelease(key, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(key->window(), QEvent::UpdateRequest);
    return t.nsecsElapsed() / 1e6;
}

// One key of a screen, clicked again and again: `key` names the key for the
// i-th round; `prepare`, untimed, puts the screen in the state the click needs.
struct Click
{
    QString label;
    std::function<QString(int)> key;
    std::function<void(QWidget *)> prepare = {};
};

QString fixed(const char16_t *name)
{
    return QString::fromUtf16(name);
}

std::function<QString(int)> always(const char16_t *name)
{
    return [name](int) { return fixed(name); };
}

std::function<QString(int)> cycling(const char16_t *group, int count, int step = 1)
{
    return [group, count, step](int i) { return fixed(group) + u'_' + QString::number((i * step) % count); };
}

std::function<void(QWidget *)> pressFirst(const char16_t *name)
{
    return [name](QWidget *screen) {
        QTest::mouseClick(screen->findChild<QWidget *>(fixed(name)), Qt::LeftButton);
    };
}

// Only the screens one of whose click labels holds this text are timed (all
// when empty), so that a profiler sees one screen at a time. A screen's
// clicks follow each other (choosing B needs an A), so all of them run.
QString &onlyScreens()
{
    static QString only;
    return only;
}

template<typename Screen>
void timeScreen(QTextStream &out, const std::vector<Click> &clicks, int rounds)
{
    Screen screen;
    // Built all the same: the start screen sets up the folders the others load from.
    if (std::none_of(clicks.begin(), clicks.end(), [](const Click &c) { return c.label.contains(onlyScreens()); }))
        return;
    screen.show();
    QTest::qWait(50);
    std::vector<std::vector<double>> times(clicks.size());
    for (int i = 0; i < rounds; ++i) {
        for (std::size_t c = 0; c < clicks.size(); ++c) {
            if (clicks[c].prepare)
                clicks[c].prepare(&screen);
            auto *key = screen.template findChild<QWidget *>(clicks[c].key(i));
            if (!key) {
                std::fprintf(stderr, "no key %s\n", qPrintable(clicks[c].key(i)));
                return;
            }
            times[c].push_back(timeClick(key));
        }
    }
    for (std::size_t c = 0; c < clicks.size(); ++c)
        out << clicks[c].label << u'\t' << QString::number(median(times[c]), 'f', 3) << u'\n';
}

// The links page's addresses and pages go here, not to a browser.
class BrowserStandIn : public QObject
{
    Q_OBJECT

public:
    BrowserStandIn()
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~BrowserStandIn() override
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

public slots:
    void open(const QUrl &) {}
};

// Child mode: every screen's main keys; prints "screen, key<TAB>median ms" lines.
// A third argument times only the screens whose click labels hold it.
int runClickChild(int argc, char **argv, int rounds)
{
    QApplication app(argc, argv);
    if (argc > 3)
        onlyScreens() = QString::fromLocal8Bit(argv[3]);
    QTextStream out(stdout);
    timeScreen<mk::StartWindow>(out, {
        {QStringLiteral("start, language"), cycling(u"SprachTaste", 6)},
        {QStringLiteral("start, sign"), [](int i) { return fixed(std::array{u"MalX", u"MalStern", u"MalPunkt"}[i % 3]); }},
        {QStringLiteral("start, help"), always(u"HelpButton")},
        {QStringLiteral("start, ear"), always(u"Audio")},
    }, rounds);
    timeScreen<mk::BallsWindow>(out, {
        {QStringLiteral("balls, choose A"), cycling(u"Zahl1", 10)},
        {QStringLiteral("balls, choose B"), cycling(u"Zahl2", 10, 3)},
        {QStringLiteral("balls, thumb"), always(u"OKButton")},
        {QStringLiteral("balls, eraser"), always(u"Radierer")},
    }, rounds);
    timeScreen<mk::SeriesWindow>(out, {
        {QStringLiteral("series, eye"), always(u"AugeButton")},
        {QStringLiteral("series, digit"), cycling(u"Rechner", 10)},
        {QStringLiteral("series, check"), always(u"OKButton")},
        {QStringLiteral("series, row"), cycling(u"Zahl1", 10, 7)},
    }, rounds);
    timeScreen<mk::RandomWindow>(out, {
        {QStringLiteral("dice, first die"), always(u"Würfel1_Button")},
        {QStringLiteral("dice, thumb"), always(u"OKButton")},
        {QStringLiteral("dice, second die"), always(u"Würfel2_Button")},
    }, rounds);
    // Cleared before each round, so the numbers never grow into an error message.
    timeScreen<mk::CalculatorWindow>(out, {
        {QStringLiteral("calculator, digit"), always(u"cmdSeven"), pressFirst(u"cmdClear")},
        {QStringLiteral("calculator, operator"), always(u"cmdMultiply")},
        {QStringLiteral("calculator, result"), always(u"cmdReslutat")},
    }, rounds);
    const BrowserStandIn browser;
    timeScreen<mk::WeblinksWindow>(out, {
        {QStringLiteral("links, address"), cycling(u"Webadressen", 8, 3)},
    }, rounds);
    out.flush();
    return 0;
}

std::vector<std::pair<QString, double>> clickFigures(const BenchDir &dir, int rounds, bool audio)
{
    QProcess child;
    child.setWorkingDirectory(dir.path());
    child.setProcessEnvironment(environment(audio));
    quietWithoutAudio(child, audio);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--clicks"), QString::number(rounds)});
    child.waitForFinished(600000);
    std::vector<std::pair<QString, double>> figures;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split('\t');
        if (parts.size() == 2)
            figures.emplace_back(QString::fromUtf8(parts[0]), parts[1].toDouble());
    }
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    // The sound log would drown the figures.
    QLoggingCategory::setFilterRules(QStringLiteral("malkobold.sound.debug=false"));
    if (argc > 2 && qstrcmp(argv[1], "--clicks") == 0)
        return runClickChild(argc, argv, QByteArray(argv[2]).toInt());

    const int runs = argc > 1 ? std::max(3, QByteArray(argv[1]).toInt()) : 21;
    // No window of its own: the X server sees only the children's.
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    BenchDir dir;

    if (bench::displayReachable()) {
        for (bool audio : {true, false})
            reportStartUp(out, dir, runs, audio);
    } else {
        out << QStringLiteral("start-up: no X display reachable (DISPLAY), not timed\n");
        out.flush();
    }

    const auto withAudio = clickFigures(dir, runs * 10, true);
    const auto without = clickFigures(dir, runs * 10, false);
    out << QStringLiteral("clicks with their repaint, median of %1 (aim under %2 ms):\n").arg(runs * 10).arg(kClickAim)
        << QStringLiteral("  %1 %2 %3\n").arg(QString(), -24).arg(QStringLiteral("with sound"), 12).arg(QStringLiteral("without"), 12);
    for (std::size_t i = 0; i < withAudio.size(); ++i) {
        const double other = i < without.size() ? without[i].second : 0.0;
        out << QStringLiteral("  %1 %2 %3\n")
                   .arg(withAudio[i].first, -24)
                   .arg(QStringLiteral("%1 ms").arg(withAudio[i].second, 0, 'f', 3), 12)
                   .arg(QStringLiteral("%1 ms").arg(other, 0, 'f', 3), 12);
    }
    if (withAudio.empty())
        out << QStringLiteral("  none: the clicks child failed (no display? try QT_QPA_PLATFORM=offscreen)\n");
    return 0;
}

#include "bench_malkobold.moc"
