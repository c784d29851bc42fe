#pragma once

#include "frame/language.h"

// The links page's texts, one cell per language (D, E, S, F, NL, I).
namespace mk::weblinks::texts {

inline constexpr LangTexts kIntro{{
    u"Diese Link führen zu einigen meiner Webseiten. Es handelt sich um Themen meiner Kunst und meiner kostenlosen Software.",
    u"Here I present some of my sites. They deal with my art or present my free software.",
    u"Este enlace (link) conduce a algunos de mis sitios web. Estos son temas de mi arte y mi software libre.",
    u"Ce lien mène à certains de mes sites Web. Ce sont des sujets de mon art et de mon logiciel libre.",
    u"Deze link leidt naar een aantal van mijn websites. Dit zijn onderwerpen van mijn kunst en mijn gratis software.",
    u"Questo link porta ad alcuni dei miei siti web, che sono argomenti della mia arte e del mio software gratuito.",
}};

inline constexpr LangTexts kExitTooltip{{
    u" Verlassen ", u" Exit ", u" Abandonar ", u" Quitter ", u" Exit ", u"Esci",
}};

// The entries of the program's own pages: what a click opens, and the
// languages of the page (the main page speaks the program's language).
inline constexpr LangTexts kMainPageCaption{{
    u"Malkobold: die Seite für Eltern (Deutsch)",
    u"Malkobold: the page for parents (English)",
    u"Malkobold: la página para los padres (Español)",
    u"Malkobold : la page pour les parents (Français)",
    u"Malkobold: de pagina voor ouders (Nederlands)",
    u"Malkobold: la pagina per i genitori (Italiano)",
}};

inline constexpr LangTexts kAboutCaption{{
    u"Über Malkobold und seine Bilder (Deutsch, English)",
    u"About Malkobold and its pictures (Deutsch, English)",
    u"Sobre Malkobold y sus imágenes (Deutsch, English)",
    u"À propos de Malkobold et de ses images (Deutsch, English)",
    u"Over Malkobold en zijn plaatjes (Deutsch, English)",
    u"Su Malkobold e le sue immagini (Deutsch, English)",
}};

inline constexpr LangTexts kPicturesCaption{{
    u"Galerie: alle Bilder von Malkobold (Deutsch, English)",
    u"Gallery: every picture of Malkobold (Deutsch, English)",
    u"Galería: todas las imágenes de Malkobold (Deutsch, English)",
    u"Galerie : toutes les images de Malkobold (Deutsch, English)",
    u"Galerij: alle plaatjes van Malkobold (Deutsch, English)",
    u"Galleria: tutte le immagini di Malkobold (Deutsch, English)",
}};

inline constexpr LangTexts kSupportCaption{{
    u"Malkobold unterstützen: Fehler melden, übersetzen (Deutsch, English)",
    u"Support Malkobold: report problems, translate (Deutsch, English)",
    u"Apoyar Malkobold: informar de errores, traducir (Deutsch, English)",
    u"Soutenir Malkobold : signaler des erreurs, traduire (Deutsch, English)",
    u"Malkobold steunen: fouten melden, vertalen (Deutsch, English)",
    u"Sostenere Malkobold: segnalare errori, tradurre (Deutsch, English)",
}};

// The heading: one word for every language, as the layout has it.
inline constexpr QStringView kHeading = u"Links";

} // namespace mk::weblinks::texts
