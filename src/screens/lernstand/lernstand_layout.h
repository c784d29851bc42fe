#pragma once

#include "screens/lernstand/lernstand_progress.h"
#include "screens/lernstand/lernstand_texts.h"
#include "screens/series/series_layout.h"

#include "frame/names.h"
#include "frame/rows.h"

#include <array>

// Where everything on the board of known tasks sits, in twips: the board on
// the left, practice on the right, the legend below it.
namespace mk::lernstand::layout {

inline constexpr ScreenRow kWindow{u"B6_LERNSTAND", 15195, 9480};

inline constexpr HelpRow kHelpPage{
    {u"Frame2", 3840, 9600, 11535, 9000},
    {u"Label4", 840, 360, 10095, 855},
    {{{u"Label1", 840, 1440, 10095, 2400}, {u"Label2", 840, 3960, 10095, 2400}, {u"Label3", 840, 6480, 10095, 2295}}},
    3, 120, 120, 16, 11};
inline constexpr HelpTexts kHelpTexts{&kHelpTitle, {{&kHelp1, &kHelp2, &kHelp3}}};

inline constexpr Place kAnzahl{u"Anzahl", 360, 240, 7800, 780};
// Cell i = (R - 1) * 10 + (k - 1) holds k x R: rows of the board are rows of the table.
inline constexpr int kCellStep = 780;
inline constexpr int kCellSize = 735;
inline constexpr int kBoardLeft = 360;
inline constexpr int kBoardTop = 1140;

inline constexpr KeyRow kUebenButton{{u"UebenButton", 8760, 240, 2655, 855},
    u"Ueben_normal.jpg", u"Ueben_gedrückt.jpg", Feedback::PictureAndCursor, &kPracticeTip};
inline constexpr Place kAudio{u"Audio", 11520, 240, 1215, 855};
inline constexpr KeyRow kHelpButton{{u"HelpButton", 12720, 240, 975, 855},
    names::kHelpKey, names::kHelpKeyPressed, Feedback::PictureAndCursor, &shared::kHelpTip};
inline constexpr KeyRow kExitButton{{u"ExitButton", 13680, 240, 1215, 855},
    names::kExitKey, names::kExitKeyPressed, Feedback::PictureAndCursor, &shared::kBackTip};

inline constexpr Place kAufgabe{u"Aufgabe", 8760, 1380, 3240, 1095};
inline constexpr Place kErgebnisTafel{u"ErgebnisTafel", 12000, 1470, 1800, 915};
inline constexpr Place kEingabe{u"Eingabe", 12060, 1530, 1680, 795};
inline constexpr Place kSmileyFeld{u"SmileyFeld", 14040, 1560, 735, 735};
inline constexpr Place kTextFeld{u"TextFeld", 11520, 2760, 3480, 1500};

// The number keys as on the series screen: 7 8 9 / 4 5 6 / 1 2 3 / 0.
constexpr std::array<Place, 10> keypad()
{
    std::array<Place, 10> keys{};
    keys[0] = Place{u"Rechner", 9600, 5280, kCellSize, kCellSize};
    for (int d = 1; d <= 9; ++d)
        keys[static_cast<std::size_t>(d)] =
            Place{u"Rechner", 8760 + 840 * ((d - 1) % 3), 4440 - 840 * ((d - 1) / 3), kCellSize, kCellSize};
    return keys;
}
inline constexpr std::array<Place, 10> kRechnerPlaces = keypad();
inline constexpr GroupRow kRechner = groupRow(kRechnerPlaces, series::layout::digitAtRest,
                                              series::layout::digitPressed, Feedback::PictureAndCursor,
                                              series::layout::digitTip);
inline constexpr KeyRow kRadierer{{u"Radierer", 10440, 5340, 735, 615},
    u"RadierButton_klein_liegend.jpg", u"RadierButton_klein_gedrückt.jpg", Feedback::PictureAndCursor, nullptr,
    &series::kSmallEraserName};
inline constexpr KeyRow kOKButton{{u"OKButton", 11640, 4440, 2655, 975},
    u"OK_Button.jpg", u"OK_Button_gedrückt.jpg", Feedback::PictureAndCursor, &series::kThumbTip};

// The legend: one small cell of each level and its name.
inline constexpr int kLegendTop = 6420;
inline constexpr int kLegendStep = 570;
inline constexpr int kLegendCell = 480;
inline constexpr int kLegendLeft = 8760;
inline constexpr int kLegendTextLeft = 9360;
inline constexpr int kLegendTextWidth = 5520;

} // namespace mk::lernstand::layout
