#pragma once

#include <QString>

namespace mk {

// An installed program keeps its pictures and sounds where the user cannot
// write. A folder of the user's own links to them and holds the user's own
// DTA/1x1.ini, so the choices survive and every user keeps their own.
struct UserFolder
{
    QString runIn;   // the folder to make the working directory
    QString problem; // why the choices may not be kept; empty when all is well
};

// $XDG_DATA_HOME/malkobold, by default ~/.local/share/malkobold.
QString defaultUserFolder();

// Where the installed BTN/ and DTA/ are, seen from the folder of the
// executable: the install's data folder, else the executable's own folder
// (a build folder); empty when neither holds BTN/.
QString installedDataFolder(const QString &executableDir);

// Makes `userDir` if needed and links BTN/, pages/ and every installed sound into
// it afresh on every start, so an update of the installed data shows up by
// itself. Never touches a file of the user's own. When the folder cannot
// be made or used, the program runs in `dataDir` instead.
UserFolder prepareUserFolder(const QString &dataDir, const QString &userDir);

} // namespace mk
