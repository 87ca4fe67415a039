<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>%n boxes</source>
        <translation>
            <numerusform>%n bloc</numerusform>
            <numerusform>%n blocs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n groupe</numerusform>
            <numerusform>%n groupes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 left.</source>
        <translation>Il reste %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n boxes removed.</source>
        <translation>
            <numerusform>%n bloc retiré.</numerusform>
            <numerusform>%n blocs retirés.</numerusform>
        </translation>
    </message>
    <message>
        <source>A single box, nothing removed.</source>
        <translation>Un bloc isolé, rien n’est retiré.</translation>
    </message>
    <message>
        <source>No box there, nothing removed.</source>
        <translation>Pas de bloc ici, rien n’est retiré.</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n couleur</numerusform>
            <numerusform>%n couleurs</numerusform>
        </translation>
    </message>
    <message>
        <source>New game: a %1 by %2 board in %3, %4.</source>
        <translation>Nouvelle partie&#xa0;: un plateau de %1 sur %2 en %3, %4.</translation>
    </message>
    <message>
        <source>Easy level: new %1 by %2 board in %3, %4.</source>
        <translation>Niveau facile&#xa0;: nouveau plateau de %1 sur %2 en %3, %4.</translation>
    </message>
    <message>
        <source>Medium level: new %1 by %2 board in %3, %4.</source>
        <translation>Niveau moyen&#xa0;: nouveau plateau de %1 sur %2 en %3, %4.</translation>
    </message>
    <message>
        <source>Hard level: new %1 by %2 board in %3, %4.</source>
        <translation>Niveau difficile&#xa0;: nouveau plateau de %1 sur %2 en %3, %4.</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>Le plateau est vide.</translation>
    </message>
    <message>
        <source>No move is left.</source>
        <translation>Plus aucun coup possible.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences of an answer, one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Aucun coup à annuler.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Aucun coup à rétablir.</translation>
    </message>
    <message>
        <source>Redone: the board is empty.</source>
        <translation>Coup rétabli&#xa0;: le plateau est vide.</translation>
    </message>
    <message>
        <source>Moves remain.</source>
        <translation>Il reste des coups possibles.</translation>
    </message>
    <message>
        <source>The board can be cleared. Play row %1, column %2, %3.</source>
        <extracomment>%3 is a colour word alone (&quot;red&quot;), an adjective without a noun; &quot;(%3)&quot; may stand for it</extracomment>
        <translation>Le plateau peut être vidé. Jouez le bloc %3 en ligne %1, colonne %2.</translation>
    </message>
    <message>
        <source>Undone: %1, %2 left.</source>
        <translation>Coup annulé, il reste %1, %2.</translation>
    </message>
    <message>
        <source>Redone: %1, %2 left.</source>
        <translation>Coup rétabli, il reste %1, %2.</translation>
    </message>
    <message>
        <source>Easy level already: the board is kept.</source>
        <translation>Déjà au niveau facile&#xa0;: le plateau ne change pas.</translation>
    </message>
    <message>
        <source>Medium level already: the board is kept.</source>
        <translation>Déjà au niveau moyen&#xa0;: le plateau ne change pas.</translation>
    </message>
    <message>
        <source>Hard level already: the board is kept.</source>
        <translation>Déjà au niveau difficile&#xa0;: le plateau ne change pas.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: %1, %2 left.</source>
        <extracomment>The hint went back to the last board that can be cleared: %n moves were undone</extracomment>
        <translation>
            <numerusform>%n coup en arrière, il reste %1, %2.</numerusform>
            <numerusform>%n coups en arrière, il reste %1, %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <extracomment>A cell without a box</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>rouge</translation>
    </message>
    <message>
        <source>light green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>vert clair</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>bleu</translation>
    </message>
    <message>
        <source>dark green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>vert foncé</translation>
    </message>
    <message>
        <source>teal</source>
        <extracomment>The colour of a box (a cell&apos;s name): blue-green</extracomment>
        <translation>bleu canard</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>jaune</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>The colour of a box (a cell&apos;s name): light blue-green</extracomment>
        <translation>cyan</translation>
    </message>
    <message>
        <source>Cannot be played</source>
        <extracomment>An empty cell</extracomment>
        <translation>Non jouable</translation>
    </message>
    <message>
        <source>Cannot be played, a single box</source>
        <extracomment>A box with no neighbour of its colour</extracomment>
        <translation>Non jouable, un bloc isolé</translation>
    </message>
    <message numerus="yes">
        <source>Can be played, a group of %n boxes</source>
        <extracomment>A box whose group would go if played; always two or more boxes</extracomment>
        <translation>
            <numerusform>Jouable, un groupe de %n bloc</numerusform>
            <numerusform>Jouable, un groupe de %n blocs</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2: %3. %4.</source>
        <translation>Ligne %1, colonne %2&#xa0;: %3. %4.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.</source>
        <translation>%1&#xa0;: %2 Essayez «&#xa0;%1 --help&#xa0;» pour en savoir plus.</translation>
    </message>
    <message>
        <source>Clear a board of coloured boxes, group by group.</source>
        <translation>Videz un plateau de blocs colorés, groupe par groupe.</translation>
    </message>
    <message>
        <source>Show this help with the game&apos;s keys, then exit.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Afficher cette aide avec les touches du jeu, puis quitter.</translation>
    </message>
    <message>
        <source>Show the version, then exit.</source>
        <translation>Afficher la version, puis quitter.</translation>
    </message>
    <message>
        <source>Start with a symbol on every box, one shape for each colour (Ctrl+S switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Commencer avec un symbole sur chaque bloc, une forme par couleur (Ctrl+S active ou désactive).</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Deal the boards from the number N (0 to 4294967295): the same number deals the same boards, to replay or share them.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Distribuer les plateaux à partir du nombre N (de 0 à 4294967295)&#xa0;: le même nombre donne les mêmes plateaux, pour les rejouer ou les partager.</translation>
    </message>
    <message>
        <source>the seed &apos;%1&apos; is not a number from 0 to 4294967295.</source>
        <translation>la graine «&#xa0;%1&#xa0;» n’est pas un nombre de 0 à 4294967295.</translation>
    </message>
    <message>
        <source>Deal only boards that can be cleared (Ctrl+D switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Ne distribuer que des plateaux qui peuvent être vidés (Ctrl+D bascule).</translation>
    </message>
    <message>
        <source>
Qt&apos;s own options, such as -platform NAME or -style NAME, work as in every
Qt program.

</source>
        <extracomment>No line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>
Les options propres à Qt, comme -platform NOM ou -style NOM, fonctionnent comme
dans tout programme Qt.

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
        <translation>Touches&#xa0;:
  Espace                Jouer le bloc courant (au relâchement).
  Flèches, Début, Fin, Page préc., Page suiv.
                        Déplacer le bloc courant.
  Ctrl+1, Ctrl+2, Ctrl+3
                        Niveau facile, moyen ou difficile.
  Ctrl+N                Nouvelle partie, même taille de plateau et mêmes
                        couleurs.
  Ctrl+Z                Annuler le dernier coup.
  Ctrl+Y                Rétablir le dernier coup annulé.
  Ctrl+A                Animation de chute activée ou non.
  Ctrl+C                Blocs en couleur ou en gris.
  Ctrl+H                Cadre autour du bloc courant&#xa0;: plein, contour ou aucun.
  Ctrl+S                Symboles sur les blocs activés ou non.
  Ctrl+B                Afficher et copier le code du plateau : --board CODE
                        redistribue le même plateau.
  H                     Un indice&#xa0;: marquer le bloc à jouer vers un plateau
                        vide, ou indiquer combien de coups plus tôt le plateau
                        a été perdu&#xa0;; un nouvel H y ramène alors.
  Ctrl+D                Ne distribuer que des plateaux qu’on peut vider, ou
                        n’importe lesquels.
  F2                    L’état de la partie, annoncé au lecteur d’écran.
  F10                   Quitter le jeu.
</translation>
    </message>
    <message>
        <source>Start with the board of this code (Ctrl+B shows it).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer). CODE is the code Ctrl+B shows, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>Commencer avec le plateau de ce code (Ctrl+B l’affiche).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a board code of this version of the game.</source>
        <extracomment>%1 is the code as typed; a code has twelve letters and digits, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>« %1 » n’est pas un code de plateau de cette version du jeu.</translation>
    </message>
    <message>
        <source>  Ctrl+W                Tell a lost game at once, or only when H asks.
</source>
        <extracomment>Follows the list of keys: the key name as the keyboard shows it, the description in the 25th column, no line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>  Ctrl+W                Signaler une partie perdue aussitôt ou seulement sur H.
</translation>
    </message>
    <message>
        <source>Tell at once, with the way back, when a move has lost the game (Ctrl+W switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Signaler aussitôt, avec le chemin du retour, qu’un coup a fait perdre la partie (Ctrl+W bascule).</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Quenlith cannot open its window: the Wayland display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith ne peut pas ouvrir sa fenêtre&#xa0;: l’affichage Wayland «&#xa0;%1&#xa0;» n’est pas joignable.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no X display is set (DISPLAY is empty).</source>
        <translation>Quenlith ne peut pas ouvrir sa fenêtre&#xa0;: aucun affichage X n’est défini (DISPLAY est vide).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the X display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith ne peut pas ouvrir sa fenêtre&#xa0;: l’affichage X «&#xa0;%1&#xa0;» n’est pas joignable.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display is set (DISPLAY and WAYLAND_DISPLAY are empty).</source>
        <translation>Quenlith ne peut pas ouvrir sa fenêtre&#xa0;: aucun affichage n’est défini (DISPLAY et WAYLAND_DISPLAY sont vides).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; is not installed.</source>
        <translation>Quenlith ne peut pas ouvrir sa fenêtre&#xa0;: le module d’affichage «&#xa0;%1&#xa0;» n’est pas installé.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; failed to load.</source>
        <translation>Quenlith ne peut pas ouvrir sa fenêtre&#xa0;: le module d’affichage «&#xa0;%1&#xa0;» n’a pas pu être chargé.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display could be reached.</source>
        <translation>Quenlith ne peut pas ouvrir sa fenêtre&#xa0;: aucun affichage n’a pu être joint.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Quenlith</source>
        <translation>À propos de Quenlith</translation>
    </message>
    <message>
        <source>%1. Click to close.</source>
        <extracomment>Told to a screen reader on the About box&apos;s picture; %1 is the version line, such as &quot;Quenlith v.1.4.0&quot;; a click anywhere on the box closes it</extracomment>
        <translation>%1. Cliquer pour fermer.</translation>
    </message>
    <message>
        <source>Quenlith v.%1</source>
        <extracomment>The About box&apos;s version line; %1 is the version, such as 1.4.0</extracomment>
        <translation>Quenlith version %1</translation>
    </message>
    <message>
        <source>Programming: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Programmation&#xa0;: %1
et %2</translation>
    </message>
    <message>
        <source>Design: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Graphisme&#xa0;: %1
et %2</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <extracomment>A link in the About box; %1 is the mail address</extracomment>
        <translation>Courriel&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Idle.</source>
        <extracomment>State of the solution search: not started yet</extracomment>
        <translation>En attente.</translation>
    </message>
    <message>
        <source>Solving...</source>
        <extracomment>State of the solution search: running</extracomment>
        <translation>Résolution…</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>State of the solution search: it found a way to clear the board</extracomment>
        <translation>Résolu&#xa0;!</translation>
    </message>
    <message>
        <source>Stumped.</source>
        <extracomment>State of the solution search: it ended without finding a way to clear the board</extracomment>
        <translation>Aucune solution trouvée.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>A button: starts a new game</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A button: takes the last move back</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>A button: ends the game</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A button: shows who made the game</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Easy level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the small board</extracomment>
        <translation>Niveau facile</translation>
    </message>
    <message>
        <source>Medium level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in three colours</extracomment>
        <translation>Niveau moyen</translation>
    </message>
    <message>
        <source>Hard level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in five colours</extracomment>
        <translation>Niveau difficile</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The playing field, a table of coloured boxes</extracomment>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Boxes: %1  Groups: %2</source>
        <extracomment>What is left on the board; two blanks between the counts</extracomment>
        <translation>Blocs&#xa0;: %1  Groupes&#xa0;: %2</translation>
    </message>
    <message>
        <source>Congratulation! You win</source>
        <extracomment>The board is empty; a short line, it must fit the message line</extracomment>
        <translation>Félicitations&#xa0;! Vous avez gagné</translation>
    </message>
    <message>
        <source>You lose! Tvy again.</source>
        <extracomment>Only single boxes are left; the English misspelling is not to be copied</extracomment>
        <translation>Perdu&#xa0;! Essayez encore.</translation>
    </message>
    <message>
        <source>New boards can all be cleared.</source>
        <translation>Les nouveaux plateaux peuvent tous être vidés.</translation>
    </message>
    <message>
        <source>New boards are dealt at random.</source>
        <translation>Les nouveaux plateaux sont distribués au hasard.</translation>
    </message>
    <message>
        <source>Looking for a way to clear the board...</source>
        <extracomment>On the message line, while the hint is searched</extracomment>
        <translation>Recherche d’un moyen de vider le plateau…</translation>
    </message>
    <message>
        <source>The board can be cleared: play the marked box.</source>
        <extracomment>On the message line; the box to play has magenta marks on its corners</extracomment>
        <translation>Le plateau peut être vidé&#xa0;: jouez le bloc marqué.</translation>
    </message>
    <message>
        <source>Dealing a board that can be cleared...</source>
        <extracomment>On the message line while a board that can be won is dealt</extracomment>
        <translation>Distribution d’un plateau qui peut être vidé…</translation>
    </message>
    <message>
        <source>Looking through the earlier boards...</source>
        <extracomment>On the message line, while the boards before this one are searched for one that can still be cleared</extracomment>
        <translation>Examen des plateaux précédents…</translation>
    </message>
    <message numerus="yes">
        <source>Lost %n moves ago: press H to go back.</source>
        <extracomment>On the message line. What was lost is the board (this game&apos;s board): it could still be cleared %n moves ago and no longer can. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Perdu il y a %n coup&#xa0;: H pour revenir en arrière.</numerusform>
            <numerusform>Perdu il y a %n coups&#xa0;: H pour revenir en arrière.</numerusform>
        </translation>
    </message>
    <message>
        <source>This game cannot be won: start a new game.</source>
        <extracomment>On the message line: not even the first board of this game could be cleared</extracomment>
        <translation>Partie perdue d’avance&#xa0;: lancez-en une nouvelle.</translation>
    </message>
    <message>
        <source>No way back found in time: start a new game.</source>
        <extracomment>On the message line: the board is lost, and no earlier board was found in time that could be cleared</extracomment>
        <translation>Retour introuvable à temps&#xa0;: lancez une nouvelle partie.</translation>
    </message>
    <message>
        <source>A board is being dealt: please wait.</source>
        <extracomment>On the message line: a move, hint, undo or redo was refused while a board is dealt</extracomment>
        <translation>Distribution en cours&#xa0;: veuillez patienter.</translation>
    </message>
    <message>
        <source>BOX PUZZLE</source>
        <extracomment>Under the game&apos;s name on the main window, in capitals where the language has them</extracomment>
        <translation>CASSE-TÊTE DE BLOCS</translation>
    </message>
    <message>
        <source>easy</source>
        <extracomment>Painted on the button that plays the small board. A short word will do, as the English picture shows &quot;easy&quot;; the three level words share one type size</extracomment>
        <translation>Facile</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>Painted on the button that plays the large board in three colours. A short word will do, as the English picture shows &quot;medium&quot;</extracomment>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>hard</source>
        <extracomment>Painted on the button that plays the large board in five colours. A short word will do, as the English picture shows &quot;hard&quot;</extracomment>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Animation on.</source>
        <translation>Animation activée.</translation>
    </message>
    <message>
        <source>Animation off.</source>
        <translation>Animation désactivée.</translation>
    </message>
    <message>
        <source>Boxes in colour.</source>
        <extracomment>On the message line: Ctrl+C switched the boxes to their colours</extracomment>
        <translation>Blocs en couleur.</translation>
    </message>
    <message>
        <source>Boxes in grey.</source>
        <translation>Blocs en gris.</translation>
    </message>
    <message>
        <source>Filled frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a frame whose inside shows the box&apos;s colour (in grey mode)</extracomment>
        <translation>Cadre rempli autour du bloc actuel.</translation>
    </message>
    <message>
        <source>Outline on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a thin white frame</extracomment>
        <translation>Contour autour du bloc actuel.</translation>
    </message>
    <message>
        <source>No frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H took the frame off the current box; the arrow keys still show it</extracomment>
        <translation>Aucun cadre autour du bloc actuel.</translation>
    </message>
    <message>
        <source>Symbols on.</source>
        <extracomment>On the message line: Ctrl+S put a symbol on every box</extracomment>
        <translation>Symboles activés.</translation>
    </message>
    <message>
        <source>Symbols off.</source>
        <translation>Symboles désactivés.</translation>
    </message>
    <message>
        <source>This board has no code.</source>
        <extracomment>On the message line: Ctrl+B on a board that was not dealt by the game</extracomment>
        <translation>Ce plateau n’a pas de code.</translation>
    </message>
    <message>
        <source>Board %1: copied.</source>
        <extracomment>On the message line: %1 is the board&apos;s code (such as 1C8M-Q2ZR-7K4D), now on the clipboard; &quot;quenlith --board CODE&quot; deals the same board again</extracomment>
        <translation>Plateau %1 : copié.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: play the marked box.</source>
        <extracomment>On the message line, after H went back: %n moves were undone to the last board that can be cleared; the box to play has magenta marks on its corners</extracomment>
        <translation>
            <numerusform>%n coup en arrière : jouez le bloc marqué.</numerusform>
            <numerusform>%n coups en arrière : jouez le bloc marqué.</numerusform>
        </translation>
    </message>
    <message>
        <source>Loss warning on.</source>
        <translation>Alerte de défaite activée.</translation>
    </message>
    <message>
        <source>Loss warning off.</source>
        <translation>Alerte de défaite désactivée.</translation>
    </message>
    <message numerus="yes">
        <source>Still clearable %n moves ago: press H to go back.</source>
        <extracomment>On the message line. The board (this game&apos;s board) could still be cleared %n moves ago; the boards since then were not all searched in time and may or may not be lost. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Encore soluble il y a %n coup&#xa0;: H pour revenir en arrière.</numerusform>
            <numerusform>Encore soluble il y a %n coups&#xa0;: H pour revenir en arrière.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not found in time: still looking.</source>
        <extracomment>On the message line: the search ran out of time and goes on; its answer will be shown on the message line by itself, without pressing H again</extracomment>
        <translation>Rien trouvé à temps&#xa0;: la recherche continue.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quenlith cannot start: %1</source>
        <translation>Quenlith ne peut pas démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Quenlith cannot start:
%1</source>
        <translation>Quenlith ne peut pas démarrer&#xa0;:
%1</translation>
    </message>
</context>
</TS>
