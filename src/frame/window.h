#pragma once

#include <QPointF>
#include <QRect>
#include <QSizeF>
#include <QStringView>

#include <optional>

class QWidget;

namespace mk {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

// One control of a screen's layout table, in twips.
struct Place
{
    QStringView name;
    int left;
    int top;
    int width;
    int height;
};

QRect toPixels(int left, int top, int width, int height);
inline QRect toPixels(const Place &p) { return toPixels(p.left, p.top, p.width, p.height); }

// Where CenterForm puts a window (all in twips): the new Left and Top, or
// none for a mode outside 0..4.
std::optional<QPointF> centeredPosition(QSizeF screen, QSizeF window, int mode);

// CenterForm on the primary screen.
void centerForm(QWidget *window, int mode);

// SetThickBorder: a sunken edge round the window's client area. Setting it
// again leaves one edge.
void setThickBorder(QWidget *window);

// OpenInBrowser: hands the address to the desktop's browser, with the wait
// cursor shown for as long as that takes.
void openInBrowser(QWidget *window, const QString &address);

} // namespace mk
