#pragma once
// Taking back a person's last entry on the table (Ctrl+Z or the Undo label):
// the game as it was before the click comes back whole, as long as that
// person has not rolled since and the game has not ended; computers' turns
// played after it go with it. The position before each
// entry is kept as a value; undo puts it back and redraws the table.

#include <QObject>
#include <optional>

#include "GameSnapshot.h"
#include "Logic.h"

namespace rp {

class frmMain;
class TableLabel;

class TableUndo : public QObject {
    Q_OBJECT
public:
    TableUndo(frmMain& table, mdlLogic& logic, Seats& seats);

    bool canUndo() const;
    // Ctrl+Z and the label; false when there is nothing to take back.
    bool undo();
    // The position before the last entry, while it can still be put back.
    const std::optional<GameSnapshot>& point() const { return before_; }
    // A resumed game brings its undo point along; the game is already restored.
    void setPoint(std::optional<GameSnapshot> before);

    TableLabel* lblUndo;

signals:
    // An entry has been taken (the undo point is up to date), or taken back.
    void entryKept();
    void undone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showAvailable();
    GameSnapshot now() const;

    frmMain& table_;
    mdlLogic& logic_;
    Seats& seats_;
    std::optional<GameSnapshot> pending_, before_, after_;
    bool computerEntering_ = false;
    bool rolledSince_ = false;  // the person rolled after an entry they could have taken back
};

}  // namespace rp
