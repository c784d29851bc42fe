#pragma once

// Texts of the bead frame in the six languages: the words of the counts and
// the task, the hint for each of the four steps, the tooltips and the help
// page.

#include "frame/language.h"
#include "frame/shared_texts.h"

// Every text is kept letter for letter: blanks, spellings and all.

namespace mk::balls {

inline constexpr LangTexts kPrefix{{
    u" Die ",
    u"The ",
    u"El número ",
    u"Le nombresp ",
    u"De ",
    u"Il numero ",
}};

inline constexpr LangTexts kQuestion{{
    u" wie oft?",
    u" how many times?",
    u" ¿Cuántas veces?",
    u" combien de fois?",
    u" hoe vaak?",
    u" quante volte?",
}};

inline constexpr LangTexts kBallsA{{
    u" Kugeln",
    u" balls",
    u" bolas",
    u" balles ",
    u" ballen ",
    u" palle ",
}};

inline constexpr LangTexts kRows{{
    u" Reihen",
    u" rows",
    u" filas",
    u" rangées",
    u" rijen",
    u" file",
}};

inline constexpr LangTexts kBallsB{{
    u" Kugeln ",
    u" balls",
    u" bolas ",
    u" balles ",
    u" ballen ",
    u" palle ",
}};

inline constexpr std::array<LangTexts, 4> kStepHints{{
    {{u"A:  1. Zahl ist wie viel mal ...",
      u"A: 1st number is how many times ...",
      u"A: 1er número es cuántas veces ...",
      u"A: 1er nombre est combien de fois ...sp",
      u"A: het eerste nummer is hoe vaak ...",
      u"A: Il primo numero è quante volte ...du"}},
    {{u"B:  ... ist wie oft? (2. Zahl)",
      u"B: ... is how many times? (2nd number)sp",
      u"B: ... ¿Cuántas veces? (2º número)",
      u"B: ... est combien de fois? (2ème numéro)",
      u"B: ... is hoe vaak? (2e nummer)",
      u"B: ... è quante volte? (2 ° numero)"}},
    {{u"Taste mit dem Daumen klicken: Ergebnis.",
      u"Click the thumb button. For the result.",
      u"Haga clic con el pulgar: resultado.",
      u"Cliquez avec le pouce: résultat.",
      u"Klik met de duim: resultaat.",
      u"Fare clic con il pollice: risultato."}},
    {{u"Mit dem Radiergummi löschen und dann neu anfangen. Solange man möchte.",
      u"Erase with the eraser and then start over. As long as you want.",
      u"Borrar con el borrador y luego comenzar de nuevo. Todo el tiempo que quieras",
      u"Effacer avec la gomme, puis recommencer. Aussi longtemps que tu veux.",
      u"Wissen met de gum en opnieuw beginnen. Zo lang als je wilt.",
      u"Cancellare con la gomma e ricominciare. Finché vuoi."}},
}};

inline constexpr LangTexts kDigit1Tip{{
    u" 1. Zahl ",
    u" 1st number ",
    u" 1° númbero ",
    u" 1er chiffre ",
    u" 1e nummer ",
    u" Il primo numero:  ",
}};

inline constexpr LangTexts kDigit2Tip{{
    u" 2. Zahl (Reihe) ",
    u" 2nd number (row) ",
    u" 2° númbero  (fila)",
    u" 2ème numéro (ligne) ",
    u" 2e nummer (rij) ",
    u" Il secondo numero:  ",
}};

inline constexpr LangTexts kSignTip{{
    u" Gewähltes Malzeichen ",
    u" Selected mark ",
    u" Marca seleccionada ",
    u" Marque sélectionnée ",
    u" Geselecteerd teken ",
    u" Segno selezionato ",
}};

inline constexpr LangTexts kEraserTip{{
    u" Radieren / Zurücksetzen ",
    u" Erase / Reset ",
    u" Borrar / Restablecer ",
    u" Effacer / Réinitialiser ",
    u" Wissen / resetten ",
    u" Cancella / Ripristina ",
}};

inline constexpr LangTexts kThumbTip{{
    u" OK - zeige Ergebnis ",
    u" OK - show result ",
    u" OK - mostrar el resultado ",
    u" OK - Afficher le résultat ",
    u" OK - toon resultaat ",
    u" OK - mostra risultato ",
}};

inline constexpr LangTexts kArrow1Tip{{
    u" Die erste Zahl wählen ",
    u" Select the first number ",
    u" Seleccionar el primer número ",
    u" Sélectionnez le premier nombre ",
    u" Selecteer het eerste nummer ",
    u" Seleziona il primo numero ",
}};

inline constexpr LangTexts kArrow2Tip{{
    u" Die zweite Zahl wählen ",
    u" Choose the second number ",
    u" Elige el segundo número",
    u" Choisissez le second nombre ",
    u" Kies het tweede nummer ",
    u" Scegli il secondo numero ",
}};

inline constexpr LangTexts kBoardTip{{
    u" Das Ergebnis ",
    u" The result ",
    u" El resultado ",
    u" Le résultat ",
    u" Het resultaat ",
    u" Il risultato ",
}};

inline constexpr LangTexts kHelpTitle{{
    u"1) Das 1x1 verstehen lernen - mit Kugeln.",
    u"1) Understanding The 1x1 - With Balls or Pearls.",
    u"1) Comprender el 1x1 - con viñetas.",
    u"1) Comprendre le 1x1 - avec des puces.",
    u"1) De 1x1 begrijpen - met ballen of parels.",
    u"1) Capire la 1x1 - Con sfere o perle.",
}};

inline constexpr LangTexts kHelp1{{
    u"Hier könnte ihr mit der ersten Zahlenreihe (unten) eine Zahl wählen. Sie ist die Reihe. A: genannt. Mit der zweiten Zahl (B:) könnt ihr dann anklicken wie oft diese Zahl erscheinen soll. Schaut was die Kugeln Euch sagen wollen. Wie funktioniert 1x1, 3x2 und die vielen Möglichkeiten. Die Kugeln helfen Euch das zu verstehen.",
    u"Here you could choose a number with the first row (below). It is the row, called A:. With the second number (B:) you then click how many times this number should appear. See what the balls want to tell you. How do 1x1, 3x2 and the others work? The balls help you understand it.",
    u"Aquí puede elegir un número con la primera fila de números (de abajo). Es la serie llamada A:. Con el segundo número (B:) puede indicar cuántas veces debe salir ese número. Mire lo que las bolas le quieren decir. ¿Cómo funcionan 1x1, 3x2 y todas las demás posibilidades? Las bolas le ayudan a entenderlo.",
    u"Ici vous pouvez choisir un nombre avec la première rangée de chiffres (en bas). C'est la série appelée A:. Avec le second nombre (B:), vous choisissez combien de fois ce nombre doit apparaître. Regardez ce que les balles veulent vous dire. Comment fonctionnent 1x1, 3x2 et les autres possibilités ? Les balles vous aident à le comprendre.",
    u"Hier kun je één nummer kiezen met de eerste rij met cijfers (onderaan). Dat is de rij die A: heet. Met het tweede nummer (B:) klik je dan aan hoe vaak dat nummer moet verschijnen. Kijk eens goed wat de ballen je willen vertellen. Hoe werkt 1x1, 3x2 en al die andere mogelijkheden? Een voorbeeld: drie kinderen delen samen appels. Met drie appels krijgt elk kind er één. Met vier appels blijft er één appel over. De ballen helpen je om dat allemaal te begrijpen.",
    u"Qui puoi scegliere un numero con la prima riga di numeri (in basso). È la serie, chiamata A:. Con il secondo numero (B:) fai clic su quante volte deve comparire il numero. Guarda che cosa ti vogliono dire le palle. Come funzionano 1x1, 3x2 e tutte le altre possibilità? Un esempio: tre bambini si dividono alcune mele. Con tre mele ogni bambino ne riceve una. Con quattro mele ne avanza una. Le palle ti aiutano a capirlo.",
}};

inline constexpr LangTexts kHelp2{{
    u"Spielt mit den Zahlen und schaut euch die Kugeln an. So einfach ist das 1x1 zu verstehen. Wollt ihr das der Computer euch das Ergebnis sagt, dann klickt auf die Taste mit dem Daumen. Im Ergebnis-Feld seht ihr dann das Ergebnis in Zahlen. ",
    u"Play with the numbers and look at the balls. That's how easy it is to understand the 1x1. If you would like the computer to tell you the result, click on the key with the thumb. Then you'll see the result in numbers on the result board.",
    u"Juega con los números y mira las bolas. Así de fácil es entender el 1x1. Si quieres que el ordenador te diga el resultado, haz clic en el botón con el pulgar. Luego verás el resultado en números en el campo del resultado.",
    u"Joue avec les chiffres et regarde les balles. Comprendre le 1x1, c'est si simple. Si tu veux que l'ordinateur te dise le résultat, clique sur la touche du pouce. Tu liras le résultat en chiffres dans la case du résultat.",
    u"Speel met de cijfers en kijk naar de ballen. Zo makkelijk is de 1x1 te begrijpen. Wil je graag dat de computer je de uitkomst vertelt, klik dan maar op de toets met de duim. In het resultaatvak zie je dan meteen de uitkomst in getallen.",
    u"Gioca con i numeri e guarda le palle. Capire la 1x1 è proprio così facile. Se vuoi che sia il computer a dirti il risultato, fai clic sul tasto con il pollice. Nel campo del risultato vedrai poi subito il risultato scritto con le cifre.",
}};

inline constexpr LangTexts kHelp3{{
    u"Habt ihr eine Zahl auf A: geklickt und dann auf B: und wollt es noch einmal mit anderen Zahlen machen? Dann müsst ihr zuerst auf den Radiergummi klicken, damit die Kugeln wieder zurückgeschoben werden und das Ergebnisfeld wieder leer ist. Macht das sooft Ihr wollte. Viel Spaß.",
    u"If you have clicked a number on A: and one on B: and now want to do it all again with some other numbers, you must first click on the eraser. Then all the balls are pushed back to where they were and the result board is empty again. Do this as often as you like. Have fun!",
    u"Si tiene un número en A: presionado y luego en B: y quiere hacerlo otra vez con otros números, primero haga clic en el borrador. Así todas las bolas vuelven a su sitio y el campo del resultado queda vacío de nuevo. Hágalo tantas veces como quiera. ¡Que lo pase bien!",
    u"Si vous avez un nombre sur A: cliqué puis sur B: et que vous voulez recommencer avec d'autres nombres, cliquez d'abord sur la gomme. Les balles reviennent alors à leur place et la case du résultat est de nouveau vide. Faites-le aussi souvent que vous le souhaitez. Amusez-vous bien !",
    u"Heb je eenmaal op A: geklikt en daarna eenmaal op B: en wil je het nog een keer proberen met andere cijfers? Klik dan eerst even op de gum. Dan worden alle ballen weer teruggeschoven naar links en is het resultaatvak weer leeg. Doe dat zo vaak als je maar wilt. Veel plezier ermee!",
    u"Hai fatto clic una volta su A: e poi una volta su B: e adesso vuoi riprovare con altri numeri? Allora devi prima fare un clic sulla gomma, così le palle tornano indietro al loro posto e il campo del risultato è di nuovo vuoto. Fallo tutte le volte che vuoi. Buon divertimento!",
}};

} // namespace mk::balls
