// Clicks on the card: refusals, the five-of-a-kind rule, the bonus boxes and
// the totals of a column.

#include <gtest/gtest.h>

#include "Rig.h"
#include "Texts.h"

using namespace rp;
using namespace rp::test;

namespace {
// Player 1's boxes as if entered on earlier turns.
void fill(Rig& rig, int column, std::initializer_list<int> rows, int value) {
    for (int r : rows) {
        rig.state.Used(1, r, column) = true;
        rig.state.Score(1, r, column) = static_cast<Int16>(value);
    }
}
void fifty(Rig& rig, int column, int value) {
    rig.state.BonusUsed(1, 1, column) = true;
    rig.state.BonusScore(1, 1, column) = static_cast<Int16>(value);
}
}  // namespace

TEST(ScoreEntry, UpperTotalsComeWithTheSixthBoxAndTheBonusFrom63) {
    for (int ones : {2, 3}) {  // 62 and 63 before the bonus
        Rig rig;
        rig.newGame(1, 1);
        fill(rig, 2, {1}, ones);
        for (int r = 2; r <= 4; ++r) fill(rig, 2, {r}, 3 * r);
        rig.roll({5, 5, 5, 1, 2});
        ASSERT_TRUE(rig.logic.ScoreBoxClick(2, 5));
        EXPECT_EQ(rig.table.at(2, row::SubTotal), "");
        rig.roll({6, 6, 6, 1, 2});
        ASSERT_TRUE(rig.logic.ScoreBoxClick(2, 6));
        const bool bonus = ones == 3;
        EXPECT_EQ(rig.table.at(2, row::SubTotal), bonus ? "63" : "62");
        EXPECT_EQ(rig.table.at(2, row::UpperBonus), bonus ? "35" : "0");
        EXPECT_EQ(rig.table.at(2, row::UpperTotal), bonus ? "98" : "62");
        EXPECT_EQ(rig.table.at(2, row::UpperTotal2), bonus ? "98" : "62");
        EXPECT_EQ(rig.table.at(1, row::SubTotal) + rig.table.at(3, row::SubTotal), "");
    }
}

TEST(ScoreEntry, RefusedClicksOnlySoundAndTheSwitchSilencesAll) {
    for (bool sound : {true, false}) {
        Rig rig;
        rig.newGame(1, 2, sound);
        EXPECT_FALSE(rig.logic.ScoreBoxClick(1, 1));  // nothing rolled yet
        rig.roll({1, 2, 3, 4, 5});
        // Columns 2 and 3 are closed in the one-column game; totals and the
        // five-of-a-kind row are never entered.
        EXPECT_FALSE(rig.logic.ScoreBoxClick(2, 1));
        EXPECT_FALSE(rig.logic.ScoreBoxClick(3, 14));
        for (int r : {7, 8, 9, 15, 17, 18, 19, 20}) EXPECT_FALSE(rig.logic.ScoreBoxClick(1, r)) << r;
        EXPECT_EQ(rig.services.sounds.size(), sound ? 12u : 0u);  // dice and eleven refusals
        EXPECT_TRUE(rig.table.cardEnabled);
        ASSERT_TRUE(rig.logic.ScoreBoxClick(1, 14));
        EXPECT_EQ(rig.table.at(1, 14), "40");
        EXPECT_FALSE(rig.table.cardEnabled);
        rig.roll({1, 2, 3, 4, 5});
        EXPECT_FALSE(rig.logic.ScoreBoxClick(1, 14));  // a filled box stays as it is
        EXPECT_EQ(rig.state.Score(1, 14, 1), 40);
        EXPECT_EQ(rig.services.sounds.empty(), !sound);
    }
}

