#pragma once
// Whether a game in progress is one the rules could have reached by play:
// for a position that comes from outside (the kept game), which is believed
// only when every box, total, chip, die and turn fits the others.

#include <string>

#include "GameState.h"

namespace rp {

// The longest name the new-game dialog takes.
constexpr int MaxNameLength = 10;

// Empty when the game (a game in progress, not yet over) is reachable;
// otherwise the first thing that is not, in a few words.
std::string whyUnreachable(const GameState& g);

// Empty when `before` is an earlier position of the same game as `now`,
// at most one round of entries back and taken in front of a roll's entry.
std::string whyNotEarlier(const GameState& before, const GameState& now);

// Entries made so far by every player together: every box filled by a
// click counts one, a given-up 50-point box one.
int entriesMade(const GameState& g);

// A name the dialog could have produced: at most MaxNameLength characters of
// valid UTF-8, none of them a control character.
bool nameFits(const std::string& name);

}  // namespace rp
