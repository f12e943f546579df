// Every sound the game plays: mono 16-bit PCM at 44100 Hz, audible for about
// as long as its event, clean at both ends, never clipping, and followed by
// the silence the player's engine swallows.

#include "AssetFiles.h"
#include "AssetNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <string>

using namespace rptest;

namespace {
int le(const QByteArray& b, qsizetype at, int bytes)
{
    int v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | std::uint8_t(b[at + i]);
    return v;
}
double dbfs(int amplitude) { return 20 * std::log10(std::max(amplitude, 1) / 32768.0); }
}  // namespace

TEST(Sounds, FormatLevelsLengthsAndEndsAreClean)
{
    constexpr int Audible = 33;  // louder than -60 dBFS
    // Audible seconds; applause ends before the celebration closes (2.1 s).
    const std::map<std::string, std::pair<double, double>> bounds = {
        {"button.wav", {0.01, 0.15}}, {"dice4.wav", {0.25, 0.55}}, {"whoosh.wav", {0.1, 0.5}},
        {"pop.wav", {0.03, 0.25}},    {"nolabel.wav", {0.05, 0.3}}, {"error.wav", {0.25, 0.7}},
        {"clap.wav", {1.5, 2.05}},    {"splash.wav", {0.5, 2.9}},   {"quit.wav", {0.5, 2.9}},
        {"endgame.wav", {0.5, 2.5}},  {"newhigh.wav", {1.0, 2.9}}};
    for (std::string_view name : rp::assets::Sounds) {
        SCOPED_TRACE(std::string(name));
        const QByteArray b = readAll(soundPath(name));
        // Walk the RIFF chunks as any WAVE reader does.
        ASSERT_TRUE(b.size() > 12 && b.startsWith("RIFF") && b.mid(8, 4) == "WAVE");
        ASSERT_EQ(le(b, 4, 4) + 8, b.size());
        std::vector<int> s;
        bool fmt = false;
        for (qsizetype pos = 12; pos + 8 <= b.size();) {
            const qsizetype len = le(b, pos + 4, 4);
            ASSERT_LE(pos + 8 + len, b.size());
            if (b.mid(pos, 4) == "fmt ") {
                EXPECT_EQ(le(b, pos + 8, 2), 1);       // PCM
                EXPECT_EQ(le(b, pos + 10, 2), 1);      // mono
                EXPECT_EQ(le(b, pos + 12, 4), 44100);
                EXPECT_EQ(le(b, pos + 22, 2), 16);
                fmt = true;
            } else if (b.mid(pos, 4) == "data") {
                for (qsizetype i = 0; i + 1 < len; i += 2) s.push_back(std::int16_t(le(b, pos + 8 + i, 2)));
            }
            pos += 8 + len + (len & 1);
        }
        ASSERT_TRUE(fmt && !s.empty());

        int peak = 0;
        double sum = 0;
        std::size_t first = s.size(), last = 0;
        for (std::size_t i = 0; i < s.size(); ++i) {
            peak = std::max(peak, std::abs(s[i]));
            sum += s[i];
            if (std::abs(s[i]) > Audible) first = std::min(first, i), last = i;
        }
        EXPECT_LE(dbfs(peak), -1.0) << "clips or comes too close";
        EXPECT_GE(dbfs(peak), -6.0) << "too quiet beside the others";
        ASSERT_LT(first, s.size()) << "silent";
        const auto [min, max] = bounds.at(std::string(name));
        EXPECT_GE((last + 1) / 44100.0, min);
        EXPECT_LE((last + 1) / 44100.0, max);
        EXPECT_LE(first / 44100.0, 0.02) << "starts late";
        // The engine cuts about the last 115 ms: at least 200 ms of silence.
        EXPECT_GE((s.size() - 1 - last) / 44100.0, 0.2);
        // Starts and ends near zero (no click), no DC offset.
        EXPECT_LE(std::abs(s.front()), Audible);
        EXPECT_LE(std::abs(s[std::min(last + 1, s.size() - 1)]), Audible);
        EXPECT_LT(std::fabs(sum / double(last + 1)), 0.002 * 32768);
    }
}
