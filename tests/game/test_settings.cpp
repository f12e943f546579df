// The sound switch and the high-score tables in the settings store.

#include <gtest/gtest.h>

#include "Rig.h"
#include "Texts.h"

using namespace rp;
using namespace rp::test;

namespace {
std::string hs(const std::string& key) { return "HighScores/" + key; }

void storeTables(MapStore& store, const std::string& sound) {
    store.values["Params/Sound"] = sound;
    for (int i = 1; i <= 6; ++i) {
        const std::string n = std::to_string(i);
        store.values[hs("AScore" + n)] = std::to_string(1000 - i);
        store.values[hs("AName" + n)] = "a" + n;
        store.values[hs("BScore" + n)] = std::to_string(500 - i);
        store.values[hs("BName" + n)] = "b" + n;
    }
}
}  // namespace

// A first start on a store that cannot be written: the defaults all the
// same, a new result shown though it cannot be kept, the switch saved.
TEST(Settings, FirstStartWritesTheDefaultsAndAnUnwritableStoreLosesNothingShown) {
    Rig rig;
    rig.store.writable = false;
    rig.logic.LoadSettings();
    EXPECT_TRUE(rig.state.SoundOn);
    EXPECT_EQ(rig.store.values.size(), 25u);
    EXPECT_EQ(rig.store.values[hs("AName1")], "Vessa");
    EXPECT_EQ(rig.store.values[hs("BScore3")], "7");
    EXPECT_EQ(rig.board.entry('A', 4).name, "Nuvia");
    rig.state.GameType = 2;
    rig.state.PlayerName(1) = "Ann";
    rig.state.SoundOn = false;
    rig.logic.RecordHighScore(1, 300);
    EXPECT_EQ(rig.board.entry('B', 1).name, "Ann");
    EXPECT_EQ(rig.store.failedFlushes, 2);
    EXPECT_TRUE(rig.store.setAsideReasons.empty());
    Rig next;
    next.store = rig.store;
    next.logic.LoadSettings();
    EXPECT_FALSE(next.state.SoundOn);
    EXPECT_EQ(next.state.BName(1), "Ann");
}

TEST(Settings, StoredTablesAreLoadedAndADamagedValueAloneFallsBack) {
    Rig rig;
    storeTables(rig.store, "False");
    rig.store.values[hs("AScore6")] = "-32768";
    rig.store.values.erase(hs("BName2"));  // a missing name reads as empty
    rig.logic.LoadSettings();
    EXPECT_FALSE(rig.state.SoundOn);
    EXPECT_EQ(rig.state.AScore(6), -32768);
    EXPECT_EQ(rig.state.BName(2), "");
    EXPECT_EQ(rig.board.entry('A', 5).name, "a5");
    EXPECT_EQ(rig.board.entry('B', 1).score, "499");
    EXPECT_TRUE(rig.store.setAsideReasons.empty());

    // One damaged value: it takes its default (a place its first-start entry),
    // every other value is kept, the store is told once and rewritten whole.
    const std::pair<std::string, std::string> damage[] = {
        {"Params/Sound", "yes"}, {"Params/Sound", "0"},   {hs("AScore3"), "12x"},
        {hs("BScore6"), "40000"}, {hs("AScore1"), "+5"},   {hs("BScore2"), ""},
        {hs("AScore4"), " 5"},    {hs("BScore1"), "-32769"}};
    for (const auto& [key, value] : damage) {
        Rig bad;
        storeTables(bad.store, "False");
        if (value.empty()) bad.store.values.erase(key); else bad.store.values[key] = value;
        bad.logic.LoadSettings();
        ASSERT_EQ(bad.store.setAsideReasons.size(), 1u) << key << "=" << value;
        const bool sound = key == "Params/Sound";
        EXPECT_NE(bad.store.setAsideReasons[0].find(sound ? "sound switch" : key.substr(key.find('/') + 1)),
                  std::string::npos) << key;
        EXPECT_EQ(bad.state.SoundOn, sound) << key;
        EXPECT_EQ(bad.store.values["Params/Sound"], sound ? "True" : "False") << key;
        for (char table : {'A', 'B'})
            for (int i = 1; i <= 6; ++i) {
                const std::string place = std::string(1, table) + "Score" + std::to_string(i);
                const bool lost = key == hs(place);
                const int kept = (table == 'A' ? 1000 : 500) - i;
                EXPECT_EQ(bad.store.values[hs(place)], std::to_string(lost ? 7 : kept)) << key << place;
                EXPECT_EQ(bad.board.entry(table, i).name,
                          lost ? std::string(text::FirstStartNames[i - 1]) : std::string(1, char(table + 32)) + std::to_string(i))
                    << key << place;
            }
    }
}

TEST(HighScores, OnlyBetterResultsEnterAndTheHighlightFollowsItsEntry) {
    Rig rig;
    rig.logic.LoadSettings();
    auto& s = rig.state;
    const int before[] = {2200, 1500, 900, 700, 7, 7};
    for (int i = 1; i <= 6; ++i) s.AScore(i) = static_cast<Int16>(before[i - 1]);
    s.GameType = 1;
    s.PlayerName(1) = "One";
    s.PlayerName(2) = "Two";
    const int flushes = rig.store.flushes;
    rig.logic.RecordHighScore(1, 7);  // ties the last place: not entered, nothing written
    EXPECT_FALSE(s.NewHighScore);
    EXPECT_EQ(rig.store.flushes, flushes);
    rig.logic.RecordHighScore(1, 1500);
    rig.logic.RecordHighScore(2, 2400);
    const int after[] = {2400, 2200, 1500, 1500, 900, 700};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(s.AScore(i), after[i - 1]) << i;
        EXPECT_EQ(rig.board.entry('A', i).highlighted, i == 1 || i == 4) << i;
    }
    EXPECT_EQ(rig.store.values[hs("AName4")], "One");
    EXPECT_EQ(s.BName(1), "Vessa");  // the other table is left alone
    rig.logic.ClearHighScoreHighlights();
    for (int i = 1; i <= 6; ++i) EXPECT_FALSE(rig.board.entry('A', i).highlighted);
}

TEST(HighScores, ResetWritesItsOwnTablesAndKeepsTheSwitch) {
    Rig rig;
    storeTables(rig.store, "False");
    rig.logic.LoadSettings();
    rig.state.AHighlight(2) = true;
    rig.logic.ResetHighScores();
    EXPECT_EQ(rig.store.values["Params/Sound"], "False");
    EXPECT_EQ(rig.store.values[hs("AName1")], "Pewlin");
    EXPECT_EQ(rig.store.values[hs("BName6")], "Dud Ove");
    EXPECT_EQ(rig.store.values[hs("AScore5")], "7");
    EXPECT_FALSE(rig.board.entry('A', 2).highlighted);
    EXPECT_EQ(rig.board.entry('B', 3).name, "Quorinth");
}
