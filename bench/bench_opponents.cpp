// The computer players' strength and speed: solo games at each level
// through the rules with random dice, one line per figure at the end.
//   bench_opponents [one-column games] [three-column games] [levels, e.g. hard,easy] [dice seed]
// Games are per level; Hard plays four times the three-column games, as its
// goal lies close to its mean.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "AutoPlayer.h"
#include "Logic.h"
#include "NullTable.h"
#include "Opponent.h"

namespace {

using namespace rp;
using namespace rp::advisor;
using Clock = std::chrono::steady_clock;

// Counts what a player would see as a refusal: the message window.
using Quiet = NullGame;

struct Result {
    double mean = 0, se = 0;
    int refusals = 0;
};

std::vector<double> decideMs[2];  // [three columns]

Result play(const SolvedTable& table, Level level, int gameType, int games, unsigned seed) {
    GameState state;
    Quiet quiet;
    std::mt19937 dice(seed);
    mdlLogic logic{state, quiet, quiet, quiet, quiet,
                   [&dice] { return std::uniform_int_distribution<int>(1, 6)(dice); }};
    state.NumPlayers = 1;
    state.GameType = static_cast<Int16>(gameType);
    state.PlayerName(1) = "Bench";
    state.GameInProgress = true;
    Opponent opponent(table, level, seed * 7919u + 1);
    // RP_TEMPERATURE_MEDIUM / _EASY try other temperatures when tuning.
    const char* tune = std::getenv(level == Level::Medium ? "RP_TEMPERATURE_MEDIUM"
                                   : level == Level::Easy ? "RP_TEMPERATURE_EASY"
                                                          : "RP_TEMPERATURE_HARD");
    if (tune) opponent.setTemperature(std::atof(tune));
    auto& times = decideMs[gameType == 1 ? 1 : 0];
    AutoPlayer player(logic, state, [&] {
        const auto t0 = Clock::now();
        const Choice c = opponent.decide(state, state.CurrentPlayer);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        return c;
    });
    Result r;
    double sum = 0, squares = 0;
    int played = 0;
    for (int g = 0; g < games; ++g) {
        state.ColumnDone.fill(false);
        logic.StartNewGame();
        try {
            player.playGame();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "game %d: %s\n", g, e.what());
            ++r.refusals;
            continue;
        }
        const double x = state.GrandTotal(1);
        sum += x;
        squares += x * x;
        ++played;
    }
    r.refusals += quiet.messages;
    r.mean = sum / played;
    r.se = std::sqrt((squares - played * r.mean * r.mean) / (played - 1) / played);
    return r;
}

double quantile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    const int oneGames = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int threeGames = argc > 2 ? std::atoi(argv[2]) : 5000;
    const std::string only = argc > 3 ? argv[3] : "hard,medium,easy";
    const unsigned seed = argc > 4 ? static_cast<unsigned>(std::atoi(argv[4])) : 0;  // other dice
    std::string error;
    const char* path = std::getenv("RP_ADVISOR_BIN");
    const auto table = SolvedTable::load(path ? path : RP_ADVISOR_BIN, error);
    if (!table) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    struct Named {
        const char* name;
        Level level;
    };
    const Named levels[] = {{"hard", Level::Hard}, {"medium", Level::Medium}, {"easy", Level::Easy}};
    int refusals = 0;
    std::vector<std::string> lines;
    for (int type : {2, 1})
        for (const Named& l : levels) {
            const int games = type == 2 ? oneGames : threeGames * (l.level == Level::Hard ? 4 : 1);
            if (games < 2 || only.find(l.name) == std::string::npos) continue;
            const auto t0 = Clock::now();
            const Result r = play(*table, l.level, type, games,
                                  seed + type * 100u + static_cast<unsigned>(l.level));
            const double s = std::chrono::duration<double>(Clock::now() - t0).count();
            refusals += r.refusals;
            const char* cols = type == 2 ? "one" : "three";
            std::printf("%s column(s), %s: %.2f +- %.2f over %d games (%.0f s)\n", cols, l.name, r.mean,
                        r.se, games, s);
            char line[160];
            std::snprintf(line, sizeof line, "level_%s_%s_mean=%.2f se=%.2f", cols, l.name, r.mean, r.se);
            lines.emplace_back(line);
            std::fflush(stdout);
        }
    std::printf("decisions: one column %zu (99th percentile %.3f ms, most %.3f ms), three columns %zu "
                "(99th percentile %.3f ms, most %.3f ms)\n",
                decideMs[0].size(), quantile(decideMs[0], 0.99), quantile(decideMs[0], 1.0),
                decideMs[1].size(), quantile(decideMs[1], 0.99), quantile(decideMs[1], 1.0));
    std::printf("solved start value %.6f\n", table->startValue());
    for (const auto& l : lines) std::printf("%s\n", l.c_str());
    std::printf("decide_ms_one=%.4f\n", quantile(decideMs[0], 0.5));
    std::printf("decide_ms_three=%.4f\n", quantile(decideMs[1], 0.5));
    std::printf("refusals=%d\n", refusals);
    return refusals == 0 ? 0 : 1;
}
