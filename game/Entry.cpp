// What a click on a box of the card decides: refuse it, or enter the dice
// and end the turn.

#include <string>

#include "Logic.h"
#include "Texts.h"

namespace rp {

void mdlLogic::ShowEarlyLowerTotal(int player, int column) {
    const Int16 total = CompleteLowerTotal(player, column);
    if (total < 0) return;
    table_.setBoxCaption(column, row::LowerTotal, std::to_string(total));
    table_.setBoxCaption(column, row::LowerTotal2, std::to_string(total));
}

bool mdlLogic::ScoreBoxOpen(int column, int row) const {
    const int p = s_.CurrentPlayer;
    return p >= 1 && s_.RollCount >= 1 && !(column > 1 && s_.GameType == 2) && !s_.Used(p, row, column) &&
           row != row::SubTotal && row != row::UpperBonus && row != row::UpperTotal && row <= row::Chance;
}

Int16 mdlLogic::EnterScoreBox(int column, int row) {
    const int p = s_.CurrentPlayer;
    s_.ActiveColumn = to16(column);
    switch (row) {
        case row::ThreeOfAKind: return ScoreThreeOfAKind(p, column);
        case row::FourOfAKind: return ScoreFourOfAKind(p, column);
        case row::FullHouse: return ScoreFullHouse(p, column);
        case row::SmallStraight: return ScoreSmallStraight(p, column);
        case row::LargeStraight: return ScoreLargeStraight(p, column);
        case row::Chance: return ScoreChance(p, column);
        default: return ScoreUpperBox(p, row, column);
    }
}

bool mdlLogic::BonusBoxOpen(int column, int box) const {
    return s_.CurrentPlayer >= 1 && !s_.BonusUsed(s_.CurrentPlayer, box, column) &&
           !(column > 1 && s_.GameType == 2);
}

bool mdlLogic::BonusBoxReady(int column, int box) const {
    const int p = s_.CurrentPlayer;
    return box == 1 || (s_.PentaroShowing && s_.BonusUsed(p, 1, column) && (box == 2 || s_.BonusUsed(p, 2, column)));
}

bool mdlLogic::ScoreBoxClick(int column, int row) {
    // Slow timers could open the card before the last die has landed; the
    // dice are not final yet, so the click is not taken. Before the first
    // game there is no card to enter at all.
    if (DiceTumbling() || s_.CurrentPlayer < 1) return false;
    const int p = s_.CurrentPlayer;
    if (!ScoreBoxOpen(column, row)) {
        Play(file::NoLabelSound);
        return false;
    }
    const Int16 value = EnterScoreBox(column, row);
    if (value == -1) return false;  // the gate has explained itself

    table_.setBoxCaption(column, row, std::to_string(value));
    Play(file::PopSound);
    if (row >= row::ThreeOfAKind) ShowEarlyLowerTotal(p, column);
    EndTurn();
    table_.setCardEnabled(false);
    return true;
}

bool mdlLogic::BonusBoxClick(int column, int box) {
    if (DiceTumbling() || s_.CurrentPlayer < 1) return false;
    const int p = s_.CurrentPlayer;
    if (!BonusBoxOpen(column, box)) {
        Play(file::NoLabelSound);
        return false;
    }
    s_.ActiveColumn = to16(column);
    Play(file::PopSound);

    if (box == 1) {
        // Without a five of a kind the click gives the box up, closing the row.
        const bool givingUp = !s_.PentaroShowing;
        table_.setBonusCaption(column, 1, std::to_string(ScoreFirstBonusBox(p, column)));
        if (givingUp) ShowEarlyLowerTotal(p, column);
    } else {
        // Boxes 2 and 3 are taken in order, and only with a five of a kind.
        if (!BonusBoxReady(column, box)) return false;
        const Int16 value =
            box == 2 ? ScoreSecondBonusBox(p, column) : ScoreThirdBonusBox(p, column);
        table_.setBonusCaption(column, box, std::to_string(value));
    }
    EndTurn();
    table_.setCardEnabled(false);
    return true;
}

}  // namespace rp
