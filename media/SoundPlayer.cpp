#include "SoundPlayer.h"

#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <cstdio>

#include "AssetNames.h"

namespace rp {

namespace {
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

SoundEffectBackend::SoundEffectBackend(QObject* parent)
    : QObject(parent), hasDevice_(!QMediaDevices::audioOutputs().isEmpty()) {
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

SoundPlayer::SoundPlayer(const bool& soundOn, QString soundsFolder, std::unique_ptr<SoundBackend> backend)
    : soundOn_(soundOn), folder_(std::move(soundsFolder)), backend_(std::move(backend)) {}

SoundPlayer::SoundPlayer(const bool& soundOn, QString soundsFolder)
    : SoundPlayer(soundOn, std::move(soundsFolder), std::make_unique<SoundEffectBackend>()) {
    // Load every sound now, so the first click is heard on time.
    for (std::string_view name : assets::Sounds) backend_->prepare(folder_ + u'/' + qs(name));
}

void SoundPlayer::play(std::string_view sound) {
    if (!soundOn_) return;
    const QString path = folder_ + u'/' + qs(sound);
    // Any new sound ends the one before it, even one that cannot be played.
    if (!playing_.isEmpty()) {
        backend_->stop(playing_);
        playing_.clear();
    }
    if (!backend_->prepare(path)) {
        if (!reported_.contains(path)) {
            reported_.insert(path);
            std::fprintf(stderr, "Real Pentaro: cannot play sound %s\n", qPrintable(path));
        }
        return;
    }
    backend_->start(path);
    playing_ = path;
}

}  // namespace rp
