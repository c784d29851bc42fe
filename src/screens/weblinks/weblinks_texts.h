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

// The heading: one word for every language, as the layout has it.
inline constexpr QStringView kHeading = u"Links";

} // namespace mk::weblinks::texts
