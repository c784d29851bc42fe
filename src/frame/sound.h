#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace mk {

// What actually makes a sound; tests put a recorder in its place.
class SoundBackend
{
public:
    virtual ~SoundBackend();
    // Plays the file in the background, cutting off any sound still playing.
    // A missing or unplayable file is silent.
    virtual void play(const QString &path) = 0;
};

// Replaces the backend; an empty pointer restores the default player.
void setSoundBackend(std::unique_ptr<SoundBackend> backend);

// One decoded sound on the audio device. The default player keeps one per
// file and stops the one playing before it starts the next.
class Voice
{
public:
    virtual ~Voice();
    virtual void start() = 0; // from the beginning
    virtual void stop() = 0;
};

// Makes the voice of a file; none when there is no audio device. The player
// calls it, and its voices, on the sound thread. Tests put their own in place
// to hear the player without a device; an empty maker restores the device.
// It takes effect for the next default player.
using VoiceMaker = std::function<std::unique_ptr<Voice>(const QString &path)>;
void setVoiceMaker(VoiceMaker maker);

// PlaySoundFile: plays `name` from the DTA folder unless sound is off.
// Returns at once.
void playSoundFile(const QString &name);

} // namespace mk
