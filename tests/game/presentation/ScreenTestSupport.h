#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioInterface.h"
#include "engine/ui/BaseWidget.h"
#include "engine/ui/ContainerWidget.h"
#include "engine/ui/UlvoUIBasic.h"
#include "game/presentation/ui/PemberquillAnimations.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "tests/game/options/PemberquillOptionsTestSupport.h"

namespace screen_test {

// The default image studio while it lives: records every path asked for and
// gives a 1 x 1 image for each, its pixel clear (so that nothing textured
// with it shows) unless the name is among the opaque ones, whose pixel is
// white; except the names it loads no image for (as for a kind of file the
// studio does not read) and the broken ones, which throw as a missing or
// damaged file does.
class FakeImageStudio : public UlvoImageStudioInterface {
public:
    std::unique_ptr<Image> LoadImage(const UlvoPath& path) override
    {
        requests.push_back(path);
        if (broken.count(path.GetRelativePath()) != 0) {
            ULVO_ERROR("Broken image " + path.GetRelativePath(), "FakeImageStudio");
        }
        if (notLoaded.count(path.GetRelativePath()) != 0) {
            return nullptr;
        }
        std::unique_ptr<Image> image = Image::Create(IntVector2(1, 1), Image::IMAGE_FORMAT_RGBA);
        if (opaque.count(path.GetRelativePath()) != 0) {
            image->SetPixel(0, 0, Rgba(255, 255, 255, 255));
        }
        return image;
    }

    std::vector<UlvoPath> requests;
    std::set<std::string> notLoaded;
    std::set<std::string> broken;
    std::set<std::string> opaque;
};

// The layout the screens are measured against.
class ScreenOf1024x768 : public options_test::RecordingApplication {
public:
    ScreenOf1024x768() : RecordingApplication("") {}
    IntVector2 GetViewBoundsSize() const override { return IntVector2(1024, 768); }
};

// The direct children of the widget with that name, in creation order.
inline std::vector<BaseWidget*> Children(int handle, const std::string& name)
{
    std::vector<BaseWidget*> found;
    const auto* container = dynamic_cast<ContainerWidget*>(BaseWidget::FindWidgetByHandle(handle));
    for (size_t i = 0; container != nullptr && i < container->GetChildCount(); ++i) {
        if (container->GetChild(i)->GetName() == name) {
            found.push_back(container->GetChild(i));
        }
    }
    return found;
}

// The first widget of that name at or below the widget (depth first), or null.
inline BaseWidget* Find(BaseWidget* widget, const std::string& name)
{
    if (widget == nullptr || widget->GetName() == name) {
        return widget;
    }
    const auto* container = dynamic_cast<ContainerWidget*>(widget);
    for (size_t i = 0; container != nullptr && i < container->GetChildCount(); ++i) {
        if (BaseWidget* found = Find(container->GetChild(i), name)) {
            return found;
        }
    }
    return nullptr;
}

// A widget's name, size and place, as the window builds them.
inline std::string Layout(const BaseWidget* widget)
{
    if (widget == nullptr) {
        return "missing";
    }
    const Vector2 size = widget->GetProperty<Vector2>("Size");
    const Vector2 offset = widget->GetProperty<Vector2>("Offset");
    return Stringf("%s %.1f x %.1f at (%.1f, %.1f)", widget->GetName().c_str(), size.x, size.y, offset.x, offset.y);
}

// Every firing of one event, with a copy of its bag, and its name in a log
// that several recorders may share to keep the order of events.
class EventRecorder : public EventRecipient {
public:
    EventRecorder(const std::string& eventName, std::vector<std::string>& log)
        : m_eventName(eventName), m_log(log)
    {
        RegisterEventHandler(eventName, UlvoEventSystem::GetGlobal(), &EventRecorder::OnEvent, this);
    }
    void OnEvent(NamedProperties& args)
    {
        firings.push_back(args);
        m_log.push_back(m_eventName);
    }
    template <typename T>
    T Get(size_t firing, const std::string& name) const
    {
        T value{};
        EXPECT_EQ(firings.at(firing).Get(name, value), PROPERTY_FETCH_OK) << name;
        return value;
    }

    std::vector<NamedProperties> firings;

private:
    std::string m_eventName;
    std::vector<std::string>& m_log;
};

// The engine pieces the screens are built on (event system, UI module, the
// named animations, images) and a screen manager that has not started.
class ScreenEnvironment {
public:
    ScreenEnvironment()
    {
        uiModule.Startup();
        animations.Startup();
    }
    ~ScreenEnvironment()
    {
        if (ui.IsInitialized()) {
            ui.Shutdown();
        }
        animations.Shutdown();
        uiModule.Shutdown();
    }

    UlvoEventSystem eventSystem;
    FakeImageStudio images;
    UlvoUIBasic uiModule;
    Pemberquill::PemberquillAnimations animations;
    Clock clock;
    Pemberquill::PemberquillUI ui;
};

// Keeps one flag of each push or pop of a window.
class WindowStackFlags : public EventRecipient {
public:
    WindowStackFlags(const char* eventName, const char* flagName) : m_flagName(flagName)
    {
        RegisterEventHandler(eventName, UlvoEventSystem::GetGlobal(), &WindowStackFlags::On, this);
    }
    void On(NamedProperties& args)
    {
        bool flag = false;
        args.Get(m_flagName, flag);
        flags.push_back(flag);
    }
    std::vector<bool> flags;

private:
    std::string m_flagName;
};

// Keeps whether each popped window was let fade out.
struct PopFades : WindowStackFlags {
    PopFades() : WindowStackFlags("WindowPopEvent", "AllowAnimationsToFinish") {}
    std::vector<bool>& fades = flags;
};

// Keeps whether each pushed window was shown at once, skipping its fade in.
struct PushesAtOnce : WindowStackFlags {
    PushesAtOnce() : WindowStackFlags("WindowPushEvent", "PushImmediately") {}
};

} // namespace screen_test
