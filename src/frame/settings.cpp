#include "settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>

#include <cerrno>
#include <limits>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mk {

bool operator==(const Settings &a, const Settings &b)
{
    return a.malSymbol == b.malSymbol && a.sprache == b.sprache && a.malReihe == b.malReihe
        && a.audioStatus == b.audioStatus && a.farbe == b.farbe;
}

namespace {

constexpr char kHeader[] = "Malkobold 1x1 - settings, written by the program";

// A field longer than this is no settings value: the file is taken as broken
// rather than read on into a huge or endless line.
constexpr int kMaxField = 4096;

// Reads one field the way a sequential text reader does: leading blanks are
// skipped; a quoted field runs to its closing quote, a bare one to the next
// comma or line end. The delimiter after the field is consumed.
class FieldReader
{
public:
    explicit FieldReader(QIODevice &in) : m_in(in) {}

    std::optional<QString> next()
    {
        char c = 0;
        do {
            if (!m_in.getChar(&c))
                return std::nullopt;
        } while (c == ' ' || c == '\t');

        QByteArray field;
        if (c == '"') {
            for (;;) {
                if (!m_in.getChar(&c))
                    return finish(field); // no closing quote: the text runs to the end
                if (c == '"')
                    break;
                if (!append(field, c))
                    return std::nullopt;
            }
            if (!skipToDelimiter())
                return std::nullopt;
            return finish(field);
        }

        while (c != ',' && c != '\r' && c != '\n') {
            if (!append(field, c))
                return std::nullopt;
            if (!m_in.getChar(&c))
                return finish(field.trimmed());
        }
        if (c == '\r')
            swallowLineFeed();
        return finish(field.trimmed());
    }

private:
    static bool append(QByteArray &field, char c)
    {
        if (field.size() >= kMaxField)
            return false;
        field.append(c);
        return true;
    }

    static QString finish(const QByteArray &field) { return QString::fromLatin1(field); }

    void swallowLineFeed()
    {
        char c = 0;
        if (m_in.peek(&c, 1) == 1 && c == '\n')
            m_in.getChar(&c);
    }

    // Whatever stands between a closing quote and the delimiter is dropped,
    // as long as it is no longer than a field may be.
    bool skipToDelimiter()
    {
        char c = 0;
        for (int n = 0; n <= kMaxField; ++n) {
            if (!m_in.getChar(&c) || c == ',' || c == '\n')
                return true;
            if (c == '\r') {
                swallowLineFeed();
                return true;
            }
        }
        return false;
    }

