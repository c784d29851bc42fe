#pragma once

#include "frame/window.h"

#include <array>
#include <cstddef>

// Where everything on the learning-in-a-row screen sits, in twips. Controls
// inside a frame count from that frame's corner.
namespace mk::series::layout {

inline constexpr int kWidth = 15195;
inline constexpr int kHeight = 11295;

// The help page's place once the screen has loaded.
inline constexpr int kHelpLeft = 120;
inline constexpr int kHelpTop = 120;

inline constexpr Place kFrame2{u"Frame2", 3840, 10800, 11535, 11055};
inline constexpr Place kLabel1{u"Label1", 840, 1800, 10095, 2895};
inline constexpr Place kLabel2{u"Label2", 840, 4920, 10095, 2775};
inline constexpr Place kLabel3{u"Label3", 840, 7920, 10095, 2775};
inline constexpr Place kLabel4{u"Label4", 840, 480, 10095, 975};
inline constexpr Place kFrame1{u"Frame1", 11880, 2280, 3135, 5295};
inline constexpr Place kTextFeld{u"TextFeld", 240, 240, 2655, 4695};
inline constexpr Place kDrehPfeil{u"DrehPfeil", 12000, 7800, 1215, 855};
inline constexpr Place kAudio{u"Audio", 13800, 7800, 1215, 855};
inline constexpr Place kRadierer2{u"Radierer2", 10200, 7320, 1455, 1095};
inline constexpr Place kAugeButton{u"AugeButton", 8880, 7200, 1335, 1335};
inline constexpr Place kRadiererKlein{u"RadiererKlein", 10680, 3720, 735, 615};
inline constexpr Place kHelpButton{u"HelpButton", 12720, 360, 975, 855};
inline constexpr Place kOKButton{u"OKButton", 8880, 5520, 2655, 975};
inline constexpr Place kExitButton{u"ExitButton", 13680, 360, 1215, 855};
inline constexpr Place kMalSymbolBild{u"MalSymbolBild", 13200, 9600, 735, 735};
inline constexpr Place kImage2{u"Image2", 240, 240, 8250, 600};
inline constexpr Place kImage1{u"Image1", 240, 840, 540, 8880};
inline constexpr Place kErgebnisfeld{u"Ergebnisfeld", 9000, 4680, 2415, 615};
inline constexpr Place kErgebnisTafel{u"ErgebnisTafel", 8880, 4560, 2640, 900};
inline constexpr Place kBalkenLi{u"BalkenLi", 7920, 840, 540, 8880};
inline constexpr Place kImage3{u"Image3", 240, 9645, 8235, 600};

// Indexed groups: the element's name is the group's name, '_' and its index.
inline constexpr int kKeySize = 735;

inline constexpr int kBrushCount = 4;
inline constexpr std::array<Place, kBrushCount> kPinsel{{
    {u"Pinsel", 11760, 1440, kKeySize, kKeySize},
    {u"Pinsel", 12600, 1440, kKeySize, kKeySize},
    {u"Pinsel", 13440, 1440, kKeySize, kKeySize},
    {u"Pinsel", 14280, 1440, kKeySize, kKeySize},
}};

// The number keys, laid out like a calculator's: 7 8 9 / 4 5 6 / 1 2 3 / 0.
inline constexpr int kDigitCount = 10;
inline constexpr std::array<Place, kDigitCount> kRechner{{
    {u"Rechner", 9840, 3600, kKeySize, kKeySize},
    {u"Rechner", 9000, 1080, kKeySize, kKeySize},
    {u"Rechner", 9840, 1080, kKeySize, kKeySize},
    {u"Rechner", 10680, 1080, kKeySize, kKeySize},
    {u"Rechner", 9000, 1920, kKeySize, kKeySize},
    {u"Rechner", 9840, 1920, kKeySize, kKeySize},
    {u"Rechner", 10680, 1920, kKeySize, kKeySize},
    {u"Rechner", 9000, 2760, kKeySize, kKeySize},
    {u"Rechner", 9840, 2760, kKeySize, kKeySize},
    {u"Rechner", 10680, 2760, kKeySize, kKeySize},
}};

// The row strip: 1..5 above 6..10.
constexpr std::array<Place, kDigitCount> rowStrip()
{
    std::array<Place, kDigitCount> strip{};
    for (int i = 0; i < kDigitCount; ++i)
        strip[static_cast<std::size_t>(i)] = Place{u"Zahl1", 9000 + 840 * (i % 5), 9120 + 840 * (i / 5), kKeySize, kKeySize};
    return strip;
}
inline constexpr std::array<Place, kDigitCount> kZahl1 = rowStrip();

// The task table: ten lines, 840 twips apart, each a column of its own.
inline constexpr int kLines = 10;
inline constexpr int kFirstLineTop = 1200;
inline constexpr int kLineStep = 840;

constexpr std::array<Place, kLines> tableColumn(QStringView name, int left, int width)
{
    std::array<Place, kLines> column{};
    for (int k = 0; k < kLines; ++k)
        column[static_cast<std::size_t>(k)] = Place{name, left, kFirstLineTop + kLineStep * k, width, kKeySize};
    return column;
}

inline constexpr std::array<Place, kLines> kZReiheLinks = tableColumn(u"ZReiheLinks", 1080, kKeySize);
inline constexpr std::array<Place, kLines> kXZeichen = tableColumn(u"XZeichen", 1800, kKeySize);
inline constexpr std::array<Place, kLines> kZReiheRechts = tableColumn(u"ZReiheRechts", 2520, kKeySize);
inline constexpr std::array<Place, kLines> kGZeichen = tableColumn(u"GZeichen", 3240, kKeySize);
inline constexpr std::array<Place, kLines> kAntwortSchild = tableColumn(u"AntwortSchild", 3960, 2175);
inline constexpr std::array<Place, kLines> kSmileyFeld = tableColumn(u"SmileyFeld", 6120, kKeySize);
inline constexpr std::array<Place, kLines> kPfeilFeld = tableColumn(u"PfeilFeld", 6960, kKeySize);

// The result labels lie on the answer signs, not quite in step with them.
inline constexpr std::array<Place, kLines> kErgebnisTEXT{{
    {u"ErgebnisTEXT", 3960, 1140, 2175, 690},
    {u"ErgebnisTEXT", 3960, 2010, 2175, 810},
    {u"ErgebnisTEXT", 3960, 2865, 2175, 690},
    {u"ErgebnisTEXT", 3960, 3705, 2175, 690},
    {u"ErgebnisTEXT", 3960, 4545, 2175, 810},
    {u"ErgebnisTEXT", 3960, 5385, 2175, 690},
    {u"ErgebnisTEXT", 3960, 6210, 2175, 810},
    {u"ErgebnisTEXT", 3960, 7050, 2175, 810},
    {u"ErgebnisTEXT", 3960, 7905, 2175, 810},
    {u"ErgebnisTEXT", 3960, 8715, 2175, 810},
}};

} // namespace mk::series::layout
