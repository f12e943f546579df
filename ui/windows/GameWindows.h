#pragma once
// Defines the game's secondary windows in the registry: the new-game
// dialog, the results, the high scores, both confirmations, the score card
// check, the splash and the farewell. The table ("frmMain") is defined by
// its own unit, the notice and the celebration by WindowedServices.

#include <functional>
#include <optional>

#include "Logic.h"
#include "Seats.h"
#include "Windows.h"

namespace rp {

// Who plays each seat, and where the new-game dialog keeps those choices.
struct SeatChoices {
    Seats& seats;
    SettingsStore& store;
    // The player chose the game's language ("" follows the desktop).
    std::function<void(const QString&)> chooseLanguage = {};
};

// bestPlay: the expected score of a solo one-column game played best, for
// the results window to compare with; empty or nullopt when unknown.
void defineGameWindows(Windows& windows, mdlLogic& logic, SeatChoices seats,
                       std::function<std::optional<double>()> bestPlay = {});

}  // namespace rp
