#include "settingswriter.h"

#include "filewriter.h"

namespace mk::SettingsWriter {

namespace {

FileWriter &writer()
{
    static FileWriter instance;
    return instance;
}

} // namespace

void write(const QString &iniDir, const Settings &settings)
{
    writer().write(SettingsFile::path(iniDir), SettingsFile::format(settings));
}

bool flush()
{
    return writer().flush();
}

} // namespace mk::SettingsWriter
