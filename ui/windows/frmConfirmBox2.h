#pragma once
// Asked by the high-score window's reset button. Confirm puts the default
// table into the game, the settings store and the high-score window.

#include "ConfirmDialog.h"
#include "Logic.h"

namespace rp {

class frmConfirmBox2 : public ConfirmDialog {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmConfirmBox2";
    frmConfirmBox2(Windows& windows, mdlLogic& logic);

protected:
    void Confirm() override;

private:
    mdlLogic& logic_;
};

}  // namespace rp
