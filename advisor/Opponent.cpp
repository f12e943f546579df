#include "Opponent.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace rp::advisor {

namespace {

// Keeps of the same dice are one choice, however many masks name them;
// with a five of a kind seen this turn, whether die 1 stays counts too
// (its face is the joker number).
int keepKey(const GameState& s, unsigned mask) {
    int key = 0;
    for (int d = 1; d <= DiceCount; ++d)
        if ((mask >> (d - 1)) & 1) key += 1 << (3 * (s.Dice(d) - 1));
    if (s.PentaroShowing && (mask & 1)) key |= 1 << 18;
    return key;
}

}  // namespace

Opponent::Opponent(const SolvedTable& table, Level level, std::uint64_t seed)
    : advisor_(table), level_(level), temperature_(temperature(level)), rng_(seed) {}

double Opponent::temperature(Level level) {
    switch (level) {
        case Level::Easy: return 2.2;
        case Level::Medium: return 1.2;
        case Level::Hard: break;
    }
    return 0;
}

Choice Opponent::decide(const GameState& s, int player) {
    const Advice advice = advisor_.advise(s, player);
    if (!advice.available) throw std::logic_error("no move to decide: " + advice.message);
    const double t = temperature_ * (s.GameType == 2 ? 1.0 : 2.0);
    if (t <= 0 || advice.choices.size() == 1) return advice.best;

    // The best choice, and each other choice once. Choices that lose nothing
    // are left to the best: the advisor breaks such ties sensibly (no roll
    // that changes nothing), and a mistake should cost something.
    std::vector<const Choice*> pool{&advice.best};
    std::vector<double> weight{1.0};
    std::vector<int> seen;
    for (std::size_t i = 1; i < advice.choices.size(); ++i) {
        const Choice& c = advice.choices[i];
        if (c.loss < 1e-6) continue;
        if (c.kind == Choice::Kind::Keep) {
            const int key = keepKey(s, c.keepMask);
            if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
            seen.push_back(key);
        }
        pool.push_back(&c);
        weight.push_back(std::exp(-c.loss / t));
    }
    std::discrete_distribution<std::size_t> pick(weight.begin(), weight.end());
    return *pool[pick(rng_)];
}

}  // namespace rp::advisor
