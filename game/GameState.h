#pragma once
// Everything a game knows, shared by every window and every rule. Names
// follow the rule book so the code reads like it: Score(p, 20, c) is the
// "Score" row of player p's column c.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "OneBased.h"

namespace rp {

using Int16 = std::int16_t;

// Scores are 16-bit like the stored tables; a value that does not fit is a
// fault, never a silent wrap-around.
inline Int16 to16(int value) {
    if (value < -32768 || value > 32767)
        throw std::overflow_error("16-bit overflow: " + std::to_string(value));
    return static_cast<Int16>(value);
}

constexpr int MaxPlayers = 4;
constexpr int Rows = 20;
constexpr int Columns = 3;
constexpr int BonusBoxes = 3;
constexpr int DiceCount = 5;
constexpr int Places = 6;

// Rows of a score column.
namespace row {
constexpr int Sixes = 6;
constexpr int SubTotal = 7;
constexpr int UpperBonus = 8;
constexpr int UpperTotal = 9;
constexpr int ThreeOfAKind = 10;
constexpr int FourOfAKind = 11;
constexpr int FullHouse = 12;
constexpr int SmallStraight = 13;
constexpr int LargeStraight = 14;
constexpr int Pentaro = 15;
constexpr int Chance = 16;
constexpr int LowerTotal = 17;
constexpr int UpperTotal2 = 18;
constexpr int LowerTotal2 = 19;
constexpr int Score = 20;
}  // namespace row

struct GameState {
    // Turn and dice
    Int16 CurrentPlayer = 0;
    Array1<Int16, DiceCount> Dice;
    Array1<bool, DiceCount> DieKept;
    Int16 RollCount = 0;
    bool PentaroShowing = false;
    Int16 ActiveColumn = 0;
    Int16 DieFrame1 = 0, DieFrame2 = 0, DieFrame3 = 0, DieFrame4 = 0, DieFrame5 = 0;

    // Players and game
    Array1<std::string, MaxPlayers> PlayerName;
    Int16 NumPlayers = 0;
    Int16 GameType = 0;
    bool GameInProgress = false;
    Int16 Winner = 0;
    bool NewHighScore = false;

    // Score card: player, row (or bonus box), column
    Array3<Int16, MaxPlayers, Rows, Columns> Score;
    Array3<bool, MaxPlayers, Rows, Columns> Used;
    Array3<Int16, MaxPlayers, BonusBoxes, Columns> BonusScore;
    Array3<bool, MaxPlayers, BonusBoxes, Columns> BonusUsed;
    Array2<Int16, MaxPlayers, Columns> ChipCount;
    Array2<bool, MaxPlayers, Columns> ColumnDone;

    // End-of-game results
    Array2<Int16, MaxPlayers, Columns> ColumnScore;
    Array2<Int16, MaxPlayers, Columns> ColumnFinal;
    Array1<Int16, MaxPlayers> GrandTotal;

    // Settings and high scores
    bool SoundOn = false;
    Array1<std::string, Places> AName, BName;
    Array1<Int16, Places> AScore, BScore;
    // Which places hold an entry of the game just finished; they move with
    // their entry when a later result pushes it down.
    Array1<bool, Places> AHighlight, BHighlight;

    // Texts handed to the small dialogs
    std::string ConfirmText;
    std::string MessageText;

    // Which element of each die's animator chain is running (0 at rest).
    Array1<Int16, DiceCount> DieAnimator;
    // The next-player or end-of-game pause is running: the turn that was
    // just entered is over, the next one has not begun.
    bool TurnPassing = false;

    Int16& DieFrame(int die) {
        switch (die) {
            case 1: return DieFrame1;
            case 2: return DieFrame2;
            case 3: return DieFrame3;
            case 4: return DieFrame4;
            case 5: return DieFrame5;
            default: indexError(die, DiceCount);
        }
    }
};

}  // namespace rp
