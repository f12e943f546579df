#pragma once
// The value of each box of the card for five dice, before any joker rule.

#include "GameState.h"

namespace rp::category {

using DiceArray = Array1<Int16, DiceCount>;

Int16 upper(const DiceArray& dice, int face);  // face x dice showing it
Int16 threeOfAKind(const DiceArray& dice);
Int16 fourOfAKind(const DiceArray& dice);
Int16 fullHouse(const DiceArray& dice);
Int16 smallStraight(const DiceArray& dice);
Int16 largeStraight(const DiceArray& dice);
Int16 chance(const DiceArray& dice);

}  // namespace rp::category
