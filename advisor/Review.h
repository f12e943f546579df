#pragma once
// The review of one player's finished game: what each decision cost against
// best play and what each roll brought, from the moves the table recorded.
//
// V is the expected final score with best play. A decision costs
// V(best choice) - V(choice made); a roll brings V(after it) - V(before it),
// V before a roll being the value of the keep it was made with, or of the
// previous entry for a turn's first roll. The sums telescope, so
// final score = start - cost + luck up to float rounding. Exact for the
// one-column game; for three columns the values are the heuristic's.

#include <string>
#include <vector>

#include "Advisor.h"
#include "MoveLog.h"

namespace rp::advisor {

struct ReviewedDecision {
    int turn = 0, roll = 0;  // the choice made after roll `roll` of turn `turn`
    Position position;       // the card and dice as they were
    Choice made, best;
    double cost = 0;
};

struct TurnCourse {
    double expected = 0;  // with best play from here, after the turn's entry
    double banked = 0;    // points on the card after the entry
    double cost = 0, luck = 0;
};

struct GameReview {
    bool available = false;
    std::string message;  // why there is no review
    bool estimate = false;
    double start = 0;     // V at the start of the game
    double cost = 0, luck = 0;
    int final = 0;        // the grand total the game ended with
    // Every decision that had a choice, in the order of the game; a move the
    // rules forced (one legal box) costs nothing and is left out.
    std::vector<ReviewedDecision> decisions;
    std::vector<TurnCourse> turns;  // [0]: before the first turn
    double identityError() const { return final - (start - cost + luck); }
};

// `final` is the player's grand total at the end of the game.
GameReview reviewGame(Advisor& advisor, const std::vector<Move>& moves, int player, int final);

}  // namespace rp::advisor
