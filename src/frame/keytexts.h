#pragma once

// Names for assistive technology of the keys every screen shares, in the
// six languages (D, E, S, F, NL, I): what a key is for where it carries no
// tooltip, and the state a key's picture shows.

#include "language.h"

#include <array>
#include <cstddef>

namespace mk::keytexts {

inline constexpr LangTexts kEar{{u"Ton", u"Sound", u"Sonido", u"Son", u"Geluid", u"Suono"}};
inline constexpr LangTexts kSoundOn{
    {u"Ton ist an", u"Sound is on", u"El sonido está activado", u"Le son est activé", u"Geluid staat aan", u"Il suono è attivo"}};
inline constexpr LangTexts kSoundOff{
    {u"Ton ist aus", u"Sound is off", u"El sonido está desactivado", u"Le son est désactivé", u"Geluid staat uit", u"Il suono è disattivato"}};

inline constexpr LangTexts kHelp{{u"Hilfe", u"Help", u"Ayuda", u"Aide", u"Help", u"Aiuto"}};
inline constexpr LangTexts kHelpOpen{
    {u"Hilfe ist offen", u"Help is open", u"La ayuda está abierta", u"L'aide est ouverte", u"Help is open", u"L'aiuto è aperto"}};
inline constexpr LangTexts kHelpClosed{
    {u"Hilfe ist zu", u"Help is closed", u"La ayuda está cerrada", u"L'aide est fermée", u"Help is gesloten", u"L'aiuto è chiuso"}};

inline constexpr LangTexts kLeave{
    {u"Zurück zum Start", u"Back to the start", u"Volver al inicio", u"Retour au début", u"Terug naar het begin", u"Torna all'inizio"}};

// By colour index: black, red, blue, green.
inline constexpr std::array<LangTexts, 4> kBrushes{{
    {{u"Schwarzer Pinsel", u"Black brush", u"Pincel negro", u"Pinceau noir", u"Zwarte kwast", u"Pennello nero"}},
    {{u"Roter Pinsel", u"Red brush", u"Pincel rojo", u"Pinceau rouge", u"Rode kwast", u"Pennello rosso"}},
    {{u"Blauer Pinsel", u"Blue brush", u"Pincel azul", u"Pinceau bleu", u"Blauwe kwast", u"Pennello blu"}},
    {{u"Grüner Pinsel", u"Green brush", u"Pincel verde", u"Pinceau vert", u"Groene kwast", u"Pennello verde"}},
}};

inline QString brushName(std::size_t language, int index)
{
    return kBrushes[static_cast<std::size_t>(index)][language].toString();
}

} // namespace mk::keytexts
