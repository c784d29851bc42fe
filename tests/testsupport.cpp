#include "testsupport.h"

#include "frame/appstate.h"
#include "frame/sound.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QTimer>

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

} // namespace

WorkDir::WorkDir(Content content) : m_previous(QDir::currentPath())
{
    const QDir root(m_dir.path());
    if (content == Content::Full || content == Content::NoDta)
        QFile::link(kBuildDir + QStringLiteral("/BTN"), root.filePath(QStringLiteral("BTN")));
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
    QDir::setCurrent(m_previous);
}

QString WorkDir::iniPath() const
{
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
