#pragma once
// The rules' services on real windows and real sound.

#include <functional>

#include "Services.h"
#include "Windows.h"

namespace rp {

class WindowedServices : public GameServices {
public:
    // Defines the notice and celebration windows in the registry.
    WindowedServices(Windows& windows, SoundSink& sound);

    void play(std::string_view sound) override;
    void showMessage() override;
    void openCelebration() override;

    // Hears every notice before it shows, so it can be said aloud too.
    std::function<void(std::string_view)> onNotice;

private:
    Windows& windows_;
    SoundSink& sound_;
};

}  // namespace rp
