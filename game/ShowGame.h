#pragma once
// Draws the whole table from the game state: the player's name and card, the
// chips, both rows of dice, the rolls, and the card open when the dice allow
// an entry. Every timer of the table is stopped first, so a restored game
// neither lands old dice nor finishes a pause it no longer is in.

#include "Logic.h"
#include "TableView.h"

namespace rp {

void showGame(mdlLogic& logic, TableView& table);

}  // namespace rp
