#pragma once

#include "screens/random/random_task.h"
#include "screens/random/random_texts.h"

#include "frame/names.h"
#include "frame/numbers.h"
#include "frame/rows.h"

#include <array>

// Where everything on the dice screen sits, in twips, with the pictures and
// tooltips of its keys. Controls inside a frame count from that frame's corner.
namespace mk::random::layout {

inline constexpr ScreenRow kWindow{u"B3_ZUFALL", 12300, 9930};

// The help page, moved to 120, 120 once the screen has loaded.
inline constexpr HelpRow kHelpPage{
    {u"Frame2", 480, 9480, 9255, 9615},
    {u"Label4", 240, 240, 8775, 975},
    {{{u"Label1", 240, 1440, 8775, 2895}, {u"Label2", 240, 4440, 8775, 2775}, {u"Label3", 240, 7320, 8775, 1935}}},
    3, 120, 120, 15, 11};
inline constexpr HelpTexts kHelpTexts{&kHelpTitle, {{&kHelp1, &kHelp2, &kHelp3}}};

inline constexpr KeyRow kExitButton{{u"ExitButton", 10680, 240, 1215, 855},
                                    names::kExitKey, names::kExitKeyPressed, Feedback::PictureAndCursor, &kExitTip};
inline constexpr KeyRow kHelpButton{{u"HelpButton", 9600, 240, 975, 855},
                                    names::kHelpKey, names::kHelpKeyPressed, Feedback::PictureAndCursor, &shared::kHelpTip};
inline constexpr Place kAudio{u"Audio", 3720, 240, 1215, 855};
inline constexpr KeyRow kOKButton{{u"OKButton", 4680, 3840, 2535, 975},
                                  u"OK_Button.jpg", u"OK_Button_gedrückt.jpg", Feedback::PictureAndCursor, &kThumbTip};
inline constexpr KeyRow kWuerfel1{{u"Würfel1_Button", 3240, 3960, 1335, 1335},
                                  u"Würfel0.jpg", u"Würfel1.jpg", Feedback::PictureAndCursor, &kFirstDieTip};
// The second die keeps its picture when pressed; its tooltip comes from the
// range keys.
inline constexpr KeyRow kWuerfel2{{u"Würfel2_Button", 7320, 3960, 1335, 1335},
                                  u"Würfel0.jpg", u"Würfel0.jpg", Feedback::PictureAndCursor, nullptr, &kSecondDieName};

// The task: left factor, sign, right factor, equals, and the answer on its sign.
inline constexpr Place kZahlLinks{u"ZahlLinks", 4080, 2160, 735, 735};
inline constexpr Place kXZeichen{u"XZeichen", 4800, 2160, 735, 735};
inline constexpr Place kZahlRechts{u"ZahlRechts", 5520, 2160, 735, 735};
inline constexpr Place kGZeichen{u"GZeichen", 6240, 2160, 735, 735};
inline constexpr Place kAntwortSchild{u"AntwortSchild", 6960, 2160, 2415, 735};
inline constexpr Place kErgebnisTEXT{u"ErgebnisTEXT", 6960, 2160, 2415, 690};
inline constexpr Place kMalSymbolBild{u"MalSymbolBild", 1320, 6600, 735, 735};

inline constexpr Place kFrame1{u"Frame1", 360, 7440, 5055, 1815};
inline constexpr Place kTextFeld{u"TextFeld", 120, 240, 4815, 1335};
inline constexpr Place kLabelLinks{u"LabelLinks", 2280, 6720, 1455, 495};
inline constexpr Place kLabelRechts{u"LabelRechts", 9360, 4920, 1455, 495};

// The arrow, and the two arrows the layout holds out of sight for it to copy.
inline constexpr Place kPfeil{u"Pfeil", 5400, 4800, 855, 615};
inline constexpr Place kPfeilLi{u"pfeilli", 11280, 4080, 990, 705};
inline constexpr Place kPfeilRe{u"pfeilre", 11160, 4440, 990, 705};
inline constexpr QStringView kLeftArrow = u"Pfeil_links.jpg";
inline constexpr QStringView kRightArrow = u"Pfeil_rechts.jpg";

// Decoration: bands above and below the task, a post between the two dice.
inline constexpr Place kImage1{u"Image1", 5640, 5520, 360, 4260};
inline constexpr Place kImage2{u"Image2", 240, 1200, 11730, 600};
inline constexpr Place kImage3{u"Image3", 240, 3120, 11715, 600};
inline constexpr QStringView kBand = u"Würfel_Band.jpg";
inline constexpr QStringView kPost = u"Würfel_Leiste.jpg";

// Indexed groups: the element's name is the group's name, '_' and its index.
inline constexpr std::array<Place, names::kBrushCount> kPinsel{{
    {u"Pinsel", 240, 240, 735, 735},
    {u"Pinsel", 1080, 240, 735, 735},
    {u"Pinsel", 1920, 240, 735, 735},
    {u"Pinsel", 2760, 240, 735, 735},
}};
// The black brush keeps the layout's tooltip.
inline QString brushTip(std::size_t language, int i)
{
    return i == 0 ? QString() : kBrushTip[language].toString();
}

// The digit strip 1..10: three rows of three, the 10 beside the last.
inline constexpr std::array<Place, kRowCount> kZahl1Places{{
    {u"Zahl1", 480, 4080, 735, 735},
    {u"Zahl1", 1320, 4080, 735, 735},
    {u"Zahl1", 2160, 4080, 735, 735},
    {u"Zahl1", 480, 4920, 735, 735},
    {u"Zahl1", 1320, 4920, 735, 735},
    {u"Zahl1", 2160, 4920, 735, 735},
    {u"Zahl1", 480, 5760, 735, 735},
    {u"Zahl1", 1320, 5760, 735, 735},
    {u"Zahl1", 2160, 5760, 735, 735},
    {u"Zahl1", 3000, 5760, 735, 735},
}};
inline QString digitAtRest(int i) { return names::numberPicture(i + 1, names::kAtRest); }
inline QString digitPressed(int i) { return names::numberPicture(i + 1, names::kPressed); }
// The prefix, the row number and ")".
inline QString rowTip(std::size_t language, int i) { return kRowTipPrefix[language].toString() + plain(i + 1) + u')'; }
inline constexpr GroupRow kZahl1 = groupRow(kZahl1Places, digitAtRest, digitPressed, Feedback::PictureAndCursor, rowTip);

// The range keys in two columns, in the order of the ranges.
inline constexpr std::array<Place, kRanges.size()> kMalBereichPlaces{{
    {u"Mal_Bereich", 6120, 5520, 2655, 975},
    {u"Mal_Bereich", 8880, 5520, 2655, 975},
    {u"Mal_Bereich", 6120, 6600, 2655, 975},
    {u"Mal_Bereich", 8880, 6600, 2655, 975},
    {u"Mal_Bereich", 6120, 7680, 2655, 975},
    {u"Mal_Bereich", 8880, 7680, 2655, 975},
    {u"Mal_Bereich", 6120, 8760, 2655, 975},
    {u"Mal_Bereich", 8880, 8760, 2655, 975},
}};
static_assert(kRangeTexts.size() == kRanges.size());
inline QString rangeAtRest(int i) { return rangePicture(kRanges[static_cast<std::size_t>(i)], false); }
inline QString rangePressed(int i) { return rangePicture(kRanges[static_cast<std::size_t>(i)], true); }
inline QString rangeTip(std::size_t language, int) { return kRangeTip[language].toString(); }
inline constexpr GroupRow kMalBereich =
    groupRow(kMalBereichPlaces, rangeAtRest, rangePressed, Feedback::PictureAndCursor, rangeTip);

} // namespace mk::random::layout
