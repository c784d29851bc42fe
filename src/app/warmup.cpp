#include "warmup.h"

#include "frame/background.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QFileInfo>
#include <QStandardPaths>

#include <fontconfig/fontconfig.h>

#include <utility>

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

// Whether the bus library could start a session bus of its own: it runs this helper.
bool sessionBusCanStart()
{
    const QString helper = QStringLiteral("dbus-launch");
    return !QStandardPaths::findExecutable(helper).isEmpty()
        || QFileInfo::exists(QStringLiteral("/usr/bin/") + helper);
}

} // namespace

StartupWarmup::StartupWarmup()
    : m_busKnown(sessionBusKnown()), m_noBus(!m_busKnown && !sessionBusCanStart())
{
    // No bus and nothing that could start one; the bus library would still
    // start a process to look for the helper, and the window being built
    // would wait for the accessibility support to hear that it failed. Told
    // that there is no bus, it has its answer at once. Set while no other
    // thread reads the environment, taken back once none does.
    if (m_noBus)
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    m_fonts = startBackgroundThread([] { FcInit(); });
}

StartupWarmup::~StartupWarmup()
{
    if (m_fonts)
        m_fonts->wait();
    if (m_bus.joinable())
        m_bus.join();
}

void StartupWarmup::fontsReady()
{
    // Not a wait for the background thread, which a busy machine may keep
    // from running: where it has not finished, this reads the configuration
    // too, and whichever finishes first is kept.
    FcInit();
    if (std::exchange(m_noBus, false))
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
}

void StartupWarmup::applicationReady()
{
    if (m_busKnown) {
        // The connection is shared: whoever asks next finds it made, or
        // waits for this one. Not a background thread: the toolkit's bus
        // thread, started from it, takes its priority for good.
        m_bus = std::thread([] { QDBusConnection::sessionBus(); });
        return;
    }
    // The accessibility support asks for the bus now, while it is told
    // there is none; the program's own children are not told.
    if (m_noBus)
        QAccessible::isActive();
}

} // namespace mk
