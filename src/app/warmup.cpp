#include "warmup.h"

#include <QDBusConnection>

#include <fontconfig/fontconfig.h>

namespace mk {

StartupWarmup::StartupWarmup() : m_fonts([] { FcInit(); }) {}

StartupWarmup::~StartupWarmup()
{
    for (std::thread *t : {&m_fonts, &m_bus})
        if (t->joinable())
            t->join();
}

void StartupWarmup::fontsReady()
{
    if (m_fonts.joinable())
        m_fonts.join();
}

void StartupWarmup::applicationReady()
{
    // The connection is shared: whoever asks next finds it made, or waits for this one.
    m_bus = std::thread([] { QDBusConnection::sessionBus(); });
}

} // namespace mk
