#pragma once
// What the rules may change on the main table. The table window implements
// it; tests use a fake that records the screen as a player would see it.
// Picture arguments are bare file names of the images folder ("die6.gif");
// an empty name clears the picture.

#include <string_view>

namespace rp {

enum class TableTimer { RollPause, Next, EndGame };

class TableView {
public:
    virtual ~TableView() = default;

    // Score box of row 1..20 in column 1..3 (lblGame1..3).
    virtual void setBoxCaption(int column, int row, std::string_view text) = 0;
    // Bonus box 1..3 of column 1..3 (lblGame1Y..3Y).
    virtual void setBonusCaption(int column, int box, std::string_view text) = 0;
    // Every score box and every bonus box at once.
    virtual void setCardEnabled(bool enabled) = 0;

    virtual void setChipTotal(int column, std::string_view text) = 0;
    virtual void setChipPicture(int column, std::string_view picture) = 0;

    virtual void setRollingDiePicture(int die, std::string_view picture) = 0;
    virtual void setRollingDieEnabled(int die, bool enabled) = 0;
    virtual void setKeptDiePicture(int die, std::string_view picture) = 0;
    virtual void setKeptDieEnabled(int die, bool enabled) = 0;

    virtual void setPlayerName(std::string_view text) = 0;
    virtual void setRollCount(std::string_view text) = 0;
    virtual void setNextPlayerVisible(bool visible) = 0;

    virtual void setTimer(TableTimer timer, bool on) = 0;
    // Element 1..6 of die 1..5's animator chain.
    virtual void setDieAnimator(int die, int element, bool on) = 0;
};

}  // namespace rp
