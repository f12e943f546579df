// Whatever bytes the settings file holds, and wherever it cannot be saved,
// the game starts in a state it can keep, says what went wrong in one line
// and loses nothing it holds.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <functional>
#include <random>

#include "StoreRig.h"

using namespace rp;
using namespace rp::test;

namespace {

// Noise, or a file this game wrote damaged the way hands, disks and other
// programs damage them.
QByteArray contents(std::mt19937& rng, const std::vector<QByteArray>& good) {
    static const std::vector<QByteArray> tokens = {
        "=", ",", "\"", "\\", "[", "]", "\n", "\r\n", ";", "#", "%", "\\x", "\\u12", "\\0",
        "@Variant(", "@ByteArray(", "@Rect(1 2 3 4)", "@Invalid()", ")", "\xff\xfe", "\xc3",
        QByteArray("\0", 1), "[Params]\n", "Sound=True\n", "AScore1=-32768\n", "/", "\t", " "};
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    QByteArray b;
    if (pick(4) == 0) {
        for (int i = pick(300); i > 0; --i)
            b += static_cast<char>(pick(2) ? pick(256) : 32 + pick(95));
        return b;
    }
    b = good[pick(static_cast<int>(good.size()))];
    for (int m = 1 + pick(4); m > 0; --m) {
        const int at = pick(static_cast<int>(b.size()) + 1);
        switch (pick(5)) {
            case 0: if (at < b.size()) b[at] = static_cast<char>(pick(256)); break;
            case 1: b.insert(at, tokens[pick(static_cast<int>(tokens.size()))]); break;
            case 2: b.remove(at, 1 + pick(40)); break;
            case 3: b.truncate(at); break;
            default: b.insert(at, b.mid(pick(static_cast<int>(b.size()) + 1), pick(60)));
        }
    }
    return b;
}

// What a first start leaves in memory, and its file.
const std::pair<std::string, QByteArray>& firstStart() {
    static const auto made = [] {
        QTemporaryDir dir;
        Session s(iniPath(dir.path()));
        s.logic.LoadSettings();
        return std::pair{s.tables(), fileBytes(s.store.path())};
    }();
    return made;
}

}  // namespace

TEST(StoreFaults, AnyFileContentLoadsToAStateTheGameCanKeep) {
    // Thousands of synced saves: in memory where there is a memory file system.
    QTemporaryDir dir(QFileInfo("/dev/shm").isWritable() ? "/dev/shm/rp-store-XXXXXX"
                                                         : QDir::tempPath() + "/rp-store-XXXXXX");
    std::vector<QByteArray> good;
    {
        Session s(iniPath(dir.path() + "/first"));
        s.logic.LoadSettings();
        good.push_back(fileBytes(s.store.path()));
        s.state.SoundOn = false;
        s.state.GameType = 2;
        s.state.PlayerName(1) = "a=b, \"c\" \\ [d] ;#";
        s.logic.RecordHighScore(1, 32767);
        good.push_back(fileBytes(s.store.path()));
    }
    std::mt19937 rng(20240611);
    int loaded = 0, partly = 0, setAside = 0;
    for (int i = 0; i < 2000; ++i) {
        const QByteArray bytes = contents(rng, good);
        const QString path = iniPath(dir.path() + "/" + QString::number(i));
        ASSERT_TRUE(writeFile(path, bytes));
        Session s(path);
        s.logic.LoadSettings();
        const std::string why = "file " + std::to_string(i) + ": " +
                                bytes.toPercentEncoding().toStdString() + "\n" + s.errors.str();
        if (s.errorLines() == 0) {
            // Taken as it stands: left untouched, and what is in memory survives
            // a save; if that drops a part that could not be read, it says so
            // and keeps the file as it was.
            ++loaded;
            if (!bytes.trimmed().isEmpty()) {
                EXPECT_EQ(fileBytes(path), bytes) << why;
            }
            s.logic.SaveSettings();
            EXPECT_LE(s.errorLines(), 1) << why;
            if (s.errorLines() == 1) {
                ++partly;
                EXPECT_EQ(s.errors.str().rfind("Real Pentaro: ", 0), 0u) << why;
                EXPECT_EQ(fileBytes(path + ".bad"), bytes) << why;
            }
            Session back(freshCopy(path));
            back.logic.LoadSettings();
            EXPECT_EQ(back.tables(), s.tables()) << why << back.errors.str();
        } else {
            // Not all of it readable: said in one line, kept byte for byte;
            // what could be read stays, and the file now holds what the game holds.
            ++setAside;
            EXPECT_EQ(s.errorLines(), 1) << why;
            EXPECT_EQ(s.errors.str().rfind("Real Pentaro: ", 0), 0u) << why;
            EXPECT_EQ(fileBytes(path + ".bad"), bytes) << why;
            Session back(freshCopy(path));
            back.logic.LoadSettings();
            EXPECT_EQ(back.tables(), s.tables()) << why << back.errors.str();
            EXPECT_EQ(back.errorLines(), 0) << why << back.errors.str();
        }
        if (HasFailure()) break;
        QDir(dir.path() + "/" + QString::number(i)).removeRecursively();
    }
    std::cout << "loaded " << loaded << " (" << partly << " of them in part), set aside "
              << setAside << " of 2000\n";
    EXPECT_GT(loaded, 100);
    EXPECT_GT(setAside, 100);
}

