#include "Review.h"

#include <algorithm>

#include "Translatable.h"

namespace rp::advisor {

namespace {

const Choice* madeChoice(const Advice& a, const Move& m) {
    for (const Choice& ch : a.choices) {
        switch (m.kind) {
            case Move::Kind::Roll:
                if (ch.kind == Choice::Kind::Keep && ch.keepMask == m.before.kept) return &ch;
                break;
            case Move::Kind::Entry:
                if (ch.kind == Choice::Kind::ScoreBox && ch.column == m.column && ch.row == m.index) return &ch;
                break;
            case Move::Kind::Bonus:
                if (ch.kind == Choice::Kind::BonusBox && ch.column == m.column && ch.row == m.index) return &ch;
                break;
        }
    }
    return nullptr;
}

GameReview refused(std::string why) {
    GameReview r;
    r.message = std::move(why);
    return r;
}

}  // namespace

GameReview reviewGame(Advisor& advisor, const std::vector<Move>& moves, int player, int final) {
    GameReview review;
    review.final = final;
    GameState g;
    double before = 0;  // V before the coming roll
    int turn = 0, lastRoll = -1;
    bool inTurn = false;
    TurnCourse course;
    for (const Move& m : moves) {
        if (m.before.player != player) continue;
        const Position& pos = m.before;
        // The moves must follow one another as a game does, or the sums lie.
        const bool startsTurn = m.kind == Move::Kind::Roll && pos.rollCount == 0;
        const bool follows = startsTurn ? !inTurn : inTurn && pos.rollCount == lastRoll + 1;
        if (!follows || (turn == 0 && pos.progress() != 0))
            return refused(QT_TRANSLATE_NOOP("Advisor", "Not every move of this game was seen."));
        pos.into(g);
        const Advice a = advisor.advise(g, player);
        if (!a.available) return refused(a.message);
        if (startsTurn) {
            if (turn == 0) {
                review.estimate = pos.gameType != 2;
                review.start = before = a.expected;
                review.turns.push_back({before, 0, 0, 0});
            }
            ++turn;
            inTurn = true;
            lastRoll = 0;
            course = {};
            continue;
        }
        double top = a.best.value;
        for (const Choice& ch : a.choices) top = std::max(top, ch.value);
        const Choice* made = madeChoice(a, m);
        if (!made) return refused(QT_TRANSLATE_NOOP("Advisor", "A move of this game is one the advisor does not know."));
        const double luck = top - before, cost = top - made->value;
        review.luck += luck;
        review.cost += cost;
        course.luck += luck;
        course.cost += cost;
        before = made->value;
        if (a.choices.size() > 1) review.decisions.push_back({turn, pos.rollCount, pos, *made, a.best, cost});
        lastRoll = pos.rollCount;
        if (m.kind != Move::Kind::Roll) {
            double banked = made->points;
            for (int c = 1; c <= (pos.gameType == 2 ? 1 : Columns); ++c)
                banked += (pos.gameType == 2 ? 1 : c) * pointsSoFar(g, player, c);
            course.expected = made->value;
            course.banked = banked;
            review.turns.push_back(course);
            inTurn = false;
        }
    }
    if (turn == 0 || inTurn) return refused(QT_TRANSLATE_NOOP("Advisor", "Not every move of this game was seen."));
    review.available = true;
    return review;
}

}  // namespace rp::advisor
