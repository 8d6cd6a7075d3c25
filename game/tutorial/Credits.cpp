#include "game/tutorial/Credits.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "game/presentation/board/PemberquillRenderer.h"
#include "game/common/GameWindowID.h"
#include "game/presentation/ui/PemberquillUI.h"

#include <strings.h>

namespace Pemberquill {

namespace {

constexpr float ROLL_LEAD_IN = 1200.0f;
constexpr size_t LEVEL_COUNT = 3;

struct LevelSpacing {
    float pointSize;
    float spare;
    float offsetBefore;
    float gapAfter;
};
// Section, group, line.
constexpr LevelSpacing LEVEL_SPACINGS[LEVEL_COUNT] = {
    {52.0f, 40.0f, 40.0f, 100.0f},
    {44.0f, 0.0f, 20.0f, 40.0f},
    {32.0f, 0.0f, 10.0f, 10.0f},
};

const char* const LIST_END = "stop";

bool IsListEnd(const std::string& text)
{
    return strcasecmp(text.c_str(), LIST_END) == 0;
}

// One "stop"-ended list of the level; below the top level the list stands
// in a block.
std::vector<CreditsEntry> ReadLevel(ResourceStream& stream, size_t level)
{
    const bool isBlock = level > 0;
    if (isBlock && stream.IsTextFormat()) {
        stream.ReadExpectedToken('{');
    }
    std::vector<CreditsEntry> entries;
    for (std::string text = stream.ReadString(); !IsListEnd(text); text = stream.ReadString()) {
        entries.push_back(Credits::MakeEntry(level, text));
        if (level + 1 < LEVEL_COUNT) {
            entries.back().children = ReadLevel(stream, level + 1);
        }
    }
    if (isBlock && stream.IsTextFormat()) {
        stream.ReadExpectedToken('}');
    }
    return entries;
}

void WriteLevel(ResourceStream& stream, const std::vector<CreditsEntry>& entries, size_t level)
{
    if (level > 0) {
        stream.WriteBlockBegin();
    }
    for (const CreditsEntry& entry : entries) {
        stream.WriteString(entry.text);
        if (level + 1 < LEVEL_COUNT) {
            WriteLevel(stream, entry.children, level + 1);
        }
    }
    stream.WriteString(LIST_END);
    if (level > 0) {
        stream.WriteBlockEnd();
    }
}

float HeightOf(const std::vector<CreditsEntry>& entries)
{
    float height = 0.0f;
    for (const CreditsEntry& entry : entries) {
        height += entry.offsetBefore + entry.pointSize + HeightOf(entry.children) + entry.gapAfter;
    }
    return height;
}

} // namespace

Credits::~Credits()
{
    ULVO_ASSERT_IN_DESTRUCTOR(!m_isInitialized, "Credits was deleted without Shutdown() being called.",
                              "Credits::~Credits");
}

CreditsEntry Credits::MakeEntry(size_t level, const std::string& text)
{
    const LevelSpacing& spacing = LEVEL_SPACINGS[level];
    CreditsEntry entry;
    entry.text = text;
    entry.pointSize = spacing.pointSize;
    entry.spare = spacing.spare;
    entry.offsetBefore = spacing.offsetBefore;
    entry.gapAfter = spacing.gapAfter;
    return entry;
}

std::vector<CreditsEntry> Credits::ReadSections(ResourceStream& stream)
{
    return ReadLevel(stream, 0);
}

void Credits::WriteSections(ResourceStream& stream, const std::vector<CreditsEntry>& sections)
{
    WriteLevel(stream, sections, 0);
}

void Credits::Startup(Clock* parentClock)
{
    ConsolePrintf("Credits Startup begun.\n");
    ULVO_ASSERT(!m_isInitialized, "Startup called on an initialized subsystem.", "Credits::Startup");
    UlvoEventSystem* events = UlvoEventSystem::GetGlobal();
    RegisterEventHandler("PlayCreditsEvent", events, &Credits::Event_OnPlayCredits, this);
    RegisterEventHandler("QuitCreditsEvent", events, &Credits::Event_OnQuitCredits, this);
    RegisterEventHandler("CreditsViewRenderEvent", events, &Credits::Event_OnCreditsViewRender, this);
    LoadSections();
    m_scrollTrack = Animatable<float>(0.0f);
    m_scrollTrack.AddKeyframe(-GetRollHeight(), CREDITS_SCROLL_SECONDS);
    m_scrollState = AnimationInstanceState();
    m_clock = std::make_unique<Clock>(parentClock);
    m_isInitialized = true;
    ConsolePrintf("Credits Startup complete.\n");
}

// The credits are not worth stopping the game for: without a readable file
// the roll is empty.
void Credits::LoadSections()
{
    m_sections.clear();
    ResourceStream stream{UlvoPath(PATH_MARKER_DATA, CREDITS_FILE)};
    if (!stream.IsValid()) {
        ConsolePrintf("ERROR: Credits file \"%s\" could not be read; the credits are empty.\n", CREDITS_FILE);
        return;
    }
    try {
        m_sections = ReadSections(stream);
    } catch (const UlvoException& error) {
        ConsolePrintf("ERROR: Credits file \"%s\" is malformed (%s); the credits are empty.\n", CREDITS_FILE,
                      error.GetMessage().c_str());
    }
}

void Credits::Shutdown()
{
    ConsolePrintf("Credits Shutdown begun.\n");
    ULVO_ASSERT(m_isInitialized, "Shutdown called on an uninitialized Credits.", "Credits::Shutdown");
    m_isInitialized = false;
    m_isPlaying = false;
    if (UlvoEventSystem* events = UlvoEventSystem::GetGlobal()) {
        events->UnregisterRecipient(this);
    }
    m_clock.reset();
    ConsolePrintf("Credits Shutdown complete.\n");
}

float Credits::GetRollHeight() const
{
    return ROLL_LEAD_IN + HeightOf(m_sections);
}

float Credits::GetScrollOffset()
{
    return m_scrollTrack.GetValueAtTime(m_scrollState, m_clock->GetTime());
}

void Credits::Event_OnPlayCredits(NamedProperties& /*args*/)
{
    m_isPlaying = true;
    m_clock->SetTime(0.0);
    m_clock->SetLastStep(0.0);
    m_scrollState = AnimationInstanceState();
    if (PemberquillUI* ui = PemberquillUI::GetGlobal()) {
        ui->CreateCreditsWindow();
        ui->PushWindow(GAME_WINDOW_CREDITS, false);
    }
}

void Credits::Event_OnQuitCredits(NamedProperties& /*args*/)
{
    if (PemberquillUI* ui = PemberquillUI::GetGlobal()) {
        ui->PopWindow(GAME_WINDOW_CREDITS, true);
    }
    m_isPlaying = false;
}

void Credits::Event_OnCreditsViewRender(NamedProperties& /*args*/)
{
    if (m_isPlaying) {
        PemberquillRenderer::DrawCredits(m_sections, GetScrollOffset());
    }
}

Credits& GetCredits()
{
    static Credits credits;
    return credits;
}

} // namespace Pemberquill
