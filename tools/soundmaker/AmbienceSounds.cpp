// The ambience of the campaign's regions: per region a loop that evokes it
// and the one-offs that sound over it now and then. Loops vary only at
// rates that fit their length a whole number of times, so that the
// crossfade at the loop point joins like with like.
#include <cmath>

#include "tools/soundmaker/SoundRecipes.h"

namespace soundmaker {

using namespace Pemberquill;

namespace {

constexpr double LOOP_RMS = -26.0;
// One-offs stay in the background, under the sounds of play.
constexpr double ONE_OFF = -10.0;

constexpr double OCEAN_LOOP = 18.0;
constexpr double CANYON_LOOP = 16.0;
constexpr double FOREST_LOOP = 20.0;
constexpr double MOUNTAIN_LOOP = 16.0;
constexpr double SKY_LOOP = 20.0;
constexpr double BEYOND_LOOP = 16.0;

Signal LoopBuffer(double loopSeconds)
{
    return Signal(static_cast<size_t>(Samples(loopSeconds + LOOP_CROSSFADE_SECONDS)), 0.0f);
}

// A cycle of the loop: 0..1 over its length, k times.
double Cycle(double t, double loopSeconds, double k, double phase = 0.0)
{
    return std::sin(2.0 * PI * k * t / loopSeconds + phase);
}

// A bird's call: a gliding tone with two overtones.
Signal Call(double fromHz, double toHz, double seconds, double vibratoHz = 0.0, double depth = 0.0)
{
    Signal out = Glide(fromHz, toHz, seconds, vibratoHz, depth);
    Mix(out, Glide(2.0 * fromHz, 2.0 * toHz, seconds, vibratoHz, depth), 0.0, 0.3);
    Mix(out, Glide(3.0 * fromHz, 3.0 * toHz, seconds, vibratoHz, depth), 0.0, 0.08);
    return out;
}

// count copies of what make() returns at seeded moments within seconds.
template <typename Make>
Signal Scatter(int count, double seconds, uint32_t seed, Make make)
{
    Rng rng(seed);
    Signal out(static_cast<size_t>(Samples(seconds)), 0.0f);
    for (int i = 0; i < count; ++i) {
        const double at = rng.Range(0.0, seconds * 0.7);
        const double gain = rng.Range(0.5, 1.0);
        Mix(out, make(rng), at, gain);
    }
    return out;
}

// ---------------------------------------------------------------- Ocean

// Waves rolling in: dark surf that brightens and swells as each breaks.
Signal OceanLoop()
{
    const double waves[] = {0.0, 5.7, 11.6};
    Rng rng(2701);
    Svf surf(0.9);
    Svf hiss(1.4);
    Signal out = LoopBuffer(OCEAN_LOOP);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        double swell = 0.0;
        for (double start : waves) {
            const double x = std::fmod(t - start + 2.0 * OCEAN_LOOP, OCEAN_LOOP);
            // Builds slowly, breaks, then drains away.
            swell += x < 2.2 ? 0.5 - 0.5 * std::cos(PI * x / 2.2) : std::exp(-(x - 2.2) / 1.6);
        }
        swell = std::min(1.0, swell);
        const float noise = rng.White();
        surf.Process(noise, 250.0 + 1400.0 * swell);
        hiss.Process(noise, 3200.0);
        out[i] = static_cast<float>(surf.Low() * (0.3 + 0.7 * swell) + 0.3 * hiss.Band() * swell * swell);
    }
    return out;
}

Signal Gull()
{
    Signal out = Call(1500.0, 1050.0, 0.35, 24.0, 0.03);
    Mix(out, Call(1400.0, 950.0, 0.4, 24.0, 0.03), 0.42, 0.8);
    Echo(out, 0.21, 0.2, 1);
    return out;
}

Signal DistantGulls()
{
    return Scatter(4, 2.0, 2902, [](Rng& rng) {
        const double f = rng.Range(1200.0, 1700.0);
        return Call(f, f * 0.72, rng.Range(0.2, 0.3), 22.0, 0.03);
    });
}

Signal BuoyBell()
{
    Signal out = Bell(Hz(64), 3.0, 1.2);
    Mix(out, Bell(Hz(64), 2.5, 1.0), 1.3, 0.6);
    return out;
}

Signal WaveOnRocks()
{
    Signal out = NoiseSweep(900.0, 180.0, 2.2, 3104, 1.2, 0.08);
    Mix(out, NoiseSweep(5000.0, 2200.0, 1.3, 3105, 0.9, 0.05), 0.05, 0.4);
    return out;
}

Signal Bubbles()
{
    return Scatter(9, 1.6, 3206, [](Rng& rng) {
        const double f = rng.Range(350.0, 700.0);
        return Glide(f, f * 2.2, rng.Range(0.04, 0.08));
    });
}

// ---------------------------------------------------------------- Canyon

// Dry wind: a hollow resonance wandering slowly through the mid range.
Signal CanyonLoop()
{
    Rng rng(3301);
    Svf whistle(0.35);
    Svf body(1.4);
    Signal out = LoopBuffer(CANYON_LOOP);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        const float noise = rng.White();
        whistle.Process(noise, 380.0 + 220.0 * Cycle(t, CANYON_LOOP, 1) + 90.0 * Cycle(t, CANYON_LOOP, 3, 1.0));
        body.Process(noise, 250.0);
        const double gust = 0.55 + 0.45 * Cycle(t, CANYON_LOOP, 2, 0.5);
        out[i] = static_cast<float>(gust * (whistle.Band() + 0.5 * body.Low()));
    }
    SoftenAbove(out, 2500.0);
    return out;
}

