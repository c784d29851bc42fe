#pragma once

#include "settings.h"

#include <QString>

namespace mk {

// Writes the settings file on a thread of its own, so a click that stores a
// choice never waits for the disk. Writes land in the order they were asked
// for; one still waiting is replaced by a newer one for the same folder.
// Whatever is waiting is written before the application object goes.
namespace SettingsWriter {

void write(const QString &iniDir, const Settings &settings);

// Waits until everything asked for is in its file (or has failed); returns
// whether the last write succeeded (true when none was ever asked for).
bool flush();

} // namespace SettingsWriter
} // namespace mk
