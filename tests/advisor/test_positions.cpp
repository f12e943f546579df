// Positions whose best move and value a player can work out by hand, the
// solved start value against games played through the rules, and a table
// of other rules refused.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "AutoPlayer.h"
#include "Rig.h"
#include "SolvedFixture.h"

using namespace rp;
using namespace rp::advisor;
using namespace rp::test;

namespace {

// A solo one-column card with every box filled but `open`, box 1 given up,
// the upper boxes holding `upper` (rows 1..6).
void fillAllBut(Rig& rig, std::initializer_list<int> open, std::array<int, 7> upper) {
    rig.newGame(1, 2, false);
    auto& s = rig.state;
    for (int r : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16}) {
        if (std::find(open.begin(), open.end(), r) != open.end()) continue;
        s.Used(1, r, 1) = true;
        s.Score(1, r, 1) = static_cast<Int16>(r <= 6 ? upper[static_cast<std::size_t>(r)] : 10);
    }
    for (int b = 1; b <= 3; ++b) s.BonusUsed(1, b, 1) = true;
}

}  // namespace

TEST(AdvisorPositions, HandChecked) {
    const SolvedTable& table = solvedTable();
    Rig rig;
    {
        SCOPED_TRACE("five sixes with box 1 open: the 50 first, nothing else is taken");
        rig.newGame(1, 2, false);
        rig.roll({6, 6, 6, 6, 6});
        const Advice a = advise(table, rig.state, 1);
        ASSERT_TRUE(a.available);
        EXPECT_TRUE(a.exact);
        EXPECT_EQ(a.best.kind, Choice::Kind::BonusBox);
        EXPECT_EQ(a.best.row, 1);
        EXPECT_EQ(a.best.points, 50);
        EXPECT_NEAR(a.expected, 50 + table.value({0, Fifty, 0}), 1e-3);
        for (const Choice& c : a.choices) EXPECT_FALSE(c.kind == Choice::Kind::ScoreBox);
    }
    {
        SCOPED_TRACE("only Chance left, two rolls to go: keep the 6 and the 5, expect 23.75 more");
        fillAllBut(rig, {16}, {0, 3, 6, 9, 12, 15, 18});
        rig.roll({6, 5, 4, 2, 1});
        const Advice a = advise(table, rig.state, 1);
        EXPECT_EQ(a.best.kind, Choice::Kind::Keep);
        EXPECT_EQ(a.best.keepMask, 0b00011u);
        // Each of three dice is worth 4.25 with a roll and one more: 11 + 3 x 4.25.
        EXPECT_NEAR(a.expected - pointsSoFar(rig.state, 1, 1), 23.75, 1e-3);
        // After the third roll the box is the only move, and it ends the game.
        rig.roll({6, 6, 6, 6, 5});
        rig.roll({6, 6, 6, 5, 6});
        const Advice last = advise(table, rig.state, 1);
        ASSERT_EQ(last.choices.size(), 1u);
        EXPECT_EQ(last.best.row, 16);
        EXPECT_EQ(last.best.points, 29);
    }
    {
        SCOPED_TRACE("Fours left at 51 of 63, one roll to go: keep both 4s");
        fillAllBut(rig, {4}, {0, 3, 6, 9, 0, 15, 18});
        rig.roll({6, 6, 1, 2, 3});
        rig.roll({4, 4, 1, 2, 3});
        ASSERT_EQ(rig.state.RollCount, 2);
        const Advice a = advise(table, rig.state, 1);
        EXPECT_EQ(a.best.kind, Choice::Kind::Keep);
        EXPECT_EQ(a.best.keepMask, 0b00011u);
        // 8 kept, 4 a die times half a four in three dice, 35 unless no 4 comes.
        const double expected = 8 + 4 * 0.5 + 35 * (1 - 125.0 / 216);
        EXPECT_NEAR(a.expected - pointsSoFar(rig.state, 1, 1), expected, 1e-3);
        // Entering the 8 now misses the bonus: the loss is the bonus chance less nothing gained.
        for (const Choice& c : a.choices) {
            if (c.kind == Choice::Kind::ScoreBox) {
                EXPECT_NEAR(c.loss, expected - 8, 1e-3);
            }
        }
    }
}

TEST(AdvisorPositions, StartValueHoldsInPlay) {
    const SolvedTable& table = solvedTable();
    Rig rig;
    Advisor advisor(table);
    std::mt19937 rng(5000);
    const int games = 5000;
    double sum = 0, squares = 0;
    for (int g = 0; g < games; ++g) {
        rig.newGame(1, 2, false);
        AutoPlayer(rig.logic, rig.state, advisor, Policy::Best, &rng, &rig.script).playGame();
        const double x = rig.state.GrandTotal(1);
        sum += x;
        squares += x * x;
    }
    const double mean = sum / games;
    const double se = std::sqrt((squares / games - mean * mean) / (games - 1));
    std::printf("mean %.2f +- %.2f, solved %.6f\n", mean, se, table.startValue());
    EXPECT_NEAR(mean, table.startValue(), 4 * se);
    // An independent solve of the same rules in double precision; the table's
    // floats stay within rounding of it.
    EXPECT_NEAR(table.startValue(), 263.735074, 1e-6);
    EXPECT_NEAR(table.value(ColumnState{}), table.startValue(), 1e-4);
}

TEST(AdvisorPositions, TableOfOtherRulesIsRefused) {
    const SolvedTable& table = solvedTable();
    const auto path = (std::filesystem::temp_directory_path() / "test_advisor_stale.bin").string();
    ASSERT_EQ(table.save(path), "");
    {
        std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(8);
        f.write("old rules", 9);
    }
    std::string error;
    EXPECT_FALSE(SolvedTable::load(path, error));
    EXPECT_NE(error.find("other rules"), std::string::npos) << error;
    std::filesystem::resize_file(path, 1000);
    EXPECT_FALSE(SolvedTable::load(path, error));
    std::filesystem::remove(path);
    EXPECT_FALSE(SolvedTable::load(path, error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
}
