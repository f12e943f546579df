#pragma once
// The sound backend: PulseAudio's own client library, one short playback
// stream at a time fed from sounds decoded into memory ahead. It is built as
// a module of its own (librealpentaro_sound.so) that the game loads once the
// splash is up, so the audio libraries cost nothing before the first window.
// Short effects need no more: Qt Multimedia held 0.7 MB more for the same
// sounds and loaded its own library on top of PulseAudio's.

#include <QByteArray>
#include <QHash>
#include <memory>
#include <QSet>

#include "SoundPlayer.h"

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace rp {

class MappedFile;

class PulseBackend : public SoundBackend {
public:
    PulseBackend();
    ~PulseBackend() override;
    bool prepare(const QString& path) override;
    void start(const QString& path) override;
    void stop(const QString& path) override;
    bool hasDevice() const override { return context_ != nullptr; }

    // A sound as the server takes it: 8- or 16-bit PCM.
    struct Clip {
        int format = 0;  // pa_sample_format_t
        int rate = 0;
        int channels = 0;
        QByteArray pcm;  // within file
        std::shared_ptr<MappedFile> file;
    };
    // A WAVE file's PCM samples; false for anything else.
    static bool readWave(const QString& path, Clip& clip);

private:
    void endStream();  // with the loop locked
    static void onContextState(pa_context* c, void* self);
    static void onStreamWrite(pa_stream* s, size_t bytes, void* self);
    static void onStreamDrained(pa_stream* s, int success, void* self);

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    QHash<QString, Clip> clips_;
    QSet<QString> unplayable_;
    // The one stream playing, the clip it plays and how much it has had.
    pa_stream* stream_ = nullptr;
    const Clip* playing_ = nullptr;
    qsizetype written_ = 0;
};

}  // namespace rp

// The module's one entry point; the caller owns what it returns.
extern "C" Q_DECL_EXPORT rp::SoundBackend* rp_make_sound_backend();
