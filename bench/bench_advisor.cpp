// The advisor's costs and strength in one run: solve, table size and load,
// one hint, and games played through the rules by the advisor, a greedy
// player and the random benchmark player. Ends with one figure per line.
//   bench_advisor [one-column games] [three-column games]

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <vector>

#include "AutoPlayer.h"
#include "Logic.h"
#include "NullTable.h"
#include "RandomPlay.h"
#include "Solver.h"

namespace {

using namespace rp;
using namespace rp::advisor;
using Clock = std::chrono::steady_clock;

using Nothing = NullGame;

double since(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Table {
    GameState state;
    Nothing nothing;
    std::deque<int> script;
    std::mt19937 rng;
    // The random player queues dice of its own, with five alike now and then
    // to reach the bonus boxes; for a fair score it gets fair dice instead.
    bool fair = false;
    std::mt19937 fairRng{99};
    mdlLogic logic{state, nothing, nothing, nothing, nothing, [this] {
                       if (fair) return std::uniform_int_distribution<int>(1, 6)(fairRng);
                       if (!script.empty()) {
                           const int f = script.front();
                           script.pop_front();
                           return f;
                       }
                       return std::uniform_int_distribution<int>(1, 6)(rng);
                   }};
    explicit Table(unsigned seed, int gameType) : rng(seed) {
        state.NumPlayers = 1;
        state.GameType = static_cast<Int16>(gameType);
        state.PlayerName(1) = "Bench";
        state.GameInProgress = true;
    }
    void newGame() {
        state.ColumnDone.fill(false);
        logic.StartNewGame();
    }
};

struct Stats {
    double mean = 0, se = 0;
};

int phantomRolls = 0;

Stats play(int games, unsigned seed, int gameType, const std::function<void(Table&)>& game) {
    Table t(seed, gameType);
    double sum = 0, squares = 0;
    for (int g = 0; g < games; ++g) {
        t.newGame();
        game(t);
        const double x = t.state.GrandTotal(1);
        sum += x;
        squares += x * x;
    }
    const double mean = sum / games;
    const double var = (squares - games * mean * mean) / (games - 1);
    return {mean, std::sqrt(var / games)};
}

}  // namespace

int main(int argc, char** argv) {
    const int oneColumnGames = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int threeColumnGames = argc > 2 ? std::atoi(argv[2]) : 20000;
    const std::string path =
        (std::filesystem::temp_directory_path() / "bench_advisor.bin").string();

    std::vector<double> solves;
    std::unique_ptr<SolvedTable> solved;
    for (int i = 0; i < 3; ++i) {
        const auto t0 = Clock::now();
        solved = solveOneColumn();
        solves.push_back(since(t0));
    }
    if (const std::string e = solved->save(path); !e.empty()) {
        std::fprintf(stderr, "%s\n", e.c_str());
        return 1;
    }
    const auto tableBytes = std::filesystem::file_size(path);

    // Loading beside its baseline, reading the same bytes raw.
    std::vector<double> loads, reads;
    std::optional<SolvedTable> table;
    for (int i = 0; i < 7; ++i) {
        auto t0 = Clock::now();
        std::ifstream in(path, std::ios::binary);
        std::vector<char> bytes(tableBytes);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        reads.push_back(since(t0) * 1000);
        std::string error;
        t0 = Clock::now();
        table = SolvedTable::load(path, error);
        loads.push_back(since(t0) * 1000);
        if (!table) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
    }
    std::filesystem::remove(path);

    // One hint from cold (a new advisor each time), at positions of real
    // games, beside one random game through the rules as the baseline.
    std::vector<double> advises, randomGames;
    {
        Table t(7, 2);
        Advisor player(*table);
        AutoPlayer auto_(t.logic, t.state, player, Policy::Best, &t.rng, &t.script);
        t.newGame();
        for (int turn = 0; turn < 60; ++turn) {
            if (t.logic.IsGameOver()) t.newGame();
            for (int rolls = 0; rolls < 1 + turn % 3; ++rolls) {
                t.logic.RollButtonMouseUp();
                while (t.logic.DiceTumbling())
                    for (int d = 1; d <= 5; ++d)
                        if (t.state.DieAnimator(d)) t.logic.DieAnimatorTimer(d, t.state.DieAnimator(d));
                t.logic.RollPauseTimer();
            }
            const auto t0 = Clock::now();
            const Advice a = advise(*table, t.state, 1);
            advises.push_back(since(t0) * 1000);
            if (!a.available) return 1;
            t.logic.ResetDiceForTurn();
            auto_.playTurn();
        }
        Table r(8, 2);
        rp::test::RandomPlayer random(r.logic, r.state, r.script, r.rng, false);
        for (int g = 0; g < 21; ++g) {
            r.newGame();
            const auto t0 = Clock::now();
            random.playGame();
            randomGames.push_back(since(t0) * 1000);
        }
    }

    auto advisorGame = [&](Policy policy) {
        return [&table, policy](Table& t) {
            Advisor a(*table);
            AutoPlayer player(t.logic, t.state, a, policy, &t.rng, &t.script);
            player.playGame();
            if (policy == Policy::Best && t.state.GameType == 2) phantomRolls += player.phantoms();
        };
    };
    auto t0 = Clock::now();
    const Stats best = play(oneColumnGames, 1, 2, advisorGame(Policy::Best));
    const double simSeconds = since(t0);
    const Stats greedy1 = play(std::max(1, oneColumnGames / 5), 2, 2, advisorGame(Policy::Greedy));
    const Stats random1 = play(std::max(1, oneColumnGames / 5), 3, 2, [](Table& t) {
        t.fair = true;
        rp::test::RandomPlayer(t.logic, t.state, t.script, t.rng, false).playGame();
    });
    t0 = Clock::now();
    const Stats heuristic3 = play(threeColumnGames, 4, 1, advisorGame(Policy::Best));
    const double threeSeconds = since(t0);
    const Stats greedy3 = play(threeColumnGames, 5, 1, advisorGame(Policy::Greedy));

    const double start = solved->startValue();
    std::printf("one column: advisor %.2f +- %.2f over %d games (%.0f s), start value %.6f, "
                "off by %.1f standard errors\n",
                best.mean, best.se, oneColumnGames, simSeconds, start, (best.mean - start) / best.se);
    std::printf("one column: %d rolls set the five-of-a-kind flag without five alike at rest\n",
                phantomRolls);
    std::printf("one column: greedy %.2f +- %.2f, random player %.2f +- %.2f\n", greedy1.mean,
                greedy1.se, random1.mean, random1.se);
    std::printf("three columns (%d games, %.0f s): heuristic %.2f +- %.2f, greedy %.2f +- %.2f\n",
                threeColumnGames, threeSeconds, heuristic3.mean, heuristic3.se, greedy3.mean,
                greedy3.se);
    std::printf("baseline: raw read of the table %.2f ms, one random game through the rules %.3f ms\n",
                median(reads), median(randomGames));
    std::printf("solve_s=%.2f\n", median(solves));
    std::printf("table_bytes=%llu\n", static_cast<unsigned long long>(tableBytes));
    std::printf("start_value=%.6f\n", start);
    // The stored floats against the solve, at the start.
    std::printf("float_error_start=%.2g\n", std::abs(solved->value(ColumnState{}) - start));
    std::printf("sim_mean=%.3f sim_se=%.3f sim_games=%d\n", best.mean, best.se, oneColumnGames);
    std::printf("greedy_mean=%.3f\n", greedy3.mean);
    std::printf("heuristic_mean=%.3f\n", heuristic3.mean);
    std::printf("greedy1_mean=%.3f\n", greedy1.mean);
    std::printf("random_mean=%.3f\n", random1.mean);
    std::printf("advise_ms=%.3f\n", median(advises));
    std::printf("load_ms=%.2f\n", median(loads));
    return 0;
}
