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

// Names of the keys, which carry no tooltips, for assistive technology.
inline constexpr LangTexts kPointName{{u"Komma", u"Decimal point", u"Coma decimal", u"Virgule", u"Komma", u"Virgola"}};
inline constexpr LangTexts kPlusName{{u"Plus", u"Plus", u"Más", u"Plus", u"Plus", u"Più"}};
inline constexpr LangTexts kMinusName{{u"Minus", u"Minus", u"Menos", u"Moins", u"Min", u"Meno"}};
inline constexpr LangTexts kMultiplyName{{u"Mal", u"Times", u"Por", u"Fois", u"Keer", u"Per"}};
inline constexpr LangTexts kDivideName{
    {u"Geteilt durch", u"Divided by", u"Dividido entre", u"Divisé par", u"Gedeeld door", u"Diviso"}};
inline constexpr LangTexts kResultName{{u"Ergebnis", u"Result", u"Resultado", u"Résultat", u"Resultaat", u"Risultato"}};
inline constexpr LangTexts kClearName{
    {u"Alles löschen", u"Clear all", u"Borrar todo", u"Tout effacer", u"Alles wissen", u"Cancella tutto"}};
inline constexpr LangTexts kClearEntryName{
    {u"Eingabe löschen", u"Clear entry", u"Borrar entrada", u"Effacer la saisie", u"Invoer wissen", u"Cancella voce"}};
inline constexpr LangTexts kBlankName{{u"Leere Taste", u"Blank key", u"Tecla vacía", u"Touche vide", u"Lege toets", u"Tasto vuoto"}};

// A digit key is named by its digit in every language.
inline QString digitName(std::size_t, int digit)
{
    return QString::number(digit);
}

} // namespace mk::calculator::texts
