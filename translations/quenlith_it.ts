<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>%n boxes</source>
        <translation>
            <numerusform>%n blocco</numerusform>
            <numerusform>%n blocchi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n gruppo</numerusform>
            <numerusform>%n gruppi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 left.</source>
        <translation>Restano: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n boxes removed.</source>
        <translation>
            <numerusform>%n blocco rimosso.</numerusform>
            <numerusform>%n blocchi rimossi.</numerusform>
        </translation>
    </message>
    <message>
        <source>A single box, nothing removed.</source>
        <translation>Un blocco isolato, non si rimuove nulla.</translation>
    </message>
    <message>
        <source>No box there, nothing removed.</source>
        <translation>Nessun blocco qui, non si rimuove nulla.</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n colore</numerusform>
            <numerusform>%n colori</numerusform>
        </translation>
    </message>
    <message>
        <source>New game: a %1 by %2 board in %3, %4.</source>
        <translation>Nuova partita: campo di %1 per %2 in %3, %4.</translation>
    </message>
    <message>
        <source>Easy level: new %1 by %2 board in %3, %4.</source>
        <translation>Livello facile: nuovo campo di %1 per %2 in %3, %4.</translation>
    </message>
    <message>
        <source>Medium level: new %1 by %2 board in %3, %4.</source>
        <translation>Livello medio: nuovo campo di %1 per %2 in %3, %4.</translation>
    </message>
    <message>
        <source>Hard level: new %1 by %2 board in %3, %4.</source>
        <translation>Livello difficile: nuovo campo di %1 per %2 in %3, %4.</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>Il campo è vuoto.</translation>
    </message>
    <message>
        <source>No move is left.</source>
        <translation>Nessuna mossa possibile.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences of an answer, one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nessuna mossa da annullare.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nessuna mossa da ripetere.</translation>
    </message>
    <message>
        <source>Redone: the board is empty.</source>
        <translation>Mossa ripetuta: il campo è vuoto.</translation>
    </message>
    <message>
        <source>Moves remain.</source>
        <translation>Ci sono ancora mosse possibili.</translation>
    </message>
    <message>
        <source>The board can be cleared. Play row %1, column %2, %3.</source>
        <extracomment>%3 is a colour word alone (&quot;red&quot;), an adjective without a noun; &quot;(%3)&quot; may stand for it</extracomment>
        <translation>Il campo si può svuotare. Gioca il blocco %3 alla riga %1, colonna %2.</translation>
    </message>
    <message>
        <source>Undone: %1, %2 left.</source>
        <translation>Mossa annullata, restano %1, %2.</translation>
    </message>
    <message>
        <source>Redone: %1, %2 left.</source>
        <translation>Mossa ripetuta, restano %1, %2.</translation>
    </message>
    <message>
        <source>Easy level already: the board is kept.</source>
        <translation>Già al livello facile: il campo non cambia.</translation>
    </message>
    <message>
        <source>Medium level already: the board is kept.</source>
        <translation>Già al livello medio: il campo non cambia.</translation>
    </message>
    <message>
        <source>Hard level already: the board is kept.</source>
        <translation>Già al livello difficile: il campo non cambia.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: %1, %2 left.</source>
        <extracomment>The hint went back to the last board that can be cleared: %n moves were undone</extracomment>
        <translation>
            <numerusform>%n mossa indietro, restano %1, %2.</numerusform>
            <numerusform>%n mosse indietro, restano %1, %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <extracomment>A cell without a box</extracomment>
        <translation>vuota</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>rosso</translation>
    </message>
    <message>
        <source>light green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>verde chiaro</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>blu</translation>
    </message>
    <message>
        <source>dark green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>verde scuro</translation>
    </message>
    <message>
        <source>teal</source>
        <extracomment>The colour of a box (a cell&apos;s name): blue-green</extracomment>
        <translation>verde petrolio</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>giallo</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>The colour of a box (a cell&apos;s name): light blue-green</extracomment>
        <translation>ciano</translation>
    </message>
    <message>
        <source>Cannot be played</source>
        <extracomment>An empty cell</extracomment>
        <translation>Non giocabile</translation>
    </message>
    <message>
        <source>Cannot be played, a single box</source>
        <extracomment>A box with no neighbour of its colour</extracomment>
        <translation>Non giocabile, un blocco isolato</translation>
    </message>
    <message numerus="yes">
        <source>Can be played, a group of %n boxes</source>
        <extracomment>A box whose group would go if played; always two or more boxes</extracomment>
        <translation>
            <numerusform>Giocabile, un gruppo di %n blocco</numerusform>
            <numerusform>Giocabile, un gruppo di %n blocchi</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2: %3. %4.</source>
        <translation>Riga %1, colonna %2: %3. %4.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.</source>
        <translation>%1: %2 Prova «%1 --help» per saperne di più.</translation>
    </message>
    <message>
        <source>Clear a board of coloured boxes, group by group.</source>
        <translation>Svuota un campo di blocchi colorati, un gruppo alla volta.</translation>
    </message>
    <message>
        <source>Show this help with the game&apos;s keys, then exit.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Mostra questo aiuto con i tasti del gioco ed esce.</translation>
    </message>
    <message>
        <source>Show the version, then exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Start with a symbol on every box, one shape for each colour (Ctrl+S switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Inizia con un simbolo su ogni blocco, una forma per colore (Ctrl+S li attiva o disattiva).</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>Deal the boards from the number N (0 to 4294967295): the same number deals the same boards, to replay or share them.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Genera i campi dal numero N (da 0 a 4294967295): lo stesso numero genera gli stessi campi, da rigiocare o condividere.</translation>
    </message>
    <message>
        <source>the seed &apos;%1&apos; is not a number from 0 to 4294967295.</source>
        <translation>il seme «%1» non è un numero da 0 a 4294967295.</translation>
    </message>
    <message>
        <source>Deal only boards that can be cleared (Ctrl+D switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Genera solo campi che si possono svuotare (Ctrl+D attiva o disattiva).</translation>
    </message>
    <message>
        <source>
Qt&apos;s own options, such as -platform NAME or -style NAME, work as in every
Qt program.

</source>
        <extracomment>No line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>
Le opzioni proprie di Qt, come -platform NOME o -style NOME, funzionano come in
ogni programma Qt.

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
        <translation>Tasti:
  Spazio                Gioca il blocco corrente (al rilascio).
  Frecce, Home, Fine, Pag su, Pag giù
                        Sposta il blocco corrente.
  Ctrl+1, Ctrl+2, Ctrl+3
                        Livello facile, medio o difficile.
  Ctrl+N                Nuova partita con le stesse dimensioni e gli stessi
                        colori.
  Ctrl+Z                Annulla l’ultima mossa.
  Ctrl+Y                Ripete l’ultima mossa annullata.
  Ctrl+A                Attiva o disattiva l’animazione della caduta.
  Ctrl+C                Blocchi colorati o grigi.
  Ctrl+H                Cornice del blocco corrente: piena, solo contorno o
                        nessuna.
  Ctrl+S                Attiva o disattiva i simboli sui blocchi.
  Ctrl+B                Mostra e copia il codice del campo: --board CODE
                        genera di nuovo lo stesso campo.
  H                     Un suggerimento: segna il blocco da giocare per
                        svuotare il campo, o dice quante mosse fa il campo è
                        stato perso; premendo di nuovo H si torna lì.
  Ctrl+D                Genera solo campi che si possono svuotare, o tutti.
  F2                    Lo stato della partita, comunicato allo screen reader.
  F10                   Esce dal gioco.
</translation>
    </message>
    <message>
        <source>Start with the board of this code (Ctrl+B shows it).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer). CODE is the code Ctrl+B shows, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>Inizia con il campo di questo codice (Ctrl+B lo mostra).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a board code of this version of the game.</source>
        <extracomment>%1 is the code as typed; a code has twelve letters and digits, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>«%1» non è un codice di campo di questa versione del gioco.</translation>
    </message>
    <message>
        <source>  Ctrl+W                Tell a lost game at once, or only when H asks.
</source>
        <extracomment>Follows the list of keys: the key name as the keyboard shows it, the description in the 25th column, no line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>  Ctrl+W                Segnalare subito una partita persa, o solo con H.
</translation>
    </message>
    <message>
        <source>Tell at once, with the way back, when a move has lost the game (Ctrl+W switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Segnalare subito, con la via del ritorno, quando una mossa ha fatto perdere la partita (Ctrl+W cambia).</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Quenlith cannot open its window: the Wayland display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith non può aprire la sua finestra: il display Wayland «%1» non è raggiungibile.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no X display is set (DISPLAY is empty).</source>
        <translation>Quenlith non può aprire la sua finestra: nessun display X impostato (DISPLAY è vuota).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the X display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith non può aprire la sua finestra: il display X «%1» non è raggiungibile.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display is set (DISPLAY and WAYLAND_DISPLAY are empty).</source>
        <translation>Quenlith non può aprire la sua finestra: nessun display impostato (DISPLAY e WAYLAND_DISPLAY sono vuote).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; is not installed.</source>
        <translation>Quenlith non può aprire la sua finestra: il plugin di visualizzazione «%1» non è installato.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; failed to load.</source>
        <translation>Quenlith non può aprire la sua finestra: impossibile caricare il plugin di visualizzazione «%1».</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display could be reached.</source>
        <translation>Quenlith non può aprire la sua finestra: nessun display raggiungibile.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Quenlith</source>
        <translation>Informazioni su Quenlith</translation>
    </message>
    <message>
        <source>%1. Click to close.</source>
        <extracomment>Told to a screen reader on the About box&apos;s picture; %1 is the version line, such as &quot;Quenlith v.1.4.0&quot;; a click anywhere on the box closes it</extracomment>
        <translation>%1. Fai clic per chiudere.</translation>
    </message>
    <message>
        <source>Quenlith v.%1</source>
        <extracomment>The About box&apos;s version line; %1 is the version, such as 1.4.0</extracomment>
        <translation>Quenlith versione %1</translation>
    </message>
    <message>
        <source>Programming: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Programmazione: %1
e %2</translation>
    </message>
    <message>
        <source>Design: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Grafica: %1
e %2</translation>
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
        <translation>In attesa.</translation>
    </message>
    <message>
        <source>Solving...</source>
        <extracomment>State of the solution search: running</extracomment>
        <translation>Risoluzione in corso…</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>State of the solution search: it found a way to clear the board</extracomment>
        <translation>Risolto!</translation>
    </message>
    <message>
        <source>Stumped.</source>
        <extracomment>State of the solution search: it ended without finding a way to clear the board</extracomment>
        <translation>Nessuna soluzione trovata.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>A button: starts a new game</extracomment>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A button: takes the last move back</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>A button: ends the game</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A button: shows who made the game</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Easy level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the small board</extracomment>
        <translation>Livello facile</translation>
    </message>
    <message>
        <source>Medium level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in three colours</extracomment>
        <translation>Livello medio</translation>
    </message>
    <message>
        <source>Hard level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in five colours</extracomment>
        <translation>Livello difficile</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The playing field, a table of coloured boxes</extracomment>
        <translation>Campo di gioco</translation>
    </message>
    <message>
        <source>Boxes: %1  Groups: %2</source>
        <extracomment>What is left on the board; two blanks between the counts</extracomment>
        <translation>Blocchi: %1  Gruppi: %2</translation>
    </message>
    <message>
        <source>Congratulation! You win</source>
        <extracomment>The board is empty; a short line, it must fit the message line</extracomment>
        <translation>Complimenti! Hai vinto</translation>
    </message>
    <message>
        <source>You lose! Tvy again.</source>
        <extracomment>Only single boxes are left; the English misspelling is not to be copied</extracomment>
        <translation>Hai perso! Riprova.</translation>
    </message>
    <message>
        <source>New boards can all be cleared.</source>
        <translation>Tutti i nuovi campi si possono svuotare.</translation>
    </message>
    <message>
        <source>New boards are dealt at random.</source>
        <translation>I nuovi campi sono generati a caso.</translation>
    </message>
    <message>
        <source>Looking for a way to clear the board...</source>
        <extracomment>On the message line, while the hint is searched</extracomment>
        <translation>Cerco un modo per svuotare il campo…</translation>
    </message>
    <message>
        <source>The board can be cleared: play the marked box.</source>
        <extracomment>On the message line; the box to play has magenta marks on its corners</extracomment>
        <translation>Il campo si può svuotare: gioca il blocco segnato.</translation>
    </message>
    <message>
        <source>Dealing a board that can be cleared...</source>
        <extracomment>On the message line while a board that can be won is dealt</extracomment>
        <translation>Genero un campo che si può svuotare…</translation>
    </message>
    <message>
        <source>Looking through the earlier boards...</source>
        <extracomment>On the message line, while the boards before this one are searched for one that can still be cleared</extracomment>
        <translation>Esamino i campi precedenti…</translation>
    </message>
    <message numerus="yes">
        <source>Lost %n moves ago: press H to go back.</source>
        <extracomment>On the message line. What was lost is the board (this game&apos;s board): it could still be cleared %n moves ago and no longer can. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Perso %n mossa fa: premi H per tornare indietro.</numerusform>
            <numerusform>Perso %n mosse fa: premi H per tornare indietro.</numerusform>
        </translation>
    </message>
    <message>
        <source>This game cannot be won: start a new game.</source>
        <extracomment>On the message line: not even the first board of this game could be cleared</extracomment>
        <translation>Partita impossibile da vincere: iniziane un’altra.</translation>
    </message>
    <message>
        <source>No way back found in time: start a new game.</source>
        <extracomment>On the message line: the board is lost, and no earlier board was found in time that could be cleared</extracomment>
        <translation>Nessun ritorno trovato in tempo: inizia un’altra partita.</translation>
    </message>
    <message>
        <source>A board is being dealt: please wait.</source>
        <extracomment>On the message line: a move, hint, undo or redo was refused while a board is dealt</extracomment>
        <translation>Sto generando un campo: attendi.</translation>
    </message>
    <message>
        <source>BOX PUZZLE</source>
        <extracomment>Under the game&apos;s name on the main window, in capitals where the language has them</extracomment>
        <translation>ROMPICAPO A BLOCCHI</translation>
    </message>
    <message>
        <source>easy</source>
        <extracomment>Painted on the button that plays the small board. A short word will do, as the English picture shows &quot;easy&quot;; the three level words share one type size</extracomment>
        <translation>Facile</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>Painted on the button that plays the large board in three colours. A short word will do, as the English picture shows &quot;medium&quot;</extracomment>
        <translation>Medio</translation>
    </message>
    <message>
        <source>hard</source>
        <extracomment>Painted on the button that plays the large board in five colours. A short word will do, as the English picture shows &quot;hard&quot;</extracomment>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Animation on.</source>
        <translation>Animazione attivata.</translation>
    </message>
    <message>
        <source>Animation off.</source>
        <translation>Animazione disattivata.</translation>
    </message>
    <message>
        <source>Boxes in colour.</source>
        <extracomment>On the message line: Ctrl+C switched the boxes to their colours</extracomment>
        <translation>Blocchi a colori.</translation>
    </message>
    <message>
        <source>Boxes in grey.</source>
        <translation>Blocchi in grigio.</translation>
    </message>
    <message>
        <source>Filled frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a frame whose inside shows the box&apos;s colour (in grey mode)</extracomment>
        <translation>Cornice piena sul blocco attuale.</translation>
    </message>
    <message>
        <source>Outline on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a thin white frame</extracomment>
        <translation>Contorno sul blocco attuale.</translation>
    </message>
    <message>
        <source>No frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H took the frame off the current box; the arrow keys still show it</extracomment>
        <translation>Nessuna cornice sul blocco attuale.</translation>
    </message>
    <message>
        <source>Symbols on.</source>
        <extracomment>On the message line: Ctrl+S put a symbol on every box</extracomment>
        <translation>Simboli attivati.</translation>
    </message>
    <message>
        <source>Symbols off.</source>
        <translation>Simboli disattivati.</translation>
    </message>
    <message>
        <source>This board has no code.</source>
        <extracomment>On the message line: Ctrl+B on a board that was not dealt by the game</extracomment>
        <translation>Questo campo non ha un codice.</translation>
    </message>
    <message>
        <source>Board %1: copied.</source>
        <extracomment>On the message line: %1 is the board&apos;s code (such as 1C8M-Q2ZR-7K4D), now on the clipboard; &quot;quenlith --board CODE&quot; deals the same board again</extracomment>
        <translation>Campo %1: copiato.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: play the marked box.</source>
        <extracomment>On the message line, after H went back: %n moves were undone to the last board that can be cleared; the box to play has magenta marks on its corners</extracomment>
        <translation>
            <numerusform>%n mossa indietro: gioca il blocco segnato.</numerusform>
            <numerusform>%n mosse indietro: gioca il blocco segnato.</numerusform>
        </translation>
    </message>
    <message>
        <source>Loss warning on.</source>
        <translation>Avviso di sconfitta attivato.</translation>
    </message>
    <message>
        <source>Loss warning off.</source>
        <translation>Avviso di sconfitta disattivato.</translation>
    </message>
    <message numerus="yes">
        <source>Still clearable %n moves ago: press H to go back.</source>
        <extracomment>On the message line. The board (this game&apos;s board) could still be cleared %n moves ago; the boards since then were not all searched in time and may or may not be lost. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Ancora risolvibile %n mossa fa: premi H per tornarci.</numerusform>
            <numerusform>Ancora risolvibile %n mosse fa: premi H per tornarci.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not found in time: still looking.</source>
        <extracomment>On the message line: the search ran out of time and goes on; its answer will be shown on the message line by itself, without pressing H again</extracomment>
        <translation>Non trovato in tempo: la ricerca continua.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quenlith cannot start: %1</source>
        <translation>Quenlith non può avviarsi: %1</translation>
    </message>
    <message>
        <source>Quenlith cannot start:
%1</source>
        <translation>Quenlith non può avviarsi:
%1</translation>
    </message>
</context>
</TS>
