#include "Solver.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <stdexcept>
#include <thread>
#include <vector>

#include "TurnValues.h"

namespace rp::advisor {

namespace {

constexpr int L = SolvedTable::Lanes;

// The values solved so far, in double: the stored table is float, but the
// solve reads back every later state, and float there drifts the start value.
struct Exact {
    std::vector<double> values = std::vector<double>(SolvedTable::Values, 0.0);
    static std::size_t index(int mask, int bonus) {
        return (static_cast<std::size_t>(mask) * BonusStates + static_cast<std::size_t>(bonus)) *
               SolvedTable::Lanes;
    }
    double value(const ColumnState& s) const {
        return s.terminal() ? 0.0 : values[index(s.mask, s.bonus) + static_cast<std::size_t>(s.upper)];
    }
    double* lanes(int mask, int bonus) { return values.data() + index(mask, bonus); }
};

// Highest upper subtotal a set of filled upper boxes can hold; lanes above
// it are never reached and are left alone.
int lanesInUse(int mask) {
    int most = 0;
    for (int r = 1; r <= 6; ++r)
        if ((mask >> (r - 1)) & 1) most += 5 * r;
    const int lanes = std::min(UpperCap, most) + 1;
    return std::min(L, (lanes + 7) / 8 * 8);
}

struct Work {
    StopValues<L> stop;
    TurnValues<L> turn;
    // Value of the states after an entry, before its box value and chips:
    // [bit * 6 + count] for the boxes, [72 + next bonus] for bonus boxes.
    std::array<Lanes<L>, 72 + BonusStates> base;
    std::array<Entry, 72 + BonusStates> baseEntry;
};

int baseKey(const Entry& e) {
    if (e.row == 0) return 72 + e.nextBonus;
    const int bit = bitOfRow(e.row);
    return bit * 6 + (e.row <= 6 ? e.upperAdd / e.row : 0);
}

void fillBase(const Exact& table, int mask, int bonus, int n, Work& w) {
    auto fill = [&](const Entry& e) {
        const int key = baseKey(e);
        w.baseEntry[static_cast<std::size_t>(key)] = e;
        for (int u = 0; u < n; ++u) {
            const ColumnState col{mask, bonus, u};
            w.base[static_cast<std::size_t>(key)][static_cast<std::size_t>(u)] =
                static_cast<Value>(entryPoints(col, e) + table.value(after(col, e)));
        }
    };
    for (int b = 0; b < 12; ++b) {
        if ((mask >> b) & 1) continue;
        const int row = rowOfBit(b);
        for (int count = 0; count <= (row <= 6 ? 5 : 0); ++count) {
            Entry e;
            e.row = row;
            e.boxValue = e.upperAdd = row <= 6 ? row * count : 0;
            e.nextMask = mask | (1 << b);
            e.nextBonus = bonus;
            fill(e);
        }
    }
    for (int next = 0; next < BonusStates; ++next) {
        Entry e;
        e.box = 1;
        e.nextMask = mask;
        e.nextBonus = next;
        fill(e);
    }
}

void bestEntry(const Entries& entries, const Work& w, int n, Lanes<L>& out) {
    out.fill(Value(-1e30));
    if (entries.count == 0) throw std::logic_error("a roll with no box to take it");
    for (int i = 0; i < entries.count; ++i) {
        const Entry& e = entries.at[static_cast<std::size_t>(i)];
        const int key = baseKey(e);
        const Entry& b = w.baseEntry[static_cast<std::size_t>(key)];
        const Value extra = e.boxValue - b.boxValue + (e.chips - b.chips) * ChipPoints;
        const Lanes<L>& base = w.base[static_cast<std::size_t>(key)];
        for (int u = 0; u < n; ++u) out[u] = std::max(out[u], base[u] + extra);
    }
}

void solveState(Exact& table, int mask, int bonus, Work& w) {
    double* out = table.lanes(mask, bonus);
    if (ColumnState{mask, bonus, 0}.terminal()) {
        std::fill(out, out + L, 0.0);
        return;
    }
    const int n = lanesInUse(mask);
    fillBase(table, mask, bonus, n, w);
    const DiceSets& ds = DiceSets::get();
    const ColumnState col{mask, bonus, 0};
    const JokerGate gate = JokerGate::ofColumn(col);
    Entries entries;
    for (int m : ds.rolls()) {
        columnEntries(col, m, false, 0, gate, entries);
        bestEntry(entries, w, n, w.stop.plain[m]);
    }
    w.stop.flaggedFlat = bonus == BoxOpen;
    if (w.stop.flaggedFlat) {
        // Box 1 open: a five of a kind can only go there, whatever the dice.
        columnEntries(col, ds.rolls()[0], true, 1, gate, entries);
        if (entries.count != 1) throw std::logic_error("five of a kind with box 1 open");
        bestEntry(entries, w, n, w.stop.flat);
    } else {
        for (int m : ds.rolls())
            for (int d = 1; d <= 6; ++d)
                if (ds.counts(m)[d]) {
                    columnEntries(col, m, true, d, gate, entries);
                    bestEntry(entries, w, n, w.stop.flagged[m][d]);
                }
    }
    solveTurn<L>(w.stop, w.turn, n, false);
    std::copy(w.turn.start().begin(), w.turn.start().begin() + n, out);
}

}  // namespace

std::unique_ptr<SolvedTable> solveOneColumn() {
    auto exact = std::make_unique<Exact>();
    // A fuller card comes first; within a card, the bonus boxes that follow
    // from an entry into them come before the ones they follow from. Cards
    // with as many boxes filled never lead to each other, so the cores share
    // them (the double solve takes twice the time of a float one).
    constexpr int BonusOrder[] = {FiftyTwo, GivenUp, FiftyOne, Fifty, BoxOpen};
    std::array<std::vector<int>, 13> byFilled;
    for (int mask = FullMask; mask >= 0; --mask)
        byFilled[static_cast<std::size_t>(std::popcount(static_cast<unsigned>(mask)))].push_back(mask);
    const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::unique_ptr<Work>> work;
    for (unsigned i = 0; i < cores; ++i) work.push_back(std::make_unique<Work>());
    for (int filled = 12; filled >= 0; --filled) {
        const std::vector<int>& masks = byFilled[static_cast<std::size_t>(filled)];
        std::atomic<std::size_t> next{0};
        auto solveSome = [&](Work* w) {
            for (std::size_t i; (i = next++) < masks.size();)
                for (int bonus : BonusOrder) solveState(*exact, masks[i], bonus, *w);
        };
        std::vector<std::thread> helpers;
        for (unsigned i = 1; i < cores; ++i) helpers.emplace_back(solveSome, work[i].get());
        solveSome(work[0].get());
        for (auto& h : helpers) h.join();
    }
    auto table = std::make_unique<SolvedTable>();
    for (int mask = 0; mask <= FullMask; ++mask)
        for (int bonus = 0; bonus < BonusStates; ++bonus) {
            const double* from = exact->lanes(mask, bonus);
            std::transform(from, from + L, table->lanes(mask, bonus),
                           [](double v) { return static_cast<float>(v); });
        }
    table->setStartValue(exact->value(ColumnState{}));
    return table;
}

}  // namespace rp::advisor
