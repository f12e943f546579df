#pragma once
// The game in progress on disk, beside the settings (RealPentaro/game.ini):
// written whole through a temporary file renamed over the old one after
// every entry and every landed roll, read once at the next start. A file
// that cannot be read is set aside as <file>.bad, never in the way of a start.

#include <QString>
#include <iostream>
#include <optional>
#include <string>

#include "GameSnapshot.h"

namespace rp {

struct SavedGame {
    GameSnapshot now;
    std::optional<GameSnapshot> undo;  // the position before the last entry
};

// The text of the file, and back. readGame answers nullopt with the reason
// in *why for anything it does not fully recognise.
std::string writeGame(const SavedGame& game);
std::optional<SavedGame> readGame(const std::string& text, std::string* why);

class GameFile {
public:
    static constexpr int Version = 1;
    // game.ini in the folder of the settings file.
    static QString pathBeside(const QString& settingsPath);

    explicit GameFile(QString path, std::ostream& errors = std::cerr);

    const QString& path() const { return path_; }
    bool exists() const;
    // False, said once until a save succeeds again, when it could not be written.
    bool save(const SavedGame& game);
    // Nothing when there is no file. A damaged or foreign one is moved to
    // <file>.bad with one line on the error stream.
    std::optional<SavedGame> load();
    void remove();

private:
    QString path_;
    std::ostream& errors_;
    bool failing_ = false;
};

}  // namespace rp
