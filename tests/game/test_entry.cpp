// Clicks on the score card: refusals, upper totals, the early lower total.

#include <gtest/gtest.h>

#include "Rig.h"
#include "Texts.h"

using namespace rp;
using namespace rp::test;

TEST(ScoreEntry, UpperTotalsAppearWithTheSixthUpperBoxOnly) {
    Rig rig;
    rig.newGame(1, 1);
    // 3 x face in each upper box of column 2: 3+6+9+12+15+18 = 63
    for (int face = 1; face <= 6; ++face) {
        rig.roll({face, face, face, face % 6 + 1, (face + 1) % 6 + 1});
        ASSERT_TRUE(rig.logic.ScoreBoxClick(2, face));
        EXPECT_EQ(rig.table.at(2, face), std::to_string(3 * face));
        if (face < 6) {
            EXPECT_EQ(rig.table.at(2, row::SubTotal), "");
        }
    }
    EXPECT_EQ(rig.table.at(2, row::SubTotal), "63");
    EXPECT_EQ(rig.table.at(2, row::UpperBonus), "35");
    EXPECT_EQ(rig.table.at(2, row::UpperTotal), "98");
    EXPECT_EQ(rig.table.at(2, row::UpperTotal2), "98");
    EXPECT_EQ(rig.table.at(1, row::SubTotal), "");  // only the column played
    EXPECT_EQ(rig.table.at(3, row::SubTotal), "");
}

TEST(ScoreEntry, SixtyTwoEarnsNoBonus) {
    Rig rig;
    rig.newGame(1, 2);
    auto& s = rig.state;
    // Ones..Fives filled with 2+6+9+12+15 = 44; eighteen in Sixes makes 62.
    const int filled[] = {0, 2, 6, 9, 12, 15};
    for (int r = 1; r <= 5; ++r) {
        s.Used(1, r, 1) = true;
        s.Score(1, r, 1) = static_cast<Int16>(filled[r]);
    }
    rig.roll({6, 6, 6, 1, 2});
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, 6));
    EXPECT_EQ(rig.table.at(1, row::SubTotal), "62");
    EXPECT_EQ(rig.table.at(1, row::UpperBonus), "0");
    EXPECT_EQ(rig.table.at(1, row::UpperTotal), "62");
}

TEST(ScoreEntry, RefusedClicksChangeNothingButTheSound) {
    Rig rig;
    rig.newGame(1, 2);
    // Nothing rolled yet.
    EXPECT_FALSE(rig.logic.ScoreBoxClick(1, 1));
    EXPECT_EQ(rig.services.lastSound(), "nolabel.wav");
    rig.roll({1, 2, 3, 4, 5});
    // Columns 2 and 3 are closed in the one-column game, even a free box.
    EXPECT_FALSE(rig.logic.ScoreBoxClick(2, 1));
    EXPECT_FALSE(rig.logic.ScoreBoxClick(3, 14));
    // Totals and the closed five-of-a-kind row are never entered.
    for (int r : {7, 8, 9, 15, 17, 18, 19, 20}) EXPECT_FALSE(rig.logic.ScoreBoxClick(1, r)) << r;
    EXPECT_EQ(rig.services.sounds.size(), 12u);  // dice and eleven refusals
    EXPECT_EQ(rig.state.ActiveColumn, 0);
    EXPECT_TRUE(rig.table.cardEnabled);
    // A filled box cannot be entered twice.
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, 14));
    EXPECT_EQ(rig.table.at(1, 14), "40");
    EXPECT_FALSE(rig.table.cardEnabled);
    rig.roll({1, 2, 3, 4, 5});
    EXPECT_FALSE(rig.logic.ScoreBoxClick(1, 14));
    EXPECT_EQ(rig.state.Score(1, 14, 1), 40);
}

TEST(ScoreEntry, SoundOffSilencesEveryClick) {
    Rig rig;
    rig.newGame(1, 2, /*sound=*/false);
    rig.logic.ScoreBoxClick(1, 1);
    rig.roll({2, 2, 2, 5, 5});
    rig.logic.ScoreBoxClick(1, 20);
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::FullHouse));
    EXPECT_EQ(rig.table.at(1, row::FullHouse), "25");
    EXPECT_TRUE(rig.services.sounds.empty());
}

TEST(ScoreEntry, LowerTotalShowsEarlyOnlyWhenTheFiftyBoxWasGivenUp) {
    for (bool givenUp : {true, false}) {
        Rig rig;
        rig.newGame(1, 1);
        auto& s = rig.state;
        for (int r : {10, 11, 12, 13}) {
            s.Used(1, r, 1) = true;
            s.Score(1, r, 1) = 10;
        }
        s.Used(1, row::Chance, 1) = true;
        s.Score(1, row::Chance, 1) = 20;
        if (givenUp) {
            for (int b = 1; b <= 3; ++b) s.BonusUsed(1, b, 1) = true;
        }
        rig.roll({1, 2, 3, 4, 5});
        ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::LargeStraight));
        EXPECT_EQ(rig.table.at(1, row::LowerTotal), givenUp ? "100" : "") << givenUp;
        EXPECT_EQ(rig.table.at(1, row::LowerTotal2), givenUp ? "100" : "") << givenUp;
    }
}

TEST(ScoreEntry, CompleteLowerTotalWritesNothingWhileARowIsOpen) {
    Rig rig;
    rig.newGame(1, 1);
    auto& s = rig.state;
    for (int b = 1; b <= 3; ++b) s.BonusUsed(1, b, 2) = true;
    for (int r : {10, 11, 12, 13, 14}) s.Used(1, r, 2) = true;
    EXPECT_EQ(rig.logic.CompleteLowerTotal(1, 2), -1);
    EXPECT_FALSE(s.Used(1, row::LowerTotal, 2));
    s.Used(1, row::Chance, 2) = true;
    s.Score(1, row::Chance, 2) = 17;
    EXPECT_EQ(rig.logic.CompleteLowerTotal(1, 2), 17);
    EXPECT_EQ(s.Score(1, row::LowerTotal2, 2), 17);
    s.BonusScore(1, 1, 2) = 50;  // a filled 50-point box keeps it open
    EXPECT_EQ(rig.logic.CompleteLowerTotal(1, 2), -1);
}