TEST(ScoreEntry, LowerTotalShowsEarlyOnlyOnceTheFiftyBoxIsGivenUp) {
    for (int taken : {50, -1}) {  // holding 50 or open, the total can still change
        Rig rig;
        rig.newGame(1, 2);
        fill(rig, 1, {10, 11, 12, 13, 16}, 5);
        if (taken > 0) fifty(rig, 1, taken);
        rig.roll({1, 2, 3, 4, 5});
        ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::LargeStraight));
        EXPECT_EQ(rig.table.at(1, row::LowerTotal), "") << taken;
        if (taken > 0) continue;
        rig.roll({1, 2, 3, 4, 6});
        ASSERT_TRUE(rig.logic.BonusBoxClick(1, 1));  // no five of a kind: gives the row up
        EXPECT_EQ(rig.table.bonusAt(1, 1), "0");
        EXPECT_EQ(rig.table.bonusAt(1, 2), "");
        EXPECT_EQ(rig.table.at(1, row::LowerTotal), "65");
        EXPECT_EQ(rig.table.at(1, row::LowerTotal2), "65");
        rig.roll({6, 6, 6, 6, 6});
        EXPECT_FALSE(rig.logic.BonusBoxClick(1, 2));
        EXPECT_EQ(rig.services.lastSound(), "nolabel.wav");
        EXPECT_FALSE(rig.logic.BonusBoxClick(2, 1));  // closed in the one-column game
    }
}

// One click with a five of a kind on a prepared card: refused with which
// words, or entered with what value and how many chips.
TEST(JokerGate, Decisions) {
    const std::string UpperThree(text::UpperRefused), LowerThree(text::LowerRefused),
        UpperOne(text::UpperRefusedOneColumn), LowerOne(text::LowerRefusedOneColumn);
    struct Case {
        const char* what;
        int type;
        std::vector<int> fifty;                   // per column: -1 open, else its score
        std::vector<std::pair<int, int>> filled;  // upper boxes (column, row)
        std::vector<int> dice;
        int column, row;
        int value;  // -1: refused
        std::string message;
        int chips;
    };
    const Case cases[] = {
        {"upper needs every 50 box", 1, {50, 50, -1}, {}, {4, 4, 4, 4, 4}, 1, 4, -1, UpperThree, 0},
        {"lower needs every 50 box", 1, {50, 50, -1}, {}, {4, 4, 4, 4, 4}, 2, 12, -1, LowerThree, 0},
        {"one column: upper needs its 50 box", 2, {-1}, {}, {2, 2, 2, 2, 2}, 1, 2, -1, UpperOne, 0},
        {"one column: like number open", 2, {50}, {}, {4, 4, 4, 4, 4}, 1, 16, -1, LowerOne, 0},
        {"upper joker takes a chip", 2, {50}, {}, {4, 4, 4, 4, 4}, 1, 4, 20, "", 1},
        {"the chip of the column entered", 1, {0, 50, 0}, {}, {4, 4, 4, 4, 4}, 2, 4, 20, "", 1},
        {"lower joker: full value and a chip", 2, {50}, {{1, 4}}, {4, 4, 4, 4, 4}, 1, 14, 40, "", 1},
        {"given-up 50 box: no chip", 2, {0}, {{1, 3}}, {3, 3, 3, 3, 3}, 1, 12, 25, "", 0},
        {"like number open in column 2", 1, {0, 0, 0}, {{1, 2}, {3, 2}}, {2, 2, 2, 2, 2}, 1, 13, -1,
         LowerThree, 0},
        {"upper box scores the dice as they are", 1, {0, 0, 0}, {{1, 2}, {3, 2}}, {2, 2, 2, 2, 2}, 3, 5,
         0, "", 0},
        {"no five of a kind: no rule", 1, {-1, -1, -1}, {}, {1, 1, 1, 1, 2}, 2, 12, 0, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig;
        rig.newGame(1, c.type);
        for (std::size_t k = 0; k < c.fifty.size(); ++k)
            if (c.fifty[k] >= 0) fifty(rig, static_cast<int>(k) + 1, c.fifty[k]);
        for (auto [col, r] : c.filled) fill(rig, col, {r}, 0);
        rig.roll(c.dice);
        EXPECT_EQ(rig.logic.ScoreBoxClick(c.column, c.row), c.value >= 0);
        EXPECT_EQ(rig.services.messages,
                  c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
        if (c.value < 0) {
            EXPECT_EQ(rig.services.lastSound(), "error.wav");
            EXPECT_TRUE(rig.state.PentaroShowing && rig.table.cardEnabled);  // the turn goes on
            EXPECT_FALSE(rig.state.Used(1, c.row, c.column));
        } else {
            EXPECT_EQ(rig.table.at(c.column, c.row), std::to_string(c.value));
        }
        EXPECT_EQ(rig.state.ChipCount(1, c.column), c.chips);
        EXPECT_EQ(rig.table.chipPicture[c.column], c.chips ? file::Chip[c.column] : "");
    }
}

TEST(JokerGate, FiveOfAKindBrokenUpLaterInTheTurnStillCounts) {
    Rig rig;
    rig.newGame(1, 2);
    fifty(rig, 1, 50);
    fill(rig, 1, {6}, 0);
    rig.roll({5, 5, 5, 5, 5});
    for (int d = 2; d <= 5; ++d) rig.logic.RollingDiceClick(d);  // keep four fives
    rig.roll({6});  // die 1 lands on 6: no longer five alike, and its like number is filled
    EXPECT_EQ(rig.services.celebrations, 1);
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, row::LargeStraight));
    EXPECT_EQ(rig.state.Score(1, row::LargeStraight, 1), 40);
}

