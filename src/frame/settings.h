#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace mk {

// The five choices that survive from run to run.
struct Settings
{
    QString malSymbol;
    QString sprache;
    qint16 malReihe = 0;
    qint16 audioStatus = 0;
    qint16 farbe = 0;
};

bool operator==(const Settings &a, const Settings &b);
inline bool operator!=(const Settings &a, const Settings &b) { return !(a == b); }

// The child's progress lies beside the settings file; like it, it is the
// user's own, never installed and never linked to an installed one.
inline constexpr char kProgressFileName[] = "Lernstand.txt";

// "1x1.ini": eleven items, one a line, CR LF, Latin-1, read like a
// sequential text reader (quoted or bare fields) and written back as such.
namespace SettingsFile {

inline constexpr char kFileName[] = "1x1.ini";

QString path(const QString &iniDir);

// The bytes of a complete file for these values.
QByteArray format(const Settings &settings);

// Reads the eleven fields from `in`. On any error the four defaults replace
// even what was read before it; audioStatus keeps what it had or what was
// read before the error. Returns whether all eleven fields were read.
bool read(QIODevice &in, Settings &settings);

// Opens, reads and closes the file; a missing file counts as an error, and
// so does anything but a plain file (a link, a folder, a pipe, a device).
bool load(const QString &iniDir, Settings &settings);

// Writes beside the old file and replaces it in one step, so an
// interrupted or failed write (a full disk) leaves the old file whole; where
// the folder refuses new files, the file is overwritten in place so that a
// kill leaves the old or the new values. Only a plain, writable file is
// replaced. Returns whether the new values are in the file.
bool save(const QString &iniDir, const Settings &settings);

} // namespace SettingsFile
} // namespace mk