Signal Hawk()
{
    Signal out = Call(2300.0, 1500.0, 0.9, 12.0, 0.02);
    Echo(out, 0.35, 0.35, 3);
    return out;
}

Signal Pebbles()
{
    Signal out;
    Rng rng(3501);
    double at = 0.0;
    for (int i = 0; i < 12; ++i) {
        Mix(out, Marimba(rng.Range(1500.0, 3500.0), 0.05), at, 1.0 - 0.06 * i);
        at += 0.02 + 0.1 * rng.Uniform() * (1.0 + 0.15 * i);
    }
    Echo(out, 0.3, 0.3, 2);
    return out;
}

Signal EchoFlute()
{
    Signal out = Pad(Hz(74), 0.9, 0.25, 0.08, 0.4);
    Mix(out, Pad(Hz(69), 1.1, 0.25, 0.08, 0.5), 0.8);
    Echo(out, 0.45, 0.4, 3);
    return out;
}

Signal CanyonGust()
{
    return NoiseSweep(500.0, 1100.0, 2.5, 3701, 0.15, 1.0);
}

Signal DistantDrum()
{
    const std::vector<Partial> skin = {{1.0, 1.0, 0.25}, {1.5, 0.4, 0.12}, {2.2, 0.15, 0.06}};
    Signal out = Strike(Hz(38), 0.8, skin, 0.004);
    Mix(out, Strike(Hz(38), 0.8, skin, 0.004), 0.5, 0.7);
    Echo(out, 0.55, 0.35, 3);
    return out;
}

Signal Cicada()
{
    Signal out(static_cast<size_t>(Samples(1.4)));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        const double pulse = std::pow(0.5 + 0.5 * std::sin(2.0 * PI * 32.0 * t), 3.0);
        const double envelope = std::sin(PI * t / 1.4);
        out[i] = static_cast<float>(envelope * pulse * std::sin(2.0 * PI * 4200.0 * t));
    }
    return out;
}

// ---------------------------------------------------------------- Forest

// Leaves rustling in a breeze over a soft bed, and a few birds far off.
// The rustle is band-limited noise whose level flickers quickly, as many
// small leaves touch and part.
Signal ForestLoop()
{
    Rng rng(4001);
    Rng flicker(4002);
    Svf leaves(1.3);
    Svf soften(1.2);
    Svf bed(1.0);
    Smoother rustle(14.0);
    Signal out = LoopBuffer(FOREST_LOOP);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        const float noise = rng.White();
        leaves.Process(noise, 3800.0);
        bed.Process(noise, 450.0);
        const double breeze = 0.3 + 0.7 * std::pow(0.5 + 0.5 * Cycle(t, FOREST_LOOP, 1) * Cycle(t, FOREST_LOOP, 3, 0.5), 2.0);
        const double flutter = std::fabs(rustle.Process(flicker.White())) * 4.0;
        soften.Process(leaves.Band(), 5500.0);
        out[i] = static_cast<float>(0.8 * breeze * flutter * soften.Low() + 0.12 * bed.Low());
    }
    const double chirps[] = {2.1, 2.25, 7.5, 13.2, 13.34, 13.48, 16.8};
    for (double at : chirps) {
        Mix(out, Call(3000.0, 4100.0, 0.08), at, 0.15);
    }
    return out;
}

