<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>%n boxes</source>
        <translation>
            <numerusform>%n個のブロック</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%nグループ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 left.</source>
        <translation>残り%1、%2。</translation>
    </message>
    <message numerus="yes">
        <source>%n boxes removed.</source>
        <translation>
            <numerusform>%n個のブロックを消しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>A single box, nothing removed.</source>
        <translation>孤立したブロックです。何も消えません。</translation>
    </message>
    <message>
        <source>No box there, nothing removed.</source>
        <translation>そこにはブロックがありません。何も消えません。</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n色</numerusform>
        </translation>
    </message>
    <message>
        <source>New game: a %1 by %2 board in %3, %4.</source>
        <translation>新しいゲーム：%1×%2の盤面、%3、%4。</translation>
    </message>
    <message>
        <source>Easy level: new %1 by %2 board in %3, %4.</source>
        <translation>初級：新しい%1×%2の盤面、%3、%4。</translation>
    </message>
    <message>
        <source>Medium level: new %1 by %2 board in %3, %4.</source>
        <translation>中級：新しい%1×%2の盤面、%3、%4。</translation>
    </message>
    <message>
        <source>Hard level: new %1 by %2 board in %3, %4.</source>
        <translation>上級：新しい%1×%2の盤面、%3、%4。</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>盤面は空です。</translation>
    </message>
    <message>
        <source>No move is left.</source>
        <translation>もう消せるブロックはありません。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences of an answer, one after the other</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>元に戻す手はありません。</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>やり直す手はありません。</translation>
    </message>
    <message>
        <source>Redone: the board is empty.</source>
        <translation>手をやり直しました：盤面は空です。</translation>
    </message>
    <message>
        <source>Moves remain.</source>
        <translation>まだ消せるブロックがあります。</translation>
    </message>
    <message>
        <source>The board can be cleared. Play row %1, column %2, %3.</source>
        <extracomment>%3 is a colour word alone (&quot;red&quot;), an adjective without a noun; &quot;(%3)&quot; may stand for it</extracomment>
        <translation>盤面は空にできます。%1行目、%2列目の%3のブロックを消しましょう。</translation>
    </message>
    <message>
        <source>Undone: %1, %2 left.</source>
        <translation>手を元に戻しました。残り%1、%2。</translation>
    </message>
    <message>
        <source>Redone: %1, %2 left.</source>
        <translation>手をやり直しました。残り%1、%2。</translation>
    </message>
    <message>
        <source>Easy level already: the board is kept.</source>
        <translation>すでに初級です。盤面はそのままです。</translation>
    </message>
    <message>
        <source>Medium level already: the board is kept.</source>
        <translation>すでに中級です。盤面はそのままです。</translation>
    </message>
    <message>
        <source>Hard level already: the board is kept.</source>
        <translation>すでに上級です。盤面はそのままです。</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: %1, %2 left.</source>
        <extracomment>The hint went back to the last board that can be cleared: %n moves were undone</extracomment>
        <translation>
            <numerusform>%n手戻りました。残り%1、%2。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <extracomment>A cell without a box</extracomment>
        <translation>空き</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>赤</translation>
    </message>
    <message>
        <source>light green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>黄緑</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>青</translation>
    </message>
    <message>
        <source>dark green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>深緑</translation>
    </message>
    <message>
        <source>teal</source>
        <extracomment>The colour of a box (a cell&apos;s name): blue-green</extracomment>
        <translation>青緑</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>黄色</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>The colour of a box (a cell&apos;s name): light blue-green</extracomment>
        <translation>水色</translation>
    </message>
    <message>
        <source>Cannot be played</source>
        <extracomment>An empty cell</extracomment>
        <translation>消せません</translation>
    </message>
    <message>
        <source>Cannot be played, a single box</source>
        <extracomment>A box with no neighbour of its colour</extracomment>
        <translation>孤立したブロックのため、消せません</translation>
    </message>
    <message numerus="yes">
        <source>Can be played, a group of %n boxes</source>
        <extracomment>A box whose group would go if played; always two or more boxes</extracomment>
        <translation>
            <numerusform>%n個のブロックのグループで、消せます</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2: %3. %4.</source>
        <translation>%1行目、%2列目：%3。%4。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.</source>
        <translation>%1：%2詳しくは「%1 --help」を実行してください。</translation>
    </message>
    <message>
        <source>Clear a board of coloured boxes, group by group.</source>
        <translation>色付きのブロックをグループごとに消して盤面を空にしましょう。</translation>
    </message>
    <message>
        <source>Show this help with the game&apos;s keys, then exit.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>ゲームのキーを含むこのヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version, then exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Start with a symbol on every box, one shape for each colour (Ctrl+S switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>すべてのブロックに色ごとの記号を付けて始めます
（Ctrl+S で切り替え）。</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>不明なオプション「%1」です。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>Deal the boards from the number N (0 to 4294967295): the same number deals the same boards, to replay or share them.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>数値 N（0～4294967295）から盤面を配ります。
同じ数値からは同じ盤面が配られるので、
もう一度遊んだり共有したりできます。</translation>
    </message>
    <message>
        <source>the seed &apos;%1&apos; is not a number from 0 to 4294967295.</source>
        <translation>シード値「%1」は0～4294967295の数値ではありません。</translation>
    </message>
    <message>
        <source>Deal only boards that can be cleared (Ctrl+D switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>空にできる盤面だけを配ります（Ctrl+D で切り替え）。</translation>
    </message>
    <message>
        <source>
Qt&apos;s own options, such as -platform NAME or -style NAME, work as in every
Qt program.

</source>
        <extracomment>No line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>
-platform 名前 や -style 名前 など Qt 自身のオプションは、
ほかの Qt プログラムと同じように使えます。

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
        <translation>キー：
  スペース              現在のブロックを消す（キーを離したとき）。
  矢印キー、Home、End、Page Up、Page Down
                        現在のブロックを移動する。
  Ctrl+1、Ctrl+2、Ctrl+3
                        初級、中級、上級。
  Ctrl+N                同じ盤面の大きさと色数で新しいゲーム。
  Ctrl+Z                最後の手を元に戻す。
  Ctrl+Y                最後に元に戻した手をやり直す。
  Ctrl+A                落下アニメーションのオン／オフ。
  Ctrl+C                カラーまたはグレーのブロック。
  Ctrl+H                現在のブロックの枠：塗りつぶし、輪郭、なし。
  Ctrl+S                ブロックの記号のオン／オフ。
  Ctrl+B                盤面のコードを表示してコピーする。
                        --board CODE で同じ盤面をもう一度配る。
  H                     ヒント：空の盤面につながるブロックに印を付けるか、
                        何手前に盤面を空にできなくなったかを伝える。
                        もう一度Hを押すと、そこへ戻る。
  Ctrl+D                空にできる盤面だけを配るか、どの盤面も配る。
  F2                    ゲームの状況をスクリーンリーダーに伝える。
  F10                   ゲームを終了する。
</translation>
    </message>
    <message>
        <source>Start with the board of this code (Ctrl+B shows it).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer). CODE is the code Ctrl+B shows, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>このコードの盤面で始めます
（Ctrl+B でコードを表示）。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a board code of this version of the game.</source>
        <extracomment>%1 is the code as typed; a code has twelve letters and digits, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>「%1」はこのバージョンのゲームの盤面コードではありません。</translation>
    </message>
    <message>
        <source>  Ctrl+W                Tell a lost game at once, or only when H asks.
</source>
        <extracomment>Follows the list of keys: the key name as the keyboard shows it, the description in the 25th column, no line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>  Ctrl+W                負けをすぐ知らせるか、Hのときだけにするか。
</translation>
    </message>
    <message>
        <source>Tell at once, with the way back, when a move has lost the game (Ctrl+W switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>負けた手をすぐ知らせ、
戻り先も示します
（Ctrl+Wで切り替え）。</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Quenlith cannot open its window: the Wayland display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith のウィンドウを開けません：Wayland ディスプレイ「%1」に接続できません。</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no X display is set (DISPLAY is empty).</source>
        <translation>Quenlith のウィンドウを開けません：X ディスプレイが設定されていません（DISPLAY が空です）。</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the X display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith のウィンドウを開けません：X ディスプレイ「%1」に接続できません。</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display is set (DISPLAY and WAYLAND_DISPLAY are empty).</source>
        <translation>Quenlith のウィンドウを開けません：ディスプレイが設定されていません（DISPLAY と WAYLAND_DISPLAY が空です）。</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; is not installed.</source>
        <translation>Quenlith のウィンドウを開けません：表示用プラグイン「%1」がインストールされていません。</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; failed to load.</source>
        <translation>Quenlith のウィンドウを開けません：表示用プラグイン「%1」を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display could be reached.</source>
        <translation>Quenlith のウィンドウを開けません：どのディスプレイにも接続できません。</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Quenlith</source>
        <translation>Quenlith について</translation>
    </message>
    <message>
        <source>%1. Click to close.</source>
        <extracomment>Told to a screen reader on the About box&apos;s picture; %1 is the version line, such as &quot;Quenlith v.1.4.0&quot;; a click anywhere on the box closes it</extracomment>
        <translation>%1。クリックで閉じます。</translation>
    </message>
    <message>
        <source>Quenlith v.%1</source>
        <extracomment>The About box&apos;s version line; %1 is the version, such as 1.4.0</extracomment>
        <translation>Quenlith バージョン %1</translation>
    </message>
    <message>
        <source>Programming: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>プログラミング：%1
%2</translation>
    </message>
    <message>
        <source>Design: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>デザイン：%1
%2</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <extracomment>A link in the About box; %1 is the mail address</extracomment>
        <translation>メール：%1</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Idle.</source>
        <extracomment>State of the solution search: not started yet</extracomment>
        <translation>待機中。</translation>
    </message>
    <message>
        <source>Solving...</source>
        <extracomment>State of the solution search: running</extracomment>
        <translation>解いています…</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>State of the solution search: it found a way to clear the board</extracomment>
        <translation>解けました！</translation>
    </message>
    <message>
        <source>Stumped.</source>
        <extracomment>State of the solution search: it ended without finding a way to clear the board</extracomment>
        <translation>解けませんでした。</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>A button: starts a new game</extracomment>
        <translation>新規ゲーム</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A button: takes the last move back</extracomment>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>A button: ends the game</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A button: shows who made the game</extracomment>
        <translation>このゲームについて</translation>
    </message>
    <message>
        <source>Easy level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the small board</extracomment>
        <translation>初級</translation>
    </message>
    <message>
        <source>Medium level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in three colours</extracomment>
        <translation>中級</translation>
    </message>
    <message>
        <source>Hard level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in five colours</extracomment>
        <translation>上級</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The playing field, a table of coloured boxes</extracomment>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Boxes: %1  Groups: %2</source>
        <extracomment>What is left on the board; two blanks between the counts</extracomment>
        <translation>ブロック：%1&#x3000;グループ：%2</translation>
    </message>
    <message>
        <source>Congratulation! You win</source>
        <extracomment>The board is empty; a short line, it must fit the message line</extracomment>
        <translation>おめでとうございます！盤面を空にしました</translation>
    </message>
    <message>
        <source>You lose! Tvy again.</source>
        <extracomment>Only single boxes are left; the English misspelling is not to be copied</extracomment>
        <translation>負けです！もう一度挑戦しましょう。</translation>
    </message>
    <message>
        <source>New boards can all be cleared.</source>
        <translation>新しい盤面はすべて空にできます。</translation>
    </message>
    <message>
        <source>New boards are dealt at random.</source>
        <translation>新しい盤面はランダムに配られます。</translation>
    </message>
    <message>
        <source>Looking for a way to clear the board...</source>
        <extracomment>On the message line, while the hint is searched</extracomment>
        <translation>盤面を空にする手順を探しています…</translation>
    </message>
    <message>
        <source>The board can be cleared: play the marked box.</source>
        <extracomment>On the message line; the box to play has magenta marks on its corners</extracomment>
        <translation>空にできます：印の付いたブロックを消しましょう。</translation>
    </message>
    <message>
        <source>Dealing a board that can be cleared...</source>
        <extracomment>On the message line while a board that can be won is dealt</extracomment>
        <translation>空にできる盤面を配っています…</translation>
    </message>
    <message>
        <source>Looking through the earlier boards...</source>
        <extracomment>On the message line, while the boards before this one are searched for one that can still be cleared</extracomment>
        <translation>以前の盤面を調べています…</translation>
    </message>
    <message numerus="yes">
        <source>Lost %n moves ago: press H to go back.</source>
        <extracomment>On the message line. What was lost is the board (this game&apos;s board): it could still be cleared %n moves ago and no longer can. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>%n手前から空にできません：Hで戻ります。</numerusform>
        </translation>
    </message>
    <message>
        <source>This game cannot be won: start a new game.</source>
        <extracomment>On the message line: not even the first board of this game could be cleared</extracomment>
        <translation>勝てないゲームです：新しいゲームを始めましょう。</translation>
    </message>
    <message>
        <source>No way back found in time: start a new game.</source>
        <extracomment>On the message line: the board is lost, and no earlier board was found in time that could be cleared</extracomment>
        <translation>時間内に戻り先が見つかりません：新規ゲームを。</translation>
    </message>
    <message>
        <source>A board is being dealt: please wait.</source>
        <extracomment>On the message line: a move, hint, undo or redo was refused while a board is dealt</extracomment>
        <translation>盤面を配っています：お待ちください。</translation>
    </message>
    <message>
        <source>BOX PUZZLE</source>
        <extracomment>Under the game&apos;s name on the main window, in capitals where the language has them</extracomment>
        <translation>ブロックパズル</translation>
    </message>
    <message>
        <source>easy</source>
        <extracomment>Painted on the button that plays the small board. A short word will do, as the English picture shows &quot;easy&quot;; the three level words share one type size</extracomment>
        <translation>初級</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>Painted on the button that plays the large board in three colours. A short word will do, as the English picture shows &quot;medium&quot;</extracomment>
        <translation>中級</translation>
    </message>
    <message>
        <source>hard</source>
        <extracomment>Painted on the button that plays the large board in five colours. A short word will do, as the English picture shows &quot;hard&quot;</extracomment>
        <translation>上級</translation>
    </message>
    <message>
        <source>Animation on.</source>
        <translation>アニメーションをオンにしました。</translation>
    </message>
    <message>
        <source>Animation off.</source>
        <translation>アニメーションをオフにしました。</translation>
    </message>
    <message>
        <source>Boxes in colour.</source>
        <extracomment>On the message line: Ctrl+C switched the boxes to their colours</extracomment>
        <translation>カラーのブロックにしました。</translation>
    </message>
    <message>
        <source>Boxes in grey.</source>
        <translation>グレーのブロックにしました。</translation>
    </message>
    <message>
        <source>Filled frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a frame whose inside shows the box&apos;s colour (in grey mode)</extracomment>
        <translation>現在のブロックの枠：塗りつぶし。</translation>
    </message>
    <message>
        <source>Outline on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a thin white frame</extracomment>
        <translation>現在のブロックの枠：輪郭。</translation>
    </message>
    <message>
        <source>No frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H took the frame off the current box; the arrow keys still show it</extracomment>
        <translation>現在のブロックの枠：なし。</translation>
    </message>
    <message>
        <source>Symbols on.</source>
        <extracomment>On the message line: Ctrl+S put a symbol on every box</extracomment>
        <translation>記号をオンにしました。</translation>
    </message>
    <message>
        <source>Symbols off.</source>
        <translation>記号をオフにしました。</translation>
    </message>
    <message>
        <source>This board has no code.</source>
        <extracomment>On the message line: Ctrl+B on a board that was not dealt by the game</extracomment>
        <translation>この盤面にはコードがありません。</translation>
    </message>
    <message>
        <source>Board %1: copied.</source>
        <extracomment>On the message line: %1 is the board&apos;s code (such as 1C8M-Q2ZR-7K4D), now on the clipboard; &quot;quenlith --board CODE&quot; deals the same board again</extracomment>
        <translation>盤面%1：コピーしました。</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: play the marked box.</source>
        <extracomment>On the message line, after H went back: %n moves were undone to the last board that can be cleared; the box to play has magenta marks on its corners</extracomment>
        <translation>
            <numerusform>%n手戻りました：印の付いたブロックを消しましょう。</numerusform>
        </translation>
    </message>
    <message>
        <source>Loss warning on.</source>
        <translation>負けの警告をオンにしました。</translation>
    </message>
    <message>
        <source>Loss warning off.</source>
        <translation>負けの警告をオフにしました。</translation>
    </message>
    <message numerus="yes">
        <source>Still clearable %n moves ago: press H to go back.</source>
        <extracomment>On the message line. The board (this game&apos;s board) could still be cleared %n moves ago; the boards since then were not all searched in time and may or may not be lost. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>%n手前ならまだ空にできました：Hで戻ります。</numerusform>
        </translation>
    </message>
    <message>
        <source>Not found in time: still looking.</source>
        <extracomment>On the message line: the search ran out of time and goes on; its answer will be shown on the message line by itself, without pressing H again</extracomment>
        <translation>時間内に見つかりませんでした：探し続けています。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quenlith cannot start: %1</source>
        <translation>Quenlith を起動できません：%1</translation>
    </message>
    <message>
        <source>Quenlith cannot start:
%1</source>
        <translation>Quenlith を起動できません：
%1</translation>
    </message>
</context>
</TS>
