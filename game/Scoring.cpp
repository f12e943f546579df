// Entering the dice into the boxes of the card, behind the joker gate.

#include <string>

#include "Categories.h"
#include "Logic.h"
#include "Texts.h"

namespace rp {

Int16 mdlLogic::ScoreUpperBox(int player, int row, int column) {
    if (JokerGate(Section::Upper, player, column) == Gate::Refused) return -1;

    const Int16 value = category::upper(s_.Dice, row);
    s_.Used(player, row, column) = true;
    s_.Score(player, row, column) = value;

    int sum = 0;
    for (int r = 1; r <= row::Sixes; ++r) {
        if (!s_.Used(player, r, column)) return value;
        sum += s_.Score(player, r, column);
    }
    // The entry that fills the last upper box writes the upper totals.
    const Int16 bonus = sum > 62 ? 35 : 0;
    s_.Score(player, row::SubTotal, column) = to16(sum);
    s_.Score(player, row::UpperBonus, column) = bonus;
    s_.Score(player, row::UpperTotal, column) = to16(sum + bonus);
    s_.Score(player, row::UpperTotal2, column) = to16(sum + bonus);
    for (int r : {row::SubTotal, row::UpperBonus, row::UpperTotal, row::UpperTotal2}) {
        s_.Used(player, r, column) = true;
        ShowBox(player, r, column);
    }
    return value;
}

Int16 mdlLogic::ScoreLowerBox(int player, int column, int row, Int16 patternValue,
                              Int16 jokerValue) {
    const Gate gate = JokerGate(Section::Lower, player, column);
    if (gate == Gate::Refused) return -1;
    const Int16 value = gate == Gate::Admitted ? jokerValue : patternValue;
    s_.Score(player, row, column) = value;
    s_.Used(player, row, column) = true;
    return value;
}

Int16 mdlLogic::ScoreThreeOfAKind(int player, int column) {
    return ScoreLowerBox(player, column, row::ThreeOfAKind, category::threeOfAKind(s_.Dice),
                         category::chance(s_.Dice));
}

Int16 mdlLogic::ScoreFourOfAKind(int player, int column) {
    return ScoreLowerBox(player, column, row::FourOfAKind, category::fourOfAKind(s_.Dice),
                         category::chance(s_.Dice));
}

Int16 mdlLogic::ScoreFullHouse(int player, int column) {
    return ScoreLowerBox(player, column, row::FullHouse, category::fullHouse(s_.Dice), 25);
}

Int16 mdlLogic::ScoreSmallStraight(int player, int column) {
    return ScoreLowerBox(player, column, row::SmallStraight, category::smallStraight(s_.Dice), 30);
}

Int16 mdlLogic::ScoreLargeStraight(int player, int column) {
    return ScoreLowerBox(player, column, row::LargeStraight, category::largeStraight(s_.Dice), 40);
}

Int16 mdlLogic::ScoreChance(int player, int column) {
    const Int16 sum = category::chance(s_.Dice);
    return ScoreLowerBox(player, column, row::Chance, sum, sum);
}

}  // namespace rp
