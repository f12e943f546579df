#pragma once
// A table, services and store that record what a player would see, hear and
// what would be stored, wired to the real rules.

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "GameState.h"
#include "Logic.h"

namespace rp::test {

struct FakeTable : TableView {
    std::map<std::pair<int, int>, std::string> box;    // (column, row)
    std::map<std::pair<int, int>, std::string> bonus;  // (column, box)
    bool cardEnabled = false;
    std::string chipTotal[4], chipPicture[4];
    std::string rolling[6], kept[6];
    bool rollingEnabled[6] = {}, keptEnabled[6] = {};
    std::string playerName, rollCount;
    bool nextVisible = false;
    std::set<TableTimer> timers;
    std::set<std::pair<int, int>> animators;

    static std::string get(const std::map<std::pair<int, int>, std::string>& m, int a, int b) {
        auto it = m.find({a, b});
        return it == m.end() ? "" : it->second;
    }
    std::string at(int column, int row) const { return get(box, column, row); }
    std::string bonusAt(int column, int b) const { return get(bonus, column, b); }
    bool timerOn(TableTimer t) const { return timers.count(t) > 0; }

    void setBoxCaption(int c, int r, std::string_view t) override { box[{c, r}] = t; }
    void setBonusCaption(int c, int b, std::string_view t) override { bonus[{c, b}] = t; }
    void setCardEnabled(bool e) override { cardEnabled = e; }
    void setChipTotal(int c, std::string_view t) override { chipTotal[c] = t; }
    void setChipPicture(int c, std::string_view p) override { chipPicture[c] = p; }
    void setRollingDiePicture(int d, std::string_view p) override { rolling[d] = p; }
    void setRollingDieEnabled(int d, bool e) override { rollingEnabled[d] = e; }
    void setKeptDiePicture(int d, std::string_view p) override { kept[d] = p; }
    void setKeptDieEnabled(int d, bool e) override { keptEnabled[d] = e; }
    void setPlayerName(std::string_view t) override { playerName = t; }
    void setRollCount(std::string_view t) override { rollCount = t; }
    void setNextPlayerVisible(bool v) override { nextVisible = v; }
    void setTimer(TableTimer t, bool on) override {
        if (on) timers.insert(t); else timers.erase(t);
    }
    void setDieAnimator(int d, int e, bool on) override {
        if (on) animators.insert({d, e}); else animators.erase({d, e});
    }
};

struct FakeServices : GameServices {
    explicit FakeServices(const GameState& s) : state(s) {}
    const GameState& state;
    std::vector<std::string> sounds;
    std::vector<std::string> messages;
    int celebrations = 0;
    void play(std::string_view s) override { sounds.emplace_back(s); }
    void showMessage() override { messages.push_back(state.MessageText); }
    void openCelebration() override { ++celebrations; }
    std::string lastSound() const { return sounds.empty() ? "" : sounds.back(); }
};

struct FakeBoard : HighScoreBoard {
    struct Entry { std::string name, score; bool highlighted = false; };
    std::map<std::pair<char, int>, Entry> entries;
    Entry entry(char table, int place) const {
        auto it = entries.find({table, place});
        return it == entries.end() ? Entry{} : it->second;
    }
    void showEntry(char t, int place, std::string_view n, std::string_view s, bool h) override {
        entries[{t, place}] = {std::string(n), std::string(s), h};
    }
};

struct MapStore : SettingsStore {
    std::map<std::string, std::string> values;  // "Section/Key"
    bool writable = true;
    int flushes = 0, failedFlushes = 0;
    std::vector<std::string> setAsideReasons;
    static std::string key(std::string_view s, std::string_view k) { return std::string(s).append("/").append(k); }
    std::string read(std::string_view s, std::string_view k) override {
        auto it = values.find(key(s, k));
        return it == values.end() ? "" : it->second;
    }
    void write(std::string_view s, std::string_view k, std::string_view v) override { values[key(s, k)] = v; }
    bool flush() override {
        ++flushes;
        failedFlushes += !writable;
        return writable;
    }
    void setAside(std::string_view reason) override {
        setAsideReasons.emplace_back(reason);
    }
};

// The rules wired to the fakes, with dice drawn from a script.
struct Rig {
    GameState state;
    FakeTable table;
    FakeServices services{state};
    FakeBoard board;
    MapStore store;
    std::deque<int> script;
    mdlLogic logic{state, table, services, board, store, [this] {
                       const int v = script.empty() ? 1 : script.front();
                       if (!script.empty()) script.pop_front();
                       return v;
                   }};

    // Sets up players as the new-game dialog does and starts the game.
    void newGame(int players, int gameType, bool sound = true) {
        state.SoundOn = sound;
        state.NumPlayers = static_cast<Int16>(players);
        state.GameType = static_cast<Int16>(gameType);
        for (int p = 1; p <= MaxPlayers; ++p) {
            state.PlayerName(p) = std::string("P").append(std::to_string(p));
            for (int c = 1; c <= Columns; ++c) state.ColumnDone(p, c) = p > players;
        }
        state.CurrentPlayer = 1;
        logic.StartNewGame();
        state.GameInProgress = true;
    }

    // Lets every tumbling die run to its landing.
    void landDice() {
        while (logic.DiceTumbling())
            for (int d = 1; d <= DiceCount; ++d)
                if (state.DieAnimator(d) != 0) logic.DieAnimatorTimer(d, state.DieAnimator(d));
    }

    // Releases the roll button; the dice not kept land on `faces` in die
    // order; the roll pause then ends.
    void roll(std::vector<int> faces) {
        script.assign(faces.begin(), faces.end());
        logic.RollButtonMouseUp();
        landDice();
        if (table.timerOn(TableTimer::RollPause)) logic.RollPauseTimer();
    }

    void passTurn() {
        if (table.timerOn(TableTimer::Next)) logic.NextPlayerTimer();
    }
};

}  // namespace rp::test
