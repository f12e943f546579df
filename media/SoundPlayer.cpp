#include "SoundPlayer.h"

#include <QLibrary>
#include <cstdio>

#include "AssetNames.h"
#include "Assets.h"

namespace rp {

namespace {
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

std::unique_ptr<SoundBackend> loadSoundBackend(const QString& moduleFolder, QString& error) {
    // Loaded for good: its sound effects live as long as the program.
    QLibrary module(moduleFolder + QStringLiteral("/realpentaro_sound"));
    using Make = SoundBackend* (*)();
    auto make = reinterpret_cast<Make>(module.resolve("rp_make_sound_backend"));
    if (!make) {
        error = module.errorString();
        return nullptr;
    }
    return std::unique_ptr<SoundBackend>(make());
}

namespace {

// Stands in when the sound module is missing: everything is "played".
struct NoSound : SoundBackend {
    bool prepare(const QString&) override { return true; }
    void start(const QString&) override {}
    void stop(const QString&) override {}
    bool hasDevice() const override { return false; }
};

std::unique_ptr<SoundBackend> moduleOrSilence(const QString& folder) {
    QString error;
    if (auto backend = loadSoundBackend(folder, error)) return backend;
    std::fprintf(stderr, "Real Pentaro: the sound module cannot be loaded (%s), the game stays silent\n",
                 qPrintable(error));
    return std::make_unique<NoSound>();
}

}  // namespace

SoundPlayer::SoundPlayer(const bool& soundOn, QString soundsFolder, std::unique_ptr<SoundBackend> backend)
    : soundOn_(soundOn), folder_(std::move(soundsFolder)), backend_(std::move(backend)) {}

SoundPlayer::SoundPlayer(const bool& soundOn, QString soundsFolder, const QString& moduleFolder)
    : SoundPlayer(soundOn, std::move(soundsFolder),
                  moduleOrSilence(moduleFolder.isEmpty() ? programFolder() : moduleFolder)) {
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
