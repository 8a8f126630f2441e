<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Board</name>
    <message>
        <source>top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>中央上</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>左中央</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>右中央</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>中央下</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>top row</source>
        <translation type="vanished">上の行</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation type="vanished">中央の行</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation type="vanished">下の行</translation>
    </message>
    <message>
        <source>left column</source>
        <translation type="vanished">左の列</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation type="vanished">中央の列</translation>
    </message>
    <message>
        <source>right column</source>
        <translation type="vanished">右の列</translation>
    </message>
    <message>
        <source>diagonal from top left</source>
        <translation type="vanished">左上からの斜め</translation>
    </message>
    <message>
        <source>diagonal from top right</source>
        <translation type="vanished">右上からの斜め</translation>
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
        <translation>空き</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is where the cell is, %2 what it holds.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 took the %2.</source>
        <extracomment>%1 is O or X, %2 a cell&apos;s place such as &quot;top left&quot;.</extracomment>
        <translation type="vanished">%1 が%2を取りました。</translation>
    </message>
    <message>
        <source>O to move.</source>
        <translation>O の番です。</translation>
    </message>
    <message>
        <source>X to move.</source>
        <translation>X の番です。</translation>
    </message>
    <message>
        <source>O or X to move.</source>
        <translation>O か X の番です。</translation>
    </message>
    <message>
        <source>%1 wins: %2.</source>
        <extracomment>%1 is O or X, %2 a line such as &quot;top row&quot;.</extracomment>
        <translation type="vanished">%1 の勝ち: %2。</translation>
    </message>
    <message>
        <source>A draw: the board is full.</source>
        <translation>引き分け: 盤が埋まりました。</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>新しい対局。</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>押す</translation>
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
        <translation>三目並べ</translation>
    </message>
    <message>
        <source>Three in a row against the computer at five levels, or against a friend</source>
        <translation>5 段階の強さのコンピューターや友達と対戦する三目並べ</translation>
    </message>
    <message>
        <source>noughts;crosses;three in a row;board;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>三目並べ;マルバツ;○×ゲーム;ボードゲーム;</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>難易度(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>最初から(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;1 Player</source>
        <translation>1 人で遊ぶ(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;2 Player</source>
        <translation>2 人で遊ぶ(&amp;2)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Silly Putty</source>
        <extracomment>Level 1 of 5, the weakest: a soft toy with no will of its own.</extracomment>
        <translation>スライム(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Beaver</source>
        <extracomment>Level 2 of 5: an eager beaver, busy rather than bright.</extracomment>
        <translation>がんばり屋(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Induhvidual</source>
        <extracomment>Level 3 of 5: &quot;individual&quot; with a &quot;duh&quot; in it, the clueless average person.</extracomment>
        <translation>モブキャラ(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Wiz Kid</source>
        <extracomment>Level 4 of 5: a whiz kid, a young prodigy.</extracomment>
        <translation>天才児(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Nerd God</source>
        <extracomment>Level 5 of 5, never plays at random: the supreme geek.</extracomment>
        <translation>オタクの神(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Mouse plays O, keypad plays X. F2:&#xa0;new&#xa0;match.</source>
        <extracomment>Keep it about as short: it must fit two lines of a small fixed box. No-break spaces join &quot;F2: new match&quot;.</extracomment>
        <translation>マウスで O、テンキーで X を打ちます。F2:&#xa0;新しい対戦。</translation>
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
        <translation>5 段階の強さのコンピューターと対戦する三目並べ</translation>
    </message>
    <message>
        <source>Zandor is noughts and crosses on a hand-drawn board: put three of your marks in a row, a column or a diagonal before the other side does. You play O with the mouse; X is the computer, or a second player at the same keyboard using the numeric keypad.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>Zandor は手描きの盤で遊ぶ三目並べです。縦、横、斜めのいずれかに自分の印を三つ、相手より先に並べましょう。あなたはマウスで O を打ちます。X はコンピューター、または同じキーボードのテンキーを使うもう一人のプレイヤーです。</translation>
    </message>
    <message>
        <source>The computer has five levels, from Silly Putty, which mostly plays at random, to Nerd God, which never does. Games follow one another on their own, the loser opens the next one, and the window title keeps the score of the match. Played in the ordinary way, with the computer making every move of X, Nerd God cannot be beaten. Should you beat it all the same, that game is written move by move to a small log.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>コンピューターの強さは 5 段階で、ほとんどでたらめに打つスライムから、決してでたらめに打たないオタクの神まであります。対局は自動的に続き、負けた側が次の対局の先手になり、ウィンドウのタイトルに対戦のスコアが表示されます。コンピューターが X をすべて打つ通常の遊び方では、オタクの神には勝てません。それでも勝った場合、その対局は一手ずつ小さな記録に書き込まれます。</translation>
    </message>
</context>
</TS>
