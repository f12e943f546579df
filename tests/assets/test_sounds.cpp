// Every sound the game plays: a plain PCM file the sound player accepts,
// audible for about as long as its event, clean at both ends, never
// clipping, and followed by the silence the player's engine swallows.

#include "AssetFiles.h"
#include "AssetNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

using namespace rptest;

namespace {

struct Wav {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t le32(const char* p)
{
    return std::uint32_t(std::uint8_t(p[0])) | std::uint32_t(std::uint8_t(p[1])) << 8 |
           std::uint32_t(std::uint8_t(p[2])) << 16 | std::uint32_t(std::uint8_t(p[3])) << 24;
}
int le16(const char* p) { return int(std::uint8_t(p[0])) | int(std::uint8_t(p[1])) << 8; }

// Walks the RIFF chunks as any WAVE reader does; false when malformed.
bool parse(const QByteArray& bytes, Wav& wav)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return false;
    if (le32(bytes.constData() + 4) + 8 != std::uint32_t(bytes.size())) return false;
    bool fmt = false, data = false;
    for (qsizetype pos = 12; pos + 8 <= bytes.size();) {
        const char* chunk = bytes.constData() + pos;
        const std::uint32_t len = le32(chunk + 4);
        if (pos + 8 + qsizetype(len) > bytes.size()) return false;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && len >= 16) {
            wav.format = le16(chunk + 8);
            wav.channels = le16(chunk + 10);
            wav.rate = int(le32(chunk + 12));
            wav.bits = le16(chunk + 22);
            fmt = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            wav.samples.resize(len / 2);
            for (std::size_t i = 0; i < wav.samples.size(); ++i)
                wav.samples[i] = std::int16_t(le16(chunk + 8 + 2 * i));
            data = true;
        }
        pos += 8 + qsizetype(len) + (len & 1);
    }
    return fmt && data;
}

double dbfs(double amplitude) { return 20 * std::log10(std::max(amplitude, 1e-9) / 32768.0); }

// Audible: louder than -60 dBFS.
constexpr int AudibleLevel = 33;

// Longest audible part of each sound, in seconds (shortest where it matters).
struct Bound { double min, max; };
const std::map<std::string, Bound> bounds = {
    {"button.wav", {0.01, 0.15}},  {"dice4.wav", {0.25, 0.55}},  {"whoosh.wav", {0.1, 0.5}},
    {"pop.wav", {0.03, 0.25}},     {"nolabel.wav", {0.05, 0.3}}, {"error.wav", {0.25, 0.7}},
    // Applause ends before the celebration window closes (2.1 s).
    {"clap.wav", {1.5, 2.05}},     {"splash.wav", {0.5, 2.9}},   {"quit.wav", {0.5, 2.9}},
    {"endgame.wav", {0.5, 2.5}},   {"newhigh.wav", {1.0, 2.9}}};

}  // namespace

TEST(Sounds, EverySoundIsMonoPcm16At44100)
{
    for (std::string_view name : rp::assets::Sounds) {
        SCOPED_TRACE(std::string(name));
        Wav wav;
        ASSERT_TRUE(parse(readAll(soundPath(name)), wav)) << "not a readable WAVE file";
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.rate, 44100);
        EXPECT_EQ(wav.bits, 16);
    }
}

TEST(Sounds, LevelsLengthsAndEndsAreClean)
{
    for (std::string_view name : rp::assets::Sounds) {
        SCOPED_TRACE(std::string(name));
        Wav wav;
        ASSERT_TRUE(parse(readAll(soundPath(name)), wav));
        const auto& s = wav.samples;
        ASSERT_FALSE(s.empty());

        int peak = 0;
        double sum = 0;
        std::size_t first = s.size(), last = 0;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const int a = std::abs(int(s[i]));
            peak = std::max(peak, a);
            sum += s[i];
            if (a > AudibleLevel) {
                first = std::min(first, i);
                last = i;
            }
        }
        EXPECT_LE(dbfs(peak), -1.0) << "clips or comes too close";
        EXPECT_GE(dbfs(peak), -6.0) << "too quiet beside the others";
        ASSERT_LT(first, s.size()) << "silent";

        const double audible = double(last + 1) / wav.rate;
        const Bound b = bounds.at(std::string(name));
        EXPECT_GE(audible, b.min);
        EXPECT_LE(audible, b.max);
        EXPECT_LE(double(first) / wav.rate, 0.02) << "starts late";

        // The engine cuts about the last 115 ms: at least 200 ms of silence.
        EXPECT_GE(double(s.size() - 1 - last) / wav.rate, 0.2);
        // Starts and ends near zero: no click.
        EXPECT_LE(std::abs(int(s.front())), AudibleLevel);
        EXPECT_LE(std::abs(int(s[last + 1 < s.size() ? last + 1 : last])), AudibleLevel);
        // No DC offset over the audible part.
        EXPECT_LT(std::fabs(sum / double(last + 1)), 0.002 * 32768);
    }
}
