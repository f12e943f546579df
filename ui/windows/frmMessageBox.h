#pragma once
// The timed notice: shows MessageText for two seconds, then unloads itself.
// It takes no input; the rules show it modally and go on once it is gone.

#include "Windows.h"

class QLabel;
class QTimer;

namespace rp {

class frmMessageBox : public Window {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmMessageBox";
    explicit frmMessageBox(Windows& windows);

    void Timer1_Timer();

    QLabel* lblMessage;
    QTimer* Timer1;

protected:
    void Form_Load() override;
};

}  // namespace rp
