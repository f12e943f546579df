#pragma once
// Asked once the table is up when a game was left unfinished: Confirm plays
// it on; Cancel (Escape) starts with an empty table and keeps the game for
// the next start (only a new game replaces it). Enter confirms.

#include "ConfirmDialog.h"

namespace rp {

class frmResumeGame : public ConfirmDialog {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmResumeGame";
    explicit frmResumeGame(Windows& windows);

    // "Continue the game of Ada, Bo and Eva?"
    static QString question(const QStringList& names);
    void ask(const QStringList& names);
    bool confirmed() const { return confirmed_; }

    QLabel* lblKept;  // what Cancel does with the game

protected:
    void Confirm() override;
    void showEvent(QShowEvent* event) override;

private:
    bool confirmed_ = false;
};

}  // namespace rp
