// The five-of-a-kind boxes, chips, and the totals of a column.

#include <gtest/gtest.h>

#include "Rig.h"

using namespace rp;
using namespace rp::test;

TEST(BonusBoxes, FiftyThenHundredsWithChipsOfTheirOwnColumn) {
    Rig rig;
    rig.newGame(1, 1);
    rig.roll({3, 3, 3, 3, 3});
    ASSERT_TRUE(rig.logic.BonusBoxClick(2, 1));
    EXPECT_EQ(rig.table.bonusAt(2, 1), "50");
    EXPECT_FALSE(rig.state.PentaroShowing);
    EXPECT_FALSE(rig.table.cardEnabled);

    rig.roll({3, 3, 3, 3, 3});
    ASSERT_TRUE(rig.logic.BonusBoxClick(2, 2));
    EXPECT_EQ(rig.table.bonusAt(2, 2), "100");
    // The single player's card is shown again at once, chip included.
    EXPECT_EQ(rig.table.chipPicture[2], "200chip.gif");
    EXPECT_EQ(rig.table.chipTotal[2], "1");
    EXPECT_EQ(rig.table.chipPicture[1], "");
    EXPECT_EQ(rig.table.chipTotal[1], "");

    rig.roll({6, 6, 6, 6, 6});
    ASSERT_TRUE(rig.logic.BonusBoxClick(2, 3));
    EXPECT_EQ(rig.state.ChipCount(1, 2), 2);
    EXPECT_EQ(rig.table.chipTotal[2], "2");
    // Every box of the row is used now.
    rig.roll({6, 6, 6, 6, 6});
    EXPECT_FALSE(rig.logic.BonusBoxClick(2, 3));
    EXPECT_EQ(rig.services.lastSound(), "nolabel.wav");
}

TEST(BonusBoxes, OutOfOrderOrWithoutFiveOfAKindOnlyPops) {
    Rig rig;
    rig.newGame(1, 1);
    rig.roll({1, 2, 3, 4, 6});
    EXPECT_FALSE(rig.logic.BonusBoxClick(1, 2));
    EXPECT_EQ(rig.services.lastSound(), "pop.wav");
    EXPECT_EQ(rig.state.ActiveColumn, 1);
    rig.roll({5, 5, 5, 5, 5});
    EXPECT_FALSE(rig.logic.BonusBoxClick(1, 3));  // box 1 still open
    EXPECT_FALSE(rig.logic.BonusBoxClick(1, 2));
    EXPECT_TRUE(rig.table.cardEnabled);
    EXPECT_TRUE(rig.state.PentaroShowing);
    EXPECT_EQ(rig.logic.ScoreSecondBonusBox(1, 1), 100);  // the procedure itself does not check the order
    EXPECT_EQ(rig.logic.ScoreThirdBonusBox(1, 1), 0);     // nothing showing any more
    EXPECT_EQ(rig.state.ChipCount(1, 1), 1);
}

TEST(BonusBoxes, GivingUpClosesTheRowAndShowsAFinalLowerTotal) {
    Rig rig;
    rig.newGame(1, 2);
    auto& s = rig.state;
    for (int r : {10, 11, 12, 13, 14, 16}) {
        s.Used(1, r, 1) = true;
        s.Score(1, r, 1) = 5;
    }
    rig.roll({1, 2, 3, 4, 6});
    ASSERT_TRUE(rig.logic.BonusBoxClick(1, 1));
    EXPECT_EQ(rig.table.bonusAt(1, 1), "0");
    EXPECT_EQ(rig.table.bonusAt(1, 2), "");
    EXPECT_EQ(rig.table.at(1, row::LowerTotal), "30");
    EXPECT_EQ(rig.table.at(1, row::LowerTotal2), "30");
    rig.roll({6, 6, 6, 6, 6});
    EXPECT_FALSE(rig.logic.BonusBoxClick(1, 2));
    EXPECT_EQ(rig.services.lastSound(), "nolabel.wav");
    EXPECT_FALSE(rig.logic.BonusBoxClick(2, 1));  // closed in the one-column game
}

TEST(ColumnTotals, WorkedExample) {
    Rig rig;
    rig.newGame(1, 1);
    auto& s = rig.state;
    const int upper[] = {3, 8, 12, 16, 15, 18};
    const int lower[] = {25, 24, 25, 30, 40};
    for (int r = 1; r <= 5; ++r) {
        s.Used(1, r, 2) = true;
        s.Score(1, r, 2) = static_cast<Int16>(upper[r - 1]);
    }
    for (int r = 10; r <= 14; ++r) {
        s.Used(1, r, 2) = true;
        s.Score(1, r, 2) = static_cast<Int16>(lower[r - 10]);
    }
    s.Used(1, row::Chance, 2) = true;
    s.Score(1, row::Chance, 2) = 22;
    s.BonusUsed(1, 1, 2) = s.BonusUsed(1, 2, 2) = true;
    s.BonusScore(1, 1, 2) = 50;
    s.BonusScore(1, 2, 2) = 100;
    s.ChipCount(1, 2) = 1;
    rig.roll({6, 6, 6, 1, 2});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(2, 6));
    EXPECT_TRUE(s.ColumnDone(1, 2));
    EXPECT_FALSE(rig.logic.IsPlayerFinished(1));
    EXPECT_TRUE(s.BonusUsed(1, 3, 2));  // closed with the column
    EXPECT_EQ(s.Score(1, row::SubTotal, 2), 72);
    EXPECT_EQ(s.Score(1, row::UpperTotal2, 2), 107);
    EXPECT_EQ(s.Score(1, row::LowerTotal, 2), 316);
    EXPECT_EQ(s.Score(1, row::Score, 2), 423);
    EXPECT_EQ(rig.table.at(2, row::Score), "423");
    EXPECT_EQ(rig.table.bonusAt(2, 3), "");
    EXPECT_EQ(s.ActiveColumn, 0);
}

TEST(ColumnTotals, ColumnWaitsForItsFiftyBox) {
    Rig rig;
    rig.newGame(1, 2);
    auto& s = rig.state;
    for (int r = 1; r <= 16; ++r) s.Used(1, r, 1) = r != row::Chance;
    rig.roll({1, 1, 2, 2, 3});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::Chance));
    EXPECT_FALSE(s.ColumnDone(1, 1));
    EXPECT_EQ(rig.table.at(1, row::Score), "");
    rig.roll({1, 1, 2, 2, 3});
    ASSERT_TRUE(rig.logic.BonusBoxClick(1, 1));
    // A one-column game closes all three columns at once: the game is over.
    EXPECT_TRUE(s.ColumnDone(1, 1) && s.ColumnDone(1, 2) && s.ColumnDone(1, 3));
    EXPECT_TRUE(rig.logic.IsGameOver());
    EXPECT_EQ(rig.table.at(1, row::LowerTotal), "9");
    EXPECT_EQ(rig.table.at(1, row::Score), "9");
}
