#include "GameFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <map>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "PositionCheck.h"

namespace rp {

namespace {

constexpr std::string_view Heading = "[RealPentaro game]";

std::string encodeName(const std::string& name) {
    return QByteArray::fromStdString(name).toPercentEncoding(" ").toStdString();
}
std::string decodeName(const std::string& text) {
    return QByteArray::fromPercentEncoding(QByteArray::fromStdString(text)).toStdString();
}

class Writer {
public:
    void line(const std::string& key, const std::string& value) { out_ << key << '=' << value << '\n'; }
    template <class F>
    void list(const std::string& key, int n, F value) {
        out_ << key << '=';
        for (int i = 1; i <= n; ++i) out_ << (i > 1 ? " " : "") << value(i);
        out_ << '\n';
    }
    std::string text() const { return out_.str(); }

private:
    std::ostringstream out_;
};

void writeSnapshot(Writer& w, const std::string& prefix, const GameSnapshot& snap) {
    const GameState& g = snap.game;
    const auto k = [&](const char* key) { return prefix + key; };
    w.line(k("Players"), std::to_string(g.NumPlayers));
    w.line(k("GameType"), std::to_string(g.GameType));
    w.line(k("Current"), std::to_string(g.CurrentPlayer));
    w.line(k("Rolls"), std::to_string(g.RollCount));
    w.list(k("Dice"), DiceCount, [&](int i) { return int(g.Dice(i)); });
    w.list(k("Kept"), DiceCount, [&](int i) { return int(g.DieKept(i)); });
    w.line(k("Pentaro"), std::to_string(int(g.PentaroShowing)));
    w.line(k("Active"), std::to_string(g.ActiveColumn));
    w.line(k("Passing"), std::to_string(int(g.TurnPassing)));
    w.line(k("Pace"), std::to_string(int(snap.seats.pace)));
    for (int p = 1; p <= MaxPlayers; ++p) {
        const std::string n = std::to_string(p);
        w.line(k("Name") + n, encodeName(g.PlayerName(p)));
        w.line(k("Seat") + n, std::to_string(int(snap.seats.kind(p))));
        w.line(k("Hint") + n, std::to_string(int(snap.seats.hintUsed(p))));
        w.list(k("Score") + n, Rows * Columns, [&](int i) { return int(g.Score(p, (i - 1) / Columns + 1, (i - 1) % Columns + 1)); });
        w.list(k("Used") + n, Rows * Columns, [&](int i) { return int(g.Used(p, (i - 1) / Columns + 1, (i - 1) % Columns + 1)); });
        w.list(k("Bonus") + n, BonusBoxes * Columns, [&](int i) { return int(g.BonusScore(p, (i - 1) / Columns + 1, (i - 1) % Columns + 1)); });
        w.list(k("BonusUsed") + n, BonusBoxes * Columns, [&](int i) { return int(g.BonusUsed(p, (i - 1) / Columns + 1, (i - 1) % Columns + 1)); });
        w.list(k("Chips") + n, Columns, [&](int c) { return int(g.ChipCount(p, c)); });
        w.list(k("Done") + n, Columns, [&](int c) { return int(g.ColumnDone(p, c)); });
    }
}

// A piece of the file fit for one line of the error stream.
std::string shown(const std::string& text) {
    std::string out = text.substr(0, 40);
    for (char& ch : out)
        if (static_cast<unsigned char>(ch) < 0x20 || static_cast<unsigned char>(ch) >= 0x7F) ch = '?';
    return text.size() > 40 ? out + "..." : out;
}

struct BadFile {
    std::string why;
};

class Reader {
public:
    Reader(const std::map<std::string, std::string>& values, std::string prefix)
        : values_(values), prefix_(std::move(prefix)) {}

