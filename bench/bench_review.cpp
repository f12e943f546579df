// The game review's costs: recording one decision, building the review of a
// solo one-column game and of a four-player three-column game, and how
// closely final = start - costs + luck holds over many games. Ends with one
// figure per line.
//   bench_review [one-column games for the identity]

#include <algorithm>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "LoggedPlay.h"
#include "Review.h"
#include "Rig.h"

namespace {

using namespace rp;
using namespace rp::advisor;
using namespace rp::test;
// CPU time of this thread: the machine is shared, and a review runs on one thread.
struct Clock {
    using time_point = double;
    static double now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
};

double msSince(double t) { return Clock::now() - t; }

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// One game played by random legal choices, recorded.
void playRecorded(Rig& rig, Advisor& advisor, MoveLog& log, std::mt19937& rng, int players, int type) {
    rig.newGame(players, type, false);
    LoggedPlayer player(rig.logic, rig.state, advisor, log, rng, rig.script);
    player.playGame(player.random());
}

}  // namespace

int main(int argc, char** argv) {
    const int identityGames = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::string error;
    const auto table = SolvedTable::load(ADVISOR_BIN, error);
    if (!table) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    Rig rig;
    Advisor player(*table);
    MoveLog log;
    std::mt19937 rng(2019);

    // Each review from a cold advisor, as the review window builds one.
    std::vector<double> one, four, all;
    for (int i = 0; i < 21; ++i) {
        playRecorded(rig, player, log, rng, 1, 2);
        const auto t0 = Clock::now();
        Advisor advisor(*table);
        const GameReview r = reviewGame(advisor, log.moves(), 1, rig.state.GrandTotal(1));
        one.push_back(msSince(t0));
        if (!r.available) return std::fprintf(stderr, "%s\n", r.message.c_str()), 1;
    }
    std::size_t moves = 0;
    for (int i = 0; i < 7; ++i) {
        playRecorded(rig, player, log, rng, 4, 1);
        moves = log.moves().size();
        // The window builds one person's review; the slowest of the four counts.
        double slowest = 0, sum = 0;
        for (int p = 1; p <= 4; ++p) {
            const auto t0 = Clock::now();
            Advisor advisor(*table);
            reviewGame(advisor, log.moves(), p, rig.state.GrandTotal(p));
            slowest = std::max(slowest, msSince(t0));
            sum += msSince(t0);
        }
        four.push_back(slowest);
        all.push_back(sum);
    }

    // Recording: the moves of that four-player game again, each between the
    // state before it and the state the rules left.
    std::vector<std::pair<GameState, GameState>> steps;
    for (const Move& m : log.moves()) {
        GameState before = rig.state, after;
        m.before.into(before);
        after = before;
        if (m.kind == Move::Kind::Roll) ++after.RollCount;
        else if (m.kind == Move::Kind::Entry) after.Used(m.before.player, m.index, m.column) = true;
        else after.BonusUsed(m.before.player, m.index, m.column) = true;
        steps.emplace_back(before, after);
    }
    MoveLog again;
    const double t0 = Clock::now();
    for (int round = 0; round < 20; ++round) {
        again.clear();
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const Move& m = log.moves()[i];
            if (m.kind == Move::Kind::Roll) again.aboutToRoll(steps[i].first);
            else again.aboutToEnter(steps[i].first, m.column, m.index, m.kind == Move::Kind::Bonus);
            again.passed(steps[i].second);
        }
    }
    const double recordUs = msSince(t0) * 1000 / (20.0 * static_cast<double>(steps.size()));
    if (again.moves().size() != moves) return std::fprintf(stderr, "recording lost moves\n"), 1;

    double worst = 0;
    for (int g = 0; g < identityGames; ++g) {
        playRecorded(rig, player, log, rng, 1, 2);
        const GameReview r = reviewGame(player, log.moves(), 1, rig.state.GrandTotal(1));
        if (!r.available) return std::fprintf(stderr, "%s\n", r.message.c_str()), 1;
        worst = std::max(worst, std::abs(r.identityError()));
    }

    std::printf("CPU time of one thread; a four-player three-column game of %zu moves; all four of its reviews %.1f ms\n",
                moves, median(all));
    std::printf("review_ms_one=%.3f\n", median(one));
    std::printf("review_ms_three_four=%.3f\n", median(four));
    std::printf("record_us=%.3f\n", recordUs);
    std::printf("identity_max_err=%.2g\n", worst);
    return 0;
}
