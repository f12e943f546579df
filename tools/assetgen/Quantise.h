#pragma once
// Reduces a picture's own colours to a palette (median cut), so a GIF keeps
// the colours that were drawn instead of Qt's fixed indexed palette.

#include <QRgb>
#include <cstdint>
#include <map>
#include <vector>

namespace ag {

// Colour -> number of pixels. An ordered map keeps the result independent
// of hashing order.
using Histogram = std::map<QRgb, std::uint32_t>;

// At most maxColours entries; the histogram's own colours when they fit.
std::vector<QRgb> medianCut(const Histogram& colours, int maxColours);

// Index of the palette entry nearest to c (squared RGB distance).
int nearestIndex(const std::vector<QRgb>& palette, QRgb c);

}  // namespace ag
