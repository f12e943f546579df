#pragma once
// The rules are made before the table window is loaded (the splash loads it
// three seconds into the run): this hands what they show to the table once
// it is there, and drops it while it is not.

#include "Windows.h"
#include "frmMain.h"

namespace rp {

class TableForwarder : public TableView {
public:
    explicit TableForwarder(Windows& windows) : windows_(windows) {}

    void setBoxCaption(int c, int r, std::string_view t) override { if (auto* m = table()) m->setBoxCaption(c, r, t); }
    void setBonusCaption(int c, int b, std::string_view t) override { if (auto* m = table()) m->setBonusCaption(c, b, t); }
    void setCardEnabled(bool e) override { if (auto* m = table()) m->setCardEnabled(e); }
    void setChipTotal(int c, std::string_view t) override { if (auto* m = table()) m->setChipTotal(c, t); }
    void setChipPicture(int c, std::string_view p) override { if (auto* m = table()) m->setChipPicture(c, p); }
    void setRollingDiePicture(int d, std::string_view p) override { if (auto* m = table()) m->setRollingDiePicture(d, p); }
    void setRollingDieEnabled(int d, bool e) override { if (auto* m = table()) m->setRollingDieEnabled(d, e); }
    void setKeptDiePicture(int d, std::string_view p) override { if (auto* m = table()) m->setKeptDiePicture(d, p); }
    void setKeptDieEnabled(int d, bool e) override { if (auto* m = table()) m->setKeptDieEnabled(d, e); }
    void setPlayerName(std::string_view t) override { if (auto* m = table()) m->setPlayerName(t); }
    void setRollCount(std::string_view t) override { if (auto* m = table()) m->setRollCount(t); }
    void setNextPlayerVisible(bool v) override { if (auto* m = table()) m->setNextPlayerVisible(v); }
    void setTimer(TableTimer t, bool on) override { if (auto* m = table()) m->setTimer(t, on); }
    void setDieAnimator(int d, int e, bool on) override { if (auto* m = table()) m->setDieAnimator(d, e, on); }

private:
    frmMain* table() const { return windows_.find<frmMain>(); }
    Windows& windows_;
};

}  // namespace rp
