#include "GameKeeper.h"

#include <QEvent>
#include <QTimer>

#include "ShowGame.h"
#include "TableUndo.h"
#include "frmMain.h"
#include "frmResumeGame.h"

namespace rp {

GameKeeper::GameKeeper(Windows& windows, frmMain& table, mdlLogic& logic, Seats& seats, TableUndo& undo,
                       GameFile& file)
    : QObject(&table), windows_(windows), table_(table), logic_(logic), seats_(seats), undo_(undo), file_(file) {
    table_.installEventFilter(this);
    logic_.setGameOverHook([this] { forget(); });
    connect(&undo_, &TableUndo::entryKept, this, [this] {
        const GameState& s = logic_.state();
        if (s.Winner != 0 || !s.GameInProgress) forget();
        else save();
    });
    connect(&undo_, &TableUndo::undone, this, [this] { save(); });
    connect(&table_, &frmMain::rollLanded, this, [this] { save(); });
    // A new game clears the card while none is in progress.
    connect(&table_, &frmMain::turnChanged, this, [this] {
        if (onDisk_ && !logic_.state().GameInProgress) forget();
    });
}

bool GameKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &table_) {
        if (event->type() == QEvent::Show && !offered_)
            QTimer::singleShot(0, this, [this] { offerResume(); });
        // New Game confirmed: the table hides with the game abandoned.
        if (event->type() == QEvent::Hide && onDisk_ && !logic_.state().GameInProgress) forget();
    }
    return false;
}

void GameKeeper::save() {
    const GameState& s = logic_.state();
    if (asking_ || !s.GameInProgress || s.Winner != 0 || logic_.DiceTumbling()) return;
    onDisk_ = file_.save({GameSnapshot::take(s, seats_), undo_.point()}) || onDisk_;
}

void GameKeeper::forget() {
    file_.remove();
    onDisk_ = false;
}

void GameKeeper::offerResume() {
    // Only before anything is played: a game begun here is the game now.
    if (offered_ || logic_.state().GameInProgress) {
        offered_ = true;
        return;
    }
    offered_ = true;
    std::optional<SavedGame> saved = file_.load();
    if (!saved) return;
    onDisk_ = true;
    QStringList names;
    for (int p = 1; p <= saved->now.game.NumPlayers; ++p)
        names << QString::fromStdString(saved->now.game.PlayerName(p));
    auto* question = static_cast<frmResumeGame*>(windows_.load(frmResumeGame::Name));
    asking_ = true;
    question->ask(names);
    asking_ = false;
    const bool confirmed = question->confirmed();
    // Neither answer (the program is ending): the game stays on disk.
    const bool cancelled = !confirmed && !question->isVisible();
    windows_.unload(frmResumeGame::Name);
    if (cancelled) forget();
    if (!confirmed) return;
    GameState& s = logic_.state();
    saved->now.restoreInto(s, seats_);
    s.GameInProgress = true;
    showGame(logic_, table_);
    undo_.setPoint(saved->undo);
    if (saved->now.game.TurnPassing) {
        // Left in the pause after an entry: the next player's turn begins as it would have.
        s.TurnPassing = true;
        table_.setCardEnabled(false);
        table_.setNextPlayerVisible(true);
        table_.setTimer(TableTimer::Next, true);
    }
    emit table_.turnChanged();
}

}  // namespace rp
