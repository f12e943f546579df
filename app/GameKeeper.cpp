#include "GameKeeper.h"

#include <QEvent>
#include <QTimer>

#include "MoveReplay.h"
#include "PositionCheck.h"
#include "ShowGame.h"
#include "TableHint.h"
#include "TableUndo.h"
#include "frmMain.h"
#include "frmResumeGame.h"

namespace rp {

GameKeeper::GameKeeper(Windows& windows, frmMain& table, mdlLogic& logic, Seats& seats, TableUndo& undo,
                       GameFile& file, advisor::MoveLog& moves)
    : QObject(&table),
      windows_(windows),
      table_(table),
      logic_(logic),
      seats_(seats),
      undo_(undo),
      file_(file),
      moves_(moves) {
    table_.installEventFilter(this);
    logic_.setGameOverHook([this] { forget(); });
    connect(&undo_, &TableUndo::entryKept, this, [this] {
        const GameState& s = logic_.state();
        if (s.Winner != 0 || !s.GameInProgress) forget();
        else save();
    });
    connect(&undo_, &TableUndo::undone, this, [this] { save(); });
    connect(&table_, &frmMain::rollLanded, this, [this] { save(); });
    // Dice kept or put back after a roll, a hint asked: kept as well, once
    // the event loop turns (a keep moves several pictures).
    connect(&table_, &frmMain::diceMoved, this, [this] { saveSoon(); });
    if (auto* hint = table_.findChild<TableHint*>()) connect(hint, &TableHint::given, this, [this] { saveSoon(); });
    // A new game has begun (nothing rolled, nothing entered) over a kept
    // game that was declined: it replaces it. (One played on here went as
    // New Game was confirmed.)
    connect(&table_, &frmMain::turnChanged, this, [this] {
        const GameState& s = logic_.state();
        if (onDisk_ && !playing_ && !asking_ && s.GameInProgress && s.RollCount == 0 && !s.TurnPassing &&
            entriesMade(s) == 0)
            forget();
    });
}

GameKeeper::~GameKeeper() { logic_.setGameOverHook({}); }

bool GameKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &table_) {
        if (event->type() == QEvent::Show && !offered_)
            QTimer::singleShot(0, this, [this] { offerResume(); });
        // New Game confirmed: the table hides with the game it was playing
        // abandoned. A table hiding with no game of its own (the question
        // still open, a game declined) lets nothing go.
        if (event->type() == QEvent::Hide && playing_ && !logic_.state().GameInProgress) forget();
    }
    return false;
}

void GameKeeper::save() {
    const GameState& s = logic_.state();
    if (asking_ || !s.GameInProgress || s.Winner != 0 || logic_.DiceTumbling()) return;
    SavedGame game{GameSnapshot::take(s, seats_), undo_.point(), advisor::recordsOf(moves_.moves()), true};
    if (!file_.save(game)) return;
    onDisk_ = playing_ = true;
    saved_ = std::move(game.now);
}

void GameKeeper::saveSoon() {
    if (!playing_ || savePending_) return;
    savePending_ = true;
    // The pictures move before the rules note the keep: look once they have.
    QTimer::singleShot(0, this, [this] {
        savePending_ = false;
        if (logic_.state().DieKept != saved_.game.DieKept || seats_ != saved_.seats) save();
    });
}

void GameKeeper::forget() {
    file_.remove();
    onDisk_ = playing_ = false;
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
    windows_.unload(frmResumeGame::Name);
    // Declined, or the program is ending: the game stays on disk as it is.
    if (!confirmed) return;
    GameState& s = logic_.state();
    saved->now.restoreInto(s, seats_);
    s.GameInProgress = true;
    playing_ = true;
    saved_ = saved->now;
    // The review's moves, when they lead to this card; else it says not
    // every move was seen.
    std::optional<std::vector<advisor::Move>> moves;
    if (saved->movesKept) moves = advisor::replayMoves(saved->now.game, saved->moves);
    if (moves) moves_.restore(std::move(*moves));
    else moves_.clear();
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
