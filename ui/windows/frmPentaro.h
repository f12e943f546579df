#pragma once
// The five-of-a-kind celebration: applause and seven 300 ms steps flashing
// between two pictures, then the window unloads itself. Shown without
// waiting; a second five of a kind while it is loaded changes nothing.

#include <array>

#include "Windows.h"

class QTimer;

namespace rp {

class frmPentaro : public Window {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmPentaro";
    explicit frmPentaro(Windows& windows);

    // Timer1..Timer7 share one handler; index is the timer's number.
    void Timer_Timer(int index);

    // Timer(1)..Timer(7).
    QTimer* Timer(int index) const { return timers_.at(index); }

protected:
    void Form_Load() override;

private:
    std::array<QTimer*, 8> timers_{};  // [0] unused
};

}  // namespace rp
