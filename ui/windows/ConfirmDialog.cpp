#include "Words.h"
#include "ConfirmDialog.h"

#include <QKeyEvent>
#include <QLabel>

#include "ImageButton.h"
#include "Layout.h"
#include "WindowFonts.h"

namespace rp {

ConfirmDialog::ConfirmDialog(Windows& windows, QString name)
    : Window(windows, std::move(name), size::ConfirmWindow, Placement::OnMainWindow) {
    setWindowTitle(translate("Confirm", "Real Pentaro"));

    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    const auto& m = size::ConfirmMessage;
    placeTwips(*lblMessage, m.left, m.top, m.box());
    lblMessage->setFont(serifFont(12, true));
    lblMessage->setAlignment(Qt::AlignCenter);
    lblMessage->setWordWrap(true);
    lblMessage->setAttribute(Qt::WA_TranslucentBackground);
    QPalette p = lblMessage->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 64));
    lblMessage->setPalette(p);

    auto button = [this](const char* control, const QString& word, const size::Rect& r, const QString& tip) {
        auto* b = new ImageButton(pictures(), sound(), word, this);
        b->setObjectName(QString::fromLatin1(control));
        placeTwips(*b, r.left, r.top, r.box());
        b->setKeyboardFocusable(true);
        b->setToolTip(tip);
        return b;
    };
    imgConfirm = button("imgConfirm", translate("Confirm", "Confirm"), size::ConfirmButton, translate("Confirm", "Confirm (Space or Enter)"));
    imgCancel = button("imgCancel", translate("Confirm", "Cancel"), size::CancelButton, translate("Confirm", "Cancel (Escape)"));
    imgConfirm->setAction([this] { imgConfirm_MouseUp(); });
    imgCancel->setAction([this] { imgCancel_MouseUp(); });
    setTabOrder(imgConfirm, imgCancel);
}

void ConfirmDialog::Form_Load() {
    setBackground("messageboxlarge.jpg");
    imgConfirm->setPictures("confirmup.jpg", "confirmdn.jpg");
    imgCancel->setPictures("cancelup.jpg", "canceldn.jpg");
}

void ConfirmDialog::imgConfirm_MouseUp() { Confirm(); }

void ConfirmDialog::imgCancel_MouseUp() { windows().hide(name()); }

void ConfirmDialog::closeRequested() {
    if (isVisible()) imgCancel->click();
}

void ConfirmDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        Window::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) closeRequested();
}

// What destroys data never sits under a stray Enter: the focus starts on Cancel.
void ConfirmDialog::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    imgCancel->setFocus(Qt::OtherFocusReason);
}

}  // namespace rp
