#pragma once
// A computer player: the advisor's engine, with mistakes at the two lower
// strengths. Hard plays the best choice the advisor knows (exact in the
// one-column game). Medium and Easy choose among the legal choices at
// random, a choice being the less likely the more points it loses against
// the best: weight exp(-loss / temperature). Whatever it picks is a choice
// the rules take, so a computer never has a click refused.

#include <cstdint>
#include <random>

#include "Advisor.h"

namespace rp::advisor {

enum class Level { Easy, Medium, Hard };

class Opponent {
public:
    // seed: the source of the mistakes (tests seed it; the game passes a random seed). The dice stay the game's.
    Opponent(const SolvedTable& table, Level level, std::uint64_t seed);
    // The next step of `player`, asked when it is that player's turn and the dice are at rest after
    // a roll (RollCount > 0 rolls used this turn). Returns a Choice of kind Keep (keepMask = dice to
    // keep; the others roll next; never returned when no roll is left) or an entry (ScoreBox with
    // column,row / BonusBox with column,box) that the rules accept now. Never an illegal or refused move.
    // Before the first roll of a turn it returns a Choice of kind Roll. Asked when the player has no
    // turn (another player's turn, dice tumbling, card complete) it throws std::logic_error.
    Choice decide(const GameState& state, int player);

    Level level() const { return level_; }
    // Points lost per factor e of likelihood, for one column; the three-column
    // game scales it by the mean column weight, as its losses are weighted so.
    static double temperature(Level level);
    // For tuning the levels: another temperature than the level's.
    void setTemperature(double t) { temperature_ = t; }

private:
    Advisor advisor_;
    Level level_;
    double temperature_;
    std::mt19937_64 rng_;
};

}  // namespace rp::advisor
