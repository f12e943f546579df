#pragma once
// One decision's position on a small card: the dice as they lay, the boxes
// filled then, the choice made (red) and best play's (green).

#include <QWidget>
#include <optional>

#include "Review.h"

namespace rp {

class Pictures;

class ReviewCard : public QWidget {
public:
    ReviewCard(Pictures& pictures, QWidget* parent);
    void showDecision(const advisor::ReviewedDecision& d);
    const std::optional<advisor::ReviewedDecision>& decision() const { return decision_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Pictures& pictures_;
    std::optional<advisor::ReviewedDecision> decision_;
};

}  // namespace rp
