#include "Words.h"
#include "frmExit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "Texts.h"
#include "Verse.h"

namespace rp {

frmExit::frmExit(Windows& windows) : Window(windows, Name, size::ExitWindow, Placement::Screen, Frame::None) {
    setWindowTitle(translate("Goodbye", "Goodbye"));
    // Wider than the English needs, about the same centre: longer verses fit.
    lblVerse = verseLabel(this, 585, 2220, 4080, 675, 12);
    Timer1 = addTimer(3000, [this] { Timer1_Timer(); });
}

void frmExit::Form_Load() {
    setBackground("splash.jpg");
    sound().play(file::QuitSound);
    lblVerse->setText(translate("Goodbye", "\"Even a fool, when he keeps\nsilent, is considered wise.\""));
    Timer1->start();
}

void frmExit::Timer1_Timer() {
    Timer1->stop();
    unloadMe();
}

// Closed early: the farewell is cut short, the program ends as it would.
void frmExit::closeRequested() { Timer1_Timer(); }

void frmExit::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (Timer1->isActive()) Timer1_Timer();
}

void frmExit::keyPressEvent(QKeyEvent* event) {
    event->accept();
    // The key that closed the table may still be held down.
    if (!event->isAutoRepeat() && Timer1->isActive()) Timer1_Timer();
}

}  // namespace rp
