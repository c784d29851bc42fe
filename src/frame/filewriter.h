#pragma once

#include <QByteArray>
#include <QString>

// Writes whole files (SafeFile::replace) on one thread of normal priority,
// so a click that stores something never waits for the disk. Writes land in
// the order they were asked for; one still waiting is replaced by a newer
// one for the same file. Whatever is waiting is written before the
// application object goes.
namespace mk::FileWriter {

void write(const QString &path, const QByteArray &bytes);

// Waits until everything asked for is in its file (or has failed); returns
// whether the last write succeeded (true when none was ever asked for).
bool flush();

} // namespace mk::FileWriter
