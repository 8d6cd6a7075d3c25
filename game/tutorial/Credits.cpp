#include "game/tutorial/Credits.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/presentation/board/PemberquillRenderer.h"
#include "game/common/GameWindowID.h"
#include "game/common/ShippedDataFile.h"
#include "game/presentation/ui/PemberquillUI.h"

#include <strings.h>

#include <utility>

namespace Pemberquill {

namespace {

constexpr float ROLL_LEAD_IN = 1200.0f;

const char* const LIST_END = "stop";

bool IsListEnd(const std::string& text)
{
    return strcasecmp(text.c_str(), LIST_END) == 0;
}

// One "stop"-ended list, handing each string to readItem; below the top
// level the list stands in a block.
template <typename ReadItem>
void ReadList(ResourceStream& stream, bool isBlock, ReadItem readItem)
{
    if (isBlock && stream.IsTextFormat()) {
        stream.ReadExpectedToken('{');
    }
    for (std::string text = stream.ReadString(); !IsListEnd(text); text = stream.ReadString()) {
        readItem(std::move(text));
    }
    if (isBlock && stream.IsTextFormat()) {
        stream.ReadExpectedToken('}');
    }
}

std::vector<CreditsLine> ReadLines(ResourceStream& stream)
{
    std::vector<CreditsLine> lines;
    ReadList(stream, true, [&lines](std::string text) { lines.push_back(CreditsLine{std::move(text)}); });
    return lines;
}

std::vector<CreditsGroup> ReadGroups(ResourceStream& stream)
{
    std::vector<CreditsGroup> groups;
    ReadList(stream, true,
             [&](std::string name) { groups.push_back(CreditsGroup{std::move(name), ReadLines(stream)}); });
    return groups;
}

// The "stop"-ended list of the items, each written by writeItem; below the
// top level the list stands in a block.
template <typename Item, typename WriteItem>
void WriteList(ResourceStream& stream, bool isBlock, const std::vector<Item>& items, WriteItem writeItem)
{
    if (isBlock) {
        stream.WriteBlockBegin();
    }
    for (const Item& item : items) {
        writeItem(item);
    }
    stream.WriteString(LIST_END);
    if (isBlock) {
        stream.WriteBlockEnd();
    }
}

float HeightOf(const CreditsSpacing& spacing)
{
    return spacing.offsetBefore + spacing.pointSize + spacing.gapAfter;
}

} // namespace

Credits::~Credits()
{
    ULVO_ASSERT_IN_DESTRUCTOR(!m_isInitialized, "Credits was deleted without Shutdown() being called.",
                              "Credits::~Credits");
}

std::vector<CreditsSection> Credits::ReadSections(ResourceStream& stream)
{
    std::vector<CreditsSection> sections;
    ReadList(stream, false,
             [&](std::string name) { sections.push_back(CreditsSection{std::move(name), ReadGroups(stream)}); });
    return sections;
}

void Credits::WriteSections(ResourceStream& stream, const std::vector<CreditsSection>& sections)
{
    WriteList(stream, false, sections, [&stream](const CreditsSection& section) {
        stream.WriteString(section.name);
        WriteList(stream, true, section.groups, [&stream](const CreditsGroup& group) {
            stream.WriteString(group.name);
            WriteList(stream, true, group.lines, [&stream](const CreditsLine& line) { stream.WriteString(line.text); });
        });
    });
}

void Credits::Startup(Clock* parentClock)
{
    ConsolePrintf("Credits Startup begun.\n");
    ULVO_ASSERT(!m_isInitialized, "Startup called on an initialized subsystem.", "Credits::Startup");
    UlvoEventSystem* events = UlvoEventSystem::GetGlobal();
    RegisterEventHandler("PlayCreditsEvent", events, &Credits::Event_OnPlayCredits, this);
    RegisterEventHandler("QuitCreditsEvent", events, &Credits::Event_OnQuitCredits, this);
    RegisterEventHandler("CreditsViewRenderEvent", events, &Credits::Event_OnCreditsViewRender, this);
    try {
        LoadSections();
    } catch (...) {
        // Not started: nothing may answer the credits' events.
        events->UnregisterRecipient(this);
        throw;
    }
    m_scrollTrack = Animatable<float>(0.0f);
    m_scrollTrack.AddKeyframe(-GetRollHeight(), CREDITS_SCROLL_SECONDS);
    m_scrollState = AnimationInstanceState();
    m_clock = std::make_unique<Clock>(parentClock);
    m_isInitialized = true;
    ConsolePrintf("Credits Startup complete.\n");
}

void Credits::LoadSections()
{
    m_sections.clear();
    ReadShippedDataFile(CREDITS_FILE, "Credits::LoadSections",
                        [this](ResourceStream& stream) { m_sections = ReadSections(stream); });
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
    float height = ROLL_LEAD_IN;
    for (const CreditsSection& section : m_sections) {
        height += HeightOf(section.spacing);
        for (const CreditsGroup& group : section.groups) {
            height += HeightOf(group.spacing);
            for (const CreditsLine& line : group.lines) {
                height += HeightOf(line.spacing);
            }
        }
    }
    return height;
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
