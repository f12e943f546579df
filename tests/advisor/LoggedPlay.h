#pragma once
// Plays whole games through the rules, choosing among the advisor's legal
// choices by a policy, and records every move as the table does: the
// auto-player's turns with a move log. For the review's tests and benchmark.

#include <deque>
#include <functional>
#include <random>
#include <stdexcept>

#include "Advisor.h"
#include "AutoPlayer.h"
#include "MoveLog.h"

namespace rp::test {

class LoggedPlayer {
public:
    // Picks one of the advice's choices (all legal), by index.
    using Policy = std::function<std::size_t(const advisor::Advice&)>;

    LoggedPlayer(mdlLogic& logic, GameState& state, advisor::Advisor& advisor, advisor::MoveLog& log,
                 std::mt19937& rng, std::deque<int>& script)
        : s_(state), rng_(rng), auto_(logic, state, [this, &advisor] { return choose(advisor); }, &rng, &script) {
        auto_.setLog(&log);
    }

    void playGame(const Policy& policy) {
        policy_ = &policy;
        auto_.playGame();
    }

    void enter(const advisor::Choice& c) { auto_.enter(c); }
    void roll() { auto_.roll(); }

    static std::size_t best(const advisor::Advice&) { return 0; }
    Policy random() {
        return [this](const advisor::Advice& a) {
            return std::uniform_int_distribution<std::size_t>(0, a.choices.size() - 1)(rng_);
        };
    }

private:
    advisor::Choice choose(advisor::Advisor& advisor) {
        const advisor::Advice a = advisor.advise(s_, s_.CurrentPlayer);
        if (!a.available) throw std::runtime_error("no advice: " + a.message);
        return a.choices.at((*policy_)(a));
    }

    GameState& s_;
    std::mt19937& rng_;
    const Policy* policy_ = nullptr;
    advisor::AutoPlayer auto_;
};

}  // namespace rp::test
