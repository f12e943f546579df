#pragma once
// The one sound player of the game. It keeps the promises the rules and the
// windows rely on: nothing while the sound switch is off, back at once,
// the newest sound cuts off the one still playing, and silence (with at most
// one line on standard error per file) when a file cannot be played.

#include <QSet>
#include <QString>
#include <memory>

#include "Services.h"

namespace rp {

// What actually makes the noise. Kept apart so the rules above can be
// checked without an audio device.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // False when the file cannot be played (missing or unreadable).
    virtual bool prepare(const QString& path) = 0;
    virtual void start(const QString& path) = 0;
    virtual void stop(const QString& path) = 0;
    // False when there is no audio device to play on.
    virtual bool hasDevice() const { return true; }
};

// The PulseAudio backend, from the module librealpentaro_sound.so in
// moduleFolder. Null, with the reason in error, when it cannot be loaded.
std::unique_ptr<SoundBackend> loadSoundBackend(const QString& moduleFolder, QString& error);

class SoundPlayer : public SoundSink {
public:
    // soundOn is the game's switch, read at every play.
    SoundPlayer(const bool& soundOn, QString soundsFolder, std::unique_ptr<SoundBackend> backend);
    // The PulseAudio backend from moduleFolder (the program's own folder
    // unless given), with every sound of the game loaded ahead. Without the
    // module the game is silent and says so once.
    SoundPlayer(const bool& soundOn, QString soundsFolder, const QString& moduleFolder = {});

    void play(std::string_view sound) override;
    const QString& folder() const { return folder_; }
    bool deviceFound() const override { return backend_->hasDevice(); }

private:
    const bool& soundOn_;
    QString folder_;
    std::unique_ptr<SoundBackend> backend_;
    QString playing_;
    QSet<QString> reported_;
};

}  // namespace rp
