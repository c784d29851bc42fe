#include "sound.h"

#include "appstate.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include <map>
#include <utility>

Q_LOGGING_CATEGORY(lcSound, "malkobold.sound")

namespace mk {

SoundBackend::~SoundBackend() = default;
Voice::~Voice() = default;

namespace {

// A decoded sound on the audio device, played on the sound thread's loop.
class DeviceVoice final : public Voice
{
public:
    explicit DeviceVoice(const QString &path) { m_effect.setSource(QUrl::fromLocalFile(path)); }

    void start() override { m_effect.play(); }
    void stop() override { m_effect.stop(); }

private:
    QSoundEffect m_effect;
};

std::unique_ptr<Voice> deviceVoice(const QString &path)
{
    // No loudspeaker: silence, without asking the platform to try.
    if (QMediaDevices::defaultAudioOutput().isNull())
        return nullptr;
    return std::make_unique<DeviceVoice>(path);
}

VoiceMaker &voiceMaker()
{
    static VoiceMaker maker;
    return maker;
}

// One voice per file, decoded once; starting one stops the one before, so
// only one sound plays at a time. Lives on the sound thread.
class EffectWorker final : public QObject
{
public:
    void play(const QString &path)
    {
        if (!QFileInfo(path).isFile())
            return;
        std::unique_ptr<Voice> &voice = m_voices[path];
        if (!voice)
            voice = m_make(path);
        if (!voice)
            return;
        // The same sound again starts from its beginning, like any other.
        if (m_current)
            m_current->stop();
        m_current = voice.get();
        voice->start();
    }

private:
    VoiceMaker m_make = voiceMaker() ? voiceMaker() : VoiceMaker(deviceVoice);
    std::map<QString, std::unique_ptr<Voice>> m_voices;
    Voice *m_current = nullptr;
};

// Connecting to the sound server and starting a stream both wait for its
// answer, so the effects play on a thread of their own and a key only posts
// the file name there. The name goes over once the key's handler is done:
// of several sounds asked for in one handler only the last is heard, as when
// the platform took them all at once.
// The thread starts with the first name that goes over.
class EffectPlayer final : public SoundBackend
{
public:
    EffectPlayer()
    {
        m_thread.setObjectName(QStringLiteral("sound"));
        m_worker->moveToThread(&m_thread);
        QObject::connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    }

    ~EffectPlayer() override
    {
        if (m_started) {
            m_thread.quit();
            m_thread.wait();
        } else {
            delete m_worker;
        }
    }

    void play(const QString &path) override
    {
        m_next = path;
        if (!std::exchange(m_handOverPosted, true))
            QMetaObject::invokeMethod(&m_hand, [this] { handOver(); }, Qt::QueuedConnection);
    }

private:
    void handOver()
    {
        m_handOverPosted = false;
        if (!std::exchange(m_started, true))
            m_thread.start();
        QMetaObject::invokeMethod(m_worker, [worker = m_worker, path = std::exchange(m_next, {})] {
            worker->play(path);
        }, Qt::QueuedConnection);
    }

    QThread m_thread;
    EffectWorker *m_worker = new EffectWorker;
    QObject m_hand;
    QString m_next;
    bool m_handOverPosted = false;
    bool m_started = false;
};

std::unique_ptr<SoundBackend> &backend()
{
    static std::unique_ptr<SoundBackend> b;
    return b;
}

} // namespace

void setSoundBackend(std::unique_ptr<SoundBackend> b)
{
    backend() = std::move(b);
}

void setVoiceMaker(VoiceMaker maker)
{
    voiceMaker() = std::move(maker);
}

void playSoundFile(const QString &name)
{
    if (app().settings.audioStatus == 1)
        return;
    const QString path = dtaPath(name);
    qCDebug(lcSound).noquote() << path;
    if (!backend()) {
        backend() = std::make_unique<EffectPlayer>();
        // The effects must go before the application object does.
        qAddPostRoutine([] { backend().reset(); });
    }
    backend()->play(path);
}

} // namespace mk
