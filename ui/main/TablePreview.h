#pragma once
// What each open box would give: after a roll has landed, every box that
// would take the dice shows its value in pale ink, worked out by the rules
// themselves on a copy of the game, and the blank Sub Total box shows how
// far the upper section is from its bonus. Key P turns both off and on; the
// choice is kept in the settings ("Params", "Preview").

#include <QObject>

namespace rp {

class frmMain;
class SettingsStore;

class TablePreview : public QObject {
    Q_OBJECT
public:
    TablePreview(frmMain& table, SettingsStore& store);

    bool isOn() const { return on_; }
    void setOn(bool on);
    // Shows the values for the dice on the table, or clears them when no
    // box can be entered now.
    void refresh();

private:
    void showBonusProgress();
    frmMain& table_;
    SettingsStore& store_;
    bool on_ = true;
};

}  // namespace rp
