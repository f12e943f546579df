#pragma once
// Qt Multimedia's sound backend: one preloaded QSoundEffect per file. It is
// built as a module of its own (librealpentaro_sound.so) that the game loads
// once the splash is up, because linking Qt Multimedia into the game loads
// some twenty libraries before the first window can show.

#include <QHash>
#include <QObject>

#include "SoundPlayer.h"

class QSoundEffect;

namespace rp {

// Never waits for a sound: without an audio server a QSoundEffect may claim
// to play forever.
class SoundEffectBackend : public QObject, public SoundBackend {
public:
    SoundEffectBackend();
    ~SoundEffectBackend() override;
    bool prepare(const QString& path) override;
    void start(const QString& path) override;
    void stop(const QString& path) override;
    bool hasDevice() const override { return hasDevice_; }

private:
    bool hasDevice_;
    QHash<QString, QSoundEffect*> effects_;
};

}  // namespace rp

// The module's one entry point; the caller owns what it returns.
extern "C" Q_DECL_EXPORT rp::SoundBackend* rp_make_sound_backend();