Signal Trill()
{
    Signal out;
    for (int i = 0; i < 9; ++i) {
        const double f = i % 2 == 0 ? 3500.0 : 4200.0;
        Mix(out, Call(f, f * 1.08, 0.055), 0.07 * i, 1.0 - 0.05 * i);
    }
    return out;
}

Signal Cuckoo()
{
    Signal out;
    for (double at : {0.0, 0.9}) {
        Mix(out, Pad(Hz(76), 0.28, 0.15, 0.02, 0.15), at);
        Mix(out, Pad(Hz(72), 0.4, 0.15, 0.02, 0.25), at + 0.33);
    }
    return out;
}

Signal Woodpecker()
{
    const std::vector<Partial> wood = {{1.0, 1.0, 0.008}, {2.3, 0.5, 0.005}};
    Signal out;
    for (int i = 0; i < 14; ++i) {
        Mix(out, Strike(1100.0, 0.04, wood, 0.0005), 0.055 * i, 1.0 - 0.05 * i);
    }
    Echo(out, 0.25, 0.2, 1);
    return out;
}

Signal Owl()
{
    Signal out = Call(410.0, 380.0, 0.5);
    Mix(out, Call(400.0, 370.0, 0.3), 0.75, 0.8);
    Mix(out, Call(400.0, 360.0, 0.45), 1.1, 0.9);
    return out;
}

Signal TwigSnap()
{
    Signal out = NoiseSweep(3000.0, 1500.0, 0.05, 4501, 0.8, 0.001);
    Mix(out, Marimba(900.0, 0.06), 0.0, 0.5);
    Mix(out, NoiseSweep(2600.0, 1200.0, 0.04, 4502, 0.8, 0.001), 0.12, 0.5);
    return out;
}

Signal Sparrows()
{
    return Scatter(6, 1.5, 4601, [](Rng& rng) {
        const double f = rng.Range(4000.0, 5000.0);
        return Call(f, f * 0.72, rng.Range(0.04, 0.07));
    });
}

Signal LeavesGust()
{
    return NoiseSweep(2500.0, 4500.0, 2.0, 4701, 1.5, 0.8);
}

// ---------------------------------------------------------------- Mountain

// High wind whistling over ridges: two narrow resonances over a thin rush.
Signal MountainLoop()
{
    Rng rng(4801);
    Svf low(0.12);
    Svf high(0.1);
    Svf rush(1.0);
    Signal out = LoopBuffer(MOUNTAIN_LOOP);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        const float noise = rng.White();
        low.Process(noise, 700.0 + 150.0 * Cycle(t, MOUNTAIN_LOOP, 1));
        high.Process(noise, 1150.0 + 200.0 * Cycle(t, MOUNTAIN_LOOP, 2, 1.0));
        rush.Process(noise, 1800.0);
        const double gust = 0.5 + 0.5 * std::pow(Cycle(t, MOUNTAIN_LOOP, 1, 0.3), 2.0);
        out[i] = static_cast<float>(gust * (0.5 * low.Band() + 0.35 * high.Band()) + 0.3 * rush.Band());
    }
    SoftenAbove(out, 3500.0);
    return out;
}

Signal Eagle()
{
    Signal out = Call(2600.0, 1800.0, 0.7, 18.0, 0.03);
    Echo(out, 0.4, 0.3, 3);
    return out;
}

Signal RockSlide()
{
    Signal out = NoiseSweep(220.0, 80.0, 2.2, 5001, 1.5, 0.2);
    Mix(out, Pebbles(), 0.3, 0.4);
    return out;
}

