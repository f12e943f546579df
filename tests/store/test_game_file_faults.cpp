// Kept games from real play, damaged the ways hands, disks and other
// programs damage files, loaded through the game's own loading: nothing
// crashes or hangs, and every file believed is a position play reaches,
// checked here once more by other means: the sums and turns counted anew,
// the record of moves played again, and the game played on to its end.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <random>

#include "GameFile.h"
#include "Logic.h"
#include "MoveLog.h"
#include "MoveReplay.h"
#include "NullTable.h"
#include "StoreRig.h"

using namespace rp;
using rp::test::fileBytes;
using rp::test::writeFile;

namespace {

constexpr int Entered[] = {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16};

// A seeded game played at random through the rules, as the table passes it
// on, with the record of moves; the kept file taken at every landed roll and
// entry.
struct Play {
    GameState s;
    NullGame unseen;
    std::deque<int> script;
    std::mt19937 rng;
    mdlLogic rules{s, unseen, unseen, unseen, unseen, [this] {
                       if (!script.empty()) {
                           const int v = script.front();
                           script.pop_front();
                           return v;
                       }
                       return int(rng() % 6) + 1;
                   }};
    advisor::MoveLog log;
    Seats seats;
    std::optional<GameSnapshot> undo;

    int pick(int n) { return int(rng() % unsigned(n)); }

    SavedGame kept() const {
        return {GameSnapshot::take(s, seats), undo, advisor::recordsOf(log.moves()), true};
    }

