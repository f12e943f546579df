#pragma once
// The real dice: one generator seeded once from the system's entropy and the
// clock. Dice that land in the same millisecond still get independent
// values, because the sequence is never restarted.

#include <chrono>
#include <memory>
#include <random>

#include "Logic.h"

namespace rp {

inline DiceSource randomDice() {
    std::random_device entropy;
    std::seed_seq seed{entropy(), entropy(),
                       static_cast<unsigned>(
                           std::chrono::steady_clock::now().time_since_epoch().count())};
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine]() { return std::uniform_int_distribution<int>(1, 6)(*engine); };
}

}  // namespace rp
