// The real settings file: what a first start writes, names that must come
// back exactly.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "StoreRig.h"

using namespace rp;
using namespace rp::test;

namespace {

QTemporaryDir* configHome = nullptr;

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

int main(int argc, char** argv) {
    // Before anything reads it: every store of this run lives in a temporary home.
    QTemporaryDir home;
    configHome = &home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
