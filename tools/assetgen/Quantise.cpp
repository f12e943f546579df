#include "Quantise.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ag {
namespace {

struct Entry {
    std::array<int, 3> c;
    std::uint32_t count;
};

struct Bucket {
    std::vector<Entry> entries;

    int widestChannel(int* width) const
    {
        int best = 0;
        *width = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (const Entry& e : entries) {
                lo = std::min(lo, e.c[ch]);
                hi = std::max(hi, e.c[ch]);
            }
            if (hi - lo > *width) {
                *width = hi - lo;
                best = ch;
            }
        }
        return best;
    }

    QRgb average() const
    {
        double sum[3] = {0, 0, 0};
        double n = 0;
        for (const Entry& e : entries) {
            for (int ch = 0; ch < 3; ++ch) sum[ch] += double(e.c[ch]) * e.count;
            n += e.count;
        }
        auto ch = [&](int i) { return int(sum[i] / n + 0.5); };
        return qRgb(ch(0), ch(1), ch(2));
    }
};

}  // namespace

std::vector<QRgb> medianCut(const Histogram& colours, int maxColours)
{
    std::vector<QRgb> palette;
    if (int(colours.size()) <= maxColours) {
        for (const auto& [rgb, count] : colours) palette.push_back(rgb);
        return palette;
    }

    std::vector<Bucket> buckets(1);
    for (const auto& [rgb, count] : colours)
        buckets[0].entries.push_back({{qRed(rgb), qGreen(rgb), qBlue(rgb)}, count});

    while (int(buckets.size()) < maxColours) {
        // Split the bucket with the widest spread, weighted by how many
        // pixels it holds, so large smooth areas get the finer steps.
        int pick = -1;
        double bestScore = 0;
        for (int i = 0; i < int(buckets.size()); ++i) {
            if (buckets[i].entries.size() < 2) continue;
            int width = 0;
            buckets[i].widestChannel(&width);
            double pixels = 0;
            for (const Entry& e : buckets[i].entries) pixels += e.count;
            double score = double(width) * std::sqrt(pixels);
            if (score > bestScore) {
                bestScore = score;
                pick = i;
            }
        }
        if (pick < 0) break;

        int width = 0;
        int ch = buckets[pick].widestChannel(&width);
        auto& es = buckets[pick].entries;
        std::stable_sort(es.begin(), es.end(),
                         [ch](const Entry& a, const Entry& b) { return a.c[ch] < b.c[ch]; });
        double total = 0;
        for (const Entry& e : es) total += e.count;
        double run = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < es.size(); ++i) {
            run += es[i].count;
            cut = i + 1;
            if (run >= total / 2) break;
        }
        Bucket upper;
        upper.entries.assign(es.begin() + long(cut), es.end());
        es.resize(cut);
        buckets.push_back(std::move(upper));
    }

    for (const Bucket& b : buckets) palette.push_back(b.average());
    return palette;
}

int nearestIndex(const std::vector<QRgb>& palette, QRgb c)
{
    int best = 0;
    long bestDist = -1;
    for (int i = 0; i < int(palette.size()); ++i) {
        long dr = qRed(palette[i]) - qRed(c);
        long dg = qGreen(palette[i]) - qGreen(c);
        long db = qBlue(palette[i]) - qBlue(c);
        long d = dr * dr + dg * dg + db * db;
        if (bestDist < 0 || d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

}  // namespace ag
