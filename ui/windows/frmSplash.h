#pragma once
// The start-up window: loads the high-score window and the settings, greets
// with a verse and a sound, and after three seconds loads the other windows
// and hands over to the table.

#include "Logic.h"
#include "Windows.h"

class QLabel;
class QTimer;

namespace rp {

class frmSplash : public Window {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmSplash";
    frmSplash(Windows& windows, mdlLogic& logic);

    void Timer1_Timer();

    QLabel* lblVerse;
    QTimer* Timer1;

protected:
    void Form_Load() override;
    // Closed early: hand over now rather than leave nothing on screen.
    void closeRequested() override;
    // A click or a key: the start goes on at once.
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    mdlLogic& logic_;
};

}  // namespace rp
