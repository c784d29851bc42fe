#pragma once

#include <QString>
#include <QStringView>

#include <array>

// The eight sites of the links page, in the order of the list. The
// program's own pages lie below its home page; the others are free sites
// for children without advertising. A description reads the same in every
// language of the program.
namespace mk::weblinks {

struct Link
{
    QStringView path;      // below the home page, for the program's own pages
    QStringView address;   // a site of its own
    QStringView languages; // the site's languages, in brackets after its address
    QStringView description;
};

inline constexpr std::array<Link, 8> kLinks{{
    {u"", {}, u"Deutsch",
     u"Die Heimat von Malkobold: das Programm zum Herunterladen, Neuigkeiten und Hilfe für Eltern."},
    {u"about/", {}, u"Deutsch, English",
     u"Wer Malkobold gemalt und geschrieben hat, und mehr über die Bilder und die Kunst dahinter.\n\n"
     u"Who drew and wrote Malkobold, and more about the pictures and the art behind them."},
    {{}, u"https://gcompris.net/", u"Deutsch, English, Español, Français, Nederlands, Italiano …",
     u"GCompris: über hundert freie Lernspiele für Kinder von 2 bis 10 Jahren, zum Lesen, Rechnen und "
     u"Entdecken. Ohne Werbung und in vielen Sprachen."},
    {{}, u"https://apps.kde.org/de/ktouch/", u"Deutsch",
     u"KTouch: ein freies Programm, mit dem man Lektion für Lektion das Schreiben mit zehn Fingern übt."},
    {u"drawings/", {}, u"Deutsch",
     u"Eine Galerie mit Zeichnungen von Kindern: beim Spielen, beim Lernen und beim Träumen."},
    {{}, u"https://klexikon.zum.de/wiki/Schach", u"Deutsch",
     u"Das Klexikon, das freie Lexikon für Kinder, erklärt das Schachspiel: das Brett, die Figuren und "
     u"wie sie ziehen."},
    {{}, u"https://de.wikibooks.org/wiki/Musiklehre", u"Deutsch",
     u"Musiklehre, ein freies Buch: Noten lesen lernen und sie auf den Tasten eines Klaviers finden."},
    {u"donate/", {}, u"Deutsch",
     u"Malkobold ist kostenlos und ohne Werbung. Wer helfen möchte, dass es so bleibt, findet hier, wie man "
     u"spenden kann."},
}};

// The full address of a link: its own, or its path below the home page.
inline QString address(const Link &link, const QString &homePage)
{
    return link.address.isNull() ? homePage + link.path.toString() : link.address.toString();
}

// The list entry: the address, then the languages in brackets.
inline QString caption(const Link &link, const QString &homePage)
{
    return address(link, homePage) + QStringLiteral(" (") + link.languages.toString() + u')';
}

} // namespace mk::weblinks
