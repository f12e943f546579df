#pragma once
// Standard error carries the game's own one-line messages only.

namespace rp {

// Drops Qt's debug, information and warning messages (no sound server, no
// runtime folder...: the game says what matters itself); Qt's errors still
// come through. Whoever sets QT_LOGGING_RULES gets everything Qt says.
// Called before the application object, which already warns.
void quietQtMessages();

}  // namespace rp