Signal GoatBells()
{
    return Scatter(6, 2.0, 5101, [](Rng& rng) {
        const double notes[] = {Hz(86), Hz(88), Hz(90)};
        return Bell(notes[rng.Next() % 3], 0.7, 0.25);
    });
}

Signal AlpineHorn()
{
    Signal out = Pad(Hz(46), 2.5, 0.55, 0.4, 0.8);
    Mix(out, Pad(Hz(53), 2.0, 0.55, 0.4, 0.8), 1.2);
    Echo(out, 0.6, 0.3, 2);
    return out;
}

Signal IceCrack()
{
    Signal out = NoiseSweep(6000.0, 1500.0, 0.15, 5301, 0.3, 0.001);
    Mix(out, Strike(1800.0, 0.4, {{1.0, 1.0, 0.06}, {2.7, 0.6, 0.04}, {5.1, 0.3, 0.02}}, 0.0005), 0.0, 0.6);
    return out;
}

Signal RidgeWhistle()
{
    return NoiseSweep(900.0, 1700.0, 3.0, 5401, 0.1, 1.4);
}

// ---------------------------------------------------------------- Sky

// An open chord that breathes, voice by voice, with air moving through it.
Signal SkyLoop()
{
    const int notes[] = {50, 62, 66, 69, 73, 76};
    Rng rng(5501);
    Svf breath(1.2);
    Signal out = LoopBuffer(SKY_LOOP);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        double v = 0.0;
        for (int k = 0; k < 6; ++k) {
            const double f = Hz(notes[k]);
            const double swell = 0.5 + 0.5 * Cycle(t, SKY_LOOP, 1 + k % 3, 1.7 * k);
            v += swell * (std::sin(2.0 * PI * f * t) + 0.2 * std::sin(2.0 * PI * 2.0 * f * t)) / (1.0 + 0.15 * k);
        }
        breath.Process(rng.White(), 1500.0 + 800.0 * Cycle(t, SKY_LOOP, 1));
        out[i] = static_cast<float>(0.3 * v + 0.5 * breath.Band());
    }
    SoftenAbove(out, 3500.0);
    return out;
}

Signal WindChimes()
{
    return Scatter(7, 3.0, 5601, [](Rng& rng) {
        const int notes[] = {86, 88, 90, 93, 95};
        return Bell(Hz(notes[rng.Next() % 5]), 2.0, 0.9);
    });
}

Signal Shimmer()
{
    Signal out;
    const int notes[] = {74, 76, 78, 81, 83, 86, 88, 90, 93, 95, 98};
    for (size_t i = 0; i < 11; ++i) {
        Mix(out, Bell(Hz(notes[i]), 0.8, 0.3), 0.045 * i, 1.0 - 0.06 * i);
    }
    return out;
}

Signal Swifts()
{
    return Scatter(10, 1.4, 5801, [](Rng& rng) {
        const double f = rng.Range(4800.0, 5600.0);
        return Call(f, f * 1.15, 0.03);
    });
}

Signal HarpArpeggio()
{
    Signal out;
    const int notes[] = {62, 66, 69, 74, 78, 81};
    for (size_t i = 0; i < 6; ++i) {
        Mix(out, Pluck(Hz(notes[i]), 2.5, 5901 + static_cast<uint32_t>(i), 0.35), 0.09 * i);
    }
    return out;
}

Signal AirWhoosh()
{
    return NoiseSweep(400.0, 3000.0, 2.5, 6001, 1.0, 1.2);
}

Signal HighBell()
{
    Signal out = Bell(Hz(86), 3.0, 1.3);
    Mix(out, Bell(Hz(93), 2.5, 1.0), 0.02, 0.3);
    return out;
}

// ---------------------------------------------------------------- Beyond

