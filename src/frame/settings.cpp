#include "settings.h"

#include "safefile.h"

#include <QFile>
#include <QIODevice>

#include <limits>
#include <optional>

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
    if (SafeFile::openPlain(path(iniDir), file) != SafeFile::Opened::Yes) {
        applyDefaults(s);
        return false;
    }
    return read(file, s);
}

bool save(const QString &iniDir, const Settings &s)
{
    return SafeFile::replace(path(iniDir), format(s));
}

} // namespace SettingsFile
} // namespace mk
