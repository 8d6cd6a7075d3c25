#pragma once

#include "engine/core/Clock.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/shell/PlayerProfile.h"
#include "game/tutorial/Instructor.h"
#include "game/tutorial/InstructorScreensInterface.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/SilentConsole.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Pemberquill {

// Every window built: the play window (12) and the tutorial window (4)
// exist; what the instructor shows and pushes is kept.
class RecordingInstructorScreens : public InstructorScreensInterface {
public:
    int GetWindowHandle(int windowId) const override { return windowId == 12 || windowId == 4 ? 100 + windowId : -1; }
    void PushWindow(int windowId) override { pushed.push_back(windowId); }
    void PopWindow(int windowId, bool) override { popped.push_back(windowId); }
    void SetInstructorTextRegion(const AABB2&) override {}
    void CreateInstructorTextArea(int parentHandle, const std::vector<TextLines>& lines) override
    {
        textAreaParent = parentHandle;
        shown = lines;
    }
    void CreateInformationDialog(const std::vector<TextLines>& lines, const std::string& buttonLabel,
                                 const std::string& activationEvent) override
    {
        shown = lines;
        dialogButton = buttonLabel + ":" + activationEvent;
    }
    void CreateHowToPlayWindow() override { ++howToPlayBuilt; }
    Texture* LoadTexture(const std::string& imagePath) override
    {
        loadedImages.push_back(imagePath);
        return picture;
    }

    // The shown lines' texts, one a line.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const TextLines& line : shown) {
            texts.push_back(line.runs.empty() ? std::string() : line.runs[0].text);
        }
        return texts;
    }

    std::vector<int> pushed;
    std::vector<int> popped;
    int textAreaParent = -1;
    std::vector<TextLines> shown;
    std::string dialogButton;
    int howToPlayBuilt = 0;
    std::vector<std::string> loadedImages;
    // What every image loads as.
    Texture* picture = nullptr;
};

// Counts the firings of one event and keeps the last "Enabled".
class EventCounter : public EventRecipient {
public:
    explicit EventCounter(const std::string& eventName)
    {
        RegisterEventHandler(eventName, UlvoEventSystem::GetGlobal(), &EventCounter::OnEvent, this);
    }
    void OnEvent(NamedProperties& args)
    {
        ++count;
        args.Get("Enabled", lastEnabled);
    }
    int count = 0;
    bool lastEnabled = false;
};

class InstructorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        chef.Startup(&clock);
        instructor.Startup(&clock);
        instructor.SetScreens(&screens);
        instructor.SetActiveProfileLookup([this] { return &profile; });
    }

    void Fire(const std::string& name)
    {
        NamedProperties none;
        events.FireEvent(name, none);
    }

    UlvoEventSystem events;
    testsupport::SilentConsole console;
    testsupport::ScopedDataFolder data;
    Clock clock;
    PuzzleChef chef;
    Instructor instructor;
    RecordingInstructorScreens screens;
    PlayerProfile profile{"player"};
};

} // namespace Pemberquill
