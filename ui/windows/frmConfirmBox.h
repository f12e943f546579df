#pragma once
// Asked by the table's new-game button while a game is under way. Confirm
// abandons the game and opens the new-game dialog; the old card is cleared
// only when that dialog starts the new game.

#include "ConfirmDialog.h"

namespace rp {

class frmConfirmBox : public ConfirmDialog {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmConfirmBox";
    explicit frmConfirmBox(Windows& windows);

protected:
    void Confirm() override;
    void showEvent(QShowEvent* event) override;
};

}  // namespace rp
