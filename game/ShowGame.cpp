#include "ShowGame.h"

#include <string>

#include "Texts.h"

namespace rp {

void showGame(mdlLogic& logic, TableView& table) {
    GameState& s = logic.state();
    for (TableTimer t : {TableTimer::RollPause, TableTimer::Next, TableTimer::EndGame}) table.setTimer(t, false);
    for (int d = 1; d <= DiceCount; ++d) {
        for (int e = 1; e <= 6; ++e) table.setDieAnimator(d, e, false);
        s.DieAnimator(d) = 0;
        s.DieFrame(d) = 0;
    }
    table.setNextPlayerVisible(false);

    const int p = s.CurrentPlayer;
    table.setPlayerName(s.PlayerName(p));
    for (int c = 1; c <= Columns; ++c) {
        table.setChipPicture(c, "");
        table.setChipTotal(c, "");
    }
    // Showing a card forgets a five of a kind; this one is still on the dice.
    const bool pentaro = s.PentaroShowing;
    logic.ShowPlayerCard(p);
    s.PentaroShowing = pentaro;

    for (int i = 1; i <= DiceCount; ++i) {
        const int face = s.Dice(i);
        const bool kept = face != 0 && s.DieKept(i);
        table.setRollingDiePicture(i, face == 0 ? file::DieFace[6] : kept ? "" : file::DieFace[face]);
        table.setRollingDieEnabled(i, face != 0 && !kept);
        table.setKeptDiePicture(i, kept ? file::KeptDieFace[face] : "");
        table.setKeptDieEnabled(i, kept);
    }
    table.setRollCount(std::to_string(s.RollCount));
    table.setCardEnabled(s.RollCount >= 1 && !s.TurnPassing);
}

}  // namespace rp
