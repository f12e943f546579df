#pragma once
// A computer player: the advisor's choices, with mistakes at the lower levels.

#include <cstdint>
#include <memory>
#include <random>

#include "Advisor.h"

namespace rp::advisor {

enum class Level { Easy, Medium, Hard };

class Opponent {
public:
    Opponent(const SolvedTable& table, Level level, std::uint64_t seed);
    ~Opponent();
    Choice decide(const GameState& state, int player);

private:
    Advisor advisor_;
    Level level_;
    std::mt19937_64 rng_;
};

}  // namespace rp::advisor
