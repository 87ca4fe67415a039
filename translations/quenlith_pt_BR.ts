<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>%n boxes</source>
        <translation>
            <numerusform>%n bloco</numerusform>
            <numerusform>%n blocos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n grupo</numerusform>
            <numerusform>%n grupos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 left.</source>
        <translation>Restam: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n boxes removed.</source>
        <translation>
            <numerusform>%n bloco removido.</numerusform>
            <numerusform>%n blocos removidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>A single box, nothing removed.</source>
        <translation>Um bloco isolado, nada foi removido.</translation>
    </message>
    <message>
        <source>No box there, nothing removed.</source>
        <translation>Não há bloco aí, nada foi removido.</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n cor</numerusform>
            <numerusform>%n cores</numerusform>
        </translation>
    </message>
    <message>
        <source>New game: a %1 by %2 board in %3, %4.</source>
        <translation>Novo jogo: tabuleiro de %1 por %2 em %3, %4.</translation>
    </message>
    <message>
        <source>Easy level: new %1 by %2 board in %3, %4.</source>
        <translation>Nível fácil: novo tabuleiro de %1 por %2 em %3, %4.</translation>
    </message>
    <message>
        <source>Medium level: new %1 by %2 board in %3, %4.</source>
        <translation>Nível médio: novo tabuleiro de %1 por %2 em %3, %4.</translation>
    </message>
    <message>
        <source>Hard level: new %1 by %2 board in %3, %4.</source>
        <translation>Nível difícil: novo tabuleiro de %1 por %2 em %3, %4.</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>O tabuleiro está vazio.</translation>
    </message>
    <message>
        <source>No move is left.</source>
        <translation>Não há mais jogadas.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences of an answer, one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nenhuma jogada para desfazer.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nenhuma jogada para refazer.</translation>
    </message>
    <message>
        <source>Redone: the board is empty.</source>
        <translation>Jogada refeita: o tabuleiro está vazio.</translation>
    </message>
    <message>
        <source>Moves remain.</source>
        <translation>Ainda há jogadas possíveis.</translation>
    </message>
    <message>
        <source>The board can be cleared. Play row %1, column %2, %3.</source>
        <extracomment>%3 is a colour word alone (&quot;red&quot;), an adjective without a noun; &quot;(%3)&quot; may stand for it</extracomment>
        <translation>O tabuleiro pode ser limpo. Jogue o bloco %3 da linha %1, coluna %2.</translation>
    </message>
    <message>
        <source>Undone: %1, %2 left.</source>
        <translation>Jogada desfeita, restam %1, %2.</translation>
    </message>
    <message>
        <source>Redone: %1, %2 left.</source>
        <translation>Jogada refeita, restam %1, %2.</translation>
    </message>
    <message>
        <source>Easy level already: the board is kept.</source>
        <translation>Já está no nível fácil: o tabuleiro é mantido.</translation>
    </message>
    <message>
        <source>Medium level already: the board is kept.</source>
        <translation>Já está no nível médio: o tabuleiro é mantido.</translation>
    </message>
    <message>
        <source>Hard level already: the board is kept.</source>
        <translation>Já está no nível difícil: o tabuleiro é mantido.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: %1, %2 left.</source>
        <extracomment>The hint went back to the last board that can be cleared: %n moves were undone</extracomment>
        <translation>
            <numerusform>%n jogada para trás, restam %1, %2.</numerusform>
            <numerusform>%n jogadas para trás, restam %1, %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <extracomment>A cell without a box</extracomment>
        <translation>vazia</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>light green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>verde-claro</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>azul</translation>
    </message>
    <message>
        <source>dark green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>verde-escuro</translation>
    </message>
    <message>
        <source>teal</source>
        <extracomment>The colour of a box (a cell&apos;s name): blue-green</extracomment>
        <translation>azul-petróleo</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>The colour of a box (a cell&apos;s name): light blue-green</extracomment>
        <translation>ciano</translation>
    </message>
    <message>
        <source>Cannot be played</source>
        <extracomment>An empty cell</extracomment>
        <translation>Não jogável</translation>
    </message>
    <message>
        <source>Cannot be played, a single box</source>
        <extracomment>A box with no neighbour of its colour</extracomment>
        <translation>Não jogável, um bloco isolado</translation>
    </message>
    <message numerus="yes">
        <source>Can be played, a group of %n boxes</source>
        <extracomment>A box whose group would go if played; always two or more boxes</extracomment>
        <translation>
            <numerusform>Jogável, um grupo de %n bloco</numerusform>
            <numerusform>Jogável, um grupo de %n blocos</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2: %3. %4.</source>
        <translation>Linha %1, coluna %2: %3. %4.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.</source>
        <translation>%1: %2 Tente “%1 --help” para mais informações.</translation>
    </message>
    <message>
        <source>Clear a board of coloured boxes, group by group.</source>
        <translation>Limpe um tabuleiro de blocos coloridos, grupo por grupo.</translation>
    </message>
    <message>
        <source>Show this help with the game&apos;s keys, then exit.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Mostra esta ajuda com as teclas do jogo e sai.</translation>
    </message>
    <message>
        <source>Show the version, then exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Start with a symbol on every box, one shape for each colour (Ctrl+S switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Começa com um símbolo em cada bloco, uma forma para cada cor (Ctrl+S alterna).</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>opção desconhecida “%1”.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>Deal the boards from the number N (0 to 4294967295): the same number deals the same boards, to replay or share them.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Gera os tabuleiros a partir do número N (de 0 a 4294967295): o mesmo número gera os mesmos tabuleiros, para jogá-los de novo ou compartilhá-los.</translation>
    </message>
    <message>
        <source>the seed &apos;%1&apos; is not a number from 0 to 4294967295.</source>
        <translation>a semente “%1” não é um número de 0 a 4294967295.</translation>
    </message>
    <message>
        <source>Deal only boards that can be cleared (Ctrl+D switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Gera só tabuleiros que podem ser limpos (Ctrl+D alterna).</translation>
    </message>
    <message>
        <source>
Qt&apos;s own options, such as -platform NAME or -style NAME, work as in every
Qt program.

</source>
        <extracomment>No line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>
As opções do próprio Qt, como -platform NOME ou -style NOME, funcionam como em
qualquer programa Qt.

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
        <translation>Teclas:
  Espaço                Joga o bloco atual (ao soltar).
  Setas, Home, End, Page Up, Page Down
                        Move o bloco atual.
  Ctrl+1, Ctrl+2, Ctrl+3
                        Nível fácil, médio ou difícil.
  Ctrl+N                Novo jogo com o mesmo tamanho de tabuleiro e as mesmas
                        cores.
  Ctrl+Z                Desfaz a última jogada.
  Ctrl+Y                Refaz a última jogada desfeita.
  Ctrl+A                Liga ou desliga a animação da queda.
  Ctrl+C                Blocos coloridos ou cinza.
  Ctrl+H                Moldura do bloco atual: preenchida, contorno ou
                        nenhuma.
  Ctrl+S                Liga ou desliga os símbolos nos blocos.
  Ctrl+B                Mostra e copia o código do tabuleiro: --board CODE
                        gera o mesmo tabuleiro de novo.
  H                     Uma dica: marca o bloco a jogar para limpar o
                        tabuleiro, ou diz há quantas jogadas o tabuleiro foi
                        perdido; H de novo volta até lá.
  Ctrl+D                Gera só tabuleiros que podem ser limpos, ou quaisquer.
  F2                    O estado do jogo, informado ao leitor de tela.
  F10                   Sai do jogo.
</translation>
    </message>
    <message>
        <source>Start with the board of this code (Ctrl+B shows it).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer). CODE is the code Ctrl+B shows, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>Começa com o tabuleiro deste código (Ctrl+B o mostra).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a board code of this version of the game.</source>
        <extracomment>%1 is the code as typed; a code has twelve letters and digits, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>“%1” não é um código de tabuleiro desta versão do jogo.</translation>
    </message>
    <message>
        <source>  Ctrl+W                Tell a lost game at once, or only when H asks.
</source>
        <extracomment>Follows the list of keys: the key name as the keyboard shows it, the description in the 25th column, no line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>  Ctrl+W                Avisar de uma partida perdida na hora, ou só com H.
</translation>
    </message>
    <message>
        <source>Tell at once, with the way back, when a move has lost the game (Ctrl+W switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Avisar na hora, com o caminho de volta, quando uma jogada perdeu a partida (Ctrl+W alterna).</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Quenlith cannot open its window: the Wayland display &quot;%1&quot; cannot be reached.</source>
        <translation>O Quenlith não consegue abrir sua janela: não foi possível acessar a tela Wayland “%1”.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no X display is set (DISPLAY is empty).</source>
        <translation>O Quenlith não consegue abrir sua janela: nenhuma tela X definida (a variável DISPLAY está vazia).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the X display &quot;%1&quot; cannot be reached.</source>
        <translation>O Quenlith não consegue abrir sua janela: não foi possível acessar a tela X “%1”.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display is set (DISPLAY and WAYLAND_DISPLAY are empty).</source>
        <translation>O Quenlith não consegue abrir sua janela: nenhuma tela definida (as variáveis DISPLAY e WAYLAND_DISPLAY estão vazias).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; is not installed.</source>
        <translation>O Quenlith não consegue abrir sua janela: o plugin de exibição “%1” não está instalado.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; failed to load.</source>
        <translation>O Quenlith não consegue abrir sua janela: não foi possível carregar o plugin de exibição “%1”.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display could be reached.</source>
        <translation>O Quenlith não consegue abrir sua janela: nenhuma tela pôde ser acessada.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Quenlith</source>
        <translation>Sobre o Quenlith</translation>
    </message>
    <message>
        <source>%1. Click to close.</source>
        <extracomment>Told to a screen reader on the About box&apos;s picture; %1 is the version line, such as &quot;Quenlith v.1.4.0&quot;; a click anywhere on the box closes it</extracomment>
        <translation>%1. Clique para fechar.</translation>
    </message>
    <message>
        <source>Quenlith v.%1</source>
        <extracomment>The About box&apos;s version line; %1 is the version, such as 1.4.0</extracomment>
        <translation>Quenlith versão %1</translation>
    </message>
    <message>
        <source>Programming: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Programação: %1
e %2</translation>
    </message>
    <message>
        <source>Design: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Design: %1
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
        <translation>Aguardando.</translation>
    </message>
    <message>
        <source>Solving...</source>
        <extracomment>State of the solution search: running</extracomment>
        <translation>Resolvendo…</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>State of the solution search: it found a way to clear the board</extracomment>
        <translation>Resolvido!</translation>
    </message>
    <message>
        <source>Stumped.</source>
        <extracomment>State of the solution search: it ended without finding a way to clear the board</extracomment>
        <translation>Nenhuma solução encontrada.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>A button: starts a new game</extracomment>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A button: takes the last move back</extracomment>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>A button: ends the game</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A button: shows who made the game</extracomment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Easy level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the small board</extracomment>
        <translation>Nível fácil</translation>
    </message>
    <message>
        <source>Medium level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in three colours</extracomment>
        <translation>Nível médio</translation>
    </message>
    <message>
        <source>Hard level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in five colours</extracomment>
        <translation>Nível difícil</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The playing field, a table of coloured boxes</extracomment>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Boxes: %1  Groups: %2</source>
        <extracomment>What is left on the board; two blanks between the counts</extracomment>
        <translation>Blocos: %1  Grupos: %2</translation>
    </message>
    <message>
        <source>Congratulation! You win</source>
        <extracomment>The board is empty; a short line, it must fit the message line</extracomment>
        <translation>Parabéns! Você venceu</translation>
    </message>
    <message>
        <source>You lose! Tvy again.</source>
        <extracomment>Only single boxes are left; the English misspelling is not to be copied</extracomment>
        <translation>Você perdeu! Tente de novo.</translation>
    </message>
    <message>
        <source>New boards can all be cleared.</source>
        <translation>Todos os novos tabuleiros podem ser limpos.</translation>
    </message>
    <message>
        <source>New boards are dealt at random.</source>
        <translation>Os novos tabuleiros são gerados ao acaso.</translation>
    </message>
    <message>
        <source>Looking for a way to clear the board...</source>
        <extracomment>On the message line, while the hint is searched</extracomment>
        <translation>Procurando um jeito de limpar o tabuleiro…</translation>
    </message>
    <message>
        <source>The board can be cleared: play the marked box.</source>
        <extracomment>On the message line; the box to play has magenta marks on its corners</extracomment>
        <translation>O tabuleiro pode ser limpo: jogue o bloco marcado.</translation>
    </message>
    <message>
        <source>Dealing a board that can be cleared...</source>
        <extracomment>On the message line while a board that can be won is dealt</extracomment>
        <translation>Gerando um tabuleiro que pode ser limpo…</translation>
    </message>
    <message>
        <source>Looking through the earlier boards...</source>
        <extracomment>On the message line, while the boards before this one are searched for one that can still be cleared</extracomment>
        <translation>Examinando os tabuleiros anteriores…</translation>
    </message>
    <message numerus="yes">
        <source>Lost %n moves ago: press H to go back.</source>
        <extracomment>On the message line. What was lost is the board (this game&apos;s board): it could still be cleared %n moves ago and no longer can. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Perdido há %n jogada: tecle H para voltar.</numerusform>
            <numerusform>Perdido há %n jogadas: tecle H para voltar.</numerusform>
        </translation>
    </message>
    <message>
        <source>This game cannot be won: start a new game.</source>
        <extracomment>On the message line: not even the first board of this game could be cleared</extracomment>
        <translation>Esta partida não pode ser vencida: comece outra.</translation>
    </message>
    <message>
        <source>No way back found in time: start a new game.</source>
        <extracomment>On the message line: the board is lost, and no earlier board was found in time that could be cleared</extracomment>
        <translation>Retorno não encontrado a tempo: comece outra partida.</translation>
    </message>
    <message>
        <source>A board is being dealt: please wait.</source>
        <extracomment>On the message line: a move, hint, undo or redo was refused while a board is dealt</extracomment>
        <translation>Gerando um tabuleiro: aguarde.</translation>
    </message>
    <message>
        <source>BOX PUZZLE</source>
        <extracomment>Under the game&apos;s name on the main window, in capitals where the language has them</extracomment>
        <translation>QUEBRA-CABEÇA DE BLOCOS</translation>
    </message>
    <message>
        <source>easy</source>
        <extracomment>Painted on the button that plays the small board. A short word will do, as the English picture shows &quot;easy&quot;; the three level words share one type size</extracomment>
        <translation>Nível fácil</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>Painted on the button that plays the large board in three colours. A short word will do, as the English picture shows &quot;medium&quot;</extracomment>
        <translation>Nível médio</translation>
    </message>
    <message>
        <source>hard</source>
        <extracomment>Painted on the button that plays the large board in five colours. A short word will do, as the English picture shows &quot;hard&quot;</extracomment>
        <translation>Nível difícil</translation>
    </message>
    <message>
        <source>Animation on.</source>
        <translation>Animação ligada.</translation>
    </message>
    <message>
        <source>Animation off.</source>
        <translation>Animação desligada.</translation>
    </message>
    <message>
        <source>Boxes in colour.</source>
        <extracomment>On the message line: Ctrl+C switched the boxes to their colours</extracomment>
        <translation>Blocos coloridos.</translation>
    </message>
    <message>
        <source>Boxes in grey.</source>
        <translation>Blocos cinza.</translation>
    </message>
    <message>
        <source>Filled frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a frame whose inside shows the box&apos;s colour (in grey mode)</extracomment>
        <translation>Moldura preenchida no bloco atual.</translation>
    </message>
    <message>
        <source>Outline on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a thin white frame</extracomment>
        <translation>Contorno no bloco atual.</translation>
    </message>
    <message>
        <source>No frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H took the frame off the current box; the arrow keys still show it</extracomment>
        <translation>Sem moldura no bloco atual.</translation>
    </message>
    <message>
        <source>Symbols on.</source>
        <extracomment>On the message line: Ctrl+S put a symbol on every box</extracomment>
        <translation>Símbolos ligados.</translation>
    </message>
    <message>
        <source>Symbols off.</source>
        <translation>Símbolos desligados.</translation>
    </message>
    <message>
        <source>This board has no code.</source>
        <extracomment>On the message line: Ctrl+B on a board that was not dealt by the game</extracomment>
        <translation>Este tabuleiro não tem código.</translation>
    </message>
    <message>
        <source>Board %1: copied.</source>
        <extracomment>On the message line: %1 is the board&apos;s code (such as 1C8M-Q2ZR-7K4D), now on the clipboard; &quot;quenlith --board CODE&quot; deals the same board again</extracomment>
        <translation>Tabuleiro %1: copiado.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: play the marked box.</source>
        <extracomment>On the message line, after H went back: %n moves were undone to the last board that can be cleared; the box to play has magenta marks on its corners</extracomment>
        <translation>
            <numerusform>%n jogada para trás: jogue o bloco marcado.</numerusform>
            <numerusform>%n jogadas para trás: jogue o bloco marcado.</numerusform>
        </translation>
    </message>
    <message>
        <source>Loss warning on.</source>
        <translation>Aviso de derrota ligado.</translation>
    </message>
    <message>
        <source>Loss warning off.</source>
        <translation>Aviso de derrota desligado.</translation>
    </message>
    <message numerus="yes">
        <source>Still clearable %n moves ago: press H to go back.</source>
        <extracomment>On the message line. The board (this game&apos;s board) could still be cleared %n moves ago; the boards since then were not all searched in time and may or may not be lost. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Ainda dava para limpar há %n jogada: tecle H para voltar.</numerusform>
            <numerusform>Ainda dava para limpar há %n jogadas: tecle H para voltar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not found in time: still looking.</source>
        <extracomment>On the message line: the search ran out of time and goes on; its answer will be shown on the message line by itself, without pressing H again</extracomment>
        <translation>Nada encontrado a tempo: a busca continua.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quenlith cannot start: %1</source>
        <translation>O Quenlith não consegue iniciar: %1</translation>
    </message>
    <message>
        <source>Quenlith cannot start:
%1</source>
        <translation>O Quenlith não consegue iniciar:
%1</translation>
    </message>
</context>
</TS>
