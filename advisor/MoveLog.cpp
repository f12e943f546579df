#include "MoveLog.h"

namespace rp::advisor {

namespace {

// Where a move stands in its player's game: later moves have larger keys.
// Within a turn the rolls come in order and the entry after its last roll.
int placeOf(const Move& m) {
    const int stage = 2 * m.before.rollCount + (m.kind == Move::Kind::Roll ? 0 : 1);
    return m.before.progress() * 8 + stage;
}

}  // namespace

Position Position::of(const GameState& s, int p) {
    Position pos;
    pos.player = p;
    pos.gameType = s.GameType;
    pos.numPlayers = s.NumPlayers;
    pos.rollCount = s.RollCount;
    pos.pentaro = s.PentaroShowing;
    for (int d = 1; d <= DiceCount; ++d) {
        pos.dice[static_cast<std::size_t>(d)] = s.Dice(d);
        if (s.DieKept(d)) pos.kept |= 1u << (d - 1);
    }
    for (int c = 1; c <= Columns; ++c) {
        const auto ci = static_cast<std::size_t>(c);
        for (int r = 1; r <= Rows; ++r) {
            pos.score[ci][static_cast<std::size_t>(r)] = s.Score(p, r, c);
            pos.used[ci][static_cast<std::size_t>(r)] = s.Used(p, r, c);
        }
        for (int b = 1; b <= BonusBoxes; ++b) {
            pos.bonusScore[ci][static_cast<std::size_t>(b)] = s.BonusScore(p, b, c);
            pos.bonusUsed[ci][static_cast<std::size_t>(b)] = s.BonusUsed(p, b, c);
        }
        pos.chips[ci] = s.ChipCount(p, c);
        pos.done[ci] = s.ColumnDone(p, c);
    }
    return pos;
}

void Position::into(GameState& s) const {
    const int p = player;
    s.CurrentPlayer = static_cast<Int16>(p);
    s.GameType = static_cast<Int16>(gameType);
    s.NumPlayers = static_cast<Int16>(numPlayers);
    s.GameInProgress = true;
    s.RollCount = static_cast<Int16>(rollCount);
    s.PentaroShowing = pentaro;
    for (int d = 1; d <= DiceCount; ++d) {
        s.Dice(d) = dice[static_cast<std::size_t>(d)];
        s.DieKept(d) = (kept >> (d - 1)) & 1;
        s.DieAnimator(d) = 0;
    }
    for (int c = 1; c <= Columns; ++c) {
        const auto ci = static_cast<std::size_t>(c);
        for (int r = 1; r <= Rows; ++r) {
            s.Score(p, r, c) = score[ci][static_cast<std::size_t>(r)];
            s.Used(p, r, c) = used[ci][static_cast<std::size_t>(r)];
        }
        for (int b = 1; b <= BonusBoxes; ++b) {
            s.BonusScore(p, b, c) = bonusScore[ci][static_cast<std::size_t>(b)];
            s.BonusUsed(p, b, c) = bonusUsed[ci][static_cast<std::size_t>(b)];
        }
        s.ChipCount(p, c) = chips[ci];
        s.ColumnDone(p, c) = done[ci];
    }
}

int Position::progress() const {
    int n = 0;
    // The one-column game closes the other two columns' boxes at its start.
    for (int c = 1; c <= (gameType == 2 ? 1 : Columns); ++c) {
        const auto ci = static_cast<std::size_t>(c);
        for (int r : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16}) n += used[ci][static_cast<std::size_t>(r)];
        for (int b = 1; b <= BonusBoxes; ++b) n += bonusUsed[ci][static_cast<std::size_t>(b)];
    }
    return n;
}

void MoveLog::aboutToRoll(const GameState& s) {
    pending_.reset();
    if (!s.GameInProgress || s.CurrentPlayer < 1 || s.CurrentPlayer > s.NumPlayers) return;
    Move m;
    m.kind = Move::Kind::Roll;
    m.before = Position::of(s, s.CurrentPlayer);
    pending_ = m;
}

void MoveLog::aboutToEnter(const GameState& s, int column, int index, bool bonus) {
    pending_.reset();
    if (!s.GameInProgress || s.CurrentPlayer < 1 || s.CurrentPlayer > s.NumPlayers) return;
    if (column < 1 || column > Columns || index < 1 || index > (bonus ? BonusBoxes : Rows)) return;
    Move m;
    m.kind = bonus ? Move::Kind::Bonus : Move::Kind::Entry;
    m.column = column;
    m.index = index;
    m.before = Position::of(s, s.CurrentPlayer);
    pending_ = m;
}

void MoveLog::passed(const GameState& s) {
    if (!pending_) return;
    const Move m = *pending_;
    pending_.reset();
    const int p = m.before.player;
    const auto c = static_cast<std::size_t>(m.column), i = static_cast<std::size_t>(m.index);
    bool taken = false;
    switch (m.kind) {
        case Move::Kind::Roll: taken = s.CurrentPlayer == p && s.RollCount == m.before.rollCount + 1; break;
        case Move::Kind::Entry: taken = !m.before.used[c][i] && s.Used(p, m.index, m.column); break;
        case Move::Kind::Bonus: taken = !m.before.bonusUsed[c][i] && s.BonusUsed(p, m.index, m.column); break;
    }
    if (taken) keep(m);
}

void MoveLog::restore(std::vector<Move> moves) {
    pending_.reset();
    for (Move& m : moves) m.place = placeOf(m);
    moves_ = std::move(moves);
}

void MoveLog::keep(Move m) {
    if (!moves_.empty() && (moves_.front().before.gameType != m.before.gameType ||
                            moves_.front().before.numPlayers != m.before.numPlayers))
        moves_.clear();
    // A move at or before one already kept for this player: the game went
    // back (an entry taken back, a new game). What followed is gone. A
    // player's places grow along the log, so the search stops at the first
    // earlier one: in play that is the player's previous move.
    m.place = placeOf(m);
    std::size_t keepUpTo = moves_.size();
    for (std::size_t i = moves_.size(); i-- > 0;) {
        if (moves_[i].before.player != m.before.player) continue;
        if (moves_[i].place < m.place) break;
        keepUpTo = i;
    }
    moves_.resize(keepUpTo);
    moves_.push_back(m);
}

}  // namespace rp::advisor
