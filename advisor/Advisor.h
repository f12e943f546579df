#pragma once
// The hint: the best move for the player on turn and what it is worth.
// Exact for a one-column game of one player; for three columns a
// heuristic on the same table. No window, no Qt: the table calls
//
//     std::string error;
//     auto table = rp::advisor::SolvedTable::load(dir + "/advisor.bin", error);
//     rp::advisor::Advice a = rp::advisor::advise(*table, state, state.CurrentPlayer);
//
// and shows a.best; a.expected is the expected final score with best play.

#include <memory>
#include <string>
#include <vector>

#include "GameState.h"
#include "SolvedTable.h"

namespace rp::advisor {

struct Choice {
    enum class Kind { Roll, Keep, ScoreBox, BonusBox };
    Kind kind = Kind::Roll;
    unsigned keepMask = 0;  // Keep: bit i-1 set = die i to keep, the others roll
    int column = 0;         // ScoreBox, BonusBox: column 1..3
    int row = 0;            // ScoreBox: row 1..16; BonusBox: box 1..3
    int points = 0;         // ScoreBox, BonusBox: points it adds now, chips and upper bonus included
    double value = 0;       // expected final score after this choice and best play
    double loss = 0;        // expected points lost against the best choice
    bool isEntry() const { return kind == Kind::ScoreBox || kind == Kind::BonusBox; }
};

struct Advice {
    bool available = false;  // false: `message` says why there is no hint
    std::string message;
    bool exact = false;      // true for a one-column game played alone
    double expected = 0;     // expected final score (grand total) with best play from here
    Choice best;
    std::vector<Choice> choices;  // every legal choice, best first
};

enum class Policy {
    Best,    // the solved values (exact in the one-column game)
    Greedy,  // the most points this turn: the yardstick for the heuristic
};

// Keeps what one turn of solving needs, so that asking again in the same
// turn (after a roll, say) is quick.
class Advisor {
public:
    explicit Advisor(const SolvedTable& table);
    Advisor(Advisor&&) noexcept;  // so that a computer player can be kept by value
    ~Advisor();
    Advice advise(const GameState& state, int player, Policy policy = Policy::Best);

private:
    struct Cache;
    const SolvedTable& table_;
    std::unique_ptr<Cache> cache_;
};

Advice advise(const SolvedTable& table, const GameState& state, int player);

// The column of player p as the solver sees it; the points it holds so far.
ColumnState columnOf(const GameState& state, int player, int column);
int pointsSoFar(const GameState& state, int player, int column);

}  // namespace rp::advisor