// A low drone of a fifth whose two halves beat slowly against their twins.
Signal BeyondLoop()
{
    Rng rng(6201);
    Svf sub(1.0);
    Signal out = LoopBuffer(BEYOND_LOOP);
    const double beat = 4.0 / BEYOND_LOOP;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        const double open = 0.5 + 0.5 * Cycle(t, BEYOND_LOOP, 1);
        double v = 0.0;
        for (double f : {55.0, 82.5}) {
            for (int h = 1; h <= 4; ++h) {
                const double amplitude = (h == 1 ? 1.0 : 0.5 * open) / h;
                v += amplitude * (std::sin(2.0 * PI * f * h * t) + std::sin(2.0 * PI * (f + beat) * h * t));
            }
        }
        sub.Process(rng.White(), 120.0);
        out[i] = static_cast<float>(0.25 * v + 1.5 * sub.Low());
    }
    return out;
}

Signal Gong()
{
    return Strike(110.0, 4.5,
                  {{1.0, 1.0, 3.0}, {1.47, 0.6, 2.2}, {2.09, 0.5, 1.6}, {2.56, 0.3, 1.0}, {3.2, 0.25, 0.7}}, 0.01);
}

Signal ReversedSwell()
{
    Signal bell = Bell(220.0, 2.5, 0.9);
    Signal out(bell.rbegin(), bell.rend());
    Mix(out, Pad(110.0, 2.5, 0.3, 2.0, 0.3), 0.0, 0.3);
    return out;
}

Signal Throb()
{
    Signal out = Pad(55.0, 3.0, 0.5, 0.5, 1.0);
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] *= static_cast<float>(0.6 + 0.4 * std::sin(2.0 * PI * 2.0 * TimeOf(static_cast<int>(i))));
    }
    return out;
}

Signal Sparkles()
{
    return Scatter(12, 2.5, 6601, [](Rng& rng) { return Bell(rng.Range(2000.0, 4500.0), 0.5, 0.15); });
}

Signal CosmicWhoosh()
{
    return NoiseSweep(150.0, 1400.0, 4.0, 6701, 0.2, 2.0);
}

// A distant "ah": a buzzy tone through two vowel resonances.
Signal Choir()
{
    constexpr double SECONDS = 3.5;
    Svf first(0.2);
    Svf second(0.25);
    Signal out(static_cast<size_t>(Samples(SECONDS)));
    double phases[] = {0.0, 0.0};
    const double notes[] = {Hz(57), Hz(64)};
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        double saw = 0.0;
        for (int v = 0; v < 2; ++v) {
            phases[v] += notes[v] * (1.0 + 0.006 * std::sin(2.0 * PI * 5.0 * t + v)) / SAMPLE_RATE;
            phases[v] -= std::floor(phases[v]);
            saw += 2.0 * phases[v] - 1.0;
        }
        first.Process(static_cast<float>(saw), 700.0);
        second.Process(static_cast<float>(saw), 1150.0);
        const double envelope = std::pow(std::sin(PI * t / SECONDS), 2.0);
        out[i] = static_cast<float>(envelope * (first.Band() + 0.6 * second.Band()));
    }
    return out;
}

}  // namespace

