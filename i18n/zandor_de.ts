<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Board</name>
    <message>
        <source>top left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>oben Mitte</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>oben rechts</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>unten links</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>unten Mitte</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <source>top row</source>
        <translation type="vanished">obere Reihe</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation type="vanished">mittlere Reihe</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation type="vanished">untere Reihe</translation>
    </message>
    <message>
        <source>left column</source>
        <translation type="vanished">linke Spalte</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation type="vanished">mittlere Spalte</translation>
    </message>
    <message>
        <source>right column</source>
        <translation type="vanished">rechte Spalte</translation>
    </message>
    <message>
        <source>diagonal from top left</source>
        <translation type="vanished">Diagonale von oben links</translation>
    </message>
    <message>
        <source>diagonal from top right</source>
        <translation type="vanished">Diagonale von oben rechts</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is where the cell is, %2 what it holds.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 took the %2.</source>
        <extracomment>%1 is O or X, %2 a cell&apos;s place such as &quot;top left&quot;.</extracomment>
        <translation type="vanished">%1 belegt das Feld %2.</translation>
    </message>
    <message>
        <source>O to move.</source>
        <translation>O ist am Zug.</translation>
    </message>
    <message>
        <source>X to move.</source>
        <translation>X ist am Zug.</translation>
    </message>
    <message>
        <source>O or X to move.</source>
        <translation>O oder X ist am Zug.</translation>
    </message>
    <message>
        <source>%1 wins: %2.</source>
        <extracomment>%1 is O or X, %2 a line such as &quot;top row&quot;.</extracomment>
        <translation type="vanished">%1 gewinnt: %2.</translation>
    </message>
    <message>
        <source>A draw: the board is full.</source>
        <translation>Unentschieden: Das Brett ist voll.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Neues Spiel.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>%1 took the top left.</source>
        <translation>%1 belegt das Feld oben links.</translation>
    </message>
    <message>
        <source>%1 took the top centre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 took the top right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 took the middle left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 took the centre.</source>
        <translation>%1 belegt das mittlere Feld.</translation>
    </message>
    <message>
        <source>%1 took the middle right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 took the bottom left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 took the bottom centre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 took the bottom right.</source>
        <translation>%1 belegt das Feld unten rechts.</translation>
    </message>
    <message>
        <source>%1 wins: top row.</source>
        <translation>%1 gewinnt: obere Reihe.</translation>
    </message>
    <message>
        <source>%1 wins: middle row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins: bottom row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins: left column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins: middle column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins: right column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins: diagonal from top left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins: diagonal from top right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: O %1, X %2.</source>
        <extracomment>The match score after a game: %1 is O&apos;s wins, %2 X&apos;s.</extracomment>
        <translation>Spielstand: O %1, X %2.</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>Dieses Feld ist schon belegt.</translation>
    </message>
    <message>
        <source>It is not %1&apos;s turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How two sentences follow each other when they are said together: %1 the first, %2 the second.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Zandor</source>
        <translation>Zandor</translation>
    </message>
    <message>
        <source>Noughts and Crosses</source>
        <translation>Tic-Tac-Toe</translation>
    </message>
    <message>
        <source>Three in a row against the computer at five levels, or against a friend</source>
        <translation>Drei in einer Reihe gegen den Computer auf fünf Stufen oder gegen Freunde</translation>
    </message>
    <message>
        <source>noughts;crosses;three in a row;board;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>Tic-Tac-Toe;Kreis;Kreuz;Drei gewinnt;Brettspiel;</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Schwierigkeit</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Neu &amp;starten</translation>
    </message>
    <message>
        <source>&amp;1 Player</source>
        <translation>&amp;1 Spieler</translation>
    </message>
    <message>
        <source>&amp;2 Player</source>
        <translation>&amp;2 Spieler</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Silly Putty</source>
        <extracomment>Level 1 of 5, the weakest: a soft toy with no will of its own.</extracomment>
        <translation>&amp;Wackelpudding</translation>
    </message>
    <message>
        <source>&amp;Beaver</source>
        <extracomment>Level 2 of 5: an eager beaver, busy rather than bright.</extracomment>
        <translation>&amp;Fleißiges Lieschen</translation>
    </message>
    <message>
        <source>&amp;Induhvidual</source>
        <extracomment>Level 3 of 5: &quot;individual&quot; with a &quot;duh&quot; in it, the clueless average person.</extracomment>
        <translation>&amp;Otto Normalspieler</translation>
    </message>
    <message>
        <source>&amp;Wiz Kid</source>
        <extracomment>Level 4 of 5: a whiz kid, a young prodigy.</extracomment>
        <translation>Wunder&amp;kind</translation>
    </message>
    <message>
        <source>&amp;Nerd God</source>
        <extracomment>Level 5 of 5, never plays at random: the supreme geek.</extracomment>
        <translation>&amp;Nerdgott</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Mouse plays O, keypad plays X. F2:&#xa0;new&#xa0;match.</source>
        <extracomment>Keep it about as short: it must fit two lines of a small fixed box. No-break spaces join &quot;F2: new match&quot;.</extracomment>
        <translation>Maus spielt O, Ziffernblock spielt X. F2:&#xa0;neues&#xa0;Match.</translation>
    </message>
</context>
<context>
    <name>Software centre</name>
    <message>
        <source>Zandor</source>
        <translation>Zandor</translation>
    </message>
    <message>
        <source>Noughts and crosses against a computer of five levels</source>
        <translation>Tic-Tac-Toe gegen einen Computer mit fünf Stufen</translation>
    </message>
    <message>
        <source>Zandor is noughts and crosses on a hand-drawn board: put three of your marks in a row, a column or a diagonal before the other side does. You play O with the mouse; X is the computer, or a second player at the same keyboard using the numeric keypad.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>Zandor ist Tic-Tac-Toe auf einem handgezeichneten Brett: Bringen Sie drei Ihrer Zeichen in eine Reihe, eine Spalte oder eine Diagonale, bevor die Gegenseite es schafft. Sie spielen O mit der Maus; X ist der Computer oder eine zweite Person an derselben Tastatur, die den Ziffernblock benutzt.</translation>
    </message>
    <message>
        <source>The computer has five levels, from Silly Putty, which mostly plays at random, to Nerd God, which never does. Games follow one another on their own, the loser opens the next one, and the window title keeps the score of the match. Played in the ordinary way, with the computer making every move of X, Nerd God cannot be beaten. Should you beat it all the same, that game is written move by move to a small log.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>Der Computer hat fünf Stufen, von Wackelpudding, das meist zufällig spielt, bis Nerdgott, der das nie tut. Die Partien folgen von selbst aufeinander, wer verliert, eröffnet die nächste, und die Titelleiste des Fensters zeigt den Spielstand des Matches. Macht der Computer wie üblich jeden Zug von X, ist Nerdgott unschlagbar. Sollten Sie ihn trotzdem schlagen, wird diese Partie Zug um Zug in ein kleines Protokoll geschrieben.</translation>
    </message>
</context>
</TS>
