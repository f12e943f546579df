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

// Every picture of the game in folder (created when needed): a 2x2 GIF
// written byte for byte (Qt cannot write GIF), a JPEG of its own colour.
inline bool writeAllPictures(const QString& folder) {
    static const unsigned char gif[] = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x02, 0x00, 0xf0, 0x00, 0x00, 0xff, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
        0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x02, 0x02, 0x84, 0x51, 0x00, 0x3b};
    QDir().mkpath(folder);
    int hue = 0;
    for (std::string_view name : rp::assets::Pictures) {
        const QString path = folder + u'/' + qs(name);
        QImage jpeg(40, 20, QImage::Format_RGB32);
        jpeg.fill(QColor::fromHsv((hue += 37) % 360, 200, 200));
        if (!(path.endsWith(".gif") ? writeFile(path, QByteArray(reinterpret_cast<const char*>(gif), sizeof gif))
                                    : jpeg.save(path, "JPG")))
            return false;
    }
    return true;
}

// 16-bit mono PCM at 44100 Hz: a sine tone of hz for ms milliseconds.
inline QByteArray toneWav(double hz, int ms) {
    const int rate = 44100, samples = rate * ms / 1000;
    QByteArray wav("RIFF....WAVEfmt ");
    auto put = [&wav](quint32 v, int bytes) { char b[4]; qToLittleEndian(v, b); wav.append(b, bytes); };
    put(16, 4), put(1, 2), put(1, 2), put(rate, 4), put(rate * 2, 4), put(2, 2), put(16, 2);
    wav.append("data");
    put(samples * 2, 4);
    for (int i = 0; i < samples; ++i)
        put(static_cast<quint16>(std::lround(0.5 * 32767 * std::sin(2 * M_PI * hz * i / rate))), 2);
    qToLittleEndian(static_cast<quint32>(wav.size() - 8), wav.data() + 4);
    return wav;
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
        pictures = std::make_unique<rp::Pictures>(dir.filePath("images"));
        return writeAllPictures(dir.filePath("images"));
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
