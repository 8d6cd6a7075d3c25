#pragma once

#include <algorithm>

// The time curves of the board animations, all in seconds: t0 is the time
// since the puzzle was shown, ts the time since it was solved.
namespace Pemberquill::board_animation {

inline double Clamp01(double t)
{
    return std::clamp(t, 0.0, 1.0);
}

inline double Squared01(double t)
{
    const double clamped = Clamp01(t);
    return clamped * clamped;
}

// From 0.8 to 1.0 over the first second, easing out.
inline double ZoomIn(double t0)
{
    const double rest = 1.0 - Clamp01(t0);
    return 0.8 + 0.2 * (1.0 - rest * rest * rest);
}

// The boards shrink to nothing between 2 and 3 s after the solve.
inline double Shrink(double ts)
{
    return ts >= 2.0 && ts <= 3.0 ? 1.0 - (ts - 2.0) * (ts - 2.0) : 1.0;
}

inline double FadeIn(double t0)
{
    return Squared01(t0);
}

// Everything fades out linearly between 1 and 3 s after the solve.
inline double FadeOut(double ts)
{
    if (ts < 1.0) {
        return 1.0;
    }
    if (ts > 3.0) {
        return 0.0;
    }
    return 1.0 - (ts - 1.0) * 0.5;
}

} // namespace Pemberquill::board_animation
