// Saves the settings file once, or again and again until it is killed, for
// the tests that kill a saving process or need a folder that refuses new files.
//
//   settings_saver DIR once|loop rename|in-place SIGN,LANG,ROW,AUDIO,COLOUR...
//
// "in-place" first gives up the right to add files to DIR (as root by
// becoming nobody) and exits with 77 if DIR still takes them.

#include "frame/settings.h"

#include <QFile>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <unistd.h>

namespace {

constexpr int kCannotRefuse = 77;

bool folderTakesNewFiles(const QString &dir)
{
    const QByteArray probe = QFile::encodeName(dir + QStringLiteral("/probe.saver"));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.constData());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 5)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const bool loop = std::strcmp(argv[2], "loop") == 0;
    const bool inPlace = std::strcmp(argv[3], "in-place") == 0;
    std::vector<mk::Settings> values;
    for (int i = 4; i < argc; ++i) {
        const QStringList v = QString::fromLocal8Bit(argv[i]).split(u',');
        if (v.size() != 5)
            return 2;
        values.push_back({v[0], v[1], v[2].toShort(), v[3].toShort(), v[4].toShort()});
    }
    if (inPlace) {
        const gid_t nobody = 65534;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            return kCannotRefuse;
        if (folderTakesNewFiles(dir)) {
            std::fputs("cannot refuse new files\n", stdout);
            return kCannotRefuse;
        }
    }
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    for (std::size_t i = 0;; ++i) {
        if (!mk::SettingsFile::save(dir, values[i % values.size()]))
            return 1;
        if (!loop)
            return 0;
    }
}
