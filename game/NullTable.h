#pragma once
// A table, services and a settings store that show, play and keep nothing:
// for running the rules unseen (the box previews, the benchmarks).

#include "Services.h"
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

struct NullSeams : GameServices, HighScoreBoard, SettingsStore {
    int messages = 0;  // refusals the message window would have shown
    void play(std::string_view) override {}
    void showMessage() override { ++messages; }
    void openCelebration() override {}
    void showEntry(char, int, std::string_view, std::string_view, bool) override {}
    std::string read(std::string_view, std::string_view) override { return {}; }
    void write(std::string_view, std::string_view, std::string_view) override {}
    bool flush() override { return true; }
    void setAside(std::string_view) override {}
};

// Every seam of the rules at once.
struct NullGame : NullTable, NullSeams {};

}  // namespace rp
