#pragma once
// What the table tells a player beside the card: standings, previews,
// reasons for refused clicks, the dimmed columns of the one-column game,
// and the next-player sign a click or key cuts short.

namespace rp {

class frmMain;
class SettingsStore;

void installTableHelpers(frmMain& table, SettingsStore& store);

}  // namespace rp
