#include "GameWindows.h"

#include "WindowAccessibility.h"
#include "frmConfirmBox.h"
#include "frmConfirmBox2.h"
#include "frmEndGame.h"
#include "frmExit.h"
#include "frmHighScores.h"
#include "frmNewGame.h"
#include "frmScoresCheck.h"
#include "frmSplash.h"

namespace rp {

void defineGameWindows(Windows& windows, mdlLogic& logic, std::function<std::optional<double>()> bestPlay) {
    installWindowAccessibility();
    auto withLogic = [&windows, &logic]<class W>() {
        windows.define(W::Name, [&logic](Windows& ws) -> Window* { return new W(ws, logic); });
    };
    withLogic.operator()<frmNewGame>();
    windows.define(frmEndGame::Name, [&logic, bestPlay](Windows& ws) -> Window* {
        auto* w = new frmEndGame(ws, logic);
        w->bestPlay = bestPlay;
        return w;
    });
    withLogic.operator()<frmHighScores>();
    withLogic.operator()<frmConfirmBox2>();
    withLogic.operator()<frmSplash>();
    windows.define<frmConfirmBox>();
    windows.define<frmScoresCheck>();
    windows.define<frmExit>();
}

}  // namespace rp
