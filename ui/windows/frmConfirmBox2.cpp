#include "frmConfirmBox2.h"

namespace rp {

frmConfirmBox2::frmConfirmBox2(Windows& windows, mdlLogic& logic)
    : ConfirmDialog(windows, Name), logic_(logic) {}

// The rules write the tables, the store and, through the board, the labels
// of the high-score window in their normal look.
void frmConfirmBox2::Confirm() {
    logic_.ResetHighScores();
    windows().hide(Name);
}

}  // namespace rp
