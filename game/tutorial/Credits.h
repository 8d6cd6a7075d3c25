#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/core/Animatable.h"
#include "game/presentation/board/CreditsSection.h"
#include "game/common/GameSubsystem.h"

class Clock;
class NamedProperties;
class ResourceStream;

namespace Pemberquill {

// The credits screen's subsystem: reads the roll (sections, groups, lines)
// from "Credits.pqdf" at start-up and, while the credits window is open,
// draws it moving upward at a constant speed, from offset 0 to minus its
// height over CREDITS_SCROLL_SECONDS, where it stays until the player quits.
class Credits : public GameSubsystem {
public:
    static constexpr const char* CREDITS_FILE = "Credits.pqdf";
    static constexpr double CREDITS_SCROLL_SECONDS = 100.0;

    Credits() = default;
    ~Credits() override;
    Credits(const Credits&) = delete;
    Credits& operator=(const Credits&) = delete;

    // Reads the roll; a missing or malformed file throws UlvoException
    // naming it, and the credits stay stopped.
    void Startup(Clock* parentClock);
    void Shutdown();
    bool IsInitialized() const { return m_isInitialized; }

    void Event_OnPlayCredits(NamedProperties& args);
    void Event_OnQuitCredits(NamedProperties& args);
    void Event_OnCreditsViewRender(NamedProperties& args);

    bool IsPlaying() const { return m_isPlaying; }
    const std::vector<CreditsSection>& GetSections() const { return m_sections; }
    float GetRollHeight() const;
    // The roll's offset at the credits clock's time.
    float GetScrollOffset();
    Clock* GetClock() const { return m_clock.get(); }

    // The roll of a credits stream, either encoding; a malformed stream
    // throws the stream's UlvoException.
    static std::vector<CreditsSection> ReadSections(ResourceStream& stream);
    // The inverse of ReadSections.
    static void WriteSections(ResourceStream& stream, const std::vector<CreditsSection>& sections);

private:
    void LoadSections();

    std::unique_ptr<Clock> m_clock;
    bool m_isInitialized = false;
    bool m_isPlaying = false;
    std::vector<CreditsSection> m_sections;
    Animatable<float> m_scrollTrack;
    AnimationInstanceState m_scrollState;
};

// The one credits object of the game.
Credits& GetCredits();

} // namespace Pemberquill
