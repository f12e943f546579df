#pragma once
// Solves the one-column game for one player by working back from the full
// card: each between-turn state's value is the expected best turn onto the
// states after it.

#include <memory>

#include "SolvedTable.h"

namespace rp::advisor {

std::unique_ptr<SolvedTable> solveOneColumn();

}  // namespace rp::advisor
