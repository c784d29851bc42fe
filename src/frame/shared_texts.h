#pragma once

// Texts that several screens show alike, kept once. Every text is kept
// letter for letter: blanks, spellings and all.

#include "language.h"

namespace mk::shared {

// The help key's tooltip on every screen that has one.
inline constexpr LangTexts kHelpTip{{
    u" Hilfe ",
    u" Help ",
    u" Ayuda ",
    u" Aide ",
    u" Help ",
    u" Aiuto ",
}};

// The leave key of the bead frame and of the series screen.
inline constexpr LangTexts kBackTip{{
    u" Zurück ",
    u" Back ",
    u" Atrás ",
    u" Retour ",
    u" Terug ",
    u" Indietro ",
}};

// The exit key of the start screen and the calculator's leave key.
inline constexpr LangTexts kExitProgramTip{{
    u" Programm verlassen ",
    u" Exit program",
    u" Salir del programa ",
    u" Quitter le programme ",
    u" Exit-programma ",
    u" Exit program ",
}};

// The message of a row choice on the series and dice screens: label, a line
// break, the row, then the suffix.
inline constexpr LangTexts kRowLabel{{
    u"Die Reihe ",
    u"The number ",
    u"El número ",
    u"Le nombre ",
    u"Het nummer ",
    u"Il numero ",
}};

inline constexpr LangTexts kRowSuffix{{
    u" wurde ausgewählt.",
    u" was chosen.",
    u" fue elegido.",
    u" a été choisi.",
    u" was geselecteerd.",
    u" è stato scelto.",
}};

} // namespace mk::shared
