#pragma once
// Building blocks for the game's sounds: a buffer of samples in [-1, 1]
// at SampleRate, mixed from tones, noise bursts and simple filters.

#include "Rng.h"
#include "WavWriter.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace ag {

using Buffer = std::vector<double>;

inline int samplesFor(double seconds) { return int(seconds * SampleRate + 0.5); }

// Adds src into dst starting at time t (seconds), scaled by gain; grows dst.
void mixAt(Buffer& dst, const Buffer& src, double t, double gain = 1.0);

// A partial of a tone: frequency ratio, level and decay time constant.
struct Partial {
    double ratio;
    double level;
    double decay;  // seconds; 0 = no decay
};

// A struck or blown tone of the given length; attack and release are the
// envelope's linear ramps. pitch(t) multiplies the frequency (glides).
Buffer tone(double freq, double seconds, const std::vector<Partial>& partials, double attack,
            double release, const std::function<double(double)>& pitch = nullptr);

// White noise shaped by an exponential decay (tau seconds), band-passed.
Buffer noiseBurst(Rng& rng, double seconds, double tau, double centre, double q);

// Filters in place.
void lowPass(Buffer& b, double cutoff);
void highPass(Buffer& b, double cutoff);
void bandPass(Buffer& b, double centre, double q);

// Turns a mix into the file's samples: removes any DC offset, fades in and
// out (no clicks), sets the peak to peakDb dBFS and appends the trailing
// silence that the player's sound engine swallows.
std::vector<std::int16_t> finish(Buffer b, double peakDb = -1.5, double fadeIn = 0.002,
                                 double fadeOut = 0.01, double silence = 0.25);

}  // namespace ag
