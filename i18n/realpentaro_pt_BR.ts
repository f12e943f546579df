<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Advisor</name>
    <message>
        <source>No turn to advise on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the solved game is not at hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dice are still rolling.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This card is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not every move of this game was seen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A move of this game is one the advisor does not know.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>Ones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus (if 63)  35pts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Celebration</name>
    <message>
        <source>Pentaro!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Confirm</name>
    <message>
        <source>Real Pentaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm (Space or Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Goodbye</name>
    <message>
        <source>Goodbye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Even a fool, when he keeps
silent, is considered wise.&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Real Pentaro Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the game (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h1&gt;Real Pentaro Help&lt;/h1&gt;&lt;p&gt;The help file cannot be read: %1&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the high scores (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the table (Enter or Escape)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Real Pentaro</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>You must use a<byte value="xd"/>
a Pentaro box<byte value="xd"/>
first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One Pentaro in each<byte value="xd"/>
column must be<byte value="xd"/>
used first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
Upper section<byte value="xd"/>
number not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wildcard denied:<byte value="xd"/>
All like numbers not<byte value="xd"/>
used in upper section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language setting<byte value="xd"/>
is unknown: the<byte value="xd"/>
desktop&apos;s is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Current Game<byte value="xd"/>
Will Be Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Are About To<byte value="xd"/>
Reset The High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some settings could not be read: defaults are used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings cannot be read or saved: defaults are used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer, Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer, Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer, Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language: as the desktop (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s language: press to change (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who plays this seat: press to change (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How fast the computer plays: press to change (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the game (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer pace: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>KEPT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five dice  •  one card  •  up to four players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who is playing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Played by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scored x1, x2, x3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a single card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three-Column Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-Column Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCORE!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score Card</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Game 1 Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chips (x-100)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game 2 Total (x-2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chips (x-200)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game 3 Total (x-3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chips (x-300)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click On Names To See Scorecard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or Tab to a name and press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new high score!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On to the high scores (Enter or Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Winner is:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1, computer, %2: press Enter to see the score card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1: press Enter to see the score card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>computer, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: computer, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s score card (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best play averages %1 points a game: your %2 is %3 %4 it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>above</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Resume</name>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Game Review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decisions, most costly first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back (Enter or Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Dice: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a decision
to see its position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %1, roll %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus (63)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red: your choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green: best play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>estimated </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start: %1expected %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %1: %2expected %3, banked %4, cost %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected with best play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>banked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>costliest turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rolls all five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rolled all five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keeps </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enters </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entered </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in Game %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No review of this game: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an estimated </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>best play too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>best </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %1, roll %2: %3 %4 %5 (%6)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Roll the dice first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That box is filled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game 2 is not played in a one-column game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game 3 is not played in a one-column game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait for the next player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a game with New Game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press New Game to start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Score Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chips, Game %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the results (Enter or Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far each decision was from best play, and the luck of the dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Splash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Iron sharpens iron, so
one man sharpens another.&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Real Pentaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real Pentaro cannot start: pictures are missing or broken.

%1

Looked in: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Real Pentaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound device found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolls: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 enters %2 in %3, Game %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 enters %2 in Pentaro box %3, Game %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rolls %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Pentaro!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proverbs 27:17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game %1, Pentaro box %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentaro Chips:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chip, Game %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to roll dice (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to begin new game (N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to show high scores (S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable/Disable Sound (M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click for help (F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click for the best move (H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit The Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit The Program (Ctrl+Q)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer cannot play: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll all five dice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep %1 (%2 %3), roll the rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentaro box %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Game %1, %2: %3 points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With best play: %1 expected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimate: about %1 (heuristic).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hint is off: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hints keep this game out of the high scores.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>would score </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>suggested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previews on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previews off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this card (Ctrl+%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>↶ Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last entry (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry taken back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smaller (Ctrl+Minus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom; back to 100 % (Ctrl+0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger (Ctrl+Plus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
