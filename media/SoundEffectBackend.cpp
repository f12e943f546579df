#include "SoundEffectBackend.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <cstdio>

namespace rp {

SoundEffectBackend::SoundEffectBackend() : hasDevice_(!QMediaDevices::audioOutputs().isEmpty()) {
    // Said once here rather than by every sound effect Qt would set up.
    if (!hasDevice_) std::fprintf(stderr, "Real Pentaro: no audio device, the game stays silent\n");
}

SoundEffectBackend::~SoundEffectBackend() {
    for (QSoundEffect* e : std::as_const(effects_)) e->stop();
}

bool SoundEffectBackend::prepare(const QString& path) {
    if (!hasDevice_) return QFileInfo(path).isFile();
    auto it = effects_.find(path);
    if (it == effects_.end()) {
        if (!QFileInfo(path).isFile()) return false;
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
        it = effects_.insert(path, effect);
    }
    // Decoding runs in the background; a file that turned out unreadable
    // stays silent.
    return (*it)->status() != QSoundEffect::Error;
}

void SoundEffectBackend::start(const QString& path) {
    if (QSoundEffect* e = effects_.value(path)) {
        e->stop();  // play() alone would not restart a sound still playing
        e->play();
    }
}

void SoundEffectBackend::stop(const QString& path) {
    if (QSoundEffect* e = effects_.value(path)) e->stop();
}

}  // namespace rp

rp::SoundBackend* rp_make_sound_backend() { return new rp::SoundEffectBackend(); }
