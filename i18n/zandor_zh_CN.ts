<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Board</name>
    <message>
        <source>top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>中上</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>左中</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>右中</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>中下</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>top row</source>
        <translation type="vanished">上行</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation type="vanished">中行</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation type="vanished">下行</translation>
    </message>
    <message>
        <source>left column</source>
        <translation type="vanished">左列</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation type="vanished">中列</translation>
    </message>
    <message>
        <source>right column</source>
        <translation type="vanished">右列</translation>
    </message>
    <message>
        <source>diagonal from top left</source>
        <translation type="vanished">从左上开始的对角线</translation>
    </message>
    <message>
        <source>diagonal from top right</source>
        <translation type="vanished">从右上开始的对角线</translation>
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
        <translation>空</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is where the cell is, %2 what it holds.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1 took the %2.</source>
        <extracomment>%1 is O or X, %2 a cell&apos;s place such as &quot;top left&quot;.</extracomment>
        <translation type="vanished">%1 占了%2。</translation>
    </message>
    <message>
        <source>O to move.</source>
        <translation>轮到 O。</translation>
    </message>
    <message>
        <source>X to move.</source>
        <translation>轮到 X。</translation>
    </message>
    <message>
        <source>O or X to move.</source>
        <translation>轮到 O 或 X。</translation>
    </message>
    <message>
        <source>%1 wins: %2.</source>
        <extracomment>%1 is O or X, %2 a line such as &quot;top row&quot;.</extracomment>
        <translation type="vanished">%1 获胜：%2。</translation>
    </message>
    <message>
        <source>A draw: the board is full.</source>
        <translation>平局：棋盘已满。</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>新的一局。</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
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
        <translation>井字棋</translation>
    </message>
    <message>
        <source>Three in a row against the computer at five levels, or against a friend</source>
        <translation>与五个等级的电脑或朋友对战的三子连线游戏</translation>
    </message>
    <message>
        <source>noughts;crosses;three in a row;board;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>井字棋;圈叉;三子棋;棋盘;</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>难度(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>重新开始(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;1 Player</source>
        <translation>单人(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;2 Player</source>
        <translation>双人(&amp;2)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Silly Putty</source>
        <extracomment>Level 1 of 5, the weakest: a soft toy with no will of its own.</extracomment>
        <translation>橡皮泥(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Beaver</source>
        <extracomment>Level 2 of 5: an eager beaver, busy rather than bright.</extracomment>
        <translation>小蜜蜂(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Induhvidual</source>
        <extracomment>Level 3 of 5: &quot;individual&quot; with a &quot;duh&quot; in it, the clueless average person.</extracomment>
        <translation>路人甲(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Wiz Kid</source>
        <extracomment>Level 4 of 5: a whiz kid, a young prodigy.</extracomment>
        <translation>神童(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Nerd God</source>
        <extracomment>Level 5 of 5, never plays at random: the supreme geek.</extracomment>
        <translation>极客之神(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Mouse plays O, keypad plays X. F2:&#xa0;new&#xa0;match.</source>
        <extracomment>Keep it about as short: it must fit two lines of a small fixed box. No-break spaces join &quot;F2: new match&quot;.</extracomment>
        <translation>鼠标下 O，小键盘下 X。F2:&#xa0;新比赛。</translation>
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
        <translation>与五个等级的电脑对战的井字棋</translation>
    </message>
    <message>
        <source>Zandor is noughts and crosses on a hand-drawn board: put three of your marks in a row, a column or a diagonal before the other side does. You play O with the mouse; X is the computer, or a second player at the same keyboard using the numeric keypad.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>Zandor 是画在手绘棋盘上的井字棋：抢在对方之前，让自己的三个记号连成一行、一列或一条对角线。你用鼠标下 O；X 由电脑下，或由同一键盘前的另一位玩家用数字小键盘下。</translation>
    </message>
    <message>
        <source>The computer has five levels, from Silly Putty, which mostly plays at random, to Nerd God, which never does. Games follow one another on their own, the loser opens the next one, and the window title keeps the score of the match. Played in the ordinary way, with the computer making every move of X, Nerd God cannot be beaten. Should you beat it all the same, that game is written move by move to a small log.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>电脑有五个等级，从大多随机落子的橡皮泥，到从不随机的极客之神。对局会自动一局接一局进行，输的一方先开下一局，窗口标题显示本场比赛的比分。按通常方式游戏、由电脑下 X 的每一步时，极客之神不可战胜。如果你还是赢了它，这一局会被逐步写入一个小日志。</translation>
    </message>
</context>
</TS>
