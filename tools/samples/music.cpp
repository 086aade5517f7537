#include "music.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "noise.h"

namespace samples {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kBeat = 0.6;  // 100 beats a minute
constexpr double kBar = 4 * kBeat;
constexpr double kStep = kBeat / 2;

// Chord tones (MIDI note numbers) and bass roots of the four-bar progression.
constexpr int kChords[4][3] = {{57, 60, 64}, {57, 60, 65}, {55, 60, 64}, {55, 59, 62}};
constexpr int kRoots[4] = {45, 41, 48, 43};
constexpr int kArpeggio[8] = {0, 1, 2, 3, 4, 3, 2, 1};  // indices into chord tones and their octaves

double Frequency(int note) {
    static const auto table = [] {
        std::array<double, 128> f{};
        for (int n = 0; n < 128; ++n) f[n] = 440.0 * std::pow(2.0, (n - 69) / 12.0);
        return f;
    }();
    return table[static_cast<size_t>(note & 127)];
}

// sin(2 pi x) from a table with linear interpolation: the synthesis calls it for every partial
// of every voice at every sample, and the table's error is far below the 16-bit step.
double SineTurns(double x) {
    constexpr int kSize = 4096;
    static const auto table = [] {
        std::array<double, kSize + 1> t{};
        for (int i = 0; i <= kSize; ++i) t[i] = std::sin(kTwoPi * i / kSize);
        return t;
    }();
    const double f = (x - std::floor(x)) * kSize;
    const int i = static_cast<int>(f);
    return table[i] + (table[i + 1] - table[i]) * (f - i);
}

// Short ramps at both ends of a note so that no step in the wave is heard as a click.
double Gate(double tau, double length) {
    return std::clamp(tau / 0.005, 0.0, 1.0) * std::clamp((length - tau) / 0.01, 0.0, 1.0);
}

double Tone(double f, double tau, double second, double third) {
    const double turns = f * tau;
    return SineTurns(turns) + second * SineTurns(2 * turns) + third * SineTurns(3 * turns);
}

// How much of each part plays at time t: the piece builds up, peaks during the movie and settles.
struct Mix {
    double pad, arpeggio, bass, beat;
};
Mix Arrangement(double t) {
    auto ramp = [t](double from, double length) { return std::clamp((t - from) / length, 0.0, 1.0); };
    const double settle = 1.0 - 0.5 * ramp(107.7, 4.0);
    return {0.8 + 0.2 * ramp(64.7, 4.0), ramp(9.6, 2.4) * settle, ramp(19.2, 1.0) * settle,
            ramp(28.8, 0.5) * (1.0 - ramp(107.7, 2.0))};
}

double Pad(double t, int chord, double sinceBar) {
    double sum = 0;
    const double attack = std::clamp(sinceBar / 0.25, 0.0, 1.0);
    for (int note : kChords[chord]) sum += Tone(Frequency(note - 12), t, 0.35, 0.12) * attack;
    const int previous = (chord + 3) % 4;
    const double release = std::clamp(1.0 - sinceBar / 0.25, 0.0, 1.0);
    if (t > kBar)
        for (int note : kChords[previous]) sum += Tone(Frequency(note - 12), t, 0.35, 0.12) * release;
    return sum * (0.9 + 0.1 * SineTurns(0.25 * t));
}

double Arpeggio(double t, int chord, bool high) {
    const long step = static_cast<long>(t / kStep);
    const double tau = t - step * kStep;
    const int k = kArpeggio[step % 8];
    const int note = kChords[chord][k % 3] + 12 * (k / 3) + (high ? 12 : 0);
    return Tone(Frequency(note), tau, 0.3, 0.1) * std::exp(-tau * 7.0) * Gate(tau, kStep);
}

double Bass(double t, int chord) {
    const long beat = static_cast<long>(t / kBeat);
    const double tau = t - beat * kBeat;
    const int note = kRoots[chord] + ((beat % 4 == 3) ? 12 : 0);
    return Tone(Frequency(note), tau, 0.4, 0.0) * std::exp(-tau * 2.5) * Gate(tau, kBeat);
}

double Beat(double t, uint32_t sample) {
    const long beat = static_cast<long>(t / kBeat);
    const double tau = t - beat * kBeat;
    double out = 0;
    if (beat % 2 == 0) {
        const double turns = 45.0 * tau + 75.0 / 20.0 * (1.0 - std::exp(-20.0 * tau));
        out += SineTurns(turns) * std::exp(-tau * 9.0) * Gate(tau, kBeat);
    }
    const double offbeat = tau - kStep;
    if (offbeat >= 0) {
        const double noise =
            HashUnit(static_cast<int32_t>(sample), 0, 99) - HashUnit(static_cast<int32_t>(sample) - 1, 0, 99);
        out += 0.25 * noise * std::exp(-offbeat * 45.0);
    }
    return out;
}

}  // namespace

std::vector<int16_t> SynthesiseMusic(uint32_t sampleRate, float seconds) {
    const uint32_t count = static_cast<uint32_t>(seconds * sampleRate);
    std::vector<int16_t> samples(count);
    for (uint32_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const long bar = static_cast<long>(t / kBar);
        const int chord = static_cast<int>(bar % 4);
        const Mix mix = Arrangement(t);
        double v = 0.05 * mix.pad * Pad(t, chord, t - bar * kBar);
        if (mix.arpeggio > 0) v += 0.16 * mix.arpeggio * Arpeggio(t, chord, t >= 64.7 && t < 107.7);
        if (mix.bass > 0) v += 0.22 * mix.bass * Bass(t, chord);
        if (mix.beat > 0) v += 0.35 * mix.beat * Beat(t, i);
        const double fade = std::clamp(t / 2.0, 0.0, 1.0) * std::clamp((seconds - t) / 4.0, 0.0, 1.0);
        v = std::tanh(v * 1.2) * fade;
        samples[i] = static_cast<int16_t>(std::lround(v * 30000.0));
    }
    return samples;
}

}  // namespace samples
