#include "tools/soundmaker/Synth.h"

#include <algorithm>
#include <cmath>

namespace soundmaker {

int Samples(double seconds)
{
    return static_cast<int>(std::lround(seconds * SAMPLE_RATE));
}

double TimeOf(int sample)
{
    return static_cast<double>(sample) / SAMPLE_RATE;
}

uint32_t Rng::Next()
{
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

double Rng::Uniform()
{
    return (Next() >> 8) / 16777216.0;
}

void Svf::Process(float input, double cutoffHz)
{
    const double f = 2.0 * std::sin(PI * std::min(cutoffHz, SAMPLE_RATE / 6.0) / SAMPLE_RATE);
    m_low += f * m_band;
    m_high = input - m_low - m_damping * m_band;
    m_band += f * m_high;
}

Smoother::Smoother(double cutoffHz) : m_coefficient(1.0 - std::exp(-2.0 * PI * cutoffHz / SAMPLE_RATE)) {}

float Smoother::Process(float input)
{
    m_value += m_coefficient * (input - m_value);
    return static_cast<float>(m_value);
}

Signal Strike(double frequency, double seconds, const std::vector<Partial>& partials, double attack)
{
    Signal out(static_cast<size_t>(Samples(seconds)), 0.0f);
    for (const Partial& p : partials) {
        const double hz = frequency * p.ratio;
        if (hz >= SAMPLE_RATE / 2.5) {
            continue;
        }
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = TimeOf(static_cast<int>(i));
            const double onset = t < attack ? std::sin(0.5 * PI * t / attack) : 1.0;
            out[i] += static_cast<float>(p.amplitude * onset * std::exp(-t / p.decay) * std::sin(2.0 * PI * hz * t));
        }
    }
    // A tone cut off while it still rings would click.
    Fade(out, 0.0, std::min(0.06, seconds / 4.0));
    return out;
}

Signal Bell(double frequency, double seconds, double decay)
{
    return Strike(frequency, seconds,
                  {{1.0, 1.0, decay},
                   {2.0, 0.45, decay * 0.6},
                   {2.76, 0.3, decay * 0.4},
                   {4.07, 0.16, decay * 0.25},
                   {5.4, 0.08, decay * 0.15}});
}

Signal Marimba(double frequency, double seconds)
{
    return Strike(frequency, seconds, {{1.0, 1.0, seconds * 0.35}, {3.93, 0.25, 0.02}, {9.2, 0.06, 0.006}}, 0.001);
}

Signal Pluck(double frequency, double seconds, uint32_t seed, double brightness)
{
    Rng rng(seed);
    const size_t period = static_cast<size_t>(std::max(2.0, std::round(SAMPLE_RATE / frequency)));
    std::vector<float> line(period);
    Smoother soften(400.0 + 6000.0 * brightness);
    for (float& v : line) {
        v = soften.Process(rng.White());
    }
    Signal out(static_cast<size_t>(Samples(seconds)));
    const double loss = 0.996 - 0.01 * (1.0 - brightness);
    size_t index = 0;
    for (float& sample : out) {
        const size_t next = (index + 1) % period;
        sample = line[index];
        line[index] = static_cast<float>(loss * 0.5 * (line[index] + line[next]));
        index = next;
    }
    return out;
}

Signal Glide(double fromHz, double toHz, double seconds, double vibratoHz, double vibratoDepth)
{
    Signal out(static_cast<size_t>(Samples(seconds)));
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(out.size());
        double hz = fromHz * std::pow(toHz / fromHz, x);
        hz *= 1.0 + vibratoDepth * std::sin(2.0 * PI * vibratoHz * TimeOf(static_cast<int>(i)));
        phase += 2.0 * PI * hz / SAMPLE_RATE;
        const double envelope = std::sin(PI * x);
        out[i] = static_cast<float>(envelope * envelope * std::sin(phase));
    }
    return out;
}

Signal NoiseSweep(double fromHz, double toHz, double seconds, uint32_t seed, double damping, double attack)
{
    Rng rng(seed);
    Svf filter(damping);
    Signal out(static_cast<size_t>(Samples(seconds)));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        const double x = t / seconds;
        filter.Process(rng.White(), fromHz * std::pow(toHz / fromHz, x));
        const double envelope = t < attack ? t / attack : std::pow(1.0 - (t - attack) / (seconds - attack), 2.0);
        out[i] = static_cast<float>(envelope * filter.Band());
    }
    return out;
}

