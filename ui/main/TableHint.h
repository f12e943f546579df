#pragma once
// The hint on the table: asks the advisor for the best move of the player on
// turn, frames the dice to keep or the box to take for a few seconds, and
// says what to do and what is still to be expected. It reads the game and
// never changes it.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "Advisor.h"
#include "Seats.h"

class QTimer;

namespace rp {

class frmMain;
class TableLabel;

class TableHint : public QObject {
    Q_OBJECT
public:
    // The solved table, loaded on first use: null, with error set, when it
    // cannot be had.
    using TableSource = std::function<const advisor::SolvedTable*(std::string& error)>;
    // A person who asks is noted in seats: hints keep a game out of the high scores.
    TableHint(frmMain& table, TableSource source, Seats& seats);
    ~TableHint() override;

    // What the hint button and key H do.
    void show();
    // The marks and the text go when their time is up.
    void tmrHint_Timer();
    QTimer* tmrHint;

    // The hint in words, as the label shows it and assistive tools read it.
    static QString describe(const advisor::Advice& advice, const GameState& state);

signals:
    // A person asked and was answered: the game now counts as helped.
    void given();

private:
    void markDice();
    void clear();

    frmMain& table_;
    TableSource source_;
    Seats& seats_;
    std::unique_ptr<advisor::Advisor> advisor_;
    unsigned keepMask_ = 0;  // dice to keep, marked wherever they show
    TableLabel* box_ = nullptr;
};

}  // namespace rp
