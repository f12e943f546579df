#include "Sounds.h"

#include "AssetNames.h"
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

namespace ag {
namespace {

double semitones(double f, double n) { return f * std::pow(2.0, n / 12.0); }

// A bell: a few inharmonic partials that die away, the higher ones faster.
Buffer bell(double freq, double seconds)
{
    return tone(freq, seconds,
                {{1.0, 1.0, 0.45}, {2.0, 0.45, 0.25}, {3.01, 0.22, 0.15}, {4.17, 0.12, 0.08},
                 {5.43, 0.06, 0.05}},
                0.003, 0.15);
}

// A brass note: bright harmonics with a slow vibrato.
Buffer brass(double freq, double seconds)
{
    std::vector<Partial> harmonics;
    for (int k = 1; k <= 12; ++k) harmonics.push_back({double(k), 1.0 / std::pow(k, 1.15), 0.0});
    auto vibrato = [](double t) { return 1.0 + 0.004 * std::sin(2 * 3.14159265 * 5.5 * t) * std::min(1.0, t * 4); };
    Buffer b = tone(freq, seconds, harmonics, 0.025, std::min(0.12, seconds * 0.4), vibrato);
    lowPass(b, 4200);
    return b;
}

// One die striking the felt table or another die.
Buffer diceHit(Rng& rng, double strength)
{
    Buffer click = noiseBurst(rng, 0.03, 0.003, rng.range(2200, 3800), 2.5);
    Buffer ring = tone(rng.range(2500, 4200), 0.03, {{1.0, 0.5, 0.005}, {1.6, 0.25, 0.003}}, 0.0005, 0.005);
    Buffer thud = tone(rng.range(140, 220), 0.05, {{1.0, 0.6, 0.012}}, 0.001, 0.01);
    Buffer hit;
    mixAt(hit, click, 0, 1.0);
    mixAt(hit, ring, 0, 0.6);
    mixAt(hit, thud, 0, 0.7);
    for (double& s : hit) s *= strength;
    return hit;
}

Buffer button(Rng& rng)
{
    Buffer b;
    mixAt(b, noiseBurst(rng, 0.04, 0.0025, 3200, 1.5), 0, 1.0);
    mixAt(b, tone(1750, 0.04, {{1.0, 0.5, 0.007}}, 0.0005, 0.01), 0, 1.0);
    mixAt(b, tone(190, 0.06, {{1.0, 0.5, 0.014}}, 0.001, 0.015), 0, 1.0);
    return b;
}

Buffer dice(Rng& rng)
{
    Buffer b(std::size_t(samplesFor(0.46)), 0.0);
    for (int die = 0; die < 4; ++die) {
        // Each die bounces a few times, lower and quicker each time.
        double t = rng.range(0.0, 0.05), gap = rng.range(0.07, 0.1), level = rng.range(0.7, 1.0);
        while (t < 0.40 && level > 0.08) {
            mixAt(b, diceHit(rng, level), t);
            t += gap;
            gap *= rng.range(0.6, 0.8);
            level *= rng.range(0.5, 0.7);
        }
    }
    // A few knocks of die against die while they tumble.
    for (int k = 0; k < 5; ++k) mixAt(b, diceHit(rng, rng.range(0.2, 0.45)), rng.range(0.03, 0.3));
    lowPass(b, 6500);  // felt swallows the highest rattle
    b.resize(std::size_t(samplesFor(0.46)));
    return b;
}

Buffer whoosh(Rng& rng)
{
    const double len = 0.28;
    Buffer b(std::size_t(samplesFor(len)));
    // Noise through a band that sweeps up and back down, swelling and fading.
    double low = 0, band = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        double t = double(i) / SampleRate, x = t / len;
        double centre = 350 + 1600 * std::sin(3.14159265 * x);
        double f = 2 * std::sin(3.14159265 * centre / SampleRate), q = 0.6;
        double in = rng.bipolar();
        double high = in - low - q * band;
        band += f * high;
        low += f * band;
        double env = std::pow(std::sin(3.14159265 * x), 2.0);
        b[i] = band * env;
    }
    return b;
}

Buffer pop(Rng& rng)
{
    auto glide = [](double t) { return 0.35 + 0.65 * std::exp(-t / 0.015); };
    Buffer b = tone(1050, 0.09, {{1.0, 1.0, 0.028}, {2.0, 0.15, 0.01}}, 0.0008, 0.02, glide);
    mixAt(b, noiseBurst(rng, 0.01, 0.001, 2500, 1.0), 0, 0.3);
    return b;
}

Buffer thunk(Rng& rng)
{
    Buffer b = tone(92, 0.16, {{1.0, 1.0, 0.045}, {2.05, 0.3, 0.02}}, 0.002, 0.04);
    Buffer knock = noiseBurst(rng, 0.05, 0.008, 420, 1.2);
    mixAt(b, knock, 0, 1.5);
    lowPass(b, 900);
    return b;
}

Buffer buzz()
{
    // Two low, rough notes, the second lower: "no".
    std::vector<Partial> rough;
    for (int k = 1; k <= 15; ++k) rough.push_back({double(k), (k % 2 ? 1.0 : 0.5) / k, 0.0});
    Buffer b;
    Buffer first = tone(196, 0.17, rough, 0.006, 0.03);
    Buffer second = tone(147, 0.21, rough, 0.006, 0.06);
    lowPass(first, 2400);
    lowPass(second, 2400);
    mixAt(b, first, 0.0);
    mixAt(b, second, 0.2);
    return b;
}

Buffer applause(Rng& rng)
{
    const double len = 1.95;
    Buffer b(std::size_t(samplesFor(len)), 0.0);
    for (int who = 0; who < 14; ++who) {
        double centre = rng.range(900, 2600), rate = rng.range(3.6, 5.2), level = rng.range(0.5, 1.0);
        for (double t = rng.range(0.0, 0.12); t < len - 0.05; t += 1.0 / rate + rng.range(-0.02, 0.02))
            mixAt(b, noiseBurst(rng, 0.04, rng.range(0.004, 0.008), centre, 1.2), t,
                  level * rng.range(0.6, 1.0));
    }
    b.resize(std::size_t(samplesFor(len)));
    // Soft saturation: many hands blend into one dense sound instead of a
    // few loud cracks.
    double peak = 0;
    for (double s : b) peak = std::max(peak, std::fabs(s));
    for (double& s : b) s = std::tanh(2.5 * s / peak);
    for (std::size_t i = 0; i < b.size(); ++i) {
        double t = double(i) / SampleRate;
        double env = std::min(1.0, t / 0.08);
        if (t > len - 0.7) env *= std::pow((len - t) / 0.7, 1.5);
        b[i] *= env;
    }
    return b;
}

Buffer chime(bool rising)
{
    const double notes[] = {0, 4, 7, 12};  // C major arpeggio from C5
    Buffer b;
    for (int i = 0; i < 4; ++i) {
        double n = rising ? notes[i] : notes[3 - i];
        mixAt(b, bell(semitones(523.25, n), 1.3), 0.16 * i, 0.8);
    }
    return b;
}

Buffer fanfare()
{
    Buffer b;
    const double g4 = 392.0;
    mixAt(b, brass(g4, 0.13), 0.0);
    mixAt(b, brass(semitones(g4, 5), 0.13), 0.15);
    mixAt(b, brass(semitones(g4, 9), 0.13), 0.30);
    mixAt(b, brass(semitones(g4, 12), 0.6), 0.45);
    mixAt(b, brass(semitones(g4, 5), 0.6), 0.45, 0.5);
    return b;
}

Buffer bigFanfare(Rng& rng)
{
    Buffer b;
    const double g4 = 392.0;
    for (int i = 0; i < 3; ++i) mixAt(b, brass(g4, 0.1), 0.12 * i, 0.9);
    mixAt(b, brass(semitones(g4, 5), 0.32), 0.36);
    mixAt(b, brass(g4, 0.14), 0.72, 0.9);
    // The closing chord: C major, held, with a cymbal wash.
    for (double n : {5.0, 9.0, 12.0, 17.0}) mixAt(b, brass(semitones(g4, n), 1.25), 0.9, 0.55);
    mixAt(b, brass(semitones(g4, -7), 1.25), 0.9, 0.45);
    Buffer cymbal = noiseBurst(rng, 1.1, 0.35, 7000, 0.7);
    mixAt(b, cymbal, 0.9, 0.6);
    return b;
}

}  // namespace

