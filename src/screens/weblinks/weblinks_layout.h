#pragma once

#include "screens/weblinks/weblinks_texts.h"

#include "frame/names.h"
#include "frame/rows.h"

#include <array>

// Where everything on the links page sits, in twips.
namespace mk::weblinks::layout {

inline constexpr ScreenRow kWindow{u"B5_Webseiten", 10440, 7455};

inline constexpr Place kLabel1{u"Label1", 240, 120, 2655, 495};
inline constexpr Place kText1{u"Text1", 3120, 120, 5895, 1935};
// The leave key shows "EndeButton_N.jpg" at load and these two after a press.
inline constexpr KeyRow kExitButton{{u"ExitButton", 9120, 120, 1095, 855}, names::kExitKey, names::kExitKeyPressed,
                                    Feedback::PictureAndCursor, &texts::kExitTooltip};
inline constexpr QStringView kExitAtLoad = u"EndeButton_N.jpg";

// The list entries in the order of the links.
inline constexpr std::array<Place, 8> kWebadressen{{
    {u"Webadressen", 3120, 3000, 6615, 375},
    {u"Webadressen", 3120, 2520, 6615, 375},
    {u"Webadressen", 480, 5760, 9255, 375},
    {u"Webadressen", 3120, 4200, 6615, 375},
    {u"Webadressen", 480, 6240, 9255, 375},
    {u"Webadressen", 480, 6720, 9255, 375},
    {u"Webadressen", 3120, 3720, 6615, 375},
    {u"Webadressen", 2280, 4920, 7455, 375},
}};

} // namespace mk::weblinks::layout
