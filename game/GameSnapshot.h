#pragma once
// A game in progress as a value: the card of every player, the dice with
// their kept state, the rolls left, who is on turn, and the seats. Undo keeps
// one taken before an entry and puts it back; the game file writes one and
// reads it at the next start. No rule is ever reversed by hand.

#include <array>

#include "GameState.h"
#include "Seats.h"

namespace rp {

// One roll or entry as the game file keeps it for the review: who moved, at
// which roll, with which dice showing and kept; the rest follows by replay.
struct MoveRecord {
    enum class Kind : int { Roll = 0, Entry = 1, Bonus = 2 };
    Kind kind = Kind::Roll;
    int player = 0, rollCount = 0;
    unsigned kept = 0;               // bit d-1: die d kept
    std::array<int, DiceCount> dice{};  // dice 1..5 before the move
    int column = 0, index = 0;       // Entry: column and row; Bonus: column and box
    bool operator==(const MoveRecord&) const = default;
};

struct GameSnapshot {
    GameState game;  // only the fields of the game itself count
    Seats seats;

    static GameSnapshot take(const GameState& s, const Seats& seats) {
        GameSnapshot snap{s, seats};
        GameState& g = snap.game;
        // What is not the game's own stays behind: settings, high scores,
        // the dialogs' texts and the tumbling of the dice.
        g.SoundOn = false;
        g.AName.fill({});
        g.BName.fill({});
        g.AScore.fill(0);
        g.BScore.fill(0);
        g.AHighlight.fill(false);
        g.BHighlight.fill(false);
        g.ConfirmText.clear();
        g.MessageText.clear();
        g.DieAnimator.fill(0);
        for (int d = 1; d <= DiceCount; ++d) g.DieFrame(d) = 0;
        return snap;
    }

    // Puts the game back, keeping the settings and high scores as they are
    // now. Nothing tumbles and no pause runs afterwards: the table is then
    // redrawn from the state (showGame).
    void restoreInto(GameState& s, Seats& seatsNow) const {
        GameState g = game;
        g.SoundOn = s.SoundOn;
        g.AName = s.AName;
        g.BName = s.BName;
        g.AScore = s.AScore;
        g.BScore = s.BScore;
        g.AHighlight = s.AHighlight;
        g.BHighlight = s.BHighlight;
        g.ConfirmText = s.ConfirmText;
        g.MessageText = s.MessageText;
        g.TurnPassing = false;
        s = g;
        seatsNow = seats;
    }
};

// The whole game as a value (every field, settings included): for tests that
// compare two plays.
inline bool sameGame(const GameState& a, const GameState& b) {
    return a.CurrentPlayer == b.CurrentPlayer && a.Dice == b.Dice && a.DieKept == b.DieKept &&
           a.RollCount == b.RollCount && a.PentaroShowing == b.PentaroShowing &&
           a.PlayerName == b.PlayerName && a.NumPlayers == b.NumPlayers && a.GameType == b.GameType &&
           a.GameInProgress == b.GameInProgress && a.Winner == b.Winner && a.Score == b.Score &&
           a.Used == b.Used && a.BonusScore == b.BonusScore && a.BonusUsed == b.BonusUsed &&
           a.ChipCount == b.ChipCount && a.ColumnDone == b.ColumnDone && a.ColumnScore == b.ColumnScore &&
           a.ColumnFinal == b.ColumnFinal && a.GrandTotal == b.GrandTotal && a.AName == b.AName &&
           a.BName == b.BName && a.AScore == b.AScore && a.BScore == b.BScore;
}

}  // namespace rp
