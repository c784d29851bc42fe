#pragma once

#include "screens/series/series_texts.h"

#include "frame/names.h"
#include "frame/numbers.h"
#include "frame/rows.h"

#include <array>
#include <cstddef>

// Where everything on the learning-in-a-row screen sits, in twips. Controls
// inside a frame count from that frame's corner.
namespace mk::series::layout {

inline constexpr ScreenRow kWindow{u"B2_REIHE", 15195, 11295};

// The help page, moved to 120, 120 once the screen has loaded.
inline constexpr HelpRow kHelpPage{
    {u"Frame2", 3840, 10800, 11535, 11055},
    {u"Label4", 840, 480, 10095, 975},
    {{{u"Label1", 840, 1800, 10095, 2895}, {u"Label2", 840, 4920, 10095, 2775}, {u"Label3", 840, 7920, 10095, 2775}}},
    3, 120, 120, 16, 11};
inline constexpr HelpTexts kHelpTexts{&kHelpTitle, {{&kHelp1, &kHelp2, &kHelp3}}};

inline constexpr Place kFrame1{u"Frame1", 11880, 2280, 3135, 5295};
inline constexpr Place kTextFeld{u"TextFeld", 240, 240, 2655, 4695};
inline constexpr Place kAudio{u"Audio", 13800, 7800, 1215, 855};
inline constexpr Place kMalSymbolBild{u"MalSymbolBild", 13200, 9600, 735, 735};
inline constexpr Place kErgebnisfeld{u"Ergebnisfeld", 9000, 4680, 2415, 615};
inline constexpr Place kErgebnisTafel{u"ErgebnisTafel", 8880, 4560, 2640, 900};

// The decoration: bands above and below the task table, bars beside it.
inline constexpr Place kImage2{u"Image2", 240, 240, 8250, 600};
inline constexpr Place kImage3{u"Image3", 240, 9645, 8235, 600};
inline constexpr Place kImage1{u"Image1", 240, 840, 540, 8880};
inline constexpr Place kBalkenLi{u"BalkenLi", 7920, 840, 540, 8880};
inline constexpr QStringView kBandPicture = u"Reihe_Band.jpg";
inline constexpr QStringView kBarPicture = u"Reihe_Leiste.jpg";

inline constexpr KeyRow kExitButton{{u"ExitButton", 13680, 360, 1215, 855},
                                    names::kExitKey, names::kExitKeyPressed, Feedback::PictureAndCursor, &shared::kBackTip};
inline constexpr KeyRow kHelpButton{{u"HelpButton", 12720, 360, 975, 855},
                                    names::kHelpKey, names::kHelpKeyPressed, Feedback::PictureAndCursor, &shared::kHelpTip};
inline constexpr KeyRow kOKButton{{u"OKButton", 8880, 5520, 2655, 975},
                                  u"OK_Button.jpg", u"OK_Button_gedrückt.jpg", Feedback::PictureAndCursor, &kThumbTip};
inline constexpr KeyRow kAugeButton{{u"AugeButton", 8880, 7200, 1335, 1335},
                                    u"Auge_normal.jpg", u"Auge_gedrückt.jpg", Feedback::PictureAndCursor, &kEyeTip};
inline constexpr KeyRow kDrehPfeil{{u"DrehPfeil", 12000, 7800, 1215, 855},
                                   u"DrehPfeil_normal.jpg", u"DrehPfeil_gedrückt.jpg", Feedback::PictureAndCursor,
                                   &kTurnTip};
inline constexpr KeyRow kRadierer2{{u"Radierer2", 10200, 7320, 1455, 1095},
                                   u"RadierButton.jpg", u"RadierButton_gedrückt.jpg", Feedback::PictureAndCursor,
                                   &kEraserTip};
inline constexpr KeyRow kRadiererKlein{{u"RadiererKlein", 10680, 3720, 735, 615},
                                       u"RadierButton_klein_liegend.jpg", u"RadierButton_klein_gedrückt.jpg",
                                       Feedback::PictureAndCursor, nullptr, &kSmallEraserName};

// Indexed groups: the element's name is the group's name, '_' and its index.
inline constexpr int kKeySize = 735;

inline constexpr std::array<Place, names::kBrushCount> kPinsel{{
    {u"Pinsel", 11760, 1440, kKeySize, kKeySize},
    {u"Pinsel", 12600, 1440, kKeySize, kKeySize},
    {u"Pinsel", 13440, 1440, kKeySize, kKeySize},
    {u"Pinsel", 14280, 1440, kKeySize, kKeySize},
}};

// The number keys, laid out like a calculator's: 7 8 9 / 4 5 6 / 1 2 3 / 0.
inline constexpr int kDigitCount = 10;
inline constexpr std::array<Place, kDigitCount> kRechnerPlaces{{
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
inline constexpr std::array<Place, kDigitCount> kZahl1Places = rowStrip();

// The group's text, the number and ")": the digit on a number key, the row
// on the strip.
inline QString digitTip(std::size_t language, int d) { return kDigitTip[language].toString() + plain(d) + u')'; }
inline QString rowTip(std::size_t language, int i) { return kRowTip[language].toString() + plain(i + 1) + u')'; }
// The black brush has no tooltip.
inline QString brushTip(std::size_t language, int i) { return i == 0 ? QString() : kBrushTip[language].toString(); }

inline QString digitAtRest(int d) { return names::numberPicture(d, names::kAtRest); }
inline QString digitPressed(int d) { return names::numberPicture(d, names::kPressed); }
inline QString rowAtRest(int i) { return names::numberPicture(i + 1, names::kAtRest); }
inline QString rowPressed(int i) { return names::numberPicture(i + 1, names::kPressed); }

inline constexpr GroupRow kRechner = groupRow(kRechnerPlaces, digitAtRest, digitPressed, Feedback::PictureAndCursor, digitTip);
inline constexpr GroupRow kZahl1 = groupRow(kZahl1Places, rowAtRest, rowPressed, Feedback::PictureAndCursor, rowTip);

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

// The factor tiles "Fläche01.jpg" .. "Fläche10.jpg".
inline QString factorPicture(int n) { return QStringLiteral("Fläche%1.jpg").arg(n, 2, 10, QLatin1Char('0')); }
inline QString equalsPicture(int) { return QStringLiteral("Fläche_Gleich.jpg"); }
inline QString answerSignPicture(int) { return QStringLiteral("Schild_Ergebnisse.jpg"); }
inline constexpr GroupRow kGZeichenRow = groupRow(kGZeichen, equalsPicture, nullptr, Feedback::None, nullptr);
inline constexpr GroupRow kAntwortSchildRow = groupRow(kAntwortSchild, answerSignPicture, nullptr, Feedback::None, nullptr);

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
