// A position is checked as a whole: each box against the values its row
// can take (found by scoring every throw of the dice with the rules' own
// scoring), the totals recomputed as the rules write them, the chips
// against the boxes that earn them, the turn against the entries made.

#include "PositionCheck.h"

#include <array>
#include <bitset>

#include "Categories.h"

namespace rp {

namespace {

constexpr int Entered[] = {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16};
constexpr int MaxBoxValue = 50;

using Values = std::array<std::bitset<MaxBoxValue + 1>, Rows + 1>;

// Every value each entered row can hold: its pattern's score for some throw,
// or the joker value of a five of a kind.
const Values& possibleValues() {
    static const Values values = [] {
        Values v;
        category::DiceArray d;
        for (int code = 0; code < 6 * 6 * 6 * 6 * 6; ++code) {
            int rest = code;
            for (int i = 1; i <= DiceCount; ++i, rest /= 6) d(i) = Int16(rest % 6 + 1);
            for (int r = 1; r <= row::Sixes; ++r) v[size_t(r)].set(size_t(category::upper(d, r)));
            v[row::ThreeOfAKind].set(size_t(category::threeOfAKind(d)));
            v[row::FourOfAKind].set(size_t(category::fourOfAKind(d)));
            v[row::FullHouse].set(size_t(category::fullHouse(d)));
            v[row::SmallStraight].set(size_t(category::smallStraight(d)));
            v[row::LargeStraight].set(size_t(category::largeStraight(d)));
            v[row::Chance].set(size_t(category::chance(d)));
        }
        // Joker entries: the full value of the box whatever the pattern.
        v[row::FullHouse].set(25);
        v[row::SmallStraight].set(30);
        v[row::LargeStraight].set(40);
        return v;
    }();
    return values;
}

int columnsInPlay(const GameState& g) { return g.GameType == 2 ? 1 : Columns; }

int entriesOf(const GameState& g, int p) {
    int n = 0;
    for (int c = 1; c <= columnsInPlay(g); ++c) {
        for (int r : Entered) n += g.Used(p, r, c);
        n += g.BonusUsed(p, 1, c);
        for (int b = 2; b <= BonusBoxes; ++b) n += g.BonusUsed(p, b, c) && g.BonusScore(p, b, c) == 100;
    }
    return n;
}

std::string where(int p, int c) { return " (player " + std::to_string(p) + ", column " + std::to_string(c) + ")"; }

// One column of a player in play: every box and total as the rules leave it.
std::string checkColumn(const GameState& g, int p, int c) {
    const Values& values = possibleValues();
    int upper = 0, lower = 0;
    bool upperFull = true, lowerFull = true;
    for (int r : Entered) {
        const int v = g.Score(p, r, c);
        if (!g.Used(p, r, c)) {
            if (v != 0) return "an empty box holds a value" + where(p, c);
            (r <= row::Sixes ? upperFull : lowerFull) = false;
            continue;
        }
        if (v < 0 || v > MaxBoxValue || !values[size_t(r)][size_t(v)])
            return "row " + std::to_string(r) + " cannot hold " + std::to_string(v) + where(p, c);
        (r <= row::Sixes ? upper : lower) += v;
    }
    if (!g.Used(p, row::Pentaro, c) || g.Score(p, row::Pentaro, c) != 0)
        return "the Pentaro row is not closed" + where(p, c);

    // The bonus boxes: 50 or given up, then 100 and 100 in order.
    const auto used = [&](int b) { return g.BonusUsed(p, b, c); };
    const auto value = [&](int b) { return int(g.BonusScore(p, b, c)); };
    const bool givenUp = used(1) && value(1) == 0;
    if (value(1) != (used(1) ? value(1) : 0) || (used(1) && value(1) != 0 && value(1) != 50))
        return "the 50-point box is wrong" + where(p, c);
    for (int b = 2; b <= BonusBoxes; ++b) {
        if (value(b) != 0 && value(b) != 100) return "a bonus box is wrong" + where(p, c);
        if (value(b) == 100 && (!used(b) || !used(b - 1) || value(b - 1) != (b == 2 ? 50 : 100)))
            return "a bonus box is out of order" + where(p, c);
    }
    const bool complete = upperFull && lowerFull && used(1);
    for (int b = 2; b <= BonusBoxes; ++b)
        if (used(b) && value(b) == 0 && !givenUp && !complete) return "a bonus box is closed early" + where(p, c);
    if (givenUp && (!used(2) || !used(3))) return "a given-up box left others open" + where(p, c);
    if (complete && (!used(2) || !used(3))) return "a complete column has open boxes" + where(p, c);
    const int bonus = value(1) + value(2) + value(3);

    // Totals: written as the rules write them, and only then.
    const auto total = [&](int r, bool written, int expected) -> bool {
        return written ? g.Used(p, r, c) && g.Score(p, r, c) == expected : !g.Used(p, r, c) && g.Score(p, r, c) == 0;
    };
    const int upperBonus = upper >= 63 ? 35 : 0;
    if (!total(row::SubTotal, upperFull, upper) || !total(row::UpperBonus, upperFull, upperBonus) ||
        !total(row::UpperTotal, upperFull, upper + upperBonus) ||
        !total(row::UpperTotal2, upperFull, upper + upperBonus))
        return "the upper totals do not add up" + where(p, c);
    // The lower total shows early once the lower boxes are full with the 50-point box given up.
    const bool lowerShown = complete || (lowerFull && givenUp && g.Used(p, row::LowerTotal, c));
    if (!total(row::LowerTotal, lowerShown, lower + bonus) || !total(row::LowerTotal2, lowerShown, lower + bonus) ||
        !total(row::Score, complete, upper + upperBonus + lower + bonus))
        return "the lower totals do not add up" + where(p, c);
    if (g.ColumnDone(p, c) != complete) return "the column's completion is wrong" + where(p, c);

    // Chips: one for each 100 box, and one for each joker entry made with
    // 50 in this column's first box (only once every 50-point box is closed).
    const int boxChips = (value(2) == 100) + (value(3) == 100);
    const int chips = g.ChipCount(p, c);
    int entries = 0;
    for (int r : Entered) entries += g.Used(p, r, c);
    bool fiftiesClosed = true;
    for (int k = 1; k <= columnsInPlay(g); ++k) fiftiesClosed = fiftiesClosed && g.BonusUsed(p, 1, k);
    const int jokerChips = chips - boxChips;
    if (jokerChips < 0 || (jokerChips > 0 && (value(1) != 50 || !fiftiesClosed)) || jokerChips > entries)
        return "the chips do not match the boxes" + where(p, c);
    return {};
}

// A column out of play (absent players, the one-column game's 2 and 3):
// as a new game leaves it.
std::string checkClosedColumn(const GameState& g, int p, int c, bool present) {
    for (int r = 1; r <= Rows; ++r)
        if (g.Score(p, r, c) != 0 || g.Used(p, r, c) != (r == row::Pentaro))
            return "a column out of play holds boxes" + where(p, c);
    for (int b = 1; b <= BonusBoxes; ++b)
        if (g.BonusScore(p, b, c) != 0 || g.BonusUsed(p, b, c) != present)
            return "a column out of play holds bonus boxes" + where(p, c);
    if (g.ChipCount(p, c) != 0 || !g.ColumnDone(p, c)) return "a column out of play is open" + where(p, c);
    return {};
}

}  // namespace

bool nameFits(const std::string& name) {
    int characters = 0;
    for (std::size_t i = 0; i < name.size();) {
        const auto b = static_cast<unsigned char>(name[i]);
        const int length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + std::size_t(length) > name.size()) return false;
        unsigned code = length == 1 ? b : b & (0x7Fu >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(name[i + std::size_t(k)]);
            if ((next >> 6) != 2) return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        if (code < 0x20 || (code >= 0x7F && code < 0xA0) || code == 0x2028 || code == 0x2029) return false;
        if (++characters > MaxNameLength) return false;
        i += std::size_t(length);
    }
    return true;
}

int entriesMade(const GameState& g) {
    int n = 0;
    for (int p = 1; p <= g.NumPlayers; ++p) n += entriesOf(g, p);
    return n;
}

std::string whyUnreachable(const GameState& g) {
    if (g.NumPlayers < 1 || g.NumPlayers > MaxPlayers || (g.GameType != 1 && g.GameType != 2))
        return "the players or the game type are wrong";
    for (int p = 1; p <= MaxPlayers; ++p)
        if (!nameFits(g.PlayerName(p))) return "the name of player " + std::to_string(p) + " is not one the game takes";
    for (int p = 1; p <= MaxPlayers; ++p)
        for (int c = 1; c <= Columns; ++c) {
            const bool present = p <= g.NumPlayers;
            const std::string why = present && c <= columnsInPlay(g) ? checkColumn(g, p, c)
                                                                      : checkClosedColumn(g, p, c, present);
            if (!why.empty()) return why;
        }

    // Players take turns in order from the first, one entry a turn, those
    // whose card is complete dropping out: the players still playing before
    // the one on turn have had one turn more than the rest.
    const int n = g.NumPlayers, cp = g.CurrentPlayer;
    const auto finished = [&](int p) {
        for (int c = 1; c <= columnsInPlay(g); ++c)
            if (!g.ColumnDone(p, c)) return false;
        return true;
    };
    if (cp < 1 || cp > n || finished(cp)) return "it is not that player's turn";
    const int k = entriesOf(g, cp);
    for (int p = 1; p <= n; ++p) {
        const int expected = k + (p < cp ? 1 : 0), made = entriesOf(g, p);
        if (finished(p) ? made > expected : made != expected) return "the players' entries do not follow the turns";
    }
    if (g.TurnPassing && (n < 2 || entriesMade(g) == 0)) return "no turn is passing";

    // The dice: five faces once rolled, none before; the five-of-a-kind flag
    // only with five of a kind now or a roll before this one.
    if (g.RollCount < 0 || g.RollCount > 3) return "the rolls are wrong";
    bool five = true;
    for (int d = 1; d <= DiceCount; ++d) {
        if (g.Dice(d) < 0 || g.Dice(d) > 6 || (g.Dice(d) == 0) != (g.RollCount == 0) || (g.DieKept(d) && g.Dice(d) == 0))
            return "the dice do not fit the rolls";
        five = five && g.Dice(d) == g.Dice(1);
    }
    if (g.PentaroShowing && g.RollCount < 2 && !(five && g.RollCount == 1)) return "no five of a kind was rolled";
    if (g.ActiveColumn < 0 || g.ActiveColumn > Columns) return "the active column is wrong";
    return {};
}

std::string whyNotEarlier(const GameState& before, const GameState& now) {
    if (before.NumPlayers != now.NumPlayers || before.GameType != now.GameType || before.PlayerName != now.PlayerName)
        return "it is of another game";
    if (std::string why = whyUnreachable(before); !why.empty()) return why;
    if (before.TurnPassing || before.RollCount == 0) return "it is not before an entry";
    const int made = entriesMade(before), later = entriesMade(now);
    if (later <= made || later - made > now.NumPlayers) return "it is not shortly before this position";
    // Whatever was filled then is still there, as it was.
    for (int p = 1; p <= now.NumPlayers; ++p)
        for (int c = 1; c <= Columns; ++c) {
            for (int r : Entered)
                if (before.Used(p, r, c) && (!now.Used(p, r, c) || now.Score(p, r, c) != before.Score(p, r, c)))
                    return "it holds boxes this game does not";
            for (int b = 1; b <= BonusBoxes; ++b)
                if (before.BonusUsed(p, b, c) &&
                    (!now.BonusUsed(p, b, c) || now.BonusScore(p, b, c) != before.BonusScore(p, b, c)))
                    return "it holds bonus boxes this game does not";
            if (before.ChipCount(p, c) > now.ChipCount(p, c)) return "it holds chips this game does not";
        }
    return {};
}

}  // namespace rp
