#include "SeatSettings.h"

#include <cstddef>

#include "Translatable.h"

namespace rp {

namespace {
constexpr const char* Section = "Players";
// Stored as they are; shown in the player's language.
constexpr const char* SeatWords[] = {QT_TRANSLATE_NOOP("Seats", "Person"), QT_TRANSLATE_NOOP("Seats", "Easy"),
                                     QT_TRANSLATE_NOOP("Seats", "Medium"), QT_TRANSLATE_NOOP("Seats", "Hard")};
constexpr const char* PaceWords[] = {"Slow", "Normal", "Fast", "Instant"};

template <std::size_t N>
int indexOf(const char* const (&words)[N], const std::string& value) {
    for (std::size_t i = 0; i < N; ++i)
        if (value == words[i]) return static_cast<int>(i);
    return -1;
}

void note(std::string& problem, const std::string& key, const std::string& value) {
    if (!problem.empty()) problem += ", ";
    problem += key + "=\"" + value + "\"";
}
}  // namespace

LastGame loadLastGame(SettingsStore& store) {
    LastGame game;
    const std::string players = store.read(Section, "Players");
    if (players.size() == 1 && players[0] >= '1' && players[0] <= '0' + MaxPlayers) game.players = players[0] - '0';
    const std::string type = store.read(Section, "GameType");
    if (type == "1" || type == "2") game.gameType = type[0] - '0';
    for (int p = 1; p <= MaxPlayers; ++p) game.names[p] = store.read(Section, "Name" + std::to_string(p));
    return game;
}

void saveLastGame(SettingsStore& store, const LastGame& game) {
    store.write(Section, "Players", std::to_string(game.players));
    store.write(Section, "GameType", std::to_string(game.gameType));
    for (int p = 1; p <= MaxPlayers; ++p) store.write(Section, "Name" + std::to_string(p), game.names[p]);
}

const char* seatWord(SeatKind kind) { return SeatWords[static_cast<int>(kind)]; }
const char* paceWord(Pace pace) { return PaceWords[static_cast<int>(pace)]; }

void loadSeats(SettingsStore& store, Seats& seats, std::string& problem) {
    problem.clear();
    for (int p = 1; p <= MaxPlayers; ++p) {
        const std::string key = "Seat" + std::to_string(p);
        const std::string value = store.read(Section, key);
        const int i = indexOf(SeatWords, value);
        seats.kind(p) = i < 0 ? SeatKind::Person : static_cast<SeatKind>(i);
        if (i < 0 && !value.empty()) note(problem, key, value);
    }
    const std::string pace = store.read(Section, "Pace");
    const int i = indexOf(PaceWords, pace);
    seats.pace = i < 0 ? Pace::Normal : static_cast<Pace>(i);
    if (i < 0 && !pace.empty()) note(problem, "Pace", pace);
}

void saveSeats(SettingsStore& store, const Seats& seats) {
    for (int p = 1; p <= MaxPlayers; ++p) store.write(Section, "Seat" + std::to_string(p), seatWord(seats.kind(p)));
    store.write(Section, "Pace", paceWord(seats.pace));
}

}  // namespace rp