    QIODevice &m_in;
};

// Digits with an optional sign and nothing else: the conversion alone
// would stop at a NUL and take what stands before it.
bool isInteger(const QString &field)
{
    const qsizetype start = field.startsWith(u'-') || field.startsWith(u'+') ? 1 : 0;
    if (field.size() == start)
        return false;
    for (qsizetype i = start; i < field.size(); ++i)
        if (field[i] < u'0' || field[i] > u'9')
            return false;
    return true;
}

std::optional<qint16> toInt16(const std::optional<QString> &field)
{
    if (!field || !isInteger(*field))
        return std::nullopt;
    bool ok = false;
    const int value = field->toInt(&ok, 10);
    if (!ok || value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(value);
}

void applyDefaults(Settings &s)
{
    s.malSymbol = QStringLiteral("x");
    s.sprache = QStringLiteral("D");
    s.malReihe = 1;
    s.farbe = 0;
}

QByteArray quoted(const QString &text)
{
    return '"' + text.toLatin1() + '"';
}

// Opens the file only if it is a plain file: a link may point anywhere,
// and opening a pipe or a device could block or do something to it.
bool openPlainFile(const QString &path, QFile &file)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat named{};
    if (::lstat(name.constData(), &named) != 0 || !S_ISREG(named.st_mode))
        return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    // The name may have been given to something else since the look.
    struct stat opened{};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_ino != named.st_ino
        || opened.st_dev != named.st_dev || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

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

// Temporary files are named "1x1.ini." and six letters of both cases, like
// those of earlier versions, so a tail like "backup" is never taken for one.
bool isTemporaryName(const QString &name)
{
    const QString prefix = QLatin1String(SettingsFile::kFileName) + u'.';
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

QString temporaryName()
{
    for (;;) {
        QString name = QLatin1String(SettingsFile::kFileName) + u'.';
        for (int i = 0; i < 6; ++i) {
            const quint32 r = QRandomGenerator::global()->bounded(52);
            name += QChar(r < 26 ? u'A' + r : u'a' + (r - 26));
        }
        if (isTemporaryName(name))
            return name;
    }
}

// The new content is written beside the file and then replaces it in one
// step. The temporary file is locked while it lives, so a save in another
// run of the program never takes it for one left by a killed save.
class TemporaryFile
{
public:
    explicit TemporaryFile(const QString &dir)
    {
        for (int attempt = 0; attempt < 16; ++attempt) {
            m_name = QFile::encodeName(dir + u'/' + temporaryName());
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
void removeStaleTemporaries(const QString &dir)
{
    const QStringList names = QDir(dir).entryList({QLatin1String(SettingsFile::kFileName) + QStringLiteral(".*")},
                                                  QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!isTemporaryName(name))
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
// values or the new ones (at worst with an old tail after the eleventh line,
// which is never read).
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
// the values matter more than these, so a failure here is no failed save.
void keepModeAndOwner(int fd, const struct stat &old)
{
    [[maybe_unused]] int result = ::fchmod(fd, old.st_mode & 07777);
    if (::geteuid() == 0)
        result = ::fchown(fd, old.st_uid, old.st_gid);
}

} // namespace

namespace SettingsFile {

QString path(const QString &iniDir)
{
    QString p = iniDir;
    if (!p.endsWith(u'/'))
        p += u'/';
    return p + QLatin1String(kFileName);
}

QByteArray format(const Settings &s)
{
    const QByteArray lines[] = {
        '"' + QByteArray(kHeader) + '"',
        quoted(QStringLiteral("[MalSymbol$]")),
        quoted(s.malSymbol),
        quoted(QStringLiteral("[Sprache]")),
        quoted(s.sprache),
        quoted(QStringLiteral("[Mal_Reihe]")),
        QByteArray::number(s.malReihe),
        quoted(QStringLiteral("[Audio]")),
        QByteArray::number(s.audioStatus),
        quoted(QStringLiteral("[Farbe]")),
        QByteArray::number(s.farbe),
    };
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

bool read(QIODevice &in, Settings &s)
{
    FieldReader fields(in);
    Settings got = s;
    const auto skip = [&fields] { return fields.next().has_value(); };
    const auto text = [&fields](QString &into) {
        auto f = fields.next();
        if (f)
            into = *f;
        return f.has_value();
    };
    const auto number = [&fields](qint16 &into) {
        auto n = toInt16(fields.next());
        if (n)
            into = *n;
        return n.has_value();
    };

    const bool ok = skip() && skip() && text(got.malSymbol) && skip() && text(got.sprache)
        && skip() && number(got.malReihe) && skip() && number(got.audioStatus) && skip()
        && number(got.farbe);
    if (ok) {
        s = got;
    } else {
        s.audioStatus = got.audioStatus;
        applyDefaults(s);
    }
    return ok;
}

bool load(const QString &iniDir, Settings &s)
{
    QFile file;
    if (!openPlainFile(path(iniDir), file)) {
        applyDefaults(s);
        return false;
    }
    return read(file, s);
}

bool save(const QString &iniDir, const Settings &s)
{
    const QString target = path(iniDir);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old{};
    const bool exists = ::lstat(targetName.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return false;
    // A link may point anywhere, and a pipe or device is no settings file:
    // neither is written. A write-protected file stays as it is.
    if (exists && (!S_ISREG(old.st_mode) || ::access(targetName.constData(), W_OK) != 0))
        return false;

    const QByteArray bytes = format(s);
    const QString dir = QFileInfo(target).absolutePath();
    removeStaleTemporaries(dir);
    TemporaryFile temp(dir);
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

} // namespace SettingsFile
} // namespace mk
