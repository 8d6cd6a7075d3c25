// The game finds its Data/ folder from wherever it was started, and says
// plainly where it looked when there is none.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/shell/DataFolder.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"

namespace Pemberquill {
namespace {

namespace fs = std::filesystem;

// install/Data beside install/build/bin, where the program lives, and an
// unrelated working folder elsewhere.
class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(Install() + "/Data");
        fs::create_directories(Program());
        fs::create_directories(Elsewhere());
    }
    std::string Install() const { return m_root.File("install"); }
    std::string Program() const { return m_root.File("install/build/bin"); }
    std::string Elsewhere() const { return m_root.File("elsewhere"); }

    testsupport::TemporaryFolder m_root;
};

TEST_F(DataFolderTest, AStartFromElsewhereWorksFromTheFolderThatHoldsDataOrNamesWhereItLooked)
{
    testsupport::RecordingConsole console;
    // The working folder is looked in first; a file named Data is no data folder.
    EXPECT_EQ(FindDataFolder(Install(), Program()).foldersLookedIn, std::vector<std::string>{Install()});
    std::ofstream(Install() + "/build/Data") << "not a folder";
    testsupport::ScopedWorkingDirectory startedElsewhere(Elsewhere());
    UseDataFolder(Program());
    EXPECT_EQ(fs::current_path(), fs::path(Install()));
    EXPECT_EQ(console.Text(), "Using the data folder \"" + Install() + "/Data\".\n");

    // Without Data anywhere the error names every folder looked in, in order.
    fs::remove_all(Install() + "/Data");
    fs::current_path(Elsewhere());
    const testsupport::CaughtError error = testsupport::CatchUlvoException([&] { UseDataFolder(Program()); });
    EXPECT_EQ(fs::current_path(), fs::path(Elsewhere()));
    EXPECT_EQ(error.title, "Data folder not found");
    size_t at = 0;
    for (const std::string& folder : {Elsewhere(), Program(), Install() + "/build", Install(), m_root.Path()}) {
        at = error.message.find("\n    " + folder + "\n", at);
        EXPECT_NE(at, std::string::npos) << folder << " in\n" << error.message;
    }
    EXPECT_NE(error.message.find("    /\n"), std::string::npos) << error.message;

    // A folder both worked in and above the program is looked in once.
    const std::vector<std::string> lookedIn = FindDataFolder(Install(), Program()).foldersLookedIn;
    EXPECT_EQ(std::count(lookedIn.begin(), lookedIn.end(), Install()), 1);
}

}  // namespace
}  // namespace Pemberquill
