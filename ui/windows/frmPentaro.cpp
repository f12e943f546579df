#include "Words.h"
#include "frmPentaro.h"

#include <QTimer>

#include "Texts.h"

namespace rp {

frmPentaro::frmPentaro(Windows& windows)
    : Window(windows, Name, size::Celebration, Placement::OnMainWindow, Frame::None) {
    setWindowTitle(translate("Celebration", "Pentaro!"));
    for (int i = 1; i <= 7; ++i) timers_[i] = addTimer(300, [this, i] { Timer_Timer(i); });
}

void frmPentaro::Form_Load() {
    setBackground("pentaro1.jpg");
    sound().play(file::ClapSound);
    timers_[1]->start();
}

void frmPentaro::Timer_Timer(int index) {
    timers_[index]->stop();
    if (index == 7) {
        unloadMe();
        return;
    }
    // Odd steps show the second picture, even steps the first again.
    setBackground(index % 2 == 1 ? "pentaro2.jpg" : "pentaro1.jpg");
    timers_[index + 1]->start();
}

}  // namespace rp
