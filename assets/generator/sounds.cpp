// The five sound cues, synthesised sample by sample and written as 16-bit PCM WAV files,
// 44100 Hz mono. Every cue starts and ends on a smooth ramp (no click at either end) and is
// scaled to a fixed peak well under full scale (no clipping).
#include "generator.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace assetgen {

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Samples = std::vector<double>;

Samples silence(double seconds) { return Samples(std::size_t(std::lround(seconds * kRate)), 0.0); }

// A sine partial: starts at `at` seconds, rises over `attack` seconds, then decays exponentially
// with time constant `decay`. The attack is a raised cosine so that it has no corner.
void addPartial(Samples& s, double at, double frequency, double amplitude, double attack, double decay,
                double phase = 0.0)
{
    const std::size_t first = std::size_t(std::lround(at * kRate));
    for (std::size_t i = first; i < s.size(); ++i) {
        const double t = double(i - first) / kRate;
        const double rise = t < attack ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack) : 1.0;
        s[i] += amplitude * rise * std::exp(-t / decay) * std::sin(kTwoPi * frequency * t + phase);
    }
}

// A struck bar or small bell: the fundamental rings longest, the upper partials (two of them a
// little off the harmonic series, as in a real metal bar) die away quickly and give the strike.
void addBell(Samples& s, double at, double frequency, double amplitude, double ring)
{
    addPartial(s, at, frequency, amplitude, 0.003, ring);
    addPartial(s, at, frequency * 2.0, amplitude * 0.30, 0.002, ring * 0.45);
    addPartial(s, at, frequency * 2.76, amplitude * 0.12, 0.0015, ring * 0.20);
    addPartial(s, at, frequency * 5.40, amplitude * 0.05, 0.001, ring * 0.08);
}

// Deterministic white noise (a fixed linear congruential generator), so that the files come out
// byte for byte the same at every build.
class Noise {
public:
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(int64_t(state_ >> 11) - (int64_t(1) << 52)) / double(int64_t(1) << 52);
    }

private:
    uint64_t state_ = 0x5A0C0FFEEULL;
};

// Fades both ends, then scales the whole cue so that its highest sample sits at `peak` (0..1).
void finish(Samples& s, double peak, double fadeIn, double fadeOut)
{
    const std::size_t in = std::size_t(fadeIn * kRate);
    const std::size_t out = std::min(s.size(), std::size_t(fadeOut * kRate));
    for (std::size_t i = 0; i < in && i < s.size(); ++i)
        s[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(in));
    for (std::size_t k = 0; k < out; ++k)
        s[s.size() - 1 - k] *= 0.5 - 0.5 * std::cos(std::numbers::pi * double(k) / double(out));
    double highest = 0.0;
    for (double v : s)
        highest = std::max(highest, std::abs(v));
    if (highest > 0.0)
        for (double& v : s)
            v *= peak / highest;
}

void fail(const QString& path, const QString& reason)
{
    std::fprintf(stderr, "zor-assetgen: cannot write %s: %s\n", qPrintable(path), qPrintable(reason));
    std::exit(1);
}

void writeWav(const QDir& dir, const char* name, const Samples& s)
{
    QByteArray bytes;
    auto le16 = [&](uint16_t v) {
        bytes.append(char(v & 0xFF));
        bytes.append(char(v >> 8));
    };
    auto le32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes.append(char((v >> (8 * i)) & 0xFF));
    };
    const uint32_t dataSize = uint32_t(s.size() * 2);
    bytes.append("RIFF");
    le32(36 + dataSize);
    bytes.append("WAVE");
    bytes.append("fmt ");
    le32(16);        // size of the format chunk
    le16(1);         // PCM
    le16(1);         // mono
    le32(kRate);     // samples a second
    le32(kRate * 2); // bytes a second
    le16(2);         // bytes a frame
    le16(16);        // bits a sample
    bytes.append("data");
    le32(dataSize);
    for (double v : s)
        le16(uint16_t(int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0))));

    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(path, file.errorString());
    if (file.write(bytes) != bytes.size())
        fail(path, file.errorString());
}

