#pragma once

#include <QString>

// The audio device as the player reaches it. It lives in a module of its
// own that the player loads on the sound thread when the first sound is
// asked for: the multimedia libraries it needs are about a third of all the
// program loads, and the window can be on screen before they are.
namespace mk::audio {

// Changes whenever the table below does; a module of another version is
// not used.
inline constexpr int kVersion = 1;

struct Device
{
    int version;
    // Whether the platform has an output to play on.
    bool (*hasOutput)();
    // A decoded sound of the file, played on the calling thread's loop.
    void *(*open)(const QString &path);
    void (*start)(void *sound); // from the beginning
    void (*stop)(void *sound);
    void (*close)(void *sound);
};

// The module's one entry point, named so.
inline constexpr char kEntryPoint[] = "malkobold_audio_device";
using EntryPoint = const Device *(*)();

} // namespace mk::audio
