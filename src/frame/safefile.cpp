#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mk::SafeFile {

namespace {

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Temporary files are the file's name, a dot and six letters of both cases,
// like those of earlier versions, so a tail like "backup" is never taken
// for one.
bool isTemporaryName(const QString &name, const QString &fileName)
{
    const QString prefix = fileName + u'.';
    if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
        return false;
    bool upper = false;
    bool lower = false;
    for (qsizetype i = prefix.size(); i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        upper |= c >= u'A' && c <= u'Z';
        lower |= c >= u'a' && c <= u'z';
        if (!(c >= u'A' && c <= u'Z') && !(c >= u'a' && c <= u'z'))
            return false;
    }
    return upper && lower;
}

QString temporaryName(const QString &fileName)
{
    for (;;) {
        QString name = fileName + u'.';
        for (int i = 0; i < 6; ++i) {
            const quint32 r = QRandomGenerator::global()->bounded(52);
            name += QChar(r < 26 ? u'A' + r : u'a' + (r - 26));
        }
        if (isTemporaryName(name, fileName))
            return name;
    }
}

// The new content is written beside the file and then replaces it in one
// step. The temporary file is locked while it lives, so a save in another
// run of the program never takes it for one left by a killed save.
class TemporaryFile
{
public:
    TemporaryFile(const QString &dir, const QString &fileName)
    {
        for (int attempt = 0; attempt < 16; ++attempt) {
            m_name = QFile::encodeName(dir + u'/' + temporaryName(fileName));
            m_fd = ::open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            m_error = m_fd < 0 ? errno : 0;
            if (m_fd >= 0) {
                ::flock(m_fd, LOCK_EX | LOCK_NB);
                return;
            }
            if (m_error != EEXIST)
                return;
        }
    }
    ~TemporaryFile()
    {
        if (m_fd < 0)
            return;
        if (!m_replaced)
            ::unlink(m_name.constData());
        ::close(m_fd);
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int error() const { return m_error; }
    int fd() const { return m_fd; }

    bool replace(const QByteArray &target)
    {
        m_replaced = ::rename(m_name.constData(), target.constData()) == 0;
        return m_replaced;
    }

private:
    QByteArray m_name;
    int m_fd = -1;
    int m_error = 0;
    bool m_replaced = false;
};

// A kill during a save leaves its temporary file behind; the next save
// removes such files, but only plain ones that no living save holds.
void removeStaleTemporaries(const QString &dir, const QString &fileName)
{
    const QStringList names =
        QDir(dir).entryList({fileName + QStringLiteral(".*")}, QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!isTemporaryName(name, fileName))
            continue;
        const QByteArray file = QFile::encodeName(dir + u'/' + name);
        struct stat named{};
        if (::lstat(file.constData(), &named) != 0 || !S_ISREG(named.st_mode))
            continue;
        const int fd = ::open(file.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened{};
        if (::fstat(fd, &opened) == 0 && opened.st_ino == named.st_ino && opened.st_dev == named.st_dev
            && opened.st_nlink == 1 && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(file.constData());
        ::close(fd);
    }
}

// For a folder that refuses new files: the file is overwritten without being
// cut first and cut to length last, so a kill at any moment leaves the old
// content or the new one (at worst with an old tail after it).
bool overwriteInPlace(const QByteArray &target, const QByteArray &bytes)
{
    const int fd = ::open(target.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st{};
    // With a second name the file is shared: writing it would change the other too.
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1;
    // Room for longer content first, so a full disk leaves the old content whole.
    if (ok && bytes.size() > st.st_size) {
        const int error = ::posix_fallocate(fd, 0, bytes.size());
        ok = error == 0 || error == EOPNOTSUPP || error == EINVAL;
    }
    ok = ok && ::pwrite(fd, bytes.constData(), size_t(bytes.size()), 0) == bytes.size()
        && ::ftruncate(fd, bytes.size()) == 0 && ::fdatasync(fd) == 0;
    ::close(fd);
    return ok;
}

// The new file keeps the old one's mode, and its owner when root saves it;
// the content matters more than these, so a failure here is no failed save.
void keepModeAndOwner(int fd, const struct stat &old)
{
    [[maybe_unused]] int result = ::fchmod(fd, old.st_mode & 07777);
    if (::geteuid() == 0)
        result = ::fchown(fd, old.st_uid, old.st_gid);
}

} // namespace

Opened openPlain(const QString &path, QFile &file)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat named{};
    if (::lstat(name.constData(), &named) != 0)
        return errno == ENOENT ? Opened::Missing : Opened::Refused;
    if (!S_ISREG(named.st_mode))
        return Opened::Refused;
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Opened::Refused;
    // The name may have been given to something else since the look.
    struct stat opened{};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_ino != named.st_ino
        || opened.st_dev != named.st_dev || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Opened::Refused;
    }
    return Opened::Yes;
}

bool replace(const QString &path, const QByteArray &bytes)
{
    const QByteArray targetName = QFile::encodeName(path);
    struct stat old{};
    const bool exists = ::lstat(targetName.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return false;
    // A link may point anywhere, and a pipe or device is no file of ours:
    // neither is written. A write-protected file stays as it is.
    if (exists && (!S_ISREG(old.st_mode) || ::access(targetName.constData(), W_OK) != 0))
        return false;

    const QFileInfo info(path);
    const QString dir = info.absolutePath();
    removeStaleTemporaries(dir, info.fileName());
    TemporaryFile temp(dir, info.fileName());
    if (!temp.isOpen()) {
        // A folder that refuses new files may still hold a file we may write.
        const bool refused = temp.error() == EACCES || temp.error() == EPERM || temp.error() == EROFS;
        return exists && refused && overwriteInPlace(targetName, bytes);
    }
    if (exists)
        keepModeAndOwner(temp.fd(), old);
    // A full disk shows in the write or the sync; then the old file stays.
    return writeAll(temp.fd(), bytes) && ::fdatasync(temp.fd()) == 0 && temp.replace(targetName);
}

} // namespace mk::SafeFile
