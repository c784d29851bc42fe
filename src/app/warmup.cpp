#include "warmup.h"

#include "frame/background.h"

#include <QDBusConnection>
#include <QFileInfo>

#include <fontconfig/fontconfig.h>

namespace mk {

namespace {

// Where the bus library finds the session bus without starting one.
bool sessionBusKnown()
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

} // namespace

StartupWarmup::StartupWarmup() : m_fonts(startBackgroundThread([] { FcInit(); })) {}

StartupWarmup::~StartupWarmup()
{
    if (m_fonts)
        m_fonts->wait();
    if (m_bus.joinable())
        m_bus.join();
}

void StartupWarmup::fontsReady()
{
    if (m_fonts)
        m_fonts->wait();
}

void StartupWarmup::applicationReady()
{
    // Without a bus the toolkit's own attempt fails at once; a thread of
    // its own would only compete with the window for the processor.
    if (!sessionBusKnown())
        return;
    // The connection is shared: whoever asks next finds it made, or waits
    // for this one. Not a background thread: the toolkit's bus thread,
    // started from it, takes its priority for good.
    m_bus = std::thread([] { QDBusConnection::sessionBus(); });
}

} // namespace mk
