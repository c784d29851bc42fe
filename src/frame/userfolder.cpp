#include "userfolder.h"

#include "settings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace mk {

using namespace Qt::StringLiterals;

namespace {

fs::path toPath(const QString &name)
{
    return fs::path(QFile::encodeName(name).toStdString());
}

QString fromPath(const fs::path &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

QString reason(const std::error_code &error)
{
    return QString::fromLocal8Bit(error.message());
}

// Points `link` at `target`. A link that points elsewhere (an older
// install) is replaced in one step, so a second copy starting at the same
// moment never finds it missing; anything else already there is the
// user's own and stays. Returns what went wrong, or nothing.
QString linkTo(const fs::path &target, const fs::path &link)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(link, error);
    if (fs::is_symlink(status)) {
        if (fs::read_symlink(link, error) == target && !error)
            return {};
        fs::path fresh = link;
        fresh += ".new";
        fs::remove(fresh, error);
        fs::create_symlink(target, fresh, error);
        if (!error)
            fs::rename(fresh, link, error);
    } else if (status.type() == fs::file_type::not_found) {
        error.clear();
        fs::create_symlink(target, link, error);
        if (error == std::errc::file_exists)
            error.clear();
    } else if (fs::is_directory(fs::status(link, error)) == fs::is_directory(fs::status(target, error))) {
        return {};
    } else {
        return u"%1 is in the way; some pictures or sounds are missing"_s.arg(fromPath(link));
    }
    if (error)
        return u"cannot link %1 (%2); some pictures or sounds are missing"_s.arg(fromPath(link), reason(error));
    return {};
}

// The settings and the progress: files of the user's own, never links.
bool isUsersOwn(const fs::path &name)
{
    return name == SettingsFile::kFileName || name == kProgressFileName;
}

// A sound an update has dropped leaves a link to nowhere behind.
void dropStaleLinks(const fs::path &userDta)
{
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(userDta, error)) {
        std::error_code ignored;
        const fs::path &link = entry.path();
        if (entry.is_symlink(ignored) && !fs::exists(link, ignored)
            && fs::read_symlink(link, ignored).filename() == link.filename()
            && !isUsersOwn(link.filename()))
            fs::remove(link, ignored);
    }
}

// Why the settings file there cannot be read or kept, or nothing.
QString settingsFileProblem(const fs::path &userDta)
{
    const fs::path ini = userDta / SettingsFile::kFileName;
    const QString name = fromPath(ini);
    std::error_code error;
    const fs::file_status own = fs::symlink_status(ini, error);
    if (own.type() == fs::file_type::not_found)
        return {};
    const fs::file_status target = fs::status(ini, error);
    if (fs::is_symlink(own)) {
        // The settings file is never read or written through a link: it could point anywhere.
        const fs::path named = fs::read_symlink(ini, error);
        const QString missing = target.type() == fs::file_type::not_found ? u", which does not exist"_s : QString();
        return u"%1 is a link to %2%3; the choices will not be kept"_s.arg(name, fromPath(named), missing);
    }
    if (fs::is_directory(target))
        return u"%1 is a folder, not a file; the choices will not be kept"_s.arg(name);
    if (!fs::is_regular_file(own))
        return u"%1 is not a plain file; the choices will not be kept"_s.arg(name);
    if (::access(ini.c_str(), R_OK) != 0)
        return u"%1 cannot be read; starting with the usual choices"_s.arg(name);
    if (::access(ini.c_str(), W_OK) != 0)
        return u"%1 is read-only; the choices will not be kept"_s.arg(name);
    return {};
}

} // namespace

QString defaultUserFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : base + u"/malkobold"_s;
}

QString installedDataFolder(const QString &executableDir)
{
    for (const QString &candidate :
         {executableDir + u'/' + QStringLiteral(MK_DATA_FROM_BIN), executableDir}) {
        const QString folder = QDir::cleanPath(candidate);
        if (QFileInfo(folder + u"/BTN"_s).isDir())
            return folder;
    }
    return {};
}

UserFolder prepareUserFolder(const QString &dataDir, const QString &userDir)
{
    if (userDir.isEmpty())
        return {dataDir, u"no folder for the user's data is known; the choices will not be kept"_s};

    const fs::path user = toPath(userDir);
    const fs::path userDta = user / "DTA";
    std::error_code error;
    for (const fs::path &folder : {user, userDta}) {
        fs::create_directories(folder, error);
        if (error) {
            return {dataDir, u"cannot create the folder %1 (%2); the choices will not be kept"_s.arg(
                                 fromPath(folder), reason(error))};
        }
    }

    QString problem;
    const auto note = [&problem](const QString &found) {
        if (problem.isEmpty())
            problem = found;
    };

    if (dataDir.isEmpty()) {
        note(u"cannot find the installed pictures and sounds"_s);
    } else {
        const fs::path data = toPath(dataDir);
        note(linkTo(data / "BTN", user / "BTN"));
        // The pages for parents, where the install has them.
        if (std::error_code ignored; fs::is_directory(data / "pages", ignored))
            note(linkTo(data / "pages", user / "pages"));
        for (const fs::directory_entry &entry : fs::directory_iterator(data / "DTA", error)) {
            std::error_code ignored;
            const fs::path name = entry.path().filename();
            if (entry.is_regular_file(ignored) && !isUsersOwn(name))
                note(linkTo(entry.path(), userDta / name));
        }
        if (error)
            note(u"cannot read the installed sounds (%1)"_s.arg(reason(error)));
        dropStaleLinks(userDta);
    }

    // The settings file comes first: it says more than the folder would.
    const QString settings = settingsFileProblem(userDta);
    if (!settings.isEmpty())
        problem = settings;
    else if (::access(userDta.c_str(), W_OK) != 0)
        problem = u"the folder %1 is read-only; the choices will not be kept"_s.arg(fromPath(userDta));
    return {userDir, problem};
}

} // namespace mk
