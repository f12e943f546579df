#pragma once
// The new-game dialog: how many players, their names and the game type.
// Loaded once and then only shown and hidden, so whatever the players chose
// is offered again next time. Its done button (or Enter, or Escape, or the
// window manager's close) starts the game and returns to the table.

#include <array>
#include <QString>
#include <functional>

#include "Logic.h"
#include "Seats.h"
#include "Windows.h"

class QLineEdit;

namespace rp {

class ClickableLabel;
class ImageButton;

class frmNewGame : public Window {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmNewGame";
    // seats: who plays each seat, offered again and kept in store.
    frmNewGame(Windows& windows, mdlLogic& logic, Seats& seats, SettingsStore& store);

    void imgPlayerCheck_Click(int index);
    void imgGameTypeCheck_Click(int index);
    void txtPlayers_GotFocus(int index);
    void imgOKButton_MouseUp();
    void SelectPlayerCount(int n);
    // Person -> Computer: Easy -> Medium -> Hard -> Person.
    void imgSeat_Click(int index);
    // Slow -> Normal -> Fast -> Slow.
    void imgPace_Click();
    // The desktop's -> English -> each language of the game -> the desktop's.
    void lblLanguage_Click();
    std::function<void(const QString&)> chooseLanguage;

    // Arrays 1-based ([0] unused).
    std::array<QLineEdit*, 5> txtPlayers{};
    std::array<ClickableLabel*, 5> imgPlayerCheck{};
    std::array<ClickableLabel*, 3> imgGameTypeCheck{};
    ImageButton* imgOKButton;
    std::array<ClickableLabel*, 5> imgSeat{};
    ClickableLabel* imgPace;
    ClickableLabel* lblLanguage;

protected:
    void Form_Load() override;
    void closeRequested() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setCheck(ClickableLabel* check, bool on);
    void done();
    void showSeat(int index);
    void showPace();
    void showLanguage();
    void retranslate() override;

    mdlLogic& logic_;
    Seats& seats_;
    SettingsStore& store_;
    std::array<QString, 5> design_;  // the names the boxes were given, in the words of then
};

}  // namespace rp
