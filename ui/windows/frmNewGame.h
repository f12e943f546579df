#pragma once
// The new-game dialog: how many players, their names and the game type.
// Loaded once and then only shown and hidden, so whatever the players chose
// is offered again next time. Its done button (or Enter, or Escape, or the
// window manager's close) starts the game and returns to the table.

#include <array>

#include "Logic.h"
#include "Windows.h"

class QLineEdit;

namespace rp {

class ClickableLabel;
class ImageButton;

class frmNewGame : public Window {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmNewGame";
    frmNewGame(Windows& windows, mdlLogic& logic);

    void imgPlayerCheck_Click(int index);
    void imgGameTypeCheck_Click(int index);
    void txtPlayers_GotFocus(int index);
    void imgOKButton_MouseUp();
    void SelectPlayerCount(int n);

    // Arrays 1-based ([0] unused).
    std::array<QLineEdit*, 5> txtPlayers{};
    std::array<ClickableLabel*, 5> imgPlayerCheck{};
    std::array<ClickableLabel*, 3> imgGameTypeCheck{};
    ImageButton* imgOKButton;

protected:
    void Form_Load() override;
    void closeRequested() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setCheck(ClickableLabel* check, bool on);
    void done();

    mdlLogic& logic_;
};

}  // namespace rp
