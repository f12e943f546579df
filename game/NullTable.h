#pragma once
// A table that shows nothing: for running the rules without a window, as the
// benchmark does.

#include "TableView.h"

namespace rp {

struct NullTable : TableView {
    void setBoxCaption(int, int, std::string_view) override {}
    void setBonusCaption(int, int, std::string_view) override {}
    void setCardEnabled(bool) override {}
    void setChipTotal(int, std::string_view) override {}
    void setChipPicture(int, std::string_view) override {}
    void setRollingDiePicture(int, std::string_view) override {}
    void setRollingDieEnabled(int, bool) override {}
    void setKeptDiePicture(int, std::string_view) override {}
    void setKeptDieEnabled(int, bool) override {}
    void setPlayerName(std::string_view) override {}
    void setRollCount(std::string_view) override {}
    void setNextPlayerVisible(bool) override {}
    void setTimer(TableTimer, bool) override {}
    void setDieAnimator(int, int, bool) override {}
};

}  // namespace rp
