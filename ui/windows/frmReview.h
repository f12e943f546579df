#pragma once
// The review of one person's finished game: one sentence that adds it up,
// the game's course as a chart, and the decisions, most costly first, each
// shown on a small card when selected. Opened from the results and from a
// score card; done (or Escape) goes back to them.

#include <functional>
#include <string>
#include <vector>

#include "Review.h"
#include "Windows.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace rp {

class ImageButton;
class ReviewCard;
class ReviewChart;

// What the review is made from: the moves the table recorded, the solved
// table (loaded on first use) and who is a person.
struct ReviewSource {
    const advisor::MoveLog* moves = nullptr;
    std::function<const advisor::SolvedTable*(std::string& error)> table;
    std::function<bool(int player)> isPerson;
};

class frmReview : public Window {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmReview";
    frmReview(Windows& windows, ReviewSource source);

    // Fills the review of player p (a person of the game) and shows it modally.
    void ShowReview(int p);
    void imgDoneButton_MouseUp();

    const advisor::GameReview& review() const { return review_; }
    int player() const { return player_; }

    QComboBox* cboPlayer;
    QLabel* lblSummary;
    ReviewChart* chartCourse;
    QTableWidget* lstDecisions;
    ReviewCard* cardPosition;
    ImageButton* imgDoneButton;

protected:
    void Form_Load() override;
    void closeRequested() override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fill(int p);
    void selectDecision(int row);

    ReviewSource source_;
    advisor::GameReview review_;
    std::vector<advisor::ReviewedDecision> listed_;  // most costly first
    int player_ = 0;
};

// Defines the review window; the results and the score card offer it for
// each person once it is defined.
void defineReviewWindow(Windows& windows, ReviewSource source);
// Whether player p's game can be reviewed here; opens it.
bool reviewOffered(Windows& windows, int p);
void openReview(Windows& windows, int p);

}  // namespace rp