    const std::string& raw(const std::string& key) const {
        auto it = values_.find(prefix_ + key);
        if (it == values_.end()) throw BadFile{prefix_ + key + " is missing"};
        return it->second;
    }
    std::vector<int> numbers(const std::string& key, int count, int low, int high) const {
        const std::string& text = raw(key);
        std::vector<int> out;
        const char* p = text.data();
        const char* end = p + text.size();
        while (p < end) {
            int v = 0;
            auto [next, ec] = std::from_chars(p, end, v);
            if (ec != std::errc() || v < low || v > high)
                throw BadFile{prefix_ + key + " \"" + shown(text) + "\" holds a value outside " + std::to_string(low) +
                              ".." + std::to_string(high)};
            out.push_back(v);
            p = next;
            if (p < end && *p == ' ') ++p;
        }
        if (int(out.size()) != count)
            throw BadFile{prefix_ + key + " holds " + std::to_string(out.size()) + " values, not " +
                          std::to_string(count)};
        return out;
    }
    int number(const std::string& key, int low, int high) const { return numbers(key, 1, low, high)[0]; }

private:
    const std::map<std::string, std::string>& values_;
    std::string prefix_;
};

GameSnapshot readSnapshot(const Reader& r) {
    GameSnapshot snap;
    GameState& g = snap.game;
    g.NumPlayers = Int16(r.number("Players", 1, MaxPlayers));
    g.GameType = Int16(r.number("GameType", 1, 2));
    g.CurrentPlayer = Int16(r.number("Current", 1, g.NumPlayers));
    g.RollCount = Int16(r.number("Rolls", 0, 3));
    const auto dice = r.numbers("Dice", DiceCount, 0, 6);
    const auto kept = r.numbers("Kept", DiceCount, 0, 1);
    for (int i = 1; i <= DiceCount; ++i) {
        g.Dice(i) = Int16(dice[i - 1]);
        g.DieKept(i) = kept[i - 1] != 0;
        // Dice are rolled all at once: a turn shows five faces or none.
        if ((g.Dice(i) == 0) != (g.RollCount == 0) || (g.DieKept(i) && g.Dice(i) == 0))
            throw BadFile{"the dice do not fit the rolls"};
    }
    g.PentaroShowing = r.number("Pentaro", 0, 1) != 0;
    g.ActiveColumn = Int16(r.number("Active", 0, Columns));
    g.TurnPassing = r.number("Passing", 0, 1) != 0;
    snap.seats.pace = Pace(r.number("Pace", 0, int(LastPace)));
    for (int p = 1; p <= MaxPlayers; ++p) {
        const std::string n = std::to_string(p);
        g.PlayerName(p) = decodeName(r.raw("Name" + n));
        snap.seats.kind(p) = SeatKind(r.number("Seat" + n, 0, 3));
        snap.seats.hintUsed(p) = r.number("Hint" + n, 0, 1) != 0;
        // Far above any card, far below where sums could overflow.
        const auto score = r.numbers("Score" + n, Rows * Columns, 0, 1000);
        const auto used = r.numbers("Used" + n, Rows * Columns, 0, 1);
        for (int i = 0; i < Rows * Columns; ++i) {
            g.Score(p, i / Columns + 1, i % Columns + 1) = Int16(score[i]);
            g.Used(p, i / Columns + 1, i % Columns + 1) = used[i] != 0;
        }
        const auto bonus = r.numbers("Bonus" + n, BonusBoxes * Columns, 0, 100);
        const auto bonusUsed = r.numbers("BonusUsed" + n, BonusBoxes * Columns, 0, 1);
        for (int i = 0; i < BonusBoxes * Columns; ++i) {
            g.BonusScore(p, i / Columns + 1, i % Columns + 1) = Int16(bonus[i]);
            g.BonusUsed(p, i / Columns + 1, i % Columns + 1) = bonusUsed[i] != 0;
        }
        const auto chips = r.numbers("Chips" + n, Columns, 0, 100);
        const auto done = r.numbers("Done" + n, Columns, 0, 1);
        for (int c = 1; c <= Columns; ++c) {
            g.ChipCount(p, c) = Int16(chips[c - 1]);
            g.ColumnDone(p, c) = done[c - 1] != 0;
        }
    }
    g.GameInProgress = true;
    return snap;
}

constexpr int MaxMoves = 2000;  // a four-player game has fewer than 700

void writeMoves(Writer& w, const std::vector<MoveRecord>& moves) {
    w.line("Moves", std::to_string(moves.size()));
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const MoveRecord& m = moves[i];
        std::ostringstream line;
        line << int(m.kind) << ' ' << m.player << ' ' << m.rollCount << ' ' << m.kept;
        for (int d : m.dice) line << ' ' << d;
        line << ' ' << m.column << ' ' << m.index;
        w.line("Move" + std::to_string(i + 1), line.str());
    }
}

std::vector<MoveRecord> readMoves(const Reader& r) {
    std::vector<MoveRecord> moves;
    const int count = r.number("Moves", 0, MaxMoves);
    for (int i = 1; i <= count; ++i) {
        const auto v = r.numbers("Move" + std::to_string(i), 6 + DiceCount, 0, 31);
        MoveRecord m;
        if (v[0] > 2 || v[1] < 1 || v[1] > MaxPlayers || v[2] > 3 || v[5 + DiceCount] > Rows)
            throw BadFile{"move " + std::to_string(i) + " is not one of this game"};
        m.kind = MoveRecord::Kind(v[0]);
        m.player = v[1];
        m.rollCount = v[2];
        m.kept = unsigned(v[3]);
        for (int d = 0; d < DiceCount; ++d) {
            if (v[std::size_t(4 + d)] > 6) throw BadFile{"move " + std::to_string(i) + " shows no die"};
            m.dice[std::size_t(d)] = v[std::size_t(4 + d)];
        }
        m.column = v[4 + DiceCount];
        m.index = v[5 + DiceCount];
        moves.push_back(m);
    }
    return moves;
}

}  // namespace

std::string writeGame(const SavedGame& game) {
    Writer w;
    w.line("Version", std::to_string(GameFile::Version));
    writeSnapshot(w, "", game.now);
    w.line("Undo", game.undo ? "1" : "0");
    if (game.undo) writeSnapshot(w, "Undo.", *game.undo);
    writeMoves(w, game.moves);
    return std::string(Heading) + '\n' + w.text();
}

