// The real settings file: what a first start writes, names that must come
// back exactly, damaged files and folders that cannot be written.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <sstream>

#include "IniSettingsStore.h"
#include "Rig.h"

using namespace rp;
using namespace rp::test;

namespace {

QTemporaryDir* configHome = nullptr;

QString iniPath(const QString& dir) { return dir + "/RealPentaro/RealPentaro.ini"; }

QString fileText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

void writeFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

// The rules wired to a real store at `path`.
struct Session {
    explicit Session(const QString& path) : store(path, errors) {}
    std::ostringstream errors;
    IniSettingsStore store;
    GameState state;
    FakeTable table;
    FakeServices services{state};
    FakeBoard board;
    mdlLogic logic{state, table, services, board, store, [] { return 1; }};
};

QByteArray storedTables(const QByteArray& sound, const QByteArray& aScore3) {
    QByteArray text = "[Params]\nSound=" + sound + "\n\n[HighScores]\n";
    for (int i = 1; i <= 6; ++i) {
        const QByteArray n = QByteArray::number(i);
        text += "AScore" + n + "=" + (i == 3 ? aScore3 : QByteArray::number(100 - i)) + "\n";
        text += "AName" + n + "=a" + n + "\nBScore" + n + "=50\nBName" + n + "=b" + n + "\n";
    }
    return text;
}

}  // namespace

TEST(IniStore, DefaultFileFollowsXdgConfigHome) {
    EXPECT_EQ(IniSettingsStore::defaultPath(), iniPath(configHome->path()));
}

TEST(IniStore, FirstStartWritesEveryKeyAsText) {
    QTemporaryDir dir;
    const QString path = iniPath(dir.path());
    {
        Session s(path);
        s.logic.LoadSettings();
        EXPECT_TRUE(s.state.SoundOn);
        EXPECT_TRUE(s.errors.str().empty()) << s.errors.str();
    }
    const QString text = fileText(path);
    EXPECT_TRUE(text.contains("[Params]\nSound=True\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("AScore1=7\n"));
    EXPECT_TRUE(text.contains("BName6=Wiffo\n"));
    QSettings raw(path, QSettings::IniFormat);
    raw.beginGroup("HighScores");
    EXPECT_EQ(raw.childKeys().size(), 24);

    // Switching sound off survives a restart.
    {
        Session s(path);
        s.logic.LoadSettings();
        s.state.SoundOn = false;
        s.logic.SaveSettings();
    }
    EXPECT_TRUE(fileText(path).contains("Sound=False\n"));
    Session again(path);
    again.logic.LoadSettings();
    EXPECT_FALSE(again.state.SoundOn);
}

TEST(IniStore, AwkwardNamesComeBackExactly) {
    const std::vector<std::string> names = {
        "He said \"hi\"", "a=b;c", "[Params]", "Zoë 😀 Łódź", "  padded  ", "@Variant(x)",
        "a, b,c", "back\\slash", "#not a comment", ""};
    for (std::size_t i = 0; i < names.size(); ++i) {
        QTemporaryDir one;
        Session s(iniPath(one.path()));
        s.logic.LoadSettings();
        s.state.GameType = 1;
        s.state.PlayerName(2) = names[i];
        s.logic.RecordHighScore(2, 500);
        Session back(iniPath(one.path()));
        back.logic.LoadSettings();
        EXPECT_EQ(back.state.AName(1), names[i]) << i;
        EXPECT_EQ(back.state.AScore(1), 500);
        EXPECT_TRUE(back.errors.str().empty()) << back.errors.str();
    }
}

TEST(IniStore, DamagedFileIsKeptAsideAndTheGameStartsAfresh) {
    const std::vector<QByteArray> damaged = {
        storedTables("True", "lots"), storedTables("Yes", "9"), storedTables("True", "99999"),
        storedTables("true", "9"), QByteArray(storedTables("False", "9")).replace("BScore4=50\n", "")};
    QTemporaryDir dir;
    const QString path = iniPath(dir.path());
    for (const QByteArray& text : damaged) {
        writeFile(path, text);
        Session s(path);
        s.logic.LoadSettings();
        const std::string err = s.errors.str();
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find("RealPentaro.ini.bad"), std::string::npos) << err;
        EXPECT_EQ(fileText(path + ".bad").toUtf8(), text);  // the newest copy replaces the older
        EXPECT_TRUE(s.state.SoundOn);
        EXPECT_EQ(s.state.AName(1), "Vessa");
        EXPECT_TRUE(fileText(path).contains("AName1=Vessa\n"));
    }
    // A good file with a missing name loads as it is.
    writeFile(path, QByteArray(storedTables("False", "9")).replace("AName2=a2\n", ""));
    QFile::remove(path + ".bad");
    Session ok(path);
    ok.logic.LoadSettings();
    EXPECT_TRUE(ok.errors.str().empty()) << ok.errors.str();
    EXPECT_FALSE(ok.state.SoundOn);
    EXPECT_EQ(ok.state.AName(2), "");
    EXPECT_EQ(ok.state.AScore(3), 9);
    EXPECT_FALSE(QFile::exists(path + ".bad"));
}

TEST(IniStore, UnwritableFolderKeepsTheGameGoingAndSaysSoOnce) {
    QTemporaryDir dir;
    QString path;
    if (geteuid() == 0) {
        // Root writes through permissions: block the folder with a file instead.
        writeFile(dir.path() + "/RealPentaro", "not a folder");
        path = iniPath(dir.path());
    } else {
        QDir().mkpath(dir.path() + "/RealPentaro");
        QFile::setPermissions(dir.path() + "/RealPentaro",
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        path = iniPath(dir.path());
    }
    Session s(path);
    s.logic.LoadSettings();
    EXPECT_TRUE(s.state.SoundOn);
    EXPECT_EQ(s.state.AName(1), "Vessa");
    s.state.GameType = 2;
    s.state.PlayerName(1) = "Kept";
    s.logic.RecordHighScore(1, 300);
    s.logic.SaveSettings();
    EXPECT_EQ(s.state.BName(1), "Kept");
    EXPECT_EQ(s.board.entry('B', 1).name, "Kept");
    const std::string err = s.errors.str();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("could not save"), std::string::npos) << err;
    EXPECT_FALSE(QFile::exists(path));
    QFile::setPermissions(dir.path() + "/RealPentaro", QFileDevice::ReadOwner |
                                                          QFileDevice::WriteOwner |
                                                          QFileDevice::ExeOwner);
}

int main(int argc, char** argv) {
    // Before anything reads it: every store of this run lives in a temporary home.
    QTemporaryDir home;
    configHome = &home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
