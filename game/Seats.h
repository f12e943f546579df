#pragma once
// Who plays each seat of the game, and what the table knows of a player
// beyond the rules: a computer's strength and whether a person asked for a
// hint this game. Kept beside GameState (not in it) so the rules never
// learn who clicked.

#include "GameState.h"

namespace rp {

enum class SeatKind : int { Person = 0, Easy = 1, Medium = 2, Hard = 3 };

// How long a computer waits between its steps; Instant does not wait at all.
enum class Pace : int { Slow = 0, Normal = 1, Fast = 2, Instant = 3 };
constexpr Pace LastPace = Pace::Instant;  // the highest a stored pace may be

struct Seats {
    Array1<SeatKind, MaxPlayers> kind;   // Person unless chosen otherwise
    Array1<bool, MaxPlayers> hintUsed;  // a person asked for a hint this game
    Pace pace = Pace::Normal;

    bool isComputer(int player) const { return kind(player) != SeatKind::Person; }
    // A new game: the same seats, no hint asked yet.
    void newGame() { hintUsed.fill(false); }
    bool operator==(const Seats&) const = default;
};

}  // namespace rp