// Hover: a soft, short blip that falls slightly in pitch, like a fingertip on glass.
Samples mouseCue()
{
    Samples s = silence(0.050);
    const double f0 = 1750.0, f1 = 1350.0;
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double f = f1 + (f0 - f1) * std::exp(-t / 0.012);
        phase += kTwoPi * f / kRate;
        const double env = (1.0 - std::exp(-t / 0.0012)) * std::exp(-t / 0.011);
        s[i] = env * (std::sin(phase) + 0.12 * std::sin(2.0 * phase));
    }
    finish(s, 0.30, 0.001, 0.008);
    return s;
}

// Button click: a woody "tock" (a damped low body under a brighter knock) with a touch of noise
// for the contact, all over within a few tens of milliseconds.
Samples clickCue()
{
    Samples s = silence(0.080);
    addPartial(s, 0.0, 1150.0, 0.55, 0.0008, 0.009);
    addPartial(s, 0.0, 2480.0, 0.25, 0.0005, 0.004);
    addPartial(s, 0.0, 420.0, 0.45, 0.0010, 0.016);
    Noise noise;
    double low = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        low += 0.35 * (noise.next() - low); // a gentle low-pass takes the hiss off the noise
        s[i] += 0.35 * low * std::exp(-t / 0.003);
    }
    finish(s, 0.42, 0.0006, 0.015);
    return s;
}

// Choice: a pleasant two-note chime, G5 then the C6 above it.
Samples chooseCue()
{
    Samples s = silence(0.250);
    addBell(s, 0.000, 783.99, 0.50, 0.10);
    addBell(s, 0.085, 1046.50, 0.55, 0.12);
    finish(s, 0.60, 0.001, 0.045);
    return s;
}

// Confirmation: a brighter rising arpeggio C6, E6, G6, C7, the last note left to ring.
Samples confirmCue()
{
    Samples s = silence(0.400);
    const double notes[] = {1046.50, 1318.51, 1567.98, 2093.00};
    for (int i = 0; i < 4; ++i)
        addBell(s, 0.055 * i, notes[i], i == 3 ? 0.55 : 0.42, i == 3 ? 0.14 : 0.09);
    // A faint octave shimmer on the last note.
    addPartial(s, 0.165, 4186.0, 0.06, 0.002, 0.05);
    finish(s, 0.65, 0.001, 0.060);
    return s;
}

// Coin spinning: one short metallic ring, re-struck by the coin table every 70 ms, so it lasts
// a little less than that. Inharmonic partials (those of a thin disc) with a slight wobble,
// over a brush of filtered noise for the coin rolling on its edge.
Samples spinCue()
{
    Samples s = silence(0.065);
    const double partials[][2] = {{2210.0, 0.45}, {3480.0, 0.30}, {5120.0, 0.18}, {6870.0, 0.10}};
    for (const auto& p : partials) {
        for (std::size_t i = 0; i < s.size(); ++i) {
            const double t = double(i) / kRate;
            const double wobble = 1.0 + 0.35 * std::sin(kTwoPi * 45.0 * t);
            s[i] += p[1] * wobble * std::exp(-t / 0.020) * std::sin(kTwoPi * p[0] * t + p[0] * 0.001);
        }
    }
    Noise noise;
    double prev = 0.0, band = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double n = noise.next();
        // A first difference takes the rumble out of the noise, a one-pole low-pass its hiss,
        // leaving a band of a few kilohertz.
        band += 0.45 * ((n - prev) - band);
        prev = n;
        s[i] += 0.07 * band * std::exp(-t / 0.030);
    }
    finish(s, 0.42, 0.0015, 0.012);
    return s;
}

} // namespace

void writeSounds(const QDir& gameDir)
{
    writeWav(gameDir, "mouse.wav", mouseCue());
    writeWav(gameDir, "click.wav", clickCue());
    writeWav(gameDir, "escolher.wav", chooseCue());
    writeWav(gameDir, "escolher2.wav", confirmCue());
    writeWav(gameDir, "girando.wav", spinCue());
}

} // namespace assetgen
