#pragma once

#include "frame/window.h"

#include <array>

// Where everything on the calculator sits, in twips.
namespace mk::calculator::layout {

inline constexpr int kWidth = 7230;
inline constexpr int kHeight = 5325;

// The help page's place once the screen has loaded.
inline constexpr int kHelpLeft = 240;
inline constexpr int kHelpTop = 1320;

inline constexpr Place kFrame3{u"Frame3", 2280, 4920, 6855, 3855};
inline constexpr Place kLabel4{u"Label4", 120, 240, 6495, 735};
inline constexpr Place kLabel1{u"Label1", 120, 1080, 6495, 2415};
inline constexpr Place kTxtRechner{u"txtRechner", 360, 480, 4215, 675};
inline constexpr Place kExitButton{u"ExitButton", 5880, 360, 1215, 855};
inline constexpr Place kHelpButton{u"HelpButton", 4800, 360, 975, 855};
inline constexpr Place kCmdReslutat{u"cmdReslutat", 3000, 3840, 1575, 735};
inline constexpr Place kCmdMultiply{u"cmdMultiply", 3840, 3000, 735, 735};
inline constexpr Place kCmdDivide{u"cmdDivide", 3000, 3000, 735, 735};
inline constexpr Place kCmdMinus{u"cmdMinus", 3840, 2160, 735, 735};
inline constexpr Place kCmdPlus{u"cmdPlus", 3000, 2160, 735, 735};
inline constexpr Place kCmdClear{u"cmdClear", 3840, 1320, 735, 735};
inline constexpr Place kCmdClearEntry{u"cmdClearEntry", 3000, 1320, 735, 735};
inline constexpr Place kCmdKomma{u"cmdKomma", 2040, 3840, 735, 735};
inline constexpr Place kCmdPlusMinus{u"cmdPlusMinus", 360, 3840, 735, 735};

// The digit keys, 0 to 9.
inline constexpr std::array<Place, 10> kDigits{{
    {u"cmdZero", 1200, 3840, 735, 735},
    {u"cmdOne", 360, 1320, 735, 735},
    {u"cmdTwo", 1200, 1320, 735, 735},
    {u"cmdThree", 2040, 1320, 735, 735},
    {u"cmdFour", 360, 2160, 735, 735},
    {u"cmdFive", 1200, 2160, 735, 735},
    {u"cmdSix", 2040, 2160, 735, 735},
    {u"cmdSeven", 360, 3000, 735, 735},
    {u"cmdEight", 1200, 3000, 735, 735},
    {u"cmdNine", 2040, 3000, 735, 735},
}};

} // namespace mk::calculator::layout
