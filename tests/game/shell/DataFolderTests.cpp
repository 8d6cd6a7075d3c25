// The game finds its Data/ folder from wherever it was started, and says
// plainly where it looked when there is none.

#include <gtest/gtest.h>

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

TEST_F(DataFolderTest, TheWorkingFolderFirstThenTheProgramsFolderAndItsParents)
{
    const std::string build = Install() + "/build";
    // A file named Data is no data folder.
    std::ofstream(build + "/Data") << "not a folder";
    const struct {
        std::string working;
        std::string expectedHolder;
        std::vector<std::string> expectedLookedIn;
    } cases[] = {
        {Install(), Install(), {Install()}},
        {Elsewhere(), Install(), {Elsewhere(), Program(), build, Install()}},
        {Program(), Install(), {Program(), build, Install()}},
    };
    for (const auto& c : cases) {
        const DataFolderSearch search = FindDataFolder(c.working, Program());
        EXPECT_EQ(search.holdingFolder, c.expectedHolder) << c.working;
        EXPECT_EQ(search.foldersLookedIn, c.expectedLookedIn) << c.working;
    }
}

TEST_F(DataFolderTest, AStartFromElsewhereWorksFromTheFolderThatHoldsDataOrNamesWhereItLooked)
{
    testsupport::RecordingConsole console;
    testsupport::ScopedWorkingDirectory startedElsewhere(Elsewhere());
    UseDataFolder(Program());
    EXPECT_EQ(fs::current_path(), fs::path(Install()));
    EXPECT_EQ(console.Text(), "Using the data folder \"" + Install() + "/Data\".\n");

    // Without Data anywhere the error names every folder looked in.
    fs::remove_all(Install() + "/Data");
    fs::current_path(Elsewhere());
    const testsupport::CaughtError error = testsupport::CatchUlvoException([&] { UseDataFolder(Program()); });
    EXPECT_EQ(fs::current_path(), fs::path(Elsewhere()));
    EXPECT_EQ(error.title, "Data folder not found");
    EXPECT_EQ(error.message.rfind("The game's data folder \"Data\" was not found", 0), 0u) << error.message;
    for (const std::string& folder : {Elsewhere(), Program(), Install() + "/build", Install(), m_root.Path()}) {
        EXPECT_NE(error.message.find("\n    " + folder + "\n"), std::string::npos) << folder << " in\n" << error.message;
    }
    EXPECT_NE(error.message.find("    /\n"), std::string::npos) << error.message;
}

}  // namespace
}  // namespace Pemberquill
