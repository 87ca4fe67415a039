<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>%n boxes</source>
        <translation>
            <numerusform>%n кубик</numerusform>
            <numerusform>%n кубики</numerusform>
            <numerusform>%n кубиків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n група</numerusform>
            <numerusform>%n групи</numerusform>
            <numerusform>%n груп</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 left.</source>
        <translation>Лишилося: %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n boxes removed.</source>
        <translation>
            <numerusform>Прибрано %n кубик.</numerusform>
            <numerusform>Прибрано %n кубики.</numerusform>
            <numerusform>Прибрано %n кубиків.</numerusform>
        </translation>
    </message>
    <message>
        <source>A single box, nothing removed.</source>
        <translation>Одиночний кубик, нічого не прибрано.</translation>
    </message>
    <message>
        <source>No box there, nothing removed.</source>
        <translation>Тут немає кубика, нічого не прибрано.</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n колір</numerusform>
            <numerusform>%n кольори</numerusform>
            <numerusform>%n кольорів</numerusform>
        </translation>
    </message>
    <message>
        <source>New game: a %1 by %2 board in %3, %4.</source>
        <translation>Нова гра: поле %1 на %2, %3, %4.</translation>
    </message>
    <message>
        <source>Easy level: new %1 by %2 board in %3, %4.</source>
        <translation>Легкий рівень: нове поле %1 на %2, %3, %4.</translation>
    </message>
    <message>
        <source>Medium level: new %1 by %2 board in %3, %4.</source>
        <translation>Середній рівень: нове поле %1 на %2, %3, %4.</translation>
    </message>
    <message>
        <source>Hard level: new %1 by %2 board in %3, %4.</source>
        <translation>Складний рівень: нове поле %1 на %2, %3, %4.</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>Поле порожнє.</translation>
    </message>
    <message>
        <source>No move is left.</source>
        <translation>Ходів більше немає.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences of an answer, one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Нічого скасовувати.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Нічого повторювати.</translation>
    </message>
    <message>
        <source>Redone: the board is empty.</source>
        <translation>Хід повторено: поле порожнє.</translation>
    </message>
    <message>
        <source>Moves remain.</source>
        <translation>Ходи ще є.</translation>
    </message>
    <message>
        <source>The board can be cleared. Play row %1, column %2, %3.</source>
        <extracomment>%3 is a colour word alone (&quot;red&quot;), an adjective without a noun; &quot;(%3)&quot; may stand for it</extracomment>
        <translation>Поле можна очистити. Зробіть хід: рядок %1, стовпець %2, %3.</translation>
    </message>
    <message>
        <source>Undone: %1, %2 left.</source>
        <translation>Хід скасовано, лишилося: %1, %2.</translation>
    </message>
    <message>
        <source>Redone: %1, %2 left.</source>
        <translation>Хід повторено, лишилося: %1, %2.</translation>
    </message>
    <message>
        <source>Easy level already: the board is kept.</source>
        <translation>Легкий рівень уже вибрано: поле не змінюється.</translation>
    </message>
    <message>
        <source>Medium level already: the board is kept.</source>
        <translation>Середній рівень уже вибрано: поле не змінюється.</translation>
    </message>
    <message>
        <source>Hard level already: the board is kept.</source>
        <translation>Складний рівень уже вибрано: поле не змінюється.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: %1, %2 left.</source>
        <extracomment>The hint went back to the last board that can be cleared: %n moves were undone</extracomment>
        <translation>
            <numerusform>Назад на %n хід, лишилося: %1, %2.</numerusform>
            <numerusform>Назад на %n ходи, лишилося: %1, %2.</numerusform>
            <numerusform>Назад на %n ходів, лишилося: %1, %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>empty</source>
        <extracomment>A cell without a box</extracomment>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>червоний</translation>
    </message>
    <message>
        <source>light green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>світло-зелений</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>синій</translation>
    </message>
    <message>
        <source>dark green</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>темно-зелений</translation>
    </message>
    <message>
        <source>teal</source>
        <extracomment>The colour of a box (a cell&apos;s name): blue-green</extracomment>
        <translation>синьо-зелений</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>The colour of a box (a cell&apos;s name)</extracomment>
        <translation>жовтий</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>The colour of a box (a cell&apos;s name): light blue-green</extracomment>
        <translation>блакитний</translation>
    </message>
    <message>
        <source>Cannot be played</source>
        <extracomment>An empty cell</extracomment>
        <translation>Хід неможливий</translation>
    </message>
    <message>
        <source>Cannot be played, a single box</source>
        <extracomment>A box with no neighbour of its colour</extracomment>
        <translation>Хід неможливий, одиночний кубик</translation>
    </message>
    <message numerus="yes">
        <source>Can be played, a group of %n boxes</source>
        <extracomment>A box whose group would go if played; always two or more boxes</extracomment>
        <translation>
            <numerusform>Можна зіграти, у групі %n кубик</numerusform>
            <numerusform>Можна зіграти, у групі %n кубики</numerusform>
            <numerusform>Можна зіграти, у групі %n кубиків</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2: %3. %4.</source>
        <translation>Рядок %1, стовпець %2: %3. %4.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.</source>
        <translation>%1: %2 Докладніше: «%1 --help».</translation>
    </message>
    <message>
        <source>Clear a board of coloured boxes, group by group.</source>
        <translation>Очистьте поле від кольорових кубиків, група за групою.</translation>
    </message>
    <message>
        <source>Show this help with the game&apos;s keys, then exit.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Показати цю довідку з клавішами гри й вийти.</translation>
    </message>
    <message>
        <source>Show the version, then exit.</source>
        <translation>Показати версію й вийти.</translation>
    </message>
    <message>
        <source>Start with a symbol on every box, one shape for each colour (Ctrl+S switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Почати із символами на кубиках, своя фігура для кожного кольору (Ctrl+S перемикає).</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>невідомий параметр «%1».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>неочікуваний аргумент «%1».</translation>
    </message>
    <message>
        <source>Deal the boards from the number N (0 to 4294967295): the same number deals the same boards, to replay or share them.</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Роздавати поля за числом N (від 0 до 4294967295): те саме число дає ті самі поля, щоб зіграти їх знову чи поділитися ними.</translation>
    </message>
    <message>
        <source>the seed &apos;%1&apos; is not a number from 0 to 4294967295.</source>
        <translation>зерно «%1» не є числом від 0 до 4294967295.</translation>
    </message>
    <message>
        <source>Deal only boards that can be cleared (Ctrl+D switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Роздавати лише поля, які можна очистити (Ctrl+D перемикає).</translation>
    </message>
    <message>
        <source>
Qt&apos;s own options, such as -platform NAME or -style NAME, work as in every
Qt program.

</source>
        <extracomment>No line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>
Власні параметри Qt, наприклад -platform НАЗВА або -style НАЗВА, працюють як
у будь-якій програмі на Qt.

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
        <translation>Клавіші:
  Пробіл                Зробити хід поточним кубиком (після відпускання).
  Стрілки, Home, End, Page Up, Page Down
                        Пересунути поточний кубик.
  Ctrl+1, Ctrl+2, Ctrl+3
                        Легкий, середній або складний рівень.
  Ctrl+N                Нова гра з тим самим розміром поля й кількістю
                        кольорів.
  Ctrl+Z                Скасувати останній хід.
  Ctrl+Y                Повторити останній скасований хід.
  Ctrl+A                Увімкнути або вимкнути анімацію падіння.
  Ctrl+C                Кольорові або сірі кубики.
  Ctrl+H                Рамка поточного кубика: заливка, контур або немає.
  Ctrl+S                Увімкнути або вимкнути символи на кубиках.
  Ctrl+B                Показати й скопіювати код поля: --board CODE
                        роздає те саме поле знову.
  H                     Підказка: позначити кубик, яким треба походити, щоб
                        очистити поле, або повідомити, скільки ходів тому гру
                        було програно; повторне H поверне туди.
  Ctrl+D                Роздавати лише поля, які можна очистити, або будь-які.
  F2                    Повідомити стан гри екранному читачу.
  F10                   Вийти з гри.
</translation>
    </message>
    <message>
        <source>Start with the board of this code (Ctrl+B shows it).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer). CODE is the code Ctrl+B shows, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>Почати з поля з цим кодом (Ctrl+B його показує).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a board code of this version of the game.</source>
        <extracomment>%1 is the code as typed; a code has twelve letters and digits, such as 1C8M-Q2ZR-7K4D</extracomment>
        <translation>«%1» — не код поля цієї версії гри.</translation>
    </message>
    <message>
        <source>  Ctrl+W                Tell a lost game at once, or only when H asks.
</source>
        <extracomment>Follows the list of keys: the key name as the keyboard shows it, the description in the 25th column, no line longer than 79 columns (a Chinese or Japanese character takes two)</extracomment>
        <translation>  Ctrl+W                Повідомляти про програну гру одразу або лише за H.
</translation>
    </message>
    <message>
        <source>Tell at once, with the way back, when a move has lost the game (Ctrl+W switches).</source>
        <extracomment>Lines of 61 columns at most: Qt breaks them at blanks, a line feed breaks earlier; Chinese and Japanese break theirs with line feeds (30 characters or fewer)</extracomment>
        <translation>Одразу повідомляти, зі шляхом назад, що хід програв гру (Ctrl+W перемикає).</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Quenlith cannot open its window: the Wayland display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith не може відкрити вікно: дисплей Wayland «%1» недоступний.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no X display is set (DISPLAY is empty).</source>
        <translation>Quenlith не може відкрити вікно: дисплей X не задано (змінна DISPLAY порожня).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the X display &quot;%1&quot; cannot be reached.</source>
        <translation>Quenlith не може відкрити вікно: дисплей X «%1» недоступний.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display is set (DISPLAY and WAYLAND_DISPLAY are empty).</source>
        <translation>Quenlith не може відкрити вікно: дисплей не задано (змінні DISPLAY і WAYLAND_DISPLAY порожні).</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; is not installed.</source>
        <translation>Quenlith не може відкрити вікно: модуль платформи відображення «%1» не встановлено.</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: the display platform plugin &quot;%1&quot; failed to load.</source>
        <translation>Quenlith не може відкрити вікно: не вдалося завантажити модуль платформи відображення «%1».</translation>
    </message>
    <message>
        <source>Quenlith cannot open its window: no display could be reached.</source>
        <translation>Quenlith не може відкрити вікно: жоден дисплей недоступний.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Quenlith</source>
        <translation>Про Quenlith</translation>
    </message>
    <message>
        <source>%1. Click to close.</source>
        <extracomment>Told to a screen reader on the About box&apos;s picture; %1 is the version line, such as &quot;Quenlith v.1.4.0&quot;; a click anywhere on the box closes it</extracomment>
        <translation>%1. Клацніть, щоб закрити.</translation>
    </message>
    <message>
        <source>Quenlith v.%1</source>
        <extracomment>The About box&apos;s version line; %1 is the version, such as 1.4.0</extracomment>
        <translation>Quenlith, версія %1</translation>
    </message>
    <message>
        <source>Programming: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Програмування: %1
і %2</translation>
    </message>
    <message>
        <source>Design: %1
and %2</source>
        <extracomment>The About box&apos;s credits, two lines about 190 pixels wide; %1 and %2 are names</extracomment>
        <translation>Дизайн: %1
і %2</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <extracomment>A link in the About box; %1 is the mail address</extracomment>
        <translation>Ел. пошта: %1</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Idle.</source>
        <extracomment>State of the solution search: not started yet</extracomment>
        <translation>Очікування.</translation>
    </message>
    <message>
        <source>Solving...</source>
        <extracomment>State of the solution search: running</extracomment>
        <translation>Пошук розв’язку…</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>State of the solution search: it found a way to clear the board</extracomment>
        <translation>Розв’язано!</translation>
    </message>
    <message>
        <source>Stumped.</source>
        <extracomment>State of the solution search: it ended without finding a way to clear the board</extracomment>
        <translation>Розв’язку не знайдено.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>A button: starts a new game</extracomment>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>A button: takes the last move back</extracomment>
        <translation>Скасувати хід</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>A button: ends the game</extracomment>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A button: shows who made the game</extracomment>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Easy level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the small board</extracomment>
        <translation>Легкий рівень</translation>
    </message>
    <message>
        <source>Medium level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in three colours</extracomment>
        <translation>Середній рівень</translation>
    </message>
    <message>
        <source>Hard level</source>
        <extracomment>The button&apos;s name, as a screen reader says it: plays the large board in five colours</extracomment>
        <translation>Складний рівень</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The playing field, a table of coloured boxes</extracomment>
        <translation>Ігрове поле</translation>
    </message>
    <message>
        <source>Boxes: %1  Groups: %2</source>
        <extracomment>What is left on the board; two blanks between the counts</extracomment>
        <translation>Кубики: %1  Групи: %2</translation>
    </message>
    <message>
        <source>Congratulation! You win</source>
        <extracomment>The board is empty; a short line, it must fit the message line</extracomment>
        <translation>Вітаємо! Ви виграли</translation>
    </message>
    <message>
        <source>You lose! Tvy again.</source>
        <extracomment>Only single boxes are left; the English misspelling is not to be copied</extracomment>
        <translation>Ви програли! Спробуйте ще раз.</translation>
    </message>
    <message>
        <source>New boards can all be cleared.</source>
        <translation>Усі нові поля можна очистити.</translation>
    </message>
    <message>
        <source>New boards are dealt at random.</source>
        <translation>Нові поля роздаються випадково.</translation>
    </message>
    <message>
        <source>Looking for a way to clear the board...</source>
        <extracomment>On the message line, while the hint is searched</extracomment>
        <translation>Пошук способу очистити поле…</translation>
    </message>
    <message>
        <source>The board can be cleared: play the marked box.</source>
        <extracomment>On the message line; the box to play has magenta marks on its corners</extracomment>
        <translation>Поле можна очистити: ходіть позначеним кубиком.</translation>
    </message>
    <message>
        <source>Dealing a board that can be cleared...</source>
        <extracomment>On the message line while a board that can be won is dealt</extracomment>
        <translation>Роздається поле, яке можна очистити…</translation>
    </message>
    <message>
        <source>Looking through the earlier boards...</source>
        <extracomment>On the message line, while the boards before this one are searched for one that can still be cleared</extracomment>
        <translation>Перегляд попередніх полів…</translation>
    </message>
    <message numerus="yes">
        <source>Lost %n moves ago: press H to go back.</source>
        <extracomment>On the message line. What was lost is the board (this game&apos;s board): it could still be cleared %n moves ago and no longer can. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Програно %n хід тому: H поверне туди.</numerusform>
            <numerusform>Програно %n ходи тому: H поверне туди.</numerusform>
            <numerusform>Програно %n ходів тому: H поверне туди.</numerusform>
        </translation>
    </message>
    <message>
        <source>This game cannot be won: start a new game.</source>
        <extracomment>On the message line: not even the first board of this game could be cleared</extracomment>
        <translation>Цю партію не виграти: почніть нову.</translation>
    </message>
    <message>
        <source>No way back found in time: start a new game.</source>
        <extracomment>On the message line: the board is lost, and no earlier board was found in time that could be cleared</extracomment>
        <translation>Шляху назад учасно не знайдено: почніть нову гру.</translation>
    </message>
    <message>
        <source>A board is being dealt: please wait.</source>
        <extracomment>On the message line: a move, hint, undo or redo was refused while a board is dealt</extracomment>
        <translation>Роздається поле: зачекайте.</translation>
    </message>
    <message>
        <source>BOX PUZZLE</source>
        <extracomment>Under the game&apos;s name on the main window, in capitals where the language has them</extracomment>
        <translation>ГОЛОВОЛОМКА З КУБИКАМИ</translation>
    </message>
    <message>
        <source>easy</source>
        <extracomment>Painted on the button that plays the small board. A short word will do, as the English picture shows &quot;easy&quot;; the three level words share one type size</extracomment>
        <translation>Легкий рівень</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>Painted on the button that plays the large board in three colours. A short word will do, as the English picture shows &quot;medium&quot;</extracomment>
        <translation>Середній рівень</translation>
    </message>
    <message>
        <source>hard</source>
        <extracomment>Painted on the button that plays the large board in five colours. A short word will do, as the English picture shows &quot;hard&quot;</extracomment>
        <translation>Складний рівень</translation>
    </message>
    <message>
        <source>Animation on.</source>
        <translation>Анімацію увімкнено.</translation>
    </message>
    <message>
        <source>Animation off.</source>
        <translation>Анімацію вимкнено.</translation>
    </message>
    <message>
        <source>Boxes in colour.</source>
        <extracomment>On the message line: Ctrl+C switched the boxes to their colours</extracomment>
        <translation>Кольорові кубики.</translation>
    </message>
    <message>
        <source>Boxes in grey.</source>
        <translation>Сірі кубики.</translation>
    </message>
    <message>
        <source>Filled frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a frame whose inside shows the box&apos;s colour (in grey mode)</extracomment>
        <translation>Заповнена рамка навколо поточного кубика.</translation>
    </message>
    <message>
        <source>Outline on the current box.</source>
        <extracomment>On the message line: Ctrl+H gave the current box a thin white frame</extracomment>
        <translation>Контур навколо поточного кубика.</translation>
    </message>
    <message>
        <source>No frame on the current box.</source>
        <extracomment>On the message line: Ctrl+H took the frame off the current box; the arrow keys still show it</extracomment>
        <translation>Без рамки навколо поточного кубика.</translation>
    </message>
    <message>
        <source>Symbols on.</source>
        <extracomment>On the message line: Ctrl+S put a symbol on every box</extracomment>
        <translation>Символи увімкнено.</translation>
    </message>
    <message>
        <source>Symbols off.</source>
        <translation>Символи вимкнено.</translation>
    </message>
    <message>
        <source>This board has no code.</source>
        <extracomment>On the message line: Ctrl+B on a board that was not dealt by the game</extracomment>
        <translation>Це поле не має коду.</translation>
    </message>
    <message>
        <source>Board %1: copied.</source>
        <extracomment>On the message line: %1 is the board&apos;s code (such as 1C8M-Q2ZR-7K4D), now on the clipboard; &quot;quenlith --board CODE&quot; deals the same board again</extracomment>
        <translation>Поле %1: скопійовано.</translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: play the marked box.</source>
        <extracomment>On the message line, after H went back: %n moves were undone to the last board that can be cleared; the box to play has magenta marks on its corners</extracomment>
        <translation>
            <numerusform>Назад на %n хід: ходіть позначеним кубиком.</numerusform>
            <numerusform>Назад на %n ходи: ходіть позначеним кубиком.</numerusform>
            <numerusform>Назад на %n ходів: ходіть позначеним кубиком.</numerusform>
        </translation>
    </message>
    <message>
        <source>Loss warning on.</source>
        <translation>Попередження про програш увімкнено.</translation>
    </message>
    <message>
        <source>Loss warning off.</source>
        <translation>Попередження про програш вимкнено.</translation>
    </message>
    <message numerus="yes">
        <source>Still clearable %n moves ago: press H to go back.</source>
        <extracomment>On the message line. The board (this game&apos;s board) could still be cleared %n moves ago; the boards since then were not all searched in time and may or may not be lost. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Ще розв’язно %n хід тому: H поверне туди.</numerusform>
            <numerusform>Ще розв’язно %n ходи тому: H поверне туди.</numerusform>
            <numerusform>Ще розв’язно %n ходів тому: H поверне туди.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not found in time: still looking.</source>
        <extracomment>On the message line: the search ran out of time and goes on; its answer will be shown on the message line by itself, without pressing H again</extracomment>
        <translation>Не знайдено вчасно: пошук триває.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quenlith cannot start: %1</source>
        <translation>Не вдається запустити Quenlith: %1</translation>
    </message>
    <message>
        <source>Quenlith cannot start:
%1</source>
        <translation>Не вдається запустити Quenlith:
%1</translation>
    </message>
</context>
</TS>