Signal Pad(double frequency, double seconds, double brightness, double attack, double release)
{
    static const double DETUNE[] = {-0.004, 0.0, 0.0035};
    Signal out(static_cast<size_t>(Samples(seconds)), 0.0f);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        double v = 0.0;
        for (double detune : DETUNE) {
            double amplitude = 1.0;
            for (int harmonic = 1; harmonic <= 5; ++harmonic) {
                v += amplitude * std::sin(2.0 * PI * frequency * (1.0 + detune) * harmonic * t + harmonic);
                amplitude *= brightness;
            }
        }
        const double rise = std::min(1.0, t / attack);
        const double fall = std::min(1.0, (seconds - t) / release);
        out[i] = static_cast<float>(v / 3.0 * rise * rise * std::max(0.0, fall));
    }
    return out;
}

void Mix(Signal& destination, const Signal& source, double atSeconds, double gain)
{
    const size_t start = static_cast<size_t>(std::max(0, Samples(atSeconds)));
    if (destination.size() < start + source.size()) {
        destination.resize(start + source.size(), 0.0f);
    }
    for (size_t i = 0; i < source.size(); ++i) {
        destination[start + i] += static_cast<float>(gain * source[i]);
    }
}

void Echo(Signal& signal, double delaySeconds, double feedback, int repeats)
{
    const Signal dry = signal;
    double gain = 1.0;
    for (int r = 1; r <= repeats; ++r) {
        gain *= feedback;
        Mix(signal, dry, delaySeconds * r, gain);
    }
}

void Gain(Signal& signal, double factor)
{
    for (float& v : signal) {
        v = static_cast<float>(v * factor);
    }
}

void SoftenAbove(Signal& signal, double cutoffHz)
{
    Smoother first(cutoffHz);
    Smoother second(cutoffHz);
    for (float& v : signal) {
        v = second.Process(first.Process(v));
    }
}

void Fade(Signal& signal, double inSeconds, double outSeconds)
{
    const size_t in = std::min(signal.size(), static_cast<size_t>(Samples(inSeconds)));
    const size_t out = std::min(signal.size(), static_cast<size_t>(Samples(outSeconds)));
    for (size_t i = 0; i < in; ++i) {
        signal[i] *= static_cast<float>(0.5 - 0.5 * std::cos(PI * static_cast<double>(i) / in));
    }
    for (size_t i = 0; i < out; ++i) {
        signal[signal.size() - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(PI * static_cast<double>(i) / out));
    }
}

double PeakDb(const Signal& signal)
{
    float peak = 0.0f;
    for (float v : signal) {
        peak = std::max(peak, std::fabs(v));
    }
    return peak > 0.0f ? 20.0 * std::log10(peak) : -200.0;
}

double RmsDb(const Signal& signal)
{
    double sum = 0.0;
    for (float v : signal) {
        sum += static_cast<double>(v) * v;
    }
    return signal.empty() || sum == 0.0 ? -200.0 : 10.0 * std::log10(sum / static_cast<double>(signal.size()));
}

void NormalizePeak(Signal& signal, double peakDb)
{
    const double current = PeakDb(signal);
    if (current <= -200.0) {
        return;
    }
    Gain(signal, std::pow(10.0, (peakDb - current) / 20.0));
}

Signal MakeSeamless(const Signal& render, double loopSeconds, double crossfadeSeconds)
{
    const size_t length = static_cast<size_t>(Samples(loopSeconds));
    const size_t fade = static_cast<size_t>(Samples(crossfadeSeconds));
    Signal loop(render.begin(), render.begin() + static_cast<std::ptrdiff_t>(length));
    for (size_t i = 0; i < fade; ++i) {
        // Equal power: the two ends are unrelated noise, so their powers add.
        const double x = static_cast<double>(i) / fade;
        loop[i] = static_cast<float>(render[i] * std::sin(0.5 * PI * x) + render[length + i] * std::cos(0.5 * PI * x));
    }
    return loop;
}

}  // namespace soundmaker
