// Passing the turn, putting a player's card on the table, ending the game.

#include <string>

#include "Logic.h"
#include "Texts.h"

namespace rp {

void mdlLogic::EndTurn() {
    int n = s_.CurrentPlayer;
    if (CheckColumnComplete(n)) {
        if (IsGameOver()) {
            FinishGame();
            return;
        }
        if (s_.NumPlayers > 1) {
            for (int tries = 0; tries < s_.NumPlayers; ++tries) {
                n = n % s_.NumPlayers + 1;
                if (!CheckColumnComplete(n)) {
                    s_.CurrentPlayer = to16(n);
                    s_.TurnPassing = true;
                    table_.setNextPlayerVisible(true);
                    table_.setTimer(TableTimer::Next, true);
                    return;
                }
            }
        }
    }
    if (s_.NumPlayers == 1) {
        ResetDiceForTurn();
        ShowPlayerCard(s_.CurrentPlayer);
        return;
    }
    // The next one in turn whose card still has open boxes; the same player
    // again when nobody else has.
    const int current = s_.CurrentPlayer;
    for (int step = 1; step < s_.NumPlayers; ++step) {
        const int candidate = (current - 1 + step) % s_.NumPlayers + 1;
        if (!IsPlayerFinished(candidate)) {
            s_.CurrentPlayer = to16(candidate);
            break;
        }
    }
    s_.TurnPassing = true;
    table_.setNextPlayerVisible(true);
    table_.setTimer(TableTimer::Next, true);
}

void mdlLogic::NextPlayerTimer() {
    s_.TurnPassing = false;
    table_.setNextPlayerVisible(false);
    ResetDiceForTurn();
    table_.setPlayerName(s_.PlayerName(s_.CurrentPlayer));
    ShowPlayerCard(s_.CurrentPlayer);
    table_.setTimer(TableTimer::Next, false);
}

void mdlLogic::ResetDiceForTurn() {
    s_.RollCount = 0;
    table_.setRollCount("0");
    for (int i = 1; i <= DiceCount; ++i) {
        s_.Dice(i) = 0;
        table_.setKeptDiePicture(i, "");
        table_.setRollingDiePicture(i, file::DieFace[6]);
        table_.setKeptDieEnabled(i, false);
        table_.setRollingDieEnabled(i, false);
        s_.DieKept(i) = false;
    }
    for (int c = 1; c <= Columns; ++c) {
        table_.setChipPicture(c, "");
        table_.setChipTotal(c, "");
    }
}

void mdlLogic::ClearScoreCard() {
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Columns; ++c) table_.setBoxCaption(c, r, "");
    for (int box = 1; box <= BonusBoxes; ++box)
        for (int c = 1; c <= Columns; ++c) table_.setBonusCaption(c, box, "");
}

void mdlLogic::ShowBox(int player, int row, int column) {
    table_.setBoxCaption(column, row, std::to_string(s_.Score(player, row, column)));
}

void mdlLogic::ShowColumn(int player, int column) {
    for (int r = 1; r <= Rows; ++r)
        if (s_.Used(player, r, column)) ShowBox(player, r, column);
}

void mdlLogic::ShowPlayerCard(int player) {
    const int p = player;
    ClearScoreCard();
    s_.PentaroShowing = false;  // a five of a kind never carries over

    auto showBonusBoxes = [&](int c) {
        // A given-up box 1 shows its 0; boxes 2 and 3 only when they hold points.
        if (s_.BonusUsed(p, 1, c))
            table_.setBonusCaption(c, 1, std::to_string(s_.BonusScore(p, 1, c)));
        for (int box = 2; box <= BonusBoxes; ++box)
            if (s_.BonusScore(p, box, c) > 0 && s_.BonusUsed(p, box, c))
                table_.setBonusCaption(c, box, std::to_string(s_.BonusScore(p, box, c)));
    };

    ShowColumn(p, 1);
    showBonusBoxes(1);
    for (int c = 1; c <= Columns; ++c) {
        if (s_.ChipCount(p, c) > 0) {
            table_.setChipPicture(c, file::Chip[c]);
            table_.setChipTotal(c, std::to_string(s_.ChipCount(p, c)));
        }
    }
    if (s_.GameType == 1) {
        ShowColumn(p, 2);
        ShowColumn(p, 3);
        showBonusBoxes(2);
        showBonusBoxes(3);
    }
}

void mdlLogic::FinishGame() {
    if (gameOverHook_) gameOverHook_();
    for (int p = 1; p <= s_.NumPlayers; ++p) {
        if (s_.GameType != 2) {
            for (int c = 1; c <= Columns; ++c) {
                s_.ColumnScore(p, c) = to16(s_.Score(p, row::Score, c) * c);
                s_.ColumnFinal(p, c) = to16(s_.ChipCount(p, c) * 100 * c + s_.ColumnScore(p, c));
                s_.GrandTotal(p) = to16(s_.GrandTotal(p) + s_.ColumnFinal(p, c));
            }
        } else {
            s_.ColumnScore(p, 1) = s_.Score(p, row::Score, 1);
            s_.ColumnFinal(p, 1) = to16(s_.ChipCount(p, 1) * 100 + s_.ColumnScore(p, 1));
            s_.GrandTotal(p) = s_.ColumnFinal(p, 1);
        }
        if (!highScoreGate_ || highScoreGate_(p)) RecordHighScore(p, s_.GrandTotal(p));
    }
    s_.Winner = 1;
    for (int p = 2; p <= s_.NumPlayers; ++p)
        if (s_.GrandTotal(p) > s_.GrandTotal(s_.Winner)) s_.Winner = to16(p);
    s_.TurnPassing = true;
    table_.setTimer(TableTimer::EndGame, true);
}

}  // namespace rp
