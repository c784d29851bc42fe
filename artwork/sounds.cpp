#include "sounds.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace art {

namespace {

using Samples = std::vector<float>;

constexpr double pi = 3.14159265358979323846;
constexpr double dt = 1.0 / sampleRate;

int count(double seconds)
{
    return static_cast<int>(seconds * sampleRate);
}

double decay(double t, double tau)
{
    return std::exp(-t / tau);
}

// A fixed-seed generator: the build must give the same files every time.
class Noise
{
public:
    explicit Noise(std::uint32_t seed) : m_state(seed) {}
    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t m_state;
};

// Follows a changing frequency without jumps in phase.
class Oscillator
{
public:
    double next(double frequency)
    {
        const double value = std::sin(m_phase);
        m_phase += 2 * pi * frequency * dt;
        return value;
    }

private:
    double m_phase = 0;
};

class LowPass
{
public:
    explicit LowPass(double cutoff) : m_a(1 - std::exp(-2 * pi * cutoff * dt)) {}
    double next(double x)
    {
        m_y += m_a * (x - m_y);
        return m_y;
    }

private:
    double m_a;
    double m_y = 0;
};

void add(Samples &out, double start, const Samples &part, double gain = 1.0)
{
    const int offset = count(start);
    if (out.size() < offset + part.size())
        out.resize(offset + part.size(), 0.0f);
    for (std::size_t i = 0; i < part.size(); ++i)
        out[offset + i] += static_cast<float>(part[i] * gain);
}

// Brings the peak to `peak` (well below full scale) and fades both ends, so
// nothing clips and nothing clicks.
Samples finish(Samples s, double peak = 0.8, double fadeOut = 0.03)
{
    double top = 0;
    for (float v : s)
        top = std::max(top, std::abs(double(v)));
    const double gain = top > 0 ? peak / top : 0;
    const int in = count(0.002), out = count(fadeOut);
    for (std::size_t i = 0; i < s.size(); ++i) {
        double g = gain;
        if (int(i) < in)
            g *= double(i) / in;
        const std::size_t left = s.size() - 1 - i;
        if (int(left) < out)
            g *= 0.5 - 0.5 * std::cos(pi * double(left) / out);
        s[i] = static_cast<float>(s[i] * g);
    }
    return s;
}

Samples drop()
{
    Samples s(count(0.32));
    Oscillator main, echo;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i * dt;
        double v = main.next(650 + 1250 * (1 - decay(t, 0.03))) * decay(t, 0.05);
        if (t > 0.09) {
            const double u = t - 0.09;
            v += 0.3 * echo.next(1500 + 1100 * (1 - decay(u, 0.02))) * decay(u, 0.035) * std::min(1.0, u / 0.003);
        }
        s[i] = float(v);
    }
    return finish(s, 0.7);
}

Samples softBang()
{
    Samples s(count(0.6));
    Oscillator thump;
    Noise noise(7);
    LowPass dull(900), duller(300);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i * dt;
        const double body = thump.next(48 + 45 * decay(t, 0.04)) * decay(t, 0.13);
        const double n = noise.next();
        const double crack = dull.next(n) * decay(t, 0.05) * 2.5 + duller.next(n) * decay(t, 0.2) * 3;
        s[i] = float(body + 0.6 * crack);
    }
    return finish(s, 0.75, 0.08);
}

struct Formant
{
    double frequency, bandwidth, gain;
};
using Vowel = std::vector<Formant>;

// One sung syllable: a harmonic voice whose spectrum is shaped by the
// vowel's formants, moving from `from` to `to` over its first part.
Samples syllable(double seconds, double pitchFrom, double pitchTo, const Vowel &from, const Vowel &to)
{
    Samples s(count(seconds));
    std::vector<double> phases(40, 0.0);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i * dt;
        const double x = std::min(1.0, t / (seconds * 0.35));
        const double glide = std::min(1.0, t / (seconds * 0.6));
        const double f0 = (pitchFrom + (pitchTo - pitchFrom) * glide) * (1 + 0.012 * std::sin(2 * pi * 5.5 * t));
        double v = 0;
        for (std::size_t k = 1; k <= phases.size() && k * f0 < 5000; ++k) {
            const double fk = k * f0;
            double a = 0;
            for (std::size_t j = 0; j < from.size(); ++j) {
                const double fj = from[j].frequency + (to[j].frequency - from[j].frequency) * x;
                const double gj = from[j].gain + (to[j].gain - from[j].gain) * x;
                const double d = (fk - fj) / from[j].bandwidth;
                a += gj / (1 + d * d);
            }
            v += a / std::sqrt(double(k)) * std::sin(phases[k - 1]);
            phases[k - 1] += 2 * pi * fk * dt;
        }
        const double envelope = std::min(1.0, t / 0.025) * std::min(1.0, (seconds - t) / 0.08);
        s[i] = float(v * envelope);
    }
    return s;
}

Samples helloVoice()
{
    const Vowel a{{800, 110, 1.0}, {1250, 120, 0.6}, {2600, 160, 0.25}};
    const Vowel l{{360, 90, 0.8}, {1100, 120, 0.3}, {2500, 160, 0.15}};
    const Vowel o{{480, 90, 1.0}, {850, 100, 0.6}, {2700, 160, 0.15}};
    Samples s;
    add(s, 0, syllable(0.2, 300, 320, a, a));
    add(s, 0.2, syllable(0.4, 380, 480, l, o));
    return finish(s, 0.55, 0.06);
}

