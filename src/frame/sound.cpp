#include "sound.h"

#include "appstate.h"
#include "audiodevice.h"
#include "background.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QLoggingCategory>
#include <QMutex>
#include <QPointer>
#include <QThread>

#include <map>
#include <utility>

Q_LOGGING_CATEGORY(lcSound, "malkobold.sound")
Q_LOGGING_CATEGORY(lcAudio, "malkobold.audio")

namespace mk {

SoundBackend::~SoundBackend() = default;
Voice::~Voice() = default;

namespace {

QStringList &extraModuleFolders()
{
    static QStringList folders;
    return folders;
}

QMutex &moduleFoldersLock()
{
    static QMutex lock;
    return lock;
}

const audio::Device *loadDevice()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList folders;
    {
        QMutexLocker lock(&moduleFoldersLock());
        folders = extraModuleFolders();
    }
    // Beside the program in the build folder; below the library folder once installed.
    folders << programDir << programDir + u'/' + QStringLiteral(MK_AUDIO_FROM_BIN);
    QStringList problems;
    for (const QString &folder : std::as_const(folders)) {
        QLibrary module(folder + QStringLiteral("/malkobold-audio.so"));
        if (!module.load()) {
            problems << module.errorString();
            continue;
        }
        const auto entry = reinterpret_cast<audio::EntryPoint>(module.resolve(audio::kEntryPoint));
        const audio::Device *device = entry ? entry() : nullptr;
        if (device && device->version == audio::kVersion)
            return device;
        problems << QStringLiteral("%1 is of another version").arg(module.fileName());
        module.unload();
    }
    qCWarning(lcAudio).noquote() << "No sound, no audio module could be loaded:" << problems.join(u"; ");
    return nullptr;
}

class DeviceVoice final : public Voice
{
public:
    DeviceVoice(const audio::Device &device, const QString &path) : m_device(device), m_sound(device.open(path)) {}
    ~DeviceVoice() override { m_device.close(m_sound); }
    DeviceVoice(const DeviceVoice &) = delete;
    DeviceVoice &operator=(const DeviceVoice &) = delete;

    void start() override { m_device.start(m_sound); }
    void stop() override { m_device.stop(m_sound); }

private:
    const audio::Device &m_device;
    void *m_sound;
};

std::unique_ptr<Voice> deviceVoice(const QString &path)
{
    // Loaded once, with the first sound.
    static const audio::Device *const device = loadDevice();
    // No loudspeaker: silence, without asking the platform to try.
    if (!device || !device->hasOutput())
        return nullptr;
    return std::make_unique<DeviceVoice>(*device, path);
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
// Nothing of it starts before the first name goes over: the first sounds are
// asked for while the start window is built, and the window comes first.
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
        // The first sounds are asked for while the start window is built;
        // the window and the display's first look at it come first.
        if (!std::exchange(m_handOverPosted, true))
            QMetaObject::invokeMethod(&m_hand, [this] {
                afterStartUp([this, hand = QPointer<QObject>(&m_hand)] {
                    if (hand)
                        handOver();
                });
            }, Qt::QueuedConnection);
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

void addAudioModuleFolder(const QString &folder)
{
    QMutexLocker lock(&moduleFoldersLock());
    extraModuleFolders().prepend(folder);
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
