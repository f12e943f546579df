#include "Words.h"
#include "frmSplash.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "Texts.h"
#include "Verse.h"

namespace rp {

frmSplash::frmSplash(Windows& windows, mdlLogic& logic)
    : Window(windows, Name, size::Splash, Placement::Screen, Frame::None), logic_(logic) {
    setWindowTitle(translate("Splash", "Splash"));
    lblVerse = verseLabel(this, 1020, 2220, 3255, 615, 11.25);
    Timer1 = addTimer(3000, [this] { Timer1_Timer(); });
}

void frmSplash::Form_Load() {
    // The high-score window fills itself from the game when it loads: the
    // program loads it once the splash is on screen, which it would delay.
    logic_.LoadSettings();
    setBackground("splash.jpg");
    sound().play(file::SplashSound);
    // Shown once the window is on its way to the screen, still before its
    // first paint: the first control shown wakes the bridge to assistive
    // tools (a session-bus connection), which need not hold up the window.
    lblVerse->hide();
    QTimer::singleShot(0, lblVerse, [this] {
        lblVerse->setText(translate("Splash", "\"Iron sharpens iron, so\none man sharpens another.\""));
        lblVerse->show();
    });
    Timer1->start();
}

void frmSplash::Timer1_Timer() {
    Timer1->stop();
    for (const char* w : {"frmNewGame", Windows::MainWindow, "frmConfirmBox", "frmConfirmBox2", "frmScoresCheck"})
        windows().load(QString::fromLatin1(w));
    unloadMe();
    windows().show(Windows::MainWindow);
}

void frmSplash::closeRequested() {
    if (Timer1->isActive()) Timer1_Timer();
}

void frmSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
    closeRequested();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    // A key held down from before must not skip the greeting.
    if (!event->isAutoRepeat()) closeRequested();
}

}  // namespace rp
