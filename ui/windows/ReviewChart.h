#pragma once
// The course of a game, drawn on paper: after each turn the expected final
// score with best play from there and the points banked so far, the turns
// that cost most marked. Painted directly (no chart library: nothing more to
// load for one small picture). Its text alternative lists the numbers per
// turn.

#include <QWidget>
#include <vector>

#include "Review.h"

namespace rp {

class ReviewChart : public QWidget {
public:
    explicit ReviewChart(QWidget* parent);
    void setCourse(const std::vector<advisor::TurnCourse>& turns, bool estimate);
    // The turns marked as costing most (1-based), costliest first.
    const std::vector<int>& marked() const { return marked_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<advisor::TurnCourse> turns_;
    std::vector<int> marked_;
};

}  // namespace rp
