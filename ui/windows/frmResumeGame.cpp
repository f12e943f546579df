#include "Words.h"
#include "frmResumeGame.h"

#include <QLabel>

#include "ImageButton.h"

namespace rp {

frmResumeGame::frmResumeGame(Windows& windows) : ConfirmDialog(windows, Name) {}

QString frmResumeGame::question(const QStringList& names) {
    QString who = names.value(0);
    if (names.size() > 1)
        who = QStringList(names.mid(0, names.size() - 1)).join(QStringLiteral(", ")) + translate("Resume", " and ") +
              names.back();
    return translate("Resume", "Continue the game of %1?").arg(who);
}

void frmResumeGame::ask(const QStringList& names) {
    confirmed_ = false;
    lblMessage->setText(question(names));
    lblMessage->setAccessibleName(lblMessage->text());
    windows().showModal(Name);
}

void frmResumeGame::Confirm() {
    confirmed_ = true;
    windows().hide(Name);
}

void frmResumeGame::showEvent(QShowEvent* event) {
    ConfirmDialog::showEvent(event);
    imgConfirm->setFocus(Qt::OtherFocusReason);
}

}  // namespace rp
