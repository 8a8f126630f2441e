<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Board</name>
    <message>
        <source>top left</source>
        <translation>arriba a la izquierda</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>arriba en el centro</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>arriba a la derecha</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>en medio a la izquierda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>en medio a la derecha</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>abajo a la izquierda</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>abajo en el centro</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>abajo a la derecha</translation>
    </message>
    <message>
        <source>top row</source>
        <translation type="vanished">fila de arriba</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation type="vanished">fila del medio</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation type="vanished">fila de abajo</translation>
    </message>
    <message>
        <source>left column</source>
        <translation type="vanished">columna izquierda</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation type="vanished">columna del medio</translation>
    </message>
    <message>
        <source>right column</source>
        <translation type="vanished">columna derecha</translation>
    </message>
    <message>
        <source>diagonal from top left</source>
        <translation type="vanished">diagonal desde arriba a la izquierda</translation>
    </message>
    <message>
        <source>diagonal from top right</source>
        <translation type="vanished">diagonal desde arriba a la derecha</translation>
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
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is where the cell is, %2 what it holds.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 took the %2.</source>
        <extracomment>%1 is O or X, %2 a cell&apos;s place such as &quot;top left&quot;.</extracomment>
        <translation type="vanished">%1 ocupa la casilla %2.</translation>
    </message>
    <message>
        <source>O to move.</source>
        <translation>Le toca a O.</translation>
    </message>
    <message>
        <source>X to move.</source>
        <translation>Le toca a X.</translation>
    </message>
    <message>
        <source>O or X to move.</source>
        <translation>Le toca a O o a X.</translation>
    </message>
    <message>
        <source>%1 wins: %2.</source>
        <extracomment>%1 is O or X, %2 a line such as &quot;top row&quot;.</extracomment>
        <translation type="vanished">%1 gana: %2.</translation>
    </message>
    <message>
        <source>A draw: the board is full.</source>
        <translation>Empate: el tablero está lleno.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nueva partida.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pulsar</translation>
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
        <translation>Tres en raya</translation>
    </message>
    <message>
        <source>Three in a row against the computer at five levels, or against a friend</source>
        <translation>Tres en raya contra el ordenador en cinco niveles o contra un amigo</translation>
    </message>
    <message>
        <source>noughts;crosses;three in a row;board;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>tres en raya;ceros;cruces;tablero;</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificultad</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;1 Player</source>
        <translation>&amp;1 jugador</translation>
    </message>
    <message>
        <source>&amp;2 Player</source>
        <translation>&amp;2 jugadores</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Silly Putty</source>
        <extracomment>Level 1 of 5, the weakest: a soft toy with no will of its own.</extracomment>
        <translation>&amp;Plastilina</translation>
    </message>
    <message>
        <source>&amp;Beaver</source>
        <extracomment>Level 2 of 5: an eager beaver, busy rather than bright.</extracomment>
        <translation>&amp;Hormiguita</translation>
    </message>
    <message>
        <source>&amp;Induhvidual</source>
        <extracomment>Level 3 of 5: &quot;individual&quot; with a &quot;duh&quot; in it, the clueless average person.</extracomment>
        <translation>&amp;Fulano de Tal</translation>
    </message>
    <message>
        <source>&amp;Wiz Kid</source>
        <extracomment>Level 4 of 5: a whiz kid, a young prodigy.</extracomment>
        <translation>&amp;Niño prodigio</translation>
    </message>
    <message>
        <source>&amp;Nerd God</source>
        <extracomment>Level 5 of 5, never plays at random: the supreme geek.</extracomment>
        <translation>&amp;Dios de los frikis</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Mouse plays O, keypad plays X. F2:&#xa0;new&#xa0;match.</source>
        <extracomment>Keep it about as short: it must fit two lines of a small fixed box. No-break spaces join &quot;F2: new match&quot;.</extracomment>
        <translation>El ratón juega O, el teclado numérico X. F2:&#xa0;nueva&#xa0;partida.</translation>
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
        <translation>Tres en raya contra un ordenador de cinco niveles</translation>
    </message>
    <message>
        <source>Zandor is noughts and crosses on a hand-drawn board: put three of your marks in a row, a column or a diagonal before the other side does. You play O with the mouse; X is the computer, or a second player at the same keyboard using the numeric keypad.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>Zandor es el tres en raya sobre un tablero dibujado a mano: pon tres de tus marcas en una fila, una columna o una diagonal antes que el otro lado. Juegas con O usando el ratón; X es el ordenador o una segunda persona en el mismo teclado, con el teclado numérico.</translation>
    </message>
    <message>
        <source>The computer has five levels, from Silly Putty, which mostly plays at random, to Nerd God, which never does. Games follow one another on their own, the loser opens the next one, and the window title keeps the score of the match. Played in the ordinary way, with the computer making every move of X, Nerd God cannot be beaten. Should you beat it all the same, that game is written move by move to a small log.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>El ordenador tiene cinco niveles, desde Plastilina, que casi siempre juega al azar, hasta Dios de los frikis, que nunca lo hace. Las partidas se suceden solas, quien pierde abre la siguiente y el título de la ventana lleva el marcador del encuentro. Jugando de la forma habitual, con el ordenador haciendo cada jugada de X, Dios de los frikis es imbatible. Si aun así lo vences, esa partida se anota jugada a jugada en un pequeño registro.</translation>
    </message>
</context>
</TS>
