#pragma once
// Sizes of the windows and picture controls, in twips, in one place: the
// asset generator draws each picture at its control's size and the windows
// use the same numbers, so a picture and its window never disagree.

#include "Twips.h"

namespace rp::size {

struct Box {
    int width;   // twips
    int height;  // twips
    constexpr int widthPx() const { return px(width); }
    constexpr int heightPx() const { return px(height); }
};

inline constexpr Box MainClient{7965, 7545};
inline constexpr Box Die{525, 525};
inline constexpr Box ImageButton{1545, 375};
inline constexpr Box ResetButton{885, 300};
inline constexpr Box NextPlayer{2250, 750};
inline constexpr Box Paper{5175, 6375};
inline constexpr Box Chip{450, 450};
inline constexpr Box Celebration{3015, 1020};
inline constexpr Box MessageWindow{3000, 1005};
inline constexpr Box Splash{5235, 3360};
inline constexpr Box ExitWindow{5250, 3360};

}  // namespace rp::size
