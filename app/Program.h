#pragma once
// The whole program, put together: the game state and its rules, the
// pictures and sounds, the settings file and every window. main() makes one
// and starts it; tests make one with scripted dice, a sound recorder and a
// settings file of their own.

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "GameState.h"
#include "Seats.h"
#include "GameFile.h"
#include "IniSettingsStore.h"
#include "LazyAdvisor.h"
#include "Language.h"
#include "LazySound.h"
#include "MoveLog.h"
#include "Logic.h"
#include "Opponent.h"
#include "TableForwarder.h"
#include "WindowBoard.h"
#include "WindowedServices.h"
#include "Windows.h"

namespace rp {

struct ProgramParts {
    QString root = programFolder();              // where images/, sounds/ and readme.txt are
    QString settingsPath = IniSettingsStore::defaultPath();
    QString gamePath;                            // empty: game.ini beside the settings
    DiceSource dice;                             // empty: the real dice
    std::unique_ptr<SoundBackend> soundBackend;  // empty: the PulseAudio module
    std::uint64_t opponentSeed = 0;              // the computers' mistakes; 0: a fresh seed each run
    EarlyPicture splash;                         // decoded before Qt started, if it was
};

class Program : public QObject {
public:
    explicit Program(ProgramParts parts = {});
    ~Program() override;

    // Puts the splash on screen with nothing decoded but its own picture;
    // the rest follows once it shows (finishStart). False when even the
    // splash cannot be drawn; the reason has been given.
    bool start();
    // The stored zoom, or the automatic one at the first start.
    void chooseStartZoom();
    // Loads the high-score window, opens the sound device and decodes every
    // picture while the splash stands. A missing or broken picture ends the
    // program with status 1. Runs once, however often it is called.
    void finishStart();
    // The language of Params/Language ("" or missing: the desktop's), with
    // its translations and pictures; an unknown one is told once.
    void chooseStartLanguage();
    // The player chose a language ("" follows the desktop): kept, and every
    // open window speaks it at once.
    void chooseLanguage(const QString& code);
    // Killed politely (SIGTERM, SIGINT, SIGHUP): keep the settings, then go.
    void terminate();

    GameState state;
    Seats seats;  // person or computer per player, hints asked
    Pictures pictures;
    LazySound sound;
    Windows windows;
    WindowedServices services;
    TableForwarder table;
    WindowBoard board;
    IniSettingsStore store;
    GameFile gameFile;  // the game in progress, kept for the next start
    mdlLogic logic;
    LazyAdvisor advisor;  // advisor.bin beside the program
    advisor::MoveLog moves;  // every roll and entry of the game, for its review
    language::Translations translations;  // translations/ beside the program

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The computer playing `player`'s seat, made on its first turn (the
    // solved table loads then); null with the reason when it cannot play.
    advisor::Opponent* opponent(int player, std::string& error);

    static void returnFreedMemory();

private:
    bool started_ = false;
    std::uint64_t opponentSeed_;
    std::array<std::unique_ptr<advisor::Opponent>, MaxPlayers + 1> opponents_;
    std::array<SeatKind, MaxPlayers + 1> opponentKinds_{};
    std::vector<std::string> untold_;  // settings trouble the player has not been told
    void tellTrouble();
    void reportBadPictures(const QStringList& bad);
};

}  // namespace rp
