#pragma once

#include "screens/calculator/calculator_texts.h"

#include "frame/names.h"
#include "frame/rows.h"

#include <array>

// Where everything on the calculator sits, in twips.
namespace mk::calculator::layout {

namespace texts = calculator::texts;

inline constexpr ScreenRow kWindow{u"B4_Taschenrechner", 7230, 5325};

// The help page, moved to 240, 1320 once the screen has loaded.
inline constexpr HelpRow kHelpPage{
    {u"Frame3", 2280, 4920, 6855, 3855},
    {u"Label4", 120, 240, 6495, 735},
    {{{u"Label1", 120, 1080, 6495, 2415}}},
    1, 240, 1320, 14, 14};
inline constexpr HelpTexts kHelpTexts{&texts::kHelpTitle, {{&texts::kHelpText}}};

inline constexpr Place kTxtRechner{u"txtRechner", 360, 480, 4215, 675};
inline constexpr KeyRow kExitButton{{u"ExitButton", 5880, 360, 1215, 855}, names::kExitKey, names::kExitKeyPressed, Feedback::PictureAndCursor, &shared::kExitProgramTip};
inline constexpr KeyRow kHelpButton{{u"HelpButton", 4800, 360, 975, 855}, names::kHelpKey, names::kHelpKeyPressed, Feedback::PictureAndCursor, &shared::kHelpTip};
inline constexpr KeyRow kCmdReslutat{{u"cmdReslutat", 3000, 3840, 1575, 735}, u"TasteResultatBreit_normal.jpg", u"TasteResultatBreit_gedrückt.jpg", Feedback::PictureAndCursor, nullptr, &texts::kResultName};
inline constexpr KeyRow kCmdMultiply{{u"cmdMultiply", 3840, 3000, 735, 735}, u"TasteMal_normal.jpg", u"TasteMal_gedrückt.jpg", Feedback::PictureAndCursor, nullptr, &texts::kMultiplyName};
inline constexpr KeyRow kCmdDivide{{u"cmdDivide", 3000, 3000, 735, 735}, u"TasteTeilen_normal.jpg", u"TasteTeilen_gedrückt.jpg", Feedback::PictureAndCursor, nullptr, &texts::kDivideName};
inline constexpr KeyRow kCmdMinus{{u"cmdMinus", 3840, 2160, 735, 735}, u"TasteMinus_normal.jpg", u"TasteMinus_gedrückt.jpg", Feedback::PictureAndCursor, nullptr, &texts::kMinusName};
inline constexpr KeyRow kCmdPlus{{u"cmdPlus", 3000, 2160, 735, 735}, u"TastePlus_normal.jpg", u"TastePlus_gedrückt.jpg", Feedback::PictureAndCursor, nullptr, &texts::kPlusName};
inline constexpr KeyRow kCmdClear{{u"cmdClear", 3840, 1320, 735, 735}, u"TasteC_normal.jpg", u"TasteC_gedrückt.jpg", Feedback::PictureAndCursor, nullptr, &texts::kClearName};
inline constexpr KeyRow kCmdClearEntry{{u"cmdClearEntry", 3000, 1320, 735, 735}, u"TasteCE_normal.jpg", u"TasteCE_gedrückt.jpg", Feedback::PictureAndCursor, nullptr, &texts::kClearEntryName};
inline constexpr KeyRow kCmdKomma{{u"cmdKomma", 2040, 3840, 735, 735}, u"TasteKomma_normal.jpg", u"TasteKomma_gedrückt.jpg", Feedback::PictureAndCursor, nullptr, &texts::kPointName};
// The blank key only fills its place: no feedback, no action.
inline constexpr KeyRow kCmdPlusMinus{{u"cmdPlusMinus", 360, 3840, 735, 735}, u"0leer.jpg", {}, Feedback::None, nullptr, &texts::kBlankName};

// The digit keys, 0 to 9.
inline constexpr std::array<Place, 10> kDigitPlaces{{
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

inline QString digitAtRest(int d) { return names::numberPicture(d, names::kAtRest); }
inline QString digitPressed(int d) { return names::numberPicture(d, names::kPressed); }
inline constexpr GroupRow kDigits = groupRow(kDigitPlaces, digitAtRest, digitPressed, Feedback::PictureAndCursor, nullptr, texts::digitName);

} // namespace mk::calculator::layout
