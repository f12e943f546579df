#include "HelpText.h"

namespace ag {

QString helpText()
{
    return QStringLiteral(R"(REAL PENTARO - HOW TO PLAY
==========================

Real Pentaro is a dice game for one to four players who share the screen
and the mouse. Each player fills a score card; the highest total wins.


STARTING A GAME
---------------
Press "New Game". Tick how many players take part, type their names and
choose the game:

  * One column    - each player fills a single score column.
  * Three columns - each player fills three columns, "Game 1" to "Game 3",
                    worth one, two and three times their score at the end.

Press "Done" to begin. Starting a new game while one is under way asks you
to confirm first, because the game in progress is lost.


A TURN
------
1. Press "Roll" (or Enter, or the space bar) to roll the five dice.
2. Click a die in the right-hand row to keep it: it moves to the left-hand
   row and is not rolled again. Click a kept die to put it back.
3. Roll again. You may roll at most three times; the number between the
   two rows counts your rolls.
4. Click one open box of your score card to enter the dice there. Every
   turn ends with exactly one entry, even if it scores nothing.

With several players a "Next Player" sign shows for two seconds, then the
next player's card appears. A click or a key ends the sign at once; Enter
or Space then also rolls for the next player.


WHAT THE TABLE TELLS YOU
------------------------
  * Standings: above the card, every player's total so far (the player on
    turn underlined). Click a name, or press Ctrl+1 to Ctrl+4, to see that
    player's card.
  * After each roll every box that would take the dice shows, in pale
    ink, what it would score. Press P to turn this off or on again.
  * A click that does nothing says why, above the dice.
  * In the one-column game columns 2 and 3 are dimmed.


THE SCORE CARD
--------------
Upper section (each box counts only the dice of its number):
  Ones ... Sixes    the total of the dice showing that number.
                    Four fives in "Fives" score 20.
  Sub Total         the six upper boxes added up.
  Bonus             35 points when the Sub Total is 63 or more.
  Upper Total       Sub Total plus Bonus.

Lower section:
  3 of a kind       the total of all five dice, if at least three match.
  4 of a kind       the total of all five dice, if at least four match.
  Full House        25 for three of one number and two of another.
  Small Straight    30 for four numbers in a row (1-2-3-4, 2-3-4-5 or
                    3-4-5-6).
  Large Straight    40 for five numbers in a row (1-5 or 2-6).
  Chance            the total of all five dice, whatever they show.
  Lower Total       the lower boxes plus the Pentaro boxes.

A box that does not fit the dice may still be chosen: it then scores 0.
At the bottom the column shows Upper Total, Lower Total and its Score.


PENTARO - FIVE OF A KIND
------------------------
Five dice showing the same number are a Pentaro, and the table cheers.
Each column has a row of three Pentaro boxes, marked (50,100,100):

  * The first box takes a Pentaro for 50 points.
  * The second and third boxes each take a further Pentaro in the same
    column for 100 points, and each also wins a chip for that column.
    They must be filled in order: first, second, third.
  * Clicking the first box without a Pentaro gives it up: it scores 0 and
    the second and third boxes of that column are closed too.
  * When a column is finished, Pentaro boxes still open there close empty.

A Pentaro stays yours for the rest of the turn, even if you roll again.


PENTARO AS A JOKER
------------------
A Pentaro belongs in the 50-point box first. Until that box is filled (or
given up) in every column in play, the game refuses to put a Pentaro in
any other box, sounds a buzzer and tells you why.

After that:
  * Upper section: the Pentaro may go in any open upper box and scores
    as usual there (five fours in "Fours" make 20, elsewhere 0).
  * Lower section: only once the upper box of the Pentaro's number is
    filled in every column in play. Then it is a joker and scores the
    box's full value: Full House 25, Small Straight 30, Large Straight
    40; 3 of a kind, 4 of a kind and Chance the total of the dice.

Chips: when the 50-point box of a column holds 50 (not 0), every later
Pentaro put into another box of that column, upper or lower, also wins a
chip for that column.


CHIPS
-----
Chips are shown under their column with how many you hold. At the end of
the game each chip is worth 100 points in column 1, 200 in column 2 and
300 in column 3.


THE THREE-COLUMN GAME
---------------------
You may fill the columns in any order, one box per turn. When the game is
over each column's Score is multiplied by its column number:

  Game 1 Score x 1  +  Game 2 Score x 2  +  Game 3 Score x 3  +  chips

In the one-column game only Game 1 is played, without multiplier.


END OF THE GAME AND HIGH SCORES
-------------------------------
When every card is full the results appear, the winner in red. Click a
player's name to see that card. Two tables keep the six best totals: one
for the three-column game, one for the one-column game. A total enters a
table when it beats a score already there; new entries show highlighted.
"Reset" on the high score window, after you confirm, replaces both
tables with a fresh starting table.


HINTS
-----
The "Hint" button (key H) shows the best move for the player on turn:
the dice to keep, or the box to take, are framed in gold for a few
seconds, and the text above the dice says what to do and what you can
still expect to score from here. A hint changes nothing in the game.

In the one-column game the hint is exact: it is worked out over every
position of the game, and following it gives the highest average final
score a player can reach under these rules. It plays for points, not for
beating the other players. After a one-player, one-column game the
results window says how your score compares with that average.

In the three-column game the hint is a heuristic: it weighs each entry by
its column's multiplier and by what the one-column solution says the
rest of that column is worth. It plays well but is not the best possible,
and its expected score is an estimate.


GAME REVIEW
-----------
After a game the "Review" button of the results (and of each person's
score card) shows how far each decision was from best play, and how much
was luck. A sentence adds it up, for example:

  Best play from the start expects 263.7. Your decisions cost 18.4
  points and the dice gave you +5.7: 251.

A decision (the dice kept after roll 1 or 2, the box taken) costs what
best play expected from its best choice less what it expected from
yours. A roll's luck is what best play expected after the dice landed
less what it expected just before. So your score is the start value,
less the costs, plus the luck. In the one-column game these figures are
exact; in the three-column game they come from the hint's heuristic and
say "estimated".

The chart shows, after each turn, the final score best play would now
expect (blue) and the points banked so far (brown); the costliest turns
are circled in red. Below it every decision is listed, most costly
first, each as a sentence such as

  Turn 7, roll 2: kept 5 5 - best keeps 2 2 5 5 (-5.6)

Select one (arrow keys) to see that position on the small card: your
choice framed in red, best play's in green. A move the rules forced is
not listed. With a screen reader each row reads as that sentence and the
chart reads its numbers turn by turn.

The moves are kept in memory only while the game lasts. Computer players
have no review; a person who asked for hints has one like anyone else.


PLAYING BY KEYBOARD
-------------------
Every click has a key. On the table:

  Enter, Space      roll (as the "Roll" button)
  1 to 5            move die 1 to 5 between the rows (1 is the top die)
  Arrow keys, Tab   select an open box of your card (a red frame);
  Shift+Tab         Up/Down within a column, Left/Right to the next column
  Enter             with a box selected: enter the dice there
  Escape            clear the selection (Enter rolls again)
  N                 New Game
  S                 High Scores
  M                 Sound On / Off
  H                 a hint: the best move
  P                 what each box would score: off / on
  Ctrl+1 to Ctrl+4  that player's card
  F1                this help
  Ctrl+Q            leave the game (as the X)

In the other windows Tab moves between the check marks, name boxes and
buttons, Space or Enter presses the one with the focus, and Escape takes
the window's own way out. In the New Game window Enter starts the game.
With a screen reader every box reads its value and name ("Game 1, Full
House"), each die its face, and rolls, entries and refusals are announced.


SOUND
-----
The "Sound On" / "Sound Off" button switches every sound of the game on
or off. The choice is kept for the next start however the game is left.
Where the computer has no sound device, the button's tip says so.


WHERE THE SETTINGS LIVE
-----------------------
The sound switch and both high score tables are stored in

    $XDG_CONFIG_HOME/RealPentaro/RealPentaro.ini

which is normally ~/.config/RealPentaro/RealPentaro.ini. Delete that file
to start again with new tables and the sound on. A value that cannot be
read starts from its default (the file as it was is kept beside it, with
".bad" added); the game tells you when settings cannot be read or saved.
)");
}

}  // namespace ag
