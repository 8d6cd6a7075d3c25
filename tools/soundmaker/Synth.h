#pragma once

#include <cstdint>
#include <vector>

// Small building blocks for the sound maker: oscillators, filters,
// envelopes and mixing on mono buffers of floats at one sample rate.
// Everything is deterministic: noise comes from a seeded generator of our
// own, never from the clock or the C library.
namespace soundmaker {

constexpr int SAMPLE_RATE = 44100;
constexpr double PI = 3.14159265358979323846;

using Signal = std::vector<float>;

int Samples(double seconds);
double TimeOf(int sample);

// xorshift32: the same numbers on every machine for the same seed.
class Rng {
public:
    explicit Rng(uint32_t seed) : m_state(seed != 0 ? seed : 0x9E3779B9u) {}
    uint32_t Next();
    // Uniform in [0, 1).
    double Uniform();
    // Uniform in [lo, hi).
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
    // White noise in [-1, 1).
    float White() { return static_cast<float>(Uniform() * 2.0 - 1.0); }

private:
    uint32_t m_state;
};

// Chamberlin state-variable filter; the cutoff may change every sample.
// Stable for cutoffs below about a sixth of the sample rate.
class Svf {
public:
    // damping 2.0 is gentle, 0.1 rings.
    explicit Svf(double damping = 1.0) : m_damping(damping) {}
    void Process(float input, double cutoffHz);
    float Low() const { return static_cast<float>(m_low); }
    float Band() const { return static_cast<float>(m_band); }
    float High() const { return static_cast<float>(m_high); }

private:
    double m_damping;
    double m_low = 0.0;
    double m_band = 0.0;
    double m_high = 0.0;
};

// One pole low-pass, for smoothing.
class Smoother {
public:
    explicit Smoother(double cutoffHz);
    float Process(float input);

private:
    double m_coefficient;
    double m_value = 0.0;
};

// A sine partial: frequency, relative amplitude, decay time constant (s).
struct Partial {
    double ratio;
    double amplitude;
    double decay;
};

// A struck tone: partials of the base frequency, each decaying on its own,
// after an attack of attack seconds.
Signal Strike(double frequency, double seconds, const std::vector<Partial>& partials, double attack = 0.002);
// A bell-like tone (inharmonic partials).
Signal Bell(double frequency, double seconds, double decay = 0.8);
// A mallet on wood: short, mostly the fundamental.
Signal Marimba(double frequency, double seconds = 0.35);
// A plucked string (Karplus-Strong) with the given brightness 0..1.
Signal Pluck(double frequency, double seconds, uint32_t seed, double brightness = 0.5);
// A sine gliding from one frequency to another along an exponential curve,
// under a raised-sine envelope.
Signal Glide(double fromHz, double toHz, double seconds, double vibratoHz = 0.0, double vibratoDepth = 0.0);
// Noise through a band-pass whose centre glides from one frequency to the
// other, shaped by an attack/decay envelope.
Signal NoiseSweep(double fromHz, double toHz, double seconds, uint32_t seed, double damping = 0.7,
                  double attack = 0.05);
// A soft sustained tone of a few detuned harmonics (pads, horns, drones).
Signal Pad(double frequency, double seconds, double brightness, double attack, double release);

// Adds source into destination at the given time, scaled; grows the
// destination when needed.
void Mix(Signal& destination, const Signal& source, double atSeconds, double gain = 1.0);
// Repeats of the signal, each delaySeconds later and feedback times softer.
void Echo(Signal& signal, double delaySeconds, double feedback, int repeats);
void Gain(Signal& signal, double factor);
// Two one-pole low-passes in a row: a gentle 12 dB per octave roll-off.
void SoftenAbove(Signal& signal, double cutoffHz);
// Raised-cosine fades at both ends.
void Fade(Signal& signal, double inSeconds, double outSeconds);
// Scales so that the largest magnitude is at the given level in dBFS.
void NormalizePeak(Signal& signal, double peakDb);
double RmsDb(const Signal& signal);
double PeakDb(const Signal& signal);

// Makes a loop of the given length from a render of length + crossfade:
// the tail past the loop point is faded into the head, so the end runs on
// into the start without a seam.
Signal MakeSeamless(const Signal& render, double loopSeconds, double crossfadeSeconds);

}  // namespace soundmaker
