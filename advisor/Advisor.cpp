#include "Advisor.h"

#include <algorithm>

#include "Translatable.h"

#include "DiceSets.h"
#include "TurnValues.h"

namespace rp::advisor {

namespace {

// The player's card as the advisor weighs it: the columns in play, what the
// joker gate reads across them, and what one entry is worth.
struct Card {
    int columns = 1;
    std::array<bool, 4> inPlay{};
    std::array<ColumnState, 4> col{};
    std::array<double, 4> now{};  // solved value of each column as it stands
    JokerGate gate;
    Policy policy = Policy::Best;
    const SolvedTable* table = nullptr;

    // A column's points count once per column number in the three-column game.
    int weight(int c) const { return columns == 1 ? 1 : c; }

    double worth(int c, const Entry& e) const {
        const double points = entryPoints(col[static_cast<std::size_t>(c)], e);
        if (policy == Policy::Greedy) return weight(c) * points;
        const double change =
            table->value(after(col[static_cast<std::size_t>(c)], e)) - now[static_cast<std::size_t>(c)];
        return weight(c) * (points + change);
    }

    template <typename F>
    void forEachEntry(int roll, bool pentaro, int number, F&& f) const {
        Entries entries;
        for (int c = 1; c <= columns; ++c) {
            if (!inPlay[static_cast<std::size_t>(c)]) continue;
            columnEntries(col[static_cast<std::size_t>(c)], roll, pentaro, number, gate, entries);
            for (int i = 0; i < entries.count; ++i) f(c, entries.at[static_cast<std::size_t>(i)]);
        }
    }

    double bestWorth(int roll, bool pentaro, int number) const {
        double best = -1e30;
        forEachEntry(roll, pentaro, number, [&](int c, const Entry& e) { best = std::max(best, worth(c, e)); });
        return best;
    }

