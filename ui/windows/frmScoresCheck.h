#pragma once
// One player's finished score card, read-only: the table's card again, with
// every filled box, the bonus boxes and the chips of each column. Opened
// from the results by ShowScoresCheck; done (or Escape, or the window
// manager's close) goes back to them.

#include <array>

#include "Windows.h"

class QLabel;

namespace rp {

class ImageButton;

class frmScoresCheck : public Window {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmScoresCheck";
    explicit frmScoresCheck(Windows& windows);

    // Fills the card of player p (1..4) and shows it modally.
    void ShowScoresCheck(int p);
    void imgDoneButton_MouseUp();

    QLabel* lblGame(int column, int row) const { return lblGame_.at(column).at(row); }
    QLabel* lblGameY(int column, int box) const { return lblGameY_.at(column).at(box); }

    QLabel* lblPlayer;
    std::array<QLabel*, 20> Label1{};  // row captions, 0-based
    QLabel *Label2, *Label3, *Label4, *Label5, *Label6;
    std::array<QLabel*, 4> lblChipTotal{}, imgPentaroChip{};  // 1-based
    QLabel* imgPaper;
    ImageButton* imgDoneButton;
    // The game review of the player shown, for a person.
    ImageButton* imgReviewButton;

protected:
    void Form_Load() override;
    void closeRequested() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fillColumn(int p, int column);
    void fillBonusBoxes(int p, int column);
    void setChip(int column, bool shown);

    std::array<std::array<QLabel*, 21>, 4> lblGame_{};
    std::array<std::array<QLabel*, 4>, 4> lblGameY_{};
    int shown_ = 0;
};

}  // namespace rp
