#pragma once
// Plays whole games through the rules, choosing among the advisor's legal
// choices by a policy, and records every move as the table does: around the
// same procedures its clicks call. For the review's tests and benchmark.

#include <deque>
#include <functional>
#include <random>
#include <stdexcept>

#include "Advisor.h"
#include "Logic.h"
#include "MoveLog.h"

namespace rp::test {

class LoggedPlayer {
public:
    // Picks one of the advice's choices (all legal), by index.
    using Policy = std::function<std::size_t(const advisor::Advice&)>;

    LoggedPlayer(mdlLogic& logic, GameState& state, advisor::Advisor& advisor, advisor::MoveLog& log,
                 std::mt19937& rng, std::deque<int>& script)
        : logic_(logic), s_(state), advisor_(advisor), log_(log), rng_(rng), script_(script) {}

    void playGame(const Policy& policy) {
        while (!logic_.IsGameOver()) playTurn(policy);
    }

    void playTurn(const Policy& policy) {
        roll();
        for (;;) {
            const advisor::Advice a = advisor_.advise(s_, s_.CurrentPlayer);
            if (!a.available) throw std::runtime_error("no advice: " + a.message);
            const advisor::Choice& c = a.choices.at(policy(a));
            if (c.kind == advisor::Choice::Kind::Keep) {
                for (int d = 1; d <= DiceCount; ++d) {
                    const bool keep = (c.keepMask >> (d - 1)) & 1;
                    if (keep && !s_.DieKept(d)) logic_.RollingDiceClick(d);
                    if (!keep && s_.DieKept(d)) logic_.KeepDiceClick(d);
                }
                roll();
                continue;
            }
            enter(c);
            break;
        }
        if (!logic_.IsGameOver() && s_.NumPlayers > 1) logic_.NextPlayerTimer();
    }

    void enter(const advisor::Choice& c) {
        const bool bonus = c.kind == advisor::Choice::Kind::BonusBox;
        log_.aboutToEnter(s_, c.column, c.row, bonus);
        const bool taken = bonus ? logic_.BonusBoxClick(c.column, c.row) : logic_.ScoreBoxClick(c.column, c.row);
        log_.passed(s_);
        if (!taken) throw std::runtime_error("the rules refused a legal box");
    }

    void roll() {
        script_.clear();
        for (int d = 1; d <= DiceCount; ++d) script_.push_back(std::uniform_int_distribution<int>(1, 6)(rng_));
        log_.aboutToRoll(s_);
        logic_.RollButtonMouseUp();
        log_.passed(s_);
        while (logic_.DiceTumbling())
            for (int d = 1; d <= DiceCount; ++d)
                if (s_.DieAnimator(d) != 0) logic_.DieAnimatorTimer(d, s_.DieAnimator(d));
        logic_.RollPauseTimer();
    }

    static std::size_t best(const advisor::Advice&) { return 0; }
    Policy random() {
        return [this](const advisor::Advice& a) {
            return std::uniform_int_distribution<std::size_t>(0, a.choices.size() - 1)(rng_);
        };
    }

private:
    mdlLogic& logic_;
    GameState& s_;
    advisor::Advisor& advisor_;
    advisor::MoveLog& log_;
    std::mt19937& rng_;
    std::deque<int>& script_;
};

}  // namespace rp::test
