// Passing the turn, the end of the game, and the start of a new one.

#include <gtest/gtest.h>

#include "Rig.h"

using namespace rp;
using namespace rp::test;

namespace {
// Fills every box of player p's columns, or all but the chance box of
// column 1 when that is left for a final entry.
void finish(Rig& rig, int p, bool leaveChance = false) {
    auto& s = rig.state;
    for (int c = 1; c <= (s.GameType == 2 ? 1 : 3); ++c) {
        for (int r = 1; r <= 16; ++r) s.Used(p, r, c) = !(leaveChance && c == 1 && r == row::Chance);
        s.BonusUsed(p, 1, c) = true;
    }
    for (int c = 1; c <= 3; ++c) s.ColumnDone(p, c) = !leaveChance || c > 1;
}
}  // namespace

// Four players, two already finished: the turn passes over them after the
// pause, and the last open player plays on alone, still with the pause.
TEST(Turns, PauseThenTheNextOpenPlayer) {
    Rig rig;
    rig.newGame(4, 2);
    finish(rig, 2);
    finish(rig, 3);
    rig.state.BonusUsed(1, 1, 1) = true;  // the 50-point box given up
    rig.roll({2, 2, 2, 2, 2});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, 2));
    EXPECT_EQ(rig.state.CurrentPlayer, 4);
    EXPECT_TRUE(rig.table.nextVisible);
    // During the pause the finished turn stays on the table.
    EXPECT_EQ(rig.table.playerName, "P1");
    EXPECT_EQ(rig.table.at(1, 2), "10");
    rig.passTurn();
    EXPECT_FALSE(rig.table.nextVisible || rig.table.timerOn(TableTimer::Next));
    EXPECT_FALSE(rig.state.PentaroShowing);  // an unused five of a kind is forgotten
    EXPECT_EQ(rig.table.playerName, "P4");
    EXPECT_EQ(rig.table.at(1, 2), "");
    EXPECT_EQ(rig.table.at(1, row::Pentaro), "0");

    finish(rig, 4, /*leaveChance=*/true);
    rig.roll({1, 2, 3, 4, 6});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::Chance));
    EXPECT_EQ(rig.state.CurrentPlayer, 1);
    rig.passTurn();
    rig.roll({1, 2, 3, 4, 6});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::SmallStraight));
    EXPECT_EQ(rig.state.CurrentPlayer, 1);
    EXPECT_TRUE(rig.table.nextVisible);
    rig.passTurn();
    EXPECT_EQ(rig.table.playerName, "P1");
}

TEST(EndOfGame, WorkedExample) {
    Rig rig;
    rig.logic.LoadSettings();
    rig.newGame(2, 1);
    auto& s = rig.state;
    // Row 20 of 250, 300, 200 with 1, 0, 2 chips.
    const Int16 scores[] = {250, 300, 200};
    for (int p = 1; p <= 2; ++p) {
        for (int c = 1; c <= 3; ++c) s.Score(p, row::Score, c) = scores[c - 1];
        s.ChipCount(p, 1) = 1;
        s.ChipCount(p, 3) = 2;
    }
    finish(rig, 2);
    finish(rig, 1, /*leaveChance=*/true);
    rig.roll({1, 1, 1, 1, 1});
    // A joker in chance: the 50-point boxes are all given up.
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::Chance));
    EXPECT_EQ(s.Score(1, row::Score, 1), 5);  // column 1 recomputed from its boxes
    EXPECT_EQ(s.ColumnFinal(1, 1), 105);
    EXPECT_EQ(s.ColumnScore(2, 2), 600);
    EXPECT_EQ(s.ColumnFinal(2, 3), 1200);
    EXPECT_EQ(s.GrandTotal(2), 2150);
    EXPECT_EQ(s.GrandTotal(1), 105 + 600 + 1200);
    EXPECT_EQ(s.Winner, 2);
    EXPECT_EQ(s.AScore(1), 2150);
    EXPECT_EQ(s.AName(2), "P1");
    EXPECT_FALSE(rig.table.nextVisible);
    EXPECT_TRUE(rig.table.timerOn(TableTimer::EndGame));
}

TEST(NewGame, LeavesNoTraceOfTheOldGame) {
    Rig rig;
    rig.newGame(3, 1);
    rig.roll({4, 4, 4, 4, 4});
    ASSERT_TRUE(rig.logic.BonusBoxClick(1, 1));
    rig.passTurn();
    rig.roll({4, 4, 4, 4, 4});  // abandoned with a five of a kind showing

    rig.newGame(2, 2);
    auto& s = rig.state;
    EXPECT_FALSE(s.PentaroShowing);
    EXPECT_EQ(rig.table.playerName, "P1");
    EXPECT_FALSE(rig.table.cardEnabled);
    for (int p = 1; p <= MaxPlayers; ++p)
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(s.ChipCount(p, c) + s.BonusScore(p, 1, c), 0);
            for (int r = 1; r <= 20; ++r) EXPECT_EQ(s.Used(p, r, c), r == row::Pentaro) << p << r << c;
            const bool closed = p <= 2 && c > 1;  // columns 2 and 3 of a one-column game
            EXPECT_TRUE(s.ColumnDone(p, c) == closed || p > 2);
            EXPECT_TRUE(s.BonusUsed(p, 1, c) == closed || p > 2);
        }
    EXPECT_EQ(rig.table.bonusAt(1, 1), "");
    EXPECT_EQ(rig.table.at(1, row::Pentaro), "0");
    EXPECT_EQ(rig.table.rolling[1], "die6.gif");
    // Nothing can be entered or kept before the first roll.
    EXPECT_FALSE(rig.logic.ScoreBoxClick(1, 1));
    rig.logic.RollingDiceClick(1);
    EXPECT_FALSE(s.DieKept(1));
}
