// The sound switch and the high-score tables in the settings store.

#include <gtest/gtest.h>

#include "Rig.h"

using namespace rp;
using namespace rp::test;

namespace {
std::string hs(const std::string& key) { return "HighScores/" + key; }

void storeTables(MapStore& store, const std::string& sound) {
    store.values["Params/Sound"] = sound;
    for (int i = 1; i <= 6; ++i) {
        store.values[hs("AScore" + std::to_string(i))] = std::to_string(1000 - i);
        store.values[hs("AName" + std::to_string(i))] = "a" + std::to_string(i);
        store.values[hs("BScore" + std::to_string(i))] = std::to_string(500 - i);
        store.values[hs("BName" + std::to_string(i))] = "b" + std::to_string(i);
    }
}
}  // namespace

TEST(Settings, FirstStartWritesTheDefaults) {
    Rig rig;
    rig.logic.LoadSettings();
    EXPECT_TRUE(rig.state.SoundOn);
    EXPECT_EQ(rig.store.values.size(), 25u);
    EXPECT_EQ(rig.store.values["Params/Sound"], "True");
    EXPECT_EQ(rig.store.values[hs("AName1")], "Vessa");
    EXPECT_EQ(rig.store.values[hs("BName6")], "Wiffo");
    EXPECT_EQ(rig.store.values[hs("BScore3")], "7");
    EXPECT_EQ(rig.board.entry('A', 4).name, "Nuvia");
    EXPECT_EQ(rig.board.entry('B', 5).score, "7");
    EXPECT_TRUE(rig.store.setAsideReasons.empty());
}

TEST(Settings, StoredTablesAndSwitchAreLoaded) {
    Rig rig;
    storeTables(rig.store, "False");
    rig.store.values.erase(hs("BName2"));  // a missing name reads as empty
    rig.logic.LoadSettings();
    EXPECT_FALSE(rig.state.SoundOn);
    EXPECT_EQ(rig.state.AScore(1), 999);
    EXPECT_EQ(rig.state.BName(2), "");
    EXPECT_EQ(rig.board.entry('A', 6).name, "a6");
    EXPECT_EQ(rig.board.entry('B', 1).score, "499");
    EXPECT_TRUE(rig.store.setAsideReasons.empty());
}

TEST(Settings, DamagedStoreIsSetAsideAndStartsAfresh) {
    const std::vector<std::pair<std::string, std::string>> damage = {
        {"Params/Sound", "yes"},     {"Params/Sound", "true"},  {hs("AScore3"), "12x"},
        {hs("BScore6"), "40000"},    {hs("AScore1"), "+5"},     {hs("BScore2"), ""},
        {hs("AScore4"), " 5"},       {hs("BScore1"), "-32769"}};
    for (const auto& [key, value] : damage) {
        Rig rig;
        storeTables(rig.store, "False");
        if (value.empty()) rig.store.values.erase(key); else rig.store.values[key] = value;
        rig.logic.LoadSettings();
        ASSERT_EQ(rig.store.setAsideReasons.size(), 1u) << key << "=" << value;
        EXPECT_TRUE(rig.state.SoundOn) << key;
        EXPECT_EQ(rig.state.AName(1), "Vessa") << key;
        EXPECT_EQ(rig.store.values[hs("BScore6")], "7") << key;
        EXPECT_EQ(rig.store.values["Params/Sound"], "True") << key;
    }
    Rig ok;
    storeTables(ok.store, "True");
    ok.store.values[hs("AScore6")] = "-32768";
    ok.logic.LoadSettings();
    EXPECT_TRUE(ok.store.setAsideReasons.empty());
    EXPECT_EQ(ok.state.AScore(6), -32768);
}

TEST(Settings, SoundSwitchIsStoredOnSave) {
    Rig rig;
    rig.logic.LoadSettings();
    rig.state.SoundOn = false;
    rig.logic.SaveSettings();
    EXPECT_EQ(rig.store.values["Params/Sound"], "False");
    Rig next;
    next.store = rig.store;
    next.logic.LoadSettings();
    EXPECT_FALSE(next.state.SoundOn);
}

TEST(Settings, UnwritableStoreLeavesTheGameItsValues) {
    Rig rig;
    rig.store.writable = false;
    rig.logic.LoadSettings();
    rig.state.GameType = 2;
    rig.state.PlayerName(1) = "Ann";
    rig.logic.RecordHighScore(1, 300);
    EXPECT_EQ(rig.state.BName(1), "Ann");
    EXPECT_EQ(rig.board.entry('B', 1).name, "Ann");
    EXPECT_EQ(rig.store.failedFlushes, 2);
}

TEST(HighScores, HighlightFollowsItsEntry) {
    Rig rig;
    rig.logic.LoadSettings();
    auto& s = rig.state;
    const int before[] = {2200, 1500, 900, 700, 7, 7};
    for (int i = 1; i <= 6; ++i) s.AScore(i) = static_cast<Int16>(before[i - 1]);
    s.GameType = 1;
    s.PlayerName(1) = "One";
    s.PlayerName(2) = "Two";
    rig.logic.RecordHighScore(1, 1500);
    rig.logic.RecordHighScore(2, 2400);
    const int after[] = {2400, 2200, 1500, 1500, 900, 700};
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(s.AScore(i), after[i - 1]) << i;
    EXPECT_EQ(s.AName(4), "One");
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(rig.board.entry('A', i).highlighted, i == 1 || i == 4) << i;
    EXPECT_EQ(rig.store.values[hs("AScore4")], "1500");
    EXPECT_EQ(rig.store.values[hs("AName4")], "One");
    EXPECT_TRUE(s.NewHighScore);
    rig.logic.ClearHighScoreHighlights();
    for (int i = 1; i <= 6; ++i) EXPECT_FALSE(rig.board.entry('A', i).highlighted);
}

TEST(HighScores, OnlyStrictlyBetterResultsEnter) {
    Rig rig;
    rig.logic.LoadSettings();
    rig.state.GameType = 2;
    rig.state.PlayerName(1) = "Low";
    const int flushes = rig.store.flushes;
    rig.logic.RecordHighScore(1, 7);
    EXPECT_FALSE(rig.state.NewHighScore);
    EXPECT_EQ(rig.store.flushes, flushes);  // nothing written
    rig.logic.RecordHighScore(1, 8);
    EXPECT_EQ(rig.state.BName(1), "Low");
    EXPECT_EQ(rig.state.BName(2), "Vessa");
    EXPECT_EQ(rig.state.BName(6), "Kuko");
    EXPECT_EQ(rig.state.AName(1), "Vessa");
}

TEST(HighScores, ResetWritesItsOwnTableAndKeepsTheSwitch) {
    Rig rig;
    storeTables(rig.store, "False");
    rig.logic.LoadSettings();
    rig.state.AHighlight(2) = true;
    rig.logic.ResetHighScores();
    EXPECT_EQ(rig.store.values["Params/Sound"], "False");
    EXPECT_EQ(rig.store.values[hs("AName1")], "Pewlin");
    EXPECT_EQ(rig.store.values[hs("BName1")], "Dallox");
    EXPECT_EQ(rig.store.values[hs("BName4")], "Dallox");
    EXPECT_EQ(rig.store.values[hs("BName6")], "Dud Ove");
    EXPECT_EQ(rig.store.values[hs("AScore5")], "7");
    EXPECT_FALSE(rig.board.entry('A', 2).highlighted);
    EXPECT_EQ(rig.board.entry('B', 3).name, "Quorinth");
}
