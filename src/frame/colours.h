#pragma once

// Colours the screens share with the artwork generator: it paints the
// corners of rounded keys and the "empty" pictures in the window colour, so
// that they melt into the window.

#include <QColor>

namespace mk::colours {

struct Rgb
{
    int red;
    int green;
    int blue;
};

inline constexpr Rgb kWindow{250, 244, 226};
inline constexpr Rgb kPanel{255, 253, 246};
inline constexpr Rgb kText{40, 40, 60};

inline QColor toQColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace mk::colours
