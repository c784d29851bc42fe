#pragma once

// Texts of learning in a row in the six languages: the message line, the
// tooltips and the help page.

#include "frame/language.h"
#include "frame/shared_texts.h"

// Every text is kept letter for letter: blanks, spellings and all.

namespace mk::series {

inline constexpr LangTexts kResultLabel{{
    u"Das Ergebnis: ",
    u"The result: ",
    u"El resultadofrf: ",
    u"Le résultat:  ",
    u"Het resultaatit: ",
    u"Il risultato: ",
}};

// Followed by the digit and ")".
inline constexpr LangTexts kDigitTip{{
    u" Zahl eingeben (",
    u" Enter number (",
    u" Ingrese el número (",
    u" Entrez le numéro (",
    u" Voer nummer in (",
    u" Inserisci numero (",
}};

// Followed by the row and ")".
inline constexpr LangTexts kRowTip{{
    u" Die Reihe bestimmen (",
    u" Determine the row (",
    u" Determinar la fila (",
    u" Déterminez la ligne (",
    u" Bepaal de rij (",
    u" Determina la riga (",
}};

// The red, blue and green brushes; the black one has none.
inline constexpr LangTexts kBrushTip{{
    u" Diese Farbe wählen ",
    u" Choose this color ",
    u" Elige este color ",
    u" Choisissez cette couleur ",
    u" Kies deze kleur ",
    u" Scegli questo colore ",
}};

inline constexpr LangTexts kThumbTip{{
    u" OK - Mein Ergebnis ",
    u" OK - my result ",
    u" OK, mi resultado ",
    u" OK - mon résultat ",
    u" OK - mijn resultaat ",
    u" OK - il mio risultato ",
}};

inline constexpr LangTexts kEyeTip{{
    u" Ergebnis zeigen ",
    u" Show result ",
    u" Mostrar resultado ",
    u" Afficher le résultat ",
    u" Resultaat tonen ",
    u" Mostra risultato ",
}};

inline constexpr LangTexts kEraserTip{{
    u" Löschen / Neubeginn ",
    u" Delete / new beginning ",
    u" Eliminar / nuevo comienzo ",
    u" Supprimer / nouveau début ",
    u" Verwijderen / nieuw begin ",
    u" Elimina / nuovo inizio ",
}};

inline constexpr LangTexts kSignTip{{
    u" Das gewählte Zeichen ",
    u" The chosen sign ",
    u" El signo elegido ",
    u" Le signe choisi ",
    u" Het gekozen teken ",
    u" Il segno scelto ",
}};

inline constexpr LangTexts kTurnTip{{
    u"Zahlen drehen",
    u"Turn numbers",
    u"Girar númerosfr",
    u"Transformer les chiffres",
    u"Draai cijfers",
    u"Giri i numeri",
}};

inline constexpr LangTexts kHelpTitle{{
    u"2) Lernen in Reihe",
    u"2) Learning in Series",
    u"2) Aprendizaje en serie",
    u"2) Apprendre en série",
    u"2) Leren in serie",
    u"2) Apprendimento in serie",
}};

inline constexpr LangTexts kHelp1{{
    u"Hier wählt man unten eine Zahl, eine Reihe aus. Die Taste mit dem Auge ist das Symbol fürs Anschauen. Man schaltet damit eins weite. Also 1x3, 2x3 usw. bis 10x3, wenn man 3 unten gewählt hat. Der Radiergumme löscht das Ganze und man kann neu anfangen. Oder klickt unten auf eine neue Zahl. Rechts davon das gewählte Mal-Symbol.",
    u"Here you select a number, a row below. The key with the eye is the symbol for looking. With it you move on one step at a time. So 1x3, 2x3 and so on up to 10x3 if you chose 3 below. The eraser clears everything and you can start again. Or click on a new number below. To its right is the chosen times sign.",
    u"Aquí puede elegir debajo de un número, una fila. La tecla con el ojo es el símbolo para mirar. Con ella se avanza un paso cada vez que se hace clic. Así 1x3, 2x3, etc. hasta 10x3, si ha elegido el 3 abajo. El borrador lo borra todo y se puede empezar de nuevo. O haga clic abajo en un número nuevo para otra fila. A la derecha se ve el signo de multiplicación elegido.",
    u"Ici, vous pouvez choisir ci-dessous un certain nombre, une rangée. La touche avec l'œil est le symbole pour regarder. On avance d'un pas à la fois. Donc 1x3, 2x3 etc. jusqu'à 10x3, si vous avez choisi 3 en bas. La gomme efface tout et vous pouvez recommencer. Ou cliquez en bas sur un autre nombre. À droite, le signe de multiplication choisi.",
    u"Selecteer hier een cijfer, een rij eronder. De toets met het oog is het symbool voor kijken. Daarmee ga je steeds één stap verder. Dus 1x3, 2x3 enz. tot en met 10x3, als je onderaan 3 hebt gekozen. De gum wist alles en je kunt opnieuw beginnen. Of klik onderaan op een nieuw cijfer. Rechts daarvan het gekozen maalteken.",
    u"Qui selezioni un numero, una riga sotto. Il tasto con l'occhio è il simbolo per guardare. Con esso vai avanti di un passo. Quindi 1x3, 2x3 ecc. fino a 10x3, se hai scelto 3 sotto. La gomma cancella tutto e puoi ricominciare. Oppure fai clic su un altro numero sotto. A destra, il segno per moltiplicare.",
}};

inline constexpr LangTexts kHelp2{{
    u"Die oberen Zahlen, wie ein Taschenrechner, sind zur Eingabe der Antwort gedacht. Hat man sie getippt, dann kann man auf die Taste mit dem Daumen klicken und die Antwort wird überprüft. So kann man entweder selbst geschriebener Antwort lernen, oder einfach nur denken, oder sagen, und klickt auf das Auge, die Taste mit dem Auge, für die Antwort. ",
    u"The upper numbers, like a calculator, are used to enter the answer. When you have typed it, you can click on the key with the thumb and the answer is checked. So you can learn either with your own written answer, or simply think it or say it, then click on the eye, the key with the eye, for the answer. ",
    u"Los números superiores como una calculadora sirven para introducir la respuesta. Una vez escrita, haga clic en la tecla con el pulgar y la respuesta se comprueba. Así se puede aprender con la respuesta escrita por uno mismo, o simplemente pensarla o decirla en voz alta, y luego hacer clic en el ojo, la tecla con el ojo, para ver la respuesta.",
    u"Les chiffres du haut comme une calculatrice servent à entrer la réponse. Une fois tapée, cliquez sur la touche avec le pouce et la réponse est vérifiée. Vous pouvez ainsi apprendre avec votre propre réponse écrite, ou seulement y penser ou la dire à voix haute, et cliquer sur l'œil, la touche avec l'œil, pour la réponse.",
    u"De bovenste cijfers, zoals een rekenmachine, zijn om het antwoord in te voeren. Heb je het getypt, klik dan op de toets met de duim en het antwoord wordt nagekeken. Zo leer je met een eigen geschreven antwoord, of je denkt of zegt het gewoon, en klikt dan op het oog, de toets met het oog, voor het antwoord.",
    u"I numeri superiori, come una calcolatrice, servono per inserire la risposta. Dopo averla digitata, fai clic sul tasto con il pollice e la risposta viene controllata. Così impari con la tua risposta scritta, oppure solo pensandola o dicendola, e poi fai clic sull'occhio, il tasto con l'occhio, per la risposta.",
}};

inline constexpr LangTexts kHelp3{{
    u"Die Pinsel und Farben können genutzt werden um die Zahlen der Antworten zu färben.",
    u"The brushes and colors can be used to color the numbers of the answers.",
    u"Los pinceles y los colores se pueden usar para colorear los números de las respuestas.",
    u"Les pinceaux et les couleurs peuvent être utilisés pour colorier les nombres des réponses.",
    u"De penselen en kleuren kunnen worden gebruikt om de nummers van de antwoorden in te kleuren.",
    u"I pennelli e i colori possono essere usati per colorare i numeri delle risposte.",
}};

// The small eraser has no tooltip; this names it for assistive technology.
inline constexpr LangTexts kSmallEraserName{{
    u"Antwort löschen",
    u"Erase the answer",
    u"Borrar la respuesta",
    u"Effacer la réponse",
    u"Antwoord wissen",
    u"Cancella la risposta",
}};

} // namespace mk::series
