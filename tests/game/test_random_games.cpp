// Thousands of complete random games, checked at the end against the rules'
// own arithmetic and the stored tables.

#include <gtest/gtest.h>

#include <cstdio>

#include "RandomPlay.h"
#include "Rig.h"

using namespace rp;
using namespace rp::test;

namespace {

void checkFinishedGame(Rig& rig, const GameState& before) {
    const auto& s = rig.state;
    for (int p = 1; p <= s.NumPlayers; ++p) {
        int grand = 0;
        for (int c = 1; c <= 3; ++c) ASSERT_TRUE(s.ColumnDone(p, c)) << p << "," << c;
        for (int c = 1; c <= (s.GameType == 2 ? 1 : 3); ++c) {
            auto score = [&](int r) { return s.Score(p, r, c); };
            for (int r = 1; r <= 20; ++r) ASSERT_TRUE(s.Used(p, r, c)) << p << "," << r << "," << c;
            int upper = 0, lower = 0;
            for (int r = 1; r <= 6; ++r) upper += score(r);
            for (int r = 10; r <= 16; ++r) lower += score(r);
            for (int b = 1; b <= 3; ++b) {
                ASSERT_TRUE(s.BonusUsed(p, b, c));
                lower += s.BonusScore(p, b, c);
            }
            EXPECT_EQ(score(7), upper);
            EXPECT_EQ(score(8), upper >= 63 ? 35 : 0);
            EXPECT_EQ(score(9), upper + score(8));
            EXPECT_EQ(score(18), score(9));
            EXPECT_EQ(score(17), lower);
            EXPECT_EQ(score(19), lower);
            EXPECT_EQ(score(20), score(18) + score(19));
            EXPECT_EQ(score(15), 0);
            const int multiplier = s.GameType == 2 ? 1 : c;
            grand += (score(20) + s.ChipCount(p, c) * 100) * multiplier;
        }
        EXPECT_EQ(s.GrandTotal(p), grand) << "player " << p;
        // Ties go to the earlier player.
        if (p < s.Winner) EXPECT_LT(s.GrandTotal(p), s.GrandTotal(s.Winner));
        else EXPECT_LE(s.GrandTotal(p), s.GrandTotal(s.Winner));
    }
    EXPECT_TRUE(rig.table.timerOn(TableTimer::EndGame));

    // Both tables best first, the store holding exactly what memory holds,
    // and the table of the other game type untouched.
    for (char t : {'A', 'B'}) {
        const bool mine = (t == 'B') == (s.GameType == 2);
        const auto& scores = t == 'A' ? s.AScore : s.BScore;
        const auto& names = t == 'A' ? s.AName : s.BName;
        EXPECT_TRUE(mine || scores == (t == 'A' ? before.AScore : before.BScore)) << t;
        for (int i = 1; i <= 6; ++i) {
            EXPECT_GE(scores(i > 1 ? i - 1 : 1), scores(i));
            const std::string key = "HighScores/" + std::string(1, t);
            EXPECT_EQ(rig.store.values[key + "Score" + std::to_string(i)], std::to_string(scores(i)));
            EXPECT_EQ(rig.store.values[key + "Name" + std::to_string(i)], names(i));
            const auto shown = rig.board.entry(t, i);
            EXPECT_EQ(shown.name, names(i));
            // A highlighted place holds a result of this game.
            if (shown.highlighted) {
                bool ours = false;
                for (int p = 1; p <= s.NumPlayers; ++p)
                    ours |= names(i) == s.PlayerName(p) && scores(i) == s.GrandTotal(p);
                EXPECT_TRUE(ours && mine) << t << i;
            }
        }
    }
    // A result that entered a table saved the sound switch with it.
    if (s.NewHighScore) {
        EXPECT_EQ(rig.store.values["Params/Sound"], s.SoundOn ? "True" : "False");
    }
}

}  // namespace

TEST(RandomGames, EveryGameEndsConsistent) {
    std::mt19937 rng(20261206);
    int games = 0;
    // What the random play went through, so a policy that never reaches the
    // interesting corners cannot pass unnoticed.
    int chips = 0, thirdBoxes = 0, givenUp = 0, refusals = 0;
    for (int round = 0; round < 300; ++round) {
        Rig rig;  // a few games on one table, as in one sitting
        rig.logic.LoadSettings();
        for (int g = 0; g < 10; ++g, ++games) {
            const int players = 1 + static_cast<int>(rng() % 4);
            rig.newGame(players, 1 + static_cast<int>(rng() % 2), rng() % 2 == 0);
            for (int p = 1; p <= players; ++p)
                rig.state.PlayerName(p) =
                    std::string("g").append(std::to_string(games)).append("p").append(std::to_string(p));
            rig.logic.ClearHighScoreHighlights();
            const GameState before = rig.state;
            RandomPlayer player(rig.logic, rig.state, rig.script, rng, /*wild=*/true);
            ASSERT_NO_THROW(player.playGame()) << "game " << games;
            SCOPED_TRACE("game " + std::to_string(games));
            checkFinishedGame(rig, before);
            if (HasFailure()) return;
            for (int p = 1; p <= players; ++p)
                for (int c = 1; c <= 3; ++c) {
                    chips += rig.state.ChipCount(p, c);
                    thirdBoxes += rig.state.BonusScore(p, 3, c) == 100;
                    givenUp += rig.state.BonusUsed(p, 1, c) && rig.state.BonusScore(p, 1, c) == 0;
                }
        }
        refusals += static_cast<int>(rig.services.messages.size());
    }
    EXPECT_EQ(games, 3000);
    EXPECT_GT(chips, 1000);
    EXPECT_GT(thirdBoxes, 100);
    EXPECT_GT(givenUp, 1000);
    EXPECT_GT(refusals, 1000);
    std::printf("chips %d, third boxes %d, given up %d, refusals %d\n", chips, thirdBoxes,
                givenUp, refusals);
}
