// libFuzzer target for the settings reader. Any bytes are read by the
// reading rules: never a crash, the four defaults on any error, the sound
// switch read from the file or kept as it was, and the values read back the
// same after they are saved.

#include "frame/settings.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

mk::Settings readFrom(QByteArray bytes, qint16 audioBefore, bool &complete)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    mk::Settings s{QStringLiteral("*"), QStringLiteral("S"), 9, audioBefore, 2};
    complete = mk::SettingsFile::read(buffer, s);
    return s;
}

bool isDefault(const mk::Settings &s)
{
    return s.malSymbol == u"x" && s.sprache == u"D" && s.malReihe == 1 && s.farbe == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    bool complete = false;
    bool completeAgain = false;
    const mk::Settings first = readFrom(bytes, 0, complete);
    const mk::Settings second = readFrom(bytes, 12345, completeAgain);
    check(complete == completeAgain);

    mk::Settings sameAudio = second;
    sameAudio.audioStatus = first.audioStatus;
    check(sameAudio == first);
    // The switch is the file's, or whatever it was before reading.
    check(first.audioStatus == second.audioStatus || (first.audioStatus == 0 && second.audioStatus == 12345));
    if (!complete) {
        check(isDefault(first));
        return 0;
    }
    check(first.audioStatus == second.audioStatus);

    // Saved and read again. The format has no way to write a double quote
    // inside a text, so a text that holds one (read from a bare field) is
    // cut at it by one save and stays the same from then on.
    bool back = false;
    const mk::Settings saved = readFrom(mk::SettingsFile::format(first), 777, back);
    check(back);
    check(saved.malReihe == first.malReihe && saved.audioStatus == first.audioStatus && saved.farbe == first.farbe);
    if (!first.malSymbol.contains(u'"') && !first.sprache.contains(u'"'))
        check(saved == first);
    bool backAgain = false;
    check(readFrom(mk::SettingsFile::format(saved), 777, backAgain) == saved && backAgain);
    return 0;
}
