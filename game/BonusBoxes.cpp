// The three five-of-a-kind boxes of a column: 50, then 100 and a chip twice.

#include "Logic.h"

namespace rp {

Int16 mdlLogic::ScoreFirstBonusBox(int player, int column) {
    if (s_.PentaroShowing) {
        s_.PentaroShowing = false;
        s_.BonusScore(player, 1, column) = 50;
        s_.BonusUsed(player, 1, column) = true;
        return 50;
    }
    // Giving up the 50-point box closes the whole row of the column.
    for (int box = 1; box <= BonusBoxes; ++box) {
        s_.BonusScore(player, box, column) = 0;
        s_.BonusUsed(player, box, column) = true;
    }
    return 0;
}

bool mdlLogic::TakeBonusWithChip(int player, int box, int column) {
    if (!s_.PentaroShowing) return false;
    s_.PentaroShowing = false;
    // Box 3 follows box 2, which has already put the chip picture up.
    AwardChip(player, column, /*showPicture=*/box == 2);
    s_.BonusScore(player, box, column) = 100;
    s_.BonusUsed(player, box, column) = true;
    return true;
}

Int16 mdlLogic::ScoreSecondBonusBox(int player, int column) {
    return TakeBonusWithChip(player, 2, column) ? 100 : 0;
}

Int16 mdlLogic::ScoreThirdBonusBox(int player, int column) {
    return TakeBonusWithChip(player, 3, column) ? 100 : 0;
}

}  // namespace rp
