#include "Column.h"

#include <algorithm>

#include "Categories.h"
#include "DiceSets.h"

namespace rp::advisor {

namespace {

constexpr std::array<int, 12> RowOfBit{1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16};

category::DiceArray diceOf(std::initializer_list<int> faces) {
    category::DiceArray d;
    int i = 1;
    for (int f : faces) d(i++) = static_cast<Int16>(f);
    return d;
}

// The fixed value a joker entry gets, read from the category scoring of a
// roll that has the pattern, so the box values live in one place.
struct FullValues {
    int fullHouse = category::fullHouse(diceOf({1, 1, 1, 2, 2}));
    int smallStraight = category::smallStraight(diceOf({1, 2, 3, 4, 6}));
    int largeStraight = category::largeStraight(diceOf({1, 2, 3, 4, 5}));
};

const FullValues& fullValues() {
    static const FullValues v;
    return v;
}

int scorePattern(int row, const category::DiceArray& d) {
    switch (row) {
        case 10: return category::threeOfAKind(d);
        case 11: return category::fourOfAKind(d);
        case 12: return category::fullHouse(d);
        case 13: return category::smallStraight(d);
        case 14: return category::largeStraight(d);
        default: return category::chance(d);
    }
}

// Box values of every roll, scored once by the rules' own functions.
struct RollValues {
    std::array<std::array<int, 17>, KeepSets> pattern{};  // [roll][row 1..16]
    std::array<int, KeepSets> sum{};
    RollValues() {
        const DiceSets& ds = DiceSets::get();
        for (int m : ds.rolls()) {
            const auto& d = ds.dice(m);
            for (int r = 1; r <= 6; ++r) pattern[m][r] = category::upper(d, r);
            for (int r = 10; r <= 16; ++r) pattern[m][r] = r == 15 ? 0 : scorePattern(r, d);
            sum[m] = category::chance(d);
        }
    }
};

const RollValues& rollValues() {
    static const RollValues v;
    return v;
}

int jokerValue(int row, int roll) {
    switch (row) {
        case 12: return fullValues().fullHouse;
        case 13: return fullValues().smallStraight;
        case 14: return fullValues().largeStraight;
        default: return rollValues().sum[roll];
    }
}

}  // namespace

int bitOfRow(int row) {
    for (int b = 0; b < 12; ++b)
        if (RowOfBit[static_cast<std::size_t>(b)] == row) return b;
    return -1;
}

int rowOfBit(int bit) { return RowOfBit[static_cast<std::size_t>(bit)]; }

JokerGate JokerGate::ofColumn(const ColumnState& c) {
    JokerGate g;
    g.fiftyBoxesClosed = c.bonus != BoxOpen;
    for (int f = 1; f <= 6; ++f) g.likeFilled[static_cast<std::size_t>(f)] = (c.mask >> (f - 1)) & 1;
    return g;
}

void columnEntries(const ColumnState& col, int roll, bool pentaro, int number,
                   const JokerGate& gate, Entries& out) {
    out.count = 0;
    const auto& values = rollValues().pattern[roll];
    const bool fifty = col.bonus == Fifty || col.bonus == FiftyOne || col.bonus == FiftyTwo;
    auto box = [&](int b, int value, int chips, int next) {
        Entry e;
        e.box = b;
        e.boxValue = value;
        e.chips = chips;
        e.nextMask = col.mask;
        e.nextBonus = next;
        out.add(e);
    };
    if (col.bonus == BoxOpen) {
        // Box 1 takes the five of a kind, or is given up without one.
        if (pentaro) box(1, 50, 0, Fifty);
        else box(1, 0, 0, GivenUp);
    } else if (pentaro && col.bonus == Fifty) {
        box(2, 100, 1, FiftyOne);
    } else if (pentaro && col.bonus == FiftyOne) {
        box(3, 100, 1, FiftyTwo);
    }
    const bool joker = pentaro && gate.fiftyBoxesClosed;
    const bool like = number >= 1 && number <= 6 && gate.likeFilled[static_cast<std::size_t>(number)];
    for (int b = 0; b < 12; ++b) {
        if ((col.mask >> b) & 1) continue;
        const int row = rowOfBit(b);
        Entry e;
        e.row = row;
        e.nextMask = col.mask | (1 << b);
        e.nextBonus = col.bonus;
        if (row <= 6) {
            if (pentaro && !joker) continue;  // the five of a kind goes to a 50-point box first
            e.boxValue = values[row];
            e.upperAdd = e.boxValue;
            e.chips = pentaro && fifty ? 1 : 0;
        } else if (!pentaro) {
            e.boxValue = values[row];
        } else {
            if (!joker || !like) continue;  // wildcard denied
            e.boxValue = jokerValue(row, roll);
            e.chips = fifty ? 1 : 0;
        }
        out.add(e);
    }
}

int entryPoints(const ColumnState& col, const Entry& e) {
    int points = e.boxValue + e.chips * ChipPoints;
    const bool upperDone = (e.nextMask & UpperMask) == UpperMask;
    const bool wasDone = (col.mask & UpperMask) == UpperMask;
    if (upperDone && !wasDone && col.upper + e.upperAdd >= UpperCap) points += 35;
    return points;
}

ColumnState after(const ColumnState& col, const Entry& e) {
    return {e.nextMask, e.nextBonus, std::min(UpperCap, col.upper + e.upperAdd)};
}

}  // namespace rp::advisor
