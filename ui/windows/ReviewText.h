#pragma once
// The review in words: the summary sentence and one sentence per decision,
// as the window shows them and assistive tools read them.

#include <QString>

#include "Review.h"

namespace rp::review {

// "Best play from the start expects 263.7. Your decisions cost 18.4 points
// and the dice gave you +5.7: 251."
QString summary(const advisor::GameReview& r);
// "Turn 7, roll 2: kept 5 5 — best keeps 2 2 5 5 (−5.6)"
QString sentence(const advisor::ReviewedDecision& d);
// What was done and what best play does, as the list's columns show them.
QString made(const advisor::ReviewedDecision& d);
QString best(const advisor::ReviewedDecision& d);
QString cost(double points);    // "−5.6"
QString dice(const advisor::Position& p);  // "2 2 5 5 6"
QString boxName(int gameType, int column, int row, bool bonus);

}  // namespace rp::review