void writeSounds(const QString& dir)
{
    Rng rng(20240611);
    // Each sound with its peak level: dense, steady sounds (the buzz, the
    // fanfare) peak lower so that all of them seem about equally loud.
    struct Made { Buffer mix; double peakDb; };
    std::map<std::string, Made> made;
    made["button.wav"] = {button(rng), -1.5};
    made["dice4.wav"] = {dice(rng), -1.5};
    made["whoosh.wav"] = {whoosh(rng), -2.0};
    made["pop.wav"] = {pop(rng), -3.0};
    made["nolabel.wav"] = {thunk(rng), -3.0};
    made["error.wav"] = {buzz(), -5.5};
    made["clap.wav"] = {applause(rng), -2.0};
    made["splash.wav"] = {chime(true), -1.5};
    made["quit.wav"] = {chime(false), -1.5};
    made["endgame.wav"] = {fanfare(), -3.5};
    made["newhigh.wav"] = {bigFanfare(rng), -2.5};

    for (std::string_view name : rp::assets::Sounds) {
        auto it = made.find(std::string(name));
        if (it == made.end()) throw std::runtime_error("no recipe for sound " + std::string(name));
        writeWav(dir + "/" + QString::fromUtf8(name.data(), qsizetype(name.size())),
                 finish(it->second.mix, it->second.peakDb));
    }
}

}  // namespace ag
