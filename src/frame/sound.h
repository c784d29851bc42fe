#pragma once

#include <QString>

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

// PlaySoundFile: plays `name` from the DTA folder unless sound is off.
// Returns at once.
void playSoundFile(const QString &name);

} // namespace mk
