#pragma once
// The high-score labels the rules write: those of frmHighScores, while it
// is loaded. Made before the rules, from the window registry alone.

#include "Services.h"
#include "Windows.h"

namespace rp {

class WindowBoard : public HighScoreBoard {
public:
    explicit WindowBoard(Windows& windows) : windows_(windows) {}

    void showEntry(char table, int place, std::string_view name, std::string_view score,
                   bool highlighted) override;

private:
    Windows& windows_;
};

}  // namespace rp
