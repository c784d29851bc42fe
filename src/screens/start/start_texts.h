#pragma once

// Texts of the start screen in the six languages: the welcome paragraph,
// the tooltips of every key, the help panel and the short hints over the
// digits 1, 2, 3 that name the learning methods.

#include "frame/language.h"
#include "frame/shared_texts.h"

// Every text is kept letter for letter: blanks, spellings and all.

namespace mk::start {

inline constexpr std::array<QStringView, 6> kLanguageNames{{
    u" « Deutsch »",
    u" « English »",
    u" « Español »",
    u" « Français »",
    u" « Nederlands »",
    u" « Italiano »",
}};

inline constexpr LangTexts kIntro{{
    u"Hier könnt ihr das Malzeichen wählen. Ein X einen Punkt, oder einen Stern. Mit den Zahlen könnt ihr dann eine Reihe zum Üben auswählen. Klickt auf die Zahl. Die Taste mit der Hand und den Kugeln darüber führt zur einfachsten Seite. Da könnt Ihr das 1x1 mit Kugeln verstehen lernen. Das macht mal zuerst.",
    u"Here you can choose the mark, an X a dot, or a star, to use as the times sign. Then you can use the numbers to pick a row to practise. Just click on the number. The key with the hand and the balls above it takes you to the easiest page. There you can learn to understand the 1x1 with balls. Do that one first.",
    u"Aquí puede seleccionar la marca. Puede ser una X, un punto o una estrella. Con los números puede elegir después una serie para practicar. Haga clic en el número. El botón con la mano y las bolas encima lleva a la página más fácil. Allí puede aprender a entender el 1x1 con bolas. Empiece por ahí.",
    u"Ici, vous pouvez sélectionner la marque. Ce peut être un X, un point ou une étoile. Avec les chiffres, vous pouvez ensuite choisir une série pour vous entraîner. Cliquez sur le chiffre. La touche avec la main et les boules au-dessus mène à la page la plus facile. Là, vous pouvez apprendre à comprendre le 1x1 avec des boules. Commencez donc par là.",
    u"Hier kun je de markering kiezen, een X een punt, of een ster, als keerteken. Met de cijfers kun je daarna een rij kiezen om te oefenen. Klik op het cijfer. De toets met de hand en de ballen erboven brengt je naar de makkelijkste pagina. Daar kun je de 1x1 met ballen leren begrijpen. Doe dat eerst.",
    u"Qui è possibile selezionare il segno. Può essere una X, un punto oppure una stella. Con i numeri potete poi scegliere una serie da esercitare. Fate clic sul numero. Il tasto con la mano e le palle sopra porta alla pagina più facile. Lì potete imparare a capire la 1x1 con le palle. Cominciate da lì.",
}};

inline constexpr LangTexts kGreeting{{
    u"Viel Spaß, Euer Ottokar.",
    u"Enjoy, your Ottokar.",
    u"Diviértete, Tu Ottokar",
    u"Amusez-vous, votre Ottokar.",
    u"Veel plezier, je Ottokar.",
    u"Divertiti, Ottokar.",
}};

inline constexpr LangTexts kVersionPrefix{{
    u"Malkobold, Version: ",
    u"Malkobold, Version: ",
    u"Malkobold, Versión: ",
    u"Malkobold, Version: ",
    u"Malkobold, Version: ",
    u"Malkobold, Versione: ",
}};

inline constexpr LangTexts kNotice{{
    u"© Die Malkobold-Entwickler, Deutschland",
    u"© The Malkobold developers, Germany",
    u"© Los desarrolladores de Malkobold, Alemania",
    u"© Les développeurs de Malkobold, Allemagne",
    u"© De Malkobold-ontwikkelaars, Duitsland",
    u"© Gli sviluppatori di Malkobold, Germania",
}};

inline constexpr std::array<LangTexts, 6> kLanguageKeyTips{{
    {{u" Deutsch ", u" German ", u" Alemán ", u" Allemand ", u" Duits ", u" Tedesco "}},
    {{u" English ", u" English ", u" Inglés ", u" Anglais ", u" Engels ", u" Inglese "}},
    {{u" Español ", u" Spanish ", u" Español ", u" Espagnol ", u" Spans ", u" Spagnolo "}},
    {{u" Français ", u" French ", u" Francés ", u" Français", u" Frans ", u" Francese "}},
    {{u" Nederlands ", u" Dutch ", u" Holandés ", u" Néerlandais ", u" Nederlands ", u" Olandese "}},
    {{u" Italiano ", u" Italian ", u" Italiano ", u" Italien ", u" Italiaans ", u" Italiano "}},
}};

inline constexpr LangTexts kMalXTip{{
    u" X   Zeichen ",
    u" X   Character ",
    u" X  Carácter ",
    u"X  caractère",
    u" X   Character ",
    u" X   character ",
}};

inline constexpr LangTexts kMalSternTip{{
    u" *   Zeichen ",
    u" *   Character ",
    u" *  character ",
    u"*  caractère",
    u" *  karakter ",
    u" *  carattere ",
}};

inline constexpr LangTexts kMalPunktTip{{
    u" ·   Zeichen ",
    u" ·   Character ",
    u" ·  character ",
    u"·  caractère",
    u" ·  karakter ",
    u" ·   carattere ",
}};

inline constexpr LangTexts kRowTip{{
    u" Wähle Reihe ",
    u" Select Series",
    u" Seleccionar serie",
    u" Sélectionner la série ",
    u" Select Series",
    u" Seleziona serie",
}};

inline constexpr LangTexts kSignTip{{
    u"Gewähltes Malzeichen ",
    u" Selected mark ",
    u" Marca seleccionada ",
    u" Marque sélectionnée ",
    u" Geselecteerd teken ",
    u" Segno selezionato ",
}};

inline constexpr LangTexts kSeriesTip{{
    u" In Reihe lernen ",
    u" Learn in series ",
    u" Aprender en serie ",
    u" Apprendre en série ",
    u" Leer in serie ",
    u" Impara in serie ",
}};

inline constexpr LangTexts kBallsTip{{
    u" Rechenschieber ",
    u" Slide rule ",
    u" Regla de desplazamiento ",
    u" Règle de diapositive ",
    u" Rekeningsregel ",
    u" Regola diapositiva ",
}};

inline constexpr LangTexts kAudioTip{{
    u" Ton Aus/Ein ",
    u" Sound Off / On ",
    u" Sonido desactivado / encendido ",
    u" Son désactivé / activé ",
    u" Geluid uit / aan ",
    u" Audio disattivato / attivato ",
}};

inline constexpr LangTexts kWebTip{{
    u" Webseiten ",
    u" Websites ",
    u" Sitios web ",
    u" Sites Web ",
    u" Websites ",
    u" Sito web ",
}};

// The key to the board of known tasks.
inline constexpr LangTexts kLernstandTip{{
    u" Mein 1x1: was ich schon kann ",
    u" My times table: what I know ",
    u" Mi tabla: lo que ya sé ",
    u" Ma table : ce que je sais ",
    u" Mijn tafels: wat ik al kan ",
    u" La mia tabellina: cosa so già ",
}};

inline constexpr LangTexts kCalculatorTip{{
    u" Taschenrechner ",
    u" Calculator ",
    u" Calculadora ",
    u" Calculatrice ",
    u" Rekenmachine ",
    u" Calcolatrice ",
}};

inline constexpr LangTexts kDieTip{{
    u" Zufällige Aufgabe ",
    u" Random task ",
    u" Tarea aleatoria ",
    u" Tâche aléatoire ",
    u" Willekeurige taak ",
    u" Attività casuale ",
}};

inline constexpr LangTexts kHelpTitle{{
    u"1X1 Lernprogramm",
    u"1X1 Tutorial",
    u"Tutorial 1X1",
    u"Tutoriel 1X1",
    u"1X1 zelfstudie",
    u"Esercitazione 1X1",
}};

inline constexpr LangTexts kHelp1{{
    u"Man kann das Programm in 5 Sprachen starten. Die Taste mit dem Fragezeichnen ist die Hilfe, das Mädchen mit dem Pfeil ist die Taste mit der man das Programm beenden kann. Die Taste mit dem Ohr schaltet den Ton ein oder aus.",
    u"You can start the program in 5 languages. The key with the question mark is the help, and the girl with the arrow is the key that ends the program. The key with the ear switches the sound on or off.",
    u"Puede iniciar el programa en 5 idiomas. El botón con el signo de interrogación es la ayuda, y la niña con la flecha es el botón para salir del programa. El botón con la oreja enciende o apaga el sonido.",
    u"Vous pouvez démarrer le programme en 5 langues. La touche avec le point d'interrogation est l'aide, la petite fille avec la flèche est la touche qui permet de quitter le programme. La touche avec l'oreille active ou coupe le son.",
    u"U kunt het programma starten in 5 talen. De toets met het vraagteken is de hulp, het meisje met de pijl is de toets waarmee u het programma afsluit. De toets met het oor zet het geluid aan of uit.",
    u"Puoi avviare il programma in 5 lingue. Il tasto con il punto interrogativo è l'aiuto, la bambina con la freccia è il tasto per chiudere il programma. Il tasto con l'orecchio accende o spegne l'audio.",
}};

inline constexpr LangTexts kHelp2{{
    u"1) Erstes Lernen mit Kugeln um das 1x1 verstehen zu können. 2) Zeites Lernen mit einer  Reihe. Entweder klickt man auf die 1x1-Taste, oder aber direkt auf die Zahl einer Reihe die man lernen möchte. 3) Dritter Lernschritt:  Mit dem Würfel kommt man zum gemischten Lernen. Da gibt man eine Reihe ein und sieht eine Aufgabe die nicht sequenzell nach der anderen kommt. Eine zufällige Zahl.",
    u"1) First time learning With balls, so that you can understand the 1x1. 2) Second: learning with one row. Either click on the 1x1 key, or click straight on the number of the row you want to learn. 3) Third learning step: the die takes you to mixed learning. There you choose a row and see tasks that do not come one after the other in order. A random number.",
    u"1) Primero aprendiendo con bolas para poder entender el 1x1. 2) Segundo, aprender con una serie. Haga clic en el botón 1x1 o directamente en el número de la serie que quiera aprender. 3) Tercer paso: con el dado se llega al aprendizaje mezclado. Allí se elige una serie y se ven tareas que no vienen en orden una tras otra. Un número al azar.",
    u"1) Premier apprentissage avec des balles, pour comprendre le 1x1. 2) Deuxième apprentissage avec une série. Cliquez sur la touche 1x1, ou directement sur le chiffre de la série que vous voulez apprendre. 3) Troisième étape : avec le dé, on passe à l'apprentissage mélangé. On choisit une série et on voit des calculs qui ne viennent pas dans l'ordre. Un nombre au hasard.",
    u"1) Eerst leren met ballen, om de 1x1 te begrijpen. 2) Daarna leren met één rij. Klik op de 1x1-toets, of klik meteen op het cijfer van de rij die u wilt leren. 3) Derde stap: met de dobbelsteen komt u bij het gemengde leren. U kiest een rij en ziet sommen die niet op volgorde komen. Een willekeurig getal.",
    u"1) Primo apprendimento con le palle, per capire la 1x1. 2) Secondo apprendimento con una serie. Fai clic sul tasto 1x1, oppure direttamente sul numero della serie che vuoi imparare. 3) Terzo passo: con il dado si passa all'apprendimento misto. Scegli una serie e vedi esercizi che non arrivano in ordine uno dopo l'altro. Un numero a caso.",
}};

inline constexpr LangTexts kHelp3{{
    u"Die Tasten mit der Puppenhand zeigen je ein Symbol für das Malzeichen das man hiermit wählen kann. Es kann ein X, ein Stern, aber auch ein Punkt gewählt werden. Wer hierauf klickt kann eines der Symbole nehmen. Fährt man über die Zahlen 1, 2 oder 3, dann erscheint noch mal ein kleiner Text oben. Hält man den Cursor auf eine Taste, dann erscheint ein kleiner erklärender Text. So braucht man nicht ubedingt eine Hilfeseite. Die Tasten erklären sich selbst.",
    u"The keys with the hand of a doll each show a symbol for the times sign that you can choose with them. You can choose an X, a star or a dot. Click on one to take that symbol. If you move over the numbers 1, 2 or 3, a small text appears at the top. If you hold the cursor over a key, a small text explains it. So you do not really need a help page. The keys explain themselves.",
    u"Los botones con la mano de la muñeca muestran cada uno un símbolo para el signo de multiplicar que puede elegir con ellos. Puede ser una X, una estrella o también un punto. Haga clic en uno para tomar ese símbolo. Si pasa por encima de los números 1, 2 o 3, aparece un pequeño texto arriba. Si deja el cursor sobre un botón, aparece un pequeño texto que lo explica. Así no hace falta una página de ayuda. Los botones se explican solos.",
    u"Les touches avec l'aiguille de la poupée montrent chacune un symbole pour le signe de multiplication que vous pouvez choisir ici. Ce peut être un X, une étoile ou aussi un point. En cliquant dessus, vous prenez l'un des symboles. Si vous passez sur les chiffres 1, 2 ou 3, un petit texte apparaît en haut. Si vous laissez le curseur sur une touche, un petit texte explicatif apparaît. Ainsi, vous n'avez pas forcément besoin d'une page d'aide. Les touches s'expliquent toutes seules.",
    u"De toetsen met de pophand tonen elk een symbool voor het keerteken dat u hiermee kunt kiezen. Dat kan een X, een ster of ook een punt zijn. Klik erop om een van de symbolen te nemen. Gaat u met de muis over de cijfers 1, 2 of 3, dan verschijnt bovenaan nog een kort tekstje. Houdt u de cursor op een toets, dan verschijnt een korte uitleg. Zo hebt u niet per se een hulppagina nodig. De toetsen spreken voor zich.",
    u"I tasti con la mano della bambola mostrano ciascuno un simbolo per il segno di moltiplicazione che puoi scegliere qui. Puoi scegliere una X, una stella oppure un punto. Fai clic su uno per prendere quel simbolo. Se passi sopra i numeri 1, 2 o 3, in alto compare un piccolo testo. Se tieni il cursore su un tasto, compare un piccolo testo che lo spiega. Così non serve per forza una pagina di aiuto. I tasti si spiegano da soli.",
}};

// Indexed [method 0..2][language].
inline constexpr std::array<LangTexts, 3> kMethodTitles{{
    {{u"METHODE 1", u"METHOD 1", u"MÉTODO 1", u"METHODE 1", u"METHODE 1", u"METODO 1"}},
    {{u"METHODE 2", u"METHOD 2", u"MÉTODO 2", u"METHODE 2", u"METHODE 2", u"METODO 2"}},
    {{u"METHODE 3", u"METHOD 3", u"MÉTODO 3", u"METHODE 3", u"METHODE 3", u"METODO 3"}},
}};

inline constexpr std::array<LangTexts, 3> kMethodTexts{{
    {{u"Mit Kugeln das 1x1 zeigen lassen.",
      u"Show the 1x1 with balls.",
      u"Con bolas muestran el 1x1.",
      u"Avec des boules montrent le 1x1.",
      u"Met ballen wordt de 1x1 weergegeven.",
      u"Con le palle mostra la 1x1."}},
    {{u"In Reihe (als Päckchen) Lernen.",
      u"In series (as a packet) learning.",
      u"En serie (como un paquete) de aprendizaje.",
      u"En série (comme un paquet) d'apprentissage.dudu",
      u"In serie (als een pakket) leren.",
      u"In serie (come pacchetto) di apprendimento."}},
    {{u"In zufälliger Reihenfolge zeigen lassen.",
      u"Show in random order.",
      u"Mostrar en orden aleatorio.",
      u"Montrer dans un ordre aléatoire.",
      u"Toon in willekeurige volgorde.",
      u"Mostra in ordine casuale."}},
}};

// The title picture has no tooltip; this names it for assistive technology.
inline constexpr LangTexts kTitleName{{
    u"Malkobold sagt Hallo",
    u"Malkobold says hello",
    u"Malkobold dice hola",
    u"Malkobold dit bonjour",
    u"Malkobold zegt hallo",
    u"Malkobold dice ciao",
}};

} // namespace mk::start
