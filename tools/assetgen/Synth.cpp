#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace ag {
namespace {

constexpr double Pi = 3.14159265358979323846;

// A biquad (RBJ cookbook) run once over the buffer.
void biquad(Buffer& b, double b0, double b1, double b2, double a0, double a1, double a2)
{
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (double& s : b) {
        double y = (b0 * s + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2) / a0;
        x2 = x1;
        x1 = s;
        y2 = y1;
        y1 = y;
        s = y;
    }
}

}  // namespace

void mixAt(Buffer& dst, const Buffer& src, double t, double gain)
{
    std::size_t start = std::size_t(std::max(0, samplesFor(t)));
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
    for (std::size_t i = 0; i < src.size(); ++i) dst[start + i] += gain * src[i];
}

Buffer tone(double freq, double seconds, const std::vector<Partial>& partials, double attack,
            double release, const std::function<double(double)>& pitch)
{
    const int n = samplesFor(seconds);
    Buffer b(std::size_t(n), 0.0);
    std::vector<double> phase(partials.size(), 0.0);
    for (int i = 0; i < n; ++i) {
        double t = double(i) / SampleRate;
        double f = freq * (pitch ? pitch(t) : 1.0);
        double env = 1.0;
        if (attack > 0 && t < attack) env = t / attack;
        if (release > 0 && t > seconds - release) env *= std::max(0.0, (seconds - t) / release);
        double s = 0;
        for (std::size_t k = 0; k < partials.size(); ++k) {
            const Partial& p = partials[k];
            double pf = f * p.ratio;
            if (pf >= SampleRate / 2.0) continue;  // keep above-Nyquist partials out
            phase[k] += 2 * Pi * pf / SampleRate;
            double d = p.decay > 0 ? std::exp(-t / p.decay) : 1.0;
            s += p.level * d * std::sin(phase[k]);
        }
        b[std::size_t(i)] = env * s;
    }
    return b;
}

Buffer noiseBurst(Rng& rng, double seconds, double tau, double centre, double q)
{
    const int n = samplesFor(seconds);
    Buffer b(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) b[std::size_t(i)] = rng.bipolar() * std::exp(-double(i) / SampleRate / tau);
    bandPass(b, centre, q);
    return b;
}

void lowPass(Buffer& b, double cutoff)
{
    double w = 2 * Pi * cutoff / SampleRate, alpha = std::sin(w) / (2 * 0.7071), c = std::cos(w);
    biquad(b, (1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void highPass(Buffer& b, double cutoff)
{
    double w = 2 * Pi * cutoff / SampleRate, alpha = std::sin(w) / (2 * 0.7071), c = std::cos(w);
    biquad(b, (1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void bandPass(Buffer& b, double centre, double q)
{
    double w = 2 * Pi * centre / SampleRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    biquad(b, alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

std::vector<std::int16_t> finish(Buffer b, double peakDb, double fadeIn, double fadeOut,
                                 double silence)
{
    highPass(b, 25.0);

    // Fade envelope: ramps at both ends.
    const std::size_t in = std::size_t(samplesFor(fadeIn));
    const std::size_t out = std::size_t(samplesFor(fadeOut));
    Buffer env(b.size(), 1.0);
    for (std::size_t i = 0; i < in && i < b.size(); ++i) env[i] *= double(i) / double(in);
    for (std::size_t i = 0; i < out && i < b.size(); ++i) env[b.size() - 1 - i] *= double(i) / double(out);

    // Remove what is left of the offset in the shape of the envelope, so the
    // ends stay at zero and the mean becomes exactly zero.
    double sum = 0, envSum = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        b[i] *= env[i];
        sum += b[i];
        envSum += env[i];
    }
    const double offset = envSum > 0 ? sum / envSum : 0.0;
    for (std::size_t i = 0; i < b.size(); ++i) b[i] -= offset * env[i];

    double peak = 0;
    for (double s : b) peak = std::max(peak, std::fabs(s));
    const double gain = peak > 0 ? std::pow(10.0, peakDb / 20.0) / peak : 0.0;

    std::vector<std::int16_t> pcm;
    pcm.reserve(b.size() + std::size_t(samplesFor(silence)));
    for (double s : b) pcm.push_back(std::int16_t(std::lround(std::clamp(s * gain, -1.0, 1.0) * 32767.0)));
    pcm.resize(pcm.size() + std::size_t(samplesFor(silence)), 0);
    return pcm;
}

}  // namespace ag
