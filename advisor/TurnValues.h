#pragma once
// The value of every position within one turn, given what each way of
// ending the turn is worth. A position is the dice (as a multiset), the
// rolls left and whether a five of a kind has been seen this turn; once it
// has, die 1 counts too, because its face at the click is the joker number.
//
// Values run in lanes: the solver puts the 64 upper subtotals of a column
// side by side, the advisor uses one lane. They are doubles: a float turn,
// summed over a whole card, drifts by some 1e-5 from the exact value.

#include <algorithm>
#include <array>

#include "DiceSets.h"

namespace rp::advisor {

using Value = double;
template <int N>
using Lanes = std::array<Value, N>;

template <int N>
struct StopValues {
    // Best entry for each roll, without a five of a kind this turn...
    std::array<Lanes<N>, KeepSets> plain;
    // ...and with one, by roll and the face of die 1.
    std::array<std::array<Lanes<N>, 7>, KeepSets> flagged;
    // All flagged positions are worth `flat` (box 1 open: the 50 is forced).
    bool flaggedFlat = false;
    Lanes<N> flat;
};

template <int N>
struct TurnValues {
    // [r]: r rolls left. Best value of a roll, plain and flagged.
    std::array<std::array<Lanes<N>, KeepSets>, 3> plain;
    std::array<std::array<std::array<Lanes<N>, 7>, KeepSets>, 3> flagged;
    // [r][K]: expected value of keeping K and rolling the rest, r rolls left after.
    std::array<std::array<Lanes<N>, KeepSets>, 3> keep;
    // The same with a five of a kind seen: die 1 kept showing d, or rolled.
    std::array<std::array<std::array<Lanes<N>, KeepSets>, 7>, 2> keepDie1;
    std::array<std::array<Lanes<N>, KeepSets>, 2> rollDie1;
    bool flat = false;
    Lanes<N> flatValue;

    // Expected value at the start of the turn, before the first roll.
    const Lanes<N>& start() const { return keep[2][0]; }
    const Lanes<N>& flaggedAt(int r, int roll, int die1) const {
        return flat ? flatValue : flagged[r][roll][die1];
    }
};

namespace lanes {

template <int N>
inline void maxInto(Lanes<N>& a, const Lanes<N>& b, int n) {
    for (int i = 0; i < n; ++i) a[i] = std::max(a[i], b[i]);
}

template <int N>
inline void average6(Lanes<N>& out, const Lanes<N>* const in[6], int n) {
    for (int i = 0; i < n; ++i)
        out[i] = ((*in[0])[i] + (*in[1])[i] + (*in[2])[i] + (*in[3])[i] + (*in[4])[i] + (*in[5])[i]) *
                 Value(1.0 / 6.0);
}

}  // namespace lanes

// Fills `t` from `stop` for the first `n` lanes. The flagged positions at two
// rolls left are only reachable as a five of a kind from the first roll;
// `everyFlagged` computes them for any dice (the advisor asks about any).
template <int N>
void solveTurn(const StopValues<N>& stop, TurnValues<N>& t, int n, bool everyFlagged) {
    const DiceSets& ds = DiceSets::get();
    t.flat = stop.flaggedFlat;
    t.flatValue = stop.flat;
    for (int m : ds.rolls()) {
        t.plain[0][m] = stop.plain[m];
        if (!t.flat)
            for (int d = 1; d <= 6; ++d)
                if (ds.counts(m)[d]) t.flagged[0][m][d] = stop.flagged[m][d];
    }
    for (int r = 1; r <= 3; ++r) {
        const int a = r - 1;  // rolls left after the coming roll
        // Keeping a set and rolling the rest: average over the next die, one
        // die at a time, from full rolls down to the empty set.
        for (int s : ds.bySizeDown()) {
            if (ds.size(s) == 5) {
                t.keep[a][s] = ds.fiveAlike(s) ? t.flaggedAt(a, s, ds.alikeFace(s)) : t.plain[a][s];
                continue;
            }
            const Lanes<N>* in[6];
            for (int f = 1; f <= 6; ++f) in[f - 1] = &t.keep[a][ds.plus(s, f)];
            lanes::average6<N>(t.keep[a][s], in, n);
        }
        if (r == 3) break;
        if (!t.flat) {
            for (int d = 1; d <= 6; ++d)
                for (int s : ds.bySizeDown()) {
                    if (!ds.counts(s)[d]) continue;
                    if (ds.size(s) == 5) {
                        t.keepDie1[a][d][s] = t.flagged[a][s][d];
                        continue;
                    }
                    const Lanes<N>* in[6];
                    for (int f = 1; f <= 6; ++f) in[f - 1] = &t.keepDie1[a][d][ds.plus(s, f)];
                    lanes::average6<N>(t.keepDie1[a][d][s], in, n);
                }
            for (int s : ds.bySizeDown()) {
                if (ds.size(s) == 5) continue;
                // Die 1 is rolled: its new face is the joker number from now on.
                const Lanes<N>* in[6];
                for (int g = 1; g <= 6; ++g) in[g - 1] = &t.keepDie1[a][g][ds.plus(s, g)];
                lanes::average6<N>(t.rollDie1[a][s], in, n);
            }
        }
        for (int m : ds.rolls()) {
            Lanes<N> v = stop.plain[m];
            for (int k : ds.keeps(m)) lanes::maxInto<N>(v, t.keep[a][k], n);
            t.plain[r][m] = v;
            if (t.flat || (r == 2 && !everyFlagged && !ds.fiveAlike(m))) continue;
            const Counts& mc = ds.counts(m);
            for (int d = 1; d <= 6; ++d) {
                if (!mc[d]) continue;
                Lanes<N> w = stop.flagged[m][d];
                for (int k : ds.keeps(m)) {
                    const Counts& kc = ds.counts(k);
                    if (kc[d]) lanes::maxInto<N>(w, t.keepDie1[a][d][k], n);
                    if (kc[d] < mc[d]) lanes::maxInto<N>(w, t.rollDie1[a][k], n);
                }
                t.flagged[r][m][d] = w;
            }
        }
    }
}

}  // namespace rp::advisor
