#pragma once

#include <QRect>
#include <QStringView>

// Placement tables: every screen's controls stand in twips, as its layout
// gives them; one logical pixel is 15 twips.
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

constexpr QRect toPixels(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

constexpr QRect toPixels(const Place &p)
{
    return toPixels(p.left, p.top, p.width, p.height);
}

} // namespace mk
