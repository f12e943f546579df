#pragma once
// The seats of the new-game dialog across runs: section "Players" of the
// settings store, apart from everything the rules keep there.

#include <string>

#include "Seats.h"
#include "Services.h"

namespace rp {

// Reads what was stored; a value that cannot be read leaves a person in that
// seat (or the normal pace) and is named in `problem` (empty when all is well).
void loadSeats(SettingsStore& store, Seats& seats, std::string& problem);
void saveSeats(SettingsStore& store, const Seats& seats);

// The last game's names, number of players and game type, offered again by
// the new-game dialog. Anything missing or unreadable stays 0 / empty.
struct LastGame {
    int players = 0, gameType = 0;
    std::string names[MaxPlayers + 1];  // [1..4]
};
LastGame loadLastGame(SettingsStore& store);
void saveLastGame(SettingsStore& store, const LastGame& game);

const char* seatWord(SeatKind kind);  // "Person", "Easy", "Medium", "Hard"
const char* paceWord(Pace pace);      // "Slow", "Normal", "Fast", "Instant"

}  // namespace rp
