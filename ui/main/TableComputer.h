#pragma once
// A computer player's turn on the table, step by step at a pace a person
// can follow: it presses what a person would press (the roll button, a die,
// a box) through the table's own handlers, so every rule, sound and caption
// is the same. It keeps no plan of its own across steps: each step reads the
// game afresh, so a new game, an undo or a restored game simply goes on.

#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "Opponent.h"
#include "Seats.h"

class QTimer;

namespace rp {

class frmMain;
class TableLabel;

class TableComputer : public QObject {
    Q_OBJECT
public:
    // The opponent that plays `player`'s seat; null, with error set, when
    // there is none (no solved table).
    using OpponentSource = std::function<advisor::Opponent*(int player, std::string& error)>;
    TableComputer(frmMain& table, Seats& seats, OpponentSource source);

    // A computer plays the turn on the table now.
    bool onTurn() const;
    // One step of the turn: tmrComputer fired.
    void tmrComputer_Timer();
    QTimer* tmrComputer;
    // The rest of this turn without waits.
    void hurry();
    bool hurried() const { return hurry_; }
    // No waits at all: hurried, or played at the Instant pace.
    bool quick() const;

    // How a pace plays a turn: the waits before its first step, with the
    // roll button down and after each step; the next-player sign where a
    // computer comes or goes (-1: as between people); whether it waits for
    // the dice to tumble and moves one die a step.
    struct Timing {
        int first, press, step, sign;
        bool tumble, oneByOne;
    };
    static Timing timing(Pace pace);
    // Milliseconds between two steps at a pace.
    static int stepMilliseconds(Pace pace);
    // How long the next-player sign shows where a computer comes or goes.
    int signMilliseconds(Pace pace) const;

private:
    struct Plan {
        int player = 0, rolls = 0;
        std::array<int, 6> dice{};
        advisor::Choice choice;
        bool framed = false;
        bool keptSaid = false;
    };
    void schedule(int milliseconds);
    void next(int milliseconds);  // rearm for the next step, at once when hurried
    bool samePosition(const Plan& plan) const;
    bool makePlan();
    void keepStep();
    void entryStep();
    void roll();
    void finishRollNow();
    TableLabel* boxOf(const advisor::Choice& c) const;
    void act(const std::function<void()>& press);

    frmMain& table_;
    Seats& seats_;
    OpponentSource source_;
    std::optional<Plan> plan_;
    bool hurry_ = false;
    bool pressing_ = false;  // the roll button is down; released next step
    int turnPlayer_ = 0;     // whose turn the hurry belongs to
    int enterer_ = 0;        // who made the entry that passes the turn
    int signMilliseconds_ = 0;  // the sign between people
    bool isComputerSeat(int player) const;
    QString stopped_;        // why the computer cannot play, said once
};

}  // namespace rp
