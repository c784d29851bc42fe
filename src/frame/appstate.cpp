#include "appstate.h"

#include "filewriter.h"

#include <QCoreApplication>

#include <random>

namespace mk {

namespace {

std::mt19937 &generator()
{
    static std::mt19937 gen;
    return gen;
}

std::function<float()> &randomSource()
{
    static std::function<float()> source;
    return source;
}

std::function<void()> &endHandler()
{
    static std::function<void()> handler;
    return handler;
}

QString withSlash(QString dir)
{
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

} // namespace

AppState &app()
{
    static AppState state;
    return state;
}

Directories directoriesFor(const QString &workingDir)
{
    Directories d;
    d.appDir = withSlash(workingDir);
    d.dtaDir = d.appDir + QStringLiteral("DTA/");
    d.btnDir = d.appDir + QStringLiteral("BTN/");
    d.iniDir = d.appDir + QStringLiteral("DTA/");
    return d;
}

void setDirectories(const QString &workingDir)
{
    app().dirs = directoriesFor(workingDir);
}

void loadSettings()
{
    // A write still on its way would otherwise be read as it was before.
    FileWriter::flush();
    SettingsFile::load(app().dirs.iniDir, app().settings);
}

bool saveSettings()
{
    FileWriter::write(SettingsFile::path(app().dirs.iniDir), SettingsFile::format(app().settings));
    return FileWriter::flush();
}

void changeSettings(const std::function<void(Settings &)> &change)
{
    change(app().settings);
    FileWriter::write(SettingsFile::path(app().dirs.iniDir), SettingsFile::format(app().settings));
}

bool settingsWritten()
{
    return FileWriter::flush();
}

std::optional<std::size_t> currentLanguage()
{
    return languageIndex(app().settings.sprache);
}

std::optional<QString> inLanguage(const LangTexts &texts)
{
    if (const auto k = currentLanguage())
        return texts[*k].toString();
    return std::nullopt;
}

QString btnPath(const QString &file)
{
    return app().dirs.btnDir + file;
}

QString dtaPath(const QString &file)
{
    return app().dirs.dtaDir + file;
}

void seedRandom(float secondsSinceMidnight)
{
    // Milliseconds keep the fractional seconds of the seed.
    generator().seed(static_cast<std::mt19937::result_type>(secondsSinceMidnight * 1000.0f));
}

float nextRandom()
{
    if (randomSource())
        return randomSource()();
    // 24 random bits give every float in [0, 1) with this spacing and never 1.
    return static_cast<float>(generator()() >> 8) / 16777216.0f;
}

void setRandomSource(std::function<float()> source)
{
    randomSource() = std::move(source);
}

void endProgram()
{
    if (endHandler()) {
        endHandler()();
        return;
    }
    QCoreApplication::exit(0);
}

void setEndProgramHandler(std::function<void()> handler)
{
    endHandler() = std::move(handler);
}

} // namespace mk