TEST(StoreFaults, UnwritablePlacesSaySoOnceAndLoseNothing) {
    struct Place {
        const char* what;
        std::function<void(const QString& path)> block;  // makes `path` unwritable
        bool mustFail;  // otherwise the save may work, but only if the file is really there
    };
    const std::vector<Place> places = {
        {"folder is a file", [](const QString& p) { writeFile(QFileInfo(p).path(), "x"); }, true},
        {"file is a folder", [](const QString& p) { QDir().mkpath(p); }, true},
        {"folder is a link loop",
         [](const QString& p) { QFile::link(QFileInfo(p).path(), QFileInfo(p).path()); }, true},
        {"file links into nowhere",
         [](const QString& p) {
             QDir().mkpath(QFileInfo(p).path());
             QFile::link("gone/x.ini", p);
         },
         true},
        {"file is a link loop",
         [](const QString& p) { QDir().mkpath(QFileInfo(p).path()); QFile::link(p, p); }, false},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.what);
        QTemporaryDir dir;
        const QString path = iniPath(dir.path());
        place.block(path);
        Session s(path);
        s.logic.LoadSettings();
        EXPECT_EQ(s.tables(), firstStart().first);
        s.state.GameType = 2;
        s.state.PlayerName(1) = "Kept";
        s.logic.RecordHighScore(1, 300);
        const bool saved = s.store.flush();
        EXPECT_EQ(s.state.BName(1), "Kept");
        EXPECT_EQ(s.board.entry('B', 1).name, "Kept");
        EXPECT_EQ(s.store.read("HighScores", "BName1"), "Kept");
        if (saved) {
            EXPECT_FALSE(place.mustFail);
            EXPECT_EQ(s.errorLines(), 0) << s.errors.str();
            Session back(freshCopy(path));
            back.logic.LoadSettings();
            EXPECT_EQ(back.tables(), s.tables());
            continue;
        }
        // Said once for all the failed saves, then everything is saved once
        // the place is freed.
        EXPECT_EQ(s.errorLines(), 1) << s.errors.str();
        EXPECT_EQ(s.errors.str().rfind("Real Pentaro: could not save the settings to ", 0), 0u)
            << s.errors.str();
        std::cout << s.errors.str();
        QFile::remove(QFileInfo(path).path());
        QFile::remove(path);
        QDir(path).removeRecursively();
        EXPECT_TRUE(s.store.flush());
        Session back(freshCopy(path));
        back.logic.LoadSettings();
        EXPECT_EQ(back.tables(), s.tables());
    }

    // Mode 000: root reads and saves through it; anyone else is told, and the
    // file keeps what it held.
    QTemporaryDir dir;
    const QString locked = dir.path() + "/locked.ini";
    QByteArray soundOff = firstStart().second;
    ASSERT_TRUE(writeFile(locked, soundOff.replace("Sound=True", "Sound=False")));
    ::chmod(locked.toLocal8Bit(), 0);
    Session s(locked);
    s.logic.LoadSettings();
    EXPECT_EQ(s.state.SoundOn, geteuid() != 0);
    EXPECT_EQ(s.store.flush(), geteuid() == 0);
    EXPECT_EQ(s.errorLines(), geteuid() == 0 ? 0 : 1) << s.errors.str();
    ::chmod(locked.toLocal8Bit(), 0600);
    EXPECT_EQ(fileBytes(locked).contains("Sound=False"), true);

    // A damaged file that cannot be copied aside is not saved over either.
    const QString damaged = dir.path() + "/damaged.ini";
    ASSERT_TRUE(writeFile(damaged, "[Params]\nSound=Maybe\n"));
    QDir().mkpath(damaged + ".bad");
    Session d(damaged);
    d.logic.LoadSettings();
    EXPECT_EQ(d.tables(), firstStart().first);
    EXPECT_FALSE(d.store.flush());
    EXPECT_EQ(d.errorLines(), 1) << d.errors.str();
    EXPECT_NE(d.errors.str().find("cannot be kept as"), std::string::npos) << d.errors.str();
    EXPECT_EQ(fileBytes(damaged), "[Params]\nSound=Maybe\n");
}
