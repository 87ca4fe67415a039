<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>%n boxes</source>
        <translation>
            <numerusform>%n kostka</numerusform>
            <numerusform>%n kostky</numerusform>
            <numerusform>%n kostek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n skupina</numerusform>
            <numerusform>%n skupiny</numerusform>
            <numerusform>%n skupin</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 left.</source>
        <translation>Zbývá: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n boxes removed.</source>
        <translation>
            <numerusform>Odebrána %n kostka.</numerusform>
            <numerusform>Odebrány %n kostky.</numerusform>
            <numerusform>Odebráno %n kostek.</numerusform>
        </translation>
    </message>
    <message>
        <source>A single box, nothing removed.</source>
        <translation>Osamocená kostka, nic nebylo odebráno.</translation>
    </message>
    <message>
        <source>No box there, nothing removed.</source>
        <translation>Tady není žádná kostka, nic nebylo odebráno.</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n barva</numerusform>
            <numerusform>%n barvy</numerusform>
            <numerusform>%n barev</numerusform>
        </translation>
    </message>
    <message>
        <source>New game: a %1 by %2 board in %3, %4.</source>
        <translation>Nová hra: plocha %1 × %2, %3, %4.</translation>
    </message>
    <message>
        <source>Easy level: new %1 by %2 board in %3, %4.</source>
        <translation>Snadná úroveň: nová plocha %1 × %2, %3, %4.</translation>
    </message>
    <message>
        <source>Medium level: new %1 by %2 board in %3, %4.</source>
        <translation>Střední úroveň: nová plocha %1 × %2, %3, %4.</translation>
    </message>
    <message>
        <source>Hard level: new %1 by %2 board in %3, %4.</source>
        <translation>Těžká úroveň: nová plocha %1 × %2, %3, %4.</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>Plocha je prázdná.</translation>
    </message>
    <message>
        <source>No move is left.</source>
        <translation>Už není možný žádný tah.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences of an answer, one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Není co vrátit.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Není co zopakovat.</translation>
    </message>
    <message>
        <source>Redone: the board is empty.</source>
        <translation>Tah zopakován: plocha je prázdná.</translation>
    </message>
    <message>
        <source>Moves remain.</source>
        <translation>Ještě zbývají možné tahy.</translation>
    </message>
    <message>
        <source>The board can be cleared. Play row %1, column %2, %3.</source>
        <extracomment>%3 is a colour word alone (&quot;red&quot;), an adjective without a noun; &quot;(%3)&quot; may stand for it</extracomment>
        <translation>Plochu lze vyčistit. Táhněte: řádek %1, sloupec %2, %3.</translation>
    </message>
    <message>
        <source>Undone: %1, %2 left.</source>
        <translation>Tah vrácen, zbývá: %1, %2.</translation>
    </message>
    <message>
        <source>Redone: %1, %2 left.</source>
        <translation>Tah zopakován, zbývá: %1, %2.</translation>
    </message>
    <message>
        <source>Easy level already: the board is kept.</source>
        <translation>Snadná úroveň už je zvolena: plocha se nemění.</translation>
    </message>
    <message>
        <source>Medium level already: the board is kept.</source>
        <translation>Střední úroveň už je zvolena: plocha se nemění.</translation>
    </message>
    <message>
        <source>Hard level already: the board is kept.</source>
        <translation>Těžká úroveň už je zvolena: plocha se nemění.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: %1, %2 left.</source>
        <extracomment>The hint went back to the last board that can be cleared: %n moves were undone</extracomment>
        <translation>
            <numerusform>Vrácen %n tah, zbývá: %1, %2.</numerusform>
            <numerusform>Vráceny %n tahy, zbývá: %1, %2.</numerusform>
            <numerusform>Vráceno %n tahů, zbývá: %1, %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <extracomment>A cell without a box</extracomment>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>červená</translation>
    </message>
    <message>
        <source>light green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>světle zelená</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>modrá</translation>
    </message>
    <message>
        <source>dark green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>tmavě zelená</translation>
    </message>
    <message>
        <source>teal</source>
        <extracomment>The colour of a box (a cell&apos;s name): blue-green</extracomment>
        <translation>modrozelená</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>žlutá</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>The colour of a box (a cell&apos;s name): light blue-green</extracomment>
        <translation>azurová</translation>
    </message>
    <message>
        <source>Cannot be played</source>
        <extracomment>An empty cell</extracomment>
        <translation>Nelze zahrát</translation>
    </message>
    <message>
        <source>Cannot be played, a single box</source>
        <extracomment>A box with no neighbour of its colour</extracomment>
        <translation>Nelze zahrát, osamocená kostka</translation>
    </message>
    <message numerus="yes">
        <source>Can be played, a group of %n boxes</source>
        <extracomment>A box whose group would go if played; always two or more boxes</extracomment>
        <translation>
            <numerusform>Lze zahrát, ve skupině je %n kostka</numerusform>
            <numerusform>Lze zahrát, ve skupině jsou %n kostky</numerusform>
            <numerusform>Lze zahrát, ve skupině je %n kostek</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2: %3. %4.</source>
        <translation>Řádek %1, sloupec %2: %3. %4.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.</source>
        <translation>%1: %2 Více vypíše „%1 --help“.</translation>
    </message>
    <message>
        <source>Clear a board of coloured boxes, group by group.</source>
        <translation>Vyčistěte plochu od barevných kostek, skupinu po skupině.</translation>
    </message>
    <message>
        <source>Show this help with the game&apos;s keys, then exit.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Zobrazit tuto nápovědu s klávesami hry a skončit.</translation>
    </message>
    <message>
        <source>Show the version, then exit.</source>
        <translation>Zobrazit verzi a skončit.</translation>
    </message>
    <message>
        <source>Start with a symbol on every box, one shape for each colour (Ctrl+S switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Začít se symbolem na každé kostce, jeden tvar pro každou barvu (Ctrl+S přepíná).</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>neznámá volba „%1“.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>neočekávaný argument „%1“.</translation>
    </message>
    <message>
        <source>Deal the boards from the number N (0 to 4294967295): the same number deals the same boards, to replay or share them.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Rozdat plochy podle čísla N (0 až 4294967295): stejné číslo rozdá stejné plochy, aby šly zahrát znovu nebo sdílet.</translation>
    </message>
    <message>
        <source>the seed &apos;%1&apos; is not a number from 0 to 4294967295.</source>
        <translation>semínko „%1“ není číslo od 0 do 4294967295.</translation>
    </message>
    <message>
        <source>Deal only boards that can be cleared (Ctrl+D switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Rozdávat jen plochy, které lze vyčistit (Ctrl+D přepíná).</translation>
    </message>
    <message>
        <source>
Qt&apos;s own options, such as -platform NAME or -style NAME, work as in every
Qt program.

</source>
        <extracomment>No line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>
Vlastní volby Qt, například -platform NÁZEV nebo -style NÁZEV, fungují jako
v každém programu v Qt.

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
        <translation>Klávesy:
  Mezerník              Táhnout aktuální kostkou (po uvolnění).
  Šipky, Home, End, Page Up, Page Down
                        Posunout aktuální kostku.
  Ctrl+1, Ctrl+2, Ctrl+3
                        Snadná, střední nebo těžká úroveň.
  Ctrl+N                Nová hra se stejnou velikostí plochy a barvami.
  Ctrl+Z                Vrátit poslední tah.
  Ctrl+Y                Zopakovat naposledy vrácený tah.
  Ctrl+A                Zapnout nebo vypnout animaci padání.
  Ctrl+C                Barevné nebo šedé kostky.
  Ctrl+H                Rámeček aktuální kostky: vyplněný, jen obrys nebo
                        žádný.
  Ctrl+S                Zapnout nebo vypnout symboly na kostkách.
  Ctrl+B                Ukázat a zkopírovat kód plochy: --board CODE
                        rozdá stejnou plochu znovu.
  H                     Rada: označit kostku, kterou táhnout k prázdné ploše,
                        nebo sdělit, před kolika tahy byla hra prohrána; další
                        stisk H se tam pak vrátí.
  Ctrl+D                Rozdávat jen plochy, jež lze vyčistit, nebo libovolné.
  F2                    Stav hry, sdělený čtečce obrazovky.
  F10                   Opustit hru.
</translation>
    </message>
    <message>
        <source>Start with the board of this code (Ctrl+B shows it).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer). CODE is the code Ctrl+B shows, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>Začít s plochou tohoto kódu (Ctrl+B ho ukáže).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a board code of this version of the game.</source>
        <extracomment>%1 is the code as typed; a code has twelve letters and digits, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>„%1“ není kód plochy této verze hry.</translation>
    </message>
    <message>
        <source>  Ctrl+W                Tell a lost game at once, or only when H asks.
</source>
        <extracomment>Follows the list of keys: the key name as the keyboard shows it, the description in the 25th column, no line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>  Ctrl+W                Oznámit prohranou hru hned, nebo jen na H.
</translation>
    </message>
    <message>
        <source>Tell at once, with the way back, when a move has lost the game (Ctrl+W switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Hned oznámit, i s cestou zpět, že tah prohrál hru (Ctrl+W přepíná).</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Quenlith cannot open its window: the Wayland display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith nemůže otevřít své okno: displej Wayland „%1“ není dostupný.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no X display is set (DISPLAY is empty).</source>
        <translation>Quenlith nemůže otevřít své okno: není nastaven žádný displej X (proměnná DISPLAY je prázdná).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the X display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith nemůže otevřít své okno: displej X „%1“ není dostupný.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display is set (DISPLAY and WAYLAND_DISPLAY are empty).</source>
        <translation>Quenlith nemůže otevřít své okno: není nastaven žádný displej (proměnné DISPLAY a WAYLAND_DISPLAY jsou prázdné).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; is not installed.</source>
        <translation>Quenlith nemůže otevřít své okno: zásuvný modul zobrazení „%1“ není nainstalován.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; failed to load.</source>
        <translation>Quenlith nemůže otevřít své okno: zásuvný modul zobrazení „%1“ se nepodařilo načíst.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display could be reached.</source>
        <translation>Quenlith nemůže otevřít své okno: žádný displej není dostupný.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Quenlith</source>
        <translation>O hře Quenlith</translation>
    </message>
    <message>
        <source>%1. Click to close.</source>
        <extracomment>Told to a screen reader on the About box&apos;s picture; %1 is the version line, such as &quot;Quenlith v.1.4.0&quot;; a click anywhere on the box closes it</extracomment>
        <translation>%1. Kliknutím zavřete.</translation>
    </message>
    <message>
        <source>Quenlith v.%1</source>
        <extracomment>The About box&apos;s version line; %1 is the version, such as 1.4.0</extracomment>
        <translation>Quenlith verze %1</translation>
    </message>
    <message>
        <source>Programming: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Programování: %1
a %2</translation>
    </message>
    <message>
        <source>Design: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Grafika: %1
a %2</translation>
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
        <translation>Nespuštěno.</translation>
    </message>
    <message>
        <source>Solving...</source>
        <extracomment>State of the solution search: running</extracomment>
        <translation>Hledám řešení…</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>State of the solution search: it found a way to clear the board</extracomment>
        <translation>Vyřešeno!</translation>
    </message>
    <message>
        <source>Stumped.</source>
        <extracomment>State of the solution search: it ended without finding a way to clear the board</extracomment>
        <translation>Řešení nenalezeno.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>A button: starts a new game</extracomment>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A button: takes the last move back</extracomment>
        <translation>Vrátit tah</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>A button: ends the game</extracomment>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A button: shows who made the game</extracomment>
        <translation>O hře</translation>
    </message>
    <message>
        <source>Easy level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the small board</extracomment>
        <translation>Snadná úroveň</translation>
    </message>
    <message>
        <source>Medium level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in three colours</extracomment>
        <translation>Střední úroveň</translation>
    </message>
    <message>
        <source>Hard level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in five colours</extracomment>
        <translation>Těžká úroveň</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The playing field, a table of coloured boxes</extracomment>
        <translation>Hrací plocha</translation>
    </message>
    <message>
        <source>Boxes: %1  Groups: %2</source>
        <extracomment>What is left on the board; two blanks between the counts</extracomment>
        <translation>Kostky: %1  Skupiny: %2</translation>
    </message>
    <message>
        <source>Congratulation! You win</source>
        <extracomment>The board is empty; a short line, it must fit the message line</extracomment>
        <translation>Gratulujeme! Vyhráli jste</translation>
    </message>
    <message>
        <source>You lose! Tvy again.</source>
        <extracomment>Only single boxes are left; the English misspelling is not to be copied</extracomment>
        <translation>Prohráli jste! Zkuste to znovu.</translation>
    </message>
    <message>
        <source>New boards can all be cleared.</source>
        <translation>Každou novou plochu půjde vyčistit.</translation>
    </message>
    <message>
        <source>New boards are dealt at random.</source>
        <translation>Nové plochy se rozdávají náhodně.</translation>
    </message>
    <message>
        <source>Looking for a way to clear the board...</source>
        <extracomment>On the message line, while the hint is searched</extracomment>
        <translation>Hledám způsob, jak vyčistit plochu…</translation>
    </message>
    <message>
        <source>The board can be cleared: play the marked box.</source>
        <extracomment>On the message line; the box to play has magenta marks on its corners</extracomment>
        <translation>Plochu lze vyčistit: táhněte označenou kostkou.</translation>
    </message>
    <message>
        <source>Dealing a board that can be cleared...</source>
        <extracomment>On the message line while a board that can be won is dealt</extracomment>
        <translation>Rozdávám plochu, kterou lze vyčistit…</translation>
    </message>
    <message>
        <source>Looking through the earlier boards...</source>
        <extracomment>On the message line, while the boards before this one are searched for one that can still be cleared</extracomment>
        <translation>Prohledávám dřívější plochy…</translation>
    </message>
    <message numerus="yes">
        <source>Lost %n moves ago: press H to go back.</source>
        <extracomment>On the message line. What was lost is the board (this game&apos;s board): it could still be cleared %n moves ago and no longer can. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Prohráno před %n tahem: H vás vrátí zpět.</numerusform>
            <numerusform>Prohráno před %n tahy: H vás vrátí zpět.</numerusform>
            <numerusform>Prohráno před %n tahy: H vás vrátí zpět.</numerusform>
        </translation>
    </message>
    <message>
        <source>This game cannot be won: start a new game.</source>
        <extracomment>On the message line: not even the first board of this game could be cleared</extracomment>
        <translation>Tuto hru nelze vyhrát: začněte novou.</translation>
    </message>
    <message>
        <source>No way back found in time: start a new game.</source>
        <extracomment>On the message line: the board is lost, and no earlier board was found in time that could be cleared</extracomment>
        <translation>Cesta zpět se včas nenašla: začněte novou hru.</translation>
    </message>
    <message>
        <source>A board is being dealt: please wait.</source>
        <extracomment>On the message line: a move, hint, undo or redo was refused while a board is dealt</extracomment>
        <translation>Rozdávám plochu: počkejte prosím.</translation>
    </message>
    <message>
        <source>BOX PUZZLE</source>
        <extracomment>Under the game&apos;s name on the main window, in capitals where the language has them</extracomment>
        <translation>HLAVOLAM S KOSTKAMI</translation>
    </message>
    <message>
        <source>easy</source>
        <extracomment>Painted on the button that plays the small board. A short word will do, as the English picture shows &quot;easy&quot;; the three level words share one type size</extracomment>
        <translation>Snadná</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>Painted on the button that plays the large board in three colours. A short word will do, as the English picture shows &quot;medium&quot;</extracomment>
        <translation>Střední</translation>
    </message>
    <message>
        <source>hard</source>
        <extracomment>Painted on the button that plays the large board in five colours. A short word will do, as the English picture shows &quot;hard&quot;</extracomment>
        <translation>Těžká</translation>
    </message>
    <message>
        <source>Animation on.</source>
        <translation>Animace zapnuta.</translation>
    </message>
    <message>
        <source>Animation off.</source>
        <translation>Animace vypnuta.</translation>
    </message>
    <message>
        <source>Boxes in colour.</source>
        <extracomment>On the message line: Ctrl+C switched the boxes to their colours</extracomment>
        <translation>Barevné kostky.</translation>
    </message>
    <message>
        <source>Boxes in grey.</source>
        <translation>Šedé kostky.</translation>
    </message>
    <message>
        <source>Filled frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a frame whose inside shows the box&apos;s colour (in grey mode)</extracomment>
        <translation>Vyplněný rámeček kolem aktuální kostky.</translation>
    </message>
    <message>
        <source>Outline on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a thin white frame</extracomment>
        <translation>Obrys kolem aktuální kostky.</translation>
    </message>
    <message>
        <source>No frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H took the frame off the current box; the arrow keys still show it</extracomment>
        <translation>Bez rámečku kolem aktuální kostky.</translation>
    </message>
    <message>
        <source>Symbols on.</source>
        <extracomment>On the message line: Ctrl+S put a symbol on every box</extracomment>
        <translation>Symboly zapnuty.</translation>
    </message>
    <message>
        <source>Symbols off.</source>
        <translation>Symboly vypnuty.</translation>
    </message>
    <message>
        <source>This board has no code.</source>
        <extracomment>On the message line: Ctrl+B on a board that was not dealt by the game</extracomment>
        <translation>Tato plocha nemá kód.</translation>
    </message>
    <message>
        <source>Board %1: copied.</source>
        <extracomment>On the message line: %1 is the board&apos;s code (such as 1C8M-Q2ZR-7K4D), now on the clipboard; &quot;quenlith --board CODE&quot; deals the same board again</extracomment>
        <translation>Plocha %1: zkopírováno.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: play the marked box.</source>
        <extracomment>On the message line, after H went back: %n moves were undone to the last board that can be cleared; the box to play has magenta marks on its corners</extracomment>
        <translation>
            <numerusform>Vrácen %n tah: táhněte označenou kostkou.</numerusform>
            <numerusform>Vráceny %n tahy: táhněte označenou kostkou.</numerusform>
            <numerusform>Vráceno %n tahů: táhněte označenou kostkou.</numerusform>
        </translation>
    </message>
    <message>
        <source>Loss warning on.</source>
        <translation>Varování před prohrou zapnuto.</translation>
    </message>
    <message>
        <source>Loss warning off.</source>
        <translation>Varování před prohrou vypnuto.</translation>
    </message>
    <message numerus="yes">
        <source>Still clearable %n moves ago: press H to go back.</source>
        <extracomment>On the message line. The board (this game&apos;s board) could still be cleared %n moves ago; the boards since then were not all searched in time and may or may not be lost. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Před %n tahem ještě řešitelná: klávesa H vás vrátí.</numerusform>
            <numerusform>Před %n tahy ještě řešitelná: klávesa H vás vrátí.</numerusform>
            <numerusform>Před %n tahy ještě řešitelná: klávesa H vás vrátí.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not found in time: still looking.</source>
        <extracomment>On the message line: the search ran out of time and goes on; its answer will be shown on the message line by itself, without pressing H again</extracomment>
        <translation>Včas nenalezeno: hledání pokračuje.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quenlith cannot start: %1</source>
        <translation>Quenlith nelze spustit: %1</translation>
    </message>
    <message>
        <source>Quenlith cannot start:
%1</source>
        <translation>Quenlith nelze spustit:
%1</translation>
    </message>
</context>
</TS>