    bool operator==(const Card& o) const {
        return columns == o.columns && inPlay == o.inPlay && col == o.col && policy == o.policy;
    }
};

Card cardOf(const SolvedTable& table, const GameState& s, int p, Policy policy) {
    Card card;
    card.table = &table;
    card.policy = policy;
    card.columns = s.GameType == 2 ? 1 : Columns;
    card.gate.fiftyBoxesClosed = true;
    card.gate.likeFilled.fill(true);
    for (int c = 1; c <= Columns; ++c) {
        // The gate counts every column, closed ones included.
        card.gate.fiftyBoxesClosed = card.gate.fiftyBoxesClosed && s.BonusUsed(p, 1, c);
        const bool counts = s.GameType == 2 ? c == 1 : true;
        for (int f = 1; f <= 6; ++f)
            if (counts && !s.Used(p, f, c)) card.gate.likeFilled[static_cast<std::size_t>(f)] = false;
    }
    for (int c = 1; c <= card.columns; ++c) {
        const auto i = static_cast<std::size_t>(c);
        card.inPlay[i] = !s.ColumnDone(p, c);
        card.col[i] = columnOf(s, p, c);
        card.now[i] = table.value(card.col[i]);
    }
    return card;
}

}  // namespace

ColumnState columnOf(const GameState& s, int p, int c) {
    ColumnState col;
    int upper = 0;
    for (int b = 0; b < 12; ++b) {
        const int row = rowOfBit(b);
        if (!s.Used(p, row, c)) continue;
        col.mask |= 1 << b;
        if (row <= 6) upper += s.Score(p, row, c);
    }
    col.upper = std::min(UpperCap, upper);
    if (!s.BonusUsed(p, 1, c)) col.bonus = BoxOpen;
    else if (s.BonusScore(p, 1, c) != 50) col.bonus = GivenUp;
    else col.bonus = Fifty + (s.BonusScore(p, 2, c) == 100 ? 1 : 0) + (s.BonusScore(p, 3, c) == 100 ? 1 : 0);
    return col;
}

int pointsSoFar(const GameState& s, int p, int c) {
    int total = s.ChipCount(p, c) * ChipPoints;
    for (int r = 1; r <= row::Chance; ++r)
        if (r <= 6 || r >= row::ThreeOfAKind || (r == row::UpperBonus && s.Used(p, r, c)))
            total += s.Score(p, r, c);
    for (int b = 1; b <= BonusBoxes; ++b) total += s.BonusScore(p, b, c);
    return total;
}

struct Advisor::Cache {
    StopValues<1> stop;
    TurnValues<1> turn;
    bool valid = false;
    Card card;
};

Advisor::Advisor(const SolvedTable& table) : table_(table), cache_(std::make_unique<Cache>()) {}
Advisor::Advisor(Advisor&&) noexcept = default;
Advisor::~Advisor() = default;

Advice advise(const SolvedTable& table, const GameState& state, int player) {
    return Advisor(table).advise(state, player);
}

Advice Advisor::advise(const GameState& s, int p, Policy policy) {
    Advice advice;
    if (!s.GameInProgress || p < 1 || p > s.NumPlayers || p != s.CurrentPlayer) {
        advice.message = QT_TRANSLATE_NOOP("Advisor", "No turn to advise on.");
        return advice;
    }
    for (int d = 1; d <= DiceCount; ++d)
        if (s.DieAnimator(d) != 0) {
            advice.message = QT_TRANSLATE_NOOP("Advisor", "The dice are still rolling.");
            return advice;
        }
    const Card card = cardOf(table_, s, p, policy);
    bool open = false;
    for (int c = 1; c <= card.columns; ++c) open = open || card.inPlay[static_cast<std::size_t>(c)];
    if (!open) {
        advice.message = QT_TRANSLATE_NOOP("Advisor", "This card is complete.");
        return advice;
    }
    advice.exact = s.GameType == 2 && s.NumPlayers == 1 && policy == Policy::Best;

    // Solve this turn once; later questions in the same turn reuse it.
    Cache& cache = *cache_;
    if (!cache.valid || !(cache.card == card)) {
        const DiceSets& ds = DiceSets::get();
        for (int m : ds.rolls()) {
            cache.stop.plain[m][0] = card.bestWorth(m, false, 0);
            for (int d = 1; d <= 6; ++d)
                if (ds.counts(m)[d]) cache.stop.flagged[m][d][0] = card.bestWorth(m, true, d);
        }
        cache.stop.flaggedFlat = false;
        solveTurn<1>(cache.stop, cache.turn, 1, true);
        cache.card = card;
        cache.valid = true;
    }
    const TurnValues<1>& t = cache.turn;

    double base = 0;  // what the card holds and, with best play, will add
    for (int c = 1; c <= card.columns; ++c) {
        const auto i = static_cast<std::size_t>(c);
        base += card.weight(c) * (pointsSoFar(s, p, c) + (policy == Policy::Best ? card.now[i] : 0.0));
    }
    if (s.RollCount < 1) {
        Choice roll;
        roll.value = base + t.start()[0];
        advice.choices.push_back(roll);
    } else {
        category::DiceArray dice;
        for (int d = 1; d <= DiceCount; ++d) dice(d) = s.Dice(d);
        const DiceSets& ds = DiceSets::get();
        const int roll = ds.index(countsOf(dice));
        const bool pentaro = s.PentaroShowing;
        const int number = s.Dice(1);
        card.forEachEntry(roll, pentaro, number, [&](int c, const Entry& e) {
            Choice ch;
            ch.kind = e.row ? Choice::Kind::ScoreBox : Choice::Kind::BonusBox;
            ch.column = c;
            ch.row = e.row ? e.row : e.box;
            ch.points = card.weight(c) * entryPoints(card.col[static_cast<std::size_t>(c)], e);
            ch.value = base + card.worth(c, e);
            advice.choices.push_back(ch);
        });
        const int left = 3 - s.RollCount;
        // Among keeps of equal worth the later dice are kept: fewer chances
        // for the landing dice to show five alike on the way.
        for (int mask = 30; left >= 1 && mask >= 0; --mask) {
            Counts kept{};
            for (int d = 1; d <= DiceCount; ++d)
                if ((mask >> (d - 1)) & 1) ++kept[s.Dice(d)];
            const int k = ds.index(kept);
            double v = 0;
            if (!pentaro) v = t.keep[left - 1][k][0];
            else if (mask & 1) v = t.keepDie1[left - 1][number][k][0];
            else v = t.rollDie1[left - 1][k][0];
            Choice ch;
            ch.kind = Choice::Kind::Keep;
            ch.keepMask = static_cast<unsigned>(mask);
            ch.value = base + v;
            advice.choices.push_back(ch);
        }
    }
    // An entry wins a near tie with a keep, so a pointless roll is not
    // advised; among keeps the order above decides.
    double top = -1e30;
    for (const auto& ch : advice.choices) top = std::max(top, ch.value);
    auto best = std::find_if(advice.choices.begin(), advice.choices.end(),
                             [top](const Choice& ch) { return ch.value >= top - 1e-3; });
    std::rotate(advice.choices.begin(), best, best + 1);
    std::stable_sort(advice.choices.begin() + 1, advice.choices.end(),
                     [](const Choice& a, const Choice& b) { return a.value > b.value; });
    advice.best = advice.choices.front();
    for (auto& ch : advice.choices) ch.loss = std::max(0.0, advice.best.value - ch.value);
    advice.expected = advice.best.value;
    advice.available = true;
    return advice;
}

}  // namespace rp::advisor
