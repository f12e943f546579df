#pragma once
// Layout numbers are kept in twips, as the layout tables give them; this is
// the one conversion to pixels (15 twips to a pixel at 96 dots per inch).

namespace rp {

constexpr int TwipsPerPixel = 15;

constexpr int px(int twips) { return twips / TwipsPerPixel; }

}  // namespace rp
