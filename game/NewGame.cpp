// Putting the state and the table into the first turn of a new game.

#include "Logic.h"
#include "Texts.h"

namespace rp {

void mdlLogic::StartNewGame() {
    // A game abandoned mid-roll or mid-pause must not land its dice, pass its
    // turn or open its results in the new one.
    for (int i = 1; i <= DiceCount; ++i) {
        if (s_.DieAnimator(i) != 0) table_.setDieAnimator(i, s_.DieAnimator(i), false);
        s_.DieAnimator(i) = 0;
        s_.DieFrame(i) = 0;
    }
    for (TableTimer t : {TableTimer::RollPause, TableTimer::Next, TableTimer::EndGame})
        table_.setTimer(t, false);
    table_.setNextPlayerVisible(false);
    s_.RollCount = 0;
    table_.setRollCount("0");
    s_.ActiveColumn = 0;
    s_.NewHighScore = false;
    s_.Winner = 0;
    // A five of a kind of an abandoned game must not serve the new one.
    s_.PentaroShowing = false;
    s_.TurnPassing = false;
    ClearScoreCard();

    for (int i = 1; i <= DiceCount; ++i) {
        s_.Dice(i) = 0;
        s_.DieKept(i) = false;
        table_.setKeptDiePicture(i, "");
        table_.setRollingDiePicture(i, file::DieFace[6]);
        table_.setKeptDieEnabled(i, false);
        table_.setRollingDieEnabled(i, false);
    }
    s_.Score.fill(0);
    s_.Used.fill(false);
    s_.BonusScore.fill(0);
    s_.BonusUsed.fill(false);
    table_.setBoxCaption(1, row::Pentaro, "0");
    for (int c = 1; c <= Columns; ++c) {
        table_.setChipTotal(c, "");
        table_.setChipPicture(c, "");
    }

    for (int p = 1; p <= s_.NumPlayers; ++p) {
        const bool oneColumn = s_.GameType == 2;
        for (int c = 1; c <= Columns; ++c) {
            const bool closed = oneColumn && c > 1;
            s_.ColumnDone(p, c) = closed;
            for (int box = 1; box <= BonusBoxes; ++box) s_.BonusUsed(p, box, c) = closed;
        }
    }
    table_.setCardEnabled(false);

    s_.ChipCount.fill(0);
    s_.ColumnScore.fill(0);
    s_.ColumnFinal.fill(0);
    s_.GrandTotal.fill(0);
    for (int p = 1; p <= MaxPlayers; ++p) {
        for (int c = 1; c <= Columns; ++c) {
            s_.Score(p, row::Pentaro, c) = 0;
            s_.Used(p, row::Pentaro, c) = true;
        }
    }
    s_.CurrentPlayer = 1;
    table_.setPlayerName(s_.PlayerName(1));
}

}  // namespace rp
