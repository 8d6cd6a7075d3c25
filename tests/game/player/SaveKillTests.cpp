// A kill in the middle of a save: a child process saves the profile, the
// options and the statistics over and over, with a version number counting
// up, until it is killed at a random moment. After each kill every file
// reads back whole, as the version it held before or one the child wrote,
// and nothing is left that a later start could take for a player file.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "engine/core/NamedProperties.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "game/options/PemberquillOptions.h"
#include "game/player/PlayerProfile.h"
#include "game/steam/SteamInterface.h"
#include "platform/crt/CrtRandom.h"
#include "platform/steam/UserStatsStore.h"
#include "platform/system/FileSystem.h"
#include "tests/game/options/PemberquillOptionsTestSupport.h"
#include "tests/support/SilentConsole.h"
#include "tests/support/TemporaryFolder.h"

using namespace Pemberquill;

namespace {

const std::string PROFILE_FILE = "steamuser.playerProfile";
const std::string OPTIONS_STEM = "steamuser";
const std::string STATS_FILE = "stats.txt";
const char* const VERSION_STAT = "Version";
constexpr int KILLS = 60;
// The longest a child runs before its kill.
constexpr int MAX_RUN_MICROSECONDS = 40000;

class SaveKillTest : public ::testing::Test {
protected:
    std::string StatsPath() const { return folder.File(STATS_FILE); }

    void SaveAll(int version) const
    {
        PlayerProfile profile("Kill");
        profile.GetAchievements().puzzlesSolved = static_cast<int16_t>(version);
        ResourceStream stream(RESOURCE_STREAM_FORMAT_BINARY, 1024);
        profile.Write(stream);
        stream.SaveToFile(UlvoPath(PATH_MARKER_PLAYER_STORAGE, PROFILE_FILE));

        PemberquillOptions options;
        options.LoadOptions(OPTIONS_STEM);
        NamedProperties seed;
        seed.Set<std::string>("OnActivationEventNameProperty", std::to_string(version));
        options.Event_OnSetPuzzleSeed(seed);
        options.SaveOptions();

        platform::UserStatsStore stats(StatsPath());
        stats.SetStat(VERSION_STAT, version);
        stats.Store();
    }

    // The child's whole life: never returns. Reports each version once all
    // three files hold it.
    [[noreturn]] void SaveForever(int firstVersion, int reportFd) const
    {
        for (int version = firstVersion; version < INT16_MAX; ++version) {
            SaveAll(version);
            if (write(reportFd, &version, sizeof(version)) != sizeof(version)) {
                _exit(1);
            }
        }
        _exit(0);
    }

    // The version each file holds, -1 for one that does not read whole.
    std::vector<int> ReadVersions() const
    {
        std::vector<int> versions(3, -1);
        try {
            ResourceStream stream(UlvoPath(PATH_MARKER_PLAYER_STORAGE, PROFILE_FILE));
            versions[0] = PlayerProfile(stream).GetAchievements().puzzlesSolved;
        } catch (const UlvoException&) {
        }
        PemberquillOptions options;
        if (options.LoadOptions(OPTIONS_STEM)) {
            versions[1] = options.GetPuzzleSeed();
        }
        options.ForgetUser();
        platform::UserStatsStore stats(StatsPath());
        int32_t stat = -1;
        if (stats.Load() && stats.GetStat(VERSION_STAT, stat)) {
            versions[2] = stat;
        }
        return versions;
    }

    // Runs a child from the version for a random while, kills it, and
    // returns the last version it reported, -1 when none.
    int RunAndKill(int firstVersion) const
    {
        int report[2];
        EXPECT_EQ(pipe(report), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(report[0]);
            SaveForever(firstVersion, report[1]);
        }
        close(report[1]);
        const long wait = platform::CrtRand() % (MAX_RUN_MICROSECONDS / 1000 + 1) * 1000L;
        const timespec pause{0, wait * 1000L};
        nanosleep(&pause, nullptr);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        int reported = -1;
        for (int version = 0; read(report[0], &version, sizeof(version)) == sizeof(version);) {
            reported = version;
        }
        close(report[0]);
        return reported;
    }

    // Every name in the folder is a player file or a temporary file that no
    // start looks for.
    void ExpectNoStrayPlayerFile() const
    {
        const std::vector<std::string> playerFiles = {PROFILE_FILE, OPTIONS_STEM + ".pqoptions", STATS_FILE};
        for (const std::string& name : platform::ListFolder(folder.Path(), "*")) {
            const bool isPlayerFile = std::find(playerFiles.begin(), playerFiles.end(), name) != playerFiles.end();
            EXPECT_TRUE(isPlayerFile || name.rfind(platform::TEMPORARY_FILE_PREFIX, 0) == 0) << name;
        }
        std::vector<std::string> patterns = SteamInterface::GetLocalPlayerFilePatterns();
        patterns.push_back("steamuser-*");
        for (const std::string& pattern : patterns) {
            for (const std::string& name : platform::ListFolder(folder.Path(), pattern)) {
                EXPECT_NE(std::find(playerFiles.begin(), playerFiles.end(), name), playerFiles.end()) << name;
            }
        }
    }

    testsupport::SilentConsole console;
    testsupport::TemporaryFolder folder;
    options_test::RecordingApplication application{folder.File("")};
};

TEST_F(SaveKillTest, EveryFileReadsBackAsAWholeVersionAfterEachKill)
{
    platform::CrtSrand(37);
    SaveAll(0);
    std::vector<int> before = ReadVersions();
    ASSERT_EQ(before, (std::vector<int>{0, 0, 0}));
    int next = 1;
    for (int kill = 0; kill < KILLS; ++kill) {
        const int reported = RunAndKill(next);
        const std::vector<int> after = ReadVersions();
        for (size_t file = 0; file < after.size(); ++file) {
            // The child writes one version at a time, in order.
            const bool isOld = reported < 0 && after[file] == before[file];
            const bool isNew = after[file] >= std::max(reported, next) && after[file] <= std::max(reported, next - 1) + 1;
            EXPECT_TRUE(isOld || isNew) << "kill " << kill << ", file " << file << ": " << after[file]
                                        << " (before " << before[file] << ", reported " << reported << ")";
        }
        ExpectNoStrayPlayerFile();
        if (HasFailure()) {
            return;
        }
        before = after;
        next = std::max(reported, next - 1) + 2;
    }
}

} // namespace