TEST(BonusBoxes, FiftyThenHundredsWithChipsOfTheirOwnColumn) {
    Rig rig;
    rig.newGame(1, 1);
    rig.roll({1, 2, 3, 4, 6});
    EXPECT_FALSE(rig.logic.BonusBoxClick(2, 2));  // out of order and no five of a kind
    EXPECT_EQ(rig.services.lastSound(), "pop.wav");
    rig.roll({3, 3, 3, 3, 3});
    EXPECT_FALSE(rig.logic.BonusBoxClick(2, 3));  // box 1 still open
    EXPECT_FALSE(rig.logic.BonusBoxClick(2, 2));
    EXPECT_TRUE(rig.table.cardEnabled && rig.state.PentaroShowing);
    ASSERT_TRUE(rig.logic.BonusBoxClick(2, 1));
    EXPECT_EQ(rig.table.bonusAt(2, 1), "50");
    EXPECT_FALSE(rig.table.cardEnabled);
    EXPECT_EQ(rig.state.ChipCount(1, 2), 0);

    rig.roll({3, 3, 3, 3, 3});
    EXPECT_FALSE(rig.logic.BonusBoxClick(2, 3));  // box 2 still open
    ASSERT_TRUE(rig.logic.BonusBoxClick(2, 2));
    EXPECT_EQ(rig.table.bonusAt(2, 2), "100");
    // The single player's card is shown again at once, chip included.
    EXPECT_EQ(rig.table.chipPicture[2], "200chip.gif");
    EXPECT_EQ(rig.table.chipTotal[2], "1");
    EXPECT_EQ(rig.table.chipPicture[1] + rig.table.chipTotal[1], "");

    rig.roll({6, 6, 6, 6, 6});
    ASSERT_TRUE(rig.logic.BonusBoxClick(2, 3));
    EXPECT_EQ(rig.table.chipTotal[2], "2");
    rig.roll({6, 6, 6, 6, 6});
    EXPECT_FALSE(rig.logic.BonusBoxClick(2, 3));  // the whole row is used
    EXPECT_EQ(rig.services.lastSound(), "nolabel.wav");
}

TEST(ColumnTotals, ColumnWaitsForItsFiftyBox) {
    Rig rig;
    rig.newGame(1, 2);
    auto& s = rig.state;
    for (int r = 1; r <= 15; ++r) s.Used(1, r, 1) = true;
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
