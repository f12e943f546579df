// Plays complete random one-column games through the rules with a table
// that shows nothing, and reports how many a second one core manages.

#include <chrono>
#include <cstdio>
#include <deque>
#include <random>

#include "Logic.h"
#include "NullTable.h"
#include "RandomPlay.h"

namespace {

using Nothing = rp::NullGame;

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 50000;
    rp::GameState state;
    Nothing nothing;
    std::deque<int> script;
    rp::mdlLogic logic(state, nothing, nothing, nothing, nothing, [&script] {
        const int face = script.front();
        script.pop_front();
        return face;
    });
    logic.LoadSettings();
    std::mt19937 rng(1);
    rp::test::RandomPlayer player(logic, state, script, rng, /*wild=*/false);

    state.NumPlayers = 1;
    state.GameType = 2;
    state.PlayerName(1) = "Bench";
    long long totals = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int g = 0; g < games; ++g) {
        logic.StartNewGame();
        player.playGame();
        totals += state.GrandTotal(1);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.0f games/s\n", games / seconds);
    std::printf("(%d one-column games in %.3f s, mean grand total %.1f)\n", games, seconds,
                static_cast<double>(totals) / games);
    return 0;
}
