#pragma once

// Texts of the board of known tasks in the six languages (D, E, S, F, NL, I).

#include "frame/language.h"

#include <array>

namespace mk::lernstand {

// "%1" is the number of known tasks.
inline constexpr LangTexts kKnownCount{{
    u"Das kann ich schon: %1 von 100",
    u"I already know %1 of 100",
    u"Ya me sé %1 de 100",
    u"Je sais déjà %1 sur 100",
    u"Ik ken er al %1 van de 100",
    u"Ne so già %1 su 100",
}};

// Between the factors in a cell's name for screen readers: "7 mal 3".
inline constexpr LangTexts kTimes{{u"mal", u"times", u"por", u"fois", u"keer", u"per"}};

// The levels 0..4, in the cells' names and beside the legend.
inline constexpr std::array<LangTexts, 5> kLevelNames{{
    {{u"noch nie gerechnet", u"not done yet", u"todavía sin hacer", u"pas encore fait", u"nog niet gedaan",
      u"non ancora fatto"}},
    {{u"zuletzt falsch", u"wrong the last time", u"mal la última vez", u"faux la dernière fois",
      u"de vorige keer fout", u"sbagliato l'ultima volta"}},
    {{u"an einem Tag richtig", u"right on one day", u"bien un día", u"juste un jour", u"op één dag goed",
      u"giusto in un giorno"}},
    {{u"an zwei Tagen richtig", u"right on two days", u"bien dos días", u"juste deux jours", u"op twee dagen goed",
      u"giusto in due giorni"}},
    {{u"gewusst!", u"known!", u"¡me la sé!", u"je sais !", u"gekend!", u"la so!"}},
}};

inline constexpr LangTexts kPracticeTip{{
    u" Üben ",
    u" Practise ",
    u" Practicar ",
    u" S'entraîner ",
    u" Oefenen ",
    u" Esercitarsi ",
}};

inline constexpr LangTexts kStartHint{{
    u"Drück auf Üben!",
    u"Press Practise!",
    u"¡Pulsa Practicar!",
    u"Appuie sur S'entraîner !",
    u"Druk op Oefenen!",
    u"Premi Esercitarsi!",
}};

inline constexpr LangTexts kPraise{{
    u"Super gemacht! Die Runde ist geschafft.",
    u"Well done! You finished the round.",
    u"¡Muy bien! Has terminado la ronda.",
    u"Bravo ! Tu as fini la partie.",
    u"Goed gedaan! De ronde is klaar.",
    u"Bravissimo! Hai finito il giro.",
}};

inline constexpr LangTexts kNothingToPractise{{
    u"Heute ist alles geübt. Morgen geht es weiter!",
    u"All practised for today. More tomorrow!",
    u"Hoy ya está todo practicado. ¡Mañana seguimos!",
    u"Tout est travaillé pour aujourd'hui. À demain !",
    u"Vandaag is alles geoefend. Morgen verder!",
    u"Per oggi è tutto fatto. Domani si continua!",
}};

inline constexpr LangTexts kHelpTitle{{
    u"Mein 1x1: was ich schon kann",
    u"My times table: what I know",
    u"Mi tabla: lo que ya sé",
    u"Ma table : ce que je sais",
    u"Mijn tafels: wat ik al kan",
    u"La mia tabellina: cosa so già",
}};

inline constexpr LangTexts kHelp1{{
    u"Jedes Feld ist eine Aufgabe: in der ersten Reihe 1x1 bis 10x1, in der letzten 1x10 bis 10x10. Grau: noch nie "
    u"gerechnet. Rot mit Kreuz: zuletzt falsch. Gelb mit einem Punkt, hellgrün mit zwei Punkten: an einem oder an zwei "
    u"Tagen richtig. Grün mit Stern: an drei Tagen richtig, das kannst du!",
    u"Every square is a task: the first row holds 1x1 to 10x1, the last one 1x10 to 10x10. Grey: not done yet. Red "
    u"with a cross: wrong the last time. Yellow with one dot, light green with two dots: right on one or on two days. "
    u"Green with a star: right on three days, you know it!",
    u"Cada casilla es una operación: la primera fila tiene de 1x1 a 10x1, la última de 1x10 a 10x10. Gris: todavía "
    u"sin hacer. Rojo con una cruz: mal la última vez. Amarillo con un punto, verde claro con dos: bien uno o dos "
    u"días. Verde con estrella: bien tres días, ¡te la sabes!",
    u"Chaque case est un calcul : la première ligne va de 1x1 à 10x1, la dernière de 1x10 à 10x10. Gris : pas encore "
    u"fait. Rouge avec une croix : faux la dernière fois. Jaune avec un point, vert clair avec deux : juste un ou deux "
    u"jours. Vert avec une étoile : juste trois jours, tu le sais !",
    u"Elk vakje is een som: de eerste rij is 1x1 tot 10x1, de laatste 1x10 tot 10x10. Grijs: nog niet gedaan. Rood "
    u"met een kruis: de vorige keer fout. Geel met één stip, lichtgroen met twee: op één of twee dagen goed. Groen met "
    u"een ster: op drie dagen goed, die ken je!",
    u"Ogni casella è un'operazione: la prima riga va da 1x1 a 10x1, l'ultima da 1x10 a 10x10. Grigio: non ancora "
    u"fatto. Rosso con una croce: sbagliato l'ultima volta. Giallo con un punto, verde chiaro con due: giusto in uno o "
    u"due giorni. Verde con la stella: giusto in tre giorni, la sai!",
}};

inline constexpr LangTexts kHelp2{{
    u"Die Taste mit der Zielscheibe gibt dir zehn Aufgaben: zuerst die, die du zuletzt falsch hattest, dann die, die "
    u"du gerade lernst, dann neue aus deiner Reihe. Tippe die Antwort auf den Zahlen und drück auf den Daumen. Eine "
    u"falsche Aufgabe kommt am Ende noch einmal.",
    u"The key with the target gives you ten tasks: first those you got wrong, then those you are learning, then new "
    u"ones from your row. Type the answer on the numbers and press the thumb. A task you get wrong comes back at the "
    u"end.",
    u"La tecla con la diana te da diez operaciones: primero las que tuviste mal, luego las que estás aprendiendo, "
    u"luego nuevas de tu fila. Escribe la respuesta con los números y pulsa el pulgar. Una operación mal hecha vuelve "
    u"al final.",
    u"La touche avec la cible te donne dix calculs : d'abord ceux que tu as ratés, puis ceux que tu apprends, puis "
    u"des nouveaux de ta ligne. Tape la réponse sur les chiffres et appuie sur le pouce. Un calcul raté revient à la "
    u"fin.",
    u"De toets met de schietschijf geeft je tien sommen: eerst die je fout had, dan die je aan het leren bent, dan "
    u"nieuwe uit je rij. Typ het antwoord op de cijfers en druk op de duim. Een foute som komt aan het eind terug.",
    u"Il tasto con il bersaglio ti dà dieci operazioni: prima quelle sbagliate, poi quelle che stai imparando, poi "
    u"nuove della tua riga. Scrivi la risposta sui numeri e premi il pollice. Un'operazione sbagliata torna alla "
    u"fine.",
}};

inline constexpr LangTexts kHelp3{{
    u"Auch im Lernen in Reihe zählt jede Antwort, die du mit dem Daumen prüfst. Übe jeden Tag ein bisschen: so wird "
    u"das ganze Feld grün.",
    u"Every answer you check with the thumb when learning in series counts too. Practise a little every day, and the "
    u"whole board turns green.",
    u"También cuenta cada respuesta que compruebas con el pulgar al aprender en serie. Practica un poco cada día y "
    u"todo el tablero se pondrá verde.",
    u"Chaque réponse vérifiée avec le pouce en apprenant en série compte aussi. Entraîne-toi un peu chaque jour : "
    u"tout le tableau deviendra vert.",
    u"Ook elk antwoord dat je bij leren in serie met de duim controleert, telt mee. Oefen elke dag een beetje, dan "
    u"wordt het hele bord groen.",
    u"Conta anche ogni risposta che controlli con il pollice nell'apprendimento in serie. Esercitati un po' ogni "
    u"giorno e tutto il tabellone diventa verde.",
}};

} // namespace mk::lernstand
