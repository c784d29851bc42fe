#pragma once

// A program start timed the way a user meets it: on the X server, from the
// outside of the started process. Plain Xlib and POSIX, so no toolkit of the
// bench's own sits between the figure and the display.

#include <string>
#include <vector>

namespace bench {

struct StartFigures
{
    double mappedMs = -1;  // exec to its first top-level window being mapped
    double paintedMs = -1; // exec to that window's pixels no longer being one colour
    long peakRssKb = -1;   // the started process's VmHWM, a second after the map
};

// Whether the display named by DISPLAY answers.
bool displayReachable();

// Starts `argv` (argv[0] a path) in `folder` with exactly `environment`
// ("NAME=value" entries), times it, and ends it with its process group.
// A figure the start never reached stays negative.
StartFigures timeStart(const std::vector<std::string> &argv, const std::string &folder,
                       const std::vector<std::string> &environment);

} // namespace bench
