#pragma once
// One score column between turns, and the entries the rules take for a roll:
// which boxes accept the dice and what each earns. The joker gate, the
// bonus boxes and the chips are modelled here exactly as the rules decide
// them; box values come from the rules' own category scoring.

#include <array>
#include <cstdint>

namespace rp::advisor {

// Progress of the three five-of-a-kind boxes of a column.
enum Bonus : int {
    BoxOpen = 0,    // box 1 still open
    Fifty = 1,      // box 1 holds 50, boxes 2 and 3 open
    FiftyOne = 2,   // and box 2 holds 100
    FiftyTwo = 3,   // and box 3 holds 100
    GivenUp = 4,    // box 1 given up: all three closed with 0
};
constexpr int BonusStates = 5;
constexpr int FullMask = 0xFFF;
constexpr int UpperCap = 63;  // the upper bonus needs 63; more changes nothing
constexpr int UpperMask = 0x3F;

// The twelve entered boxes as bits 0..11: rows 1..6, then 10..14 and 16.
int bitOfRow(int row);  // -1 for a row that is not entered
int rowOfBit(int bit);

struct ColumnState {
    int mask = 0;       // filled boxes
    int bonus = BoxOpen;
    int upper = 0;      // upper subtotal, capped at 63
    bool terminal() const { return mask == FullMask && bonus != BoxOpen; }
    bool operator==(const ColumnState&) const = default;
};

struct Entry {
    int row = 0;        // score row 1..16, or 0 for a bonus box
    int box = 0;        // bonus box 1..3 when row is 0
    int boxValue = 0;   // what the box shows
    int chips = 0;      // chips won with it
    int upperAdd = 0;   // added to the upper subtotal
    int nextMask = 0;
    int nextBonus = 0;
};

struct Entries {
    std::array<Entry, 16> at;
    int count = 0;
    void add(const Entry& e) { at[static_cast<std::size_t>(count++)] = e; }
};

// What the joker gate reads outside the column being entered: whether every
// 50-point box in play is closed, and whether the upper box of each number
// is filled in every column in play.
struct JokerGate {
    bool fiftyBoxesClosed = false;
    std::array<bool, 7> likeFilled{};
    static JokerGate ofColumn(const ColumnState& c);  // the one-column game
};

// Every entry the column takes for `roll` (a DiceSets roll). `pentaro` is
// the five-of-a-kind flag of the turn, `number` the face of die 1 then.
void columnEntries(const ColumnState& col, int roll, bool pentaro, int number,
                   const JokerGate& gate, Entries& out);

// Points an entry adds to the final score, the 35 of the upper bonus included.
int entryPoints(const ColumnState& col, const Entry& e);
ColumnState after(const ColumnState& col, const Entry& e);

constexpr int ChipPoints = 100;

}  // namespace rp::advisor
