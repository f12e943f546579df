#pragma once
// Keeps the game in progress on disk so that no way of leaving loses it:
// saved after every entry, every landed roll and every undo (never while
// dice tumble), removed when the game ends or is abandoned, and offered
// back once the table is up at the next start.

#include <QObject>

#include "GameFile.h"
#include "Logic.h"
#include "Seats.h"
#include "Windows.h"

namespace rp {

class frmMain;
class TableUndo;

class GameKeeper : public QObject {
    Q_OBJECT
public:
    GameKeeper(Windows& windows, frmMain& table, mdlLogic& logic, Seats& seats, TableUndo& undo, GameFile& file);

    // The question, asked at the table's first show; tests call it directly.
    void offerResume();
    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void forget();

    Windows& windows_;
    frmMain& table_;
    mdlLogic& logic_;
    Seats& seats_;
    TableUndo& undo_;
    GameFile& file_;
    bool offered_ = false;
    bool asking_ = false;  // nothing is written over the game on offer
    bool onDisk_ = false;
};

}  // namespace rp