Samples bell(double seconds, double frequency)
{
    struct Partial
    {
        double ratio, gain, tau;
    };
    const Partial partials[] = {{1, 1, 0.35}, {2.0, 0.4, 0.2}, {3.01, 0.2, 0.12}, {4.2, 0.12, 0.07}};
    Samples s(count(seconds));
    for (const Partial &pt : partials) {
        Oscillator osc;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const double t = i * dt;
            const double edges = std::min({1.0, t / 0.003, (seconds - t) / 0.04});
            s[i] += float(pt.gain * osc.next(frequency * pt.ratio) * decay(t, pt.tau) * edges);
        }
    }
    return s;
}

Samples helloChime()
{
    Samples s;
    add(s, 0, bell(0.45, 784.0));
    add(s, 0.18, bell(0.6, 1174.7), 1.1);
    return finish(s, 0.65, 0.1);
}

Samples kettleDrum()
{
    struct Mode
    {
        double ratio, gain, tau;
    };
    const Mode modes[] = {{1.0, 1.0, 0.5},   {1.5, 0.6, 0.35},   {1.98, 0.4, 0.25},
                          {2.44, 0.25, 0.18}, {2.9, 0.15, 0.12}, {3.36, 0.08, 0.08}};
    Samples s(count(0.85));
    for (const Mode &m : modes) {
        Oscillator osc;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const double t = i * dt;
            const double f = 87.3 * m.ratio * (1 + 0.04 * decay(t, 0.04));
            s[i] += float(m.gain * osc.next(f) * decay(t, m.tau));
        }
    }
    Noise noise(11);
    LowPass felt(600);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] += float(1.5 * felt.next(noise.next()) * decay(i * dt, 0.012));
    return finish(s, 0.85, 0.15);
}

Samples doorSlam()
{
    Samples s(count(0.45));
    Oscillator thump, panel, frame;
    Noise noise(23);
    LowPass wood(1500), rattle(2500);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i * dt;
        double v = thump.next(58) * decay(t, 0.09) + 0.5 * panel.next(175) * decay(t, 0.05) +
                   0.3 * frame.next(262) * decay(t, 0.035) + 2.5 * wood.next(noise.next()) * decay(t, 0.025);
        if (t > 0.075)
            v += 0.8 * rattle.next(noise.next()) * decay(t - 0.075, 0.012);
        s[i] = float(v);
    }
    return finish(s, 0.85, 0.06);
}

Samples tennisBall()
{
    Samples s(count(0.2));
    Oscillator shell, body;
    Noise noise(5);
    LowPass felt(4000);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i * dt;
        s[i] = float(shell.next(1150 - 200 * (1 - decay(t, 0.01))) * decay(t, 0.012) +
                     0.6 * body.next(420) * decay(t, 0.022) + 0.8 * felt.next(noise.next()) * decay(t, 0.004));
    }
    return finish(s, 0.75, 0.04);
}

Samples boing(double base)
{
    Samples s(count(0.6));
    Oscillator fundamental, second, third;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = i * dt;
        const double f = base * (1 + 0.5 * decay(t, 0.05)) * (1 + 0.3 * std::sin(2 * pi * 9 * t) * decay(t, 0.22));
        const double v = fundamental.next(f) + 0.3 * second.next(2 * f) + 0.12 * third.next(3 * f);
        s[i] = float(v * decay(t, 0.22));
    }
    return finish(s, 0.7, 0.08);
}

// Karplus-Strong: a noise burst circulating in a delay line of one period,
// softened a little on every round, sounds like a plucked string.
Samples pluck(double seconds, double frequency, std::uint32_t seed)
{
    Samples s(count(seconds));
    const int period = std::max(2, int(std::lround(sampleRate / frequency)));
    std::vector<double> line(period);
    Noise noise(seed);
    LowPass soft(3000);
    for (double &v : line)
        v = soft.next(noise.next());
    std::size_t at = 0;
    for (float &out : s) {
        const double current = line[at];
        const double next = line[(at + 1) % line.size()];
        line[at] = 0.996 * 0.5 * (current + next);
        out = float(current);
        at = (at + 1) % line.size();
    }
    return s;
}

Samples guitarChord()
{
    const double notes[] = {98.0, 123.47, 146.83, 196.0, 246.94, 392.0};
    Samples s;
    for (int i = 0; i < 6; ++i)
        add(s, 0.02 * i, pluck(0.95 - 0.02 * i, notes[i], 101 + i), 1.0 - 0.06 * i);
    return finish(s, 0.75, 0.15);
}

} // namespace

std::vector<Sound> sounds()
{
    return {
        {u"sDrop1.wav"_s, drop()},
        {u"sBang.wav"_s, softBang()},
        {u"sHallo1.wav"_s, helloVoice()},
        {u"sHallo2.wav"_s, helloChime()},
        {u"sPaukeTief.wav"_s, kettleDrum()},
        {u"sSlam.wav"_s, doorSlam()},
        {u"sTennisBall.wav"_s, tennisBall()},
        {u"sBoingHigh.wav"_s, boing(620)},
        {u"sBoingLow.wav"_s, boing(210)},
        // The web-links screen asks for this name without an extension.
        {u"sGitarre"_s, guitarChord()},
    };
}

QByteArray wavFile(const std::vector<float> &samples)
{
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    auto put32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto put16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF", 4);
    put32(36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(sampleRate);
    put32(sampleRate * 2);
    put16(2);
    put16(16);
    out.append("data", 4);
    put32(dataBytes);
    for (float v : samples) {
        const double clamped = std::clamp(double(v), -1.0, 1.0);
        put16(quint16(qint16(std::lround(clamped * 32767))));
    }
    return out;
}

} // namespace art
