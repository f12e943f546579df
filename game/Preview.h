#pragma once
// What the table tells a player beside the card itself: what a click on a
// box would enter now, why a click does nothing, and each player's running
// total. All of it is read from the game and never written into it; the
// preview asks the same rules that a click runs, on a copy of the game.

#include <optional>
#include <string_view>

#include "Translatable.h"

#include "GameState.h"

namespace rp {

// The value a click on score box (column, row), or on bonus box
// (column, box), would enter now; nothing when the click would be refused
// (closed box, no roll yet, the five-of-a-kind rule, boxes out of order).
std::optional<Int16> previewScoreBox(const GameState& state, int column, int row);
std::optional<Int16> previewBonusBox(const GameState& state, int column, int box);

// Why a click on that box (bonus: a five-of-a-kind box) is refused at once,
// with no more than a sound; empty when the rules would look at it further.
std::string_view refusalReason(const GameState& state, int column, int index, bool bonus);
// Why the roll button does nothing now; empty when it rolls (or when only
// its unavailable look needs to say so).
std::string_view rollRefusalReason(const GameState& state);
// The roll button can roll now.
bool canRoll(const GameState& state);

// What the player's card would total if the game ended now: entered boxes
// and earned bonuses times the column number, and chips at 100 times it.
int runningTotal(const GameState& state, int player);

namespace text {
inline constexpr std::string_view RollFirst = QT_TRANSLATE_NOOP("Rules", "Roll the dice first.");
inline constexpr std::string_view BoxFilled = QT_TRANSLATE_NOOP("Rules", "That box is filled.");
inline constexpr std::string_view NotPlayed2 = QT_TRANSLATE_NOOP("Rules", "Game 2 is not played in a one-column game.");
inline constexpr std::string_view NotPlayed3 = QT_TRANSLATE_NOOP("Rules", "Game 3 is not played in a one-column game.");
inline constexpr std::string_view WaitNextPlayer = QT_TRANSLATE_NOOP("Rules", "Wait for the next player.");
inline constexpr std::string_view StartWithNewGame = QT_TRANSLATE_NOOP("Rules", "Start a game with New Game.");
inline constexpr std::string_view IdleTable = QT_TRANSLATE_NOOP("Rules", "Press New Game to start.");
}  // namespace text

}  // namespace rp