    // Every file this game would have written.
    std::vector<std::string> play(int players, int type, std::uint32_t seed) {
        rng.seed(seed);
        s.NumPlayers = Int16(players);
        s.GameType = Int16(type);
        const char* names[] = {"Ada", "Bo", "\xc3\x89va \xe2\x98\x85", "Kai Lindqvi"};
        for (int p = 1; p <= MaxPlayers; ++p) {
            s.PlayerName(p) = std::string(names[p - 1]).substr(0, 10);
            for (int c = 1; c <= Columns; ++c) s.ColumnDone(p, c) = p > players;
            seats.kind(p) = SeatKind(pick(4));
        }
        s.CurrentPlayer = 1;
        s.GameInProgress = true;
        rules.StartNewGame();
        std::vector<std::string> files;
        while (s.Winner == 0) {
            const int rolls = 1 + pick(3);
            for (int r = 0; r < rolls; ++r) {
                for (int d = 1; d <= DiceCount && r > 0; ++d)
                    if (pick(2)) s.DieKept(d) = !s.DieKept(d);
                const bool five = pick(5) == 0;
                const int face = 1 + pick(6);
                for (int d = 1; d <= DiceCount; ++d) script.push_back(five ? face : 1 + pick(6));
                log.aboutToRoll(s);
                rules.RollButtonMouseUp();
                for (bool t = true; t;) {
                    t = false;
                    for (int d = 1; d <= DiceCount; ++d)
                        if (s.DieAnimator(d)) rules.DieAnimatorTimer(d, s.DieAnimator(d)), t = true;
                }
                rules.RollPauseTimer();
                log.passed(s);
                script.clear();
                undo.reset();
                files.push_back(writeGame(kept()));
            }
            const GameSnapshot before = GameSnapshot::take(s, seats);
            for (bool taken = false; !taken;) {
                const int column = 1 + pick(type == 2 ? 1 : 3);
                const bool bonus = pick(4) == 0;
                const int index = bonus ? 1 + pick(3) : Entered[pick(12)];
                log.aboutToEnter(s, column, index, bonus);
                taken = bonus ? rules.BonusBoxClick(column, index) : rules.ScoreBoxClick(column, index);
                log.passed(s);
            }
            undo = before;
            if (s.Winner == 0) files.push_back(writeGame(kept()));
            if (s.TurnPassing) rules.NextPlayerTimer();
        }
        return files;
    }
};

// The same facts counted another way: each box from a table of the values
// its row may hold, the totals added up, the entries per player in turn.
std::string independentlyWrong(const GameState& g) {
    auto allowed = [](int r, int v) {
        if (r <= 6) return v % r == 0 && v >= 0 && v <= 5 * r;
        switch (r) {
            case 12: return v == 0 || v == 25;
            case 13: return v == 0 || v == 30;
            case 14: return v == 0 || v == 40;
            case 16: return v >= 5 && v <= 30;
            default: return v == 0 || (v >= 5 && v <= 30);
        }
    };
    int previous = 1 << 20, first = -1;
    for (int p = 1; p <= g.NumPlayers; ++p) {
        if (g.PlayerName(p).size() > 40) return "long name";
        for (unsigned char ch : g.PlayerName(p))
            if (ch < 0x20 || ch == 0x7F) return "control character in a name";
        int entries = 0;
        for (int c = 1; c <= (g.GameType == 2 ? 1 : 3); ++c) {
            int upper = 0, lower = 0;
            for (int r : Entered) {
                if (g.Used(p, r, c) && !allowed(r, g.Score(p, r, c))) return "impossible box";
                entries += g.Used(p, r, c);
                (r <= 6 ? upper : lower) += g.Score(p, r, c);
            }
            const int bonus = g.BonusScore(p, 1, c) + g.BonusScore(p, 2, c) + g.BonusScore(p, 3, c);
            entries += g.BonusUsed(p, 1, c) + (g.BonusScore(p, 2, c) == 100) + (g.BonusScore(p, 3, c) == 100);
            if (g.ColumnDone(p, c) &&
                g.Score(p, 20, c) != upper + (upper >= 63 ? 35 : 0) + lower + bonus)
                return "column total";
            if (g.ChipCount(p, c) > 14) return "chips";
        }
        bool finished = true;
        for (int c = 1; c <= (g.GameType == 2 ? 1 : 3); ++c) finished = finished && g.ColumnDone(p, c);
        if (finished) continue;
        if (first < 0) first = entries;
        if (entries > previous || entries < first - 1) return "turn order";
        previous = entries;
    }
    if (g.GameType == 2)
        for (int p = 1; p <= g.NumPlayers; ++p)
            for (int c = 2; c <= 3; ++c)
                for (int r : Entered)
                    if (g.Used(p, r, c)) return "column out of play";
    return {};
}

// The believed game played on to its end by the rules: never stuck, never
// thrown, and every final total the sum of its card.
std::string playsToTheEnd(const GameState& start, std::uint32_t seed) {
    GameState g = start;
    NullGame unseen;
    std::mt19937 rng(seed);
    mdlLogic rules(g, unseen, unseen, unseen, unseen, [&] { return int(rng() % 6) + 1; });
    try {
        if (g.TurnPassing) rules.NextPlayerTimer();
        for (int turn = 0; g.Winner == 0; ++turn) {
            if (turn > 4 * 39 + 4) return "the game never ends";
            if (g.RollCount == 0) {
                rules.RollButtonMouseUp();
                for (bool t = true; t;) {
                    t = false;
                    for (int d = 1; d <= DiceCount; ++d)
                        if (g.DieAnimator(d)) rules.DieAnimatorTimer(d, g.DieAnimator(d)), t = true;
                }
            }
            bool taken = false;
            for (int c = 1; c <= Columns && !taken; ++c)
                for (int b = 1; b <= BonusBoxes && !taken && g.PentaroShowing; ++b) taken = rules.BonusBoxClick(c, b);
            for (int c = 1; c <= Columns && !taken; ++c)
                for (int r : Entered)
                    if (!taken) taken = rules.ScoreBoxClick(c, r);
            for (int c = 1; c <= Columns && !taken; ++c) taken = rules.BonusBoxClick(c, 1);
            if (!taken) return "no box takes the dice";
            if (g.TurnPassing) rules.NextPlayerTimer();
        }
    } catch (const std::exception& e) {
        return std::string("thrown: ") + e.what();
    }
    for (int p = 1; p <= g.NumPlayers; ++p) {
        int total = 0;
        for (int c = 1; c <= (g.GameType == 2 ? 1 : 3); ++c)
            total += (g.GameType == 2 ? 1 : c) * (g.Score(p, 20, c) + 100 * g.ChipCount(p, c));
        if (total != g.GrandTotal(p)) return "grand total";
    }
    return {};
}

std::string damage(std::string text, std::mt19937& rng) {
    auto pick = [&](std::size_t n) { return n == 0 ? 0 : std::size_t(rng() % n); };
    static const char* values[] = {"99999999999999999999", "-1", "-32768", "32767", "1e9", "x", "", "0x10",
                                   " 5", "3 3", "2147483648", "50", "100", "1000", "%00%0A", "%FF%FE"};
    const auto lineStart = [&](std::size_t at) { return text.rfind('\n', at) + 1; };
    for (int m = 1 + int(pick(3)); m > 0; --m) {
        const std::size_t at = pick(text.size());
        switch (pick(9)) {
            case 0: text.resize(at); break;                                                  // truncated
            case 1: if (!text.empty()) text[at] = char(text[at] ^ (1 << pick(8))); break;    // a flipped bit
            case 2: {                                                                       // one value replaced
                const std::size_t eq = text.find('=', at), end = text.find('\n', eq);
                if (eq != std::string::npos && end != std::string::npos) {
                    const std::size_t from = pick(2) ? eq + 1 : text.rfind(' ', end - 1) + 1;
                    text.replace(std::max(from, eq + 1), end - std::max(from, eq + 1), values[pick(16)]);
                }
                break;
            }
            case 3: {                                                                       // a line gone
                const std::size_t s = lineStart(at), e = text.find('\n', s);
                if (e != std::string::npos) text.erase(s, e - s + 1);
                break;
            }
            case 4: {                                                                       // a line twice
                const std::size_t s = lineStart(at), e = text.find('\n', s);
                if (e != std::string::npos) text.insert(s, text.substr(s, e - s + 1));
                break;
            }
            case 5: for (std::size_t i = pick(200); i > 0; --i) text.insert(at, 1, char(rng())); break;  // junk
            case 6:                                                                         // another version
                if (const auto v = text.find("Version=2"); v != std::string::npos)
                    text.replace(v, 9, pick(2) ? "Version=1" : "Version=3");
                break;
            case 7: {                                                                       // a name
                const std::size_t n = text.find("Name" + std::to_string(1 + pick(4)) + "=");
                if (n != std::string::npos)
                    text.insert(text.find('=', n) + 1, pick(2) ? std::string(20 + pick(900000), 'a') : "%0A%07");
                break;
            }
            default: {                                                                      // a score raised
                const std::size_t n = text.find("Score" + std::to_string(1 + pick(4)) + "=");
                if (n != std::string::npos) text.insert(text.find('=', n) + 1, std::to_string(1 + pick(60)));
            }
        }
    }
    return text;
}

}  // namespace

