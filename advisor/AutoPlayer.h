#pragma once
// Plays whole turns on the rules with the advisor's or a computer player's
// choices, through the same procedures the table's clicks call: for
// measuring them and for checking them against the real rules.

#include <deque>
#include <functional>
#include <random>
#include <stdexcept>

#include "Advisor.h"
#include "Logic.h"
#include "MoveLog.h"
#include "Opponent.h"

namespace rp::advisor {

class AutoPlayer {
public:
    // With a script, the dice of each roll are drawn here and queued for the
    // rules' dice source; without, the rules draw their own. `decide` gives
    // the next step of the player on turn with the dice at rest.
    AutoPlayer(mdlLogic& logic, GameState& state, std::function<Choice()> decide,
               std::mt19937* rng = nullptr, std::deque<int>* script = nullptr)
        : logic_(logic), s_(state), rng_(rng), script_(script), decide_(std::move(decide)) {}
    // The advisor's best choices.
    AutoPlayer(mdlLogic& logic, GameState& state, Advisor& advisor, Policy policy,
               std::mt19937* rng = nullptr, std::deque<int>* script = nullptr)
        : AutoPlayer(logic, state, [&advisor, policy, &state] {
              const Advice a = advisor.advise(state, state.CurrentPlayer, policy);
              if (!a.available) throw std::runtime_error("no advice: " + a.message);
              return a.best;
          }, rng, script) {}
    // A computer player's choices.
    AutoPlayer(mdlLogic& logic, GameState& state, Opponent& opponent, std::mt19937* rng = nullptr,
               std::deque<int>* script = nullptr)
        : AutoPlayer(logic, state, [&opponent, &state] { return opponent.decide(state, state.CurrentPlayer); },
                     rng, script) {}

    // Records every roll and entry in log, as the table does around the
    // same procedures.
    void setLog(MoveLog* log) { log_ = log; }

    // Rolls whose landing dice set the five-of-a-kind flag on the way
    // although the dice at rest are not five alike.
    int phantoms() const { return phantoms_; }

    void playGame() {
        while (!logic_.IsGameOver()) playTurn();
    }

    void playTurn() {
        roll();
        for (;;) {
            const Choice c = decide_();
            if (c.kind == Choice::Kind::Keep) {
                if (s_.RollCount >= 3) throw std::runtime_error("a keep with no roll left");
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

    // Clicks the chosen box; a refusal is a fault of whoever chose it.
    void enter(const Choice& c) {
        const bool bonus = c.kind == Choice::Kind::BonusBox;
        if (log_) log_->aboutToEnter(s_, c.column, c.row, bonus);
        const bool taken = bonus ? logic_.BonusBoxClick(c.column, c.row) : logic_.ScoreBoxClick(c.column, c.row);
        if (log_) log_->passed(s_);
        if (!taken) throw std::runtime_error("the rules refused the chosen box");
    }

    // One roll, the dice landing and the pause after it.
    void roll() {
        if (script_ && rng_) {
            script_->clear();
            for (int d = 1; d <= DiceCount; ++d)
                script_->push_back(std::uniform_int_distribution<int>(1, 6)(*rng_));
        }
        const bool seen = s_.PentaroShowing;
        if (log_) log_->aboutToRoll(s_);
        logic_.RollButtonMouseUp();
        if (log_) log_->passed(s_);
        // The dice land in die order, as they do on the table.
        while (logic_.DiceTumbling())
            for (int d = 1; d <= DiceCount; ++d)
                if (s_.DieAnimator(d) != 0) logic_.DieAnimatorTimer(d, s_.DieAnimator(d));
        logic_.RollPauseTimer();
        bool alike = true;
        for (int d = 2; d <= DiceCount; ++d) alike = alike && s_.Dice(d) == s_.Dice(1);
        if (!seen && s_.PentaroShowing && !alike) ++phantoms_;
    }

private:
    mdlLogic& logic_;
    GameState& s_;
    std::mt19937* rng_;
    std::deque<int>* script_;
    std::function<Choice()> decide_;
    MoveLog* log_ = nullptr;
    int phantoms_ = 0;
};

}  // namespace rp::advisor
