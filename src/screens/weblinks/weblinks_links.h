#pragma once

#include "screens/weblinks/weblinks_pages.h"
#include "screens/weblinks/weblinks_texts.h"

#include <QString>
#include <QStringView>

#include <array>

// The eight entries of the links page, in the order of the list. The
// program has no web site: its own entries open pages installed with it,
// the others free sites for children without advertising. A description
// reads the same in every language of the program.
namespace mk::weblinks {

struct Link
{
    QStringView page;            // a page of the program's own, in pages/; empty for the main page
    QStringView address;         // a site of its own
    const LangTexts *caption;    // for the program's own pages: what opens, and in which languages
    QStringView languages;       // for a site: its languages, in brackets after its address
    QStringView description;
};

inline constexpr std::array<Link, 8> kLinks{{
    {u"", {}, &texts::kMainPageCaption, {},
     u"Die Seite für Eltern, mit dem Programm installiert: was Malkobold ist, die drei Wege zum Lernen, das Brett "
     u"der gekonnten Aufgaben, was es sich merkt und wie man es installiert und entfernt."},
    {u"about.html", {}, &texts::kAboutCaption, {},
     u"Wer Malkobold gemacht hat, unter welcher Lizenz es frei ist und wie seine Bilder und Klänge entstehen.\n\n"
     u"Who made Malkobold, under which licence it is free, and how its pictures and sounds are made."},
    {{}, u"https://gcompris.net/", nullptr, u"Deutsch, English, Español, Français, Nederlands, Italiano …",
     u"GCompris: über hundert freie Lernspiele für Kinder von 2 bis 10 Jahren, zum Lesen, Rechnen und "
     u"Entdecken. Ohne Werbung und in vielen Sprachen."},
    {{}, u"https://apps.kde.org/de/ktouch/", nullptr, u"Deutsch",
     u"KTouch: ein freies Programm, mit dem man Lektion für Lektion das Schreiben mit zehn Fingern übt."},
    {u"pictures.html", {}, &texts::kPicturesCaption, {},
     u"Eine Galerie mit allen Bildern von Malkobold: Tasten, Kugeln, Würfel, Zahlen und Gesichter, so wie das "
     u"Programm sie zeigt."},
    {{}, u"https://klexikon.zum.de/wiki/Schach", nullptr, u"Deutsch",
     u"Das Klexikon, das freie Lexikon für Kinder, erklärt das Schachspiel: das Brett, die Figuren und "
     u"wie sie ziehen."},
    {{}, u"https://de.wikibooks.org/wiki/Musiklehre", nullptr, u"Deutsch",
     u"Musiklehre, ein freies Buch: Noten lesen lernen und sie auf den Tasten eines Klaviers finden."},
    {u"support.html", {}, &texts::kSupportCaption, {},
     u"Malkobold ist kostenlos und ohne Werbung und bittet um kein Geld. Hier steht, wie man trotzdem helfen kann: "
     u"Fehler melden, Texte übersetzen, mit Kindern ausprobieren."},
}};

// The address a click opens: the site's own, or the installed page (the
// main page in the current language).
inline QString address(const Link &link)
{
    if (!link.address.isNull())
        return link.address.toString();
    return link.page.isEmpty() ? homePage() : pageAddress(link.page.toString());
}

// A site's list entry: its address, then its languages in brackets.
inline QString siteCaption(const Link &link)
{
    return link.address.toString() + QStringLiteral(" (") + link.languages.toString() + u')';
}

} // namespace mk::weblinks
