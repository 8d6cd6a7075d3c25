// Saves that fail, on the game the executable builds: a storage folder on a
// read-only mount, on a full file system, and one this process may not
// write. The first failed save of a run is told on screen once (in a box
// when it comes with the quit), the log names the file and the system's
// reason, and the escape menu claims "(progress saved)" only after a save
// that succeeded.

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "engine/core/UlvoEventSystem.h"
#include "engine/ui/LabelledActivatableWidget.h"
#include "game/common/GameWindowID.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "tests/game/shell/PlayerSessionSupport.h"

namespace Pemberquill {
namespace {

using namespace player_session;

constexpr uid_t NOBODY = 65534;

// A button's text is held by its inner label, a part drawn from the handle
// counter right after the button.
const BaseWidget& TextHolder(const BaseWidget& widget)
{
    if (dynamic_cast<const LabelledActivatableWidget*>(&widget) == nullptr) {
        return widget;
    }
    constexpr int PART_HANDLE_SEARCH = 8;
    for (int handle = widget.GetHandle() + 1; handle <= widget.GetHandle() + PART_HANDLE_SEARCH; ++handle) {
        const BaseWidget* part = BaseWidget::FindWidgetByHandle(handle);
        if (part != nullptr && part->GetParent() == &widget && part->GetName() == widget.GetName() + "Label") {
            return *part;
        }
    }
    return widget;
}

// The text of a child of a built window, shown or not; "" when none.
std::string ChildLabel(int windowId, const std::string& name, size_t skip = 0)
{
    auto* window = dynamic_cast<ContainerWidget*>(BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(windowId)));
    for (size_t index = 0; window != nullptr && index < window->GetChildCount(); ++index) {
        BaseWidget* child = window->GetChild(index);
        if (child->GetName() == name && skip-- == 0) {
            return TextHolder(*child).GetProperty<std::string>("Label");
        }
    }
    return "";
}

// The colour a line of the built information dialog is written in.
Rgba InfoLineColor(size_t line)
{
    auto* window =
        dynamic_cast<ContainerWidget*>(BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(GAME_WINDOW_INFORMATION)));
    for (size_t index = 0; window != nullptr && index < window->GetChildCount(); ++index) {
        BaseWidget* child = window->GetChild(index);
        if (child->GetName() == "InfoLine" && line-- == 0) {
            return child->GetProperty<Rgba>("FontColor");
        }
    }
    return Rgba(0, 0, 0, 0);
}

std::string NoticeText()
{
    std::string text;
    for (size_t line = 0; !ChildLabel(GAME_WINDOW_INFORMATION, "InfoLine", line).empty(); ++line) {
        text += ChildLabel(GAME_WINDOW_INFORMATION, "InfoLine", line) + "\n";
    }
    return text;
}

std::string TopWindowName()
{
    return TopWindow() != nullptr ? TopWindow()->GetName() : "";
}

// What keeps the storage folder from taking a save, and what lifts it again.
struct Restriction {
    std::function<bool(const std::string& folder)> apply;
    std::function<void(const std::string& folder)> lift;
    // The system's reason for a refused write.
    std::string reason;
};

