#include "startwatch.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace bench {

namespace {

// These follow the shared start-up script of the speed work (its winmeasure
// helper) on purpose, so that the two tools' figures can be compared: the
// window's pixels are read every 10 ms or sooner when the X server has news,
// and the peak RSS is read a second after the map.
constexpr int kPollMs = 10;
constexpr double kTimeoutMs = 30000;
constexpr double kSettleMs = 1000;
constexpr int kMaxWindows = 32;

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

// A window may go away between the event and the look at its pixels.
int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0;
}

long statusKb(pid_t pid, const char *key)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", int(pid));
    std::FILE *f = std::fopen(path, "r");
    if (!f)
        return -1;
    long value = -1;
    const std::size_t keyLength = std::strlen(key);
    char line[256];
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, key, keyLength) == 0 && line[keyLength] == ':') {
            value = std::atol(line + keyLength + 1);
            break;
        }
    }
    std::fclose(f);
    return value;
}

// Painted: the window shows more than its background, every second pixel of
// every second row looked at.
bool nonBlank(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    XImage *image = XGetImage(display, window, 0, 0, unsigned(attributes.width), unsigned(attributes.height),
                              AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool differs = false;
    for (int y = 0; y < attributes.height && !differs; y += 2)
        for (int x = 0; x < attributes.width && !differs; x += 2)
            differs = XGetPixel(image, x, y) != first;
    XDestroyImage(image);
    return differs;
}

// Right after a client has gone the X server may still be busy with it and
// turn a new connection away for a moment; that is before the clock starts.
Display *openDisplay()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (Display *display = XOpenDisplay(nullptr))
            return display;
        usleep(10000);
    }
    return nullptr;
}

void endGroup(pid_t pid)
{
    kill(-pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(20000);
    }
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

bool displayReachable()
{
    Display *display = openDisplay();
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}

StartFigures timeStart(const std::vector<std::string> &argv, const std::string &folder,
                       const std::vector<std::string> &environment)
{
    StartFigures figures;
    Display *display = openDisplay();
    if (!display || argv.empty())
        return figures;
    XSetErrorHandler(ignoreXErrors);
    const Window root = DefaultRootWindow(display);
    // No window manager runs: every top-level window is a child of the root.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);

    // Built before the fork: the child only makes calls that are safe there.
    std::vector<char *> args, env;
    for (const std::string &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);
    for (const std::string &entry : environment)
        env.push_back(const_cast<char *>(entry.c_str()));
    env.push_back(nullptr);

    const double start = nowMs();
    pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) {
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
        }
        if (chdir(folder.c_str()) == 0)
            execve(args[0], args.data(), env.data());
        _exit(127);
    }
    if (pid < 0) {
        XCloseDisplay(display);
        return figures;
    }
    setpgid(pid, pid);

    Window mapped = 0;
    Window windows[kMaxWindows];
    int windowCount = 0;
    const int connection = ConnectionNumber(display);
    while (nowMs() - start < kTimeoutMs) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.event != root)
                continue;
            // Every top-level counts for the paint, override-redirect ones too.
            if (windowCount < kMaxWindows)
                windows[windowCount++] = event.xmap.window;
            if (!event.xmap.override_redirect && !mapped) {
                figures.mappedMs = nowMs() - start;
                mapped = event.xmap.window;
            }
        }
        if (mapped) {
            for (int i = 0; i < windowCount && figures.paintedMs < 0; ++i)
                if (nonBlank(display, windows[i]))
                    figures.paintedMs = nowMs() - start;
            if (figures.paintedMs >= 0)
                break;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            break;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        timeval wait{0, kPollMs * 1000};
        select(connection + 1, &readable, nullptr, nullptr, &wait);
    }
    if (pid > 0 && mapped) {
        while (nowMs() < start + figures.mappedMs + kSettleMs)
            usleep(20000);
        figures.peakRssKb = statusKb(pid, "VmHWM");
    }
    if (pid > 0)
        endGroup(pid);
    XCloseDisplay(display);
    return figures;
}

} // namespace bench
