#include "Words.h"
#include "frmConfirmBox.h"

#include <QLabel>

#include "WindowFonts.h"
#include "frmNewGame.h"

namespace rp {

frmConfirmBox::frmConfirmBox(Windows& windows) : ConfirmDialog(windows, Name) {}

void frmConfirmBox::Confirm() {
    state().GameInProgress = false;
    windows().hide(Name);
    windows().hide(Windows::MainWindow);
    windows().showModal(frmNewGame::Name);
}

// The caller hands the question over in ConfirmText.
void frmConfirmBox::showEvent(QShowEvent* event) {
    if (!state().ConfirmText.empty()) lblMessage->setText(labelText(translate("Messages", state().ConfirmText)));
    ConfirmDialog::showEvent(event);
}

}  // namespace rp
