#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace art {

inline constexpr int sampleRate = 44100;

struct Sound
{
    QString file; // below DTA/
    std::vector<float> samples; // mono, -1 .. 1
};

std::vector<Sound> sounds();

// A complete 16-bit PCM mono WAV file.
QByteArray wavFile(const std::vector<float> &samples);

} // namespace art
