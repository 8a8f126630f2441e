<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Board</name>
    <message>
        <source>top left</source>
        <translation>вверху слева</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>вверху по центру</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>вверху справа</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>в середине слева</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>в центре</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>в середине справа</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>внизу слева</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>внизу по центру</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>внизу справа</translation>
    </message>
    <message>
        <source>top row</source>
        <translation type="vanished">верхний ряд</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation type="vanished">средний ряд</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation type="vanished">нижний ряд</translation>
    </message>
    <message>
        <source>left column</source>
        <translation type="vanished">левый столбец</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation type="vanished">средний столбец</translation>
    </message>
    <message>
        <source>right column</source>
        <translation type="vanished">правый столбец</translation>
    </message>
    <message>
        <source>diagonal from top left</source>
        <translation type="vanished">диагональ от верхнего левого угла</translation>
    </message>
    <message>
        <source>diagonal from top right</source>
        <translation type="vanished">диагональ от верхнего правого угла</translation>
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
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is where the cell is, %2 what it holds.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 took the %2.</source>
        <extracomment>%1 is O or X, %2 a cell&apos;s place such as &quot;top left&quot;.</extracomment>
        <translation type="vanished">%1 занимает клетку %2.</translation>
    </message>
    <message>
        <source>O to move.</source>
        <translation>Ход O.</translation>
    </message>
    <message>
        <source>X to move.</source>
        <translation>Ход X.</translation>
    </message>
    <message>
        <source>O or X to move.</source>
        <translation>Ход O или X.</translation>
    </message>
    <message>
        <source>%1 wins: %2.</source>
        <extracomment>%1 is O or X, %2 a line such as &quot;top row&quot;.</extracomment>
        <translation type="vanished">%1 выигрывает: %2.</translation>
    </message>
    <message>
        <source>A draw: the board is full.</source>
        <translation>Ничья: поле заполнено.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Новая партия.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Нажать</translation>
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
        <translation>Крестики-нолики</translation>
    </message>
    <message>
        <source>Three in a row against the computer at five levels, or against a friend</source>
        <translation>Три в ряд против компьютера с пятью уровнями или против друга</translation>
    </message>
    <message>
        <source>noughts;crosses;three in a row;board;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>крестики-нолики;крестики;нолики;три в ряд;доска;</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Сложность</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Заново</translation>
    </message>
    <message>
        <source>&amp;1 Player</source>
        <translation>&amp;1 игрок</translation>
    </message>
    <message>
        <source>&amp;2 Player</source>
        <translation>&amp;2 игрока</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Silly Putty</source>
        <extracomment>Level 1 of 5, the weakest: a soft toy with no will of its own.</extracomment>
        <translation>&amp;Пластилин</translation>
    </message>
    <message>
        <source>&amp;Beaver</source>
        <extracomment>Level 2 of 5: an eager beaver, busy rather than bright.</extracomment>
        <translation>&amp;Работяга</translation>
    </message>
    <message>
        <source>&amp;Induhvidual</source>
        <extracomment>Level 3 of 5: &quot;individual&quot; with a &quot;duh&quot; in it, the clueless average person.</extracomment>
        <translation>&amp;Вася Пупкин</translation>
    </message>
    <message>
        <source>&amp;Wiz Kid</source>
        <extracomment>Level 4 of 5: a whiz kid, a young prodigy.</extracomment>
        <translation>Вундер&amp;кинд</translation>
    </message>
    <message>
        <source>&amp;Nerd God</source>
        <extracomment>Level 5 of 5, never plays at random: the supreme geek.</extracomment>
        <translation>&amp;Бог ботанов</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Mouse plays O, keypad plays X. F2:&#xa0;new&#xa0;match.</source>
        <extracomment>Keep it about as short: it must fit two lines of a small fixed box. No-break spaces join &quot;F2: new match&quot;.</extracomment>
        <translation>Мышь играет за O, цифровой блок — за X. F2:&#xa0;новый&#xa0;матч.</translation>
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
        <translation>Крестики-нолики против компьютера с пятью уровнями</translation>
    </message>
    <message>
        <source>Zandor is noughts and crosses on a hand-drawn board: put three of your marks in a row, a column or a diagonal before the other side does. You play O with the mouse; X is the computer, or a second player at the same keyboard using the numeric keypad.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>Zandor — это крестики-нолики на нарисованном от руки поле: выстройте три своих знака в ряд, в столбец или по диагонали раньше соперника. Вы играете за O мышью; за X играет компьютер или второй игрок за той же клавиатурой, на цифровом блоке.</translation>
    </message>
    <message>
        <source>The computer has five levels, from Silly Putty, which mostly plays at random, to Nerd God, which never does. Games follow one another on their own, the loser opens the next one, and the window title keeps the score of the match. Played in the ordinary way, with the computer making every move of X, Nerd God cannot be beaten. Should you beat it all the same, that game is written move by move to a small log.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>У компьютера пять уровней: от Пластилина, который чаще всего ходит наугад, до Бога ботанов, который так не делает никогда. Партии идут одна за другой сами, проигравший начинает следующую, а в заголовке окна ведётся счёт матча. При обычной игре, когда компьютер делает каждый ход за X, Бога ботанов не победить. Если вам всё же это удастся, партия будет записана ход за ходом в небольшой журнал.</translation>
    </message>
</context>
</TS>
