// The advisor's model of the rules against the rules themselves: at every
// position of 2,000 random one-column games, each box the advisor counts as
// legal must be taken by the rules with the same points and lead to the
// same column, and every box it leaves out must be refused.

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "Advisor.h"
#include "DiceSets.h"
#include "Rig.h"
#include "SolvedFixture.h"

using namespace rp;
using namespace rp::advisor;
using namespace rp::test;

namespace {

// Everything the final score counts, read off the card.
int cardTotal(const GameState& s) {
    int total = s.ChipCount(1, 1) * 100 + (s.Used(1, 8, 1) ? s.Score(1, 8, 1) : 0);
    for (int r : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16}) total += s.Score(1, r, 1);
    for (int b = 1; b <= 3; ++b) total += s.BonusScore(1, b, 1);
    return total;
}

using Move = std::pair<int, int>;  // (row, 0) for a score box, (0, box) for a bonus box

void checkPosition(const GameState& s, Advisor& advisor, Rig& probe, std::vector<Move>& taken) {
    const Advice a = advisor.advise(s, 1);
    ASSERT_TRUE(a.available) << a.message;
    std::map<Move, int> advised;
    bool keeps = false;
    for (const Choice& c : a.choices) {
        if (c.kind == Choice::Kind::Keep) keeps = true;
        if (!c.isEntry()) continue;
        ASSERT_EQ(c.column, 1);
        advised[c.kind == Choice::Kind::ScoreBox ? Move{c.row, 0} : Move{0, c.row}] = c.points;
    }
    EXPECT_EQ(keeps, s.RollCount < 3);

    const ColumnState before = columnOf(s, 1, 1);
    category::DiceArray dice;
    for (int d = 1; d <= 5; ++d) dice(d) = s.Dice(d);
    Entries entries;
    columnEntries(before, DiceSets::get().index(countsOf(dice)), s.PentaroShowing, s.Dice(1),
                  JokerGate::ofColumn(before), entries);

    taken.clear();
    for (int column = 1; column <= 3; ++column)
        for (int target = 1; target <= 23; ++target) {
            probe.state = s;
            const bool bonus = target > 20;
            const Move move = bonus ? Move{0, target - 20} : Move{target, 0};
            const bool accepted = bonus ? probe.logic.BonusBoxClick(column, target - 20)
                                        : probe.logic.ScoreBoxClick(column, target);
            const bool legal = column == 1 && advised.count(move);
            ASSERT_EQ(accepted, legal) << "column " << column << " target " << target
                                       << " roll " << s.RollCount << " pentaro " << s.PentaroShowing;
            if (!accepted) continue;
            taken.push_back(move);
            EXPECT_EQ(cardTotal(probe.state) - cardTotal(s), advised[move]) << target;
            for (int i = 0; i < entries.count; ++i) {
                const Entry& e = entries.at[static_cast<std::size_t>(i)];
                if (Move{e.row, e.box} != move) continue;
                const ColumnState next = after(before, e);
                EXPECT_EQ(probe.state.ColumnDone(1, 1), next.terminal()) << target;
                if (!next.terminal()) {
                    EXPECT_TRUE(columnOf(probe.state, 1, 1) == next) << target;
                }
            }
        }
}

}  // namespace

TEST(AdvisorRules, EveryBoxTheAdvisorOffersIsWhatTheRulesTake) {
    const SolvedTable& table = solvedTable();
    std::mt19937 rng(20261207);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    Rig rig, probe;
    Advisor advisor(table);
    std::vector<Move> taken;
    int positions = 0, pentaros = 0, jokers = 0, chips = 0, brokenUp = 0;
    for (int game = 0; game < 2000; ++game) {
        rig.newGame(1, 2, false);
        while (!rig.logic.IsGameOver()) {
            const int rolls = 1 + pick(3);
            for (int i = 0; i < rolls; ++i) {
                if (i > 0)
                    for (int d = 1; d <= 5; ++d)
                        if (pick(3) == 0) {
                            if (rig.state.DieKept(d)) rig.logic.KeepDiceClick(d);
                            else rig.logic.RollingDiceClick(d);
                        }
                // One roll in five lands all alike, to reach the bonus boxes and jokers.
                std::vector<int> faces;
                const int same = 1 + pick(6);
                for (int d = 0; d < 5; ++d) faces.push_back(pick(5) == 0 ? same : 1 + pick(6));
                if (pick(5) == 0) faces.assign(5, rig.state.DieKept(1) ? rig.state.Dice(1) : same);
                rig.roll(faces);
                checkPosition(rig.state, advisor, probe, taken);
                if (HasFatalFailure() || HasFailure()) return;
                ++positions;
                pentaros += rig.state.PentaroShowing;
                brokenUp += rig.state.PentaroShowing && rig.state.Dice(2) != rig.state.Dice(1);
            }
            ASSERT_FALSE(taken.empty());
            const Move m = taken[static_cast<std::size_t>(pick(static_cast<int>(taken.size())))];
            const int chipsBefore = rig.state.ChipCount(1, 1);
            const bool flagged = rig.state.PentaroShowing;
            ASSERT_TRUE(m.first ? rig.logic.ScoreBoxClick(1, m.first) : rig.logic.BonusBoxClick(1, m.second));
            jokers += flagged && m.first >= 10;
            chips += rig.state.ChipCount(1, 1) - chipsBefore;
        }
    }
    // The random play must have met the corners the model is about.
    EXPECT_GT(positions, 40000);
    EXPECT_GT(pentaros, 2000);
    EXPECT_GT(brokenUp, 200);
    EXPECT_GT(jokers, 200);
    EXPECT_GT(chips, 500);
    std::printf("%d positions, %d with a five of a kind (%d broken up), %d jokers, %d chips\n",
                positions, pentaros, brokenUp, jokers, chips);
}
