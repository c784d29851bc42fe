#pragma once

#include <QThread>

#include <memory>
#include <thread>

namespace mk {

// Start-up work that needs no window, done on threads while the window is
// built, so the first paint does not wait for it. Nothing it does shows.
class StartupWarmup
{
public:
    // Before the application object: the font configuration, which the
    // first text drawn would otherwise read.
    StartupWarmup();
    // Waits for the threads.
    ~StartupWarmup();
    StartupWarmup(const StartupWarmup &) = delete;
    StartupWarmup &operator=(const StartupWarmup &) = delete;

    // Once the application object exists: the session bus, on which the
    // toolkit's accessibility support would otherwise wait while the window is built.
    void applicationReady();

    // Before the first window is built: the font configuration is read (by
    // then mostly done on the thread), so that no text drawn (on any
    // thread) reads it a second time meanwhile.
    // The environment is the program's own again from here on.
    void fontsReady();

private:
    bool m_busKnown;
    bool m_noBus;
    std::unique_ptr<QThread> m_fonts;
    std::thread m_bus;
};

} // namespace mk
