// The game review adds up: the final score is the start value less the
// costs plus the luck, for any way of playing, and best play costs nothing.

#include <gtest/gtest.h>

#include <random>

#include "LoggedPlay.h"
#include "Review.h"
#include "Rig.h"
#include "SolvedFixture.h"

using namespace rp;
using namespace rp::advisor;
using namespace rp::test;

namespace {

GameReview playAndReview(Rig& rig, Advisor& advisor, MoveLog& log, std::mt19937& rng, int players, int type,
                         bool best, int player = 1) {
    rig.newGame(players, type, false);
    LoggedPlayer player_(rig.logic, rig.state, advisor, log, rng, rig.script);
    player_.playGame(best ? LoggedPlayer::Policy(LoggedPlayer::best) : player_.random());
    return reviewGame(advisor, log.moves(), player, rig.state.GrandTotal(player));
}

}  // namespace

TEST(GameReview, BestPlayCostsNothing) {
    Advisor advisor(solvedTable());
    Rig rig;
    MoveLog log;
    std::mt19937 rng(1919);
    for (int game = 0; game < 10; ++game) {
        const GameReview r = playAndReview(rig, advisor, log, rng, 1, 2, true);
        ASSERT_TRUE(r.available) << r.message;
        EXPECT_FALSE(r.estimate);
        EXPECT_NEAR(r.start, solvedTable().startValue(), 1e-3);
        EXPECT_NEAR(r.cost, 0, 1e-3) << "game " << game;
        EXPECT_NEAR(r.identityError(), 0, 1e-3);
        EXPECT_GE(r.turns.size(), 14u);  // the start and thirteen entries at least
        EXPECT_NEAR(r.turns.back().expected, r.final, 1e-3);
        EXPECT_EQ(r.turns.back().banked, r.final);
    }
}

TEST(GameReview, AnyPlayAddsUp) {
    Advisor advisor(solvedTable());
    Rig rig;
    MoveLog log;
    std::mt19937 rng(19);
    double worst = 0, cost = 0;
    for (int game = 0; game < 200; ++game) {
        const GameReview r = playAndReview(rig, advisor, log, rng, 1, 2, false);
        ASSERT_TRUE(r.available) << r.message;
        worst = std::max(worst, std::abs(r.identityError()));
        cost += r.cost;
        for (const ReviewedDecision& d : r.decisions) {
            ASSERT_GE(d.cost, 0) << "game " << game << " turn " << d.turn;
            EXPECT_GE(d.roll, 1);
            EXPECT_LE(d.roll, 3);
        }
    }
    EXPECT_LT(worst, 1e-3);
    EXPECT_GT(cost / 200, 100);  // a random player throws away most of the 264
    {
        SCOPED_TRACE("three columns, four players: the estimate adds up for each");
        for (int p = 1; p <= 4; ++p) {
            const GameReview r = playAndReview(rig, advisor, log, rng, 4, 1, p % 2 == 0, 1);
            const GameReview other = reviewGame(advisor, log.moves(), p, rig.state.GrandTotal(p));
            for (const GameReview* g : {&r, &other}) {
                ASSERT_TRUE(g->available) << g->message;
                EXPECT_TRUE(g->estimate);
                EXPECT_NEAR(g->identityError(), 0, 1e-2 * std::max(1.0, g->final / 1000.0));
                EXPECT_GE(g->turns.size(), 40u);
            }
        }
    }
}

// The state goes back to before an entry (the entry taken back) and the
// player enters elsewhere; a new game starts over the old one's moves.
TEST(GameReview, TakenBackEntryAndNewGameLeaveItWhole) {
    Advisor advisor(solvedTable());
    Rig rig;
    MoveLog log;
    std::mt19937 rng(7);
    LoggedPlayer player(rig.logic, rig.state, advisor, log, rng, rig.script);
    playAndReview(rig, advisor, log, rng, 2, 2, false);
    rig.newGame(2, 2, false);
    while (!rig.logic.IsGameOver()) {
        player.roll();
        const Advice a = advisor.advise(rig.state, rig.state.CurrentPlayer);
        std::vector<Choice> entries;
        for (const Choice& c : a.choices)
            if (c.isEntry()) entries.push_back(c);
        if (entries.size() > 1 && !rig.logic.IsGameOver()) {
            const GameState saved = rig.state;
            player.enter(entries.back());
            rig.state = saved;  // taken back
        }
        player.enter(entries.front());
        if (!rig.logic.IsGameOver()) rig.logic.NextPlayerTimer();
    }
    for (int p = 1; p <= 2; ++p) {
        const GameReview r = reviewGame(advisor, log.moves(), p, rig.state.GrandTotal(p));
        ASSERT_TRUE(r.available) << r.message;
        EXPECT_NEAR(r.identityError(), 0, 1e-3);
        EXPECT_GE(r.turns.size(), 14u);
    }
}