TEST(GameFileFaults, DamagedKeptGamesAreBelievedOnlyWhenPlayReachesThem) {
    QTemporaryDir dir;
    std::vector<std::string> real;
    std::uint32_t seed = 20261208;
    for (auto [players, type] : {std::pair{1, 2}, {2, 1}, {3, 2}, {4, 1}}) {
        Play game;
        const auto files = game.play(players, type, seed++);
        real.insert(real.end(), files.begin(), files.end());
    }
    std::mt19937 rng(7);
    const QString path = dir.filePath("game.ini");
    int believed = 0, refused = 0, withMoves = 0;
    for (int i = 0; i < 3000; ++i) {
        const bool untouched = i % 10 == 0;
        const std::string& origin = real[rng() % real.size()];
        const std::string text = untouched ? origin : damage(origin, rng);
        ASSERT_TRUE(writeFile(path, QByteArray::fromStdString(text)));
        std::ostringstream errors;
        GameFile file(path, errors);
        const std::optional<SavedGame> game = file.load();
        const std::string trace = "file " + std::to_string(i) + ": " + errors.str() + text.substr(0, 2000);
        if (!game) {
            ++refused;
            ASSERT_FALSE(untouched) << trace;
            const std::string told = errors.str();
            EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << trace;
            EXPECT_EQ(fileBytes(path + ".bad").toStdString(), text) << trace;
            EXPECT_FALSE(QFile::exists(path));
            continue;
        }
        ++believed;
        EXPECT_EQ(errors.str(), "") << trace;
        const GameState& g = game->now.game;
        EXPECT_EQ(independentlyWrong(g), "") << trace;
        EXPECT_EQ(playsToTheEnd(g, std::uint32_t(i)), "") << trace;
        if (game->undo) {
            EXPECT_EQ(independentlyWrong(game->undo->game), "") << trace;
            EXPECT_EQ(playsToTheEnd(game->undo->game, std::uint32_t(i)), "") << trace;
        }
        // The record of moves, when believed, is the game's own: played
        // again it comes to this card; the real files' records always do.
        const auto moves = advisor::replayMoves(g, game->moves);
        if (untouched) {
            EXPECT_TRUE(moves.has_value()) << trace;
        }
        withMoves += moves && !moves->empty();
        if (HasFailure()) break;
    }
    std::cout << believed << " believed (" << withMoves << " with their moves), " << refused << " set aside of 3000\n";
    EXPECT_GT(refused, 1000);
    EXPECT_GT(believed, 330);
}

