#pragma once

#include "layout.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

#include <optional>

class QWidget;

namespace mk {

// Where CenterForm puts a window (all in twips): the new Left and Top, or
// none for a mode outside 0..4.
std::optional<QPointF> centeredPosition(QSizeF screen, QSizeF window, int mode);

// Sets the window's name, the fixed size of its client area and its colours.
void setUpWindow(QWidget *window, QStringView name, int widthTwips, int heightTwips);

// CenterForm on the primary screen.
void centerForm(QWidget *window, int mode);

// SetThickBorder: a sunken edge round the window's client area. Setting it
// again leaves one edge.
void setThickBorder(QWidget *window);

// OpenInBrowser: hands the address to the desktop's browser, with the wait
// cursor shown for as long as that takes.
void openInBrowser(QWidget *window, const QString &address);

} // namespace mk
