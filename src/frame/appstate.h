#pragma once

#include "language.h"
#include "settings.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <optional>

namespace mk {

// Folders found below the working directory at start-up; each ends in '/'.
struct Directories
{
    QString appDir;
    QString btnDir;
    QString dtaDir;
    QString iniDir;
};

// Process-wide state that every screen sees.
struct AppState
{
    Directories dirs;
    Settings settings;
    qint16 ergebnis = 0;
};

AppState &app();

Directories directoriesFor(const QString &workingDir);
void setDirectories(const QString &workingDir);

// LoadSettings and SaveSettings on the shared settings; both wait for the file.
void loadSettings();
bool saveSettings();

// Every change of a stored choice goes through here: `change` runs first
// (with whatever the screen shows for it), then the file is written, on
// another thread so that the click does not wait for the disk. The change
// holds for the run even when the file cannot be written.
void changeSettings(const std::function<void(Settings &)> &change);

// Waits until every change is in the file; returns whether the last write succeeded.
bool settingsWritten();

// The index of the current language (D, E, S, F, NL, I), none for other codes.
std::optional<std::size_t> currentLanguage();

// The text of the current language, or none for a code outside the six.
std::optional<QString> inLanguage(const LangTexts &texts);

QString btnPath(const QString &file);
QString dtaPath(const QString &file);

// The one generator of uniform numbers in [0, 1) the screens draw from.
void seedRandom(float secondsSinceMidnight);
float nextRandom();
void setRandomSource(std::function<float()> source); // test seam; empty restores the default

// Ends the program; tests put their own handler in place.
void endProgram();
void setEndProgramHandler(std::function<void()> handler);

} // namespace mk
