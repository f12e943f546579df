#pragma once
// The review's record of moves as the game file keeps it, and back: the
// kept moves are played again through the rules from the game's start, so
// every position the review reads is one the rules made. A record that does
// not lead to the kept card is not believed.

#include <optional>
#include <vector>

#include "GameSnapshot.h"
#include "MoveLog.h"

namespace rp::advisor {

std::vector<MoveRecord> recordsOf(const std::vector<Move>& moves);

// The moves of `records` that lead, played from a new game of `now`'s
// players, to the position `now` (the longest such beginning: moves taken
// back after it are left out); nullopt when none does.
std::optional<std::vector<Move>> replayMoves(const GameState& now, const std::vector<MoveRecord>& records);

}  // namespace rp::advisor