void AddAmbienceSoundRecipes(std::vector<SoundRecipe>& recipes)
{
    const SoundKind ONE = SoundKind::OneShot;
    const SoundKind LOOP = SoundKind::Loop;
    recipes.insert(recipes.end(), {
        {SOUND_AMB_OCEAN, LOOP, LOOP_RMS, OCEAN_LOOP, OceanLoop},
        {SOUND_AMB_OCEAN_1OFF_01, ONE, ONE_OFF, 0.0, Gull},
        {SOUND_AMB_OCEAN_1OFF_02, ONE, ONE_OFF - 2.0, 0.0, DistantGulls},
        {SOUND_AMB_OCEAN_1OFF_03, ONE, ONE_OFF, 0.0, BuoyBell},
        {SOUND_AMB_OCEAN_1OFF_04, ONE, ONE_OFF, 0.0, WaveOnRocks},
        {SOUND_AMB_OCEAN_1OFF_05, ONE, ONE_OFF - 2.0, 0.0, Bubbles},
        {SOUND_AMB_CANYON, LOOP, LOOP_RMS, CANYON_LOOP, CanyonLoop},
        {SOUND_AMB_CANYON_1OFF_01, ONE, ONE_OFF, 0.0, Hawk},
        {SOUND_AMB_CANYON_1OFF_02, ONE, ONE_OFF - 2.0, 0.0, Pebbles},
        {SOUND_AMB_CANYON_1OFF_03, ONE, ONE_OFF, 0.0, EchoFlute},
        {SOUND_AMB_CANYON_1OFF_04, ONE, ONE_OFF, 0.0, CanyonGust},
        {SOUND_AMB_CANYON_1OFF_05, ONE, ONE_OFF, 0.0, DistantDrum},
        {SOUND_AMB_CANYON_1OFF_06, ONE, ONE_OFF - 4.0, 0.0, Cicada},
        {SOUND_AMB_FOREST, LOOP, LOOP_RMS, FOREST_LOOP, ForestLoop},
        {SOUND_AMB_FOREST_1OFF_01, ONE, ONE_OFF - 2.0, 0.0, Trill},
        {SOUND_AMB_FOREST_1OFF_02, ONE, ONE_OFF, 0.0, Cuckoo},
        {SOUND_AMB_FOREST_1OFF_03, ONE, ONE_OFF - 2.0, 0.0, Woodpecker},
        {SOUND_AMB_FOREST_1OFF_04, ONE, ONE_OFF, 0.0, Owl},
        {SOUND_AMB_FOREST_1OFF_05, ONE, ONE_OFF - 2.0, 0.0, TwigSnap},
        {SOUND_AMB_FOREST_1OFF_06, ONE, ONE_OFF - 2.0, 0.0, Sparrows},
        {SOUND_AMB_FOREST_1OFF_07, ONE, ONE_OFF, 0.0, LeavesGust},
        {SOUND_AMB_MOUNTAIN, LOOP, LOOP_RMS, MOUNTAIN_LOOP, MountainLoop},
        {SOUND_AMB_MOUNTAIN_1OFF_01, ONE, ONE_OFF, 0.0, Eagle},
        {SOUND_AMB_MOUNTAIN_1OFF_02, ONE, ONE_OFF, 0.0, RockSlide},
        {SOUND_AMB_MOUNTAIN_1OFF_03, ONE, ONE_OFF - 2.0, 0.0, GoatBells},
        {SOUND_AMB_MOUNTAIN_1OFF_04, ONE, ONE_OFF, 0.0, AlpineHorn},
        {SOUND_AMB_MOUNTAIN_1OFF_05, ONE, ONE_OFF - 2.0, 0.0, IceCrack},
        {SOUND_AMB_MOUNTAIN_1OFF_06, ONE, ONE_OFF, 0.0, RidgeWhistle},
        {SOUND_AMB_SKY, LOOP, LOOP_RMS, SKY_LOOP, SkyLoop},
        {SOUND_AMB_SKY_1OFF_01, ONE, ONE_OFF, 0.0, WindChimes},
        {SOUND_AMB_SKY_1OFF_02, ONE, ONE_OFF, 0.0, Shimmer},
        {SOUND_AMB_SKY_1OFF_03, ONE, ONE_OFF - 4.0, 0.0, Swifts},
        {SOUND_AMB_SKY_1OFF_04, ONE, ONE_OFF, 0.0, HarpArpeggio},
        {SOUND_AMB_SKY_1OFF_05, ONE, ONE_OFF, 0.0, AirWhoosh},
        {SOUND_AMB_SKY_1OFF_06, ONE, ONE_OFF, 0.0, HighBell},
        {SOUND_AMB_BEYOND, LOOP, LOOP_RMS, BEYOND_LOOP, BeyondLoop},
        {SOUND_AMB_BEYOND_1OFF_01, ONE, ONE_OFF, 0.0, Gong},
        {SOUND_AMB_BEYOND_1OFF_02, ONE, ONE_OFF, 0.0, ReversedSwell},
        {SOUND_AMB_BEYOND_1OFF_03, ONE, ONE_OFF, 0.0, Throb},
        {SOUND_AMB_BEYOND_1OFF_04, ONE, ONE_OFF - 2.0, 0.0, Sparkles},
        {SOUND_AMB_BEYOND_1OFF_05, ONE, ONE_OFF, 0.0, CosmicWhoosh},
        {SOUND_AMB_BEYOND_1OFF_06, ONE, ONE_OFF, 0.0, Choir},
    });
}

}  // namespace soundmaker
