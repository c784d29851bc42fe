#include "testsupport.h"

#include "frame/appstate.h"
#include "frame/sound.h"

#include <QApplication>
#include <QBuffer>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace mk::test {

namespace {

const QString kBuildDir = QStringLiteral(MK_BUILD_DIR);

class Recorder final : public SoundBackend
{
public:
    explicit Recorder(std::shared_ptr<QStringList> paths) : m_paths(std::move(paths)) {}
    void play(const QString &path) override { m_paths->append(path); }

private:
    std::shared_ptr<QStringList> m_paths;
};

class LoggedVoice final : public Voice
{
public:
    LoggedVoice(QString name, std::shared_ptr<VoiceLog::Events> events)
        : m_name(std::move(name)), m_events(std::move(events))
    {
    }
    void start() override { note(QStringLiteral("start ")); }
    void stop() override { note(QStringLiteral("stop ")); }

private:
    void note(const QString &what);

    QString m_name;
    std::shared_ptr<VoiceLog::Events> m_events;
};

// The program's own pages open as local files.
const QStringList kBrowserSchemes{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file")};

} // namespace

WorkDir::WorkDir(Content content) : m_previous(QDir::currentPath())
{
    const QDir root(m_dir.path());
    if (content == Content::Full || content == Content::NoDta) {
        QFile::link(kBuildDir + QStringLiteral("/BTN"), root.filePath(QStringLiteral("BTN")));
        QFile::link(kBuildDir + QStringLiteral("/pages"), root.filePath(QStringLiteral("pages")));
    }
    if (content == Content::Full || content == Content::NoBtn) {
        root.mkdir(QStringLiteral("DTA"));
        const QDir built(kBuildDir + QStringLiteral("/DTA"));
        // The sounds only: a settings file left in the build folder must not leak in.
        for (const QString &name : built.entryList(QDir::Files))
            if (name != u"1x1.ini")
                QFile::link(built.filePath(name), root.filePath(QStringLiteral("DTA/") + name));
    }
    QDir::setCurrent(m_dir.path());
    app() = AppState{};
    setDirectories(m_dir.path());
}

WorkDir::~WorkDir()
{
    // A write still on its way must not land in the next test's folder, nor fail in a removed one.
    settingsWritten();
    QDir::setCurrent(m_previous);
}

QString WorkDir::iniPath() const
{
    // The file as the program left it: the writes it asked for have landed.
    settingsWritten();
    return m_dir.filePath(QStringLiteral("DTA/1x1.ini"));
}

void WorkDir::writeIni(const QByteArray &bytes) const
{
    QFile f(iniPath());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray WorkDir::readIni() const
{
    QFile f(iniPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WorkDir::iniExists() const
{
    return QFile::exists(iniPath());
}

SoundRecorder::SoundRecorder() : m_paths(std::make_shared<QStringList>())
{
    setSoundBackend(std::make_unique<Recorder>(m_paths));
}

SoundRecorder::~SoundRecorder()
{
    setSoundBackend(nullptr);
}

QStringList SoundRecorder::names() const
{
    QStringList names;
    for (const QString &path : *m_paths)
        names << (path.startsWith(app().dirs.dtaDir) ? path.mid(app().dirs.dtaDir.size()) : path);
    return names;
}

void SoundRecorder::clear()
{
    m_paths->clear();
}

EndCatcher::EndCatcher() : m_count(std::make_shared<int>(0))
{
    setEndProgramHandler([count = m_count] { ++*count; });
}

EndCatcher::~EndCatcher()
{
    setEndProgramHandler(nullptr);
}

QString picture(const QWidget *w)
{
    return w->property("picture").toString();
}

QString cursorFile(const QWidget *w)
{
    return w->property("cursorFile").toString();
}

void press(QWidget *w, Qt::MouseButton button)
{
    QTest::mousePress(w, button, Qt::NoModifier, w->rect().center());
}

void release(QWidget *w, Qt::MouseButton button)
{
    QTest::mouseRelease(w, button, Qt::NoModifier, w->rect().center());
}

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void hover(QWidget *w)
{
    QTest::mouseMove(w, w->rect().center());
    // A synthetic move event, since offscreen windows may not track the pointer.
    QMouseEvent move(QEvent::MouseMove, QPointF(w->rect().center()), w->mapToGlobal(QPointF(w->rect().center())),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

QString withModal(const std::function<void()> &open, const std::function<void(QWidget *)> &body)
{
    QString name;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll.stop();
            name = modal->objectName();
            QPointer<QWidget> guard(modal);
            body(modal);
            // A failed check returns early: close anyway, so the test fails instead of hanging.
            if (guard && guard->isVisible())
                guard->close();
        }
    });
    poll.start();
    open();
    poll.stop();
    return name;
}

QWidget *missingControl(const QString &name, const char *type)
{
    QTest::qFail(qPrintable(QStringLiteral("no control %1 (%2)").arg(name, QLatin1String(type))), __FILE__, __LINE__);
    static QPointer<QWidget> standIns;
    if (!standIns) {
        standIns = new QWidget;
        qAddPostRoutine([] { delete standIns; });
    }
    return standIns;
}

QByteArray settingsFile(const QString &sign, const QString &language, int row, int audio, int colour)
{
    const auto quoted = [](const QString &text) { return '"' + text.toLatin1() + '"'; };
    const QList<QByteArray> lines{
        quoted(QStringLiteral("Malkobold 1x1 - settings, written by the program")),
        quoted(QStringLiteral("[MalSymbol$]")), quoted(sign),
        quoted(QStringLiteral("[Sprache]")),    quoted(language),
        quoted(QStringLiteral("[Mal_Reihe]")),  QByteArray::number(row),
        quoted(QStringLiteral("[Audio]")),      QByteArray::number(audio),
        quoted(QStringLiteral("[Farbe]")),      QByteArray::number(colour),
    };
    return lines.join("\r\n") + "\r\n";
}

QRect pixels(int left, int top, int width, int height)
{
    const auto px = [](int twips) { return int(std::lround(twips / 15.0)); };
    return QRect(px(left), px(top), px(width), px(height));
}

void controlColumns()
{
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<bool>("hands");
}

void controlRow(const QString &name, QRect place, const char16_t *normal, const char16_t *pressed, bool hands)
{
    const auto text = [](const char16_t *t) { return t ? QString::fromUtf16(t) : QString(); };
    QTest::newRow(name.toUtf8().constData()) << place << text(normal) << text(pressed) << hands;
}

void checkControl(QWidget *w, const std::function<void()> &readyForPress)
{
    QFETCH(QRect, place);
    QFETCH(QString, normal);
    QFETCH(QString, pressed);
    QFETCH(bool, hands);
    QCOMPARE(w->geometry(), place);
    if (!normal.isNull())
        QCOMPARE(picture(w), normal);
    if (pressed.isNull())
        return;
    QCOMPARE(cursorFile(w), QString());
    if (readyForPress)
        readyForPress();
    press(w, Qt::RightButton);
    QCOMPARE(picture(w), pressed.isEmpty() ? normal : pressed);
    QCOMPARE(cursorFile(w), hands ? QStringLiteral("Hand3.ico") : QString());
    release(w, Qt::RightButton);
    QCOMPARE(picture(w), normal);
    QCOMPARE(cursorFile(w), hands ? QStringLiteral("Hand1.ico") : QString());
}

BrowserCatcher::BrowserCatcher()
{
    for (const QString &scheme : kBrowserSchemes)
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

BrowserCatcher::~BrowserCatcher()
{
    for (const QString &scheme : kBrowserSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void BrowserCatcher::open(const QUrl &url)
{
    urls << url;
    const QCursor *cursor = QGuiApplication::overrideCursor();
    waiting << (cursor && cursor->shape() == Qt::WaitCursor);
}

RandomGuard::RandomGuard(std::function<float()> source)
{
    setRandomSource(std::move(source));
}

RandomGuard::RandomGuard(std::vector<float> draws)
    : RandomGuard([draws = std::move(draws), next = std::size_t(0)]() mutable {
          const float value = draws.at(next);
          next = (next + 1) % draws.size();
          return value;
      })
{
}

RandomGuard::~RandomGuard()
{
    setRandomSource({});
}

// Written on the sound thread, read by the test.
struct VoiceLog::Events
{
    QMutex mutex;
    QStringList list;
};

void LoggedVoice::note(const QString &what)
{
    const QMutexLocker lock(&m_events->mutex);
    m_events->list << what + m_name;
}

QStringList VoiceLog::events() const
{
    const QMutexLocker lock(&m_events->mutex);
    return m_events->list;
}

VoiceLog::VoiceLog() : m_events(std::make_shared<Events>())
{
    setVoiceMaker([events = m_events](const QString &path) {
        return std::make_unique<LoggedVoice>(QFileInfo(path).fileName(), events);
    });
    // A fresh player, so that it makes its voices here.
    setSoundBackend(nullptr);
}

VoiceLog::~VoiceLog()
{
    setVoiceMaker({});
    setSoundBackend(nullptr);
}

Settings settingsOf(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    Settings s;
    SettingsFile::read(buffer, s);
    return s;
}

} // namespace mk::test
