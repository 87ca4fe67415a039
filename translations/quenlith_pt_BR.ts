<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Não pode ser jogada</translation>
    </message>
    <message>
        <source>Cannot be played, a single box</source>
        <extracomment>A box with no neighbour of its colour</extracomment>
        <translation>Não pode ser jogada, um bloco isolado</translation>
    </message>
    <message numerus="yes">
        <source>Can be played, a group of %n boxes</source>
        <extracomment>A box whose group would go if played; always two or more boxes</extracomment>
        <translation>
            <numerusform>Pode ser jogada, um grupo de %n bloco</numerusform>
            <numerusform>Pode ser jogada, um grupo de %n blocos</numerusform>
        </translation>
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
        <translation>O Quenlith não consegue abrir sua janela: nenhuma tela X definida (DISPLAY está vazia).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the X display &quot;%1&quot; cannot be reached.</source>
        <translation>O Quenlith não consegue abrir sua janela: não foi possível acessar a tela X “%1”.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display is set (DISPLAY and WAYLAND_DISPLAY are empty).</source>
        <translation>O Quenlith não consegue abrir sua janela: nenhuma tela definida (DISPLAY e WAYLAND_DISPLAY estão vazias).</translation>
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
        <source>Click to close</source>
        <translation>Clique para fechar</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Idle.</source>
        <translation>Ocioso.</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Resolvendo…</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Resolvido!</translation>
    </message>
    <message>
        <source>Stumped.</source>
        <translation>Sem solução.</translation>
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
        <extracomment>A button: plays the small board</extracomment>
        <translation>Nível fácil</translation>
    </message>
    <message>
        <source>Medium level</source>
        <extracomment>A button: plays the large board in three colours</extracomment>
        <translation>Nível médio</translation>
    </message>
    <message>
        <source>Hard level</source>
        <extracomment>A button: plays the large board in five colours</extracomment>
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
