#include "sound.h"

#include "appstate.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

Q_LOGGING_CATEGORY(lcSound, "malkobold.sound")

namespace mk {

SoundBackend::~SoundBackend() = default;

namespace {

// One sound effect per file, decoded once; starting one stops the one before,
// so only one sound plays at a time.
class EffectPlayer final : public SoundBackend
{
public:
    void play(const QString &path) override
    {
        // No file or no loudspeaker: silence, without asking the platform to try.
        if (!QFileInfo(path).isFile() || QMediaDevices::defaultAudioOutput().isNull())
            return;
        QSoundEffect *&effect = m_effects[path];
        if (!effect) {
            effect = new QSoundEffect(&m_owner);
            effect->setSource(QUrl::fromLocalFile(path));
        }
        // The same sound again starts from its beginning, like any other.
        if (m_current)
            m_current->stop();
        m_current = effect;
        effect->play();
    }

private:
    QObject m_owner;
    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_current = nullptr;
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