std::optional<SavedGame> readGame(const std::string& text, std::string* why) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != Heading) {
        *why = "it is not a Real Pentaro game";
        return std::nullopt;
    }
    std::map<std::string, std::string> values;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos || !values.emplace(line.substr(0, eq), line.substr(eq + 1)).second) {
            *why = "the line \"" + shown(line) + "\" is not one setting";
            return std::nullopt;
        }
    }
    try {
        const Reader top(values, "");
        const int version = top.number("Version", 0, 1 << 30);
        // The first version kept no moves; its games still resume.
        if (version != 1 && version != GameFile::Version) {
            *why = "it is of format version " + std::to_string(version) + ", this game reads " +
                   std::to_string(GameFile::Version);
            return std::nullopt;
        }
        SavedGame game{readSnapshot(top), std::nullopt, {}, version >= 2};
        if (std::string bad = whyUnreachable(game.now.game); !bad.empty()) throw BadFile{"no play reaches it: " + bad};
        if (top.number("Undo", 0, 1) == 1) {
            game.undo = readSnapshot(Reader(values, "Undo."));
            if (std::string bad = whyNotEarlier(game.undo->game, game.now.game); !bad.empty())
                throw BadFile{"its undo point does not fit: " + bad};
        }
        if (game.movesKept) game.moves = readMoves(top);
        return game;
    } catch (const BadFile& bad) {
        *why = bad.why;
        return std::nullopt;
    }
}

QString GameFile::pathBeside(const QString& settingsPath) {
    return QFileInfo(settingsPath).absolutePath() + QStringLiteral("/game.ini");
}

GameFile::GameFile(QString path, std::ostream& errors, QDateTime started)
    : path_(std::move(path)), errors_(errors), started_(std::move(started)) {}

bool GameFile::exists() const { return QFileInfo::exists(path_); }

bool GameFile::save(const SavedGame& game) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    const std::string text = writeGame(game);
    const bool ok = file.open(QIODevice::WriteOnly) &&
                    file.write(text.data(), qint64(text.size())) == qint64(text.size()) && file.commit();
    if (!ok && !failing_)
        errors_ << "Real Pentaro: the game in progress cannot be saved to " << path_.toStdString() << " ("
                << file.errorString().toStdString() << "); it will be lost when the program ends\n";
    failing_ = !ok;
    return ok;
}

namespace {

// The file's bytes, read only from a regular file (never waiting on a pipe
// or a device) and never more than the limit; nullopt with the reason.
std::optional<std::string> readRegular(const QString& path, qint64 limit, std::string* why) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        *why = std::strerror(errno);
        return std::nullopt;
    }
    struct stat info {};
    std::optional<std::string> text;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        *why = "it is not a regular file";
    } else {
        std::string bytes;
        char buffer[16384];
        ssize_t n = 0;
        while (qint64(bytes.size()) <= limit && (n = ::read(fd, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, std::size_t(n));
        if (n < 0) *why = std::strerror(errno);
        else if (qint64(bytes.size()) > limit) *why = "it is far too large";
        else text = std::move(bytes);
    }
    ::close(fd);
    return text;
}

}  // namespace

std::optional<SavedGame> GameFile::load() {
    removeLeftovers();
    // A link to nothing is no game; anything else there is looked at.
    struct stat entry {};
    if (::lstat(QFile::encodeName(path_).constData(), &entry) != 0) return std::nullopt;
    std::string why;
    std::optional<SavedGame> game;
    if (const auto text = readRegular(path_, SizeLimit, &why)) game = readGame(*text, &why);
    if (game) return game;
    const QString bad = path_ + QStringLiteral(".bad");
    const QFileInfo badInfo(bad);
    if (badInfo.isFile() || badInfo.isSymLink()) QFile::remove(bad);
    const bool moved = ::rename(QFile::encodeName(path_).constData(), QFile::encodeName(bad).constData()) == 0;
    errors_ << "Real Pentaro: the saved game " << path_.toStdString() << " cannot be read (" << why << "); "
            << (moved ? "kept as " + bad.toStdString() : std::string("left where it is")) << '\n';
    return std::nullopt;
}

int GameFile::removeLeftovers() {
    const QFileInfo info(path_);
    const QRegularExpression own(QStringLiteral("^") + QRegularExpression::escape(info.fileName()) +
                                 QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QDir folder = info.absoluteDir();
    for (const QFileInfo& leftover : folder.entryInfoList({info.fileName() + QStringLiteral(".??????")},
                                                          QDir::Files | QDir::Hidden | QDir::System)) {
        if (!own.match(leftover.fileName()).hasMatch() || leftover.isSymLink() || !leftover.isFile()) continue;
        if (leftover.lastModified().toUTC() >= started_) continue;
        removed += QFile::remove(leftover.absoluteFilePath());
    }
    return removed;
}

void GameFile::remove() { QFile::remove(path_); }

}  // namespace rp
