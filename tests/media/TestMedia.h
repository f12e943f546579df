#pragma once
// Helpers of the media tests: asset folders made on the spot and a sound
// backend that writes down what it was asked to do.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <memory>
#include <string_view>

#include "AssetNames.h"
#include "SoundPlayer.h"
#include "Windows.h"

namespace rptest {

inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Qt reads GIF but cannot write it: a 2x2 red GIF, byte for byte.
inline QByteArray tinyGif() {
    static const unsigned char bytes[] = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x02, 0x00, 0xf0, 0x00, 0x00, 0xff, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
        0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x02, 0x02, 0x84, 0x51, 0x00, 0x3b};
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// A JPEG of one colour; each name gets its own, so a test can tell
// pictures apart by a pixel.
inline bool writeJpeg(const QString& path, QColor colour, QSize size = {40, 20}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "JPG");
}

// Every picture of the game in folder (created when needed).
inline bool writeAllPictures(const QString& folder) {
    QDir().mkpath(folder);
    int hue = 0;
    for (std::string_view name : rp::assets::Pictures) {
        const QString path = folder + u'/' + qs(name);
        const bool ok = path.endsWith(QLatin1String(".gif"))
                            ? writeFile(path, tinyGif())
                            : writeJpeg(path, QColor::fromHsv((hue += 37) % 360, 200, 200));
        if (!ok) return false;
    }
    return true;
}

// 16-bit mono PCM: a sine tone of hz for ms milliseconds.
inline QByteArray toneWav(double hz, int ms, int rate = 44100, double amplitude = 0.5) {
    const int samples = rate * ms / 1000;
    QByteArray pcm(samples * 2, Qt::Uninitialized);
    for (int i = 0; i < samples; ++i) {
        const auto v = static_cast<qint16>(std::lround(amplitude * 32767 * std::sin(2 * M_PI * hz * i / rate)));
        qToLittleEndian(v, pcm.data() + 2 * i);
    }
    QByteArray wav;
    auto u32 = [&wav](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    auto u16 = [&wav](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    wav.append("RIFF");
    u32(36 + pcm.size());
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    wav.append("data");
    u32(pcm.size());
    return wav + pcm;
}

// Records "start name" / "stop name"; every file can be played except the
// ones listed in unplayable.
struct RecordingBackend : rp::SoundBackend {
    QStringList log;
    QSet<QString> unplayable;
    bool prepare(const QString& path) override { return !unplayable.contains(QFileInfo(path).fileName()); }
    void start(const QString& path) override { log << "start " + QFileInfo(path).fileName(); }
    void stop(const QString& path) override { log << "stop " + QFileInfo(path).fileName(); }
};

// Windows over a folder of test pictures, their sounds recorded, not played.
struct WindowRig {
    rp::GameState state;
    QTemporaryDir dir;
    std::unique_ptr<rp::Pictures> pictures;
    RecordingBackend* backend = nullptr;
    std::unique_ptr<rp::SoundPlayer> sound;
    std::unique_ptr<rp::Windows> windows;

    bool writePictures() {
        if (!writeAllPictures(dir.filePath("images"))) return false;
        pictures = std::make_unique<rp::Pictures>(dir.filePath("images"));
        return true;
    }

    // A new sound player and window registry over the same pictures.
    void renew() {
        windows.reset();
        auto rec = std::make_unique<RecordingBackend>();
        backend = rec.get();
        sound = std::make_unique<rp::SoundPlayer>(state.SoundOn, dir.filePath("sounds"), std::move(rec));
        windows = std::make_unique<rp::Windows>(rp::Media{state, *pictures, *sound});
    }
};

}  // namespace rptest
