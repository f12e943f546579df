#include "WindowBoard.h"

#include "frmHighScores.h"

namespace rp {

// Before the window is loaded there is nothing to write; its load step
// fills it from the game state.
void WindowBoard::showEntry(char table, int place, std::string_view name, std::string_view score,
                            bool highlighted) {
    if (auto* w = windows_.find<frmHighScores>()) w->showEntry(table, place, name, score, highlighted);
}

}  // namespace rp
