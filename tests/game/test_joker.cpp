// A five of a kind belongs in the 50-point boxes first; then it is a joker.

#include <gtest/gtest.h>

#include "Rig.h"

using namespace rp;
using namespace rp::test;

namespace {
const std::string UpperThree = "One Pentaro in each\r\ncolumn must be\r\nused first.";
const std::string LowerThree = "Wildcard denied:\r\nAll like numbers not\r\nused in upper section";
const std::string LowerOne = "Wildcard denied:\r\nUpper section\r\nnumber not used";
const std::string UpperOne = "You must use a\r\na Pentaro box\r\nfirst";

void fillFifty(Rig& rig, int column, Int16 value) {
    rig.state.BonusUsed(1, 1, column) = true;
    rig.state.BonusScore(1, 1, column) = value;
}
}  // namespace

TEST(JokerGate, ThreeColumnsNeedEveryFiftyBoxFirst) {
    Rig rig;
    rig.newGame(1, 1);
    fillFifty(rig, 1, 50);
    fillFifty(rig, 2, 50);
    rig.roll({4, 4, 4, 4, 4});
    ASSERT_TRUE(rig.state.PentaroShowing);
    EXPECT_EQ(rig.services.celebrations, 1);

    EXPECT_FALSE(rig.logic.ScoreBoxClick(1, 4));
    EXPECT_EQ(rig.state.ActiveColumn, 1);  // set before the gate refused
    EXPECT_FALSE(rig.logic.ScoreBoxClick(2, row::FullHouse));
    ASSERT_EQ(rig.services.messages, (std::vector<std::string>{UpperThree, LowerThree}));
    EXPECT_EQ(rig.services.lastSound(), "error.wav");
    EXPECT_TRUE(rig.state.PentaroShowing);
    EXPECT_FALSE(rig.state.Used(1, 4, 1));
    EXPECT_EQ(rig.table.at(1, 4), "");
    EXPECT_EQ(rig.state.ChipCount(1, 1), 0);
    EXPECT_TRUE(rig.table.cardEnabled);  // the turn goes on

    // The open 50-point box takes it.
    ASSERT_TRUE(rig.logic.BonusBoxClick(3, 1));
    EXPECT_EQ(rig.table.bonusAt(3, 1), "50");
}

TEST(JokerGate, OneColumnGameUsesColumnOneOnly) {
    Rig rig;
    rig.newGame(1, 2);
    fillFifty(rig, 1, 50);
    rig.roll({4, 4, 4, 4, 4});
    EXPECT_FALSE(rig.logic.ScoreBoxClick(1, row::Chance));
    EXPECT_EQ(rig.services.messages.back(), LowerOne);
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, 4));
    EXPECT_EQ(rig.table.at(1, 4), "20");
    EXPECT_EQ(rig.state.ChipCount(1, 1), 1);
    EXPECT_EQ(rig.table.chipTotal[1], "1");
    EXPECT_EQ(rig.table.chipPicture[1], "100chip.gif");
}

TEST(JokerGate, OneColumnUpperRefusalHasItsOwnWords) {
    Rig rig;
    rig.newGame(1, 2);
    rig.roll({2, 2, 2, 2, 2});
    EXPECT_FALSE(rig.logic.ScoreBoxClick(1, 2));
    EXPECT_EQ(rig.services.messages.back(), UpperOne);
}

TEST(JokerGate, LowerJokerTakesFullValueAndUsesTheFiveOfAKind) {
    Rig rig;
    rig.newGame(1, 2);
    fillFifty(rig, 1, 50);
    rig.state.Used(1, 4, 1) = true;
    rig.state.Score(1, 4, 1) = 12;
    rig.roll({4, 4, 4, 4, 4});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::LargeStraight));
    EXPECT_EQ(rig.state.Score(1, row::LargeStraight, 1), 40);
    EXPECT_FALSE(rig.state.PentaroShowing);
    EXPECT_EQ(rig.state.ChipCount(1, 1), 1);
}

TEST(JokerGate, GivenUpFiftyBoxAdmitsJokersWithoutChips) {
    Rig rig;
    rig.newGame(1, 2);
    fillFifty(rig, 1, 0);
    rig.state.Used(1, 3, 1) = true;
    rig.roll({3, 3, 3, 3, 3});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::FullHouse));
    EXPECT_EQ(rig.state.Score(1, row::FullHouse, 1), 25);
    EXPECT_EQ(rig.state.ChipCount(1, 1), 0);
    EXPECT_EQ(rig.table.chipPicture[1], "");
}

TEST(JokerGate, LikeNumberMustBeFilledInAllThreeColumns) {
    Rig rig;
    rig.newGame(1, 1);
    for (int c = 1; c <= 3; ++c) fillFifty(rig, c, 0);
    rig.state.Used(1, 2, 1) = true;
    rig.state.Used(1, 2, 3) = true;
    rig.roll({2, 2, 2, 2, 2});
    for (int r : {10, 11, 12, 13, 14, 16})
        for (int c = 1; c <= 3; ++c) EXPECT_FALSE(rig.logic.ScoreBoxClick(c, r)) << r << "," << c;
    EXPECT_EQ(rig.services.messages.size(), 18u);
    // Any open upper box is admitted, scoring the dice as they are.
    ASSERT_TRUE(rig.logic.ScoreBoxClick(3, 5));
    EXPECT_EQ(rig.table.at(3, 5), "0");
}

TEST(JokerGate, FiveOfAKindBrokenUpLaterInTheTurnStillCounts) {
    Rig rig;
    rig.newGame(1, 2);
    fillFifty(rig, 1, 50);
    rig.state.Used(1, 6, 1) = true;
    rig.roll({5, 5, 5, 5, 5});
    for (int d = 2; d <= 5; ++d) rig.logic.RollingDiceClick(d);  // keep four fives
    rig.roll({6});  // die 1 lands on 6: no longer five alike, and die 1 shows 6
    EXPECT_TRUE(rig.state.PentaroShowing);
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::LargeStraight));
    EXPECT_EQ(rig.state.Score(1, row::LargeStraight, 1), 40);
}

TEST(JokerGate, WithoutFiveOfAKindNothingIsRefused) {
    Rig rig;
    rig.newGame(1, 1);
    rig.roll({1, 1, 1, 1, 2});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(2, row::FullHouse));
    EXPECT_EQ(rig.table.at(2, row::FullHouse), "0");
    EXPECT_TRUE(rig.services.messages.empty());
}
