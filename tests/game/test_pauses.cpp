// The five-of-a-kind check while dice are in the air, and the pauses that
// no roll may cross. (The next-player pause is played on the table's tests.)

#include <gtest/gtest.h>

#include "Rig.h"

namespace rp::test {

TEST(TablePauses, FiveOfAKindCountsOnlyOnceTheWholeRollHasLanded) {
    Rig rig;
    rig.newGame(1, 2);
    rig.roll({2, 3, 3, 3, 3});
    for (int d = 2; d <= 4; ++d) rig.logic.RollingDiceClick(d);
    // Die 1 lands on 3 while die 5 still shows its old 3, then die 5 lands on 6.
    rig.roll({3, 6});
    EXPECT_EQ(rig.services.celebrations, 0);
    EXPECT_FALSE(rig.state.PentaroShowing);
    EXPECT_FALSE(rig.logic.BonusBoxClick(1, 1) && rig.table.bonusAt(1, 1) == "50");
}

TEST(TablePauses, TheEndOfGamePauseBlocksRollingAndANewGameCancelsIt) {
    Rig rig;
    rig.newGame(1, 2);
    for (int r : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16}) {
        rig.roll({1, 2, 3, 4, 6});
        ASSERT_TRUE(rig.logic.ScoreBoxClick(1, r));
    }
    rig.roll({1, 2, 3, 4, 6});
    ASSERT_TRUE(rig.logic.BonusBoxClick(1, 1));  // given up: the card is complete
    ASSERT_TRUE(rig.table.timerOn(TableTimer::EndGame));
    rig.logic.RollButtonMouseUp();
    EXPECT_FALSE(rig.logic.DiceTumbling());

    // Abandoned mid-roll of a new turn: its timers must not reach the next game.
    rig.newGame(1, 2);
    rig.script = {4, 4, 4, 4, 4};
    rig.logic.RollButtonMouseUp();
    rig.newGame(1, 2);
    EXPECT_FALSE(rig.logic.DiceTumbling());
    EXPECT_TRUE(rig.table.timers.empty());
    EXPECT_TRUE(rig.table.animators.empty());
}

}  // namespace rp::test
