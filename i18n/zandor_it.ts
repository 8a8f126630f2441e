<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Board</name>
    <message>
        <source>top left</source>
        <translation>in alto a sinistra</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>in alto al centro</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>in alto a destra</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>al centro a sinistra</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>al centro</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>al centro a destra</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>in basso a sinistra</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>in basso al centro</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>in basso a destra</translation>
    </message>
    <message>
        <source>top row</source>
        <translation type="vanished">riga in alto</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation type="vanished">riga centrale</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation type="vanished">riga in basso</translation>
    </message>
    <message>
        <source>left column</source>
        <translation type="vanished">colonna di sinistra</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation type="vanished">colonna centrale</translation>
    </message>
    <message>
        <source>right column</source>
        <translation type="vanished">colonna di destra</translation>
    </message>
    <message>
        <source>diagonal from top left</source>
        <translation type="vanished">diagonale da in alto a sinistra</translation>
    </message>
    <message>
        <source>diagonal from top right</source>
        <translation type="vanished">diagonale da in alto a destra</translation>
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
        <translation>vuota</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is where the cell is, %2 what it holds.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 took the %2.</source>
        <extracomment>%1 is O or X, %2 a cell&apos;s place such as &quot;top left&quot;.</extracomment>
        <translation type="vanished">%1 occupa la casella %2.</translation>
    </message>
    <message>
        <source>O to move.</source>
        <translation>Tocca a O.</translation>
    </message>
    <message>
        <source>X to move.</source>
        <translation>Tocca a X.</translation>
    </message>
    <message>
        <source>O or X to move.</source>
        <translation>Tocca a O o a X.</translation>
    </message>
    <message>
        <source>%1 wins: %2.</source>
        <extracomment>%1 is O or X, %2 a line such as &quot;top row&quot;.</extracomment>
        <translation type="vanished">%1 vince: %2.</translation>
    </message>
    <message>
        <source>A draw: the board is full.</source>
        <translation>Pareggio: la griglia è piena.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nuova partita.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Premi</translation>
    </message>
    <message>
        <source>%1 took the top left.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins: top row.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not %1&apos;s turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How two sentences follow each other when they are said together: %1 the first, %2 the second.</extracomment>
        <translation type="unfinished"></translation>
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
        <translation>Tris</translation>
    </message>
    <message>
        <source>Three in a row against the computer at five levels, or against a friend</source>
        <translation>Tris contro il computer a cinque livelli o contro un amico</translation>
    </message>
    <message>
        <source>noughts;crosses;three in a row;board;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>tris;filetto;croci;cerchi;tavoliere;</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Difficoltà</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Ricomincia</translation>
    </message>
    <message>
        <source>&amp;1 Player</source>
        <translation>&amp;1 giocatore</translation>
    </message>
    <message>
        <source>&amp;2 Player</source>
        <translation>&amp;2 giocatori</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Silly Putty</source>
        <extracomment>Level 1 of 5, the weakest: a soft toy with no will of its own.</extracomment>
        <translation>&amp;Plastilina</translation>
    </message>
    <message>
        <source>&amp;Beaver</source>
        <extracomment>Level 2 of 5: an eager beaver, busy rather than bright.</extracomment>
        <translation>&amp;Formichina</translation>
    </message>
    <message>
        <source>&amp;Induhvidual</source>
        <extracomment>Level 3 of 5: &quot;individual&quot; with a &quot;duh&quot; in it, the clueless average person.</extracomment>
        <translation>&amp;Tizio qualunque</translation>
    </message>
    <message>
        <source>&amp;Wiz Kid</source>
        <extracomment>Level 4 of 5: a whiz kid, a young prodigy.</extracomment>
        <translation>Piccolo &amp;genio</translation>
    </message>
    <message>
        <source>&amp;Nerd God</source>
        <extracomment>Level 5 of 5, never plays at random: the supreme geek.</extracomment>
        <translation>&amp;Dio dei nerd</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Mouse plays O, keypad plays X. F2:&#xa0;new&#xa0;match.</source>
        <extracomment>Keep it about as short: it must fit two lines of a small fixed box. No-break spaces join &quot;F2: new match&quot;.</extracomment>
        <translation>Il mouse gioca O, il tastierino X. F2:&#xa0;nuova&#xa0;sfida.</translation>
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
        <translation>Tris contro un computer a cinque livelli</translation>
    </message>
    <message>
        <source>Zandor is noughts and crosses on a hand-drawn board: put three of your marks in a row, a column or a diagonal before the other side does. You play O with the mouse; X is the computer, or a second player at the same keyboard using the numeric keypad.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>Zandor è il tris su una griglia disegnata a mano: metti tre dei tuoi segni in fila, in colonna o in diagonale prima dell’avversario. Giochi con la O usando il mouse; la X è il computer, oppure una seconda persona alla stessa tastiera che usa il tastierino numerico.</translation>
    </message>
    <message>
        <source>The computer has five levels, from Silly Putty, which mostly plays at random, to Nerd God, which never does. Games follow one another on their own, the loser opens the next one, and the window title keeps the score of the match. Played in the ordinary way, with the computer making every move of X, Nerd God cannot be beaten. Should you beat it all the same, that game is written move by move to a small log.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>Il computer ha cinque livelli, da Plastilina, che gioca quasi sempre a caso, a Dio dei nerd, che non lo fa mai. Le partite si susseguono da sole, chi perde apre la successiva e il titolo della finestra tiene il punteggio della sfida. Giocando nel modo consueto, con il computer che fa ogni mossa della X, Dio dei nerd è imbattibile. Se riesci comunque a batterlo, quella partita viene scritta mossa per mossa in un piccolo registro.</translation>
    </message>
</context>
</TS>
