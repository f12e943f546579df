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

// A control's place within its window's client area, in twips.
struct Rect {
    int left;
    int top;
    int width;
    int height;
    constexpr int leftPx() const { return px(left); }
    constexpr int topPx() const { return px(top); }
    constexpr int widthPx() const { return px(width); }
    constexpr int heightPx() const { return px(height); }
    constexpr Box box() const { return {width, height}; }
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

// The check mark of the new-game dialog; its empty box is part of the
// dialog's background, so an unchecked place still reads as a box.
inline constexpr Box Check{375, 375};

// New-game dialog. The background prints the player numbers beside the
// player checks, the headings above the rows and the game-type texts right
// of the two game-type checks, so those controls must sit exactly here.
// A column at the right chooses who plays each seat and the computers' pace.
inline constexpr Box NewGameWindow{6450, 4500};
inline constexpr int NewGameSeatColumn = 4950;  // where the seat column begins
inline constexpr Rect NewGamePlayerCheck1{600, 660, 375, 375};  // checks 2..4 below
inline constexpr int NewGameRowStep = 480;
inline constexpr Rect NewGameNameBox1{1500, 675, 2850, 345};  // boxes 2..4 below
inline constexpr Rect NewGameTypeCheck1{300, 3090, 375, 375};   // three columns
inline constexpr Rect NewGameTypeCheck2{2760, 3090, 375, 375};  // one column
inline constexpr Rect NewGameSeat1{4530, 675, 1680, 345};  // seats 2..4 below
inline constexpr Rect NewGamePace{4530, 3885, 1680, 345};  // beside Done
inline constexpr Rect NewGameDone{2445, 3870, 1545, 375};

// High-score window. The background prints each table's title and the
// "Name" / "Score" headings above the label columns; place 1 is given,
// places 2..6 follow at ScoresRowStep.
inline constexpr Box ScoresWindow{4950, 6750};
inline constexpr Rect ScoresNameA1{540, 1320, 2640, 300};
inline constexpr Rect ScoresScoreA1{3300, 1320, 1200, 300};
inline constexpr Rect ScoresNameB1{540, 4050, 2640, 300};
inline constexpr Rect ScoresScoreB1{3300, 4050, 1200, 300};
inline constexpr int ScoresRowStep = 315;
inline constexpr Rect ScoresReset{540, 6195, 885, 300};
inline constexpr Rect ScoresDone{2865, 6165, 1545, 375};

// Both confirmation dialogs (background messageboxlarge.jpg): the question
// across the top, Confirm at the lower left, Cancel at the lower right.
inline constexpr Box ConfirmWindow{4050, 1950};
inline constexpr Rect ConfirmMessage{180, 210, 3690, 660};
inline constexpr Rect ConfirmButton{360, 1380, 1545, 375};
inline constexpr Rect CancelButton{2145, 1380, 1545, 375};

// End-of-game window. Its background carries the title in a band at the
// top, between the two flash pictures; the window's own labels and grid
// start at EndGameBodyTop.
inline constexpr Box EndGameWindow{8100, 5400};
inline constexpr Rect EndGameFlashLeft{150, 120, 1440, 960};
inline constexpr Rect EndGameFlashRight{6510, 120, 1440, 960};
inline constexpr int EndGameBodyTop = 1140;
inline constexpr Rect EndGameDone{3270, 4845, 1545, 375};
inline constexpr Rect EndGameReview{5190, 4845, 1545, 375};

// Scores check window: the main window's card, paper at the same offset,
// under a title band that the background carries.
inline constexpr Box ScoresCheckWindow{5565, 8100};
inline constexpr Rect ScoresCheckPaper{195, 945, 5175, 6375};
inline constexpr Rect ScoresCheckDone{2010, 7470, 1545, 375};
inline constexpr Rect ScoresCheckReview{3705, 7470, 1545, 375};
// The game review: the chart, the small card and the list of decisions.
inline constexpr Box ReviewWindow{12000, 9000};

}  // namespace rp::size
