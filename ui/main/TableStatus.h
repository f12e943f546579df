#pragma once
// The table says why a click did nothing: one status line, in the hint's
// place, shows the reason for about two seconds and the live label reads it
// out; the idle table invites a new game. The roll button shows its
// unavailable look whenever a roll would do nothing.

#include <QObject>
#include <QString>

class QLabel;
class QTimer;

namespace rp {

class frmMain;

class TableStatus : public QObject {
    Q_OBJECT
public:
    explicit TableStatus(frmMain& table);

    // Shows a reason for a while, and says it.
    void tell(const QString& reason);
    // The reason's time is up: back to what the table says at rest.
    void tmrStatus_Timer();

    QLabel* lblStatus;
    QTimer* tmrStatus;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showResting();
    void updateRollLook();

    frmMain& table_;
    bool rollAvailable_ = true;
    bool stepShown_ = false;  // a computer's step is in the line
};

}  // namespace rp
