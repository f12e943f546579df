#include "Opponent.h"

namespace rp::advisor {

Opponent::Opponent(const SolvedTable& table, Level level, std::uint64_t seed)
    : advisor_(table), level_(level), rng_(seed) {}

Opponent::~Opponent() = default;

Choice Opponent::decide(const GameState& state, int player) {
    return advisor_.advise(state, player).best;
}

}  // namespace rp::advisor
