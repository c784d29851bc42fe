#include "audiodevice.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

QSoundEffect *effect(void *sound)
{
    return static_cast<QSoundEffect *>(sound);
}

const mk::audio::Device kDevice{
    mk::audio::kVersion,
    [] { return !QMediaDevices::defaultAudioOutput().isNull(); },
    [](const QString &path) -> void * {
        auto *sound = new QSoundEffect;
        sound->setSource(QUrl::fromLocalFile(path));
        return sound;
    },
    [](void *sound) { effect(sound)->play(); },
    [](void *sound) { effect(sound)->stop(); },
    [](void *sound) { delete effect(sound); },
};

} // namespace

extern "C" Q_DECL_EXPORT const mk::audio::Device *malkobold_audio_device()
{
    return &kDevice;
}
