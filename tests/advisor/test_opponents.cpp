// Computer players through the rules: whole seeded games of every level,
// every step taken exactly as the table would take it. No step may be
// refused or be a roll with none left, Hard must be the advisor's best,
// the same seeds must give the same game, and the levels must rank.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "Opponent.h"
#include "Rig.h"
#include "SolvedFixture.h"

using namespace rp;
using namespace rp::advisor;
using namespace rp::test;

namespace {

std::string describe(const Choice& c) {
    switch (c.kind) {
        case Choice::Kind::Keep: return "keep " + std::to_string(c.keepMask);
        case Choice::Kind::ScoreBox: return "box " + std::to_string(c.column) + "/" + std::to_string(c.row);
        case Choice::Kind::BonusBox: return "bonus " + std::to_string(c.column) + "/" + std::to_string(c.row);
        case Choice::Kind::Roll: break;
    }
    return "roll";
}

// Plays one game of computer seats to its end; returns every step taken.
// One roll in `alikeOneIn` lands all alike, to reach the bonus boxes and
// jokers often (0: fair dice).
std::string playGame(Rig& rig, std::vector<Opponent>& seats, int gameType, std::mt19937& dice,
                     int alikeOneIn) {
    const SolvedTable& table = solvedTable();
    Advisor referee(table);
    auto face = [&] { return std::uniform_int_distribution<int>(1, 6)(dice); };
    auto roll = [&] {
        std::vector<int> faces(5);
        const bool alike = alikeOneIn > 0 && std::uniform_int_distribution<int>(1, alikeOneIn)(dice) == 1;
        const int all = face();
        for (int& f : faces) f = alike ? all : face();
        rig.roll(faces);
    };
    rig.newGame(static_cast<int>(seats.size()), gameType, false);
    std::string trace;
    while (!rig.logic.IsGameOver()) {
        const int p = rig.state.CurrentPlayer;
        Opponent& me = seats[static_cast<std::size_t>(p - 1)];
        roll();
        for (;;) {
            const Choice c = me.decide(rig.state, p);
            trace += describe(c) + ";";
            if (me.level() == Level::Hard) {
                const Advice best = referee.advise(rig.state, p);
                EXPECT_EQ(describe(c), describe(best.best));
            }
            if (c.kind == Choice::Kind::Keep) {
                EXPECT_LT(rig.state.RollCount, 3) << "a keep with no roll left";
                if (rig.state.RollCount >= 3) return trace;
                for (int d = 1; d <= DiceCount; ++d) {
                    const bool keep = (c.keepMask >> (d - 1)) & 1;
                    if (keep && !rig.state.DieKept(d)) rig.logic.RollingDiceClick(d);
                    if (!keep && rig.state.DieKept(d)) rig.logic.KeepDiceClick(d);
                }
                roll();
                continue;
            }
            const bool taken = c.kind == Choice::Kind::ScoreBox ? rig.logic.ScoreBoxClick(c.column, c.row)
                                                                : rig.logic.BonusBoxClick(c.column, c.row);
            EXPECT_TRUE(taken) << describe(c) << " refused";
            if (!taken) return trace;
            break;
        }
        rig.passTurn();
    }
    EXPECT_TRUE(rig.services.messages.empty()) << rig.services.messages.front();
    for (int p = 1; p <= static_cast<int>(seats.size()); ++p)
        trace += " total " + std::to_string(rig.state.GrandTotal(p));
    return trace;
}

std::vector<Opponent> seatsOf(std::initializer_list<Level> levels, std::uint64_t seed) {
    std::vector<Opponent> seats;
    for (Level l : levels) seats.emplace_back(solvedTable(), l, seed++);
    return seats;
}

}  // namespace

TEST(Opponents, EveryStepOfSeededGamesIsTakenByTheRules) {
    Rig rig;
    std::mt19937 dice(16);
    for (int game = 0; game < 40; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        // Four seats of one column, then three of three columns, every level playing.
        auto one = seatsOf({Level::Easy, Level::Medium, Level::Hard, Level::Easy}, 100 + game);
        playGame(rig, one, 2, dice, 4);
        auto three = seatsOf({Level::Hard, Level::Easy, Level::Medium}, 200 + game);
        playGame(rig, three, 1, dice, 4);
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(Opponents, SameSeedsPlayTheSameGame) {
    Rig rig;
    std::string first;
    for (int run = 0; run < 2; ++run) {
        std::mt19937 dice(7);
        auto seats = seatsOf({Level::Easy, Level::Medium, Level::Hard}, 42);
        const std::string trace = playGame(rig, seats, 1, dice, 6);
        if (run == 0) first = trace;
        else EXPECT_EQ(trace, first);
    }
}

TEST(Opponents, LevelsRankInSoloGames) {
    Rig rig;
    double mean[3] = {};
    const int games = 400;
    for (Level level : {Level::Easy, Level::Medium, Level::Hard}) {
        std::mt19937 dice(1000);
        std::vector<Opponent> seat;
        seat.emplace_back(solvedTable(), level, 9);
        for (int g = 0; g < games; ++g) {
            playGame(rig, seat, 2, dice, 0);
            mean[static_cast<int>(level)] += rig.state.GrandTotal(1) / double(games);
        }
    }
    std::printf("one column, %d games: easy %.1f, medium %.1f, hard %.1f\n", games, mean[0], mean[1],
                mean[2]);
    // Standard errors are about 4 points here; the levels lie some 25 apart.
    EXPECT_GT(mean[2], mean[1] + 10);
    EXPECT_GT(mean[1], mean[0] + 10);
}
