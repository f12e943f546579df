#include "GameWindows.h"

#include "WindowAccessibility.h"
#include "frmConfirmBox.h"
#include "frmConfirmBox2.h"
#include "frmEndGame.h"
#include "frmExit.h"
#include "frmHelp.h"
#include "frmHighScores.h"
#include "frmNewGame.h"
#include "frmScoresCheck.h"
#include "frmSplash.h"

namespace rp {

void defineGameWindows(Windows& windows, mdlLogic& logic, SeatChoices seats, std::function<std::optional<double>()> bestPlay) {
    installWindowAccessibility();
    auto withLogic = [&windows, &logic]<class W>() {
        windows.define(W::Name, [&logic](Windows& ws) -> Window* { return new W(ws, logic); });
    };
    windows.define(frmNewGame::Name, [&logic, seats](Windows& ws) -> Window* {
        auto* w = new frmNewGame(ws, logic, seats.seats, seats.store);
        w->chooseLanguage = seats.chooseLanguage;
        return w;
    });
    windows.define(frmEndGame::Name, [&logic, bestPlay, seats](Windows& ws) -> Window* {
        auto* w = new frmEndGame(ws, logic);
        w->bestPlay = bestPlay;
        w->seats = &seats.seats;
        return w;
    });
    withLogic.operator()<frmHighScores>();
    withLogic.operator()<frmConfirmBox2>();
    withLogic.operator()<frmSplash>();
    windows.define<frmConfirmBox>();
    windows.define<frmScoresCheck>();
    windows.define<frmExit>();
    windows.define<frmHelp>();
}

}  // namespace rp
