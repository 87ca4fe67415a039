<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>%n boxes</source>
        <translation>
            <numerusform>%n klocek</numerusform>
            <numerusform>%n klocki</numerusform>
            <numerusform>%n klocków</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n grupa</numerusform>
            <numerusform>%n grupy</numerusform>
            <numerusform>%n grup</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 left.</source>
        <translation>Pozostało: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n boxes removed.</source>
        <translation>
            <numerusform>Usunięto %n klocek.</numerusform>
            <numerusform>Usunięto %n klocki.</numerusform>
            <numerusform>Usunięto %n klocków.</numerusform>
        </translation>
    </message>
    <message>
        <source>A single box, nothing removed.</source>
        <translation>Pojedynczy klocek, nic nie usunięto.</translation>
    </message>
    <message>
        <source>No box there, nothing removed.</source>
        <translation>Tu nie ma klocka, nic nie usunięto.</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n kolor</numerusform>
            <numerusform>%n kolory</numerusform>
            <numerusform>%n kolorów</numerusform>
        </translation>
    </message>
    <message>
        <source>New game: a %1 by %2 board in %3, %4.</source>
        <translation>Nowa gra: plansza %1 na %2, %3, %4.</translation>
    </message>
    <message>
        <source>Easy level: new %1 by %2 board in %3, %4.</source>
        <translation>Poziom łatwy: nowa plansza %1 na %2, %3, %4.</translation>
    </message>
    <message>
        <source>Medium level: new %1 by %2 board in %3, %4.</source>
        <translation>Poziom średni: nowa plansza %1 na %2, %3, %4.</translation>
    </message>
    <message>
        <source>Hard level: new %1 by %2 board in %3, %4.</source>
        <translation>Poziom trudny: nowa plansza %1 na %2, %3, %4.</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>Plansza jest pusta.</translation>
    </message>
    <message>
        <source>No move is left.</source>
        <translation>Nie ma już żadnego ruchu.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences of an answer, one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nie ma ruchu do cofnięcia.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nie ma ruchu do powtórzenia.</translation>
    </message>
    <message>
        <source>Redone: the board is empty.</source>
        <translation>Powtórzono ruch: plansza jest pusta.</translation>
    </message>
    <message>
        <source>Moves remain.</source>
        <translation>Są jeszcze możliwe ruchy.</translation>
    </message>
    <message>
        <source>The board can be cleared. Play row %1, column %2, %3.</source>
        <extracomment>%3 is a colour word alone (&quot;red&quot;), an adjective without a noun; &quot;(%3)&quot; may stand for it</extracomment>
        <translation>Planszę da się oczyścić. Zagraj: wiersz %1, kolumna %2, %3.</translation>
    </message>
    <message>
        <source>Undone: %1, %2 left.</source>
        <translation>Cofnięto ruch, pozostało: %1, %2.</translation>
    </message>
    <message>
        <source>Redone: %1, %2 left.</source>
        <translation>Powtórzono ruch, pozostało: %1, %2.</translation>
    </message>
    <message>
        <source>Easy level already: the board is kept.</source>
        <translation>Poziom łatwy jest już wybrany: plansza się nie zmienia.</translation>
    </message>
    <message>
        <source>Medium level already: the board is kept.</source>
        <translation>Poziom średni jest już wybrany: plansza się nie zmienia.</translation>
    </message>
    <message>
        <source>Hard level already: the board is kept.</source>
        <translation>Poziom trudny jest już wybrany: plansza się nie zmienia.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: %1, %2 left.</source>
        <extracomment>The hint went back to the last board that can be cleared: %n moves were undone</extracomment>
        <translation>
            <numerusform>Cofnięto %n ruch, pozostało: %1, %2.</numerusform>
            <numerusform>Cofnięto %n ruchy, pozostało: %1, %2.</numerusform>
            <numerusform>Cofnięto %n ruchów, pozostało: %1, %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <extracomment>A cell without a box</extracomment>
        <translation>puste</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>light green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>jasnozielony</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>dark green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>ciemnozielony</translation>
    </message>
    <message>
        <source>teal</source>
        <extracomment>The colour of a box (a cell&apos;s name): blue-green</extracomment>
        <translation>morski</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>żółty</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>The colour of a box (a cell&apos;s name): light blue-green</extracomment>
        <translation>turkusowy</translation>
    </message>
    <message>
        <source>Cannot be played</source>
        <extracomment>An empty cell</extracomment>
        <translation>Nie można zagrać</translation>
    </message>
    <message>
        <source>Cannot be played, a single box</source>
        <extracomment>A box with no neighbour of its colour</extracomment>
        <translation>Nie można zagrać, pojedynczy klocek</translation>
    </message>
    <message numerus="yes">
        <source>Can be played, a group of %n boxes</source>
        <extracomment>A box whose group would go if played; always two or more boxes</extracomment>
        <translation>
            <numerusform>Można zagrać, w grupie jest %n klocek</numerusform>
            <numerusform>Można zagrać, w grupie są %n klocki</numerusform>
            <numerusform>Można zagrać, w grupie jest %n klocków</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2: %3. %4.</source>
        <translation>Wiersz %1, kolumna %2: %3. %4.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.</source>
        <translation>%1: %2 Więcej informacji: „%1 --help”.</translation>
    </message>
    <message>
        <source>Clear a board of coloured boxes, group by group.</source>
        <translation>Oczyść planszę z kolorowych klocków, grupa po grupie.</translation>
    </message>
    <message>
        <source>Show this help with the game&apos;s keys, then exit.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Pokaż tę pomoc z klawiszami gry i zakończ.</translation>
    </message>
    <message>
        <source>Show the version, then exit.</source>
        <translation>Pokaż wersję i zakończ.</translation>
    </message>
    <message>
        <source>Start with a symbol on every box, one shape for each colour (Ctrl+S switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Zacznij z symbolami na klockach, po jednym kształcie na kolor (Ctrl+S przełącza).</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>nieznana opcja „%1”.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Deal the boards from the number N (0 to 4294967295): the same number deals the same boards, to replay or share them.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Rozdaj plansze według liczby N (od 0 do 4294967295): ta sama liczba daje te same plansze, by rozegrać je ponownie lub się nimi podzielić.</translation>
    </message>
    <message>
        <source>the seed &apos;%1&apos; is not a number from 0 to 4294967295.</source>
        <translation>ziarno „%1” nie jest liczbą od 0 do 4294967295.</translation>
    </message>
    <message>
        <source>Deal only boards that can be cleared (Ctrl+D switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Rozdawaj tylko plansze, które da się oczyścić (Ctrl+D przełącza).</translation>
    </message>
    <message>
        <source>
Qt&apos;s own options, such as -platform NAME or -style NAME, work as in every
Qt program.

</source>
        <extracomment>No line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>
Własne opcje Qt, takie jak -platform NAZWA czy -style NAZWA, działają jak
w każdym programie Qt.

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
        <translation>Klawisze:
  Spacja                Wykonaj ruch bieżącym klockiem (po zwolnieniu).
  Strzałki, Home, End, Page Up, Page Down
                        Przesuń bieżący klocek.
  Ctrl+1, Ctrl+2, Ctrl+3
                        Poziom łatwy, średni lub trudny.
  Ctrl+N                Nowa gra z tym samym rozmiarem planszy i kolorami.
  Ctrl+Z                Cofnij ostatni ruch.
  Ctrl+Y                Powtórz ostatnio cofnięty ruch.
  Ctrl+A                Włącz lub wyłącz animację spadania.
  Ctrl+C                Kolorowe lub szare klocki.
  Ctrl+H                Ramka wokół bieżącego klocka: wypełniona, obrys lub
                        brak.
  Ctrl+S                Włącz lub wyłącz symbole na klockach.
  Ctrl+B                Pokaż i skopiuj kod planszy: --board CODE rozdaje
                        tę samą planszę ponownie.
  H                     Podpowiedź: zaznacza klocek, którym trzeba zagrać, by
                        oczyścić planszę, lub mówi, ile ruchów temu plansza
                        została przegrana; ponowne H wraca do tamtej chwili.
  Ctrl+D                Rozdawaj tylko plansze, które da się oczyścić, lub
                        dowolne.
  F2                    Stan gry, przekazany czytnikowi ekranu.
  F10                   Opuść grę.
</translation>
    </message>
    <message>
        <source>Start with the board of this code (Ctrl+B shows it).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer). CODE is the code Ctrl+B shows, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>Zacznij od planszy o tym kodzie (Ctrl+B go pokazuje).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a board code of this version of the game.</source>
        <extracomment>%1 is the code as typed; a code has twelve letters and digits, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>„%1” nie jest kodem planszy tej wersji gry.</translation>
    </message>
    <message>
        <source>  Ctrl+W                Tell a lost game at once, or only when H asks.
</source>
        <extracomment>Follows the list of keys: the key name as the keyboard shows it, the description in the 25th column, no line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>  Ctrl+W                Zgłaszać przegraną grę od razu albo tylko po H.
</translation>
    </message>
    <message>
        <source>Tell at once, with the way back, when a move has lost the game (Ctrl+W switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Od razu zgłaszać, z drogą powrotną, że ruch przegrał grę (Ctrl+W przełącza).</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Quenlith cannot open its window: the Wayland display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith nie może otworzyć okna: ekran Wayland „%1” jest nieosiągalny.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no X display is set (DISPLAY is empty).</source>
        <translation>Quenlith nie może otworzyć okna: nie ustawiono ekranu X (zmienna DISPLAY jest pusta).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the X display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith nie może otworzyć okna: ekran X „%1” jest nieosiągalny.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display is set (DISPLAY and WAYLAND_DISPLAY are empty).</source>
        <translation>Quenlith nie może otworzyć okna: nie ustawiono żadnego ekranu (zmienne DISPLAY i WAYLAND_DISPLAY są puste).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; is not installed.</source>
        <translation>Quenlith nie może otworzyć okna: wtyczka wyświetlania „%1” nie jest zainstalowana.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; failed to load.</source>
        <translation>Quenlith nie może otworzyć okna: nie udało się wczytać wtyczki wyświetlania „%1”.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display could be reached.</source>
        <translation>Quenlith nie może otworzyć okna: żaden ekran nie jest osiągalny.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Quenlith</source>
        <translation>O grze Quenlith</translation>
    </message>
    <message>
        <source>%1. Click to close.</source>
        <extracomment>Told to a screen reader on the About box&apos;s picture; %1 is the version line, such as &quot;Quenlith v.1.4.0&quot;; a click anywhere on the box closes it</extracomment>
        <translation>%1. Kliknij, aby zamknąć.</translation>
    </message>
    <message>
        <source>Quenlith v.%1</source>
        <extracomment>The About box&apos;s version line; %1 is the version, such as 1.4.0</extracomment>
        <translation>Quenlith, wersja %1</translation>
    </message>
    <message>
        <source>Programming: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Programowanie: %1
i %2</translation>
    </message>
    <message>
        <source>Design: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Grafika: %1
i %2</translation>
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
        <translation>Oczekiwanie.</translation>
    </message>
    <message>
        <source>Solving...</source>
        <extracomment>State of the solution search: running</extracomment>
        <translation>Szukanie rozwiązania…</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>State of the solution search: it found a way to clear the board</extracomment>
        <translation>Rozwiązano!</translation>
    </message>
    <message>
        <source>Stumped.</source>
        <extracomment>State of the solution search: it ended without finding a way to clear the board</extracomment>
        <translation>Nie znaleziono rozwiązania.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>A button: starts a new game</extracomment>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A button: takes the last move back</extracomment>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>A button: ends the game</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A button: shows who made the game</extracomment>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Easy level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the small board</extracomment>
        <translation>Poziom łatwy</translation>
    </message>
    <message>
        <source>Medium level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in three colours</extracomment>
        <translation>Poziom średni</translation>
    </message>
    <message>
        <source>Hard level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in five colours</extracomment>
        <translation>Poziom trudny</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The playing field, a table of coloured boxes</extracomment>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Boxes: %1  Groups: %2</source>
        <extracomment>What is left on the board; two blanks between the counts</extracomment>
        <translation>Klocki: %1  Grupy: %2</translation>
    </message>
    <message>
        <source>Congratulation! You win</source>
        <extracomment>The board is empty; a short line, it must fit the message line</extracomment>
        <translation>Gratulacje! Wygrana</translation>
    </message>
    <message>
        <source>You lose! Tvy again.</source>
        <extracomment>Only single boxes are left; the English misspelling is not to be copied</extracomment>
        <translation>Przegrana! Spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>New boards can all be cleared.</source>
        <translation>Każdą nową planszę da się oczyścić.</translation>
    </message>
    <message>
        <source>New boards are dealt at random.</source>
        <translation>Nowe plansze są rozdawane losowo.</translation>
    </message>
    <message>
        <source>Looking for a way to clear the board...</source>
        <extracomment>On the message line, while the hint is searched</extracomment>
        <translation>Szukanie sposobu na oczyszczenie planszy…</translation>
    </message>
    <message>
        <source>The board can be cleared: play the marked box.</source>
        <extracomment>On the message line; the box to play has magenta marks on its corners</extracomment>
        <translation>Planszę da się oczyścić: zagraj zaznaczonym klockiem.</translation>
    </message>
    <message>
        <source>Dealing a board that can be cleared...</source>
        <extracomment>On the message line while a board that can be won is dealt</extracomment>
        <translation>Rozdawanie planszy, którą da się oczyścić…</translation>
    </message>
    <message>
        <source>Looking through the earlier boards...</source>
        <extracomment>On the message line, while the boards before this one are searched for one that can still be cleared</extracomment>
        <translation>Przeglądanie wcześniejszych plansz…</translation>
    </message>
    <message numerus="yes">
        <source>Lost %n moves ago: press H to go back.</source>
        <extracomment>On the message line. What was lost is the board (this game&apos;s board): it could still be cleared %n moves ago and no longer can. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Przegrana %n ruch temu: naciśnij H, by wrócić.</numerusform>
            <numerusform>Przegrana %n ruchy temu: naciśnij H, by wrócić.</numerusform>
            <numerusform>Przegrana %n ruchów temu: naciśnij H, by wrócić.</numerusform>
        </translation>
    </message>
    <message>
        <source>This game cannot be won: start a new game.</source>
        <extracomment>On the message line: not even the first board of this game could be cleared</extracomment>
        <translation>Tej gry nie da się wygrać: zacznij nową.</translation>
    </message>
    <message>
        <source>No way back found in time: start a new game.</source>
        <extracomment>On the message line: the board is lost, and no earlier board was found in time that could be cleared</extracomment>
        <translation>Nie znaleziono w porę drogi wstecz: zacznij nową grę.</translation>
    </message>
    <message>
        <source>A board is being dealt: please wait.</source>
        <extracomment>On the message line: a move, hint, undo or redo was refused while a board is dealt</extracomment>
        <translation>Trwa rozdawanie planszy: proszę czekać.</translation>
    </message>
    <message>
        <source>BOX PUZZLE</source>
        <extracomment>Under the game&apos;s name on the main window, in capitals where the language has them</extracomment>
        <translation>ŁAMIGŁÓWKA Z KLOCKAMI</translation>
    </message>
    <message>
        <source>easy</source>
        <extracomment>Painted on the button that plays the small board. A short word will do, as the English picture shows &quot;easy&quot;; the three level words share one type size</extracomment>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>Painted on the button that plays the large board in three colours. A short word will do, as the English picture shows &quot;medium&quot;</extracomment>
        <translation>Średni</translation>
    </message>
    <message>
        <source>hard</source>
        <extracomment>Painted on the button that plays the large board in five colours. A short word will do, as the English picture shows &quot;hard&quot;</extracomment>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Animation on.</source>
        <translation>Animacja włączona.</translation>
    </message>
    <message>
        <source>Animation off.</source>
        <translation>Animacja wyłączona.</translation>
    </message>
    <message>
        <source>Boxes in colour.</source>
        <extracomment>On the message line: Ctrl+C switched the boxes to their colours</extracomment>
        <translation>Kolorowe klocki.</translation>
    </message>
    <message>
        <source>Boxes in grey.</source>
        <translation>Szare klocki.</translation>
    </message>
    <message>
        <source>Filled frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a frame whose inside shows the box&apos;s colour (in grey mode)</extracomment>
        <translation>Wypełniona ramka wokół bieżącego klocka.</translation>
    </message>
    <message>
        <source>Outline on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a thin white frame</extracomment>
        <translation>Obrys wokół bieżącego klocka.</translation>
    </message>
    <message>
        <source>No frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H took the frame off the current box; the arrow keys still show it</extracomment>
        <translation>Bez ramki wokół bieżącego klocka.</translation>
    </message>
    <message>
        <source>Symbols on.</source>
        <extracomment>On the message line: Ctrl+S put a symbol on every box</extracomment>
        <translation>Symbole włączone.</translation>
    </message>
    <message>
        <source>Symbols off.</source>
        <translation>Symbole wyłączone.</translation>
    </message>
    <message>
        <source>This board has no code.</source>
        <extracomment>On the message line: Ctrl+B on a board that was not dealt by the game</extracomment>
        <translation>Ta plansza nie ma kodu.</translation>
    </message>
    <message>
        <source>Board %1: copied.</source>
        <extracomment>On the message line: %1 is the board&apos;s code (such as 1C8M-Q2ZR-7K4D), now on the clipboard; &quot;quenlith --board CODE&quot; deals the same board again</extracomment>
        <translation>Plansza %1: skopiowano.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: play the marked box.</source>
        <extracomment>On the message line, after H went back: %n moves were undone to the last board that can be cleared; the box to play has magenta marks on its corners</extracomment>
        <translation>
            <numerusform>Cofnięto %n ruch: zagraj zaznaczonym klockiem.</numerusform>
            <numerusform>Cofnięto %n ruchy: zagraj zaznaczonym klockiem.</numerusform>
            <numerusform>Cofnięto %n ruchów: zagraj zaznaczonym klockiem.</numerusform>
        </translation>
    </message>
    <message>
        <source>Loss warning on.</source>
        <translation>Ostrzeżenie o przegranej włączone.</translation>
    </message>
    <message>
        <source>Loss warning off.</source>
        <translation>Ostrzeżenie o przegranej wyłączone.</translation>
    </message>
    <message numerus="yes">
        <source>Still clearable %n moves ago: press H to go back.</source>
        <extracomment>On the message line. The board (this game&apos;s board) could still be cleared %n moves ago; the boards since then were not all searched in time and may or may not be lost. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Do oczyszczenia jeszcze %n ruch temu: H cofa.</numerusform>
            <numerusform>Do oczyszczenia jeszcze %n ruchy temu: H cofa.</numerusform>
            <numerusform>Do oczyszczenia jeszcze %n ruchów temu: H cofa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not found in time: still looking.</source>
        <extracomment>On the message line: the search ran out of time and goes on; its answer will be shown on the message line by itself, without pressing H again</extracomment>
        <translation>Nie znaleziono w porę: szukanie trwa.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quenlith cannot start: %1</source>
        <translation>Quenlith nie może się uruchomić: %1</translation>
    </message>
    <message>
        <source>Quenlith cannot start:
%1</source>
        <translation>Quenlith nie może się uruchomić:
%1</translation>
    </message>
</context>
</TS>
