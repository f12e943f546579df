#include "Words.h"
#include "TableHint.h"

#include <QLabel>
#include <QTimer>

#include "Texts.h"
#include "frmMain.h"

namespace rp {

namespace {

constexpr int MarkMilliseconds = 5000;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString listed(const QStringList& items) {
    if (items.size() < 2) return items.join(QString());
    return QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")) +
           translate("Table", " and ") + items.back();
}

}  // namespace

TableHint::TableHint(frmMain& table, TableSource source, Seats& seats)
    : QObject(&table), tmrHint(new QTimer(this)), table_(table), source_(std::move(source)), seats_(seats) {
    tmrHint->setSingleShot(true);
    tmrHint->setInterval(MarkMilliseconds);
    connect(tmrHint, &QTimer::timeout, this, [this] { tmrHint_Timer(); });
    // A roll, an entry or the next player makes the hint stale; a die moved
    // by hand only moves its mark along.
    connect(&table_, &frmMain::turnChanged, this, [this] { clear(); });
    // Only while dice are marked: every frame of a roll moves a die.
    connect(&table_, &frmMain::diceMoved, this, [this] {
        if (keepMask_) markDice();
    });
    table_.setHintAction([this] { show(); });
}

TableHint::~TableHint() = default;

QString TableHint::describe(const advisor::Advice& a, const GameState& s) {
    using Kind = advisor::Choice::Kind;
    if (!a.available) return translate("Advisor", a.message);
    const advisor::Choice& b = a.best;
    QString move;
    if (b.kind == Kind::Roll) {
        move = translate("Table", "Roll the dice.");
    } else if (b.kind == Kind::Keep && b.keepMask == 0) {
        move = translate("Table", "Roll all five dice.");
    } else if (b.kind == Kind::Keep) {
        QStringList faces, dice;
        for (int d = 1; d <= DiceCount; ++d)
            if (b.keepMask >> (d - 1) & 1) faces << QString::number(s.Dice(d)), dice << QString::number(d);
        move = translate("Table", "Keep %1 (%2 %3), roll the rest.")
                   .arg(faces.join(u' '), dice.size() == 1 ? translate("Table", "die") : translate("Table", "dice"),
                        listed(dice));
    } else {
        // A box shows its points unweighted; the multiplier comes at the end.
        const int points = s.GameType == 2 ? b.points : b.points / b.column;
        const QString box = b.kind == Kind::BonusBox ? translate("Table", "Pentaro box %1").arg(b.row)
                                                     : rowCaption(b.row);
        move = translate("Table", "Take Game %1, %2: %3 points.").arg(b.column).arg(box).arg(points);
    }
    const QString outlook =
        s.GameType == 2
            ? translate("Table", "With best play: %1 expected.").arg(decimal(a.expected, 1))
            : translate("Table", "Estimate: about %1 (heuristic).").arg(qRound(a.expected));
    return move + u' ' + outlook;
}

void TableHint::show() {
    clear();
    const GameState& s = table_.gameState();
    advisor::Advice advice;
    std::string error;
    if (!advisor_ && !s.TurnPassing) {
        if (const advisor::SolvedTable* solved = source_(error))
            advisor_ = std::make_unique<advisor::Advisor>(*solved);
    }
    const bool computer = table_.computerOnTurn();
    if (s.TurnPassing || computer) advice.message = QT_TRANSLATE_NOOP("Advisor", "No turn to advise on.");
    else if (!advisor_) advice.message = translate("Table", "The hint is off: %1").arg(qs(error)).toStdString();
    else advice = advisor_->advise(s, s.CurrentPlayer);

    QString text = describe(advice, s);
    if (advice.available && s.GameInProgress) {
        bool firstOfGame = true;
        for (int p = 1; p <= MaxPlayers; ++p) firstOfGame = firstOfGame && !seats_.hintUsed(p);
        seats_.hintUsed(s.CurrentPlayer) = true;
        if (firstOfGame) text += translate("Table", " Hints keep this game out of the high scores.");
        emit given();
    }
    table_.lblHint->setText(text);
    table_.lblHint->setAccessibleName(text);
    table_.announce(text);
    tmrHint->start();
    if (!advice.available) return;
    const advisor::Choice& best = advice.best;
    if (best.kind == advisor::Choice::Kind::Keep) {
        keepMask_ = best.keepMask;
        markDice();
    } else if (best.isEntry()) {
        box_ = best.kind == advisor::Choice::Kind::BonusBox ? table_.lblGameY(best.column, best.row)
                                                            : table_.lblGame(best.column, best.row);
        box_->setSuggested(true);
    }
}

// Marks go on the pictures, wherever a die shows: the rules move a die's
// picture before they note that it moved.
void TableHint::markDice() {
    for (int d = 1; d <= DiceCount; ++d) {
        const bool keep = keepMask_ >> (d - 1) & 1;
        table_.imgKeepDice[d]->setSuggested(keep && table_.keptFace(d) > 0);
        table_.imgRollingDice[d]->setSuggested(keep && table_.rollingFace(d) > 0);
    }
}

void TableHint::tmrHint_Timer() { clear(); }

void TableHint::clear() {
    tmrHint->stop();
    keepMask_ = 0;
    markDice();
    if (box_) box_->setSuggested(false);
    box_ = nullptr;
    table_.lblHint->clear();
    table_.lblHint->setAccessibleName(translate("Table", "Hint"));
}

}  // namespace rp
