#include "Words.h"
#include "frmResumeGame.h"

#include <QCoreApplication>
#include <QLabel>

#include "Layout.h"
#include "WindowFonts.h"

#include "ImageButton.h"

namespace rp {

frmResumeGame::frmResumeGame(Windows& windows) : ConfirmDialog(windows, Name) {
    // Between the question and the buttons, smaller: the answer's consequence.
    lblKept = new QLabel(this);
    lblKept->setObjectName(QStringLiteral("lblKept"));
    placeTwips(*lblKept, 180, 855, 3690, 270);
    lblKept->setFont(serifFont(9, false));
    lblKept->setAlignment(Qt::AlignCenter);
    lblKept->setWordWrap(true);
    lblKept->setAttribute(Qt::WA_TranslucentBackground);
    lblKept->setPalette(lblMessage->palette());
    lblKept->setText(translate("Resume", "Cancel keeps it for the next start."));
    imgCancel->setToolTip(translate("Resume", "Cancel (Escape): keep the game for later"));
}

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
    lblMessage->setAccessibleDescription(lblKept->text());
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
