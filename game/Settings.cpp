// The sound switch and the two high-score tables, kept in the settings store.

#include <charconv>
#include <optional>
#include <string>

#include "Logic.h"
#include "Texts.h"

namespace rp {

namespace {

constexpr std::string_view Params = "Params";
constexpr std::string_view HighScores = "HighScores";

std::string key(std::string_view name, int place) {
    return std::string(name) + std::to_string(place);
}

// A stored score: plain decimal digits with an optional minus, 16-bit.
std::optional<Int16> parseScore(const std::string& text) {
    if (text.empty() || text.front() == '+') return std::nullopt;
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < -32768 || value > 32767) return std::nullopt;
    return static_cast<Int16>(value);
}

}  // namespace

void mdlLogic::LoadSettings() {
    // Each value stands on its own: one that cannot be read falls back to its
    // default, the rest are kept. A store with nothing in it is a first start.
    std::string damage;
    auto note = [&damage](const std::string& what) {
        if (!damage.empty()) damage += "; ";
        damage += what;
    };
    const std::string sound = store_.read(Params, "Sound");
    bool anything = !sound.empty();
    if (!sound.empty() && sound != "True" && sound != "False")
        note("the sound switch \"" + sound + "\" is neither True nor False");

    struct Table {
        const char *scoreKey, *nameKey;
        Array1<Int16, Places>& scores;
        Array1<std::string, Places>& names;
    };
    for (Table t : {Table{"AScore", "AName", s_.AScore, s_.AName}, Table{"BScore", "BName", s_.BScore, s_.BName}}) {
        for (int i = 1; i <= Places; ++i) {
            const std::string k = key(t.scoreKey, i);
            const std::string value = store_.read(HighScores, k);
            std::string name = store_.read(HighScores, key(t.nameKey, i));
            anything = anything || !value.empty() || !name.empty();
            const auto score = parseScore(value);
            if (!score && !value.empty()) note(k + " \"" + value + "\" is not a whole number from -32768 to 32767");
            t.scores(i) = score ? *score : text::DefaultScore;
            // A place whose score is lost is the first start's place.
            if (!score) name = std::string(text::FirstStartNames[i - 1]);
            t.names(i) = name;
        }
    }
    // Missing scores beside stored ones are damage too; in a new store they are not.
    if (anything)
        for (std::string_view name : {"AScore", "BScore"})
            for (int i = 1; i <= Places; ++i)
                if (store_.read(HighScores, key(name, i)).empty()) note(key(name, i) + " is missing");
    s_.AHighlight.fill(false);
    s_.BHighlight.fill(false);
    s_.SoundOn = sound != "False";
    if (!damage.empty()) store_.setAside(damage);
    if (!anything || !damage.empty()) {
        // What the game now holds, written whole: the store reads cleanly next time.
        WriteHighScoreStore(true);
        store_.flush();
    }
    ShowHighScores();
}

void mdlLogic::WriteHighScoreStore(bool withSound) {
    for (int i = 1; i <= Places; ++i) {
        store_.write(HighScores, key("AScore", i), std::to_string(s_.AScore(i)));
        store_.write(HighScores, key("AName", i), s_.AName(i));
        store_.write(HighScores, key("BScore", i), std::to_string(s_.BScore(i)));
        store_.write(HighScores, key("BName", i), s_.BName(i));
    }
    if (withSound) store_.write(Params, "Sound", s_.SoundOn ? "True" : "False");
}

void mdlLogic::ShowHighScores() {
    for (int i = 1; i <= Places; ++i) {
        board_.showEntry('A', i, s_.AName(i), std::to_string(s_.AScore(i)), s_.AHighlight(i));
        board_.showEntry('B', i, s_.BName(i), std::to_string(s_.BScore(i)), s_.BHighlight(i));
    }
}

void mdlLogic::SaveSettings() {
    WriteHighScoreStore(true);
    store_.flush();
    ShowHighScores();
}

void mdlLogic::RecordHighScore(int player, int total) {
    const bool tableA = s_.GameType != 2;
    auto& names = tableA ? s_.AName : s_.BName;
    auto& scores = tableA ? s_.AScore : s_.BScore;
    auto& highlight = tableA ? s_.AHighlight : s_.BHighlight;

    int place = 0;
    for (int i = 1; i <= Places && place == 0; ++i)
        if (scores(i) < total) place = i;
    if (place == 0) return;

    s_.NewHighScore = true;
    // Entries below move down one place, each keeping its own highlight.
    for (int i = Places - 1; i >= place; --i) {
        names(i + 1) = names(i);
        scores(i + 1) = scores(i);
        highlight(i + 1) = highlight(i);
    }
    names(place) = s_.PlayerName(player);
    scores(place) = to16(total);
    highlight(place) = true;
    SaveSettings();
}

void mdlLogic::ResetHighScores() {
    for (int i = 1; i <= Places; ++i) {
        s_.AName(i) = std::string(text::ResetNamesA[i - 1]);
        s_.BName(i) = std::string(text::ResetNamesB[i - 1]);
        s_.AScore(i) = text::DefaultScore;
        s_.BScore(i) = text::DefaultScore;
    }
    s_.AHighlight.fill(false);
    s_.BHighlight.fill(false);
    WriteHighScoreStore(false);  // the sound switch is left as stored
    store_.flush();
    ShowHighScores();
}

void mdlLogic::ClearHighScoreHighlights() {
    s_.AHighlight.fill(false);
    s_.BHighlight.fill(false);
    ShowHighScores();
}

}  // namespace rp
