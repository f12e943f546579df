// Passing the turn, the end of the game, and the start of a new one.

#include <gtest/gtest.h>

#include "Rig.h"

using namespace rp;
using namespace rp::test;

namespace {
// Fills every box of the player's used columns but the chance box of column 1.
void almostFinish(Rig& rig, int p) {
    auto& s = rig.state;
    const int columns = s.GameType == 2 ? 1 : 3;
    for (int c = 1; c <= columns; ++c) {
        for (int r = 1; r <= 16; ++r) s.Used(p, r, c) = !(c == 1 && r == row::Chance);
        s.BonusUsed(p, 1, c) = true;
        if (c > 1) s.ColumnDone(p, c) = true;
    }
}

void finish(Rig& rig, int p) {
    almostFinish(rig, p);
    rig.state.Used(p, row::Chance, 1) = true;
    for (int c = 1; c <= 3; ++c) rig.state.ColumnDone(p, c) = true;
}
}  // namespace

TEST(Turns, SinglePlayerGoesOnAtOnce) {
    Rig rig;
    rig.newGame(1, 1);
    rig.roll({1, 2, 3, 4, 5});
    rig.logic.RollingDiceClick(3);
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::LargeStraight));
    EXPECT_FALSE(rig.table.nextVisible);
    EXPECT_FALSE(rig.table.timerOn(TableTimer::Next));
    EXPECT_EQ(rig.table.rollCount, "0");
    EXPECT_EQ(rig.table.rolling[3], "die6.gif");
    EXPECT_EQ(rig.table.kept[3], "");
    EXPECT_FALSE(rig.table.rollingEnabled[3]);
    EXPECT_FALSE(rig.state.DieKept(3));
    EXPECT_EQ(rig.table.at(1, row::LargeStraight), "40");
    EXPECT_EQ(rig.table.at(1, row::Pentaro), "0");
    EXPECT_EQ(rig.table.at(2, row::Pentaro), "0");
}

TEST(Turns, TwoPlayersPauseThenSwap) {
    Rig rig;
    rig.newGame(2, 2);
    rig.roll({1, 1, 1, 1, 2});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, 1));
    EXPECT_EQ(rig.state.CurrentPlayer, 2);
    EXPECT_TRUE(rig.table.nextVisible);
    // During the pause the finished turn stays on the table.
    EXPECT_EQ(rig.table.playerName, "P1");
    EXPECT_EQ(rig.table.at(1, 1), "4");
    rig.passTurn();
    EXPECT_FALSE(rig.table.nextVisible);
    EXPECT_FALSE(rig.table.timerOn(TableTimer::Next));
    EXPECT_EQ(rig.table.playerName, "P2");
    EXPECT_EQ(rig.table.at(1, 1), "");
    EXPECT_EQ(rig.table.at(1, row::Pentaro), "0");
}

TEST(Turns, FinishedPlayersAreSkipped) {
    Rig rig;
    rig.newGame(4, 2);
    finish(rig, 2);
    finish(rig, 3);
    rig.roll({1, 2, 3, 4, 6});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::SmallStraight));
    EXPECT_EQ(rig.state.CurrentPlayer, 4);
    rig.passTurn();
    rig.roll({1, 2, 3, 4, 6});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::SmallStraight));
    EXPECT_EQ(rig.state.CurrentPlayer, 1);
}

TEST(Turns, LastOpenPlayerPlaysAgainWithThePause) {
    Rig rig;
    rig.newGame(2, 1);
    finish(rig, 2);
    rig.roll({1, 2, 3, 4, 6});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(3, row::SmallStraight));
    EXPECT_EQ(rig.state.CurrentPlayer, 1);
    EXPECT_TRUE(rig.table.nextVisible);
    rig.passTurn();
    EXPECT_EQ(rig.table.playerName, "P1");
}

TEST(Turns, UnusedFiveOfAKindIsForgottenAtTheNextTurn) {
    Rig rig;
    rig.newGame(2, 1);
    rig.roll({2, 2, 2, 2, 2});
    ASSERT_TRUE(rig.state.PentaroShowing);
    rig.state.BonusUsed(1, 1, 1) = rig.state.BonusUsed(1, 1, 2) = rig.state.BonusUsed(1, 1, 3) = true;
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, 2));
    rig.passTurn();
    EXPECT_FALSE(rig.state.PentaroShowing);
}

