#pragma once
// Opening the audio device and loading every sound takes longer than putting
// the splash on screen: this stands in for the sound player until start()
// makes the real one, and plays the one sound asked for meanwhile then.

#include <memory>

#include "SoundPlayer.h"

namespace rp {

class LazySound : public SoundSink {
public:
    // backend: what makes the noise; empty for the PulseAudio module's.
    LazySound(const bool& soundOn, QString folder, std::unique_ptr<SoundBackend> backend = {})
        : soundOn_(soundOn), folder_(std::move(folder)), backend_(std::move(backend)) {}

    void play(std::string_view sound) override {
        if (player_) player_->play(sound);
        else if (soundOn_) pending_ = sound;
    }

    // Until the device is opened nobody knows; the table asks after that.
    bool deviceFound() const override { return !player_ || player_->deviceFound(); }

    void start() {
        if (player_) return;
        player_ = backend_ ? std::make_unique<SoundPlayer>(soundOn_, folder_, std::move(backend_))
                           : std::make_unique<SoundPlayer>(soundOn_, folder_);
        if (!pending_.empty()) player_->play(pending_);
        pending_.clear();
    }

private:
    const bool& soundOn_;
    QString folder_;
    std::unique_ptr<SoundBackend> backend_;
    std::unique_ptr<SoundPlayer> player_;
    std::string pending_;
};

}  // namespace rp
