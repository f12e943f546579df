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

bool mdlLogic::ScoreBoxClick(int column, int row) {
    // Slow timers could open the card before the last die has landed; the
    // dice are not final yet, so the click is not taken. Before the first
    // game there is no card to enter at all.
    if (DiceTumbling() || s_.CurrentPlayer < 1) return false;
    const int p = s_.CurrentPlayer;
    const bool open = s_.RollCount >= 1 && !(column > 1 && s_.GameType == 2) &&
                      !s_.Used(p, row, column) && row != row::SubTotal &&
                      row != row::UpperBonus && row != row::UpperTotal && row <= row::Chance;
    if (!open) {
        Play(file::NoLabelSound);
        return false;
    }
    s_.ActiveColumn = to16(column);

    Int16 value = -1;
    switch (row) {
        case row::ThreeOfAKind: value = ScoreThreeOfAKind(p, column); break;
        case row::FourOfAKind: value = ScoreFourOfAKind(p, column); break;
        case row::FullHouse: value = ScoreFullHouse(p, column); break;
        case row::SmallStraight: value = ScoreSmallStraight(p, column); break;
        case row::LargeStraight: value = ScoreLargeStraight(p, column); break;
        case row::Chance: value = ScoreChance(p, column); break;
        default: value = ScoreUpperBox(p, row, column); break;
    }
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
    if (s_.BonusUsed(p, box, column) || (column > 1 && s_.GameType == 2)) {
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
        const bool ready = s_.PentaroShowing && s_.BonusUsed(p, 1, column) &&
                           (box == 2 || s_.BonusUsed(p, 2, column));
        if (!ready) return false;
        const Int16 value =
            box == 2 ? ScoreSecondBonusBox(p, column) : ScoreThirdBonusBox(p, column);
        table_.setBonusCaption(column, box, std::to_string(value));
    }
    EndTurn();
    table_.setCardEnabled(false);
    return true;
}

}  // namespace rp
