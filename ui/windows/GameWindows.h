#pragma once
// Defines the game's secondary windows in the registry: the new-game
// dialog, the results, the high scores, both confirmations, the score card
// check, the splash and the farewell. The table ("frmMain") is defined by
// its own unit, the notice and the celebration by WindowedServices.

#include "Logic.h"
#include "Windows.h"

namespace rp {

void defineGameWindows(Windows& windows, mdlLogic& logic);

}  // namespace rp
