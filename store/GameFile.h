#pragma once
// The game in progress on disk, beside the settings (RealPentaro/game.ini):
// written whole through a temporary file renamed over the old one after
// every entry and every landed roll, read once at the next start. A file
// that cannot be read is set aside as <file>.bad, never in the way of a start.

#include <QDateTime>
#include <QString>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "GameSnapshot.h"

namespace rp {

struct SavedGame {
    GameSnapshot now;
    std::optional<GameSnapshot> undo;  // the position before the last entry
    // The rolls and entries so far, for the review; a file of the first
    // version has none and says so.
    std::vector<MoveRecord> moves;
    bool movesKept = true;
};

// The text of the file, and back. readGame answers nullopt with the reason
// in *why for anything it does not fully recognise.
std::string writeGame(const SavedGame& game);
std::optional<SavedGame> readGame(const std::string& text, std::string* why);

class GameFile {
public:
    static constexpr int Version = 2;
    static constexpr qint64 SizeLimit = 1 << 20;
    // game.ini in the folder of the settings file.
    static QString pathBeside(const QString& settingsPath);

    // Temporary files of saves older than `started` are leftovers of a
    // program killed mid-save.
    explicit GameFile(QString path, std::ostream& errors = std::cerr,
                      QDateTime started = QDateTime::currentDateTimeUtc());

    const QString& path() const { return path_; }
    bool exists() const;
    // False, said once until a save succeeds again, when it could not be written.
    bool save(const SavedGame& game);
    // Nothing when there is no file. A damaged or foreign one is moved to
    // <file>.bad with one line on the error stream. Removes the leftovers.
    std::optional<SavedGame> load();
    // The save's own leftover temporary files; the number removed.
    int removeLeftovers();
    void remove();

private:
    QString path_;
    std::ostream& errors_;
    QDateTime started_;
    bool failing_ = false;
};

}  // namespace rp
