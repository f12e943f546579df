#include "Words.h"
#include "ReviewText.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

#include "Preview.h"
#include "Texts.h"
#include "WindowFonts.h"

namespace rp::review {

namespace {

using Kind = advisor::Choice::Kind;
const QChar Minus(0x2212);
constexpr int ChipPoints = 100;        // a chip, unweighted
constexpr int UpperBonusPoints = 35;

QString signedPoints(double v) {
    const double shown = std::round(v * 10) / 10;
    return (shown < 0 ? QString(Minus) : QStringLiteral("+")) + decimal(std::abs(shown), 1);
}

QString keptFaces(const advisor::Position& p, unsigned mask) {
    QStringList faces;
    for (int d = 1; d <= DiceCount; ++d)
        if (mask >> (d - 1) & 1) faces << QString::number(p.dice[static_cast<std::size_t>(d)]);
    return faces.join(u' ');
}

// "kept 5 5", "entered Full House (25)"; best play's own verbs when `best`.
QString choiceText(const advisor::Choice& c, const advisor::Position& p, bool best) {
    if (c.kind == Kind::Keep && c.keepMask == 0) return best ? translate("Review", "rolls all five") : translate("Review", "rolled all five");
    if (c.kind == Kind::Keep) return (best ? translate("Review", "keeps ") : translate("Review", "kept ")) + keptFaces(p, c.keepMask);
    // A box shows its points unweighted, as on the card; a chip or the
    // upper bonus the entry also earned is said apart.
    const bool bonusBox = c.kind == Kind::BonusBox;
    const int points = p.gameType == 2 ? c.points : c.points / std::max(1, c.column);
    GameState at;
    p.into(at);
    const auto onCard = bonusBox ? previewBonusBox(at, c.column, c.row) : previewScoreBox(at, c.column, c.row);
    const int shown = onCard ? *onCard : points;
    QString text = (best ? translate("Review", "enters ") : translate("Review", "entered ")) +
                   boxName(p.gameType, c.column, c.row, bonusBox) + QStringLiteral(" (%1)").arg(shown);
    int extra = points - shown;
    if (extra >= ChipPoints) {
        text += translate("Review", " + a chip");
        extra -= ChipPoints;
    }
    if (extra >= UpperBonusPoints) text += translate("Review", " + the 35 bonus");
    return text;
}

bool same(const advisor::Choice& a, const advisor::Choice& b) {
    return a.kind == b.kind && a.keepMask == b.keepMask && a.column == b.column && a.row == b.row;
}

}  // namespace

QString boxName(int gameType, int column, int row, bool bonus) {
    QString name = bonus ? translate("Review", "Pentaro box %1").arg(row)
                         : rowCaption(row);
    if (gameType != 2) name += translate("Review", " in Game %1").arg(column);
    return name;
}

QString summary(const advisor::GameReview& r) {
    if (!r.available) return translate("Review", "No review of this game: %1").arg(translate("Advisor", r.message));
    const QString est = r.estimate ? translate("Review", "an estimated ") : QString();
    return translate("Review", "Best play from the start expects %1%2. Your decisions cost %1%3 points and the dice gave you %1%4: %5.")
        .arg(est)
        .arg(decimal(r.start, 1))
        .arg(decimal(r.cost, 1))
        .arg(signedPoints(r.luck))
        .arg(r.final);
}

QString cost(double points) {
    const double shown = std::round(points * 10) / 10;
    return shown > 0 ? QString(Minus) + decimal(shown, 1) : decimal(0.0, 1);
}

QString dice(const advisor::Position& p) {
    return keptFaces(p, 0x1F);
}

QString made(const advisor::ReviewedDecision& d) { return choiceText(d.made, d.position, false); }

QString best(const advisor::ReviewedDecision& d) {
    return same(d.made, d.best) ? translate("Review", "the same") : choiceText(d.best, d.position, true);
}

QString sentence(const advisor::ReviewedDecision& d) {
    const QString bestPart = same(d.made, d.best) ? translate("Review", "best play too")
                                                  : translate("Review", "best ") + choiceText(d.best, d.position, true);
    return translate("Review", "Turn %1, roll %2: %3 %4 %5 (%6)")
        .arg(d.turn)
        .arg(d.roll)
        .arg(made(d), QString(QChar(0x2014)), bestPart, cost(d.cost));
}

}  // namespace rp::review
