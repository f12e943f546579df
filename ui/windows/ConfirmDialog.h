#pragma once
// What the two confirmation dialogs share: the question across the top,
// Confirm at the lower left and Cancel at the lower right. Each dialog
// carries its own Confirm action; Cancel (also Escape and the window
// manager's close) only hides the dialog, so nothing has changed.

#include "Windows.h"

class QLabel;

namespace rp {

class ImageButton;

class ConfirmDialog : public Window {
    Q_OBJECT
public:
    ConfirmDialog(Windows& windows, QString name);

    void imgConfirm_MouseUp();
    void imgCancel_MouseUp();

    QLabel* lblMessage;
    ImageButton* imgConfirm;
    ImageButton* imgCancel;

protected:
    void Form_Load() override;
    void closeRequested() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // What this dialog's Confirm does.
    virtual void Confirm() = 0;
};

}  // namespace rp
