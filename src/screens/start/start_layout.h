#pragma once

#include "frame/window.h"

#include <array>

// Where everything on the start screen sits, in twips.
namespace mk::start::layout {

inline constexpr int kWidth = 12300;
inline constexpr int kHeight = 9585;

// The help panel's place once the screen has loaded.
inline constexpr int kHelpLeft = 120;
inline constexpr int kHelpTop = 120;

inline constexpr Place kFrame3{u"Frame3", 720, 9120, 9495, 9375};
inline constexpr Place kLabel4{u"Label4", 240, 360, 9015, 855};
inline constexpr Place kLabel1{u"Label1", 240, 1200, 9015, 2895};
inline constexpr Place kLabel2{u"Label2", 240, 4200, 9015, 2295};
inline constexpr Place kLabel3{u"Label3", 240, 6600, 9015, 2415};
inline constexpr Place kFrame1{u"Frame1", 240, 6240, 9255, 2295};
inline constexpr Place kTextFeld{u"TextFeld", 120, 240, 8895, 1935};
inline constexpr Place kFrame2{u"Frame2", 5280, 120, 3615, 1695};
inline constexpr Place kTextFeldKlein{u"TextFeld_klein", 240, 240, 3135, 1455};
inline constexpr Place kVersionsfeld{u"Versionsfeld", 600, 2110, 9615, 735};
inline constexpr Place kGewaehltesMalzeichen{u"GewähltesMalzeichen", 9600, 6360, 975, 855};
inline constexpr Place kCopyRightText{u"CopyRightText", 120, 8760, 10215, 735};
inline constexpr Place kMalX{u"MalX", 10800, 6360, 1215, 855};
inline constexpr Place kMalStern{u"MalStern", 10800, 7320, 1215, 855};
inline constexpr Place kMalPunkt{u"MalPunkt", 10800, 8280, 1215, 855};
inline constexpr Place kWebTaste{u"WebTaste", 9600, 7920, 735, 735};
inline constexpr Place kImage1{u"Image1", 240, 1920, 10170, 600};
inline constexpr Place kImage6{u"Image6", 240, 5400, 10170, 600};
inline constexpr Place kTitelPic{u"TitelPic", 10440, 1320, 1575, 1935};
inline constexpr Place kExitButton{u"ExitButton", 10680, 240, 1215, 855};
inline constexpr Place kOKButton{u"OKButton", 360, 4320, 2655, 855};
inline constexpr Place kHelpButton{u"HelpButton", 9600, 240, 975, 855};
inline constexpr Place kAudio{u"Audio", 10440, 5280, 1215, 855};
inline constexpr Place kMalZeichenWahl{u"MalZeichenWahl", 3360, 4320, 1215, 855};
inline constexpr Place kTRechnerButton{u"TRechnerButton", 10680, 3360, 1215, 1335};
inline constexpr Place kWuerfel{u"Würfel", 8760, 3840, 1335, 1215};

// Indexed groups: the element's name is the group's name, '_' and its index.
inline constexpr int kLanguageCount = 6;
inline constexpr std::array<Place, kLanguageCount> kSPWahl{{
    {u"SPWahl", 240, 240, 735, 735},  {u"SPWahl", 1080, 240, 735, 735},
    {u"SPWahl", 1920, 240, 735, 735}, {u"SPWahl", 2760, 240, 735, 735},
    {u"SPWahl", 3600, 240, 735, 735}, {u"SPWahl", 4440, 240, 735, 735},
}};
inline constexpr std::array<Place, kLanguageCount> kSprachTaste{{
    {u"SprachTaste", 240, 1080, 735, 735},  {u"SprachTaste", 1080, 1080, 735, 735},
    {u"SprachTaste", 1920, 1080, 735, 735}, {u"SprachTaste", 2760, 1080, 735, 735},
    {u"SprachTaste", 3600, 1080, 735, 735}, {u"SprachTaste", 4440, 1080, 735, 735},
}};
inline constexpr int kNumberCount = 10;
inline constexpr std::array<Place, kNumberCount> kZahl1{{
    {u"Zahl1", 4800, 3720, 735, 735}, {u"Zahl1", 5520, 3720, 735, 735},
    {u"Zahl1", 6240, 3720, 735, 735}, {u"Zahl1", 6960, 3720, 735, 735},
    {u"Zahl1", 7680, 3720, 735, 735}, {u"Zahl1", 4800, 4440, 735, 735},
    {u"Zahl1", 5520, 4440, 735, 735}, {u"Zahl1", 6240, 4440, 735, 735},
    {u"Zahl1", 6960, 4440, 735, 735}, {u"Zahl1", 7680, 4440, 735, 735},
}};
inline constexpr int kMethodCount = 3;
inline constexpr std::array<Place, kMethodCount> kImage2{{
    {u"Image2", 1320, 3120, 855, 975},
    {u"Image2", 3720, 3120, 855, 975},
    {u"Image2", 9120, 3120, 855, 975},
}};

} // namespace mk::start::layout
