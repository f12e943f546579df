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

void defineGameWindows(Windows& windows, mdlLogic& logic) {
    installWindowAccessibility();
    auto withLogic = [&windows, &logic]<class W>() {
        windows.define(W::Name, [&logic](Windows& ws) -> Window* { return new W(ws, logic); });
    };
    withLogic.operator()<frmNewGame>();
    withLogic.operator()<frmEndGame>();
    withLogic.operator()<frmHighScores>();
    withLogic.operator()<frmConfirmBox2>();
    withLogic.operator()<frmSplash>();
    windows.define<frmConfirmBox>();
    windows.define<frmScoresCheck>();
    windows.define<frmExit>();
}

}  // namespace rp
