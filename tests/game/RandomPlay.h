#pragma once
// A player who rolls, keeps and enters at random through the same procedures
// the table's clicks call. Used by the random-game test and the benchmark.

#include <deque>
#include <random>
#include <stdexcept>
#include <vector>

#include "Logic.h"

namespace rp::test {

class RandomPlayer {
public:
    RandomPlayer(mdlLogic& logic, GameState& state, std::deque<int>& script, std::mt19937& rng,
                 bool wild)
        : logic_(logic), s_(state), script_(script), rng_(rng), wild_(wild) {}

    // Plays turns until the game is over.
    void playGame() {
        while (!logic_.IsGameOver()) playTurn();
    }

    void playTurn() {
        const int rolls = 1 + pick(3);
        for (int i = 0; i < rolls; ++i) {
            if (i > 0) shuffleKeptDice();
            roll();
        }
        for (int attempt = 0; attempt < 1000; ++attempt) {
            if (tryEntry()) {
                if (!logic_.IsGameOver() && s_.NumPlayers > 1) logic_.NextPlayerTimer();
                return;
            }
        }
        throw std::runtime_error("no box would take the dice");
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    void roll() {
        script_.clear();
        // Now and then every rolled die shows the same face, to make five of a kinds.
        const bool forceFive = pick(6) == 0;
        int face = 1 + pick(6);
        for (int d = 1; d <= DiceCount; ++d)
            if (s_.DieKept(d)) face = s_.Dice(d);
        for (int d = 1; d <= DiceCount; ++d) script_.push_back(forceFive ? face : 1 + pick(6));
        logic_.RollButtonMouseUp();
        while (logic_.DiceTumbling())
            for (int d = 1; d <= DiceCount; ++d)
                if (s_.DieAnimator(d) != 0) logic_.DieAnimatorTimer(d, s_.DieAnimator(d));
        logic_.RollPauseTimer();
    }

    void shuffleKeptDice() {
        for (int d = 1; d <= DiceCount; ++d) {
            if (pick(3) != 0) continue;
            if (s_.DieKept(d)) logic_.KeepDiceClick(d); else logic_.RollingDiceClick(d);
        }
    }

    bool tryEntry() {
        const int columns = s_.GameType == 2 ? 1 : Columns;
        const int p = s_.CurrentPlayer;
        if (wild_ && pick(8) == 0) {
            // Any box at all, open or not, in play or not.
            const int c = 1 + pick(3);
            return pick(4) == 0 ? logic_.BonusBoxClick(c, 1 + pick(3))
                                : logic_.ScoreBoxClick(c, 1 + pick(20));
        }
        candidates_.clear();
        for (int c = 1; c <= columns; ++c) {
            for (int r : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16})
                if (!s_.Used(p, r, c)) candidates_.push_back({c, r});
            for (int b = 1; b <= BonusBoxes; ++b)
                if (!s_.BonusUsed(p, b, c)) candidates_.push_back({c, -b});
        }
        if (candidates_.empty()) throw std::runtime_error("open card without open boxes");
        const auto [c, r] = candidates_[static_cast<std::size_t>(pick(static_cast<int>(candidates_.size())))];
        return r > 0 ? logic_.ScoreBoxClick(c, r) : logic_.BonusBoxClick(c, -r);
    }

    mdlLogic& logic_;
    GameState& s_;
    std::deque<int>& script_;
    std::mt19937& rng_;
    bool wild_;
    std::vector<std::pair<int, int>> candidates_;
};

}  // namespace rp::test
