#pragma once
// Keeps the game in progress on disk so that no way of leaving loses it:
// saved after every entry, every landed roll and every undo (never while
// dice tumble), with the review's record of moves; removed when the game
// ends, is abandoned or a new one begins; offered back once the table is
// up at the next start. Declining keeps it for the start after.

#include <QObject>

#include "GameFile.h"
#include "Logic.h"
#include "MoveLog.h"
#include "Seats.h"
#include "Windows.h"

namespace rp {

class frmMain;
class TableUndo;

class GameKeeper : public QObject {
    Q_OBJECT
public:
    GameKeeper(Windows& windows, frmMain& table, mdlLogic& logic, Seats& seats, TableUndo& undo, GameFile& file,
               advisor::MoveLog& moves);
    ~GameKeeper() override;

    // The question, asked at the table's first show; tests call it directly.
    void offerResume();
    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void forget();
    void saveSoon();

    Windows& windows_;
    frmMain& table_;
    mdlLogic& logic_;
    Seats& seats_;
    TableUndo& undo_;
    GameFile& file_;
    advisor::MoveLog& moves_;
    bool offered_ = false;
    bool asking_ = false;  // nothing is written over the game on offer
    bool onDisk_ = false;  // a game file is there
    bool playing_ = false;  // and it is the game on the table
    bool savePending_ = false;
    GameSnapshot saved_;  // what the file holds
};

}  // namespace rp
