#include "PulseBackend.h"

#include <QFile>
#include <QFileInfo>

#include "MappedFile.h"
#include <QtEndian>
#include <cstdio>
#include <pulse/pulseaudio.h>

namespace rp {

namespace {

// Holds the loop's lock for a scope; the loop's own thread runs the callbacks.
struct Locked {
    explicit Locked(pa_threaded_mainloop* l) : loop(l) { pa_threaded_mainloop_lock(loop); }
    ~Locked() { pa_threaded_mainloop_unlock(loop); }
    pa_threaded_mainloop* loop;
};

quint32 le32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char* p) { return qFromLittleEndian<quint16>(p); }

}  // namespace

bool PulseBackend::readWave(const QString& path, Clip& clip) {
    const std::shared_ptr<MappedFile> file = MappedFile::open(path, 16 * 1024 * 1024);
    const QByteArray& data = file->bytes();
    const char* d = data.constData();
    if (data.size() < 12 || data.left(4) != "RIFF" || data.mid(8, 4) != "WAVE") return false;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= data.size();) {
        const QByteArray id = data.mid(at, 4);
        const qsizetype size = le32(d + at + 4);
        const qsizetype body = at + 8;
        if (size > data.size() - body) return false;
        if (id == "fmt " && size >= 16) {
            const int tag = le16(d + body), bits = le16(d + body + 14);
            clip.channels = le16(d + body + 2);
            clip.rate = static_cast<int>(le32(d + body + 4));
            if (tag != 1 || (bits != 8 && bits != 16) || clip.channels < 1 || clip.channels > 2 || clip.rate < 1000 ||
                clip.rate > 192000)
                return false;
            clip.format = bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            if (size <= 0) return false;
            // The samples stay in the file cache until played, not in the heap.
            clip.file = file;
            clip.pcm = QByteArray::fromRawData(d + body, size);
            file->rest();
            file->prefetch();
            return true;
        }
        at = body + size + (size & 1);
    }
    return false;
}

PulseBackend::PulseBackend() {
    loop_ = pa_threaded_mainloop_new();
    if (!loop_) return;
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "game");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Real Pentaro", props);
    pa_proplist_free(props);
    bool ready = false;
    if (context_ && pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        pa_context_set_state_callback(context_, &PulseBackend::onContextState, this);
        if (pa_threaded_mainloop_start(loop_) >= 0) {
            Locked lock(loop_);
            for (;;) {
                const pa_context_state_t state = pa_context_get_state(context_);
                if (state == PA_CONTEXT_READY) ready = true;
                if (state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state)) break;
                pa_threaded_mainloop_wait(loop_);
            }
        }
    }
    if (ready) return;
    // Said once here rather than at every sound.
    std::fprintf(stderr, "Real Pentaro: no audio device, the game stays silent\n");
    pa_threaded_mainloop_stop(loop_);
    if (context_) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
}

PulseBackend::~PulseBackend() {
    if (!loop_) return;
    if (context_) {
        {
            Locked lock(loop_);
            endStream();
            pa_context_disconnect(context_);
        }
        pa_threaded_mainloop_stop(loop_);
        pa_context_unref(context_);
    }
    pa_threaded_mainloop_free(loop_);
}

void PulseBackend::onContextState(pa_context*, void* self) {
    pa_threaded_mainloop_signal(static_cast<PulseBackend*>(self)->loop_, 0);
}

bool PulseBackend::prepare(const QString& path) {
    if (!context_) return QFileInfo(path).isFile();
    if (clips_.contains(path)) return true;
    if (unplayable_.contains(path)) return false;
    Clip clip;
    if (!readWave(path, clip)) {
        unplayable_.insert(path);
        return false;
    }
    clips_.insert(path, std::move(clip));
    return true;
}

void PulseBackend::endStream() {
    if (!stream_) return;
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
    playing_ = nullptr;
}

void PulseBackend::start(const QString& path) {
    if (!context_) return;
    const auto it = clips_.constFind(path);
    if (it == clips_.constEnd()) return;
    Locked lock(loop_);
    endStream();
    if (pa_context_get_state(context_) != PA_CONTEXT_READY) return;  // the server went away
    const pa_sample_spec sample{static_cast<pa_sample_format_t>(it->format), static_cast<uint32_t>(it->rate),
                                static_cast<uint8_t>(it->channels)};
    stream_ = pa_stream_new(context_, "effect", &sample, nullptr);
    if (!stream_) return;
    playing_ = &*it;
    written_ = 0;
    pa_stream_set_write_callback(stream_, &PulseBackend::onStreamWrite, this);
    if (pa_stream_connect_playback(stream_, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0) endStream();
}

void PulseBackend::stop(const QString&) {
    if (!context_) return;
    Locked lock(loop_);
    endStream();
}

// On the loop's thread, with the lock held.
void PulseBackend::onStreamWrite(pa_stream* s, size_t bytes, void* self) {
    auto* b = static_cast<PulseBackend*>(self);
    if (s != b->stream_ || !b->playing_) return;
    const QByteArray& pcm = b->playing_->pcm;
    const qsizetype n = std::min<qsizetype>(static_cast<qsizetype>(bytes), pcm.size() - b->written_);
    if (n > 0) {
        pa_stream_write(s, pcm.constData() + b->written_, static_cast<size_t>(n), nullptr, 0, PA_SEEK_RELATIVE);
        b->written_ += n;
    }
    if (b->written_ >= pcm.size()) {
        // All handed over: let it play out, then give the stream back.
        pa_stream_set_write_callback(s, nullptr, nullptr);
        if (pa_operation* o = pa_stream_drain(s, &PulseBackend::onStreamDrained, self)) pa_operation_unref(o);
    }
}

void PulseBackend::onStreamDrained(pa_stream* s, int, void* self) {
    auto* b = static_cast<PulseBackend*>(self);
    if (s == b->stream_) b->endStream();
}

}  // namespace rp

rp::SoundBackend* rp_make_sound_backend() { return new rp::PulseBackend(); }
