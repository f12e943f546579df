#pragma once
// The splash decoded from the program's first moment, on a thread of its
// own, while Qt loads itself and connects to the display: by the time the
// window is made the picture is ready, instead of competing with it.

#include <QString>

#include "Assets.h"

namespace rp {

// The splash where the program will look for it: in the language of the
// settings at `settingsPath` (empty: the usual place) or of the desktop, from the @2x artwork that
// a 1080p or a dense screen shows. A guess made before Qt can be asked: the
// picture cache takes it only for the file it reads. Nothing is started
// where the program's folder cannot be known that early.
EarlyPicture decodeSplashEarly(const QString& settingsPath = {});

}  // namespace rp
