#pragma once

#include <QImage>

class QWidget;

namespace mk {

// A window that is whole the moment it appears.
//
// On X11 a newly mapped window stays blank until its first paint has been
// drawn and sent, which on a busy machine is several milliseconds after
// the map. showWithFirstFrame() draws the window before showing it and
// gives the display that picture as the window's background, so the
// display fills the window with it as part of the map itself. The window's
// own first paint then replaces it unchanged, and the background goes back
// to none: a window uncovered later never shows a stale picture.
// Elsewhere (or where the display cannot take the picture) it only shows.
void showWithFirstFrame(QWidget *window);

// The window drawn as it will first show, in device pixels.
QImage firstFrame(QWidget *window);

// Whether `widget` is painted for the display, not for a first frame (or
// any picture) drawn while its window is not on screen yet.
bool paintsOnScreen(const QWidget *widget);

} // namespace mk
