#pragma once

#include "frame/window.h"

#include <array>

// Where everything on the dice screen sits, in twips. Controls inside a
// frame count from that frame's corner.
namespace mk::random::layout {

inline constexpr int kWidth = 12300;
inline constexpr int kHeight = 9930;

// The help page's place once the screen has loaded.
inline constexpr int kHelpLeft = 120;
inline constexpr int kHelpTop = 120;

inline constexpr Place kFrame2{u"Frame2", 480, 9480, 9255, 9615};
inline constexpr Place kLabel1{u"Label1", 240, 1440, 8775, 2895};
inline constexpr Place kLabel2{u"Label2", 240, 4440, 8775, 2775};
inline constexpr Place kLabel3{u"Label3", 240, 7320, 8775, 1935};
inline constexpr Place kLabel4{u"Label4", 240, 240, 8775, 975};
inline constexpr Place kFrame1{u"Frame1", 360, 7440, 5055, 1815};
inline constexpr Place kTextFeld{u"TextFeld", 120, 240, 4815, 1335};
inline constexpr Place kLabelRechts{u"LabelRechts", 9360, 4920, 1455, 495};
inline constexpr Place kLabelLinks{u"LabelLinks", 2280, 6720, 1455, 495};
inline constexpr Place kPfeilRe{u"pfeilre", 11160, 4440, 990, 705};
inline constexpr Place kPfeilLi{u"pfeilli", 11280, 4080, 990, 705};
inline constexpr Place kImage1{u"Image1", 5640, 5520, 360, 4260};
inline constexpr Place kWuerfel2{u"Würfel2_Button", 7320, 3960, 1335, 1335};
inline constexpr Place kAudio{u"Audio", 3720, 240, 1215, 855};
inline constexpr Place kErgebnisTEXT{u"ErgebnisTEXT", 6960, 2160, 2415, 690};
inline constexpr Place kAntwortSchild{u"AntwortSchild", 6960, 2160, 2415, 735};
inline constexpr Place kWuerfel1{u"Würfel1_Button", 3240, 3960, 1335, 1335};
inline constexpr Place kZahlLinks{u"ZahlLinks", 4080, 2160, 735, 735};
inline constexpr Place kHelpButton{u"HelpButton", 9600, 240, 975, 855};
inline constexpr Place kOKButton{u"OKButton", 4680, 3840, 2535, 975};
inline constexpr Place kExitButton{u"ExitButton", 10680, 240, 1215, 855};
inline constexpr Place kZahlRechts{u"ZahlRechts", 5520, 2160, 735, 735};
inline constexpr Place kMalSymbolBild{u"MalSymbolBild", 1320, 6600, 735, 735};
inline constexpr Place kImage2{u"Image2", 240, 1200, 11730, 600};
inline constexpr Place kGZeichen{u"GZeichen", 6240, 2160, 735, 735};
inline constexpr Place kXZeichen{u"XZeichen", 4800, 2160, 735, 735};
inline constexpr Place kImage3{u"Image3", 240, 3120, 11715, 600};
inline constexpr Place kPfeil{u"Pfeil", 5400, 4800, 855, 615};

// Indexed groups: the element's name is the group's name, '_' and its index.
inline constexpr std::array<Place, 4> kPinsel{{
    {u"Pinsel", 240, 240, 735, 735},
    {u"Pinsel", 1080, 240, 735, 735},
    {u"Pinsel", 1920, 240, 735, 735},
    {u"Pinsel", 2760, 240, 735, 735},
}};

// The digit strip 1..10, three rows of three and the 10 beside the last.
inline constexpr std::array<Place, 10> kZahl1{{
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

// The range keys in two columns, in the order of the ranges.
inline constexpr std::array<Place, 8> kMalBereich{{
    {u"Mal_Bereich", 6120, 5520, 2655, 975},
    {u"Mal_Bereich", 8880, 5520, 2655, 975},
    {u"Mal_Bereich", 6120, 6600, 2655, 975},
    {u"Mal_Bereich", 8880, 6600, 2655, 975},
    {u"Mal_Bereich", 6120, 7680, 2655, 975},
    {u"Mal_Bereich", 8880, 7680, 2655, 975},
    {u"Mal_Bereich", 6120, 8760, 2655, 975},
    {u"Mal_Bereich", 8880, 8760, 2655, 975},
}};

} // namespace mk::random::layout
