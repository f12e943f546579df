#pragma once
// Every roll and entry of a game as the table passed it to the rules, kept
// in memory for the game review: the position before each move and what was
// done. Recording copies one player's card; nothing is written anywhere.
//
// An entry taken back (the state goes back to before it) or a new game is
// noticed by the next move: moves of that player at or after the new move's
// place in the game are dropped, with everything recorded after them.

#include <array>
#include <optional>
#include <vector>

#include "GameState.h"

namespace rp::advisor {

// One player's side of the game at a moment: the card, the dice, the roll.
struct Position {
    int player = 0, gameType = 0, numPlayers = 0, rollCount = 0;
    bool pentaro = false;
    std::array<Int16, DiceCount + 1> dice{};  // [1..5]
    unsigned kept = 0;                        // bit d-1: die d kept
    std::array<std::array<Int16, Rows + 1>, Columns + 1> score{};
    std::array<std::array<bool, Rows + 1>, Columns + 1> used{};
    std::array<std::array<Int16, BonusBoxes + 1>, Columns + 1> bonusScore{};
    std::array<std::array<bool, BonusBoxes + 1>, Columns + 1> bonusUsed{};
    std::array<Int16, Columns + 1> chips{};
    std::array<bool, Columns + 1> done{};

    static Position of(const GameState& s, int player);
    // This position as the state of its player's turn, for the advisor.
    void into(GameState& s) const;
    // Boxes filled so far: every entry fills at least one more.
    int progress() const;
};

struct Move {
    enum class Kind { Roll, Entry, Bonus };
    Kind kind = Kind::Roll;
    int column = 0, index = 0;  // Entry: column and row; Bonus: column and box
    Position before;            // a roll keeps the dice of before.kept
    int place = 0;              // where it stands in its player's game: later is larger
};

class MoveLog {
public:
    // The table calls these around each press of the roll and each box click
    // it passes to the rules; what the rules refused is not kept.
    void aboutToRoll(const GameState& s);
    void aboutToEnter(const GameState& s, int column, int index, bool bonus);
    void passed(const GameState& s);

    const std::vector<Move>& moves() const { return moves_; }
    // The moves of a resumed game, in the order they were made.
    void restore(std::vector<Move> moves);
    void clear() {
        moves_.clear();
        pending_.reset();
    }

private:
    void keep(Move m);
    std::optional<Move> pending_;
    std::vector<Move> moves_;
};

}  // namespace rp::advisor
