#pragma once
// The other seams of the rules: sound, the timed notice and the celebration
// window, the high-score labels and the settings store.

#include <string>
#include <string_view>

namespace rp {

// Plays a file of the sounds folder ("pop.wav"). Returns at once; the rules
// only call it when the sound switch is on.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    virtual void play(std::string_view sound) = 0;
    // False when no sound can be heard on this machine: no audio device.
    virtual bool deviceFound() const { return true; }
};

class GameServices : public SoundSink {
public:
    // Shows MessageText in the timed message window; returns when it closed.
    virtual void showMessage() = 0;
    // Opens the five-of-a-kind celebration unless it is already open.
    virtual void openCelebration() = 0;
};

// The labels of the high-score window.
class HighScoreBoard {
public:
    virtual ~HighScoreBoard() = default;
    // table is 'A' (three columns) or 'B' (one column); place 1..6.
    virtual void showEntry(char table, int place, std::string_view name, std::string_view score,
                           bool highlighted) = 0;
};

// Per-user settings: text values addressed by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Empty when missing.
    virtual std::string read(std::string_view section, std::string_view key) = 0;
    virtual void write(std::string_view section, std::string_view key, std::string_view value) = 0;
    // Makes the writes durable. False when they could not be stored; the
    // store has then told the user once why.
    virtual bool flush() = 0;
    // Some stored values cannot be read (reason says which): keep a copy of
    // the store as it is for the user and say so. The readable values stay;
    // the game writes its defaults over the others.
    virtual void setAside(std::string_view reason) = 0;
};

}  // namespace rp
