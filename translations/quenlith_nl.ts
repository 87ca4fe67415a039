<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>%n boxes</source>
        <translation>
            <numerusform>%n blokje</numerusform>
            <numerusform>%n blokjes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n groep</numerusform>
            <numerusform>%n groepen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 left.</source>
        <translation>%1, %2 over.</translation>
    </message>
    <message numerus="yes">
        <source>%n boxes removed.</source>
        <translation>
            <numerusform>%n blokje weggehaald.</numerusform>
            <numerusform>%n blokjes weggehaald.</numerusform>
        </translation>
    </message>
    <message>
        <source>A single box, nothing removed.</source>
        <translation>Een los blokje, niets weggehaald.</translation>
    </message>
    <message>
        <source>No box there, nothing removed.</source>
        <translation>Daar is geen blokje, niets weggehaald.</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n kleur</numerusform>
            <numerusform>%n kleuren</numerusform>
        </translation>
    </message>
    <message>
        <source>New game: a %1 by %2 board in %3, %4.</source>
        <translation>Nieuw spel: een speelveld van %1 bij %2 in %3, %4.</translation>
    </message>
    <message>
        <source>Easy level: new %1 by %2 board in %3, %4.</source>
        <translation>Makkelijk niveau: nieuw speelveld van %1 bij %2 in %3, %4.</translation>
    </message>
    <message>
        <source>Medium level: new %1 by %2 board in %3, %4.</source>
        <translation>Gemiddeld niveau: nieuw speelveld van %1 bij %2 in %3, %4.</translation>
    </message>
    <message>
        <source>Hard level: new %1 by %2 board in %3, %4.</source>
        <translation>Moeilijk niveau: nieuw speelveld van %1 bij %2 in %3, %4.</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>Het speelveld is leeg.</translation>
    </message>
    <message>
        <source>No move is left.</source>
        <translation>Er is geen zet meer mogelijk.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences of an answer, one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Er is geen zet om ongedaan te maken.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Er is geen zet om opnieuw uit te voeren.</translation>
    </message>
    <message>
        <source>Redone: the board is empty.</source>
        <translation>Zet opnieuw uitgevoerd: het speelveld is leeg.</translation>
    </message>
    <message>
        <source>Moves remain.</source>
        <translation>Er zijn nog zetten mogelijk.</translation>
    </message>
    <message>
        <source>The board can be cleared. Play row %1, column %2, %3.</source>
        <extracomment>%3 is a colour word alone (&quot;red&quot;), an adjective without a noun; &quot;(%3)&quot; may stand for it</extracomment>
        <translation>Het speelveld is leeg te spelen. Speel rij %1, kolom %2, %3.</translation>
    </message>
    <message>
        <source>Undone: %1, %2 left.</source>
        <translation>Zet ongedaan gemaakt, %1, %2 over.</translation>
    </message>
    <message>
        <source>Redone: %1, %2 left.</source>
        <translation>Zet opnieuw uitgevoerd, %1, %2 over.</translation>
    </message>
    <message>
        <source>Easy level already: the board is kept.</source>
        <translation>Al op makkelijk niveau: het speelveld blijft hetzelfde.</translation>
    </message>
    <message>
        <source>Medium level already: the board is kept.</source>
        <translation>Al op gemiddeld niveau: het speelveld blijft hetzelfde.</translation>
    </message>
    <message>
        <source>Hard level already: the board is kept.</source>
        <translation>Al op moeilijk niveau: het speelveld blijft hetzelfde.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: %1, %2 left.</source>
        <extracomment>The hint went back to the last board that can be cleared: %n moves were undone</extracomment>
        <translation>
            <numerusform>%n zet terug, %1, %2 over.</numerusform>
            <numerusform>%n zetten terug, %1, %2 over.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <extracomment>A cell without a box</extracomment>
        <translation>leeg</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>rood</translation>
    </message>
    <message>
        <source>light green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>lichtgroen</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>blauw</translation>
    </message>
    <message>
        <source>dark green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>donkergroen</translation>
    </message>
    <message>
        <source>teal</source>
        <extracomment>The colour of a box (a cell&apos;s name): blue-green</extracomment>
        <translation>blauwgroen</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>geel</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>The colour of a box (a cell&apos;s name): light blue-green</extracomment>
        <translation>cyaan</translation>
    </message>
    <message>
        <source>Cannot be played</source>
        <extracomment>An empty cell</extracomment>
        <translation>Niet speelbaar</translation>
    </message>
    <message>
        <source>Cannot be played, a single box</source>
        <extracomment>A box with no neighbour of its colour</extracomment>
        <translation>Niet speelbaar, een los blokje</translation>
    </message>
    <message numerus="yes">
        <source>Can be played, a group of %n boxes</source>
        <extracomment>A box whose group would go if played; always two or more boxes</extracomment>
        <translation>
            <numerusform>Speelbaar, een groep van %n blokje</numerusform>
            <numerusform>Speelbaar, een groep van %n blokjes</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2: %3. %4.</source>
        <translation>Rij %1, kolom %2: %3. %4.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.</source>
        <translation>%1: %2 Probeer ‘%1 --help’ voor meer informatie.</translation>
    </message>
    <message>
        <source>Clear a board of coloured boxes, group by group.</source>
        <translation>Maak een speelveld van gekleurde blokjes leeg, groep voor groep.</translation>
    </message>
    <message>
        <source>Show this help with the game&apos;s keys, then exit.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Deze hulp met de toetsen van het spel tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version, then exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Start with a symbol on every box, one shape for each colour (Ctrl+S switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Beginnen met een symbool op elk blokje, één vorm per kleur (Ctrl+S schakelt om).</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>onbekende optie ‘%1’.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>Deal the boards from the number N (0 to 4294967295): the same number deals the same boards, to replay or share them.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>De speelvelden afleiden uit het getal N (0 tot en met 4294967295): hetzelfde getal geeft dezelfde speelvelden,
om ze opnieuw te spelen of te delen.</translation>
    </message>
    <message>
        <source>the seed &apos;%1&apos; is not a number from 0 to 4294967295.</source>
        <translation>het startgetal ‘%1’ is geen getal van 0 tot en met 4294967295.</translation>
    </message>
    <message>
        <source>Deal only boards that can be cleared (Ctrl+D switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Alleen speelvelden maken die leeg te spelen zijn (Ctrl+D schakelt om).</translation>
    </message>
    <message>
        <source>
Qt&apos;s own options, such as -platform NAME or -style NAME, work as in every
Qt program.

</source>
        <extracomment>No line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>
De eigen opties van Qt, zoals -platform NAAM of -style NAAM, werken zoals in
elk Qt-programma.

</translation>
    </message>
    <message>
        <source>Keys:
  Space                 Play the current box (when released).
  Arrow keys, Home, End, Page Up, Page Down
                        Move the current box.
  Ctrl+1, Ctrl+2, Ctrl+3
                        Easy, medium or hard level.
  Ctrl+N                New game with the same board size and colours.
  Ctrl+Z                Undo the last move.
  Ctrl+Y                Redo the last undone move.
  Ctrl+A                Falling animation on or off.
  Ctrl+C                Coloured or grey boxes.
  Ctrl+H                Frame around the current box: filled, outline or none.
  Ctrl+S                Symbols on the boxes on or off.
  Ctrl+B                Show the board&apos;s code and copy it: --board CODE deals
                        the same board again.
  H                     A hint: mark the box to play towards an empty board, or
                        tell how many moves ago the board was lost; H again
                        then goes back there.
  Ctrl+D                Deal only boards that can be cleared, or any board.
  F2                    The state of the game, told to a screen reader.
  F10                   Leave the game.
</source>
        <extracomment>Key names as the keyboard shows them; the descriptions start in the 25th column. No line longer than 79 columns (a Chinese or Japanese character takes two). The hint marks the box to play with marks of its own, not with the frame of Ctrl+H; on a lost board it tells how many moves ago the board was lost, and H again undoes those moves</extracomment>
        <translation>Toetsen:
  Spatie                Het huidige blokje spelen (bij loslaten).
  Pijltjestoetsen, Home, End, Page Up, Page Down
                        Het huidige blokje verplaatsen.
  Ctrl+1, Ctrl+2, Ctrl+3
                        Makkelijk, gemiddeld of moeilijk niveau.
  Ctrl+N                Nieuw spel, zelfde speelveldgrootte en kleuren.
  Ctrl+Z                De laatste zet ongedaan maken.
  Ctrl+Y                De laatst ongedaan gemaakte zet opnieuw uitvoeren.
  Ctrl+A                Valanimatie aan of uit.
  Ctrl+C                Gekleurde of grijze blokjes.
  Ctrl+H                Kader om het huidige blokje: gevuld, omlijnd of geen.
  Ctrl+S                Symbolen op de blokjes aan of uit.
  Ctrl+B                De code van het speelveld tonen en kopiëren: --board
                        CODE maakt hetzelfde speelveld opnieuw.
  H                     Een hint: het blokje markeren dat naar een leeg
                        speelveld leidt, of melden hoeveel zetten geleden het
                        speelveld verloren ging; nog eens H gaat daarheen
                        terug.
  Ctrl+D                Alleen speelvelden maken die leeg te spelen zijn, of
                        willekeurige.
  F2                    De stand van het spel, doorgegeven aan de schermlezer.
  F10                   Het spel verlaten.
</translation>
    </message>
    <message>
        <source>Start with the board of this code (Ctrl+B shows it).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer). CODE is the code Ctrl+B shows, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>Beginnen met het speelveld van deze code (Ctrl+B toont hem).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a board code of this version of the game.</source>
        <extracomment>%1 is the code as typed; a code has twelve letters and digits, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>&apos;%1&apos; is geen speelveldcode van deze versie van het spel.</translation>
    </message>
    <message>
        <source>  Ctrl+W                Tell a lost game at once, or only when H asks.
</source>
        <extracomment>Follows the list of keys: the key name as the keyboard shows it, the description in the 25th column, no line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>  Ctrl+W                Een verloren spel meteen melden, of alleen bij H.
</translation>
    </message>
    <message>
        <source>Tell at once, with the way back, when a move has lost the game (Ctrl+W switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Meteen melden, met de weg terug, dat een zet het spel heeft verloren (Ctrl+W schakelt).</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Quenlith cannot open its window: the Wayland display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith kan zijn venster niet openen: het Wayland-scherm ‘%1’ is niet bereikbaar.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no X display is set (DISPLAY is empty).</source>
        <translation>Quenlith kan zijn venster niet openen: er is geen X-scherm ingesteld (DISPLAY is leeg).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the X display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith kan zijn venster niet openen: het X-scherm ‘%1’ is niet bereikbaar.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display is set (DISPLAY and WAYLAND_DISPLAY are empty).</source>
        <translation>Quenlith kan zijn venster niet openen: er is geen scherm ingesteld (DISPLAY en WAYLAND_DISPLAY zijn leeg).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; is not installed.</source>
        <translation>Quenlith kan zijn venster niet openen: de weergaveplug-in ‘%1’ is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; failed to load.</source>
        <translation>Quenlith kan zijn venster niet openen: de weergaveplug-in ‘%1’ kon niet worden geladen.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display could be reached.</source>
        <translation>Quenlith kan zijn venster niet openen: geen enkel scherm is bereikbaar.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Quenlith</source>
        <translation>Over Quenlith</translation>
    </message>
    <message>
        <source>%1. Click to close.</source>
        <extracomment>Told to a screen reader on the About box&apos;s picture; %1 is the version line, such as &quot;Quenlith v.1.4.0&quot;; a click anywhere on the box closes it</extracomment>
        <translation>%1. Klik om te sluiten.</translation>
    </message>
    <message>
        <source>Quenlith v.%1</source>
        <extracomment>The About box&apos;s version line; %1 is the version, such as 1.4.0</extracomment>
        <translation>Quenlith versie %1</translation>
    </message>
    <message>
        <source>Programming: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Programmering: %1
en %2</translation>
    </message>
    <message>
        <source>Design: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Ontwerp: %1
en %2</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <extracomment>A link in the About box; %1 is the mail address</extracomment>
        <translation>E-mail: %1</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Idle.</source>
        <extracomment>State of the solution search: not started yet</extracomment>
        <translation>Inactief.</translation>
    </message>
    <message>
        <source>Solving...</source>
        <extracomment>State of the solution search: running</extracomment>
        <translation>Bezig met oplossen…</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>State of the solution search: it found a way to clear the board</extracomment>
        <translation>Opgelost!</translation>
    </message>
    <message>
        <source>Stumped.</source>
        <extracomment>State of the solution search: it ended without finding a way to clear the board</extracomment>
        <translation>Geen oplossing gevonden.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>A button: starts a new game</extracomment>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A button: takes the last move back</extracomment>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>A button: ends the game</extracomment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A button: shows who made the game</extracomment>
        <translation>Over</translation>
    </message>
    <message>
        <source>Easy level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the small board</extracomment>
        <translation>Makkelijk niveau</translation>
    </message>
    <message>
        <source>Medium level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in three colours</extracomment>
        <translation>Gemiddeld niveau</translation>
    </message>
    <message>
        <source>Hard level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in five colours</extracomment>
        <translation>Moeilijk niveau</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The playing field, a table of coloured boxes</extracomment>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>Boxes: %1  Groups: %2</source>
        <extracomment>What is left on the board; two blanks between the counts</extracomment>
        <translation>Blokjes: %1  Groepen: %2</translation>
    </message>
    <message>
        <source>Congratulation! You win</source>
        <extracomment>The board is empty; a short line, it must fit the message line</extracomment>
        <translation>Gefeliciteerd! Je hebt gewonnen</translation>
    </message>
    <message>
        <source>You lose! Tvy again.</source>
        <extracomment>Only single boxes are left; the English misspelling is not to be copied</extracomment>
        <translation>Verloren! Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>New boards can all be cleared.</source>
        <translation>Nieuwe speelvelden zijn allemaal leeg te spelen.</translation>
    </message>
    <message>
        <source>New boards are dealt at random.</source>
        <translation>Nieuwe speelvelden worden willekeurig gemaakt.</translation>
    </message>
    <message>
        <source>Looking for a way to clear the board...</source>
        <extracomment>On the message line, while the hint is searched</extracomment>
        <translation>Bezig met zoeken naar een oplossing…</translation>
    </message>
    <message>
        <source>The board can be cleared: play the marked box.</source>
        <extracomment>On the message line; the box to play has magenta marks on its corners</extracomment>
        <translation>Leeg te spelen: speel het gemarkeerde blokje.</translation>
    </message>
    <message>
        <source>Dealing a board that can be cleared...</source>
        <extracomment>On the message line while a board that can be won is dealt</extracomment>
        <translation>Een speelveld maken dat leeg te spelen is…</translation>
    </message>
    <message>
        <source>Looking through the earlier boards...</source>
        <extracomment>On the message line, while the boards before this one are searched for one that can still be cleared</extracomment>
        <translation>De eerdere speelvelden doorzoeken…</translation>
    </message>
    <message numerus="yes">
        <source>Lost %n moves ago: press H to go back.</source>
        <extracomment>On the message line. What was lost is the board (this game&apos;s board): it could still be cleared %n moves ago and no longer can. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>%n zet geleden verloren: druk op H om terug te gaan.</numerusform>
            <numerusform>%n zetten geleden verloren: druk op H om terug te gaan.</numerusform>
        </translation>
    </message>
    <message>
        <source>This game cannot be won: start a new game.</source>
        <extracomment>On the message line: not even the first board of this game could be cleared</extracomment>
        <translation>Dit spel is niet te winnen: begin een nieuw spel.</translation>
    </message>
    <message>
        <source>No way back found in time: start a new game.</source>
        <extracomment>On the message line: the board is lost, and no earlier board was found in time that could be cleared</extracomment>
        <translation>Geen weg terug op tijd gevonden: begin een nieuw spel.</translation>
    </message>
    <message>
        <source>A board is being dealt: please wait.</source>
        <extracomment>On the message line: a move, hint, undo or redo was refused while a board is dealt</extracomment>
        <translation>Er wordt een speelveld gemaakt: even geduld.</translation>
    </message>
    <message>
        <source>BOX PUZZLE</source>
        <extracomment>Under the game&apos;s name on the main window, in capitals where the language has them</extracomment>
        <translation>BLOKJESPUZZEL</translation>
    </message>
    <message>
        <source>easy</source>
        <extracomment>Painted on the button that plays the small board. A short word will do, as the English picture shows &quot;easy&quot;; the three level words share one type size</extracomment>
        <translation>Makkelijk niveau</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>Painted on the button that plays the large board in three colours. A short word will do, as the English picture shows &quot;medium&quot;</extracomment>
        <translation>Gemiddeld niveau</translation>
    </message>
    <message>
        <source>hard</source>
        <extracomment>Painted on the button that plays the large board in five colours. A short word will do, as the English picture shows &quot;hard&quot;</extracomment>
        <translation>Moeilijk niveau</translation>
    </message>
    <message>
        <source>Animation on.</source>
        <translation>Animatie aan.</translation>
    </message>
    <message>
        <source>Animation off.</source>
        <translation>Animatie uit.</translation>
    </message>
    <message>
        <source>Boxes in colour.</source>
        <extracomment>On the message line: Ctrl+C switched the boxes to their colours</extracomment>
        <translation>Gekleurde blokjes.</translation>
    </message>
    <message>
        <source>Boxes in grey.</source>
        <translation>Grijze blokjes.</translation>
    </message>
    <message>
        <source>Filled frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a frame whose inside shows the box&apos;s colour (in grey mode)</extracomment>
        <translation>Gevuld kader om het huidige blokje.</translation>
    </message>
    <message>
        <source>Outline on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a thin white frame</extracomment>
        <translation>Omtrek om het huidige blokje.</translation>
    </message>
    <message>
        <source>No frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H took the frame off the current box; the arrow keys still show it</extracomment>
        <translation>Geen kader om het huidige blokje.</translation>
    </message>
    <message>
        <source>Symbols on.</source>
        <extracomment>On the message line: Ctrl+S put a symbol on every box</extracomment>
        <translation>Symbolen aan.</translation>
    </message>
    <message>
        <source>Symbols off.</source>
        <translation>Symbolen uit.</translation>
    </message>
    <message>
        <source>This board has no code.</source>
        <extracomment>On the message line: Ctrl+B on a board that was not dealt by the game</extracomment>
        <translation>Dit speelveld heeft geen code.</translation>
    </message>
    <message>
        <source>Board %1: copied.</source>
        <extracomment>On the message line: %1 is the board&apos;s code (such as 1C8M-Q2ZR-7K4D), now on the clipboard; &quot;quenlith --board CODE&quot; deals the same board again</extracomment>
        <translation>Speelveld %1: gekopieerd.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: play the marked box.</source>
        <extracomment>On the message line, after H went back: %n moves were undone to the last board that can be cleared; the box to play has magenta marks on its corners</extracomment>
        <translation>
            <numerusform>%n zet terug: speel het gemarkeerde blokje.</numerusform>
            <numerusform>%n zetten terug: speel het gemarkeerde blokje.</numerusform>
        </translation>
    </message>
    <message>
        <source>Loss warning on.</source>
        <translation>Verlieswaarschuwing aan.</translation>
    </message>
    <message>
        <source>Loss warning off.</source>
        <translation>Verlieswaarschuwing uit.</translation>
    </message>
    <message numerus="yes">
        <source>Still clearable %n moves ago: press H to go back.</source>
        <extracomment>On the message line. The board (this game&apos;s board) could still be cleared %n moves ago; the boards since then were not all searched in time and may or may not be lost. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>%n zet geleden nog op te lossen: H gaat terug.</numerusform>
            <numerusform>%n zetten geleden nog op te lossen: H gaat terug.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not found in time: still looking.</source>
        <extracomment>On the message line: the search ran out of time and goes on; its answer will be shown on the message line by itself, without pressing H again</extracomment>
        <translation>Niet op tijd gevonden: er wordt verder gezocht.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quenlith cannot start: %1</source>
        <translation>Quenlith kan niet starten: %1</translation>
    </message>
    <message>
        <source>Quenlith cannot start:
%1</source>
        <translation>Quenlith kan niet starten:
%1</translation>
    </message>
</context>
</TS>
