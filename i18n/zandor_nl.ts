<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Board</name>
    <message>
        <source>top left</source>
        <translation>linksboven</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>middenboven</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>rechtsboven</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>middenlinks</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>midden</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>middenrechts</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>linksonder</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>middenonder</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>rechtsonder</translation>
    </message>
    <message>
        <source>top row</source>
        <translation type="vanished">bovenste rij</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation type="vanished">middelste rij</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation type="vanished">onderste rij</translation>
    </message>
    <message>
        <source>left column</source>
        <translation type="vanished">linker kolom</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation type="vanished">middelste kolom</translation>
    </message>
    <message>
        <source>right column</source>
        <translation type="vanished">rechter kolom</translation>
    </message>
    <message>
        <source>diagonal from top left</source>
        <translation type="vanished">diagonaal vanaf linksboven</translation>
    </message>
    <message>
        <source>diagonal from top right</source>
        <translation type="vanished">diagonaal vanaf rechtsboven</translation>
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
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 is where the cell is, %2 what it holds.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 took the %2.</source>
        <extracomment>%1 is O or X, %2 a cell&apos;s place such as &quot;top left&quot;.</extracomment>
        <translation type="vanished">%1 neemt het vak %2.</translation>
    </message>
    <message>
        <source>O to move.</source>
        <translation>O is aan zet.</translation>
    </message>
    <message>
        <source>X to move.</source>
        <translation>X is aan zet.</translation>
    </message>
    <message>
        <source>O or X to move.</source>
        <translation>O of X is aan zet.</translation>
    </message>
    <message>
        <source>%1 wins: %2.</source>
        <extracomment>%1 is O or X, %2 a line such as &quot;top row&quot;.</extracomment>
        <translation type="vanished">%1 wint: %2.</translation>
    </message>
    <message>
        <source>A draw: the board is full.</source>
        <translation>Gelijkspel: het bord is vol.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nieuw spel.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Indrukken</translation>
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
        <translation>Boter, kaas en eieren</translation>
    </message>
    <message>
        <source>Three in a row against the computer at five levels, or against a friend</source>
        <translation>Drie op een rij tegen de computer op vijf niveaus, of tegen een vriend</translation>
    </message>
    <message>
        <source>noughts;crosses;three in a row;board;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>boter kaas en eieren;drie op een rij;kruisjes;rondjes;bord;</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Moeilijkheid</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>&amp;1 Player</source>
        <translation>&amp;1 speler</translation>
    </message>
    <message>
        <source>&amp;2 Player</source>
        <translation>&amp;2 spelers</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Silly Putty</source>
        <extracomment>Level 1 of 5, the weakest: a soft toy with no will of its own.</extracomment>
        <translation>&amp;Slappe hap</translation>
    </message>
    <message>
        <source>&amp;Beaver</source>
        <extracomment>Level 2 of 5: an eager beaver, busy rather than bright.</extracomment>
        <translation>Bezige &amp;bij</translation>
    </message>
    <message>
        <source>&amp;Induhvidual</source>
        <extracomment>Level 3 of 5: &quot;individual&quot; with a &quot;duh&quot; in it, the clueless average person.</extracomment>
        <translation>Jan &amp;Modaal</translation>
    </message>
    <message>
        <source>&amp;Wiz Kid</source>
        <extracomment>Level 4 of 5: a whiz kid, a young prodigy.</extracomment>
        <translation>&amp;Wonderkind</translation>
    </message>
    <message>
        <source>&amp;Nerd God</source>
        <extracomment>Level 5 of 5, never plays at random: the supreme geek.</extracomment>
        <translation>&amp;Opperbolleboos</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Mouse plays O, keypad plays X. F2:&#xa0;new&#xa0;match.</source>
        <extracomment>Keep it about as short: it must fit two lines of a small fixed box. No-break spaces join &quot;F2: new match&quot;.</extracomment>
        <translation>De muis speelt O, het cijferblok X. F2:&#xa0;nieuwe&#xa0;partij.</translation>
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
        <translation>Boter, kaas en eieren tegen een computer met vijf niveaus</translation>
    </message>
    <message>
        <source>Zandor is noughts and crosses on a hand-drawn board: put three of your marks in a row, a column or a diagonal before the other side does. You play O with the mouse; X is the computer, or a second player at the same keyboard using the numeric keypad.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>Zandor is boter, kaas en eieren op een met de hand getekend bord: zet drie van je tekens op een rij, in een kolom of op een diagonaal voordat de andere kant dat doet. Jij speelt O met de muis; X is de computer, of een tweede speler aan hetzelfde toetsenbord die het numerieke toetsenblok gebruikt.</translation>
    </message>
    <message>
        <source>The computer has five levels, from Silly Putty, which mostly plays at random, to Nerd God, which never does. Games follow one another on their own, the loser opens the next one, and the window title keeps the score of the match. Played in the ordinary way, with the computer making every move of X, Nerd God cannot be beaten. Should you beat it all the same, that game is written move by move to a small log.</source>
        <extracomment>One paragraph.</extracomment>
        <translation>De computer heeft vijf niveaus, van Slappe hap, die meestal willekeurig speelt, tot Opperbolleboos, die dat nooit doet. Partijen volgen elkaar vanzelf op, de verliezer begint de volgende en de titel van het venster houdt de stand van de wedstrijd bij. Op de gewone manier gespeeld, met de computer die elke zet van X doet, is Opperbolleboos onverslaanbaar. Versla je hem toch, dan wordt die partij zet voor zet in een klein logboek geschreven.</translation>
    </message>
</context>
</TS>
