#pragma once
// The farewell: a verse and a sound for three seconds, then the window
// unloads itself; as the last window, it ends the program.

#include "Windows.h"

class QLabel;
class QTimer;

namespace rp {

class frmExit : public Window {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmExit";
    explicit frmExit(Windows& windows);

    void Timer1_Timer();

    QLabel* lblVerse;
    QTimer* Timer1;

protected:
    void Form_Load() override;
    void closeRequested() override;
    // A click or a key ends the farewell at once.
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace rp
