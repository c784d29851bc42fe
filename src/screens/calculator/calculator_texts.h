#pragma once

// Texts of the calculator in the six languages: the tooltips of the leave
// and help keys and the help page. The one error message has no translations.

#include "frame/language.h"
#include "frame/shared_texts.h"

namespace mk::calculator::texts {

inline constexpr LangTexts kHelpTitle{{
    u"Der kleine Taschenrechner",
    u"The little calculator",
    u"La pequeña calculadora",
    u"La petite calculatrice",
    u"De kleine rekenmachine",
    u"La piccola calcolatrice",
}};

inline constexpr LangTexts kHelpText{{
    u"In diesem kleinen Taschenrechner kann man auch mal rechnen und Aufgaben ausprobieren.",
    u"In this small calculator you can also calculate times and try out tasks.",
    u"En esta pequeña calculadora también puede calcular tiempos y probar tareas.",
    u"Dans cette petite calculatrice, vous pouvez également calculer des temps et essayer des tâches.",
    u"In deze kleine rekenmachine kun je ook tijden berekenen en taken uitproberen.",
    u"In questa piccola calcolatrice puoi anche calcolare i tempi e provare i compiti.",
}};

inline constexpr QStringView kErrorTitle = u"Error";
inline constexpr QStringView kErrorText = u"You can't divide any number with zero";

} // namespace mk::calculator::texts