TEST(GameFileFaults, OnlyRegularFilesAreReadAndOnlyOwnLeftoversGo) {
    QTemporaryDir dir;
    const QString path = dir.filePath("game.ini");
    Play game;
    const std::string good = game.play(2, 2, 5).at(6);
    const auto load = [&](const char* what) {
        std::ostringstream errors;
        GameFile file(path, errors);
        const bool loaded = file.load().has_value();
        SCOPED_TRACE(what);
        const std::string told = errors.str();
        EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), loaded ? 0 : 1) << told;
        return loaded;
    };
    // A link to a real game is read; to a pipe, a device, a folder, not,
    // and never waited on: each is moved aside.
    ASSERT_TRUE(writeFile(dir.filePath("real.ini"), QByteArray::fromStdString(good)));
    ASSERT_TRUE(QFile::link(dir.filePath("real.ini"), path));
    EXPECT_TRUE(load("link to a game"));
    QFile::remove(path);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_FALSE(load("pipe"));
    ASSERT_TRUE(QFile::link("/dev/zero", path));
    EXPECT_FALSE(load("device"));
    EXPECT_TRUE(QFileInfo(path + ".bad").isSymLink());
    QFile::remove(path + ".bad");
    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_FALSE(load("folder"));
    ASSERT_TRUE(QFile::link("nowhere", path));
    EXPECT_FALSE(load("link to nothing"));
    QFile::remove(path);
    // Larger than any game: read no further than the limit.
    ASSERT_TRUE(writeFile(path, QByteArray::fromStdString(good) + QByteArray(GameFile::SizeLimit, ' ')));
    EXPECT_FALSE(load("too large"));

    // Leftovers of saves killed before their rename: only this file's own,
    // only those older than the program.
    const auto make = [&](const QString& name, int ageSeconds) {
        const QString p = dir.filePath(name);
        writeFile(p, "x");
        QFile f(p);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
    };
    make("game.ini.Ab3xYz", 60);
    make("game.ini.Q9w8e7", 60);
    make("game.ini.NewOne", -60);
    make("game.ini.toolong", 60);
    make("other.ini.Ab3xYz", 60);
    GameFile file(path, std::cerr, QDateTime::currentDateTimeUtc());
    EXPECT_EQ(file.removeLeftovers(), 2);
    EXPECT_FALSE(QFile::exists(dir.filePath("game.ini.Ab3xYz")));
    for (const char* stays : {"game.ini.NewOne", "game.ini.toolong", "other.ini.Ab3xYz"})
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(stays))) << stays;
}
