#include "lernstand_store.h"

#include "frame/filewriter.h"
#include "frame/safefile.h"
#include "frame/settings.h"

#include <QFile>

namespace mk::lernstand {

Store::Store(const QString &iniDir)
    : m_path(iniDir + (iniDir.endsWith(u'/') ? QString() : QStringLiteral("/")) + QLatin1String(kProgressFileName))
{
    // A write still on its way would otherwise be read as it was before.
    FileWriter::flush();
    QFile file;
    switch (SafeFile::openPlain(m_path, file)) {
    case SafeFile::Opened::Missing:
        m_keeps = true;
        break;
    case SafeFile::Opened::Yes: {
        const QByteArray bytes = file.read(Progress::kMaxBytes);
        // A read that fails part way is no file to replace.
        m_keeps = file.error() == QFileDevice::NoError;
        m_progress = Progress::parse(bytes);
        break;
    }
    case SafeFile::Opened::Refused:
        break;
    }
}

void Store::record(Task task, bool right, const QDate &today)
{
    m_progress.answer(task, right, today);
    if (m_keeps)
        FileWriter::write(m_path, m_progress.format());
}

bool Store::flush()
{
    return FileWriter::flush();
}

} // namespace mk::lernstand
