#pragma once

#include "screens/balls/balls_texts.h"

#include "frame/names.h"
#include "frame/numbers.h"
#include "frame/rows.h"

#include <array>

// Where everything on the bead frame screen sits, in twips. Controls inside
// a frame count from that frame's corner.
namespace mk::balls::layout {

inline constexpr ScreenRow kWindow{u"B1_KUGELN", 15195, 11385};

// The help page, moved to 120, 120 once the screen has loaded.
inline constexpr HelpRow kHelpPage{
    {u"Frame2", 3480, 11160, 12135, 11295},
    {u"Label4", 600, 720, 10815, 975},
    {{{u"Label1", 480, 2040, 10935, 2775}, {u"Label2", 480, 4920, 10935, 2535}, {u"Label3", 480, 7680, 10935, 2775}}},
    3, 120, 120, 16, 11};
inline constexpr HelpTexts kHelpTexts{&kHelpTitle, {{&kHelp1, &kHelp2, &kHelp3}}};

inline constexpr Place kFrame1{u"Frame1", 12240, 1080, 2775, 4095};
inline constexpr Place kMeldeFeld{u"MeldeFeld", 120, 1560, 2535, 2415};
inline constexpr Place kTextFeld{u"TextFeld", 120, 240, 2535, 1335};
inline constexpr Place kPfeilRadierer{u"PfeilRadierer", 13680, 5400, 990, 705};
inline constexpr Place kAudio{u"Audio", 13680, 9120, 1215, 855};
inline constexpr KeyRow kRadierer{{u"Radierer", 12240, 5160, 1455, 1095},
                                  u"RadierButton.jpg", u"RadierButton_gedrückt.jpg", Feedback::PictureOnly, &kEraserTip};
inline constexpr KeyRow kHelpButton{{u"HelpButton", 12840, 120, 975, 975},
                                    names::kHelpKey, names::kHelpKeyPressed, Feedback::PictureAndCursor, &shared::kHelpTip};
inline constexpr KeyRow kOKButton{{u"OKButton", 12240, 8040, 2775, 975},
                                  u"OK_Button.jpg", u"OK_Button_gedrückt.jpg", Feedback::PictureAndCursor, &kThumbTip};
inline constexpr KeyRow kExitButton{{u"ExitButton", 13800, 120, 1215, 855},
                                    names::kExitKey, names::kExitKeyPressed, Feedback::PictureAndCursor, &shared::kBackTip};
inline constexpr Place kPfeil2{u"Pfeil2", 960, 10320, 975, 855};
inline constexpr Place kPfeil1{u"Pfeil1", 960, 9480, 975, 855};
inline constexpr Place kButtonB{u"ButtonB", 240, 10320, 735, 855};
inline constexpr Place kButtonA{u"ButtonA", 240, 9480, 735, 855};
inline constexpr Place kXButton{u"XButton", 10560, 9480, 975, 855};
inline constexpr Place kErgebnisfeld{u"Ergebnisfeld", 12360, 6360, 2655, 735};
inline constexpr Place kErgebnisTafel{u"ErgebnisTafel", 12240, 6240, 2880, 900};
inline constexpr Place kBalkenRe{u"BalkenRe", 11520, 120, 660, 9240};
inline constexpr Place kBalkenLi{u"BalkenLi", 20, 120, 705, 9240};
inline constexpr Place kImage1{u"Image1", 600, 8685, 11250, 600};
inline constexpr Place kImage2{u"Image2", 480, 120, 11250, 390};
inline constexpr Place kPfeilRunter{u"Pfeil_runter", 13200, 7320, 990, 705};

// Indexed groups: the element's name is the group's name, '_' and its index.
inline constexpr std::array<Place, names::kBrushCount> kPinsel{{
    {u"Pinsel", 11640, 10080, 735, 735},
    {u"Pinsel", 12480, 10080, 735, 735},
    {u"Pinsel", 13320, 10080, 735, 735},
    {u"Pinsel", 14160, 10080, 735, 735},
}};

inline constexpr int kDigitCount = 10;
inline constexpr int kDigitLeft = 2040;
inline constexpr int kDigitStep = 840;
inline constexpr int kDigitSize = 855;

constexpr std::array<Place, kDigitCount> digitRow(QStringView name, int top)
{
    std::array<Place, kDigitCount> row{};
    for (int i = 0; i < kDigitCount; ++i)
        row[static_cast<std::size_t>(i)] = Place{name, kDigitLeft + kDigitStep * i, top, kDigitSize, kDigitSize};
    return row;
}

inline constexpr std::array<Place, kDigitCount> kZahl1Places = digitRow(u"Zahl1", 9480);
inline constexpr std::array<Place, kDigitCount> kZahl2Places = digitRow(u"Zahl2", 10320);

inline QString digitAtRest(int i) { return names::numberPicture(i + 1, names::kAtRest); }
inline QString digitPressed(int i) { return names::numberPicture(i + 1, names::kPressed); }
// The group's text, the key's number and a blank.
inline QString digit1Tip(std::size_t language, int i) { return kDigit1Tip[language].toString() + plain(i + 1) + u' '; }
inline QString digit2Tip(std::size_t language, int i) { return kDigit2Tip[language].toString() + plain(i + 1) + u' '; }

inline constexpr GroupRow kZahl1 = groupRow(kZahl1Places, digitAtRest, digitPressed, Feedback::PictureAndCursor, digit1Tip);
inline constexpr GroupRow kZahl2 = groupRow(kZahl2Places, digitAtRest, digitPressed, Feedback::PictureAndCursor, digit2Tip);

// The bead frame: ten rods stacked from the top, fifteen places each, place 0
// at the left end.
inline constexpr int kRodCount = 10;
inline constexpr int kPlaceCount = 15;
inline constexpr std::array<int, kRodCount> kRodTops{{645, 1440, 2235, 3045, 3840, 4635, 5445, 6240, 7035, 7845}};
inline constexpr std::array<QStringView, kRodCount> kRodNames{{
    u"Stange1", u"Stange2", u"Stange3", u"Stange4", u"Stange5",
    u"Stange6", u"Stange7", u"Stange8", u"Stange9", u"Stange10",
}};
inline constexpr int kPlaceLeft = 720;
inline constexpr int kPlaceStep = 720;
inline constexpr int kPlaceSize = 735;

using Rod = std::array<Place, kPlaceCount>;

constexpr std::array<Rod, kRodCount> rods()
{
    std::array<Rod, kRodCount> all{};
    for (std::size_t r = 0; r < all.size(); ++r) {
        for (std::size_t k = 0; k < all[r].size(); ++k) {
            all[r][k] = Place{kRodNames[r], kPlaceLeft + kPlaceStep * static_cast<int>(k), kRodTops[r],
                              kPlaceSize, kPlaceSize};
        }
    }
    return all;
}

// Stange1 .. Stange10 at indexes 0..9.
inline constexpr std::array<Rod, kRodCount> kStange = rods();

// The row labels stand at the top of their rod's row in the layout; the load
// moves them down by kRowLabelDrop, to the middle of the rod.
inline constexpr int kRowLabelWidth = 735;
inline constexpr int kRowLabelHeight = 375;
inline constexpr int kRowLabelDrop = 195;

constexpr std::array<Place, kRodCount> rowLabels(QStringView name, int left)
{
    std::array<Place, kRodCount> labels{};
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i] = Place{name, left, kRodTops[i], kRowLabelWidth, kRowLabelHeight};
    return labels;
}

inline constexpr std::array<Place, kRodCount> kXfeld = rowLabels(u"Xfeld", 0);
inline constexpr std::array<Place, kRodCount> kYfeld = rowLabels(u"Yfeld", 11340);

} // namespace mk::balls::layout
