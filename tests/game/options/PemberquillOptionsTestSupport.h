#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/EventRecipient.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationBasic.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TemporaryFolder.h"

namespace options_test {

// The default application while it lives, with no window open: keeps every
// window-mode and cursor request, and puts the user-data folder (so player
// storage too) in a folder of the test's own.
class RecordingApplication : public UlvoApplicationBasic {
public:
    explicit RecordingApplication(std::string userDataPath)
        : m_userDataPath(std::move(userDataPath))
    {
    }

    void SetFullscreen() override { windowModeCalls.push_back("SetFullscreen"); }
    void SetWindowed() override { windowModeCalls.push_back("SetWindowed"); }
    void SetCustomCursor(const std::string& path) override { cursors.push_back(path); }
    std::string GetUserDataPath() const override { return m_userDataPath; }

    void OpenWindow(const IntVector2&, int, int) override {}
    platform::Window* GetDeviceContext() override { return nullptr; }
    IntVector2 GetDesktopSize() const override { return IntVector2(); }
    IntVector2 GetClientSize() const override { return IntVector2(); }
    void ClientToWindowOffset(int x, int y, int& outX, int& outY) const override { outX = x, outY = y; }
    void WindowToClientOffset(int x, int y, int& outX, int& outY) const override { outX = x, outY = y; }
    bool GetCursorScreenPosition(IntVector2&) const override { return false; }

    std::vector<std::string> windowModeCalls;
    std::vector<std::string> cursors;

private:
    std::string m_userDataPath;
};

template <typename T>
T Fetch(const NamedProperties& args, const std::string& name)
{
    T value{};
    EXPECT_EQ(args.Get(name, value), PROPERTY_FETCH_OK) << name;
    return value;
}

struct FiredEvent {
    std::string name;
    NamedProperties args;
};

// Listens to the given event names on the global event system and keeps
// every firing, in order, with a copy of its bag as the handler saw it.
class EventLog {
public:
    void Listen(const std::vector<std::string>& eventNames)
    {
        for (const std::string& name : eventNames) {
            m_listeners.push_back(std::make_unique<Listener>(name, events));
            RegisterEventHandler(name, UlvoEventSystem::GetGlobal(), &Listener::OnEvent,
                                 m_listeners.back().get());
        }
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const FiredEvent& event : events) {
            names.push_back(event.name);
        }
        return names;
    }

    int Count(const std::string& name) const
    {
        return int(std::count_if(events.begin(), events.end(), [&](const FiredEvent& e) { return e.name == name; }));
    }

    // The value under key of every firing of name, in order.
    template <typename T>
    std::vector<T> All(const std::string& name, const std::string& key) const
    {
        std::vector<T> values;
        for (const FiredEvent& event : events) {
            if (event.name == name) {
                values.push_back(Fetch<T>(event.args, key));
            }
        }
        return values;
    }

    // The last firing of name; a test failure when there was none.
    const NamedProperties& Last(const std::string& name) const
    {
        for (auto event = events.rbegin(); event != events.rend(); ++event) {
            if (event->name == name) {
                return event->args;
            }
        }
        ADD_FAILURE() << name << " was not fired";
        static const NamedProperties none;
        return none;
    }

    std::vector<FiredEvent> events;

private:
    class Listener : public EventRecipient {
    public:
        Listener(std::string name, std::vector<FiredEvent>& log)
            : m_name(std::move(name)), m_log(log)
        {
        }
        void OnEvent(NamedProperties& args) { m_log.push_back({m_name, args}); }

    private:
        std::string m_name;
        std::vector<FiredEvent>& m_log;
    };

    std::vector<std::unique_ptr<Listener>> m_listeners;
};

// What an options test runs in: a console that keeps the log, the global
// event system, and an application whose user-data folder is fresh.
struct OptionsEnvironment {
    testsupport::RecordingConsole console;
    UlvoEventSystem eventSystem;
    testsupport::TemporaryFolder folder;
    RecordingApplication application{folder.File("")};
};


} // namespace options_test
