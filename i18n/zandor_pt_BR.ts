<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Board</name>
    <message>
        <source>top left</source>
        <translation>superior esquerda</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>superior central</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>superior direita</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>meio à esquerda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>meio à direita</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>inferior esquerda</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>inferior central</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>inferior direita</translation>
    </message>
    <message>
        <source>top row</source>
        <translation type="vanished">linha de cima</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation type="vanished">linha do meio</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation type="vanished">linha de baixo</translation>
    </message>
    <message>
        <source>left column</source>
        <translation type="vanished">coluna da esquerda</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation type="vanished">coluna do meio</translation>
    </message>
    <message>
        <source>right column</source>
        <translation type="vanished">coluna da direita</translation>
    </message>
    <message>
        <source>diagonal from top left</source>
        <translation type="vanished">diagonal a partir da superior esquerda</translation>
    </message>
    <message>
        <source>diagonal from top right</source>
        <translation type="vanished">diagonal a partir da superior direita</translation>
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
        <translation>vazia</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is where the cell is, %2 what it holds.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 took the %2.</source>
        <extracomment>%1 is O or X, %2 a cell&apos;s place such as &quot;top left&quot;.</extracomment>
        <translation type="vanished">%1 ocupou a casa %2.</translation>
    </message>
    <message>
        <source>O to move.</source>
        <translation>Vez do O.</translation>
    </message>
    <message>
        <source>X to move.</source>
        <translation>Vez do X.</translation>
    </message>
    <message>
        <source>O or X to move.</source>
        <translation>Vez do O ou do X.</translation>
    </message>
    <message>
        <source>%1 wins: %2.</source>
        <extracomment>%1 is O or X, %2 a line such as &quot;top row&quot;.</extracomment>
        <translation type="vanished">%1 vence: %2.</translation>
    </message>
    <message>
        <source>A draw: the board is full.</source>
        <translation>Empate: o tabuleiro está cheio.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nova partida.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pressionar</translation>
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
        <translation>Jogo da velha</translation>
    </message>
    <message>
        <source>Three in a row against the computer at five levels, or against a friend</source>
        <translation>Três em linha contra o computador em cinco níveis ou contra um amigo</translation>
    </message>
    <message>
        <source>noughts;crosses;three in a row;board;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>jogo da velha;xis;bolinha;três em linha;tabuleiro;</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificuldade</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;1 Player</source>
        <translation>&amp;1 jogador</translation>
    </message>
    <message>
        <source>&amp;2 Player</source>
        <translation>&amp;2 jogadores</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Silly Putty</source>
        <extracomment>Level 1 of 5, the weakest: a soft toy with no will of its own.</extracomment>
        <translation>&amp;Massinha</translation>
    </message>
    <message>
        <source>&amp;Beaver</source>
        <extracomment>Level 2 of 5: an eager beaver, busy rather than bright.</extracomment>
        <translation>&amp;Formiguinha</translation>
    </message>
    <message>
        <source>&amp;Induhvidual</source>
        <extracomment>Level 3 of 5: &quot;individual&quot; with a &quot;duh&quot; in it, the clueless average person.</extracomment>
        <translation>Zé &amp;Ninguém</translation>
    </message>
    <message>
        <source>&amp;Wiz Kid</source>
        <extracomment>Level 4 of 5: a whiz kid, a young prodigy.</extracomment>
        <translation>&amp;Gênio mirim</translation>
    </message>
    <message>
        <source>&amp;Nerd God</source>
        <extracomment>Level 5 of 5, never plays at random: the supreme geek.</extracomment>
        <translation>&amp;Deus dos nerds</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Mouse plays O, keypad plays X. F2:&#xa0;new&#xa0;match.</source>
        <extracomment>Keep it about as short: it must fit two lines of a small fixed box. No-break spaces join &quot;F2: new match&quot;.</extracomment>
        <translation>O mouse joga O, o teclado numérico X. F2:&#xa0;nova&#xa0;partida.</translation>
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
        <translation>Jogo da velha contra um computador de cinco níveis</translation>
    </message>
    <message>
        <source>Zandor is noughts and crosses on a hand-drawn board: put three of your marks in a row, a column or a diagonal before the other side does. You play O with the mouse; X is the computer, or a second player at the same keyboard using the numeric keypad.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>Zandor é o jogo da velha num tabuleiro desenhado à mão: coloque três das suas marcas numa linha, coluna ou diagonal antes do outro lado. Você joga com O usando o mouse; X é o computador ou uma segunda pessoa no mesmo teclado, usando o teclado numérico.</translation>
    </message>
    <message>
        <source>The computer has five levels, from Silly Putty, which mostly plays at random, to Nerd God, which never does. Games follow one another on their own, the loser opens the next one, and the window title keeps the score of the match. Played in the ordinary way, with the computer making every move of X, Nerd God cannot be beaten. Should you beat it all the same, that game is written move by move to a small log.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>O computador tem cinco níveis, de Massinha, que quase sempre joga ao acaso, a Deus dos nerds, que nunca faz isso. As partidas seguem uma após a outra sozinhas, quem perde começa a próxima e o título da janela mostra o placar do confronto. Jogando do jeito normal, com o computador fazendo todas as jogadas do X, Deus dos nerds é imbatível. Se mesmo assim você o vencer, essa partida é anotada jogada a jogada num pequeno registro.</translation>
    </message>
</context>
</TS>
