#pragma once

// How a cell of the board looks at each level: a colour and a simple mark,
// so a child who cannot tell the colours apart still sees the level. The
// artwork's keys show the same looks. No widgets.

#include "frame/colours.h"

#include <QStringView>

#include <array>

namespace mk::lernstand {

struct Look
{
    colours::Rgb fill;
    colours::Rgb ink;
    QStringView mark;
};

// Never answered, wrong the last time, right on one day, on two, known.
inline constexpr std::array<Look, 5> kLooks{{
    {{236, 236, 236}, {90, 90, 105}, u""},
    {{255, 150, 140}, {120, 20, 20}, u"✗"},
    {{255, 226, 110}, {110, 80, 0}, u"●"},
    {{170, 225, 110}, {40, 90, 10}, u"●●"},
    {{40, 170, 70}, {255, 255, 255}, u"★"},
}};

} // namespace mk::lernstand