bool EnterOwnMountNamespace()
{
    return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

const Restriction READ_ONLY_MOUNT{
    [](const std::string& folder) {
        return mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
               mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    },
    [](const std::string& folder) { umount(folder.c_str()); },
    "Read-only file system",
};

// A file system of one page, filled to the last byte.
const Restriction FULL_FILE_SYSTEM{
    [](const std::string& folder) {
        if (mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=4k") != 0) {
            return false;
        }
        std::ofstream filler(folder + "/filler", std::ios::binary);
        for (int byte = 0; byte < 65536 && filler.put('x'); ++byte) {
            filler.flush();
        }
        return true;
    },
    [](const std::string& folder) { umount(folder.c_str()); },
    "No space left on device",
};

// Another user's folder: root writes anywhere, so root looks at the files
// as nobody does; anyone else loses the write permission.
const Restriction NOT_OURS{
    [](const std::string& folder) {
        if (geteuid() != 0) {
            return chmod(folder.c_str(), 0555) == 0;
        }
        setfsuid(NOBODY);
        return static_cast<uid_t>(setfsuid(static_cast<uid_t>(-1))) == NOBODY;
    },
    [](const std::string& folder) {
        if (geteuid() != 0) {
            chmod(folder.c_str(), 0755);
        } else {
            setfsuid(0);
        }
    },
    "Permission denied",
};

class FailedSavesTest : public PlayerSession {
protected:
    std::string Storage() const { return m_userData.File("pemberquill-online/storage"); }

    std::string Log() const
    {
        std::ostringstream log;
        log << std::ifstream(m_userData.File("Pemberquill/application.log")).rdbuf();
        return log.str();
    }

    // A new player's game at its title window, everything saved so far.
    void StartAtTheTitle()
    {
        ASSERT_NO_FATAL_FAILURE(StartGame());
        ASSERT_TRUE(FramesUntil([] { return TopWindowName() == "TitleWindow"; })) << TopWindowName();
        Frames(SETTLE_FRAMES);
    }

    void Quit()
    {
        FireGlobalEvent("QuitGameEvent");
        m_game->Run();
        m_game->Shutdown();
        m_game.reset();
    }

    void SaveTheGame()
    {
        FireGlobalEvent("SaveGameEvent");
        Frames(SETTLE_FRAMES);
    }

    std::string ExitPuzzleLabel() const { return ChildLabel(GAME_WINDOW_CAMPAIGN_ESCAPE_MENU, "ExitPuzzleButton"); }

    // Told once on screen, logged each time; the menu follows the last save.
    void ExpectFailedSavesTold(const Restriction& restriction)
    {
        ASSERT_NO_FATAL_FAILURE(StartAtTheTitle());
        EXPECT_EQ(ExitPuzzleLabel(), "Exit Puzzle (progress saved)");
        ASSERT_TRUE(restriction.apply(Storage()));

        SaveTheGame();
        const std::string failure = "The player profile could not be written to\n\"steamuser.playerProfile\":\n" +
                                    restriction.reason + ".\n";
        EXPECT_EQ(TopWindowName(), "Information Dialog");
        EXPECT_EQ(NoticeText(), "Saving failed.\n" + failure +
                                    "The game plays on and tries again at each save.\n");
        EXPECT_EQ(ExitPuzzleLabel(), "Exit Puzzle (NOT saved)");
        EXPECT_EQ(ChildLabel(GAME_WINDOW_CAMPAIGN_ESCAPE_MENU, "QuitGameButton"), "Quit Game (NOT saved)");
        ASSERT_NO_FATAL_FAILURE(Click("InformationOkButton"));
        SaveTheGame();
        EXPECT_EQ(TopWindowName(), "TitleWindow");
        const std::string logged =
            "ERROR: The player profile could not be saved to \"steamuser.playerProfile\": " + restriction.reason;
        const size_t first = Log().find(logged);
        ASSERT_NE(first, std::string::npos) << Log();
        EXPECT_NE(Log().find(logged, first + 1), std::string::npos);

        restriction.lift(Storage());
        SaveTheGame();
        EXPECT_EQ(ExitPuzzleLabel(), "Exit Puzzle (progress saved)");
        // The quit's own failures are told in a box, though saving failed
        // and was shown before.
        ASSERT_TRUE(restriction.apply(Storage()));
        EXPECT_EQ(QuitAndTakeBox(restriction),
                  "Harrowmere: Pemberquill\nSaving failed.\nThe options could not be written to\n"
                  "\"steamuser.pqoptions\":\n" +
                      restriction.reason + ".\n" + failure + "\n");

        // A first failure that comes with the quit is told in a box.
        ASSERT_NO_FATAL_FAILURE(StartAtTheTitle());
        ASSERT_TRUE(restriction.apply(Storage()));
        const std::string box = QuitAndTakeBox(restriction);
        EXPECT_NE(box.find("Saving failed.\nThe options could not be written to\n"
                           "\"steamuser.pqoptions\":\n" +
                           restriction.reason + ".\n"),
                  std::string::npos)
            << box;
    }

    // What stderr took while the game quit; the restriction is lifted after.
    std::string QuitAndTakeBox(const Restriction& restriction)
    {
        testing::internal::CaptureStderr();
        Quit();
        restriction.lift(Storage());
        return testing::internal::GetCapturedStderr();
    }
};

TEST_F(FailedSavesTest, OnAReadOnlyMount)
{
    if (!EnterOwnMountNamespace()) {
        GTEST_SKIP() << "no mount namespace of its own";
    }
    ExpectFailedSavesTold(READ_ONLY_MOUNT);
}

TEST_F(FailedSavesTest, OnAFullFileSystem)
{
    if (!EnterOwnMountNamespace()) {
        GTEST_SKIP() << "no mount namespace of its own";
    }
    ExpectFailedSavesTold(FULL_FILE_SYSTEM);
}

TEST_F(FailedSavesTest, InAFolderOfAnotherUser)
{
    // Root reads the files as nobody: every folder on the way must let
    // nobody in.
    chmod(m_userData.Path().c_str(), 0755);
    ExpectFailedSavesTold(NOT_OURS);
}

// Catches the title and the lines below it trading colours.
TEST_F(FailedSavesTest, TheNoticeTitleIsCyanAndEveryLineBelowItWhite)
{
    chmod(m_userData.Path().c_str(), 0755);
    ASSERT_NO_FATAL_FAILURE(StartAtTheTitle());
    ASSERT_TRUE(NOT_OURS.apply(Storage()));
    SaveTheGame();
    NOT_OURS.lift(Storage());
    ASSERT_EQ(TopWindowName(), "Information Dialog");
    EXPECT_EQ(InfoLineColor(0), Rgba(0, 255, 255, 255));
    for (size_t line = 1; !ChildLabel(GAME_WINDOW_INFORMATION, "InfoLine", line).empty(); ++line) {
        EXPECT_EQ(InfoLineColor(line), Rgba(255, 255, 255, 255)) << line;
    }
    Quit();
}

}  // namespace
}  // namespace Pemberquill
