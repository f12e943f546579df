#pragma once
// The dice as multisets: order does not change what a box is worth, so the
// solver works on the 252 distinct rolls and the 462 distinct sets of kept
// dice (0 to 5 dice) instead of the 7776 ordered throws.

#include <array>
#include <cstdint>
#include <vector>

#include "Categories.h"

namespace rp::advisor {

constexpr int KeepSets = 462;  // multisets of 0..5 dice
constexpr int Rolls = 252;     // multisets of exactly 5 dice

using Counts = std::array<std::uint8_t, 7>;  // [face 1..6]; [0] unused

class DiceSets {
public:
    static const DiceSets& get();

    int index(const Counts& c) const;  // any multiset of 0..5 dice
    const Counts& counts(int set) const { return counts_[set]; }
    int size(int set) const { return size_[set]; }
    // The set with one more die showing `face`; only for sets below 5 dice.
    int plus(int set, int face) const { return plus_[set][face]; }
    // Sets in order of falling size, so a set comes after all its supersets.
    const std::vector<int>& bySizeDown() const { return order_; }
    const std::vector<int>& rolls() const { return rolls_; }
    // Every distinct proper subset of a roll: what may be kept before a roll.
    const std::vector<int>& keeps(int roll) const { return keeps_[roll]; }
    // Five dice of this roll, smallest first, as the rules read them.
    const category::DiceArray& dice(int roll) const { return dice_[roll]; }
    bool fiveAlike(int roll) const { return alike_[roll] != 0; }
    int alikeFace(int roll) const { return alike_[roll]; }

private:
    DiceSets();
    std::array<Counts, KeepSets> counts_{};
    std::array<int, KeepSets> size_{};
    std::array<std::array<int, 7>, KeepSets> plus_{};
    std::array<std::vector<int>, KeepSets> keeps_;
    std::array<category::DiceArray, KeepSets> dice_{};
    std::array<int, KeepSets> alike_{};
    std::vector<int> order_, rolls_;
    std::vector<int> lookup_;  // base-6 code of the counts -> set
};

// The multiset of the five dice as they lie (faces 1..6).
Counts countsOf(const category::DiceArray& dice);

}  // namespace rp::advisor
