#include "Words.h"
#include "frmMessageBox.h"

#include <QLabel>
#include <QTimer>

#include "Layout.h"

namespace rp {

frmMessageBox::frmMessageBox(Windows& windows)
    : Window(windows, Name, size::MessageWindow, Placement::OnMainWindow) {
    setWindowTitle(translate("Message", "Real Pentaro"));

    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    // Down to the window's foot: three lines in any script.
    placeTwips(*lblMessage, 180, 120, 2595, 885);
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setPointSizeF(11.25);
    font.setBold(true);
    lblMessage->setFont(font);
    lblMessage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblMessage->setWordWrap(true);
    lblMessage->setAttribute(Qt::WA_TranslucentBackground);

    Timer1 = addTimer(2000, [this] { Timer1_Timer(); });
}

void frmMessageBox::Form_Load() {
    setBackground("messagebox.jpg");
    QString text = translate("Messages", state().MessageText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblMessage->setText(text);
    Timer1->start();
}

void frmMessageBox::Timer1_Timer() {
    Timer1->stop();
    unloadMe();
}

}  // namespace rp
