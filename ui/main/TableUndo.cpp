#include "Words.h"
#include "TableUndo.h"

#include <QKeyEvent>

#include "Layout.h"
#include "ShowGame.h"
#include "frmMain.h"

namespace rp {

namespace {

// The cards, chips and players: what no entry leaves alone and a new game
// clears. An undo point fits only the game it was taken in.
bool sameCards(const GameState& a, const GameState& b) {
    return a.NumPlayers == b.NumPlayers && a.GameType == b.GameType && a.PlayerName == b.PlayerName &&
           a.Score == b.Score && a.Used == b.Used && a.BonusScore == b.BonusScore &&
           a.BonusUsed == b.BonusUsed && a.ChipCount == b.ChipCount && a.ColumnDone == b.ColumnDone;
}

}  // namespace

TableUndo::TableUndo(frmMain& table, mdlLogic& logic, Seats& seats)
    : QObject(&table), table_(table), logic_(logic), seats_(seats) {
    // Between the roll button and the command buttons, in the tray's cream.
    lblUndo = new TableLabel(&table, QStringLiteral("lblUndo"), QAccessible::Button);
    placeTwips(*lblUndo, 5835, 5415, 705, 285);
    QFont f;
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    f.setPointSizeF(9);
    f.setBold(true);
    lblUndo->setFont(f);
    lblUndo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table.say([this] {
        lblUndo->setCaption(translate("Table", "\u21B6 Undo"));
        lblUndo->setAccessibleName(translate("Table", "Undo"));
        lblUndo->setToolTip(translate("Table", "Take back the last entry (Ctrl+Z)"));
    });
    connect(lblUndo, &TableLabel::clicked, this, [this] { undo(); });
    // Ctrl+Z reaches the table whichever of its controls has the focus.
    table.installEventFilter(this);

    // A computer's entries after a person's keep that person's point: taking
    // it back takes theirs back too, and they play again afterwards.
    connect(&table_, &frmMain::aboutToEnter, this, [this] {
        const GameState& s = logic_.state();
        pending_.reset();
        computerEntering_ = s.CurrentPlayer >= 1 && s.CurrentPlayer <= MaxPlayers && seats_.isComputer(s.CurrentPlayer);
        if (s.GameInProgress && s.CurrentPlayer >= 1 && !computerEntering_) pending_ = now();
    });
    connect(&table_, &frmMain::entered, this, [this] {
        const GameState& s = logic_.state();
        // The entry that ends the game stays: its results are out.
        if (pending_ && s.Winner == 0) {
            before_ = std::move(pending_);
            after_ = now();
            rolledSince_ = false;
        } else if (computerEntering_ && before_ && s.Winner == 0) {
            after_ = now();
        } else {
            before_.reset();
            after_.reset();
        }
        pending_.reset();
        showAvailable();
        emit entryKept();
    });
    connect(&table_, &frmMain::rollStarted, this, [this] {
        const GameState& s = logic_.state();
        if (s.CurrentPlayer >= 1 && s.CurrentPlayer <= MaxPlayers && seats_.isComputer(s.CurrentPlayer)) return;
        rolledSince_ = rolledSince_ || before_.has_value();
        before_.reset();
        after_.reset();
        showAvailable();
    });
    connect(&table_, &frmMain::turnChanged, this, [this] { showAvailable(); });
    showAvailable();
}

bool TableUndo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo)) {
            if (!key->isAutoRepeat()) undo();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

GameSnapshot TableUndo::now() const { return GameSnapshot::take(logic_.state(), seats_); }

bool TableUndo::canUndo() const {
    const GameState& s = logic_.state();
    return before_ && after_ && s.GameInProgress && s.Winner == 0 && sameCards(s, after_->game) &&
           !before_->seats.isComputer(before_->game.CurrentPlayer);
}

bool TableUndo::undo() {
    if (!canUndo()) {
        const GameState& s = logic_.state();
        if (s.GameInProgress && s.Winner == 0)
            emit table_.reasonTold(rolledSince_ ? translate("Table", "You have rolled since.") : translate("Table", "Nothing to take back."));
        return false;
    }
    const GameSnapshot before = *before_;
    before_.reset();
    after_.reset();
    before.restoreInto(logic_.state(), seats_);
    showGame(logic_, table_);
    showAvailable();
    rolledSince_ = false;
    emit table_.reasonTold(translate("Table", "Entry taken back"));
    emit undone();
    emit table_.turnChanged();
    return true;
}

void TableUndo::setPoint(std::optional<GameSnapshot> before) {
    before_ = std::move(before);
    after_.reset();
    rolledSince_ = false;
    if (before_) after_ = now();
    showAvailable();
}

void TableUndo::showAvailable() {
    const bool can = canUndo();
    lblUndo->setEnabled(can);
    lblUndo->setTextColour(can ? QColor(255, 236, 190) : QColor(150, 170, 140));
}

}  // namespace rp
