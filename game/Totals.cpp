// Column totals, completion of a column, of a card and of the game.

#include <string>

#include "Logic.h"

namespace rp {

bool mdlLogic::CheckColumnComplete(int player) {
    const int p = player;
    if (s_.ColumnDone(p, 1) && s_.ColumnDone(p, 2) && s_.ColumnDone(p, 3)) {
        s_.ActiveColumn = 0;
        return true;
    }
    const int c = s_.GameType == 2 ? 1 : s_.ActiveColumn;
    if (c == 0) return false;

    bool complete = s_.BonusUsed(p, 1, c);
    for (int r = 1; r <= row::Chance && complete; ++r) complete = s_.Used(p, r, c);
    if (!complete) {
        s_.ActiveColumn = 0;
        return false;
    }
    if (s_.GameType == 2) {
        for (int k = 1; k <= Columns; ++k) s_.ColumnDone(p, k) = true;
    } else {
        s_.ColumnDone(p, c) = true;
    }
    // Bonus boxes still open now stay empty for good.
    for (int box = 1; box <= BonusBoxes; ++box) s_.BonusUsed(p, box, c) = true;
    s_.ActiveColumn = to16(c);
    UpdateColumnTotals(p);
    s_.ActiveColumn = 0;
    return true;
}

void mdlLogic::UpdateColumnTotals(int player) {
    const int p = player;
    const int c = s_.GameType == 2 ? 1 : s_.ActiveColumn;
    int lower = 0;
    for (int r = row::ThreeOfAKind; r <= row::Chance; ++r) lower += s_.Score(p, r, c);
    for (int box = 1; box <= BonusBoxes; ++box) lower += s_.BonusScore(p, box, c);
    s_.Score(p, row::LowerTotal, c) = to16(lower);
    s_.Score(p, row::LowerTotal2, c) = to16(lower);
    s_.Score(p, row::Score, c) = to16(lower + s_.Score(p, row::UpperTotal2, c));
    for (int r : {row::LowerTotal, row::LowerTotal2, row::Score}) {
        s_.Used(p, r, c) = true;
        ShowBox(p, r, c);
    }
}

bool mdlLogic::IsPlayerFinished(int player) const {
    if (s_.GameType != 1) return s_.ColumnDone(player, 1);
    return s_.ColumnDone(player, 1) && s_.ColumnDone(player, 2) && s_.ColumnDone(player, 3);
}

bool mdlLogic::IsGameOver() const {
    for (int p = 1; p <= s_.NumPlayers; ++p) {
        const int columns = s_.GameType == 2 ? 1 : Columns;
        for (int c = 1; c <= columns; ++c)
            if (!s_.ColumnDone(p, c)) return false;
    }
    return true;
}

// Rows 17 and 19 may be written before the column is complete when nothing
// can change them any more: every lower box is filled and the 50-point box
// was given up.
Int16 mdlLogic::CompleteLowerTotal(int player, int column) {
    int total = 0;
    for (int r : {row::ThreeOfAKind, row::FourOfAKind, row::FullHouse, row::SmallStraight,
                  row::LargeStraight, row::Chance}) {
        if (!s_.Used(player, r, column)) return -1;
        total += s_.Score(player, r, column);
    }
    if (s_.BonusScore(player, 1, column) != 0 || !s_.BonusUsed(player, 1, column)) return -1;
    s_.Score(player, row::LowerTotal, column) = to16(total);
    s_.Score(player, row::LowerTotal2, column) = to16(total);
    s_.Used(player, row::LowerTotal, column) = true;
    s_.Used(player, row::LowerTotal2, column) = true;
    return to16(total);
}

}  // namespace rp
