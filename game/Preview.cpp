#include "Preview.h"

#include "Logic.h"
#include "NullTable.h"

namespace rp {

namespace {

// The rules run on a copy and show, play and store nothing.
using Unseen = NullSeams;

bool diceFinal(const GameState& s) {
    if (s.CurrentPlayer < 1 || s.TurnPassing || s.RollCount < 1 || !s.GameInProgress) return false;
    for (int d = 1; d <= DiceCount; ++d)
        if (s.DieAnimator(d) != 0) return false;
    return true;
}

template <typename Act>
std::optional<Int16> onCopy(const GameState& state, Act act) {
    if (!diceFinal(state)) return std::nullopt;
    GameState copy = state;
    NullTable table;
    Unseen unseen;
    mdlLogic rules(copy, table, unseen, unseen, unseen, [] { return 1; });
    return act(rules);
}

}  // namespace

std::optional<Int16> previewScoreBox(const GameState& state, int column, int row) {
    return onCopy(state, [&](mdlLogic& rules) -> std::optional<Int16> {
        if (!rules.ScoreBoxOpen(column, row)) return std::nullopt;
        const Int16 value = rules.EnterScoreBox(column, row);
        if (value < 0) return std::nullopt;
        return value;
    });
}

std::optional<Int16> previewBonusBox(const GameState& state, int column, int box) {
    return onCopy(state, [&](mdlLogic& rules) -> std::optional<Int16> {
        if (!rules.BonusBoxOpen(column, box) || !rules.BonusBoxReady(column, box)) return std::nullopt;
        const int p = rules.state().CurrentPlayer;
        switch (box) {
            case 1: return rules.ScoreFirstBonusBox(p, column);
            case 2: return rules.ScoreSecondBonusBox(p, column);
            default: return rules.ScoreThirdBonusBox(p, column);
        }
    });
}

std::string_view refusalReason(const GameState& s, int column, int index, bool bonus) {
    if (!s.GameInProgress || s.CurrentPlayer < 1) return text::StartWithNewGame;
    if (s.TurnPassing) return text::WaitNextPlayer;
    if (column > 1 && s.GameType == 2) return column == 2 ? text::NotPlayed2 : text::NotPlayed3;
    const int p = s.CurrentPlayer;
    const bool filled = bonus ? s.BonusUsed(p, index, column)
                              : s.Used(p, index, column) || index == row::SubTotal ||
                                    index == row::UpperBonus || index == row::UpperTotal ||
                                    index > row::Chance || index == row::Pentaro;
    if (filled) return text::BoxFilled;
    if (s.RollCount < 1) return text::RollFirst;
    return {};
}

bool canRoll(const GameState& s) { return s.GameInProgress && !s.TurnPassing && s.RollCount < 3; }

std::string_view rollRefusalReason(const GameState& s) {
    if (!s.GameInProgress) return text::StartWithNewGame;
    if (s.TurnPassing) return text::WaitNextPlayer;
    return {};
}

int runningTotal(const GameState& s, int player) {
    const int columns = s.GameType == 2 ? 1 : Columns;
    int total = 0;
    for (int c = 1; c <= columns; ++c) {
        int points = 0;
        for (int r = 1; r <= row::Chance; ++r) {
            const bool entered = r <= row::Sixes || r == row::UpperBonus || (r >= row::ThreeOfAKind && r != row::Pentaro);
            if (entered && s.Used(player, r, c)) points += s.Score(player, r, c);
        }
        for (int b = 1; b <= BonusBoxes; ++b)
            if (s.BonusUsed(player, b, c)) points += s.BonusScore(player, b, c);
        total += (points + s.ChipCount(player, c) * 100) * c;
    }
    return total;
}

}  // namespace rp
