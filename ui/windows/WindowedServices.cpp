#include "WindowedServices.h"

#include "frmMessageBox.h"
#include "frmPentaro.h"

namespace rp {

WindowedServices::WindowedServices(Windows& windows, SoundSink& sound) : windows_(windows), sound_(sound) {
    windows_.define<frmMessageBox>();
    windows_.define<frmPentaro>();
}

void WindowedServices::play(std::string_view sound) { sound_.play(sound); }

void WindowedServices::showMessage() {
    if (onNotice) onNotice(windows_.media().state.MessageText);
    windows_.showModal<frmMessageBox>();
}

// Loading a loaded window does nothing and showing a shown one neither, so
// a celebration under way runs on undisturbed.
void WindowedServices::openCelebration() { windows_.show<frmPentaro>(); }

}  // namespace rp
