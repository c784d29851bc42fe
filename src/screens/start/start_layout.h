#pragma once

#include "screens/start/start_texts.h"

#include "frame/names.h"
#include "frame/numbers.h"
#include "frame/rows.h"

#include <array>

// Where everything on the start screen sits, in twips.
namespace mk::start::layout {

inline constexpr int kWidth = 12300;
inline constexpr int kHeight = 9585;

// The help panel, moved to 120, 120 once the screen has loaded.
inline constexpr HelpRow kHelpPage{
    {u"Frame3", 720, 9120, 9495, 9375},
    {u"Label4", 240, 360, 9015, 855},
    {{{u"Label1", 240, 1200, 9015, 2895}, {u"Label2", 240, 4200, 9015, 2295}, {u"Label3", 240, 6600, 9015, 2415}}},
    3, 120, 120, 13, 13};
inline constexpr HelpTexts kHelpTexts{&kHelpTitle, {{&kHelp1, &kHelp2, &kHelp3}}};

inline constexpr Place kFrame1{u"Frame1", 240, 6240, 9255, 2295};
inline constexpr Place kTextFeld{u"TextFeld", 120, 240, 8895, 1935};
inline constexpr Place kFrame2{u"Frame2", 5280, 120, 3615, 1695};
inline constexpr Place kTextFeldKlein{u"TextFeld_klein", 240, 240, 3135, 1455};
inline constexpr Place kVersionsfeld{u"Versionsfeld", 600, 2110, 9615, 735};
inline constexpr Place kGewaehltesMalzeichen{u"GewähltesMalzeichen", 9600, 6360, 975, 855};
inline constexpr Place kCopyRightText{u"CopyRightText", 120, 8760, 10215, 735};
inline constexpr KeyRow kMalX{{u"MalX", 10800, 6360, 1215, 855},
    u"START_X.jpg", u"START_X_G.jpg", Feedback::PictureAndCursor, &kMalXTip};
inline constexpr KeyRow kMalStern{{u"MalStern", 10800, 7320, 1215, 855},
    u"START_Stern.jpg", u"START_Stern_G.jpg", Feedback::PictureAndCursor, &kMalSternTip};
inline constexpr KeyRow kMalPunkt{{u"MalPunkt", 10800, 8280, 1215, 855},
    u"START_Punkt.jpg", u"START_Punkt_G.jpg", Feedback::PictureAndCursor, &kMalPunktTip};
inline constexpr KeyRow kWebTaste{{u"WebTaste", 9600, 7920, 735, 735},
    u"Web_normal.jpg", u"Web_gedrückt.jpg", Feedback::PictureOnly, &kWebTip};
inline constexpr Place kImage1{u"Image1", 240, 1920, 10170, 600};
inline constexpr Place kImage6{u"Image6", 240, 5400, 10170, 600};
inline constexpr KeyRow kTitelPic{{u"TitelPic", 10440, 1320, 1575, 1935},
    u"TitelPic.jpg", {}, Feedback::CursorOnly, nullptr, &kTitleName};
inline constexpr KeyRow kExitButton{{u"ExitButton", 10680, 240, 1215, 855},
    u"EndeButton_N.jpg", u"EndeButton_G.jpg", Feedback::PictureAndCursor, &shared::kExitProgramTip};
inline constexpr KeyRow kOKButton{{u"OKButton", 360, 4320, 2655, 855},
    u"KugelnTaste_normal.jpg", u"KugelnTaste_gedrückt.jpg", Feedback::PictureAndCursor, &kBallsTip};
inline constexpr KeyRow kHelpButton{{u"HelpButton", 9600, 240, 975, 855},
    names::kHelpKey, names::kHelpKeyPressed, Feedback::PictureAndCursor, &shared::kHelpTip};
inline constexpr Place kAudio{u"Audio", 10440, 5280, 1215, 855};
inline constexpr KeyRow kMalZeichenWahl{{u"MalZeichenWahl", 3360, 4320, 1215, 855},
    u"PButton_normal.jpg", u"PunktButton_gedrückt.jpg", Feedback::PictureAndCursor, &kSeriesTip};
inline constexpr KeyRow kTRechnerButton{{u"TRechnerButton", 10680, 3360, 1215, 1335},
    u"Taschenrechner_normal.jpg", u"Taschenrechner_gedrückt.jpg", Feedback::PictureAndCursor, &kCalculatorTip};
// Above the number keys, where the layout leaves room.
inline constexpr KeyRow kLernstandButton{{u"LernstandButton", 4800, 2900, 3615, 690},
    u"Lernstand_normal.jpg", u"Lernstand_gedrückt.jpg", Feedback::PictureAndCursor, &kLernstandTip};
inline constexpr KeyRow kWuerfel{{u"Würfel", 8760, 3840, 1335, 1215},
    u"Würfel0.jpg", u"Würfel1.jpg", Feedback::PictureAndCursor, &kDieTip};

// Indexed groups: the element's name is the group's name, '_' and its index.
inline constexpr int kLanguageCount = 6;
inline constexpr std::array<Place, kLanguageCount> kSPWahlPlaces{{
    {u"SPWahl", 240, 240, 735, 735},  {u"SPWahl", 1080, 240, 735, 735},
    {u"SPWahl", 1920, 240, 735, 735}, {u"SPWahl", 2760, 240, 735, 735},
    {u"SPWahl", 3600, 240, 735, 735}, {u"SPWahl", 4440, 240, 735, 735},
}};
inline constexpr std::array<Place, kLanguageCount> kSprachTastePlaces{{
    {u"SprachTaste", 240, 1080, 735, 735},  {u"SprachTaste", 1080, 1080, 735, 735},
    {u"SprachTaste", 1920, 1080, 735, 735}, {u"SprachTaste", 2760, 1080, 735, 735},
    {u"SprachTaste", 3600, 1080, 735, 735}, {u"SprachTaste", 4440, 1080, 735, 735},
}};
inline constexpr int kNumberCount = 10;
inline constexpr std::array<Place, kNumberCount> kZahl1Places{{
    {u"Zahl1", 4800, 3720, 735, 735}, {u"Zahl1", 5520, 3720, 735, 735},
    {u"Zahl1", 6240, 3720, 735, 735}, {u"Zahl1", 6960, 3720, 735, 735},
    {u"Zahl1", 7680, 3720, 735, 735}, {u"Zahl1", 4800, 4440, 735, 735},
    {u"Zahl1", 5520, 4440, 735, 735}, {u"Zahl1", 6240, 4440, 735, 735},
    {u"Zahl1", 6960, 4440, 735, 735}, {u"Zahl1", 7680, 4440, 735, 735},
}};
inline constexpr int kMethodCount = 3;
inline constexpr std::array<Place, kMethodCount> kImage2Places{{
    {u"Image2", 1320, 3120, 855, 975},
    {u"Image2", 3720, 3120, 855, 975},
    {u"Image2", 9120, 3120, 855, 975},
}};

inline QString flagPicture(int k)
{
    static constexpr std::array<QStringView, kLanguageCount> flags{
        {u"DE_normal.jpg", u"Engl_normal.jpg", u"Sp_normal.jpg", u"F_normal.jpg", u"NL_normal.jpg", u"I_normal.jpg"}};
    return flags[static_cast<std::size_t>(k)].toString();
}
inline QString languageTip(std::size_t language, int k)
{
    return kLanguageKeyTips[static_cast<std::size_t>(k)][language].toString();
}
inline QString rowAtRest(int k) { return names::numberPicture(k + 1, names::kAtRest); }
inline QString rowPressed(int k) { return names::numberPicture(k + 1, names::kPressed); }
// The group's text, a blank, the row and a blank.
inline QString rowTip(std::size_t language, int k)
{
    return kRowTip[language].toString() + u' ' + plain(k + 1) + u' ';
}
// The big digits 1, 2, 3 over the three ways of learning.
inline QString methodDigit(int k)
{
    return QStringLiteral("Digit%1.jpg").arg(k + 1, 2, 10, QLatin1Char('0'));
}

inline constexpr GroupRow kSPWahl = groupRow(kSPWahlPlaces, nullptr, nullptr, Feedback::None, nullptr);
inline constexpr GroupRow kSprachTaste = groupRow(kSprachTastePlaces, flagPicture, nullptr, Feedback::CursorOnly, languageTip);
inline constexpr GroupRow kZahl1 = groupRow(kZahl1Places, rowAtRest, rowPressed, Feedback::PictureAndCursor, rowTip);
inline constexpr GroupRow kImage2 = groupRow(kImage2Places, methodDigit, nullptr, Feedback::None, nullptr);

} // namespace mk::start::layout
