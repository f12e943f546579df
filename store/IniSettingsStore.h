#pragma once
// The settings store on disk: an INI file read and written through QSettings,
// $XDG_CONFIG_HOME/RealPentaro/RealPentaro.ini by default.

#include <QString>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Services.h"

class QSettings;

namespace rp {

class IniSettingsStore : public SettingsStore {
public:
    // The per-user file of organisation and application "RealPentaro".
    static QString defaultPath();

    // A file that exists but cannot be read is never saved over: the game
    // then keeps its settings in memory only.
    explicit IniSettingsStore(const QString& path = defaultPath(), std::ostream& errors = std::cerr);
    ~IniSettingsStore() override;

    std::string read(std::string_view section, std::string_view key) override;
    // Writing before anything could be read from a file that has content
    // means the game did not recognise it: it is set aside first. A file
    // read only in part is copied to <file>.bad before the first write.
    void write(std::string_view section, std::string_view key, std::string_view value) override;
    // Saves through a temporary file renamed over the old one, so a crash
    // leaves either the old or the new file. False, and said once, when the
    // file is not there afterwards; a later flush tries again.
    bool flush() override;
    // Copies the file to <file>.bad and says which values could not be read.
    void setAside(std::string_view reason) override;

    const QString& path() const { return path_; }

    // Trouble in words for the player, each kind once (standard error has
    // the details). What happened before a listener came is told to it.
    void setTroubleListener(std::function<void(std::string_view)> listener);
    static constexpr std::string_view Unreadable = QT_TRANSLATE_NOOP("Messages", "Some settings could not be read: defaults are used.");
    static constexpr std::string_view Unsaved = QT_TRANSLATE_NOOP("Messages", "Settings cannot be saved.");
    static constexpr std::string_view MemoryOnly = QT_TRANSLATE_NOOP("Messages", "Settings cannot be read or saved: defaults are used.");

private:
    void open();
    // A QSettings that met an error reports it for ever: a fresh one with
    // the same values.
    void reopen();
    // Moves the file aside, says why (`what` happened to it) and empties the store.
    void startAfresh(const std::string& what);
    // The file could be read only in part: keep it as <file>.bad.
    void keepDamagedCopy();
    void keepInMemoryOnly(const std::string& message);
    // One line on the error stream, whatever the text holds.
    void say(const std::string& text);
    void tellPlayer(std::string_view text);

    QString path_;
    std::unique_ptr<QSettings> settings_;
    std::ostream& errors_;
    bool failureReported_ = false;
    bool dirty_ = false;      // written since the last good save
    bool unclaimed_ = false;  // has content and nothing has been read from it yet
    bool partlyDamaged_ = false;  // QSettings could not parse all of it
    bool memoryOnly_ = false;
    std::map<QString, QString> memory_;  // the values while memoryOnly_
    std::function<void(std::string_view)> listener_;
    std::vector<std::string_view> told_, untold_;
};

}  // namespace rp
