#pragma once

// File names and colours that the screens load and the artwork generator
// draws; both take them from here, so no name is typed twice. No widgets.

#include "colours.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>

namespace mk::names {

// The twice-sized twin of a picture or cursor for high-density screens:
// "Würfel0.jpg" -> "Würfel0@2x.jpg".
inline QString twinName(const QString &file)
{
    const QString twin = QStringLiteral("@2x");
    const qsizetype dot = file.lastIndexOf(u'.');
    return dot < 0 ? file + twin : file.left(dot) + twin + file.mid(dot);
}

// A number key's picture: "07n.jpg" for 7 at rest, "07g.jpg" pressed.
inline QString numberPicture(int number, QChar state)
{
    return QStringLiteral("%1%2.jpg").arg(number, 2, 10, QLatin1Char('0')).arg(state);
}
inline constexpr QChar kAtRest = u'n';
inline constexpr QChar kPressed = u'g';

// A factor of a task on its tile: "Fläche07.jpg" for 7.
inline QString factorPicture(int factor)
{
    return QStringLiteral("Fläche%1.jpg").arg(factor, 2, 10, QLatin1Char('0'));
}
// The equals tile of a task and the board its answer stands on.
inline constexpr QStringView kEqualsTile = u"Fläche_Gleich.jpg";
inline constexpr QStringView kAnswerSign = u"Schild_Ergebnisse.jpg";

// The tile of a multiplication sign ("x", "*", "."); empty for any other.
inline QString signPicture(QStringView malSymbol)
{
    if (malSymbol == u"x")
        return QStringLiteral("Fläche_malX.jpg");
    if (malSymbol == u"*")
        return QStringLiteral("Fläche_malS.jpg");
    if (malSymbol == u".")
        return QStringLiteral("Fläche_malPunkt.jpg");
    return {};
}

// The brushes, by colour index: the picture and the colour it gives.
struct Brush
{
    QStringView picture;
    colours::Rgb colour;
};
inline constexpr std::size_t kBrushCount = 4;
inline constexpr std::array<Brush, kBrushCount> kBrushes{{
    {u"Pinsel_schwarz.jpg", {0, 0, 0}},
    {u"Pinsel_rot.jpg", {255, 0, 0}},
    {u"Pinsel_blau.jpg", {72, 164, 232}},
    {u"Pinsel_grün.jpg", {0, 192, 0}},
}};

// The bead frame's balls, one colour a rod from the top, and the bare rod.
inline constexpr std::array<QStringView, 10> kRodBalls{{
    u"Kugel_violett.jpg", u"Kugel_rot.jpg", u"Kugel_orange.jpg", u"Kugel_gelb.jpg",
    u"Kugel_grün.jpg", u"Kugel_tannengrün.jpg", u"Kugel_hellblau.jpg", u"Kugel_blau.jpg",
    u"Kugel_violett.jpg", u"Kugel_grau.jpg",
}};
inline constexpr QStringView kBareRod = u"Kugel_Stange.jpg";

// Keys that every screen shares.
inline constexpr QStringView kHelpKey = u"HelpButton.jpg";
inline constexpr QStringView kHelpKeyPressed = u"HelpButton_gedrückt.jpg";
inline constexpr QStringView kHelpKeyOpen = u"HelpPage_Leave.jpg";
inline constexpr QStringView kExitKey = u"ExitButton.jpg";
inline constexpr QStringView kExitKeyPressed = u"ExitButton_gedrückt.jpg";
inline constexpr QStringView kEarOn = u"OhrN.jpg";
inline constexpr QStringView kEarOnPressed = u"OhrN_gedrückt.jpg";
inline constexpr QStringView kEarOffPressed = u"OhrX_gedrückt.jpg";
inline constexpr QStringView kHandCursor = u"Hand1.ico";
inline constexpr QStringView kPressingHandCursor = u"Hand3.ico";

} // namespace mk::names
