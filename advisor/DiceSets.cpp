#include "DiceSets.h"

#include <algorithm>
#include <stdexcept>

namespace rp::advisor {

namespace {

int code(const Counts& c) {
    int k = 0;
    for (int f = 6; f >= 1; --f) k = k * 6 + c[f];
    return k;
}

}  // namespace

const DiceSets& DiceSets::get() {
    static const DiceSets sets;
    return sets;
}

DiceSets::DiceSets() : lookup_(6 * 6 * 6 * 6 * 6 * 6, -1) {
    int n = 0;
    Counts c{};
    // Every way to put 0..5 dice on six faces.
    for (c[1] = 0; c[1] <= 5; ++c[1])
        for (c[2] = 0; c[1] + c[2] <= 5; ++c[2])
            for (c[3] = 0; c[1] + c[2] + c[3] <= 5; ++c[3])
                for (c[4] = 0; c[1] + c[2] + c[3] + c[4] <= 5; ++c[4])
                    for (c[5] = 0; c[1] + c[2] + c[3] + c[4] + c[5] <= 5; ++c[5])
                        for (c[6] = 0; c[1] + c[2] + c[3] + c[4] + c[5] + c[6] <= 5; ++c[6]) {
                            counts_[n] = c;
                            size_[n] = c[1] + c[2] + c[3] + c[4] + c[5] + c[6];
                            lookup_[code(c)] = n;
                            ++n;
                        }
    for (int s = 0; s < KeepSets; ++s) {
        plus_[s].fill(-1);
        if (size_[s] < 5)
            for (int f = 1; f <= 6; ++f) {
                Counts d = counts_[s];
                ++d[f];
                plus_[s][f] = index(d);
            }
        order_.push_back(s);
    }
    std::stable_sort(order_.begin(), order_.end(),
                     [this](int a, int b) { return size_[a] > size_[b]; });
    for (int s = 0; s < KeepSets; ++s) {
        if (size_[s] != 5) continue;
        rolls_.push_back(s);
        int i = 1;
        for (int f = 1; f <= 6; ++f)
            for (int k = 0; k < counts_[s][f]; ++k) dice_[s](i++) = static_cast<Int16>(f);
        for (int f = 1; f <= 6; ++f)
            if (counts_[s][f] == 5) alike_[s] = f;
        // Proper subsets: every count vector below the roll's, except the roll.
        const Counts& m = counts_[s];
        Counts k{};
        for (k[1] = 0; k[1] <= m[1]; ++k[1])
            for (k[2] = 0; k[2] <= m[2]; ++k[2])
                for (k[3] = 0; k[3] <= m[3]; ++k[3])
                    for (k[4] = 0; k[4] <= m[4]; ++k[4])
                        for (k[5] = 0; k[5] <= m[5]; ++k[5])
                            for (k[6] = 0; k[6] <= m[6]; ++k[6])
                                if (k != m) keeps_[s].push_back(index(k));
    }
}

int DiceSets::index(const Counts& c) const {
    int total = 0;
    for (int f = 1; f <= 6; ++f) total += c[f];
    if (total > 5) throw std::out_of_range("more than five dice");
    return lookup_[static_cast<std::size_t>(code(c))];
}

Counts countsOf(const category::DiceArray& dice) {
    Counts c{};
    for (int i = 1; i <= DiceCount; ++i) {
        const int f = dice(i);
        if (f < 1 || f > 6) throw std::out_of_range("die face not rolled");
        ++c[f];
    }
    return c;
}

}  // namespace rp::advisor
