<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>%n boxes</source>
        <translation>
            <numerusform>%n Kästchen</numerusform>
            <numerusform>%n Kästchen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n Gruppe</numerusform>
            <numerusform>%n Gruppen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 left.</source>
        <translation>Übrig: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n boxes removed.</source>
        <translation>
            <numerusform>%n Kästchen entfernt.</numerusform>
            <numerusform>%n Kästchen entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>A single box, nothing removed.</source>
        <translation>Ein einzelnes Kästchen, nichts entfernt.</translation>
    </message>
    <message>
        <source>No box there, nothing removed.</source>
        <translation>Dort ist kein Kästchen, nichts entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n Farbe</numerusform>
            <numerusform>%n Farben</numerusform>
        </translation>
    </message>
    <message>
        <source>New game: a %1 by %2 board in %3, %4.</source>
        <translation>Neues Spiel: ein Spielfeld mit %1 mal %2 Kästchen in %3, %4.</translation>
    </message>
    <message>
        <source>Easy level: new %1 by %2 board in %3, %4.</source>
        <translation>Leichte Stufe: neues Spielfeld mit %1 mal %2 Kästchen in %3, %4.</translation>
    </message>
    <message>
        <source>Medium level: new %1 by %2 board in %3, %4.</source>
        <translation>Mittlere Stufe: neues Spielfeld mit %1 mal %2 Kästchen in %3, %4.</translation>
    </message>
    <message>
        <source>Hard level: new %1 by %2 board in %3, %4.</source>
        <translation>Schwere Stufe: neues Spielfeld mit %1 mal %2 Kästchen in %3, %4.</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>Das Spielfeld ist leer.</translation>
    </message>
    <message>
        <source>No move is left.</source>
        <translation>Es ist kein Zug mehr möglich.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences of an answer, one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Es gibt keinen Zug zum Rückgängigmachen.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Es gibt keinen Zug zum Wiederholen.</translation>
    </message>
    <message>
        <source>Redone: the board is empty.</source>
        <translation>Zug wiederholt: Das Spielfeld ist leer.</translation>
    </message>
    <message>
        <source>Moves remain.</source>
        <translation>Es sind noch Züge möglich.</translation>
    </message>
    <message>
        <source>The board can be cleared. Play row %1, column %2, %3.</source>
        <extracomment>%3 is a colour word alone (&quot;red&quot;), an adjective without a noun; &quot;(%3)&quot; may stand for it</extracomment>
        <translation>Das Spielfeld ist lösbar. Spiel das Kästchen in Zeile %1, Spalte %2 (%3).</translation>
    </message>
    <message>
        <source>Undone: %1, %2 left.</source>
        <translation>Zug rückgängig gemacht, übrig sind %1, %2.</translation>
    </message>
    <message>
        <source>Redone: %1, %2 left.</source>
        <translation>Zug wiederholt, übrig sind %1, %2.</translation>
    </message>
    <message>
        <source>Easy level already: the board is kept.</source>
        <translation>Die leichte Stufe ist schon gewählt: Das Spielfeld bleibt unverändert.</translation>
    </message>
    <message>
        <source>Medium level already: the board is kept.</source>
        <translation>Die mittlere Stufe ist schon gewählt: Das Spielfeld bleibt unverändert.</translation>
    </message>
    <message>
        <source>Hard level already: the board is kept.</source>
        <translation>Die schwere Stufe ist schon gewählt: Das Spielfeld bleibt unverändert.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: %1, %2 left.</source>
        <extracomment>The hint went back to the last board that can be cleared: %n moves were undone</extracomment>
        <translation>
            <numerusform>%n Zug zurück, übrig sind %1, %2.</numerusform>
            <numerusform>%n Züge zurück, übrig sind %1, %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <extracomment>A cell without a box</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>rot</translation>
    </message>
    <message>
        <source>light green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>hellgrün</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>blau</translation>
    </message>
    <message>
        <source>dark green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>dunkelgrün</translation>
    </message>
    <message>
        <source>teal</source>
        <extracomment>The colour of a box (a cell&apos;s name): blue-green</extracomment>
        <translation>petrol</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>gelb</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>The colour of a box (a cell&apos;s name): light blue-green</extracomment>
        <translation>türkis</translation>
    </message>
    <message>
        <source>Cannot be played</source>
        <extracomment>An empty cell</extracomment>
        <translation>Nicht spielbar</translation>
    </message>
    <message>
        <source>Cannot be played, a single box</source>
        <extracomment>A box with no neighbour of its colour</extracomment>
        <translation>Nicht spielbar, ein einzelnes Kästchen</translation>
    </message>
    <message numerus="yes">
        <source>Can be played, a group of %n boxes</source>
        <extracomment>A box whose group would go if played; always two or more boxes</extracomment>
        <translation>
            <numerusform>Spielbar, eine Gruppe aus %n Kästchen</numerusform>
            <numerusform>Spielbar, eine Gruppe aus %n Kästchen</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2: %3. %4.</source>
        <translation>Zeile %1, Spalte %2: %3. %4.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.</source>
        <translation>%1: %2 Mehr dazu mit „%1 --help“.</translation>
    </message>
    <message>
        <source>Clear a board of coloured boxes, group by group.</source>
        <translation>Leere ein Spielfeld aus farbigen Kästchen, Gruppe um Gruppe.</translation>
    </message>
    <message>
        <source>Show this help with the game&apos;s keys, then exit.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Diese Hilfe mit den Tasten des Spiels zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version, then exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Start with a symbol on every box, one shape for each colour (Ctrl+S switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Mit einem Symbol auf jedem Kästchen beginnen, einer Form je Farbe (Strg+S schaltet um).</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Deal the boards from the number N (0 to 4294967295): the same number deals the same boards, to replay or share them.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Die Spielfelder aus der Zahl N (0 bis 4294967295) erzeugen: Dieselbe Zahl ergibt dieselben Spielfelder, um sie erneut zu spielen oder weiterzugeben.</translation>
    </message>
    <message>
        <source>the seed &apos;%1&apos; is not a number from 0 to 4294967295.</source>
        <translation>der Startwert „%1“ ist keine Zahl von 0 bis 4294967295.</translation>
    </message>
    <message>
        <source>Deal only boards that can be cleared (Ctrl+D switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Nur lösbare Spielfelder erzeugen (Strg+D schaltet um).</translation>
    </message>
    <message>
        <source>
Qt&apos;s own options, such as -platform NAME or -style NAME, work as in every
Qt program.

</source>
        <extracomment>No line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>
Die Optionen von Qt selbst, etwa -platform NAME oder -style NAME, gelten wie in
jedem Qt-Programm.

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
        <translation>Tasten:
  Leertaste             Das aktuelle Kästchen spielen (beim Loslassen).
  Pfeiltasten, Pos1, Ende, Bild auf, Bild ab
                        Das aktuelle Kästchen bewegen.
  Strg+1, Strg+2, Strg+3
                        Leichte, mittlere oder schwere Stufe.
  Strg+N                Neues Spiel, gleiche Spielfeldgröße und Farben.
  Strg+Z                Den letzten Zug rückgängig machen.
  Strg+Y                Den zuletzt rückgängig gemachten Zug wiederholen.
  Strg+A                Fallanimation ein oder aus.
  Strg+C                Farbige oder graue Kästchen.
  Strg+H                Rahmen um das aktuelle Kästchen: gefüllt, Umriss oder
                        keiner.
  Strg+S                Symbole auf den Kästchen ein oder aus.
  Strg+B                Code des Spielfelds zeigen und kopieren: --board CODE
                        erzeugt dasselbe Spielfeld wieder.
  H                     Ein Tipp: das Kästchen markieren, das zum leeren
                        Spielfeld führt, oder sagen, vor wie vielen Zügen das
                        Spielfeld verloren ging; ein weiteres H führt dann
                        dorthin zurück.
  Strg+D                Nur lösbare Spielfelder erzeugen oder wieder beliebige.
  F2                    Den Spielstand einem Bildschirmleser mitteilen.
  F10                   Das Spiel verlassen.
</translation>
    </message>
    <message>
        <source>Start with the board of this code (Ctrl+B shows it).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer). CODE is the code Ctrl+B shows, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>Mit dem Spielfeld dieses Codes beginnen (Strg+B zeigt ihn).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a board code of this version of the game.</source>
        <extracomment>%1 is the code as typed; a code has twelve letters and digits, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>„%1“ ist kein Spielfeld-Code dieser Version des Spiels.</translation>
    </message>
    <message>
        <source>  Ctrl+W                Tell a lost game at once, or only when H asks.
</source>
        <extracomment>Follows the list of keys: the key name as the keyboard shows it, the description in the 25th column, no line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>  Strg+W                Verlorenes Spiel sofort melden oder nur auf H hin.
</translation>
    </message>
    <message>
        <source>Tell at once, with the way back, when a move has lost the game (Ctrl+W switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Sofort melden, wenn ein Zug das Spiel verloren hat, mit dem Weg zurück (Strg+W schaltet um).</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Quenlith cannot open its window: the Wayland display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith kann sein Fenster nicht öffnen: Die Wayland-Anzeige „%1“ ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no X display is set (DISPLAY is empty).</source>
        <translation>Quenlith kann sein Fenster nicht öffnen: Es ist keine X-Anzeige festgelegt (DISPLAY ist leer).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the X display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith kann sein Fenster nicht öffnen: Die X-Anzeige „%1“ ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display is set (DISPLAY and WAYLAND_DISPLAY are empty).</source>
        <translation>Quenlith kann sein Fenster nicht öffnen: Es ist keine Anzeige festgelegt (DISPLAY und WAYLAND_DISPLAY sind leer).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; is not installed.</source>
        <translation>Quenlith kann sein Fenster nicht öffnen: Das Anzeige-Plugin „%1“ ist nicht installiert.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; failed to load.</source>
        <translation>Quenlith kann sein Fenster nicht öffnen: Das Anzeige-Plugin „%1“ konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display could be reached.</source>
        <translation>Quenlith kann sein Fenster nicht öffnen: Es ist keine Anzeige erreichbar.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Quenlith</source>
        <translation>Über Quenlith</translation>
    </message>
    <message>
        <source>%1. Click to close.</source>
        <extracomment>Told to a screen reader on the About box&apos;s picture; %1 is the version line, such as &quot;Quenlith v.1.4.0&quot;; a click anywhere on the box closes it</extracomment>
        <translation>%1. Zum Schließen klicken.</translation>
    </message>
    <message>
        <source>Quenlith v.%1</source>
        <extracomment>The About box&apos;s version line; %1 is the version, such as 1.4.0</extracomment>
        <translation>Quenlith Version %1</translation>
    </message>
    <message>
        <source>Programming: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Programmierung: %1
und %2</translation>
    </message>
    <message>
        <source>Design: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Gestaltung: %1
und %2</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <extracomment>A link in the About box; %1 is the mail address</extracomment>
        <translation>E-Mail: %1</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Idle.</source>
        <extracomment>State of the solution search: not started yet</extracomment>
        <translation>Bereit.</translation>
    </message>
    <message>
        <source>Solving...</source>
        <extracomment>State of the solution search: running</extracomment>
        <translation>Wird gelöst …</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>State of the solution search: it found a way to clear the board</extracomment>
        <translation>Gelöst!</translation>
    </message>
    <message>
        <source>Stumped.</source>
        <extracomment>State of the solution search: it ended without finding a way to clear the board</extracomment>
        <translation>Keine Lösung gefunden.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>A button: starts a new game</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A button: takes the last move back</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>A button: ends the game</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A button: shows who made the game</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Easy level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the small board</extracomment>
        <translation>Leichte Stufe</translation>
    </message>
    <message>
        <source>Medium level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in three colours</extracomment>
        <translation>Mittlere Stufe</translation>
    </message>
    <message>
        <source>Hard level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in five colours</extracomment>
        <translation>Schwere Stufe</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The playing field, a table of coloured boxes</extracomment>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Boxes: %1  Groups: %2</source>
        <extracomment>What is left on the board; two blanks between the counts</extracomment>
        <translation>Kästchen: %1  Gruppen: %2</translation>
    </message>
    <message>
        <source>Congratulation! You win</source>
        <extracomment>The board is empty; a short line, it must fit the message line</extracomment>
        <translation>Glückwunsch! Du hast gewonnen</translation>
    </message>
    <message>
        <source>You lose! Tvy again.</source>
        <extracomment>Only single boxes are left; the English misspelling is not to be copied</extracomment>
        <translation>Verloren! Versuch es noch einmal.</translation>
    </message>
    <message>
        <source>New boards can all be cleared.</source>
        <translation>Neue Spielfelder sind alle lösbar.</translation>
    </message>
    <message>
        <source>New boards are dealt at random.</source>
        <translation>Neue Spielfelder werden zufällig erzeugt.</translation>
    </message>
    <message>
        <source>Looking for a way to clear the board...</source>
        <extracomment>On the message line, while the hint is searched</extracomment>
        <translation>Suche nach einem Lösungsweg …</translation>
    </message>
    <message>
        <source>The board can be cleared: play the marked box.</source>
        <extracomment>On the message line; the box to play has magenta marks on its corners</extracomment>
        <translation>Das Spielfeld ist lösbar: Spiel das markierte Kästchen.</translation>
    </message>
    <message>
        <source>Dealing a board that can be cleared...</source>
        <extracomment>On the message line while a board that can be won is dealt</extracomment>
        <translation>Ein lösbares Spielfeld wird erzeugt …</translation>
    </message>
    <message>
        <source>Looking through the earlier boards...</source>
        <extracomment>On the message line, while the boards before this one are searched for one that can still be cleared</extracomment>
        <translation>Frühere Spielfelder werden durchsucht …</translation>
    </message>
    <message numerus="yes">
        <source>Lost %n moves ago: press H to go back.</source>
        <extracomment>On the message line. What was lost is the board (this game&apos;s board): it could still be cleared %n moves ago and no longer can. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Seit %n Zug verloren: Mit H gehst du zurück.</numerusform>
            <numerusform>Seit %n Zügen verloren: Mit H gehst du zurück.</numerusform>
        </translation>
    </message>
    <message>
        <source>This game cannot be won: start a new game.</source>
        <extracomment>On the message line: not even the first board of this game could be cleared</extracomment>
        <translation>Nicht zu gewinnen: Starte ein neues Spiel.</translation>
    </message>
    <message>
        <source>No way back found in time: start a new game.</source>
        <extracomment>On the message line: the board is lost, and no earlier board was found in time that could be cleared</extracomment>
        <translation>Kein Rückweg rechtzeitig gefunden: neues Spiel starten.</translation>
    </message>
    <message>
        <source>A board is being dealt: please wait.</source>
        <extracomment>On the message line: a move, hint, undo or redo was refused while a board is dealt</extracomment>
        <translation>Ein Spielfeld wird erzeugt: bitte warten.</translation>
    </message>
    <message>
        <source>BOX PUZZLE</source>
        <extracomment>Under the game&apos;s name on the main window, in capitals where the language has them</extracomment>
        <translation>KÄSTCHEN-PUZZLE</translation>
    </message>
    <message>
        <source>easy</source>
        <extracomment>Painted on the button that plays the small board. A short word will do, as the English picture shows &quot;easy&quot;; the three level words share one type size</extracomment>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>Painted on the button that plays the large board in three colours. A short word will do, as the English picture shows &quot;medium&quot;</extracomment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>hard</source>
        <extracomment>Painted on the button that plays the large board in five colours. A short word will do, as the English picture shows &quot;hard&quot;</extracomment>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Animation on.</source>
        <translation>Animation an.</translation>
    </message>
    <message>
        <source>Animation off.</source>
        <translation>Animation aus.</translation>
    </message>
    <message>
        <source>Boxes in colour.</source>
        <extracomment>On the message line: Ctrl+C switched the boxes to their colours</extracomment>
        <translation>Farbige Kästchen.</translation>
    </message>
    <message>
        <source>Boxes in grey.</source>
        <translation>Graue Kästchen.</translation>
    </message>
    <message>
        <source>Filled frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a frame whose inside shows the box&apos;s colour (in grey mode)</extracomment>
        <translation>Gefüllter Rahmen um das aktuelle Kästchen.</translation>
    </message>
    <message>
        <source>Outline on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a thin white frame</extracomment>
        <translation>Umriss um das aktuelle Kästchen.</translation>
    </message>
    <message>
        <source>No frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H took the frame off the current box; the arrow keys still show it</extracomment>
        <translation>Kein Rahmen um das aktuelle Kästchen.</translation>
    </message>
    <message>
        <source>Symbols on.</source>
        <extracomment>On the message line: Ctrl+S put a symbol on every box</extracomment>
        <translation>Symbole an.</translation>
    </message>
    <message>
        <source>Symbols off.</source>
        <translation>Symbole aus.</translation>
    </message>
    <message>
        <source>This board has no code.</source>
        <extracomment>On the message line: Ctrl+B on a board that was not dealt by the game</extracomment>
        <translation>Dieses Spielfeld hat keinen Code.</translation>
    </message>
    <message>
        <source>Board %1: copied.</source>
        <extracomment>On the message line: %1 is the board&apos;s code (such as 1C8M-Q2ZR-7K4D), now on the clipboard; &quot;quenlith --board CODE&quot; deals the same board again</extracomment>
        <translation>Spielfeld %1: kopiert.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: play the marked box.</source>
        <extracomment>On the message line, after H went back: %n moves were undone to the last board that can be cleared; the box to play has magenta marks on its corners</extracomment>
        <translation>
            <numerusform>%n Zug zurück: Spiel das markierte Kästchen.</numerusform>
            <numerusform>%n Züge zurück: Spiel das markierte Kästchen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Loss warning on.</source>
        <translation>Verlustwarnung an.</translation>
    </message>
    <message>
        <source>Loss warning off.</source>
        <translation>Verlustwarnung aus.</translation>
    </message>
    <message numerus="yes">
        <source>Still clearable %n moves ago: press H to go back.</source>
        <extracomment>On the message line. The board (this game&apos;s board) could still be cleared %n moves ago; the boards since then were not all searched in time and may or may not be lost. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Vor %n Zug noch lösbar: Mit H gehst du zurück.</numerusform>
            <numerusform>Vor %n Zügen noch lösbar: Mit H gehst du zurück.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not found in time: still looking.</source>
        <extracomment>On the message line: the search ran out of time and goes on; its answer will be shown on the message line by itself, without pressing H again</extracomment>
        <translation>Nicht rechtzeitig gefunden: Die Suche läuft weiter.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quenlith cannot start: %1</source>
        <translation>Quenlith kann nicht starten: %1</translation>
    </message>
    <message>
        <source>Quenlith cannot start:
%1</source>
        <translation>Quenlith kann nicht starten:
%1</translation>
    </message>
</context>
</TS>
