// Two copies of the program on one user-data folder, as a player starts
// them: the second is told that the game runs already and ends without
// writing a player file; once the first is killed, a new copy starts.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/core/Diagnostics.h"
#include "game/shell/TheGame.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

namespace Pemberquill {
namespace {

// Generous: a sanitizer build loads slowly. Only a guard against a hang.
constexpr int MAX_WAIT_STEPS = 6000;
constexpr useconds_t WAIT_STEP_MICROSECONDS = 50000;

std::string ReadText(const std::filesystem::path& path)
{
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

class TwoCopiesTest : public ::testing::Test {
protected:
    ~TwoCopiesTest() override
    {
        for (pid_t copy : m_running) {
            kill(copy, SIGKILL);
            waitpid(copy, nullptr, 0);
        }
    }

    std::filesystem::path Game() const { return std::filesystem::path(m_userData.Path()) / "Pemberquill"; }

    // The program on the test's user-data folder; its stderr goes to the file.
    pid_t Start(const std::string& stderrName)
    {
        const std::string stderrPath = m_userData.File(stderrName);
        const pid_t copy = fork();
        if (copy == 0) {
            const int error = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(error, STDERR_FILENO);
            setenv("XDG_DATA_HOME", m_userData.Path().c_str(), 1);
            execl(PQ_GAME_EXECUTABLE, PQ_GAME_EXECUTABLE, "-windowed", "640", "400", static_cast<char*>(nullptr));
            _exit(127);
        }
        m_running.push_back(copy);
        return copy;
    }

    int WaitForExit(pid_t copy)
    {
        int status = 0;
        waitpid(copy, &status, 0);
        m_running.erase(std::find(m_running.begin(), m_running.end(), copy));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    void Kill(pid_t copy)
    {
        kill(copy, SIGKILL);
        WaitForExit(copy);
    }

    static bool WaitUntil(const std::function<bool()>& isDone)
    {
        for (int step = 0; step < MAX_WAIT_STEPS && !isDone(); ++step) {
            usleep(WAIT_STEP_MICROSECONDS);
        }
        return isDone();
    }

    bool IsHolding(pid_t copy) const
    {
        return ReadText(Game() / TheGame::RUNNING_LOCK_FILE_NAME) == std::to_string(copy) + "\n";
    }

    // Every file below the user-data folder but the log and the lock, with
    // its bytes.
    std::map<std::string, testsupport::Bytes> PlayerFiles() const
    {
        std::map<std::string, testsupport::Bytes> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_userData.Path())) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file() && entry.path().parent_path() != m_userData.Path() &&
                name != "application.log" && name != TheGame::RUNNING_LOCK_FILE_NAME) {
                files[entry.path().string()] = testsupport::ReadFileBytes(entry.path().string());
            }
        }
        return files;
    }

    testsupport::TemporaryFolder m_userData;
    std::vector<pid_t> m_running;
};

TEST_F(TwoCopiesTest, ASecondCopyIsToldAndWritesNothingAndAKilledCopyHoldsNothing)
{
    const pid_t first = Start("first.stderr");
    ASSERT_TRUE(WaitUntil([&] {
        return ReadText(Game() / "application.log").find("label \"Start regional sounds\" was") != std::string::npos;
    })) << ReadText(m_userData.File("first.stderr"));
    ASSERT_TRUE(IsHolding(first));
    const auto filesBefore = PlayerFiles();
    ASSERT_FALSE(filesBefore.empty());

    const pid_t second = Start("second.stderr");
    EXPECT_EQ(WaitForExit(second), 1);
    EXPECT_NE(ReadText(m_userData.File("second.stderr")).find("The game is already running."), std::string::npos)
        << ReadText(m_userData.File("second.stderr"));
    EXPECT_EQ(PlayerFiles(), filesBefore);
    // Added to the running copy's log, which keeps its own lines.
    const std::string log = ReadText(Game() / "application.log");
    EXPECT_EQ(log.rfind("::: Initialization : UlvoCommandConsole (finished)", 0), 0u);
    EXPECT_NE(log.find(Stringf("ERROR: Another copy of the game (process %d) is running", first)), std::string::npos)
        << log;
    EXPECT_EQ(ReadText(m_userData.File("second.stderr")).find("ERROR: Another copy"), std::string::npos)
        << "a line the log took is not repeated on stderr";
    EXPECT_TRUE(IsHolding(first));

    Kill(first);
    const pid_t third = Start("third.stderr");
    EXPECT_TRUE(WaitUntil([&] { return IsHolding(third); })) << ReadText(m_userData.File("third.stderr"));
    Kill(third);
}

}  // namespace
}  // namespace Pemberquill
