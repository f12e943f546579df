// The table's pauses and the five-of-a-kind check while dice are in the air.

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

TEST(TablePauses, NothingRollsOrMovesWhileTheTurnPasses) {
    Rig rig;
    rig.newGame(2, 2);
    rig.roll({1, 2, 3, 4, 6});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, 16));
    ASSERT_TRUE(rig.table.nextVisible);
    rig.services.sounds.clear();

    rig.logic.RollButtonMouseDown();
    rig.logic.RollButtonMouseUp();
    rig.logic.RollingDiceClick(1);
    EXPECT_FALSE(rig.logic.DiceTumbling());
    EXPECT_FALSE(rig.state.DieKept(1));
    EXPECT_FALSE(rig.table.timerOn(TableTimer::RollPause));
    EXPECT_EQ(rig.services.sounds, std::vector<std::string>{"button.wav"});  // a dead press clicks

    rig.passTurn();
    rig.roll({5, 5, 1, 2, 3});
    EXPECT_EQ(rig.state.RollCount, 1);
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