TEST(EndOfGame, TotalsHighScoresAndWinner) {
    Rig rig;
    rig.logic.LoadSettings();
    rig.newGame(2, 1);
    auto& s = rig.state;
    // The worked example: row 20 of 250, 300, 200 with 1, 0, 2 chips.
    for (int p = 1; p <= 2; ++p) {
        const int scores[] = {250, 300, 200};
        for (int c = 1; c <= 3; ++c) s.Score(p, row::Score, c) = static_cast<Int16>(scores[c - 1]);
    }
    s.ChipCount(1, 1) = 1;
    s.ChipCount(1, 3) = 2;
    s.ChipCount(2, 1) = 1;
    s.ChipCount(2, 3) = 2;
    finish(rig, 2);
    almostFinish(rig, 1);
    s.Score(1, row::UpperTotal2, 1) = 0;
    rig.roll({1, 1, 1, 1, 1});
    // The five of a kind as a joker in chance: 50-point boxes all closed with 0.
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::Chance));
    // Column 1 of player 1 was recomputed from its boxes: 5 in chance.
    EXPECT_EQ(s.Score(1, row::Score, 1), 5);
    EXPECT_EQ(s.ColumnFinal(1, 1), 105);
    EXPECT_EQ(s.ColumnScore(2, 2), 600);
    EXPECT_EQ(s.ColumnFinal(2, 3), 1200);
    EXPECT_EQ(s.GrandTotal(2), 2150);
    EXPECT_EQ(s.GrandTotal(1), 105 + 600 + 1200);
    EXPECT_EQ(s.Winner, 2);
    EXPECT_TRUE(s.NewHighScore);
    EXPECT_EQ(s.AScore(1), 2150);
    EXPECT_EQ(s.AName(2), "P1");
    EXPECT_FALSE(rig.table.nextVisible);
    EXPECT_TRUE(rig.table.timerOn(TableTimer::EndGame));
}

TEST(EndOfGame, TieGoesToTheLowerPlayerInWinAndTable) {
    Rig rig;
    rig.logic.LoadSettings();
    rig.newGame(2, 2);
    auto& s = rig.state;
    s.Score(1, row::Score, 1) = s.Score(2, row::Score, 1) = 200;
    finish(rig, 1);
    finish(rig, 2);
    rig.logic.FinishGame();
    EXPECT_EQ(s.Winner, 1);
    EXPECT_EQ(s.BName(1), "P1");
    EXPECT_EQ(s.BName(2), "P2");
    EXPECT_EQ(s.AName(1), "Vessa");  // a one-column game leaves table A alone
}

TEST(NewGame, LeavesNoTraceOfTheOldGame) {
    Rig rig;
    rig.newGame(3, 1);
    rig.roll({4, 4, 4, 4, 4});
    ASSERT_TRUE(rig.logic.BonusBoxClick(1, 1));
    rig.passTurn();
    rig.roll({4, 4, 4, 4, 4});  // abandoned with a five of a kind showing
    ASSERT_TRUE(rig.state.PentaroShowing);

    rig.newGame(2, 2);
    auto& s = rig.state;
    EXPECT_FALSE(s.PentaroShowing);
    EXPECT_EQ(s.CurrentPlayer, 1);
    EXPECT_EQ(rig.table.playerName, "P1");
    EXPECT_EQ(s.RollCount, 0);
    EXPECT_FALSE(rig.table.cardEnabled);
    for (int p = 1; p <= MaxPlayers; ++p)
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(s.ChipCount(p, c), 0);
            EXPECT_EQ(s.BonusScore(p, 1, c), 0);
            for (int r = 1; r <= 20; ++r)
                EXPECT_EQ(s.Used(p, r, c), r == row::Pentaro) << p << r << c;
        }
    for (int p = 1; p <= 2; ++p) {
        EXPECT_FALSE(s.ColumnDone(p, 1));
        EXPECT_TRUE(s.ColumnDone(p, 2) && s.ColumnDone(p, 3));
        EXPECT_TRUE(s.BonusUsed(p, 1, 2) && s.BonusUsed(p, 3, 3));
        EXPECT_FALSE(s.BonusUsed(p, 1, 1));
    }
    EXPECT_EQ(rig.table.bonusAt(1, 1), "");
    EXPECT_EQ(rig.table.at(1, row::Pentaro), "0");
    EXPECT_EQ(rig.table.rolling[1], "die6.gif");
    // Nothing can be entered before the first roll.
    EXPECT_FALSE(rig.logic.ScoreBoxClick(1, 1));
    rig.logic.RollingDiceClick(1);
    EXPECT_FALSE(s.DieKept(1));
}
