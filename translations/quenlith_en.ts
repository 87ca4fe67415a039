<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>%n boxes</source>
        <translation>
            <numerusform>%n box</numerusform>
            <numerusform>%n boxes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n group</numerusform>
            <numerusform>%n groups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n boxes removed.</source>
        <translation>
            <numerusform>%n box removed.</numerusform>
            <numerusform>%n boxes removed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <translation>
            <numerusform>%n colour</numerusform>
            <numerusform>%n colours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: %1, %2 left.</source>
        <extracomment>The hint went back to the last board that can be cleared: %n moves were undone</extracomment>
        <translation>
            <numerusform>Back %n move: %1, %2 left.</numerusform>
            <numerusform>Back %n moves: %1, %2 left.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message numerus="yes">
        <source>Can be played, a group of %n boxes</source>
        <extracomment>A box whose group would go if played; always two or more boxes</extracomment>
        <translation>
            <numerusform>Can be played, a group of %n box</numerusform>
            <numerusform>Can be played, a group of %n boxes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message numerus="yes">
        <source>Lost %n moves ago: press H to go back.</source>
        <extracomment>On the message line. What was lost is the board (this game&apos;s board): it could still be cleared %n moves ago and no longer can. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Lost %n move ago: press H to go back.</numerusform>
            <numerusform>Lost %n moves ago: press H to go back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Back %n moves: play the marked box.</source>
        <extracomment>On the message line, after H went back: %n moves were undone to the last board that can be cleared; the box to play has magenta marks on its corners</extracomment>
        <translation>
            <numerusform>Back %n move: play the marked box.</numerusform>
            <numerusform>Back %n moves: play the marked box.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Still clearable %n moves ago: press H to go back.</source>
        <extracomment>On the message line. The board (this game&apos;s board) could still be cleared %n moves ago; the boards since then were not all searched in time and may or may not be lost. H is the hint key, which then undoes those moves</extracomment>
        <translation>
            <numerusform>Still clearable %n move ago: press H to go back.</numerusform>
            <numerusform>Still clearable %n moves ago: press H to go back.</numerusform>
        </translation>
    </message>
</context>
</TS>
