#include "Words.h"
#include "TableComputer.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <exception>

#include "frmMain.h"

namespace rp {

namespace {
constexpr int PollMilliseconds = 50;     // while the dice tumble
constexpr int HeldMilliseconds = 100;    // while a window holds the turn
constexpr unsigned AllDice = (1u << DiceCount) - 1;
}  // namespace

// Slow is the first pace there was: a die at a time, the dice tumbling and
// the pause after the roll waited out, the sign between people kept. The
// others fit a whole turn of three rolls, signs included, into about 1 s
// (Fast) or 3 s (Normal), every step still shown: the roll landed, the dice
// kept, the box framed.
TableComputer::Timing TableComputer::timing(Pace pace) {
    switch (pace) {
        case Pace::Slow: return {1400, 150, 1400, -1, true, true};
        case Pace::Fast: return {0, 0, 100, 80, false, false};
        case Pace::Instant: return {0, 0, 0, 0, false, false};
        case Pace::Normal: break;
    }
    return {0, 50, 180, 150, true, false};
}

int TableComputer::stepMilliseconds(Pace pace) { return timing(pace).step; }

int TableComputer::signMilliseconds(Pace pace) const {
    const int ms = timing(pace).sign;
    return ms < 0 ? signMilliseconds_ : ms;
}

bool TableComputer::isComputerSeat(int player) const {
    return player >= 1 && player <= MaxPlayers && seats_.isComputer(player);
}

// Instant plays as a hurried turn from its first step: the dice land at once.
bool TableComputer::quick() const { return hurry_ || seats_.pace == Pace::Instant; }

TableComputer::TableComputer(frmMain& table, Seats& seats, OpponentSource source)
    : QObject(&table), tmrComputer(new QTimer(this)), table_(table), seats_(seats), source_(std::move(source)) {
    tmrComputer->setSingleShot(true);
    connect(tmrComputer, &QTimer::timeout, this, [this] { tmrComputer_Timer(); });
    table_.setComputerOnTurn([this] { return onTurn(); });
    table_.setComputerAtSign([this] {
        return isComputerSeat(enterer_) || isComputerSeat(table_.gameState().CurrentPlayer);
    });
    connect(&table_, &frmMain::personInterrupted, this, [this] { hurry(); });
    // The next-player sign is the rules' pause between people; where a
    // computer comes or goes it lasts only as long as the pace allows.
    signMilliseconds_ = table_.tmrNext->interval();
    connect(&table_, &frmMain::aboutToEnter, this, [this] { enterer_ = table_.gameState().CurrentPlayer; });
    connect(&table_, &frmMain::entered, this, [this] {
        QTimer* sign = table_.tmrNext;
        if (!sign->isActive()) return;
        const int next = table_.gameState().CurrentPlayer;
        const bool computer = isComputerSeat(enterer_) || isComputerSeat(next);
        const int ms = computer ? signMilliseconds(seats_.pace) : signMilliseconds_;
        if (sign->interval() != ms) sign->start(ms);
    });
    // A turn that may be a computer's: the next player, a new game, a
    // restored one. The step itself decides whether there is anything to do.
    connect(&table_, &frmMain::turnChanged, this, [this] {
        const GameState& s = table_.gameState();
        const int p = s.CurrentPlayer;
        if (p >= 1 && p <= MaxPlayers && seats_.isComputer(p) && !s.TurnPassing && !tmrComputer->isActive())
            schedule(timing(seats_.pace).first);
    });
}

bool TableComputer::onTurn() const {
    const GameState& s = table_.gameState();
    const int p = s.CurrentPlayer;
    return s.GameInProgress && !s.TurnPassing && p >= 1 && p <= s.NumPlayers && p <= MaxPlayers &&
           seats_.isComputer(p);
}

void TableComputer::schedule(int milliseconds) { tmrComputer->start(milliseconds); }

void TableComputer::next(int milliseconds) { schedule(quick() ? 0 : milliseconds); }

void TableComputer::hurry() {
    if (!onTurn()) return;
    hurry_ = true;
    if (tmrComputer->isActive()) schedule(0);
}

void TableComputer::act(const std::function<void()>& press) {
    table_.setComputerActing(true);
    press();
    table_.setComputerActing(false);
}

void TableComputer::tmrComputer_Timer() {
    tmrComputer->stop();
    if (!onTurn()) {
        plan_.reset();
        hurry_ = pressing_ = false;
        return;
    }
    const GameState& s = table_.gameState();
    if (s.CurrentPlayer != turnPlayer_) {
        turnPlayer_ = s.CurrentPlayer;
        stopped_.clear();
    }
    // A window in front (high scores, a confirmation) holds the turn.
    if (QApplication::activeModalWidget() || !table_.isVisible()) return schedule(HeldMilliseconds);
    if (pressing_) {
        pressing_ = false;
        act([this] { table_.imgRollButton->release(); });
        return next(PollMilliseconds);
    }
    bool tumbling = false;
    for (int d = 1; d <= DiceCount; ++d) tumbling = tumbling || s.DieAnimator(d) != 0;
    if (tumbling || table_.tmrRollPause->isActive()) {
        const Timing t = timing(seats_.pace);
        // Slow waits for the pause too; the others only for the tumbling they show.
        if (!quick() && (tumbling ? t.tumble : t.oneByOne)) return schedule(PollMilliseconds);
        finishRollNow();
        if (!quick()) return schedule(t.step);  // the landed dice, seen a moment
    }
    if (s.RollCount == 0) return roll();
    if ((!plan_ || !samePosition(*plan_)) && !makePlan()) return;
    if (plan_->choice.kind == advisor::Choice::Kind::Keep) keepStep();
    else entryStep();
}

// The dice land and the pause ends at once: the frames the timers would
// have shown, shown in a moment.
void TableComputer::finishRollNow() {
    for (bool ticked = true; ticked;) {
        ticked = false;
        for (int d = 1; d <= DiceCount; ++d)
            for (int e = 1; e <= 6; ++e)
                if (table_.tmrDieAnimator(d, e)->isActive()) {
                    table_.tmrDieAnimator_Timer(d, e);
                    ticked = true;
                    break;
                }
    }
    if (table_.tmrRollPause->isActive()) table_.tmrRollPause_Timer();
}

bool TableComputer::samePosition(const Plan& plan) const {
    const GameState& s = table_.gameState();
    if (plan.player != s.CurrentPlayer || plan.rolls != s.RollCount) return false;
    for (int d = 1; d <= DiceCount; ++d)
        if (plan.dice[d] != s.Dice(d)) return false;
    return true;
}

bool TableComputer::makePlan() {
    const GameState& s = table_.gameState();
    std::string error;
    advisor::Opponent* opponent = source_(s.CurrentPlayer, error);
    if (!opponent) {
        if (stopped_.isEmpty()) {
            stopped_ = translate("Table", "The computer cannot play: %1").arg(QString::fromStdString(error));
            table_.lblHint->setText(stopped_);
            table_.lblHint->setAccessibleName(stopped_);
            table_.announce(stopped_);
        }
        return false;
    }
    Plan plan;
    plan.player = s.CurrentPlayer;
    plan.rolls = s.RollCount;
    for (int d = 1; d <= DiceCount; ++d) plan.dice[d] = s.Dice(d);
    try {
        plan.choice = opponent->decide(s, s.CurrentPlayer);
        // Keeping all five would roll nothing: that is an entry now.
        if (plan.choice.kind == advisor::Choice::Kind::Keep && (plan.choice.keepMask & AllDice) == AllDice) {
            GameState last = s;
            last.RollCount = 3;
            plan.choice = opponent->decide(last, s.CurrentPlayer);
        }
    } catch (const std::exception& e) {
        // Never a crash of the table: the person can still start a new game.
        std::fprintf(stderr, "Real Pentaro: the computer cannot decide: %s\n", e.what());
        return false;
    }
    if (plan.choice.kind == advisor::Choice::Kind::Roll) plan.choice = {advisor::Choice::Kind::Keep, 0};
    plan_ = plan;
    return true;
}

// One die at a time to where the plan wants it, then the roll.
// (At Slow one die at a time, otherwise all at once.) The keeps are told,
// then seen for a step, then rolled.
void TableComputer::keepStep() {
    const GameState& s = table_.gameState();
    const unsigned mask = plan_->choice.keepMask;
    const Timing t = timing(seats_.pace);
    bool moved = false;
    for (int d = 1; d <= DiceCount; ++d) {
        const bool keep = (mask >> (d - 1)) & 1;
        if (keep == s.DieKept(d)) continue;
        act([this, d, keep] {
            if (keep) table_.imgRollingDice_Click(d);
            else table_.imgKeepDice_Click(d);
        });
        moved = true;
        if (t.oneByOne && !quick()) return next(t.step);
    }
    if (!plan_->keptSaid) {
        plan_->keptSaid = true;
        QStringList kept;
        for (int d = 1; d <= DiceCount; ++d)
            if (s.DieKept(d)) kept << QString::number(s.Dice(d));
        if (!kept.isEmpty())
            table_.tellStep(translate("Table", "%1 keeps %2").arg(QString::fromStdString(s.PlayerName(s.CurrentPlayer)),
                                                  kept.join(u' ')));
        if (moved) return next(t.step);
    }
    roll();
}

void TableComputer::roll() {
    plan_.reset();
    pressing_ = true;
    act([this] { table_.imgRollButton->press(); });
    next(timing(seats_.pace).press);
}

TableLabel* TableComputer::boxOf(const advisor::Choice& c) const {
    return c.kind == advisor::Choice::Kind::BonusBox ? table_.lblGameY(c.column, c.row)
                                                     : table_.lblGame(c.column, c.row);
}

// The box is framed for a step, then entered.
void TableComputer::entryStep() {
    TableLabel* box = boxOf(plan_->choice);
    if (!plan_->framed) {
        plan_->framed = true;
        box->setSuggested(true);
        return next(timing(seats_.pace).step);
    }
    box->setSuggested(false);
    const advisor::Choice c = plan_->choice;
    plan_.reset();
    hurry_ = false;  // the hurry was for this turn
    act([this, &c] {
        if (c.kind == advisor::Choice::Kind::BonusBox) table_.lblGameY_Click(c.column, c.row);
        else table_.lblGame_Click(c.column, c.row);
    });
    // A solo computer goes straight on; otherwise the next player's turn
    // (or the end of the game) takes over.
    schedule(stepMilliseconds(seats_.pace));
}

}  // namespace rp
