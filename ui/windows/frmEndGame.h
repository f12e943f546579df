#pragma once
// The results of a finished game: the winner, each player's totals column
// by column, and the two flashing pictures when a result entered a
// high-score table. A player's name opens that player's card. Loaded afresh
// for every finished game (by the table's end-of-game timer, which hides
// the table and shows this window without waiting); done unloads it and
// shows the high scores.

#include <array>
#include <functional>
#include <optional>

#include "Logic.h"
#include "Seats.h"
#include "Windows.h"

class QLabel;
class QTimer;

namespace rp {

class ClickableLabel;
class ImageButton;

class frmEndGame : public Window {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmEndGame";
    frmEndGame(Windows& windows, mdlLogic& logic);

    void Timer1_Timer();
    void Timer2_Timer();
    void lblPlayer_Click(int p);
    void imgDone_MouseUp();

    // Row r (1..7) of player p (1..4): lblScoreGrid<p>(r).
    QLabel* lblScoreGrid(int p, int r) const { return grid_.at(p).at(r); }

    QLabel* lblWinner;
    std::array<ClickableLabel*, 5> lblPlayer{};  // 1-based
    std::array<QLabel*, 7> Label1{};            // row captions, 0-based
    QLabel* Label2;
    // After a solo one-column game: the result against best play.
    QLabel* lblBestPlay;
    std::function<std::optional<double>()> bestPlay;
    // Who played each seat: a computer's heading carries its strength.
    const Seats* seats = nullptr;
    std::array<QLabel*, 5> lblSeat{};  // 1-based; "Hard" under a computer's name
    QLabel *imgLeft, *imgRight;
    QTimer *Timer1, *Timer2;
    ImageButton* imgDone;
    // The game review of the first person (each person's from the review itself).
    ImageButton* imgReview;
    void imgReview_MouseUp();

protected:
    void Form_Load() override;
    void closeRequested() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showBestPlay();

    mdlLogic& logic_;
    std::array<std::array<QLabel*, 8>, 5> grid_{};
};

}  // namespace rp
