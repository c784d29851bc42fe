// Speed figures for start-up and for the main keys of every screen, as
// medians over repeated runs. Not a test: it reports and never fails on a figure.
//
//   bench_malkobold [runs]
//
// Start-up is timed from process start to the first paint of the window, in
// child processes of this program, interleaved with two floors timed the same
// way: a bare window with one label, and the same window playing one short
// sound. A click is timed with the repaint it causes. Both run once with the
// sound server reachable and once without one, as on a machine without audio.
// Run it under a display (Xvfb will do) to time what a child sees; under
// QT_QPA_PLATFORM=offscreen it times the same work without the X server.

#include "screens/balls/balls_window.h"
#include "screens/calculator/calculator_window.h"
#include "screens/random/random_window.h"
#include "screens/series/series_window.h"
#include "screens/start/start_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLoggingCategory>
#include <QProcess>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

const QString kBuildDir = QStringLiteral(MK_BUILD_DIR);
// The aims: start-up within this many times the window with sound, clicks under this many ms.
constexpr double kStartAim = 1.2;
constexpr double kClickAim = 1.5;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0.0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0);
}

// A working directory like the program's own, so the bench never touches
// the settings file of the build folder; it also holds the floor's sound.
class BenchDir
{
public:
    BenchDir()
    {
        const QDir root(m_dir.path());
        QFile::link(kBuildDir + QStringLiteral("/BTN"), root.filePath(QStringLiteral("BTN")));
        root.mkdir(QStringLiteral("DTA"));
        const QDir built(kBuildDir + QStringLiteral("/DTA"));
        // The sounds only: a settings file left in the build folder must not leak in.
        for (const QString &name : built.entryList(QDir::Files))
            if (name != u"1x1.ini")
                QFile::link(built.filePath(name), root.filePath(QStringLiteral("DTA/") + name));
        writeClick(clickPath());
    }
    QString path() const { return m_dir.path(); }
    QString clickPath() const { return m_dir.filePath(QStringLiteral("click.wav")); }
    // Every start-up starts without a settings file, as on the first run.
    void forgetSettings() const { QFile::remove(m_dir.filePath(QStringLiteral("DTA/1x1.ini"))); }

private:
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

// Child mode: show one window, report when it has painted, quit.
class PaintWatch : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, [] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_done = false;
};

int runStartChild(int argc, char **argv, const QByteArray &kind)
{
    QApplication app(argc, argv);
    PaintWatch watch;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<QSoundEffect> sound;
    if (kind == "start") {
        window = std::make_unique<mk::StartWindow>();
    } else {
        // The floors, as a minimal program would do them.
        auto label = std::make_unique<QLabel>(QStringLiteral("7 x 8 = 56"));
        label->resize(400, 200);
        window = std::move(label);
        if (kind == "sound" && argc > 3) {
            sound = std::make_unique<QSoundEffect>();
            QSoundEffect *s = sound.get();
            QObject::connect(s, &QSoundEffect::statusChanged, s, [s] {
                if (s->status() == QSoundEffect::Ready)
                    s->play();
            });
            s->setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[3])));
        }
    }
    window->installEventFilter(&watch);
    window->show();
    return QApplication::exec();
}

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

double timeStart(const QStringList &args, const BenchDir &dir, bool audio)
{
    dir.forgetSettings();
    QProcess child;
    child.setWorkingDirectory(dir.path());
    child.setProcessEnvironment(environment(audio));
    quietWithoutAudio(child, audio);
    QElapsedTimer t;
    t.start();
    child.start(QCoreApplication::applicationFilePath(), args);
    child.waitForReadyRead(30000);
    const double ms = t.nsecsElapsed() / 1e6;
    child.waitForFinished(30000);
    return ms;
}

void reportStartUp(QTextStream &out, const BenchDir &dir, int runs, bool audio)
{
    const QStringList program{QStringLiteral("--child"), QStringLiteral("start")};
    const QStringList label{QStringLiteral("--child"), QStringLiteral("label")};
    const QStringList sound{QStringLiteral("--child"), QStringLiteral("sound"), dir.clickPath()};
    std::vector<double> programTimes, labelTimes, soundTimes;
    timeStart(program, dir, audio); // warm the file cache
    // Interleaved, so that all three see the same machine.
    for (int i = 0; i < runs; ++i) {
        labelTimes.push_back(timeStart(label, dir, audio));
        soundTimes.push_back(timeStart(sound, dir, audio));
        programTimes.push_back(timeStart(program, dir, audio));
    }
    const double p = median(programTimes), l = median(labelTimes), s = median(soundTimes);
    out << QStringLiteral("start-up to first paint, %1:\n").arg(audio ? u"with a sound server" : u"without a sound server")
        << QStringLiteral("  program %1 ms, bare window %2 ms, window with sound %3 ms\n")
               .arg(p, 0, 'f', 1).arg(l, 0, 'f', 1).arg(s, 0, 'f', 1)
        << QStringLiteral("  %1 x the bare window, %2 x the window with sound (aim %3)\n")
               .arg(p / l, 0, 'f', 2).arg(p / s, 0, 'f', 2).arg(kStartAim, 0, 'f', 1);
    out.flush();
}

// A click and the repaint it causes, as the child sees it: the parts of the
// window that the click changed are painted and handed to the display.
double timeClick(QAbstractButton *key)
{
    QElapsedTimer t;
    t.start();
    QTest::mouseClick(key, Qt::LeftButton);
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
        QTest::mouseClick(screen->findChild<QAbstractButton *>(fixed(name)), Qt::LeftButton);
    };
}

template<typename Screen>
void timeScreen(QTextStream &out, const std::vector<Click> &clicks, int rounds)
{
    Screen screen;
    screen.show();
    QTest::qWait(50);
    std::vector<std::vector<double>> times(clicks.size());
    for (int i = 0; i < rounds; ++i) {
        for (std::size_t c = 0; c < clicks.size(); ++c) {
            if (clicks[c].prepare)
                clicks[c].prepare(&screen);
            auto *key = screen.template findChild<QAbstractButton *>(clicks[c].key(i));
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

// Child mode: every screen's main keys; prints "screen, key<TAB>median ms" lines.
int runClickChild(int argc, char **argv, int rounds)
{
    QApplication app(argc, argv);
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
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0)
        return runStartChild(argc, argv, argv[2]);
    if (argc > 2 && qstrcmp(argv[1], "--clicks") == 0)
        return runClickChild(argc, argv, QByteArray(argv[2]).toInt());

    const int runs = argc > 1 ? std::max(3, QByteArray(argv[1]).toInt()) : 21;
    QApplication app(argc, argv);
    QTextStream out(stdout);
    BenchDir dir;

    for (bool audio : {true, false})
        reportStartUp(out, dir, runs, audio);

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
    return 0;
}
