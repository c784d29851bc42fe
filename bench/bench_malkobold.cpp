// Speed figures for the start screen and the balls, series and dice screens, as medians over
// repeated runs. Not a test: it reports and never fails on a figure.
//
//   bench_malkobold [runs]
//
// Start-up is timed from process start to the first paint of the window, in
// child processes of this program, next to a bare Qt Widgets window of the
// same size.

#include "screens/balls/balls_window.h"
#include "screens/random/random_window.h"
#include "screens/series/series_window.h"
#include "screens/start/start_window.h"

#include "frame/appstate.h"
#include "frame/sound.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QString kBuildDir = QStringLiteral(MK_BUILD_DIR);

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0.0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0);
}

// A working directory like the program's own, so the bench never touches
// the settings file of the build folder.
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
    }
    QString path() const { return m_dir.path(); }

private:
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

int runChild(int argc, char **argv, bool bare)
{
    QApplication app(argc, argv);
    PaintWatch watch;
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        window->resize(820, 639);
    } else {
        window = std::make_unique<mk::StartWindow>();
    }
    window->installEventFilter(&watch);
    window->show();
    return QApplication::exec();
}

double timeChild(const QString &mode, const QString &workDir)
{
    QProcess child;
    child.setWorkingDirectory(workDir);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    child.start(QCoreApplication::applicationFilePath(), {mode});
    child.waitForReadyRead(30000);
    const double ms = t.nsecsElapsed() / 1e6;
    child.waitForFinished(30000);
    return ms;
}

// A click and the repaint of the window it changed, as the child sees it.
double timeClick(QAbstractButton *key)
{
    QElapsedTimer t;
    t.start();
    QTest::mouseClick(key, Qt::LeftButton);
    key->window()->repaint();
    return t.nsecsElapsed() / 1e6;
}

template<typename T = QAbstractButton>
T *named(QWidget *root, const QString &name)
{
    return root->findChild<T *>(name);
}

} // namespace

int main(int argc, char **argv)
{
    // The sound log would drown the figures.
    QLoggingCategory::setFilterRules(QStringLiteral("malkobold.sound.debug=false"));
    if (argc > 1 && qstrcmp(argv[1], "--child-start") == 0)
        return runChild(argc, argv, false);
    if (argc > 1 && qstrcmp(argv[1], "--child-bare") == 0)
        return runChild(argc, argv, true);

    const int runs = argc > 1 ? std::max(3, QByteArray(argv[1]).toInt()) : 21;
    QApplication app(argc, argv);
    QTextStream out(stdout);
    BenchDir dir;
    QDir::setCurrent(dir.path());

    // Start-up, alternating the two kinds so that both see the same machine.
    std::vector<double> startTimes, bareTimes;
    timeChild(QStringLiteral("--child-start"), dir.path()); // warm the file cache
    for (int i = 0; i < runs; ++i) {
        bareTimes.push_back(timeChild(QStringLiteral("--child-bare"), dir.path()));
        startTimes.push_back(timeChild(QStringLiteral("--child-start"), dir.path()));
    }
    const double start = median(startTimes), bare = median(bareTimes);
    out << QStringLiteral("start-up to first paint: %1 ms (bare window %2 ms, ratio %3)\n")
               .arg(start, 0, 'f', 1).arg(bare, 0, 'f', 1).arg(start / bare, 0, 'f', 2);
    // The fastest runs show the cost with the least noise from the machine.
    const double fastStart = *std::min_element(startTimes.begin(), startTimes.end());
    const double fastBare = *std::min_element(bareTimes.begin(), bareTimes.end());
    out << QStringLiteral("  fastest runs: %1 ms against %2 ms, ratio %3\n")
               .arg(fastStart, 0, 'f', 1).arg(fastBare, 0, 'f', 1).arg(fastStart / fastBare, 0, 'f', 2);

    // Clicks inside the running program, each with its sound as the child hears it.
    mk::StartWindow startScreen;
    startScreen.show();
    QTest::qWait(50);
    std::vector<double> languageTimes;
    for (int i = 0; i < runs * 10; ++i)
        languageTimes.push_back(timeClick(named(&startScreen, QStringLiteral("SprachTaste_%1").arg(i % 6))));
    out << QStringLiteral("language switch: %1 ms\n").arg(median(languageTimes), 0, 'f', 3);

    mk::BallsWindow balls;
    balls.show();
    QTest::qWait(50);
    std::vector<double> chooseA, chooseB;
    for (int i = 0; i < runs * 10; ++i) {
        chooseA.push_back(timeClick(named(&balls, QStringLiteral("Zahl1_%1").arg(i % 10))));
        chooseB.push_back(timeClick(named(&balls, QStringLiteral("Zahl2_%1").arg((i * 3) % 10))));
        QTest::mouseClick(named(&balls, QStringLiteral("Radierer")), Qt::LeftButton);
    }
    out << QStringLiteral("balls, choose A: %1 ms; choose B: %2 ms\n")
               .arg(median(chooseA), 0, 'f', 3).arg(median(chooseB), 0, 'f', 3);

    // Learning in a row: the eye, the thumb after a typed answer, and a new
    // row; the aim is under 2 ms each.
    mk::SeriesWindow series;
    series.show();
    QTest::qWait(50);
    std::vector<double> eye, check, row;
    for (int i = 0; i < runs * 10; ++i) {
        eye.push_back(timeClick(named(&series, QStringLiteral("AugeButton"))));
        QTest::mouseClick(named(&series, QStringLiteral("Rechner_%1").arg(i % 10)), Qt::LeftButton);
        check.push_back(timeClick(named(&series, QStringLiteral("OKButton"))));
        row.push_back(timeClick(named(&series, QStringLiteral("Zahl1_%1").arg((i * 7) % 10))));
    }
    out << QStringLiteral("series, eye: %1 ms; check: %2 ms; row: %3 ms\n")
               .arg(median(eye), 0, 'f', 3).arg(median(check), 0, 'f', 3).arg(median(row), 0, 'f', 3);

    // A roll of either die and the thumb after it; the aim is under 2 ms each.
    mk::RandomWindow dice;
    dice.show();
    QTest::qWait(50);
    std::vector<double> firstDie, secondDie, thumb;
    for (int i = 0; i < runs * 10; ++i) {
        firstDie.push_back(timeClick(named(&dice, QStringLiteral("Würfel1_Button"))));
        thumb.push_back(timeClick(named(&dice, QStringLiteral("OKButton"))));
        secondDie.push_back(timeClick(named(&dice, QStringLiteral("Würfel2_Button"))));
    }
    out << QStringLiteral("dice, first die: %1 ms; second die: %2 ms; thumb: %3 ms\n")
               .arg(median(firstDie), 0, 'f', 3).arg(median(secondDie), 0, 'f', 3).arg(median(thumb), 0, 'f', 3);
    return 0;
}
