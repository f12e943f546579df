#include "Categories.h"

namespace rp::category {

namespace {

int countOf(const DiceArray& dice, int face) {
    int n = 0;
    for (int i = 1; i <= DiceCount; ++i)
        if (dice(i) == face) ++n;
    return n;
}

bool shows(const DiceArray& dice, int face) { return countOf(dice, face) > 0; }

bool showsRun(const DiceArray& dice, int first, int length) {
    for (int face = first; face < first + length; ++face)
        if (!shows(dice, face)) return false;
    return true;
}

Int16 sumIfAtLeast(const DiceArray& dice, int needed) {
    for (int face = 1; face <= 6; ++face)
        if (countOf(dice, face) >= needed) return chance(dice);
    return 0;
}

}  // namespace

Int16 upper(const DiceArray& dice, int face) { return to16(face * countOf(dice, face)); }

Int16 threeOfAKind(const DiceArray& dice) { return sumIfAtLeast(dice, 3); }

Int16 fourOfAKind(const DiceArray& dice) { return sumIfAtLeast(dice, 4); }

// Three of one value and two of another; five alike is not a full house
// outside a joker entry.
Int16 fullHouse(const DiceArray& dice) {
    for (int face = 1; face <= 6; ++face) {
        if (countOf(dice, face) < 3) continue;
        int first = 0;
        for (int i = 1; i <= DiceCount && first == 0; ++i)
            if (dice(i) != face) first = i;
        if (first == 0) continue;  // all five alike: try the next value
        for (int i = first + 1; i <= DiceCount; ++i)
            if (dice(i) != face && dice(i) == dice(first)) return 25;
        return 0;
    }
    return 0;
}

Int16 smallStraight(const DiceArray& dice) {
    for (int first = 1; first <= 3; ++first)
        if (showsRun(dice, first, 4)) return 30;
    return 0;
}

Int16 largeStraight(const DiceArray& dice) {
    return (showsRun(dice, 1, 5) || showsRun(dice, 2, 5)) ? 40 : 0;
}

Int16 chance(const DiceArray& dice) {
    int sum = 0;
    for (int i = 1; i <= DiceCount; ++i) sum += dice(i);
    return to16(sum);
}

}  // namespace rp::category
