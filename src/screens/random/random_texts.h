#pragma once

// Texts of the dice screen in the six languages: the messages it writes
// while the child rolls, the range texts, the tooltips and the help page.

#include "frame/language.h"
#include "frame/shared_texts.h"

// Every text is kept letter for letter: blanks, spellings and all.

#include <array>

namespace mk::random {

inline constexpr LangTexts kTaskLabel{{
    u"Die Aufgabe: ",
    u"The task: ",
    u"La tarea: ",
    u"La tâche:  ",
    u"De taak: ",
    u"Il compito: ",
}};

inline constexpr LangTexts kResultLabel{{
    u"Das Ergebnis: ",
    u"The result: ",
    u"El resultado: ",
    u"Le résultat:  ",
    u"Het resultaatit: ",
    u"Il risultato: ",
}};

// The range keys' texts, the same in every language, by range key 0..7:
// the second die's tooltip, the message and the label beside the ranges.
struct RangeTexts
{
    QStringView dieTip;
    QStringView message;
    QStringView label;
};
inline constexpr std::array<RangeTexts, 8> kRangeTexts{{
    {u" 2 - 4 ", u"2 - 4", u"2 - 4"},
    {u" 3 - 5 ", u"3 - 5", u"3 - 5"},
    {u" 4 - 6", u"4 - 6", u"4 - 6"},
    {u" 5 - 7 ", u"5 - 7", u"5 - 7"},
    {u" 6 - 8 ", u" 6 - 8 ", u"6 - 8"},
    {u" 7 - 9 ", u"7 - 9", u"7 - 9"},
    {u" 3 - 7 ", u"3 - 7", u"3 - 7"},
    {u" 6 - 9 ", u"6 - 9", u"6 - 9"},
}};

inline constexpr LangTexts kExitTip{{
    u" Zurück ",
    u" Back ",
    u" Espalda ",
    u" Retour ",
    u" Terug ",
    u" Indietro ",
}};

// Followed by the row number and ")".
inline constexpr LangTexts kRowTipPrefix{{
    u" Die Reihe bestimmen (",
    u" Determine the row (",
    u" Determine la fila (",
    u" Déterminer la rangée (",
    u" Bepaal de rij (",
    u" Determina la riga (",
}};

// The red, blue and green brushes; the black one keeps the layout's.
inline constexpr LangTexts kBrushTip{{
    u" Diese Farbe wählen ",
    u" Choose this color ",
    u" Elige este color ",
    u" Choisissez cette couleur ",
    u" Kies deze kleur ",
    u" Determina la riga ",
}};

inline constexpr LangTexts kThumbTip{{
    u" OK - Mein Ergebnis ",
    u" Nächste Aufgabe ",
    u" Siguiente tarea ",
    u" Prochaine tâche ",
    u" Volgende taak ",
    u" Prossima attività ",
}};

inline constexpr LangTexts kFirstDieTip{{
    u" Ergebnis zeigen ",
    u" OK - my result ",
    u" Mostrar resultado ",
    u" Afficher le résultat ",
    u" Resultaat weergeven ",
    u" Mostra il risultato ",
}};

inline constexpr LangTexts kSignTip{{
    u" Das gewählte Zeichen ",
    u" The selected character ",
    u" El personaje seleccionado ",
    u" Le personnage sélectionnésp ",
    u" Het geselecteerde personage ",
    u" Il personaggio selezionato ",
}};

// Every range key carries the same tooltip.
inline constexpr LangTexts kRangeTip{{
    u" Mehrere Reihen gemischt ",
    u" Mixed numbers ",
    u" Números mixtos ",
    u" Numéros mixtes ",
    u" Gemengde nummers ",
    u" Numeri misti ",
}};

// The help page: its title and three paragraphs.
inline constexpr LangTexts kHelpTitle{{
    u"3) Aufgaben in zufälliger Reihenfolge",
    u"3) Tasks in Random Order",
    u"3) Tareas en orden aleatorio",
    u"3) Tâches dans un ordre aléatoire",
    u"3) Taken in willekeurige volgorde",
    u"3) Attività in ordine casuale",
}};

inline constexpr LangTexts kHelp1{{
    u"Dies ist die letzte Funktion. Die sollte man erst machen, wenn man schon mit 1 und 3 gelernt hat. Man klickt auf eine Zahl (unten) um eine Reihe zu lernen. Mit dem Würfel bekommt man eine neue Aufgabe.",
    u"This is the last function, best used only once you have already learned with 1 and 3. Click on a number (below) to learn its row. With the die you get a new task each time.",
    u"Esta es la última función, que conviene hacer solo cuando ya se ha aprendido con 1 y 3. Haga clic en un número (abajo) para aprender toda una fila. Y con el dado se consigue una nueva tarea.",
    u"Ceci est la dernière fonction, qu'il vaut mieux ne faire que lorsqu'on a déjà appris avec 1 et 3. On clique sur un nombre (en bas) pour apprendre une rangée. Avec le dé, on reçoit à chaque fois une nouvelle tâche.",
    u"Dit is de laatste functie, die je pas moet doen als je al met 1 en 3 goed hebt geleerd. Je klikt op een getal (hieronder) om een hele rij te leren. Met de dobbelsteen krijg je telkens weer een nieuwe opgave.",
    u"Questa è l'ultima funzione, da fare solo dopo avere già imparato con 1 e 3. Si fa clic su un numero (qui sotto) per imparare una riga. Con il dado si ottiene sempre un nuovo compito.",
}};

inline constexpr LangTexts kHelp2{{
    u"Mit der Daumentaste kann man sich die Antwort anschauen und mit dem Vergleichen was man etweder im Kopf hat, oder was man laut vor sich hersagte. Dann diese Aufgabe nochmal laut lesen, damit sie sich einprägt. Vor allem wenn die eigene Antwort falsch war. Wenn man bei 2x4 nicht 8 gesagt hat, dann liest man ein paar Mal: 2 x 4 ist 8, 2 x 4 ist 8.",
    u"With the thumb key you can look at the answer and compare it with what you had in your head or said out loud. Then read this task out loud once more so that it sticks in your memory. Above all, if your own answer was wrong. If you did not say 8 for 2x4, read a few times: 2 x 4 is 8, 2 x 4 is 8.",
    u"Con el botón para el pulgar puede mirar la respuesta y compararla con lo que tenía en su cabeza o lo que dijo en voz alta. Luego lea de nuevo esta tarea en voz alta para que se le quede grabada. Sobre todo, si su propia respuesta no era la correcta. Si para 2x4 no ha dicho 8, entonces lea unas cuantas veces más en voz alta: 2 x 4 son 8, 2 x 4 son 8.",
    u"Avec le bouton du pouce, on peut regarder la réponse et la comparer avec ce que l'on avait en tête ou ce qu'on a dit à voix haute. Ensuite, on relit cette tâche à voix haute pour qu'elle reste bien en mémoire. Surtout si sa propre réponse était fausse. Si l'on n'a pas dit 8 pour 2x4, on relit plusieurs fois : 2 x 4 font 8, 2 x 4 font 8.",
    u"Met de duimtoets kun je het juiste antwoord bekijken en vergelijken met wat je zelf in je hoofd had of hardop zei. Lees deze opgave daarna nog eens hardop voor, zodat ze goed in je geheugen blijft hangen. Vooral als je eigen antwoord niet goed was. Als je bij 2x4 geen 8 hebt gezegd, lees je een paar keer: 2 x 4 is 8, 2 x 4 is 8.",
    u"Con la chiave del pollice puoi guardare la risposta e confrontarla con quello che avevi nella testa o che hai detto ad alta voce. Poi rileggi questo compito ad alta voce, così ti resta ben in mente. Soprattutto se la tua risposta era proprio sbagliata. Se per 2x4 non hai detto 8, rileggi un paio di volte: 2 x 4 fa 8, 2 x 4 fa 8.",
}};

inline constexpr LangTexts kHelp3{{
    u"Zum besseren Einprägen kann man sie auch andersherum aufsagen: 4 x 2 ist 8, da das immer das gleiche Ergebnis bringt. Der erste Würfel ist für das Rechnen mit eine Zahl. Der zweite Würfel ist für die den nächsten Schritt. Verschiedene Zahlen. Rechts kann man wähl von wo bis wo der Zahlenbereich gehen soll. Das ist der schwerste und letzte Schritt, den man zum Lernen gehen kann.",
    u"For better memorizing, you can also say it the other way round: 4 x 2 is 8, since that always gives the same result. The first die is for working with one number. The second die is for the next step: different numbers. On the right you choose from where to where the range of numbers should go. That is the hardest and last step you can take to learn.",
    u"Para una mejor memorización, también puede decirla al revés: 4 x 2 son 8, porque siempre da el mismo resultado. El primer dado sirve para calcular con un número. El segundo dado es para el paso siguiente: números diferentes. A la derecha, uno elige desde dónde hasta dónde debe ir el rango de números. Es el paso más difícil y el último para aprender.",
    u"Pour mieux mémoriser, on peut aussi la dire dans l'autre sens : 4 x 2 font 8, car cela donne toujours le même résultat. Le premier dé sert à calculer avec un seul nombre. Le deuxième dé est pour l'étape suivante : des nombres différents. À droite, on choisit d'où à où va la plage de nombres. C'est l'étape la plus difficile et la dernière que l'on fait pour apprendre.",
    u"Om beter te onthouden, kun je het ook omgekeerd opzeggen: 4 x 2 is 8, want dat geeft altijd hetzelfde antwoord. De eerste dobbelsteen is om met één getal te rekenen. De tweede dobbelsteen is voor de volgende stap: verschillende getallen. Rechts kies je van waar tot waar het getallenbereik moet gaan. Dat is de moeilijkste en laatste stap die je bij het leren kunt zetten.",
    u"Per una migliore memorizzazione, puoi anche ripeterlo al contrario: 4 x 2 fa 8, perché dà sempre lo stesso risultato. Il primo dado serve per calcolare con un numero. Il secondo dado è per il passo successivo: numeri diversi. A destra puoi scegliere da dove a dove deve andare l'intervallo di numeri. Ed è il passo più difficile e l'ultimo che si può fare per imparare.",
}};

// The second die's tooltip comes with a range; until then this names it
// for assistive technology.
inline constexpr LangTexts kSecondDieName{{
    u"Zweiter Würfel",
    u"Second die",
    u"Segundo dado",
    u"Second dé",
    u"Tweede dobbelsteen",
    u"Secondo dado",
}};

} // namespace mk::random

