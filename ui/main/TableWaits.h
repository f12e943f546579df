#pragma once
// The next-player sign need not be waited out: a click or a key takes it
// away at once, and the game goes on exactly as when its timer ends. Between
// people the key then does its own work for the next player (Enter or Space
// rolls); where a computer comes or goes it is spent on the sign. Every
// press is noted as it begins, so the table knows which belong to a
// computer's turn.

#include <QObject>

namespace rp {

class frmMain;

class TableWaits : public QObject {
    Q_OBJECT
public:
    explicit TableWaits(frmMain& table);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmMain& table_;
    bool swallowRelease_ = false;  // the release of the click that ended the sign
};

}  // namespace rp
