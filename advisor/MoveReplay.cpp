#include "MoveReplay.h"

#include <deque>
#include <exception>

#include "Logic.h"
#include "NullTable.h"

namespace rp::advisor {

namespace {

bool samePlace(const GameState& a, const GameState& b) {
    if (a.CurrentPlayer != b.CurrentPlayer || a.RollCount != b.RollCount || a.TurnPassing != b.TurnPassing ||
        a.Score != b.Score || a.Used != b.Used || a.BonusScore != b.BonusScore || a.BonusUsed != b.BonusUsed ||
        a.ChipCount != b.ChipCount || a.ColumnDone != b.ColumnDone)
        return false;
    for (int d = 1; d <= DiceCount; ++d)
        if (a.Dice(d) != b.Dice(d)) return false;
    return true;
}

bool fits(const MoveRecord& r) {
    const int last = r.kind == MoveRecord::Kind::Bonus ? BonusBoxes : row::Chance;
    return r.kind == MoveRecord::Kind::Roll || (r.column >= 1 && r.column <= Columns && r.index >= 1 && r.index <= last);
}

}  // namespace

std::vector<MoveRecord> recordsOf(const std::vector<Move>& moves) {
    std::vector<MoveRecord> out;
    out.reserve(moves.size());
    for (const Move& m : moves) {
        MoveRecord r;
        r.kind = m.kind == Move::Kind::Roll ? MoveRecord::Kind::Roll
                 : m.kind == Move::Kind::Entry ? MoveRecord::Kind::Entry
                                               : MoveRecord::Kind::Bonus;
        r.player = m.before.player;
        r.rollCount = m.before.rollCount;
        r.kept = m.before.kept;
        for (int d = 1; d <= DiceCount; ++d) r.dice[std::size_t(d - 1)] = m.before.dice[std::size_t(d)];
        r.column = m.column;
        r.index = m.index;
        out.push_back(r);
    }
    return out;
}

std::optional<std::vector<Move>> replayMoves(const GameState& now, const std::vector<MoveRecord>& records) {
    GameState g;
    g.NumPlayers = now.NumPlayers;
    g.GameType = now.GameType;
    g.PlayerName = now.PlayerName;
    for (int p = 1; p <= MaxPlayers; ++p)
        for (int c = 1; c <= Columns; ++c) g.ColumnDone(p, c) = p > now.NumPlayers;
    std::deque<int> script;
    bool dry = false;  // the dice asked for more faces than the record holds
    NullGame unseen;
    mdlLogic rules(g, unseen, unseen, unseen, unseen, [&] {
        if (script.empty()) return dry = true, 1;
        const int face = script.front();
        script.pop_front();
        return face;
    });
    std::vector<Move> moves;
    std::optional<std::size_t> reached;
    try {
        rules.StartNewGame();
        g.GameInProgress = true;
        if (samePlace(g, now)) reached = 0;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const MoveRecord& r = records[i];
            if (g.TurnPassing) {
                rules.NextPlayerTimer();
                if (samePlace(g, now)) reached = moves.size();
            }
            if (!fits(r) || g.CurrentPlayer != r.player || g.RollCount != r.rollCount || r.kept >= 32) break;
            bool same = true;
            for (int d = 1; d <= DiceCount; ++d) same = same && g.Dice(d) == r.dice[std::size_t(d - 1)];
            if (!same || (r.rollCount == 0 && r.kept != 0)) break;
            for (int d = 1; d <= DiceCount; ++d) g.DieKept(d) = (r.kept >> (d - 1)) & 1;
            Move m;
            m.kind = r.kind == MoveRecord::Kind::Roll ? Move::Kind::Roll
                     : r.kind == MoveRecord::Kind::Entry ? Move::Kind::Entry
                                                         : Move::Kind::Bonus;
            m.column = r.column;
            m.index = r.index;
            m.before = Position::of(g, r.player);
            bool taken = false;
            if (r.kind == MoveRecord::Kind::Roll) {
                // The faces it landed on are those the next move found, or the game's now.
                const bool last = i + 1 == records.size() || records[i + 1].player != r.player ||
                                  records[i + 1].rollCount != r.rollCount + 1;
                script.clear();
                for (int d = 1; d <= DiceCount; ++d)
                    if (!g.DieKept(d))
                        script.push_back(last ? now.Dice(d) : records[i + 1].dice[std::size_t(d - 1)]);
                rules.RollButtonMouseUp();
                for (bool tumbling = true; tumbling;) {
                    tumbling = false;
                    for (int d = 1; d <= DiceCount; ++d)
                        if (g.DieAnimator(d) != 0) {
                            rules.DieAnimatorTimer(d, g.DieAnimator(d));
                            tumbling = true;
                        }
                }
                rules.RollPauseTimer();
                taken = !dry && g.RollCount == r.rollCount + 1;
            } else {
                taken = r.kind == MoveRecord::Kind::Entry ? rules.ScoreBoxClick(r.column, r.index)
                                                          : rules.BonusBoxClick(r.column, r.index);
            }
            if (!taken || g.Winner != 0) break;
            moves.push_back(m);
            if (samePlace(g, now)) reached = moves.size();
        }
    } catch (const std::exception&) {
        // A record the rules cannot follow: what was reached before stands.
    }
    if (!reached) return std::nullopt;
    moves.resize(*reached);
    return moves;
}

}  // namespace rp::advisor
