#pragma once

namespace Pemberquill {

// Counts the loading steps reported during start-up and draws the loading
// screen for each one straight through the renderer, since the main loop is
// not running yet. The bar never reaches its end: the count stops at 135 of
// 136, so the text never shows more than 99 %.
class LoadingScreen {
public:
    static constexpr int MAX_STEP_COUNT = 135;
    static constexpr int STEP_DIVISOR = 136;

    // Counts one step, then draws two complete frames (nothing without a
    // renderer or an application).
    void ReportStep();

    int GetStepCount() const { return m_stepCount; }
    float GetFraction() const { return m_fraction; }

    // "Preparing puzzles..." is the title; this is the line below it.
    static const char* const TITLE;
    static const char* const PROGRESS_FORMAT;

private:
    void DrawFrame() const;

    int m_stepCount = 0;
    float m_fraction = 0.0f;
};

}  // namespace Pemberquill
